// The commands of an explorer view and those of the application that act on
// the folder it shows.
#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"
#include "core/folders/RenameRules.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"
#include "ui/folders/ShellOperations.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>

// Windows
#include <shellapi.h>

namespace {

constexpr char kDisplayProperties[] = "rundll32 shell32.dll,Control_RunDLL desk.cpl";
constexpr char kPropertiesVerb[] = "properties";
constexpr char kLinkVerb[] = "link";
constexpr char kDefaultFolder[] = "C:\\";
constexpr UINT kFirstShellCommand = 1;
constexpr UINT kLastShellCommand = 0x7000;
constexpr BYTE kKeyDown = 0x80;
constexpr char kShortcutPrefix[] = "Shortcut to ";
constexpr char kShortcutSuffix[] = ".lnk";
constexpr int kMaxShortcutCopies = 99;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

class CRenameFolderDlg : public ui::Dialog {
public:
    explicit CRenameFolderDlg(std::string name) : ui::Dialog(IDD_RENAME_FOLDER), m_name(std::move(name)) {}
    const std::string& Name() const { return m_name; }

protected:
    BOOL OnInitDialog() override
    {
        SetItemText(IDC_NAME, m_name);
        ::SendMessageA(Item(IDC_NAME), EM_LIMITTEXT, MAX_PATH, 0);
        ::SendMessageA(Item(IDC_NAME), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_NAME));
        return FALSE;
    }
    void OnOK() override
    {
        m_name = ItemText(IDC_NAME);
        End(IDOK);
    }

private:
    std::string m_name;
};

}  // namespace

// The keys of the location box reach it as the frame's accelerators: while
// its edit field has the focus they edit the text instead of the files.
bool CExplorerView::AddressEditCommand(UINT id, bool run)
{
    HWND edit = m_location.Edit();
    if (!edit || ::GetFocus() != edit) return false;
    switch (id) {
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_FILE_DELETE:
    case ID_EDIT_PASTE:
    case ID_FILE_RECYCLE:
    case ID_GO_UP:
    case ID_VIEW_RESIZE_COLUMNS:    // Ctrl+Z
    case ID_PERSONAL_REMOVE_ITEMS:  // Ctrl+Delete
    case IDC_STOP:                  // Escape: nothing to stop here
    case ID_FILE_RENAME:            // F2 and F12 name no file while an address is typed
    case ID_FILE_PROPERTIES:
        break;
    default:
        return false;
    }
    if (!run) return true;
    switch (id) {
    case ID_EDIT_SELECT_ALL: m_location.SelectAllText(); break;
    case ID_EDIT_COPY: m_location.Copy(); break;
    case ID_EDIT_CUT:
    case ID_FILE_DELETE: m_location.Cut(); break;
    case ID_EDIT_PASTE: m_location.Paste(); break;
    // The edit field reads Ctrl from the keyboard: with it held Delete clears to the end.
    case ID_PERSONAL_REMOVE_ITEMS:
    case ID_FILE_RECYCLE: ::SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0); break;
    case ID_GO_UP: ::SendMessageA(edit, WM_CHAR, VK_BACK, 0); break;
    case ID_VIEW_RESIZE_COLUMNS: ::SendMessageA(edit, EM_UNDO, 0, 0); break;
    default: break;
    }
    return true;
}

bool CExplorerView::OnCommand(UINT id)
{
    if (AddressEditCommand(id, true)) return true;
    switch (id) {
    case ID_FILES_PROPERTIES:
    case ID_FILE_PROPERTIES: Properties(); return true;
    case ID_FILES_CREATE_SHORTCUT:
    case ID_FILE_CREATE_SHORTCUT: CreateShortcut(); return true;
    case ID_FILE_OPEN_WITH: OpenWith(); return true;
    case ID_VIEW_ADDRESS_BAR: ToggleAddressBar(); return true;
    case ID_VIEW_REFRESH:
        // The user's refresh also shows changed file types.
        shell::LookupCache::Forget();
        Refresh();
        return true;
    case ID_FILE_COPY_PATH: CopyPath(); return true;
    case ID_FILE_COMMAND_PROMPT: CommandPrompt(); return true;
    case ID_FILES_RENAME:
    case ID_FILE_RENAME: {
        // One selected item is renamed in the list itself; several wait for
        // the extension dialog.
        const std::vector<CFileItem*> selected = SelectedItems();
        if (selected.size() > 1) RenameExtensions();
        else if (selected.size() == 1) EditLabel(m_list.NextSelected(HasUpRow() ? 0 : -1));
        else RenameFolder();
        return true;
    }
    case ID_FILES_RECYCLE:
    case ID_FILE_RECYCLE: Delete(true); return true;
    case ID_FILES_DELETE:
    case ID_FILE_DELETE: Delete(false); return true;
    case ID_FILES_COPY:
    case ID_EDIT_COPY: CopyToClipboard(); return true;
    case ID_FILES_COPY_TO:
    case ID_FILE_COPY_TO: CopyOrMoveToFolder(false); return true;
    case ID_FILES_MOVE_TO:
    case ID_FILE_MOVE_TO: CopyOrMoveToFolder(true); return true;
    case ID_FILES_PASTE:
    case ID_EDIT_PASTE: Paste(); return true;
    case ID_FILES_NEW_FOLDER:
    case ID_FILE_NEW_FOLDER: NewFolder(IDS_CREATE_NEW_FOLDER); return true;
    case ID_FILES_NEW_FOLDER_OPEN:
    case ID_FILE_OPEN_NEW_FOLDER: {
        const std::string created = NewFolder(IDS_OPEN_NEW_FOLDER);
        if (!created.empty()) OpenFolder(created, nullptr);
        return true;
    }
    default: return CFilesView::OnCommand(id);
    }
}

bool CExplorerView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (AddressEditCommand(id, false)) return true;
    switch (id) {
    case ID_FILES_PROPERTIES:
    case ID_FILE_PROPERTIES:
    case ID_VIEW_REFRESH:
    case ID_FILE_COPY_PATH:
    case ID_FILE_COMMAND_PROMPT:
        return true;
    case ID_FILES_CREATE_SHORTCUT:
    case ID_FILE_CREATE_SHORTCUT:
    case ID_FILE_OPEN_WITH:
        state.enabled = HasSelectedItem();
        return true;
    case ID_VIEW_ADDRESS_BAR:
        state.checked = AddressBarVisible();
        return true;
    case ID_FILES_RENAME:
    case ID_FILE_RENAME:
        state.enabled = ItemAt(m_list.NextSelected(HasUpRow() ? 0 : -1))
                            ? SelectionOrFolderHas(SFGAO_CANRENAME)
                            : ShowsFolderPath() && FolderPartOf(m_currentPath) != m_currentPath;
        return true;
    case ID_FILES_RECYCLE:
    case ID_FILE_RECYCLE:
    case ID_FILES_DELETE:
    case ID_FILE_DELETE:
        state.enabled = SelectionOrFolderHas(SFGAO_CANDELETE);
        return true;
    case ID_FILES_COPY:
    case ID_EDIT_COPY:
    case ID_FILES_COPY_TO:
    case ID_FILE_COPY_TO:
    case ID_FILES_MOVE_TO:
    case ID_FILE_MOVE_TO:
        state.enabled = HasSelectedItem();
        return true;
    case ID_FILES_PASTE:
    case ID_EDIT_PASTE:
        state.enabled = CanPaste();
        return true;
    case ID_FILES_NEW_FOLDER:
    case ID_FILE_NEW_FOLDER:
    case ID_FILES_NEW_FOLDER_OPEN:
    case ID_FILE_OPEN_NEW_FOLDER:
        return true;
    default:
        return CFilesView::OnUpdateCommand(id, state);
    }
}

void CExplorerView::Properties()
{
    ui::ComPtr<IContextMenu> menu = SelectionOrFolderMenu();
    if (!InvokeVerb(menu.Get(), kPropertiesVerb)) ::WinExec(kDisplayProperties, SW_SHOWNORMAL);
}

// Makes "Shortcut to <name>.lnk" in the folder itself, for a shell whose
// menus have no link command; false when no free name was found.
bool CExplorerView::MakeShortcut(const CFileItem& item)
{
    // A name the code page lost cannot name a file: the link takes the short one.
    const std::string exact = ActionPathOf(item);
    std::string name = item.name;
    if (HoldsPattern(name)) {
        if (exact.empty()) return false;
        name = exact.substr(exact.rfind('\\') + 1);
    }
    const std::string base = m_currentPath + (m_currentPath.back() == '\\' ? "" : "\\") + kShortcutPrefix + name;
    for (int copy = 1; copy <= kMaxShortcutCopies; ++copy) {
        const std::string path = base + (copy == 1 ? "" : " (" + std::to_string(copy) + ")") + kShortcutSuffix;
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        return shell::SaveShortcut(exact, item.absoluteId, path);
    }
    return false;
}

void CExplorerView::CreateShortcut()
{
    const std::vector<CFileItem*> items = SelectedItems();
    ui::ComPtr<IContextMenu> menu = ContextMenuOf(items);
    if (!menu) return;
    ::SendMessageA(m_ownerWindow, UWM_PAUSEWATCHERS, 0, 0);
    if (!InvokeVerb(menu.Get(), kLinkVerb))
        for (const CFileItem* item : items) MakeShortcut(*item);
    ::SendMessageA(m_ownerWindow, UWM_RESUMEWATCHERS, 0, 0);
    ListAgain();
}

void CExplorerView::OpenWith()
{
    const std::vector<CFileItem*> items = SelectedItems();
    if (items.empty()) return;
    ui::ComPtr<IContextMenu> menu = ContextMenuOf({items.front()});
    if (!menu) return;
    // With Shift held the shell offers its extended menu, which has "Open with".
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE oldShift = keys[VK_SHIFT];
    keys[VK_SHIFT] |= kKeyDown;
    ::SetKeyboardState(keys);
    HMENU popup = ::CreatePopupMenu();
    menu->QueryContextMenu(popup, 0, kFirstShellCommand, kLastShellCommand, CMF_NORMAL | CMF_EXTENDEDVERBS);
    const std::string wanted = ui::LoadString(IDS_OPEN_WITH_VERB);
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        char text[MAX_PATH] = "";
        ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        if (wanted != text) continue;
        shell::InvokeMenuCommand(menu.Get(), Handle(), ::GetMenuItemID(popup, i) - kFirstShellCommand);
        break;
    }
    ::DestroyMenu(popup);
    keys[VK_SHIFT] = oldShift;
    ::SetKeyboardState(keys);
}

void CExplorerView::ToggleAddressBar()
{
    if (!m_location.Handle()) return;
    const bool show = !AddressBarVisible();
    ::ShowWindow(m_location.Handle(), show ? SW_SHOW : SW_HIDE);
    Settings().SetSetting(Setting::ShowAddressBar, show ? 1 : 0);
    RECT client;
    ::GetClientRect(Handle(), &client);
    Layout(client.right, client.bottom);
}

std::string CExplorerView::CopyPathText() const
{
    if (::GetFocus() == m_list.Handle()) {
        const int row = m_list.NextSelected(-1);
        // The exact path is the one another program can open; a path
        // without one is still the best text the user can be given.
        if (const CFileItem* item = ItemAt(row)) return PlacePathOf(*item);
    }
    return m_currentPath;
}

void CExplorerView::CopyPath()
{
    const std::string text = CopyPathText();
    HWND main = CTrailmarkApp::Instance()->MainWindow();
    if (!ui::SetClipboardText(main, text)) {
        ui::ShowMessage(main, IDS_CLIPBOARD_OPEN_FAILED, MB_OK | MB_ICONSTOP);
        return;
    }
    if (text.empty()) ui::ShowMessage(main, IDS_CLIPBOARD_EMPTY_TEXT, MB_OK | MB_ICONEXCLAMATION);
}

void CExplorerView::CommandPrompt()
{
    CTrailmarkApp::Instance()->CommandPromptIn(shell::IsFolderPath(m_currentPath) ? m_currentPath : kDefaultFolder);
}

void CExplorerView::RenameFolder()
{
    // A drive's root has no name to change.
    const std::string oldPath = m_currentPath;
    const std::string parent = FolderPartOf(oldPath);
    if (!shell::IsFolderPath(oldPath) || parent.empty() || parent == oldPath) return;
    CRenameFolderDlg dialog(oldPath.substr(oldPath.rfind('\\') + 1));
    if (dialog.DoModal(CTrailmarkApp::Instance()->MainWindow()) != IDOK) return;
    // A name never leads elsewhere: no separators, no wildcards, no "." or "..".
    const std::string name = CleanNewName(dialog.Name());
    if (name.empty() || name == oldPath.substr(oldPath.rfind('\\') + 1)) return;
    const std::string newPath = parent + (parent.back() == '\\' ? "" : "\\") + name;
    ::SendMessageA(m_ownerWindow, UWM_PAUSEWATCHERS, 0, 0);
    if (::MoveFileA(oldPath.c_str(), newPath.c_str()))
        ::SendMessageA(m_ownerWindow, UWM_FOLDERRENAMED, reinterpret_cast<WPARAM>(newPath.c_str()), 0);
    else
        ::SendMessageA(m_ownerWindow, UWM_RESUMEWATCHERS, 0, 0);
}

// --- Renaming in the list ----------------------------------------------------

// The first selected item stands for the selection: asking the shell about
// thousands of items on every update of the menus would stall them. Its
// answers are kept until another item comes first or the folder is listed
// again, so that the toolbar's updates do not ask the shell (or a slow disk)
// ten times a second.
bool CExplorerView::SelectionOrFolderHas(ULONG attribute) const
{
    const CFileItem* item = ItemAt(m_list.NextSelected(HasUpRow() ? 0 : -1));
    if (!item && !(m_folderItem && m_folderItem->relativeId)) return false;
    const CFileItem* asked = item ? item : m_folderItem.get();
    if (asked != m_attributesOf) {
        m_attributesOf = asked;
        m_attributesAsked = m_attributesGiven = 0;
    }
    if ((m_attributesAsked & attribute) != attribute) {
        m_attributesGiven |= item ? shell::Attributes(item->folder, item->relativeId, attribute)
                                  : shell::Attributes(m_folderItem->parentFolder, m_folderItem->relativeId, attribute);
        m_attributesAsked |= attribute;
    }
    return (m_attributesGiven & attribute) != 0;
}

bool CExplorerView::HasSelectedItem() const
{
    return m_list.SelectedCount() > (HasUpRow() && m_list.IsSelected(0) ? 1 : 0);
}

bool CExplorerView::ShowsFolderPath() const
{
    if (m_showsFolderPath < 0) m_showsFolderPath = shell::IsFolderPath(m_currentPath) ? 1 : 0;
    return m_showsFolderPath != 0;
}

bool CExplorerView::CanEditLabel(int row)
{
    const CFileItem* item = ItemAt(row);
    return item && shell::Attributes(item->folder, item->relativeId, SFGAO_CANRENAME) != 0;
}

bool CExplorerView::CanCut(const CFileItem& item)
{
    return shell::Attributes(item.folder, item.relativeId, SFGAO_CANCOPY) != 0;
}

bool CExplorerView::RenamePath(const std::string& from, const std::string& to, bool interactive)
{
    // The shell would read a pattern in the source as several files.
    if (HoldsPattern(from)) return false;
    // The shell's rename gives the user its own messages when it fails,
    // unless the rename is one of many.
    std::string source = from + '\0';
    std::string target = to + '\0';
    SHFILEOPSTRUCTA request = {};
    request.hwnd = CTrailmarkApp::Instance()->MainWindow();
    request.wFunc = FO_RENAME;
    request.pFrom = source.c_str();
    request.pTo = target.c_str();
    request.fFlags = FOF_ALLOWUNDO | (interactive ? 0 : FOF_NOERRORUI);
    const int result = ::SHFileOperationA(&request);
    const bool caseOnly = lstrcmpiA(from.c_str(), to.c_str()) == 0;
    return result == 0 && !request.fAnyOperationsAborted &&
           (caseOnly || ::GetFileAttributesA(from.c_str()) == INVALID_FILE_ATTRIBUTES);
}

bool CExplorerView::RenameRow(int row, const std::string& typed)
{
    CFileItem* item = ItemAt(row);
    const std::string name = CleanNewName(typed);
    if (!item || name.empty() || name == item->name) return false;
    HWND main = CTrailmarkApp::Instance()->MainWindow();
    // The listed path tells whether the extension is hidden; the exact one is renamed.
    const std::string oldPath = ActionPathOf(*item);
    if (oldPath.empty()) {
        ui::ShowMessage(main, ui::LoadString(IDS_WILDCARD_NAME) + item->path, MB_OK | MB_ICONSTOP);
        return false;
    }
    const std::string target = RenameTarget(item->path, item->name, name);
    if (!item->isDirectory && ExtensionChanges(item->path, target) &&
        ui::ShowMessage(main, IDS_CHANGE_EXTENSION, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;

    ::SendMessageA(m_ownerWindow, UWM_PAUSEWATCHERS, 0, 0);
    const bool renamed = RenamePath(oldPath, target, true);
    ::SendMessageA(m_ownerWindow, UWM_RESUMEWATCHERS, 0, 0);
    if (!renamed) {
        // The user gets the name back to correct it.
        ::PostMessageA(m_list.Handle(), LVM_EDITLABELA, static_cast<WPARAM>(row), 0);
        return false;
    }
    // Listed again, the row keeps its place in the sort and its selection.
    SelectAfterFill(name);
    ListAgain();
    return true;
}
