#include "ui/frame/WindowList.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/FolderTitle.h"
#include "core/frame/WindowRules.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/ExplorerWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PersonalWindow.h"
#include "ui/frame/QueryWindow.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

// The first of the window's own command targets (its view, then the window)
// that answers for the command, with its answer; the chain stops before the
// frame, which would hand the command back to the application.
ui::CommandTarget* OwnTargetFor(CBasicWindow& window, UINT id, ui::CommandState& state)
{
    const ui::CommandTarget* frame = CTrailmarkApp::Instance()->MainFrame();
    for (ui::CommandTarget* target = window.FirstCommandTarget(); target && target != frame;
         target = target->NextCommandTarget())
        if (target->OnUpdateCommand(id, state)) return target;
    return nullptr;
}

bool Starting()
{
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    return !frame || frame->IsStarting();
}

}  // namespace

CWindowList& CWindowList::Instance()
{
    static CWindowList list;
    return list;
}

void CWindowList::Add(CBasicWindow* window)
{
    if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end()) m_windows.push_back(window);
}

void CWindowList::Remove(CBasicWindow* window)
{
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

CBasicWindow* CWindowList::FromHandle(HWND hwnd) const
{
    for (CBasicWindow* window : m_windows)
        if (window->Handle() == hwnd) return window;
    return nullptr;
}

CBasicWindow* CWindowList::Active() const
{
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    return frame ? FromHandle(frame->ActiveDocument()) : nullptr;
}

CBasicWindow* CWindowList::FindOpenWindow(const std::string& path, WindowKind kind) const
{
    for (CBasicWindow* window : m_windows)
        if (window->Kind() == kind && SamePath(window->Path(), path)) return window;
    return nullptr;
}

void ShowOpenFolderFailed(HWND owner, const std::string& path)
{
    ui::ShowMessage(owner,
                    ui::LoadString(IDS_OPEN_FOLDER_FAILED) + "'" + path + "'" + ui::LoadString(IDS_OPEN_FOLDER_FAILED_END),
                    MB_OK | MB_ICONSTOP);
}

void CWindowList::CommandEveryWindow(UINT id)
{
    // A copy: a command may close a window.
    for (CBasicWindow* window : std::vector<CBasicWindow*>(m_windows)) {
        ui::CommandState state;
        if (ui::CommandTarget* target = OwnTargetFor(*window, id, state))
            if (state.enabled) target->OnCommand(id);
    }
}

void CWindowList::SetEveryWindowChecked(UINT id, bool checked)
{
    for (CBasicWindow* window : std::vector<CBasicWindow*>(m_windows)) {
        ui::CommandState state;
        if (ui::CommandTarget* target = OwnTargetFor(*window, id, state))
            if (state.enabled && state.checked != checked) target->OnCommand(id);
    }
}

void CWindowList::TellEveryWindow(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (CBasicWindow* window : std::vector<CBasicWindow*>(m_windows))
        ::SendMessageA(window->Handle(), message, wParam, lParam);
}

bool CWindowList::HasRoom() const
{
    std::vector<WindowKind> kinds;
    for (const CBasicWindow* window : m_windows) kinds.push_back(window->Kind());
    return ::HasRoom(kinds, Settings().GetSetting(Setting::MaxWindows));
}

void CWindowList::ActivateWindow(CBasicWindow* window)
{
    if (!window) return;
    HWND client = ::GetParent(window->Handle());
    if (Settings().GetSetting(Setting::ArrangeMode) == static_cast<int>(ArrangeMode::Maximize)) {
        ::SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    } else if (::IsIconic(window->Handle()) || !::IsWindowVisible(window->Handle())) {
        ::ShowWindow(window->Handle(), SW_RESTORE);
        Arrange();
    }
    ::SetWindowPos(window->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
}

void CWindowList::Arrange()
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (!frame || !frame->MdiClient()) return;
    bool maximized = false;
    frame->ActiveDocument(&maximized);
    const Arrangement arrangement = ArrangementAfterChange(Settings().GetSetting(Setting::ArrangeMode),
                                                           Settings().GetSetting(Setting::ExplorerMode) != 0,
                                                           maximized);
    switch (arrangement) {
    case Arrangement::TileVertically: ::SendMessageA(frame->MdiClient(), WM_MDITILE, MDITILE_VERTICAL, 0); break;
    case Arrangement::TileHorizontally: ::SendMessageA(frame->MdiClient(), WM_MDITILE, MDITILE_HORIZONTAL, 0); break;
    case Arrangement::Cascade: ::SendMessageA(frame->MdiClient(), WM_MDICASCADE, 0, 0); break;
    case Arrangement::Nothing: default: break;
    }
}

bool CWindowList::ConfirmRoom()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    if (ui::ShowMessage(app->MainWindow(), IDS_TOO_MANY_WINDOWS, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    ::SendMessageA(app->MainWindow(), WM_COMMAND, ID_WINDOW_LIST, 0);
    return HasRoom();
}

CBasicWindow* CWindowList::MakeWindow(const WindowState& state, const void* extra)
{
    switch (state.kind) {
    case WindowKind::Folder: return new CExplorerWindow(state, static_cast<LPCITEMIDLIST>(extra));
    case WindowKind::Personal: return new CPersonalWindow(state, extra);
    case WindowKind::Search:
    case WindowKind::Report:
    case WindowKind::Rule: return new CQueryWindow(state);
    default: return nullptr;
    }
}

CBasicWindow* CWindowList::OpenWindow(const std::string& path, WindowKind kind, const void* extra,
                                      std::uint8_t flag)
{
    m_openDeclined = false;
    if (CBasicWindow* open = FindOpenWindow(path, kind)) {
        ActivateWindow(open);
        return open;
    }
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (!frame) return nullptr;
    const bool countsTowardsLimit = CountsTowardsLimit(kind);
    if (countsTowardsLimit && !HasRoom() && !Starting()) {
        CBasicWindow* active = Active();
        if (active && active->Kind() == kind) {
            ::SendMessageA(active->Handle(), UWM_NAVIGATE, reinterpret_cast<WPARAM>(path.c_str()),
                           reinterpret_cast<LPARAM>(extra));
            return active;
        }
        if (!ConfirmRoom()) {
            m_openDeclined = true;
            return nullptr;
        }
    }
    if (kind == WindowKind::Folder && !extra && !shell::IsFolderPath(path)) {
        if (!Starting()) ShowOpenFolderFailed(frame->Handle(), path);
        return nullptr;
    }
    const bool explorerMode = Settings().GetSetting(Setting::ExplorerMode) != 0;
    if (explorerMode && !m_windows.empty()) {
        CBasicWindow* first = m_windows.front();
        if (first->Kind() == kind) {
            ::SendMessageA(first->Handle(), UWM_NAVIGATE, reinterpret_cast<WPARAM>(path.c_str()),
                           reinterpret_cast<LPARAM>(extra));
            return first;
        }
        if (first->CanCloseNow()) ::ShowWindow(first->Handle(), SW_HIDE);
        ::SendMessageA(first->Handle(), WM_CLOSE, 0, 0);
    }

    WindowState state;
    state.path = path;
    state.flag = flag;
    state.kind = kind;
    RECT area = {};
    ::GetClientRect(frame->MdiClient(), &area);
    state.rect = NewWindowRect(area.right, area.bottom);
    CBasicWindow* window = MakeWindow(state, extra);
    if (!window) return nullptr;
    if (!window->CreateDocument(frame->MdiClient())) {
        delete window;
        return nullptr;
    }
    if (window->StartsHidden()) return window;
    if (!explorerMode) Arrange();
    ActivateWindow(window);
    return window;
}
