// The frame's side of the toolbars: the seven bars, their toggle commands,
// the drop-down buttons, the toolbar list menu, the drive buttons and the
// bars' saved places.

#include "ui/frame/MainFrame.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/Tool.h"
#include "core/frame/BarState.h"
#include "core/frame/BookMarks.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <utility>

// Windows
#include <dbt.h>

namespace {

// The command buttons that open a menu.
constexpr UINT kDropDownCommands[] = {ID_VIEW_VIEWS, ID_GO_BACK,   ID_GO_FORWARD,      ID_FILE_RUN,
                                      ID_VIEW_SORT,  ID_WINDOW_LIST, ID_BOOKMARK_CREATE, ID_BOOKMARK_RESTORE};
constexpr int kMostRunEntries = ID_RUN_HISTORY_LAST - ID_RUN_HISTORY_FIRST + 1;
constexpr int kDriveLetters = ID_DRIVE_LAST - ID_DRIVE_FIRST + 1;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

std::string WindowText(HWND window)
{
    char text[MAX_PATH] = "";
    ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

}  // namespace

CFlatToolBar* CMainFrame::ToolBarOf(UINT toggleCommand)
{
    switch (toggleCommand) {
    case ID_VIEW_TOOLBAR: return &m_mainToolBar;
    case ID_VIEW_TOOLBAR_EDIT: return &m_editToolBar;
    case ID_VIEW_TOOLBAR_EXPLORER: return &m_explorerToolBar;
    case ID_VIEW_TOOLBAR_WINDOWS: return &m_windowsToolBar;
    case ID_VIEW_TOOLBAR_TOOLS: return &m_toolsToolBar;
    case ID_VIEW_TOOLBAR_PERSONAL: return &m_personalToolBar;
    case ID_VIEW_TOOLBAR_DRIVES: return &m_drivesToolBar;
    default: return nullptr;
    }
}

namespace {

// The bars in the order the frame makes them, with their resources, ids,
// titles, docking rules and first-run visibility.
struct BarRow {
    UINT toggle;
    UINT resourceId;  // 0: built at run time
    UINT barId;
    UINT titleId;
    unsigned dockSides;
    bool shownFirst;
};

constexpr BarRow kBars[] = {
    {ID_VIEW_TOOLBAR, IDR_MAINFRAME, AFX_IDW_TOOLBAR, IDS_TOOLBAR_MAIN, ui::kDockTopOrBottom, true},
    {ID_VIEW_TOOLBAR_EDIT, IDR_TOOLBAR_EDIT, IDW_TOOLBAR_EDIT, IDS_TOOLBAR_EDIT, ui::kDockAnySide, false},
    {ID_VIEW_TOOLBAR_EXPLORER, IDR_TOOLBAR_EXPLORER, IDW_TOOLBAR_EXPLORER, IDS_TOOLBAR_EXPLORER, ui::kDockAnySide, false},
    {ID_VIEW_TOOLBAR_WINDOWS, IDR_TOOLBAR_WINDOWS, IDW_TOOLBAR_WINDOWS, IDS_TOOLBAR_WINDOWS, ui::kDockAnySide, false},
    {ID_VIEW_TOOLBAR_TOOLS, IDR_TOOLBAR_TOOLS, IDW_TOOLBAR_TOOLS, IDS_TOOLBAR_TOOLS, ui::kDockAnySide, false},
    {ID_VIEW_TOOLBAR_PERSONAL, IDR_TOOLBAR_PERSONAL, IDW_TOOLBAR_PERSONAL, IDS_TOOLBAR_PERSONAL, ui::kDockAnySide, false},
    {ID_VIEW_TOOLBAR_DRIVES, 0, IDW_DRIVES_BAR, IDS_TOOLBAR_DRIVES, ui::kDockAnySide, true},
};

}  // namespace

bool CMainFrame::CreateToolBars()
{
    for (const BarRow& row : kBars) {
        const std::string title = ui::LoadString(row.titleId);
        bool made = false;
        if (row.toggle == ID_VIEW_TOOLBAR) {
            made = m_mainToolBar.CreateMain(*this, row.barId, title, row.dockSides);
        } else if (row.toggle == ID_VIEW_TOOLBAR_DRIVES) {
            made = m_drivesToolBar.CreateDrives(*this, row.barId, title);
        } else {
            auto* bar = static_cast<CAppToolBar*>(ToolBarOf(row.toggle));
            made = bar->CreateToolBar(*this, row.barId, title, row.dockSides, ui::DockSide::Top) &&
                   bar->Load(row.resourceId);
        }
        if (!made) return false;
        CFlatToolBar* bar = ToolBarOf(row.toggle);
        for (UINT command : kDropDownCommands) bar->SetDropDown(command);
        bar->SetDropDownHandler(
            [this](CFlatToolBar& from, UINT command, const RECT& button) { OnToolBarDropDown(from, command, button); });
        bar->SetFlyByHandler([this](UINT command) {
            if (command) ShowMenuPrompt(command, 0);
            else Status().SetSimple(false);
        });
        bar->EnableToolTips(Settings().GetSetting(Setting::FrameCommandChecked) != 0);
    }
    LoadToolBarStates();
    return true;
}

void CMainFrame::LoadToolBarStates()
{
    for (const BarRow& row : kBars) {
        CFlatToolBar* bar = ToolBarOf(row.toggle);
        const std::optional<BarState> state = LoadBarState(Settings(), row.barId);
        if (!state) {
            bar->Show(row.shownFirst);
            continue;
        }
        const RECT floatRect = {state->floatRect.left, state->floatRect.top, state->floatRect.right,
                                state->floatRect.bottom};
        bar->SetFloatRect(floatRect);
        const auto side = static_cast<ui::DockSide>(state->side);
        bar->Dock(bar->CanDock(side) ? side : ui::DockSide::Top);
        if (state->floating) bar->Float();
        bar->Show(state->visible);
    }
}

void CMainFrame::SaveToolBarStates()
{
    if (!CTrailmarkApp::Instance() || !CTrailmarkApp::Instance()->HasSettings()) return;
    for (const BarRow& row : kBars) {
        CFlatToolBar* bar = ToolBarOf(row.toggle);
        if (!bar->Handle()) continue;
        const RECT floatRect = bar->FloatRect();
        BarState state;
        state.side = static_cast<std::int32_t>(bar->Side());
        state.floating = bar->IsFloating();
        state.visible = bar->IsVisible();
        state.floatRect = {floatRect.left, floatRect.top, floatRect.right, floatRect.bottom};
        SaveBarState(Settings(), row.barId, state);
    }
}

void CMainFrame::UpdateToolBarButtons()
{
    for (const BarRow& row : kBars) {
        CFlatToolBar* bar = ToolBarOf(row.toggle);
        if (bar->Handle() && bar->IsVisible()) bar->UpdateButtons(FirstCommandTarget());
    }
}

HMENU CMainFrame::NewBarsMenu()
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_BARS_CONTEXT_MENU));
    if (HMENU popup = menu ? ::GetSubMenu(menu, 0) : nullptr) ui::UpdateMenuItems(popup, FirstCommandTarget());
    return menu;
}

void CMainFrame::TrackUnderButton(HMENU menu, const RECT& button)
{
    ui::UpdateMenuItems(menu, FirstCommandTarget());
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, button.left, button.bottom, 0, Handle(),
                         nullptr));
    if (chosen) ::SendMessageA(Handle(), WM_COMMAND, chosen, 0);
}

HMENU CMainFrame::NewDropDownMenu(UINT command)
{
    switch (command) {
    case ID_VIEW_VIEWS:
    case ID_VIEW_SORT: {
        HMENU loaded = ::LoadMenuA(::GetModuleHandleA(nullptr),
                                   MAKEINTRESOURCEA(command == ID_VIEW_VIEWS ? IDR_VIEWS_MENU : IDR_SORT_MENU));
        HMENU popup = loaded ? ::GetSubMenu(loaded, 0) : nullptr;
        // The popup outlives the menu bar it came in.
        if (popup) ::RemoveMenu(loaded, 0, MF_BYPOSITION);
        if (loaded) ::DestroyMenu(loaded);
        return popup;
    }
    case ID_FILE_RUN: {
        HMENU menu = ::CreatePopupMenu();
        CObjectList* history = CTrailmarkApp::Instance()->RunHistory();
        for (int i = 0; history && i < history->Count() && i < kMostRunEntries; ++i)
            if (const auto* entry = dynamic_cast<const CFavorite*>(history->At(i)))
                ::AppendMenuA(menu, MF_STRING, ID_RUN_HISTORY_FIRST + static_cast<UINT>(i), entry->Command().c_str());
        return menu;
    }
    case ID_WINDOW_LIST: {
        HMENU menu = ::CreatePopupMenu();
        const CWindowList& list = CWindowList::Instance();
        UINT id = ID_WINDOW_ACTIVATE_FIRST;
        for (const CBasicWindow* window : list.Windows()) {
            if (id > ID_WINDOW_ACTIVATE_LAST) break;
            ::AppendMenuA(menu, MF_STRING | (window == list.Active() ? MF_CHECKED : 0), id++,
                          WindowText(window->Handle()).c_str());
        }
        return menu;
    }
    case ID_BOOKMARK_CREATE:
    case ID_BOOKMARK_RESTORE: {
        // The Edit menu's bookmark popups, filled as they are there.
        HMENU menu = ::CreatePopupMenu();
        HMENU& slot = command == ID_BOOKMARK_CREATE ? m_createBookmarkMenu : m_restoreBookmarkMenu;
        HMENU kept = std::exchange(slot, menu);
        FillBookmarkMenus(menu);
        slot = kept;
        return menu;
    }
    default:
        return nullptr;
    }
}

void CMainFrame::OnToolBarDropDown(CFlatToolBar& bar, UINT command, const RECT& button)
{
    (void)bar;
    if (command == ID_GO_BACK || command == ID_GO_FORWARD) {
        // The folder window shows its own history under the button.
        if (HWND active = ActiveDocument())
            ::SendMessageA(active, command == ID_GO_BACK ? UWM_BACKMENU : UWM_FORWARDMENU, 0,
                           MAKELPARAM(button.left, button.bottom));
        return;
    }
    HMENU menu = NewDropDownMenu(command);
    if (!menu) return;
    if (::GetMenuItemCount(menu) > 0) TrackUnderButton(menu, button);
    ::DestroyMenu(menu);
}

bool CMainFrame::OnToolBarCommand(UINT id)
{
    if (CFlatToolBar* bar = ToolBarOf(id)) {
        bar->Show(!bar->IsVisible());
        return true;
    }
    if (id >= ID_DRIVE_FIRST && id <= ID_DRIVE_LAST) {
        const std::string root = std::string(1, static_cast<char>('A' + (id - ID_DRIVE_FIRST))) + ":\\";
        CWindowList::Instance().OpenWindow(root, WindowKind::Folder, nullptr, 0);
        return true;
    }
    switch (id) {
    case ID_VIEW_TEXT_LABELS:
        Settings().SetSetting(Setting::ToolbarTextLabels, Settings().GetSetting(Setting::ToolbarTextLabels) == 1 ? 0 : 1);
        for (const BarRow& row : kBars) ToolBarOf(row.toggle)->UpdateTextLabels(false);
        RecalcLayout();
        return true;
    case ID_VIEW_TOOLTIPS: {
        const bool on = Settings().GetSetting(Setting::FrameCommandChecked) == 0;
        Settings().SetSetting(Setting::FrameCommandChecked, on ? 1 : 0);
        for (const BarRow& row : kBars) ToolBarOf(row.toggle)->EnableToolTips(on);
        return true;
    }
    case ID_VIEW_VIEWS:
    case ID_VIEW_SORT: {
        // The button itself opens its menu too, under it.
        RECT button = m_mainToolBar.ButtonScreenRect(id);
        if (!m_mainToolBar.IsVisible() || button.right <= button.left) {
            POINT cursor;
            ::GetCursorPos(&cursor);
            button = {cursor.x, cursor.y, cursor.x, cursor.y};
        }
        OnToolBarDropDown(m_mainToolBar, id, button);
        return true;
    }
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateToolBarCommand(UINT id, ui::CommandState& state)
{
    if (CFlatToolBar* bar = ToolBarOf(id)) {
        state.checked = bar->IsVisible();
        return true;
    }
    if (id >= ID_DRIVE_FIRST && id <= ID_DRIVE_LAST) return true;
    switch (id) {
    case ID_VIEW_TEXT_LABELS:
        state.checked = Settings().GetSetting(Setting::ToolbarTextLabels) == 1;
        return true;
    case ID_VIEW_TOOLTIPS:
        state.checked = Settings().GetSetting(Setting::FrameCommandChecked) != 0;
        return true;
    case ID_VIEW_VIEWS:
    case ID_VIEW_SORT:
        state.enabled = ActiveDocument() != nullptr;
        return true;
    default:
        return false;
    }
}

void CMainFrame::OnDrivesDeviceChange(WPARAM event, LPARAM data)
{
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_VOLUME) return;
    const DWORD units = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data)->dbcv_unitmask;
    for (int n = 0; n < kDriveLetters; ++n)
        if (units & (1u << n)) m_drivesToolBar.DriveChanged(static_cast<char>('a' + n), event == DBT_DEVICEREMOVECOMPLETE);
}
