#include "ui/app/ToolCommands.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"

// Framework
#include "ui/framework/Pidl.h"

// Dialogs
#include "ui/dialogs/DiskCommands.h"
#include "ui/dialogs/OptionsSheet.h"
#include "ui/dialogs/RunDlg.h"
#include "ui/dialogs/RunProgram.h"
#include "ui/dialogs/TipDlg.h"
#include "ui/dialogs/ToolDialogs.h"
#include "ui/dialogs/ToolsDlg.h"

// Explorer
#include "ui/explorer/FolderTreeAccess.h"

// Application
#include "ui/app/AppletCollector.h"
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Windows
#include <shlobj.h>

namespace {

CTrailmarkApp& App() { return *CTrailmarkApp::Instance(); }
HWND Owner() { return App().MainWindow(); }

bool InRange(UINT id, UINT first, UINT last) { return id >= first && id <= last; }

// A special folder of the Favorites menu opens in a folder window.
void OpenSpecialFolder(int csidl)
{
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(Owner(), csidl, &pidl)) || !pidl) return;
    ui::Pidl owned(pidl);
    char path[MAX_PATH] = "";
    if (::SHGetPathFromIDListA(owned.Get(), path) && path[0]) {
        CWindowList::Instance().OpenWindow(path, WindowKind::Folder, nullptr, 0);
        return;
    }
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(reinterpret_cast<const char*>(owned.Get()), 0, &info, sizeof(info),
                     SHGFI_PIDL | SHGFI_DISPLAYNAME);
    CWindowList::Instance().OpenWindow(info.szDisplayName, WindowKind::Folder, owned.Get(), 0);
}

constexpr struct {
    UINT command;
    int csidl;
} kSpecialFolders[] = {
    {ID_FAVORITES_DESKTOP, CSIDL_DESKTOP},       {ID_FAVORITES_MY_COMPUTER, CSIDL_DRIVES},
    {ID_FAVORITES_NETWORK, CSIDL_NETWORK},       {ID_FAVORITES_CONTROL_PANEL, CSIDL_CONTROLS},
    {ID_FAVORITES_STARTUP_FOLDER, CSIDL_STARTUP},
};

}  // namespace

void ShowTipOfTheDay()
{
    CTipDlg tip(App().Settings(), App().ProgramDirectory());
    tip.DoModal(Owner());
}

bool OnToolCommand(UINT id)
{
    CTrailmarkApp& app = App();
    if (InRange(id, ID_TOOL_FIRST, ID_TOOL_LAST)) {
        const auto* tool = app.Tools() ? dynamic_cast<const CTool*>(app.Tools()->At(static_cast<int>(id - ID_TOOL_FIRST))) : nullptr;
        if (tool) ChooseTool(Owner(), *tool);
        return true;
    }
    if (InRange(id, ID_FAVORITE_FIRST, ID_FAVORITE_LAST)) {
        const auto* favorite = app.Favorites() ? dynamic_cast<const CFavorite*>(
                                                     app.Favorites()->At(static_cast<int>(id - ID_FAVORITE_FIRST)))
                                               : nullptr;
        if (favorite) ChooseFavorite(*favorite);
        return true;
    }
    if (InRange(id, ID_RUN_HISTORY_FIRST, ID_RUN_HISTORY_LAST)) {
        if (app.RunHistory()) ChooseHistoryEntry(*app.RunHistory(), static_cast<int>(id - ID_RUN_HISTORY_FIRST));
        return true;
    }
    if (InRange(id, ID_APPLET_FIRST, ID_APPLET_LAST)) {
        OpenCollectedApplet(static_cast<int>(id - ID_APPLET_FIRST));
        return true;
    }
    for (const auto& folder : kSpecialFolders) {
        if (folder.command != id) continue;
        OpenSpecialFolder(folder.csidl);
        return true;
    }
    switch (id) {
    case ID_FILE_RUN: {
        if (!app.RunHistory() || !app.Tools()) return true;
        CRunDlg run(*app.RunHistory(), *app.Tools());
        run.DoModal(Owner());
        return true;
    }
    case ID_TOOLS_ADD_TOOL: {
        if (!app.Tools()) return true;
        CAddToolDlg add(*app.Tools(), nullptr, true);
        add.DoModal(Owner());
        return true;
    }
    case ID_TOOLS_TOOLS_MANAGER: {
        if (!app.Tools()) return true;
        CToolsDlg manager(*app.Tools(), app.Settings());
        manager.DoModal(Owner());
        return true;
    }
    case ID_FAVORITES_ADD: {
        if (!app.Favorites()) return true;
        CAddFavoriteDlg add(*app.Favorites(), nullptr, true);
        add.DoModal(Owner());
        FavoritesChanged();
        return true;
    }
    case ID_FAVORITES_MANAGER: {
        if (!app.Favorites()) return true;
        CFavoritesDlg manager(*app.Favorites(), app.Settings());
        manager.DoModal(Owner());
        FavoritesChanged();
        return true;
    }
    case ID_HELP_TIP_OF_THE_DAY: ShowTipOfTheDay(); return true;
    case ID_TOOLS_OPTIONS: ShowOptions(OptionsPage::GeneralPage); return true;
    case ID_EXPLORER_OPTIONS: ShowOptions(OptionsPage::SystemPage); return true;
    case ID_DISK_ERASE: EraseDisketteCommand(Owner()); return true;
    case ID_DISK_LABEL: LabelDiskCommand(Owner()); return true;
    case ID_DISK_FORMAT: FormatDiskCommand(Owner()); return true;
    case ID_DISK_COPY: CopyDiskCommand(); return true;
    default: return false;
    }
}

bool OnUpdateToolCommand(UINT id, ui::CommandState& state)
{
    (void)state;
    if (InRange(id, ID_TOOL_FIRST, ID_TOOL_LAST) || InRange(id, ID_FAVORITE_FIRST, ID_FAVORITE_LAST) ||
        InRange(id, ID_RUN_HISTORY_FIRST, ID_RUN_HISTORY_LAST) || InRange(id, ID_APPLET_FIRST, ID_APPLET_LAST))
        return true;
    for (const auto& folder : kSpecialFolders)
        if (folder.command == id) return true;
    switch (id) {
    case ID_FILE_RUN: case ID_TOOLS_ADD_TOOL: case ID_TOOLS_TOOLS_MANAGER: case ID_FAVORITES_ADD:
    case ID_FAVORITES_MANAGER: case ID_HELP_TIP_OF_THE_DAY: case ID_TOOLS_OPTIONS: case ID_EXPLORER_OPTIONS:
    case ID_DISK_ERASE: case ID_DISK_LABEL: case ID_DISK_FORMAT: case ID_DISK_COPY:
        return true;
    default:
        return false;
    }
}
