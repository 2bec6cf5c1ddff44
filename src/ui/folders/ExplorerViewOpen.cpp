// Opening items of an explorer view and its shell context menus.
#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

// Windows
#include <shellapi.h>

namespace {

// Commands of the shell's part of a context menu; the program's own lie above.
constexpr UINT kFirstShellCommand = 1;
constexpr UINT kLastShellCommand = 0x7000;
constexpr char kShortcutExtension[] = "lnk";
// The shell's part of the background menu stays below the view's own
// commands (2096 on), which the menu holds beside it.
constexpr UINT kLastBackgroundShellCommand = 0x07FF;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return wide;
}

// A menu text as a user reads it: no mnemonic, no accelerator, no dots, any case.
std::string PlainMenuText(HMENU menu, int position)
{
    char text[MAX_PATH] = "";
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    std::string plain;
    for (const char* c = text; *c && *c != '\t'; ++c)
        if (*c != '&') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) plain.pop_back();
    return plain;
}

bool IsSeparator(HMENU menu, int position)
{
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

// No separator at either end and none twice in a row.
void TidySeparators(HMENU menu)
{
    for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const bool last = i == ::GetMenuItemCount(menu) - 1;
        if (IsSeparator(menu, i) && (i == 0 || last || IsSeparator(menu, i + 1)))
            ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    }
}

void UpdateMenuTree(HMENU menu, ui::CommandTarget* target)
{
    ui::UpdateMenuItems(menu, target);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        if (HMENU sub = ::GetSubMenu(menu, i)) UpdateMenuTree(sub, target);
}

}  // namespace

std::vector<CFileItem*> CExplorerView::SelectedItems() const
{
    std::vector<CFileItem*> items;
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
        if (CFileItem* item = ItemAt(row)) items.push_back(item);
    return items;
}

ui::ComPtr<IContextMenu> CExplorerView::ContextMenuIn(IShellFolder* folder,
                                                       const std::vector<LPCITEMIDLIST>& ids) const
{
    ui::ComPtr<IContextMenu> menu;
    if (!folder || ids.empty()) return menu;
    std::vector<LPCITEMIDLIST> list(ids);
    if (FAILED(folder->GetUIObjectOf(Handle(), static_cast<UINT>(list.size()), list.data(), IID_IContextMenu,
                                     nullptr, menu.OutVoid())))
        menu.Reset();
    return menu;
}

ui::ComPtr<IContextMenu> CExplorerView::ContextMenuOf(const std::vector<CFileItem*>& items) const
{
    std::vector<LPCITEMIDLIST> ids;
    for (CFileItem* item : items)
        if (item->relativeId) ids.push_back(item->relativeId);
    return ContextMenuIn(items.empty() ? nullptr : items.front()->folder, ids);
}

ui::ComPtr<IContextMenu> CExplorerView::SelectionOrFolderMenu() const
{
    const std::vector<CFileItem*> items = SelectedItems();
    if (!items.empty()) return ContextMenuOf(items);
    if (!m_folderItem || !m_folderItem->relativeId) return {};
    return ContextMenuIn(m_folderItem->parentFolder, {m_folderItem->relativeId});
}

bool CExplorerView::InvokeVerb(IContextMenu* menu, const char* verb)
{
    if (!menu) return false;
    HMENU popup = ::CreatePopupMenu();
    menu->QueryContextMenu(popup, 0, kFirstShellCommand, kLastShellCommand, CMF_NORMAL);
    const bool invoked = shell::InvokeMenuCommand(menu, Handle(), verb);
    ::DestroyMenu(popup);
    return invoked;
}

void CExplorerView::ShowFolderFailed(const std::string& path)
{
    ShowOpenFolderFailed(CTrailmarkApp::Instance()->MainWindow(), path);
}

bool CExplorerView::OpenFolder(const std::string& path, LPCITEMIDLIST absolute)
{
    CSettingsStore& settings = Settings();
    const bool explorerMode = settings.GetSetting(Setting::ExplorerMode) != 0;
    if (!explorerMode && !settings.GetSetting(Setting::BrowseInSameWindow)) {
        CWindowList& windows = CWindowList::Instance();
        // No to "Too many windows" is the user's choice, not a failure to report.
        return windows.OpenWindow(path, WindowKind::Folder, absolute, 0) != nullptr || windows.LastOpenDeclined();
    }
    // Browsing in place: the window that holds the view goes there.
    return ::SendMessageA(m_ownerWindow, UWM_NAVIGATE, reinterpret_cast<WPARAM>(path.c_str()),
                          reinterpret_cast<LPARAM>(absolute)) != 0;
}

bool CExplorerView::OpenShortcut(CFileItem& item)
{
    ui::ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.OutVoid())))
        return false;
    ui::ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return false;
    const std::string exact = ActionPathOf(item);
    if (exact.empty()) return false;
    const std::wstring widePath = Wide(exact);
    if (FAILED(file->Load(widePath.c_str(), STGM_READ))) return false;
    char target[MAX_PATH] = "";
    if (FAILED(link->GetPath(target, sizeof(target), nullptr, 0)) || !shell::IsFolderPath(target))
        return false;
    if (!OpenFolder(target, nullptr)) ShowFolderFailed(target);
    return true;
}

void CExplorerView::OpenFile(CFileItem& item)
{
    ui::ComPtr<IContextMenu> menu = ContextMenuOf({&item});
    if (!menu) return;
    HMENU popup = ::CreatePopupMenu();
    menu->QueryContextMenu(popup, 0, kFirstShellCommand, kLastShellCommand, CMF_DEFAULTONLY);
    const UINT command = ::GetMenuDefaultItem(popup, FALSE, 0);
    if (command != static_cast<UINT>(-1)) {
        char text[MAX_PATH] = "";
        ::GetMenuStringA(popup, command, text, sizeof(text), MF_BYCOMMAND);
        bool started = false;
        // The plain "Open" starts the file in its own folder; without an
        // exact path the menu's command, which knows the item by its
        // identifier, opens it.
        const std::string exact = ActionPathOf(item);
        if (ui::LoadString(IDS_OPEN_VERB) == text && !exact.empty() &&
            ::GetFileAttributesA(exact.c_str()) != INVALID_FILE_ATTRIBUTES)
            started = reinterpret_cast<INT_PTR>(::ShellExecuteA(Handle(), "open", exact.c_str(), nullptr,
                                                                FolderPartOf(exact).c_str(), SW_SHOWNORMAL)) > 32;
        if (!started) shell::InvokeMenuCommand(menu.Get(), Handle(), command - kFirstShellCommand);
    }
    ::DestroyMenu(popup);
}

void CExplorerView::OnOpen(int row)
{
    if (row < 0 || row >= RowCount()) return;
    CFileItem* item = ItemAt(row);
    if (!item) {
        ::SendMessageA(m_ownerWindow, WM_COMMAND, ID_GO_UP, 0);
        return;
    }
    std::string path;
    {
        platform::LockGuard guard(m_store->lock);
        // Without an exact path a folder is still opened by its identifier list.
        path = PlacePathOf(*item);
    }
    if (!shell::DriveReady(path)) return;
    const bool isFolder = shell::Attributes(item->folder, item->relativeId, SFGAO_FOLDER) != 0 ||
                          shell::IsFolderPath(path);
    if (isFolder) {
        OpenFolder(path, item->absoluteId);
        return;
    }
    for (CFileItem* selected : SelectedItems()) {
        if (selected->extension == kShortcutExtension && OpenShortcut(*selected)) continue;
        OpenFile(*selected);
    }
}

void CExplorerView::OnRowContextMenu(POINT screen)
{
    int first = m_list.NextSelected(-1);
    if (first != -1 && !ItemAt(first)) m_list.SetState(first, 0, LVIS_SELECTED);
    const std::vector<CFileItem*> items = SelectedItems();
    if (items.empty()) {
        ::SendMessageA(Handle(), UWM_BACKGROUNDMENU, 0, MAKELPARAM(screen.x, screen.y));
        return;
    }
    ui::ComPtr<IContextMenu> menu = ContextMenuOf(items);
    if (!menu) return;
    HMENU popup = ::CreatePopupMenu();
    menu->QueryContextMenu(popup, 0, kFirstShellCommand, kLastShellCommand, CMF_NORMAL | CMF_CANRENAME);
    const bool folder = shell::Attributes(items.front()->folder, items.front()->relativeId, SFGAO_FOLDER) != 0;
    if (folder) {
        ::InsertMenuA(popup, 0, MF_BYPOSITION | MF_STRING, ID_FILE_EXPLORE, ui::LoadString(IDS_EXPLORE_ITEM).c_str());
        ::InsertMenuA(popup, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    }
    ui::ComPtr<IContextMenu2> menu2;
    if (SUCCEEDED(menu->QueryInterface(IID_IContextMenu2, menu2.OutVoid()))) m_contextMenu2 = menu2.Get();
    const UINT command = static_cast<UINT>(::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                             screen.x, screen.y, 0, Handle(), nullptr));
    m_contextMenu2 = nullptr;
    if (command == ID_FILE_EXPLORE) {
        const std::string path = PlacePathOf(*items.front());
        if (!OpenFolder(path, items.front()->absoluteId)) ShowFolderFailed(path);
    } else if (command >= kFirstShellCommand && command <= kLastShellCommand) {
        shell::InvokeMenuCommand(menu.Get(), Handle(), command - kFirstShellCommand);
    }
    ::DestroyMenu(popup);
}

CExplorerView::MenuPtr CExplorerView::BuildBackgroundMenu(ui::ComPtr<IContextMenu>& shellMenu)
{
    shellMenu.Reset();
    HMENU bar = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_BACKGROUND_MENU));
    if (!bar) return {};
    MenuPtr popup(::GetSubMenu(bar, 0));
    ::RemoveMenu(bar, 0, MF_BYPOSITION);
    ::DestroyMenu(bar);
    if (!popup) return {};
    const ui::CommandState paste = ui::QueryCommand(this, ID_FILES_PASTE);
    if (!paste.handled || !paste.enabled) ::DeleteMenu(popup.get(), ID_FILES_PASTE, MF_BYCOMMAND);
    UpdateMenuTree(popup.get(), this);

    // The folder's own items go before the last separator (Properties).
    IShellFolder* folder = m_folderItem ? m_folderItem->folder : nullptr;
    if (folder && SUCCEEDED(folder->CreateViewObject(Handle(), IID_IContextMenu, shellMenu.OutVoid())) && shellMenu) {
        const int ownCount = ::GetMenuItemCount(popup.get());
        std::vector<std::string> ownTexts;
        for (int i = 0; i < ownCount; ++i) ownTexts.push_back(PlainMenuText(popup.get(), i));
        const int position = ownCount - 1;
        ::InsertMenuA(popup.get(), static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        if (FAILED(shellMenu->QueryContextMenu(popup.get(), static_cast<UINT>(position), kFirstShellCommand,
                                               kLastBackgroundShellCommand, CMF_NORMAL)))
            shellMenu.Reset();
        // The shell's own view, arrange, refresh and properties items talk to
        // a shell view this window does not have: the view's items stand for them.
        const int added = ::GetMenuItemCount(popup.get()) - ownCount - 1;
        for (int i = position + added - 1; i >= position; --i) {
            const std::string text = PlainMenuText(popup.get(), i);
            if (!text.empty() && std::find(ownTexts.begin(), ownTexts.end(), text) != ownTexts.end())
                ::DeleteMenu(popup.get(), static_cast<UINT>(i), MF_BYPOSITION);
        }
    }
    TidySeparators(popup.get());
    return popup;
}

void CExplorerView::RunBackgroundCommand(UINT command, IContextMenu* shellMenu)
{
    if (command == 0) return;
    if (command <= kLastBackgroundShellCommand) {
        shell::InvokeMenuCommand(shellMenu, Handle(), command - kFirstShellCommand);
        return;
    }
    ui::RouteCommand(this, command);
}

void CExplorerView::OnBackgroundMenu(POINT screen)
{
    ui::ComPtr<IContextMenu> shellMenu;
    MenuPtr popup = BuildBackgroundMenu(shellMenu);
    if (!popup) return;
    ui::ComPtr<IContextMenu2> menu2;
    if (shellMenu && SUCCEEDED(shellMenu->QueryInterface(IID_IContextMenu2, menu2.OutVoid())))
        m_contextMenu2 = menu2.Get();
    const UINT command = static_cast<UINT>(::TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                                             screen.y, 0, Handle(), nullptr));
    m_contextMenu2 = nullptr;
    RunBackgroundCommand(command, shellMenu.Get());
}
