// The frame's window commands, its Window menu and closing with its windows.
#include "ui/frame/MainFrame.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/RunTimeMenus.h"
#include "core/frame/WindowRules.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/ChooseViewModeDlg.h"
#include "ui/frame/WindowList.h"
#include "ui/frame/WindowsListDlg.h"

// Resources
#include "res/resource.h"

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

std::string WindowTitle(HWND window)
{
    char title[MAX_PATH] = "";
    ::GetWindowTextA(window, title, sizeof(title));
    return title;
}

}  // namespace

WindowFacts CMainFrame::CurrentWindowFacts() const
{
    const CWindowList& list = CWindowList::Instance();
    WindowFacts facts;
    facts.explorerMode = Settings().GetSetting(Setting::ExplorerMode) != 0;
    facts.arrangeMode = Settings().GetSetting(Setting::ArrangeMode);
    facts.openCount = static_cast<int>(list.Windows().size());
    for (const CBasicWindow* window : list.Windows()) facts.minimizedCount += ::IsIconic(window->Handle()) ? 1 : 0;
    facts.hasActive = list.Active() != nullptr;
    facts.taskbarVisible = TaskbarVisible();
    return facts;
}

void CMainFrame::ShowWindowMenu(bool show)
{
    HMENU bar = ::GetMenu(Handle());
    HMENU present = nullptr;
    int position = -1;
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (popup && ::GetMenuState(popup, ID_WINDOW_CLOSE_ALL, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            present = popup;
            position = i;
        }
    }
    if (!show && present) {
        ::RemoveMenu(bar, static_cast<UINT>(position), MF_BYPOSITION);
        ::DestroyMenu(present);
        m_windowMenu = nullptr;
    } else if (show && !present) {
        HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_WINDOW_MENU));
        HMENU popup = ::GetSubMenu(resource, 0);
        char text[32] = "";
        ::GetMenuStringA(resource, 0, text, sizeof(text), MF_BYPOSITION);
        ::RemoveMenu(resource, 0, MF_BYPOSITION);
        ::DestroyMenu(resource);
        // Before "&Help", the last menu of the bar.
        ::InsertMenuA(bar, static_cast<UINT>(::GetMenuItemCount(bar) - 1), MF_BYPOSITION | MF_POPUP,
                      reinterpret_cast<UINT_PTR>(popup), text);
        m_windowMenu = popup;
        m_windowFixedCount = ::GetMenuItemCount(popup);
    } else if (present) {
        m_windowMenu = present;
        if (m_windowFixedCount == 0) m_windowFixedCount = ::GetMenuItemCount(present);
    }
    ::DrawMenuBar(Handle());
}

void CMainFrame::FillWindowMenu()
{
    if (!m_windowMenu) return;
    for (int i = ::GetMenuItemCount(m_windowMenu) - 1; i >= m_windowFixedCount; --i)
        ::DeleteMenu(m_windowMenu, static_cast<UINT>(i), MF_BYPOSITION);
    const CWindowList& list = CWindowList::Instance();
    WindowMenuInput input;
    for (const CBasicWindow* window : list.Windows()) {
        if (window == list.Active()) input.activeIndex = static_cast<int>(input.titles.size());
        input.titles.push_back(WindowTitle(window->Handle()));
    }
    const WindowFacts facts = CurrentWindowFacts();
    input.taskbarHidden = !facts.taskbarVisible;
    input.anyMinimized = facts.minimizedCount > 0;
    input.arrangeIconsText = ui::LoadString(IDS_ARRANGE_ICONS_ITEM);
    input.windowsListText = ui::LoadString(IDS_WINDOWS_LIST_ITEM);
    m_menuPainter.Append(m_windowMenu, WindowMenuItems(input), false);
}

bool CMainFrame::OnWindowCommand(UINT id)
{
    CWindowList& list = CWindowList::Instance();
    if (id >= ID_WINDOW_AUTO_FIRST && id <= ID_WINDOW_AUTO_LAST) {
        const int old = Settings().GetSetting(Setting::ArrangeMode);
        const int mode = Settings().SetSetting(Setting::ArrangeMode, static_cast<int>(id - ID_WINDOW_AUTO_FIRST));
        switch (static_cast<ArrangeMode>(mode)) {
        case ArrangeMode::TileVertically: ::SendMessageA(Handle(), WM_COMMAND, ID_WINDOW_TILE_VERT, 0); break;
        case ArrangeMode::TileHorizontally: ::SendMessageA(Handle(), WM_COMMAND, ID_WINDOW_TILE_HORZ, 0); break;
        case ArrangeMode::Cascade: ::SendMessageA(Handle(), WM_COMMAND, ID_WINDOW_CASCADE, 0); break;
        case ArrangeMode::Maximize: list.ApplyMaximizeMode(); break;
        case ArrangeMode::None:
            if (old == static_cast<int>(ArrangeMode::Maximize)) list.ApplyMaximizeMode();
            break;
        }
        return true;
    }
    if (id >= ID_WINDOW_ACTIVATE_FIRST && id <= ID_WINDOW_ACTIVATE_LAST) {
        const std::size_t index = id - ID_WINDOW_ACTIVATE_FIRST;
        if (index < list.Windows().size()) list.ActivateWindow(list.Windows()[index]);
        return true;
    }
    switch (id) {
    case ID_WINDOW_CASCADE: ::SendMessageA(MdiClient(), WM_MDICASCADE, 0, 0); return true;
    case ID_WINDOW_TILE_HORZ: ::SendMessageA(MdiClient(), WM_MDITILE, MDITILE_HORIZONTAL, 0); return true;
    case ID_WINDOW_TILE_VERT: ::SendMessageA(MdiClient(), WM_MDITILE, MDITILE_VERTICAL, 0); return true;
    case ID_WINDOW_ARRANGE: ::SendMessageA(MdiClient(), WM_MDIICONARRANGE, 0, 0); return true;
    case ID_WINDOW_MINIMIZE_ALL:
        for (CBasicWindow* window : std::vector<CBasicWindow*>(list.Windows()))
            ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    case ID_WINDOW_CLOSE:
        if (CBasicWindow* active = list.Active()) ::SendMessageA(active->Handle(), WM_CLOSE, 0, 0);
        return true;
    case ID_WINDOW_CLOSE_ALL:
        if (!Settings().GetSetting(Setting::ExplorerMode)) list.CloseAll();
        return true;
    case ID_WINDOW_LIST: {
        CWindowsListDlg dialog;
        dialog.DoModal(Handle());
        ::SetFocus(Handle());
        return true;
    }
    case ID_VIEW_CHOOSE_VIEW_MODE:
        ChooseViewMode();
        return true;
    case ID_VIEW_TASKBAR:
        OnTaskbarCommand();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateWindowCommand(UINT id, ui::CommandState& state)
{
    const WindowFacts facts = CurrentWindowFacts();
    if (id >= ID_WINDOW_AUTO_FIRST && id <= ID_WINDOW_AUTO_LAST) {
        state.radio = true;
        state.checked = facts.arrangeMode == static_cast<int>(id - ID_WINDOW_AUTO_FIRST);
        return true;
    }
    if (id >= ID_WINDOW_ACTIVATE_FIRST && id <= ID_WINDOW_ACTIVATE_LAST) {
        const CWindowList& list = CWindowList::Instance();
        const std::size_t index = id - ID_WINDOW_ACTIVATE_FIRST;
        state.checked = index < list.Windows().size() && list.Windows()[index] == list.Active();
        return true;
    }
    switch (id) {
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT: state.enabled = CanCascadeOrTile(facts); return true;
    case ID_WINDOW_ARRANGE: state.enabled = CanArrangeIcons(facts); return true;
    case ID_WINDOW_MINIMIZE_ALL: state.enabled = CanMinimizeAll(facts); return true;
    case ID_WINDOW_CLOSE:
    case ID_WINDOW_CLOSE_ALL: state.enabled = CanCloseWindows(facts); return true;
    case ID_WINDOW_LIST: state.enabled = CanShowWindowsList(facts); return true;
    case ID_VIEW_CHOOSE_VIEW_MODE: return true;
    case ID_VIEW_TASKBAR: state.checked = facts.taskbarVisible; return true;
    default: return false;
    }
}

bool CMainFrame::ApplyWindowMode(int explorerMode)
{
    const int old = Settings().GetSetting(Setting::ExplorerMode);
    Settings().SetSetting(Setting::ExplorerMode, explorerMode);
    if (CWindowList::Instance().SwitchMode()) return true;
    Settings().SetSetting(Setting::ExplorerMode, old);
    return false;
}

void CMainFrame::ChooseViewMode()
{
    CChooseViewModeDlg dialog(Settings().GetSetting(Setting::ExplorerMode) != 0);
    if (dialog.DoModal(Handle()) != IDOK) return;
    const int chosen = dialog.ExplorerMode() ? 1 : 0;
    if (chosen != Settings().GetSetting(Setting::ExplorerMode)) ApplyWindowMode(chosen);
}

void CMainFrame::ShowTaskbar(bool show)
{
    if (show == TaskbarVisible()) return;
    CWindowList& list = CWindowList::Instance();
    // The minimized windows live on the taskbar's buttons while it shows.
    for (CBasicWindow* window : list.Windows())
        if (::IsIconic(window->Handle())) ::ShowWindow(window->Handle(), show ? SW_HIDE : SW_SHOWNA);
    m_taskBar.Show(show);
    if (!show && list.AnyMinimized()) ::SendMessageA(MdiClient(), WM_MDIICONARRANGE, 0, 0);
    RecalcLayout();
}

void CMainFrame::OnTaskbarCommand()
{
    if (!Settings().GetSetting(Setting::ExplorerMode)) {
        ShowTaskbar(!TaskbarVisible());
        return;
    }
    const std::string question = ui::LoadString(IDS_TASKBAR_HIDDEN) + "\n" + ui::LoadString(IDS_CANCEL_EXPLORER_MODE);
    if (ui::ShowMessage(Handle(), question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    Settings().SetSetting(Setting::TaskbarBeforeExplorerMode, 1);
    ApplyWindowMode(0);
}

bool CMainFrame::CloseWindowsForShutdown()
{
    if (CWindowList::Instance().CloseAll()) return true;
    // A busy window closes later: try again every second.
    ::SetTimer(Handle(), kCloseRetryTimerId, kCloseRetryMs, nullptr);
    return false;
}
