#include "ui/search/SearchCommands.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/WindowState.h"
#include "core/search/Condition.h"
#include "core/search/FindTypeList.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/MessageBox.h"
#include "ui/framework/Pidl.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/FolderTreeAccess.h"

// Folders
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/QueryWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/CriteriaSheet.h"
#include "ui/search/SearchDialogs.h"
#include "ui/search/SearchView.h"

// Resources
#include "res/resource.h"

namespace {

constexpr char kDefaultFolder[] = "C:\\";
constexpr char kFindVerb[] = "find";
constexpr char kBlanks[] = " \t\r\n";
constexpr int kQuickFindDriveC = 0;
constexpr int kQuickFindLocalDrives = 1;
constexpr int kQuickFindActiveFolder = 2;
constexpr INT_PTR kShellExecuteFailed = 32;  // ShellExecute's answers up to this are errors
constexpr UINT kFirstMenuCommand = 1;
constexpr UINT kLastMenuCommand = 0x7FFF;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A search window titled with the time, running `criteria`.
CQueryWindow* OpenSearchWindow(const CCondition& criteria, bool folderMode)
{
    auto* window = dynamic_cast<CQueryWindow*>(
        CWindowList::Instance().OpenWindow(SearchWindowTitle(), WindowKind::Search, nullptr, 0));
    auto* view = window ? dynamic_cast<CSearchView*>(window->View()) : nullptr;
    if (!view) return nullptr;
    view->StartWith(criteria, folderMode);
    return window;
}

// The network neighbourhood's context menu, filled with commands from 1.
ui::ComPtr<IContextMenu> NetworkMenu(HWND owner, HMENU popup)
{
    ui::ComPtr<IContextMenu> menu;
    LPITEMIDLIST network = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_NETWORK, &network)) || !network) return menu;
    ui::Pidl owned(network);
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    LPCITEMIDLIST ids[] = {owned.Get()};
    if (!desktop || FAILED(desktop->GetUIObjectOf(owner, 1, ids, IID_IContextMenu, nullptr, menu.OutVoid())) ||
        !menu || FAILED(menu->QueryContextMenu(popup, 0, kFirstMenuCommand, kLastMenuCommand, CMF_NORMAL)))
        menu.Reset();
    return menu;
}

// The command of the popup's entry whose text is "&Find Computer..."; 0 for none.
UINT FindComputerCommand(HMENU popup)
{
    const std::string wanted = ui::LoadString(IDS_FIND_COMPUTER_VERB);
    char text[MAX_PATH] = "";
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        if (::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION) <= 0) continue;
        if (wanted == text) return ::GetMenuItemID(popup, i);
    }
    return 0;
}

}  // namespace

std::string QuickFindFolder(int place, const std::string& activeFolder)
{
    switch (place) {
    case kQuickFindLocalDrives: return {};
    case kQuickFindActiveFolder: return activeFolder.empty() ? kDefaultFolder : activeFolder;
    case kQuickFindDriveC:
    default: return kDefaultFolder;
    }
}

std::string CurrentFolder()
{
    // The user working in the folder tree means its selected folder, not the
    // window behind it; a virtual node has no path and means no folder.
    if (const ShellTreeItem* node = FolderTreeFocusedNode()) return node->path;
    // The window's path is its folder; a name-space folder without a
    // file-system path is no place to search.
    CBasicWindow* active = CWindowList::Instance().Active();
    if (!active || active->Kind() != WindowKind::Folder) return {};
    const std::string& path = active->Path();
    const bool fileSystem = (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.compare(0, 2, "\\\\") == 0;
    return fileSystem ? path : std::string();
}

CQueryWindow* QuickFind(const std::string& typedText)
{
    const std::string text = Trimmed(typedText);
    if (text.empty()) return nullptr;
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CCondition criteria;
    criteria.SetPatterns(text);
    const std::string folder = QuickFindFolder(app->Settings().GetSetting(Setting::QuickFindPlace), CurrentFolder());
    if (folder.empty()) criteria.SetSearchLocalDrives(true);
    else criteria.SetFolder(folder);
    if (CFindTypeList* history = app->FindTypes()) {
        history->AddToFront(text);
        history->SaveAll();
    }
    return OpenSearchWindow(criteria, false);
}

void RunQuickFindCommand(HWND owner)
{
    CFindTypeList* history = CTrailmarkApp::Instance()->FindTypes();
    std::string text = history && history->Count() > 0 ? history->At(0)->Name() : std::string();
    if (AskText(owner, ui::LoadString(IDS_QUICK_FIND), text)) QuickFind(text);
}

void RunFindCommand(HWND owner, bool folderMode)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    const std::string folder = CurrentFolder();
    if (app->Settings().GetSetting(Setting::WindowsFindDialog)) {
        const auto started = reinterpret_cast<INT_PTR>(
            ::ShellExecuteA(owner, kFindVerb, folder.c_str(), nullptr, nullptr, SW_SHOW));
        if (started <= kShellExecuteFailed) ::ShellExecuteA(owner, kFindVerb, kDefaultFolder, nullptr, nullptr, SW_SHOW);
        return;
    }
    CCondition criteria;
    criteria.SetFolder(folder);
    const auto variant = folderMode ? CriteriaSheetVariant::FindFolder : CriteriaSheetVariant::Find;
    if (!EditCriteria(owner, variant, criteria, folder)) return;
    OpenSearchWindow(criteria, folderMode);
}

bool HasFindComputer()
{
    HMENU popup = ::CreatePopupMenu();
    ui::ComPtr<IContextMenu> menu = NetworkMenu(nullptr, popup);
    const bool found = menu && FindComputerCommand(popup) != 0;
    ::DestroyMenu(popup);
    return found;
}

bool RunFindComputer(HWND owner)
{
    HMENU popup = ::CreatePopupMenu();
    ui::ComPtr<IContextMenu> menu = NetworkMenu(owner, popup);
    const UINT command = menu ? FindComputerCommand(popup) : 0;
    const bool run = command != 0 && shell::InvokeMenuCommand(menu.Get(), owner, command - kFirstMenuCommand);
    ::DestroyMenu(popup);
    return run;
}

void PrepareFindComputerItem(HMENU menu)
{
    if (::GetMenuState(menu, ID_EDIT_FIND_COMPUTER, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
    if (!HasFindComputer()) ::DeleteMenu(menu, ID_EDIT_FIND_COMPUTER, MF_BYCOMMAND);
}
