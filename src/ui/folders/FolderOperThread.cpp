#include "ui/folders/FolderOperThread.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Standard library
#include <cstring>
#include <utility>

namespace {

TreeRefreshHook& TreeHook()
{
    static TreeRefreshHook hook;
    return hook;
}

void Pause(HWND window)
{
    if (window) ::SendMessageA(window, UWM_PAUSEWATCHERS, 0, 0);
}

void Resume(HWND window)
{
    if (window) ::PostMessageA(window, UWM_RESUMEWATCHERS, 0, 0);
}

void TellDone(HWND window, bool succeeded, std::uint32_t ticket)
{
    if (window) ::PostMessageA(window, UWM_OPERDONE, succeeded ? 1 : 0, static_cast<LPARAM>(ticket));
}

// The request points at the worker's own copies of the lists.
SHFILEOPSTRUCTA Bound(SHFILEOPSTRUCTA request, const char* source, const char* target)
{
    request.hwnd = nullptr;
    request.pFrom = source;
    request.pTo = target;
    request.fAnyOperationsAborted = FALSE;
    request.hNameMappings = nullptr;
    request.lpszProgressTitle = nullptr;
    return request;
}

RunningThreads::Token Register(const RunningThreadsPtr& threads, ThreadKind kind, const StateWord& state,
                               const std::string& path)
{
    return threads ? threads->Add(kind, state, path) : 0;
}

void Unregister(const RunningThreadsPtr& threads, RunningThreads::Token token)
{
    if (threads) threads->Remove(token);
}

}  // namespace

void SetTreeRefreshHook(TreeRefreshHook hook) { TreeHook() = std::move(hook); }

void RefreshTreeNode(const std::string& folder)
{
    if (TreeHook()) TreeHook()(folder);
}

char* HeapText(const std::string& text)
{
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

// --- Copy and move -----------------------------------------------------------

CFolderOperThread::CFolderOperThread(const SHFILEOPSTRUCTA& request, HWND notifyWindow, std::string secondFolder,
                                     const std::string& sourceText, const std::string& targetText)
    : m_notifyWindow(notifyWindow),
      m_secondFolder(std::move(secondFolder)),
      m_sourceText(HeapText(sourceText)),
      m_targetText(HeapText(targetText)),
      m_threads(FrameThreadList())
{
    m_request = Bound(request, m_sourceText, m_targetText);
    const std::string target = m_targetText;
    m_targetWindow = FolderWindowShowing(target);
    if (!m_secondFolder.empty()) m_secondWindow = FolderWindowShowing(m_secondFolder);
    if (m_secondWindow == m_targetWindow) m_secondWindow = nullptr;
    // The source folder too: its watchers stay paused while its items leave.
    m_token = Register(m_threads, ThreadKind::FileChange, m_state, target);
    if (!m_secondFolder.empty())
        m_secondToken = Register(m_threads, ThreadKind::FileChange, m_state, m_secondFolder);
}

bool CFolderOperThread::Start(CFolderOperThread* worker)
{
    // Paused here, on the interface thread that owns the watchers, before
    // the request can change anything.
    Pause(worker->m_targetWindow);
    Pause(worker->m_secondWindow);
    if (worker->CreateThread()) return true;
    worker->ExitInstance();
    delete worker;
    return false;
}

bool CFolderOperThread::InitInstance()
{
    SetPriority(THREAD_PRIORITY_NORMAL);
    m_succeeded = RequestSucceeded(::SHFileOperationA(&m_request), m_request);
    return false;
}

int CFolderOperThread::ExitInstance()
{
    // Unregistered first: a window's watchers do not start while an
    // operation works on its folder.
    Unregister(m_threads, m_token);
    Unregister(m_threads, m_secondToken);
    Resume(m_targetWindow);
    TellDone(m_targetWindow, m_succeeded, 0);
    Resume(m_secondWindow);
    TellDone(m_notifyWindow, m_succeeded, m_cutTicket);
    delete[] m_sourceText;
    delete[] m_targetText;
    m_sourceText = m_targetText = nullptr;
    return m_succeeded ? 0 : 1;
}

// --- Delete ------------------------------------------------------------------

CFolderDelThread::CFolderDelThread(const SHFILEOPSTRUCTA& request, std::string folder, const std::string& sourceText,
                                   HWND notifyWindow)
    : m_folder(std::move(folder)),
      m_sourceText(HeapText(sourceText)),
      m_notifyWindow(notifyWindow),
      m_threads(FrameThreadList())
{
    m_request = Bound(request, m_sourceText, nullptr);
    m_folderWindow = FolderWindowShowing(m_folder);
    if (m_request.fFlags & FOF_ALLOWUNDO) m_binWatcher = FrameWindowOfOperations();
    m_token = Register(m_threads, ThreadKind::FolderDeletion, m_state, m_folder);
}

bool CFolderDelThread::Start(CFolderDelThread* worker)
{
    Pause(worker->m_folderWindow);
    if (worker->CreateThread()) return true;
    worker->ExitInstance();
    delete worker;
    return false;
}

bool CFolderDelThread::InitInstance()
{
    SetPriority(THREAD_PRIORITY_NORMAL);
    m_succeeded = RequestSucceeded(::SHFileOperationA(&m_request), m_request);
    return false;
}

int CFolderDelThread::ExitInstance()
{
    Unregister(m_threads, m_token);
    Resume(m_folderWindow);
    TellDone(m_notifyWindow, m_succeeded, 0);
    // Even a delete stopped half-way may have put items there.
    if (m_binWatcher) ::PostMessageA(m_binWatcher, UWM_RECYCLEBINCHANGED, 0, 0);
    delete[] m_sourceText;
    m_sourceText = nullptr;
    return m_succeeded ? 0 : 1;
}
