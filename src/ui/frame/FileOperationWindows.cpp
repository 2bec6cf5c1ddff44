// What the file-operation workers ask of the frame: the window that shows a
// folder, and the frame's list of running operation threads.
// (The window's header comes first: the shell's headers name a "Folder" of their own.)
#include "ui/frame/ExplorerWindow.h"

// Core
#include "core/folders/OperationRules.h"

// Folders
#include "ui/folders/FolderOperThread.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

HWND FolderWindowShowing(const std::string& folder)
{
    if (folder.empty()) return nullptr;
    for (CBasicWindow* window : CWindowList::Instance().Windows()) {
        const auto* explorer = dynamic_cast<const CExplorerWindow*>(window);
        if (!explorer || !explorer->ExplorerView()) continue;
        if (fileops::SameFolder(explorer->ExplorerView()->CurrentPath(), folder)) return explorer->Handle();
    }
    return nullptr;
}

HWND FrameWindowOfOperations()
{
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    return frame ? frame->Handle() : nullptr;
}

RunningThreadsPtr FrameThreadList()
{
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    return frame ? frame->RunningThreadList() : nullptr;
}
