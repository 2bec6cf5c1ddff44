#pragma once
// The file-operation workers: each issues one request to the shell's file
// operation on a thread of its own, so that the windows stay responsive
// while the shell shows its progress and its questions. The watchers of the
// windows involved are paused for the time of the request; when it ends the
// windows are told with UWM_OPERDONE (wParam 1 when the request succeeded,
// lParam the cut list's move ticket or 0).

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/RunningThreads.h"

// Standard library
#include <cstdint>
#include <functional>
#include <string>

// Windows
#include <windows.h>
#include <shellapi.h>

// The folder window that shows `folder`, null when none does. The frame
// knows its windows; the workers only need their handles.
HWND FolderWindowShowing(const std::string& folder);
// The main frame's list of running operation threads; null without a frame.
RunningThreadsPtr FrameThreadList();
// The main frame's window, told when items went to the Recycle Bin; null without a frame.
HWND FrameWindowOfOperations();

// The explorer bar's tree refreshes the node of a folder that an operation
// changed. The bar sets the hook while its tree exists; unset, nothing is done.
using TreeRefreshHook = std::function<void(const std::string& folder)>;
void SetTreeRefreshHook(TreeRefreshHook hook);
void RefreshTreeNode(const std::string& folder);

// A copy of the text on the heap, zeros inside it included, for the request
// that a worker holds until it ends.
char* HeapText(const std::string& text);

class CFolderOperThread : public CBaseThread {
public:
    // The request's lists come from the texts (zero-separated, zero-ended);
    // notifyWindow is told when the request ends, and so is the window of
    // the target folder; the window of secondFolder (the source of a move)
    // has its watchers paused as well. Registers with the frame's threads.
    CFolderOperThread(const SHFILEOPSTRUCTA& request, HWND notifyWindow, std::string secondFolder,
                      const std::string& sourceText, const std::string& targetText);
    // The cut list's move ticket that the end of a move reports.
    void SetCutTicket(std::uint32_t ticket) { m_cutTicket = ticket; }
    // Pauses the watchers and starts the thread, which deletes itself when
    // done; on failure the watchers resume, the worker is deleted, false.
    static bool Start(CFolderOperThread* worker);

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    SHFILEOPSTRUCTA m_request;
    HWND m_notifyWindow;
    std::string m_secondFolder;
    char* m_sourceText;
    char* m_targetText;
    // Found on the interface thread when the worker is made.
    HWND m_targetWindow = nullptr;
    HWND m_secondWindow = nullptr;
    RunningThreadsPtr m_threads;
    RunningThreads::Token m_token = 0;
    RunningThreads::Token m_secondToken = 0;
    std::uint32_t m_cutTicket = 0;
    bool m_succeeded = false;
};

class CFolderDelThread : public CBaseThread {
public:
    CFolderDelThread(const SHFILEOPSTRUCTA& request, std::string folder, const std::string& sourceText,
                     HWND notifyWindow);
    static bool Start(CFolderDelThread* worker);

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    SHFILEOPSTRUCTA m_request;
    std::string m_folder;
    char* m_sourceText;
    HWND m_notifyWindow;
    HWND m_folderWindow = nullptr;  // found on the interface thread
    HWND m_binWatcher = nullptr;    // the frame, for a delete into the Recycle Bin; set before the thread starts
    RunningThreadsPtr m_threads;
    RunningThreads::Token m_token = 0;
    bool m_succeeded = false;
};

// Whether the shell's answer and the aborted flag say the request was done.
inline bool RequestSucceeded(int result, const SHFILEOPSTRUCTA& request)
{
    return result == 0 && !request.fAnyOperationsAborted;
}
