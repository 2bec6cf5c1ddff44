// The window list beyond opening: closing, the window modes, and the windows
// kept from one run to the next.
#include "ui/frame/WindowList.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/frame/FolderTitle.h"
#include "core/frame/WindowRules.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>

namespace {

constexpr char kRootFolder[] = "C:\\";

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

bool IsMaximizeMode()
{
    return Settings().GetSetting(Setting::ArrangeMode) == static_cast<int>(ArrangeMode::Maximize);
}

// Whether the drive of a path answers a volume query (a missing disk or drive does not).
bool DriveAnswers(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return false;
    const char root[] = {path[0], ':', '\\', '\0'};
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL answers = ::GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
    ::SetErrorMode(oldMode);
    return answers != FALSE;
}

WindowRect NormalRect(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(window, &placement);
    const RECT& r = placement.rcNormalPosition;
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool CWindowList::CloseWindowByPath(const std::string& path, WindowKind kind)
{
    CBasicWindow* window = FindOpenWindow(path, kind);
    if (!window) return true;
    const bool now = window->CanCloseNow();
    ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    return now;
}

CBasicWindow* CWindowList::NextWindow(CBasicWindow* window) const
{
    auto it = std::find(m_windows.begin(), m_windows.end(), window);
    if (it == m_windows.end() || it + 1 == m_windows.end()) return window;
    return *(it + 1);
}

bool CWindowList::AllMinimized() const
{
    return std::all_of(m_windows.begin(), m_windows.end(),
                       [](const CBasicWindow* window) { return ::IsIconic(window->Handle()) != FALSE; });
}

bool CWindowList::AnyMinimized() const
{
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [](const CBasicWindow* window) { return ::IsIconic(window->Handle()) != FALSE; });
}

void CWindowList::ApplyMaximizeMode()
{
    CBasicWindow* active = Active();
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    const bool onTaskbar = frame && frame->TaskbarVisible();
    for (CBasicWindow* window : m_windows) {
        HWND client = ::GetParent(window->Handle());
        if (IsMaximizeMode()) {
            ::ShowWindow(window->Handle(), SW_SHOW);
            ::SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        } else if (onTaskbar) {
            // The taskbar's buttons bring them back one at a time, in their normal size.
            ::SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->Handle()), 0);
            ::ShowWindow(window->Handle(), SW_HIDE);
        } else {
            ::ShowWindow(window->Handle(), SW_SHOW);
            ::SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        }
    }
    if (active) ActivateWindow(active);
}

bool CWindowList::CloseAll()
{
    // Closing changes the list: work on a copy and stop at the first refusal.
    const std::vector<CBasicWindow*> windows = m_windows;
    for (CBasicWindow* window : windows) {
        if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end()) continue;
        const bool now = window->CanCloseNow();
        ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
        if (!now) return false;
    }
    return true;
}

CBasicWindow* CWindowList::OpenStartFolder(bool fallBackToRoot)
{
    CBasicWindow* window = nullptr;
    if (Settings().GetSetting(Setting::OpenStartupFolder)) {
        std::string folder;
        Settings().GetTextSetting(Setting::StartupFolder, folder);
        window = OpenWindow(folder, WindowKind::Folder, nullptr, 0);
        // A user who declined another window is not asked again for the root,
        // and the start folder is still good.
        if (!window && LastOpenDeclined()) return nullptr;
        if (!window) Settings().SetSetting(Setting::OpenStartupFolder, 0);
    }
    if (!window && fallBackToRoot) window = OpenWindow(kRootFolder, WindowKind::Folder, nullptr, 0);
    return window;
}

bool CWindowList::SwitchMode()
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    const bool starting = !frame || frame->IsStarting();
    const bool ok = Settings().GetSetting(Setting::ExplorerMode) ? EnterExplorerMode(starting)
                                                                  : LeaveExplorerMode(starting);
    if (frame) {
        ::DrawMenuBar(frame->Handle());
        ::RedrawWindow(frame->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    return ok;
}

bool CWindowList::EnterExplorerMode(bool starting)
{
    if (!m_windows.empty() && !starting && !CloseAll()) return false;
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    // The Window menu has nothing to offer with one window; a start in this
    // mode takes it away too, or it would stay from the menu resource.
    if (frame) frame->ShowWindowMenu(false);
    // The tree is how this mode moves between folders. Shown before the start
    // folder opens, and without opening the tree's own selection on the way.
    if (!starting && frame && !frame->ExplorerBarVisible()) frame->ExplorerBarWindow().Show(true);
    // The one folder window fills the document area. A folder named on the
    // command line is kept rather than replaced by the start folder.
    CBasicWindow* window = starting && !m_windows.empty() ? m_windows.front() : OpenStartFolder(true);
    if (window)
        ::SendMessageA(::GetParent(window->Handle()), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    if (!starting && frame) {
        Settings().SetSetting(Setting::TaskbarBeforeExplorerMode, frame->TaskbarVisible() ? 1 : 0);
        frame->ShowTaskbar(false);
    }
    return true;
}

bool CWindowList::LeaveExplorerMode(bool starting)
{
    std::string keptPath;
    WindowKind keptKind = WindowKind::Folder;
    const bool hadWindow = !m_windows.empty();
    // At start-up the windows just restored stay as they are.
    if (hadWindow && !starting) {
        CBasicWindow* window = m_windows.front();
        keptPath = window->Path();
        keptKind = window->Kind();
        const bool now = window->CanCloseNow();
        ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
        if (!now) return false;
    }
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (frame) frame->ShowWindowMenu(true);
    // At start-up the taskbar keeps the state it was saved in.
    if (frame && !starting && Settings().GetSetting(Setting::TaskbarBeforeExplorerMode)) frame->ShowTaskbar(true);
    if (!hadWindow || starting) return true;
    const bool reopenAsIs = keptKind == WindowKind::Personal ||
                            (keptKind == WindowKind::Folder && DriveAnswers(keptPath));
    if (!reopenAsIs || (!OpenWindow(keptPath, keptKind, nullptr, 0) && !LastOpenDeclined()))
        OpenWindow(kRootFolder, WindowKind::Folder, nullptr, 0);
    return true;
}

void CWindowList::SaveOpenWindows(CSettingsStore& store)
{
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
        CBasicWindow* window = m_windows[i];
        if (!window->RememberAtExit()) continue;
        WindowState state = window->State();
        state.rect = NormalRect(window->Handle());
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        ::GetWindowPlacement(window->Handle(), &placement);
        state.showState = static_cast<std::int32_t>(placement.showCmd);
        SaveWindowState(store, static_cast<int>(i), state);
    }
}

void CWindowList::LoadSavedWindows(const CSettingsStore& store) { m_saved = LoadSavedWindowStates(store); }

void CWindowList::RestoreWindows()
{
    const bool taskbarWasVisible = Settings().GetSetting(Setting::TaskbarVisible) != 0;
    for (const WindowState& saved : m_saved) {
        CBasicWindow* window = OpenWindow(saved.path, WindowKind::Folder, nullptr, saved.flag);
        if (!window) continue;
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        placement.rcNormalPosition = {saved.rect.left, saved.rect.top, saved.rect.right, saved.rect.bottom};
        placement.showCmd = static_cast<UINT>(saved.showState);
        if (placement.showCmd == SW_HIDE || placement.showCmd > SW_MAX) placement.showCmd = SW_SHOWNORMAL;
        ::SetWindowPlacement(window->Handle(), &placement);
        // Minimized windows live on the window taskbar while it shows.
        if (taskbarWasVisible && ::IsIconic(window->Handle())) ::ShowWindow(window->Handle(), SW_HIDE);
    }
    OpenStartFolder(false);
}
