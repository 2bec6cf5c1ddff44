#include "ui/explorer/DesktopTree.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/SystemFunctions.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/NameSpaceNode.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <utility>
#include <vector>

// Windows
#include <shellapi.h>
#include <shlobj.h>

namespace {

// The Recycle Bin's menu command that empties it, and the verb it answers to.
constexpr UINT kEmptyRecycleBinCommand = 142;
constexpr char kEmptyVerb[] = "empty";
constexpr UINT kLastMenuCommand = 0x7FFF;
// The Recycle Bin's own folders on the first disk.
constexpr const char* kRecycleFolders[] = {"C:\\Recycled", "C:\\Recycler"};

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A parsing name that is a file-system path ("C:\..." or "\\server\...").
std::string FileSystemPath(const std::string& parsingName)
{
    const bool drivePath = parsingName.size() >= 2 && parsingName[1] == ':' &&
                           std::isalpha(static_cast<unsigned char>(parsingName[0]));
    const bool uncPath = parsingName.size() >= 2 && parsingName[0] == '\\' && parsingName[1] == '\\';
    return drivePath || uncPath ? parsingName : std::string();
}

bool IsSpecialFolder(LPCITEMIDLIST absolute, int csidl)
{
    ui::Pidl special;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, special.Out())) || !special) return false;
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    return desktop && HRESULT_CODE(desktop->CompareIDs(0, special.Get(), absolute)) == 0;
}

ShellTreeItem* MakeItem(NameSpaceNode& node)
{
    auto* item = new ShellTreeItem;
    static_cast<NameSpaceNode&>(*item) = std::move(node);
    item->path = FileSystemPath(item->parsingPath);
    item->openIcon = item->iconIndex;
    return item;
}

// What names a listed item among its siblings: its path, or for a virtual
// folder its name; letter case does not count.
std::string ChildKey(const std::string& path, const std::string& name)
{
    std::string key = path.empty() ? "::" + name : path;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

// "C:\a\b\" and "C:\a\b" name one folder; a drive root keeps its backslash.
std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

bool CDesktopTree::Create(HWND page, bool dialogMode)
{
    if (!CExplorerTree::Create(page, dialogMode)) return false;
    ApplyIconSize();
    Fill();
    return true;
}

void CDesktopTree::ApplyIconSize()
{
    // The system's icons, which the shell's icon indexes refer to, in either size.
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    const bool large = app && app->Settings().GetSetting(Setting::LargeBarIcons) != 0;
    SHFILEINFOA info = {};
    const auto images = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
    TreeView_SetImageList(Handle(), images, TVSIL_NORMAL);
}

void CDesktopTree::Fill()
{
    TreeView_DeleteAllItems(Handle());
    m_drives = m_network = m_internet = nullptr;
    NameSpaceNode desktop = DesktopNode();
    HTREEITEM root = Insert(TVI_ROOT, MakeItem(desktop));
    if (!root) return;
    ListChildren(root);
    Expand(root, TVE_EXPAND);
    for (HTREEITEM child = FirstChild(root); child; child = NextSibling(child)) {
        LPCITEMIDLIST id = NodeOf(child)->absoluteId.Get();
        if (IsSpecialFolder(id, CSIDL_DRIVES))
            m_drives = child;
        else if (IsSpecialFolder(id, CSIDL_NETWORK))
            m_network = child;
        else if (IsSpecialFolder(id, CSIDL_INTERNET))
            m_internet = child;
    }
    if (m_drives) {
        Expand(m_drives, TVE_EXPAND);
        FindCdRoms();
    }
    Select(root);
}

void CDesktopTree::FindCdRoms()
{
    m_cdRoms.clear();
    for (HTREEITEM drive = FirstChild(m_drives); drive; drive = NextSibling(drive)) {
        const std::string& path = NodeOf(drive)->path;
        if (path.size() >= 2 && path[1] == ':' && shell::DriveTypeOf(path) == DRIVE_CDROM)
            m_cdRoms += static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    }
}

HTREEITEM CDesktopTree::Insert(HTREEITEM parent, ShellTreeItem* node, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(node->name.c_str());
    insert.item.iImage = node->iconIndex;
    insert.item.iSelectedImage = node->openIcon;
    // Whether it has folders is known when it is first expanded.
    insert.item.cChildren = 1;
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    HTREEITEM item = TreeView_InsertItem(Handle(), &insert);
    if (item)
        node->handle = item;
    else
        delete node;
    return item;
}

void CDesktopTree::ListChildren(HTREEITEM item)
{
    ShellTreeItem* node = NodeOf(item);
    if (!node) return;
    node->listed = true;
    HCURSOR old = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    std::vector<NameSpaceNode> children = ChildNodes(*node, ::GetParent(Handle()));
    for (NameSpaceNode& child : children) Insert(item, MakeItem(child));
    ::SetCursor(old);
    Watch(*node);
    if (children.empty()) {
        TVITEMA data = {};
        data.mask = TVIF_CHILDREN | TVIF_HANDLE;
        data.hItem = item;
        data.cChildren = 0;
        TreeView_SetItem(Handle(), &data);
    }
}

void CDesktopTree::OnExpanding(HTREEITEM item)
{
    ShellTreeItem* node = NodeOf(item);
    if (node && !node->listed) ListChildren(item);
}

void CDesktopTree::Watch(ShellTreeItem& node)
{
    if (node.watcher || node.path.empty()) return;
    // Removable and CD-ROM drives are refreshed when opened; a watch would keep them spinning.
    const UINT type = shell::DriveTypeOf(node.path);
    if (type == DRIVE_REMOVABLE || type == DRIVE_CDROM) return;
    WatchOptions options;
    options.treeNode = reinterpret_cast<WPARAM>(&node);
    node.watcher = FolderWatcher::Start(WatchKind::Tree, Handle(), node.path, options);
    if (node.watcher) m_watched.insert(&node);
}

void CDesktopTree::OnNodeChanged(ShellTreeItem* node)
{
    if (!m_watched.count(node) || node == m_refreshingNode || !node->listed) return;
    // Folders of fixed disks are in the table of all folders.
    if (shell::DriveTypeOf(node->path) == DRIVE_FIXED)
        if (CTrailmarkApp* app = CTrailmarkApp::Instance()) app->FolderTreeChanged();
    m_refreshingNode = node;
    const HTREEITEM selectedBefore = Selected();
    HCURSOR old = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    ListChangesOf(node->handle);
    ::SetCursor(old);
    m_refreshingNode = nullptr;
    // The one window of Explorer mode follows the tree when the folder it
    // showed went: it opens where the selection went. Another kind of window
    // has nothing to do with the tree.
    const HTREEITEM selected = Selected();
    if (DialogMode() || selected == selectedBefore || !selected) return;
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    if (!app || !app->Settings().GetSetting(Setting::ExplorerMode)) return;
    const std::vector<CBasicWindow*>& windows = CWindowList::Instance().Windows();
    if (windows.empty() || windows.front()->Kind() == WindowKind::Folder) OpenItem(selected);
}

LRESULT CDesktopTree::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UWM_TREENODECHANGED) {
        OnNodeChanged(reinterpret_cast<ShellTreeItem*>(wParam));
        return 0;
    }
    // The end of a paste of a folder cut from the tree: the watchers list
    // the folders that changed.
    if (message == UWM_OPERDONE) return 0;
    return CExplorerTree::WindowProc(message, wParam, lParam);
}

void CDesktopTree::OnDeleteItem(HTREEITEM item, LPARAM data)
{
    ShellTreeItem* node = Node(data);
    m_watched.erase(node);
    if (item == m_drives) m_drives = nullptr;
    if (item == m_network) m_network = nullptr;
    if (item == m_internet) m_internet = nullptr;
    // The folder windows' address boxes list this tree's items: each window
    // lets go of the item before it is freed. The Open Folder dialog's tree
    // lends its items to no one; a closing program's windows are going too.
    const CMainFrame* frame = CTrailmarkApp::Instance() ? CTrailmarkApp::Instance()->MainFrame() : nullptr;
    if (node && !DialogMode() && frame && !frame->IsClosing())
        CWindowList::Instance().TellEveryWindow(UWM_TREENODEGONE, reinterpret_cast<WPARAM>(node));
    delete node;
}

HTREEITEM CDesktopTree::FindIn(HTREEITEM first, const std::string& path) const
{
    for (HTREEITEM item = first; item; item = NextSibling(item)) {
        const ShellTreeItem* node = NodeOf(item);
        if (node && SameText(WithoutTrailingSlash(node->path), path)) return item;
        if (node && node->listed)
            if (HTREEITEM found = FindIn(FirstChild(item), path)) return found;
    }
    return nullptr;
}

void CDesktopTree::FindAllIn(HTREEITEM first, const std::string& path, std::vector<HTREEITEM>& found) const
{
    for (HTREEITEM item = first; item; item = NextSibling(item)) {
        const ShellTreeItem* node = NodeOf(item);
        if (node && SameText(WithoutTrailingSlash(node->path), path)) found.push_back(item);
        else if (node && node->listed) FindAllIn(FirstChild(item), path, found);
    }
}

void CDesktopTree::FolderRenamed(const std::string& oldPath, const std::string& newPath)
{
    const std::string gone = WithoutTrailingSlash(oldPath);
    std::vector<HTREEITEM> items;
    if (!gone.empty()) FindAllIn(Root(), gone, items);
    if (items.empty()) return;
    const ShellTreeItem* selected = SelectedNode();
    const std::string selectedPath = selected ? WithoutTrailingSlash(selected->path) : std::string();
    const bool selectionFollows = treerules::PlaceIsAtOrBelow(selectedPath, gone);
    bool expanded = false;
    std::vector<HTREEITEM> parents;
    for (HTREEITEM item : items) {
        expanded = expanded || IsExpanded(item);
        HTREEITEM parent = Parent(item);
        if (parent && std::find(parents.begin(), parents.end(), parent) == parents.end()) parents.push_back(parent);
    }
    // Only the renamed folder changes among its siblings: theirs stay open.
    for (HTREEITEM parent : parents) ListChangesOf(parent);
    if (expanded)
        if (HTREEITEM renamed = FindPath(newPath)) Expand(renamed, TVE_EXPAND);
    if (selectionFollows) SelectPath(WithoutTrailingSlash(newPath) + selectedPath.substr(gone.size()));
}

HTREEITEM CDesktopTree::FindPath(const std::string& path) const
{
    return path.empty() ? nullptr : FindIn(Root(), WithoutTrailingSlash(path));
}

HTREEITEM CDesktopTree::FindOrListPath(const std::string& path)
{
    const std::string wanted = WithoutTrailingSlash(path);
    if (HTREEITEM known = FindPath(wanted)) return known;
    // Down from the deepest listed ancestor, one folder at a time.
    std::string prefix = wanted;
    HTREEITEM from = nullptr;
    while (!from) {
        const std::size_t slash = prefix.find_last_of('\\');
        if (slash == std::string::npos || slash < 2) return nullptr;
        prefix = WithoutTrailingSlash(prefix.substr(0, slash + 1));
        from = FindPath(prefix);
    }
    while (from) {
        ShellTreeItem* node = NodeOf(from);
        if (!node->listed) ListChildren(from);
        HTREEITEM next = nullptr;
        for (HTREEITEM child = FirstChild(from); child && !next; child = NextSibling(child)) {
            const std::string childPath = WithoutTrailingSlash(NodeOf(child)->path);
            if (SameText(childPath, wanted)) return child;
            const std::string below = childPath.back() == '\\' ? childPath : childPath + "\\";
            if (!childPath.empty() && wanted.size() > below.size() && SameText(wanted.substr(0, below.size()), below))
                next = child;
        }
        from = next;
    }
    return nullptr;
}

bool CDesktopTree::SelectPath(const std::string& path)
{
    HTREEITEM item = FindOrListPath(path);
    if (!item) return false;
    TreeView_EnsureVisible(Handle(), item);
    m_quiet = true;
    Select(item);
    m_quiet = false;
    return true;
}

HTREEITEM CDesktopTree::FindDesktopChild(const std::string& name) const
{
    for (HTREEITEM child = FirstChild(Root()); child; child = NextSibling(child))
        if (SameText(NodeOf(child)->name, name)) return child;
    return nullptr;
}

void CDesktopTree::RefreshItem(HTREEITEM item)
{
    ShellTreeItem* node = NodeOf(item);
    if (!node) return;
    const bool expanded = IsExpanded(item);
    // An expanded folder that held no folders shows no expansion: its listing tells.
    const bool wasListed = node->listed;
    HTREEITEM selected = Selected();
    bool selectionInside = false;
    for (HTREEITEM up = selected ? Parent(selected) : nullptr; up; up = Parent(up))
        if (up == item) selectionInside = true;
    m_quiet = true;
    if (selectionInside) Select(item);
    DeleteChildren(item);
    node->listed = false;
    // Listing again keeps the watcher that asked for it.
    node->iconIndex = node->openIcon = shell::IconOfPidl(node->absoluteId.Get());
    TVITEMA data = {};
    data.mask = TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    data.hItem = item;
    data.cChildren = 1;
    data.iImage = node->iconIndex;
    data.iSelectedImage = node->openIcon;
    TreeView_SetItem(Handle(), &data);
    if (wasListed) ListChildren(item);
    if (expanded || wasListed) TreeView_Expand(Handle(), item, TVE_EXPAND);
    if (item == m_drives) FindCdRoms();
    m_quiet = false;
}

void CDesktopTree::ListChangesOf(HTREEITEM item)
{
    ShellTreeItem* node = NodeOf(item);
    if (!node) return;
    if (!node->listed) {
        RefreshItem(item);
        return;
    }
    std::vector<NameSpaceNode> children = ChildNodes(*node, ::GetParent(Handle()));
    // Only the folders that came or went change: the others keep their
    // items, their listed folders and their watchers.
    std::unordered_map<std::string, std::size_t> listed;
    for (std::size_t i = 0; i < children.size(); ++i)
        listed.emplace(ChildKey(FileSystemPath(children[i].parsingPath), children[i].name), i);
    std::vector<HTREEITEM> kept(children.size(), nullptr);
    m_quiet = true;
    for (HTREEITEM child = FirstChild(item); child;) {
        const HTREEITEM next = NextSibling(child);
        const ShellTreeItem* old = NodeOf(child);
        const auto found = old ? listed.find(ChildKey(old->path, old->name)) : listed.end();
        if (found != listed.end() && !kept[found->second]) {
            kept[found->second] = child;
        } else {
            // A selection inside a folder that went goes to its parent.
            for (HTREEITEM up = Selected(); up; up = Parent(up))
                if (up == child) {
                    Select(item);
                    break;
                }
            TreeView_DeleteItem(Handle(), child);
        }
        child = next;
    }
    HTREEITEM previous = TVI_FIRST;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!kept[i]) kept[i] = Insert(item, MakeItem(children[i]), previous);
        if (kept[i]) previous = kept[i];
    }
    m_quiet = false;
    TVITEMA data = {};
    data.mask = TVIF_CHILDREN | TVIF_HANDLE;
    data.hItem = item;
    data.cChildren = children.empty() ? 0 : 1;
    TreeView_SetItem(Handle(), &data);
}

void CDesktopTree::MarkOpenIn(HTREEITEM first, const std::vector<std::string>& paths)
{
    for (HTREEITEM item = first; item; item = NextSibling(item)) {
        ShellTreeItem* node = NodeOf(item);
        if (!node) continue;
        const std::string path = WithoutTrailingSlash(node->path);
        bool open = false;
        for (const std::string& shown : paths)
            if (!path.empty() && SameText(WithoutTrailingSlash(shown), path)) open = true;
        if (open != node->open) {
            node->open = open;
            TreeView_SetItemState(Handle(), item, open ? TVIS_BOLD : 0, TVIS_BOLD);
        }
        if (node->listed) MarkOpenIn(FirstChild(item), paths);
    }
}

HTREEITEM CDesktopTree::RecycleBinItem() const
{
    ui::Pidl bin;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, bin.Out())) || !bin) return nullptr;
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    return desktop ? FindDesktopChild(shell::DisplayName(desktop.Get(), bin.Get(), SHGDN_INFOLDER)) : nullptr;
}

bool CDesktopTree::EmptyRecycleBin(HWND owner)
{
    bool emptied = false;
    if (HTREEITEM item = RecycleBinItem()) {
        ui::Pidl parentId(ui::PidlParent(NodeOf(item)->absoluteId.Get()));
        ui::ComPtr<IShellFolder> parent = shell::BindFolder(parentId.Get());
        LPCITEMIDLIST relative[] = {ui::PidlLast(NodeOf(item)->absoluteId.Get())};
        ui::ComPtr<IContextMenu> menu;
        HMENU popup = ::CreatePopupMenu();
        if (parent && popup &&
            SUCCEEDED(parent->GetUIObjectOf(owner, 1, relative, IID_IContextMenu, nullptr, menu.OutVoid())) &&
            SUCCEEDED(menu->QueryContextMenu(popup, 0, 0, kLastMenuCommand, CMF_NORMAL))) {
            // Its own command when the menu has it under its verb; a shell
            // whose menu numbers it otherwise is searched for the verb.
            char verb[64] = "";
            UINT command = kEmptyRecycleBinCommand;
            if (FAILED(menu->GetCommandString(command, GCS_VERBA, nullptr, verb, sizeof(verb))) ||
                ::lstrcmpiA(verb, kEmptyVerb) != 0) {
                command = kLastMenuCommand + 1;
                for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
                    const UINT id = ::GetMenuItemID(popup, i);
                    verb[0] = '\0';
                    if (id != static_cast<UINT>(-1) &&
                        SUCCEEDED(menu->GetCommandString(id, GCS_VERBA, nullptr, verb, sizeof(verb))) &&
                        ::lstrcmpiA(verb, kEmptyVerb) == 0)
                        command = id;
                }
            }
            if (command <= kLastMenuCommand) emptied = shell::InvokeMenuCommand(menu.Get(), owner, command);
        }
        if (popup) ::DestroyMenu(popup);
    }
    // A shell whose Recycle Bin menu cannot empty it: the call, where the shell has it.
    if (!emptied) emptied = ui::EmptyRecycleBin(owner);
    return emptied;
}

std::vector<std::string> CDesktopTree::RefreshRecycleBin()
{
    std::vector<std::string> refreshed;
    if (HTREEITEM bin = RecycleBinItem()) {
        RefreshItem(bin);
        // A window shows the virtual folder under its name.
        const ShellTreeItem* node = NodeOf(bin);
        refreshed.push_back(node->path.empty() ? node->name : node->path);
    }
    for (const char* folder : kRecycleFolders)
        if (HTREEITEM item = FindPath(folder)) {
            RefreshItem(item);
            refreshed.push_back(folder);
        }
    return refreshed;
}

void CDesktopTree::OnDrivesChanged(treerules::DriveChange change, const std::string& letters)
{
    if (change == treerules::DriveChange::DrivesChanged && m_drives) {
        RefreshItem(m_drives);
        return;
    }
    if (change != treerules::DriveChange::MediaChanged) return;
    for (char letter : letters) {
        const std::string root = std::string(1, letter) + ":\\";
        HTREEITEM drive = FindPath(root);
        if (drive && Parent(drive) == m_drives) RefreshItem(drive);
    }
}

void CDesktopTree::CollectExpanded(HTREEITEM first, std::vector<std::string>& paths) const
{
    for (HTREEITEM item = first; item; item = NextSibling(item)) {
        const ShellTreeItem* node = NodeOf(item);
        if (!node || !node->listed || !IsExpanded(item)) continue;
        if (!node->path.empty()) paths.push_back(node->path);
        CollectExpanded(FirstChild(item), paths);
    }
}

void CDesktopTree::RefreshAll()
{
    std::vector<std::string> expanded;
    CollectExpanded(Root(), expanded);
    const ShellTreeItem* selected = SelectedNode();
    const std::string selectedPath = selected ? selected->path : std::string();
    // Nothing opens while the tree is made again.
    m_quiet = true;
    Fill();
    // Parents come before their children in the list.
    for (const std::string& path : expanded)
        if (HTREEITEM item = FindOrListPath(path)) Expand(item, TVE_EXPAND);
    m_quiet = false;
    if (!selectedPath.empty()) SelectPath(selectedPath);
}

void CDesktopTree::SetOpenFolders(const std::vector<std::string>& paths) { MarkOpenIn(Root(), paths); }

bool CDesktopTree::IsFtpItem(HTREEITEM item) const
{
    HTREEITEM root = Root();
    for (HTREEITEM up = item; up && up != root; up = Parent(up))
        if (Parent(up) == root) return NodeOf(up)->name.find("WS_FTP") != std::string::npos;
    return false;
}
