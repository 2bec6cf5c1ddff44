// The menus the frame fills each time they open.
#include "ui/frame/MainFrame.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/frame/RunTimeMenus.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/SystemFunctions.h"

// Application
#include "ui/app/AppletCollector.h"
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>
#include <shlobj.h>

namespace {

// The popup of the menu bar that holds `command` as one of its own items.
HMENU PopupHolding(HMENU bar, UINT command)
{
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (!popup) continue;
        for (int j = 0; j < ::GetMenuItemCount(popup); ++j)
            if (::GetMenuItemID(popup, j) == command) return popup;
    }
    return nullptr;
}

void RemoveItemsFrom(HMENU menu, int first)
{
    for (int i = ::GetMenuItemCount(menu) - 1; i >= first; --i) ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
}

// Removes the item of `command` and the separator that led to it.
void RemoveCommandAndSeparator(HMENU menu, UINT command)
{
    for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i) {
        if (::GetMenuItemID(menu, i) != command) continue;
        ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (i > 0 && (::GetMenuState(menu, static_cast<UINT>(i - 1), MF_BYPOSITION) & MF_SEPARATOR))
            ::DeleteMenu(menu, static_cast<UINT>(i - 1), MF_BYPOSITION);
        return;
    }
}

// A special folder's display name and icon; false when the shell has none.
bool SpecialFolder(int csidl, std::string& name, int& iconIndex)
{
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return false;
    SHFILEINFOA info = {};
    const bool found = ::SHGetFileInfoA(reinterpret_cast<const char*>(pidl), 0, &info, sizeof(info),
                                        SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON) &&
                       info.szDisplayName[0];
    ::CoTaskMemFree(pidl);
    name = info.szDisplayName;
    iconIndex = info.iIcon;
    return found;
}

}  // namespace

void CMainFrame::FindRunTimeMenus()
{
    HMENU bar = ::GetMenu(Handle());
    m_diskMenu = PopupHolding(bar, ID_DISK_MAP_NETWORK_DRIVE);
    m_goMenu = PopupHolding(bar, ID_GO_BACK);
    m_favoritesMenu = PopupHolding(bar, ID_FAVORITES_DESKTOP);
    if (m_goMenu) m_goFixedCount = ::GetMenuItemCount(m_goMenu);
}

void CMainFrame::FillRunTimeMenu(HMENU menu)
{
    if (menu == m_goMenu) FillGoMenu();
    else if (menu == m_favoritesMenu) FillFavoritesMenu();
    else if (menu == m_diskMenu) TrimDiskMenu();
    else FillReportsPopup(menu);
}

void CMainFrame::FillGoMenu()
{
    CTrailmarkApp& app = *CTrailmarkApp::Instance();
    m_menuPainter.Release(m_goMenu);
    RemoveItemsFrom(m_goMenu, m_goFixedCount);
    const bool drawn = app.Settings().GetSetting(Setting::MenuBitmaps) != 0;
    std::vector<MenuEntry> entries;
    if (app.Tools())
        entries = ListItems(*app.Tools(), ID_TOOL_FIRST, app.Settings().GetSetting(Setting::ToolSeparatorEvery));
    MenuEntry addTool;
    addTool.text = ui::LoadString(IDS_ADD_TOOL_ITEM);
    addTool.command = ID_TOOLS_ADD_TOOL;
    MenuEntry manager;
    manager.text = ui::LoadString(IDS_TOOLS_MANAGER_ITEM);
    manager.command = ID_TOOLS_TOOLS_MANAGER;
    entries.push_back(addTool);
    entries.push_back(manager);
    m_menuPainter.Append(m_goMenu, entries, drawn);
}

void CMainFrame::FillFavoritesMenu()
{
    CTrailmarkApp& app = *CTrailmarkApp::Instance();
    m_menuPainter.Release(m_favoritesMenu);
    RemoveItemsFrom(m_favoritesMenu, 0);
    const bool drawn = app.Settings().GetSetting(Setting::MenuBitmaps) != 0;
    if (app.Favorites())
        m_menuPainter.Append(m_favoritesMenu,
                             ListItems(*app.Favorites(), ID_FAVORITE_FIRST,
                                       app.Settings().GetSetting(Setting::FavoriteSeparatorEvery)),
                             drawn);

    AppendSpecialFolders(m_favoritesMenu, drawn);
    ::AppendMenuA(m_favoritesMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(m_favoritesMenu, MF_STRING, ID_FAVORITES_ADD, ui::LoadString(IDS_ADD_FAVORITE_ITEM).c_str());
    ::AppendMenuA(m_favoritesMenu, MF_STRING, ID_FAVORITES_MANAGER,
                  ui::LoadString(IDS_FAVORITES_MANAGER_ITEM).c_str());
}

void CMainFrame::AppendSpecialFolders(HMENU menu, bool drawn)
{
    std::string name;
    int icon = -1;
    const struct {
        int csidl;
        UINT command;
    } folders[] = {{CSIDL_DESKTOP, ID_FAVORITES_DESKTOP},
                   {CSIDL_DRIVES, ID_FAVORITES_MY_COMPUTER},
                   {CSIDL_NETWORK, ID_FAVORITES_NETWORK}};
    for (const auto& folder : folders)
        if (SpecialFolder(folder.csidl, name, icon)) m_menuPainter.AppendShellItem(menu, name, folder.command, icon, drawn);
    AppendControlPanel(menu, drawn);
    if (SpecialFolder(CSIDL_STARTUP, name, icon))
        m_menuPainter.AppendShellItem(menu, ui::LoadString(IDS_STARTUP_FOLDER), ID_FAVORITES_STARTUP_FOLDER, icon,
                                      drawn);
}

void CMainFrame::ShowDocumentAreaMenu(POINT point, bool specialFolders)
{
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FRAME_CONTEXT_MENU));
    if (!resource) return;
    HMENU menu = ::GetSubMenu(resource, 0);
    if (specialFolders) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendSpecialFolders(menu, CTrailmarkApp::Instance()->Settings().GetSetting(Setting::MenuBitmaps) != 0);
    }
    ui::UpdateMenuItems(menu, FirstCommandTarget());
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
    m_menuPainter.Release(menu);
    ::DestroyMenu(resource);
}

void CMainFrame::AppendControlPanel(HMENU menu, bool drawn)
{
    std::string name;
    int icon = -1;
    if (!SpecialFolder(CSIDL_CONTROLS, name, icon)) return;
    CTrailmarkApp& app = *CTrailmarkApp::Instance();
    if (!app.Settings().GetSetting(Setting::ControlPanelFavorites)) {
        m_menuPainter.AppendShellItem(menu, name, ID_FAVORITES_CONTROL_PANEL, icon, drawn);
        return;
    }
    // The applets collected so far come first, then the device installers.
    HMENU popup = ::CreatePopupMenu();
    const std::vector<Applet> applets = CollectedApplets();
    for (std::size_t i = 0; i < applets.size(); ++i)
        ::AppendMenuA(popup, MF_STRING, ID_APPLET_FIRST + i, applets[i].name.c_str());
    if (!applets.empty()) ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    if (!app.IsWindowsNT()) {
        ::AppendMenuA(popup, MF_STRING, ID_FAVORITES_ADD_MONITOR, ui::LoadString(IDS_ADD_NEW_MONITOR).c_str());
        ::AppendMenuA(popup, MF_STRING, ID_FAVORITES_ADD_PRINTER, ui::LoadString(IDS_ADD_NEW_PRINTER).c_str());
        ::AppendMenuA(popup, MF_STRING, ID_FAVORITES_ADD_MODEM, ui::LoadString(IDS_ADD_NEW_MODEM).c_str());
        ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    }
    m_menuPainter.AppendShellItem(popup, name, ID_FAVORITES_CONTROL_PANEL, icon, drawn);
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), name.c_str());
}

void CMainFrame::TrimDiskMenu()
{
    // The first time only.
    if (m_diskMenuTrimmed) return;
    m_diskMenuTrimmed = true;
    // A shell older than the IE 4 update cannot empty the recycle bins.
    if (!ui::CanEmptyRecycleBin()) RemoveCommandAndSeparator(m_diskMenu, ID_DISK_EMPTY_RECYCLE_BIN);
    // Without a network there is nothing to map.
    LPITEMIDLIST network = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, &network)) && network) {
        ::CoTaskMemFree(network);
        return;
    }
    for (int i = 0; i < 3 && ::GetMenuItemCount(m_diskMenu) > 0; ++i) ::DeleteMenu(m_diskMenu, 0, MF_BYPOSITION);
}
