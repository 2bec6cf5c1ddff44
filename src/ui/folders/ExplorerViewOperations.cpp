// The file operations of an explorer view: delete, copy to the clipboard,
// paste, new folder and the change of extensions. Copies, moves and deletes
// are one shell request each, run on a worker of their own.
#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"
#include "core/folders/FileDetails.h"
#include "core/folders/RenameRules.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderDrop.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderOperThread.h"

// Explorer
#include "ui/explorer/OpenFolderDlg.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

constexpr char kDefaultParent[] = "C:\\";
constexpr char kDeleteVerb[] = "delete";
constexpr char kCopyVerb[] = "copy";
constexpr int kMaxFolderName = MAX_PATH;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }
HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }
bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
bool Ask(UINT id) { return ui::ShowMessage(MainWindow(), id, MB_YESNO | MB_ICONEXCLAMATION) == IDYES; }

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The name of a new folder; typed characters no name may hold are refused
// and the text and caret go back to what they were.
class CNewFolderDlg : public ui::Dialog {
public:
    CNewFolderDlg(UINT titleId, std::string parent, std::string name)
        : ui::Dialog(IDD_NEW_FOLDER), m_titleId(titleId), m_parent(std::move(parent)), m_name(std::move(name))
    {
    }
    const std::string& Name() const { return m_name; }

protected:
    BOOL OnInitDialog() override
    {
        ::SetWindowTextA(Handle(), ui::LoadString(m_titleId).c_str());
        SetItemText(IDC_ROOT_NAME, m_parent);
        ::SendMessageA(Item(IDC_FOLDER_NAME), EM_LIMITTEXT, kMaxFolderName, 0);
        SetItemText(IDC_FOLDER_NAME, m_name);
        m_accepted = m_name;
        ::SendMessageA(Item(IDC_FOLDER_NAME), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_FOLDER_NAME));
        return FALSE;
    }
    bool OnCommand(int id, int code) override
    {
        if (id == IDC_FOLDER_NAME && code == EN_CHANGE) {
            OnNameChanged();
            return true;
        }
        return ui::Dialog::OnCommand(id, code);
    }
    void OnOK() override
    {
        m_name = ItemText(IDC_FOLDER_NAME);
        End(IDOK);
    }

private:
    void OnNameChanged()
    {
        HWND edit = Item(IDC_FOLDER_NAME);
        const std::string text = ItemText(IDC_FOLDER_NAME);
        bool valid = true;
        for (char c : text) valid = valid && !IsInvalidNameCharacter(c);
        if (valid) {
            m_accepted = text;
            ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&m_caretStart), reinterpret_cast<LPARAM>(&m_caretEnd));
            return;
        }
        SetItemText(IDC_FOLDER_NAME, m_accepted);
        ::SendMessageA(edit, EM_SETSEL, m_caretStart, m_caretEnd);
    }

    UINT m_titleId;
    std::string m_parent;
    std::string m_name;
    std::string m_accepted;  // the last text without a refused character
    DWORD m_caretStart = 0;
    DWORD m_caretEnd = 0;
};

class CRenameExtensionsDlg : public ui::Dialog {
public:
    CRenameExtensionsDlg() : ui::Dialog(IDD_RENAME_EXTENSIONS) {}
    const std::string& Extension() const { return m_extension; }

protected:
    BOOL OnInitDialog() override
    {
        SetItemText(IDC_EXTENSION, ui::LoadString(IDS_NOT_AVAILABLE));
        ::SendMessageA(Item(IDC_EXTENSION), EM_LIMITTEXT, kMaxFolderName, 0);
        ::SendMessageA(Item(IDC_EXTENSION), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_EXTENSION));
        return FALSE;
    }
    void OnOK() override
    {
        m_extension = ItemText(IDC_EXTENSION);
        End(IDOK);
    }

private:
    std::string m_extension;
};

}  // namespace

bool CExplorerView::Accepted(const fileops::Check& check) const { return folderdrop::Accepted(check); }

bool CExplorerView::RunCopyOrMove(fileops::Function function, const std::vector<std::string>& paths,
                                  const std::string& target, unsigned flags, HWND notifyWindow,
                                  const std::string& secondFolder, std::uint32_t cutTicket)
{
    return folderdrop::StartCopyOrMove(function, paths, target, flags, notifyWindow, secondFolder, cutTicket);
}

bool CExplorerView::RunDelete(const std::vector<std::string>& paths, unsigned flags)
{
    if (!Accepted(fileops::CheckRequest(fileops::Function::Delete, paths, {}, Exists))) return false;
    SHFILEOPSTRUCTA request = {};
    request.wFunc = static_cast<UINT>(fileops::Function::Delete);
    request.fFlags = static_cast<FILEOP_FLAGS>(flags);
    return CFolderDelThread::Start(new CFolderDelThread(request, m_currentPath, fileops::PathList(paths), Handle()));
}

void CExplorerView::Delete(bool toRecycleBin)
{
    std::vector<std::string> paths;
    const std::vector<CFileItem*> selected = SelectedItems();
    if (selected.empty()) {
        // The open folder itself: always asked, whatever the confirmations.
        // A drive has nothing above it to be deleted from.
        if (!shell::IsFolderPath(m_currentPath) || fileops::IsDriveRoot(m_currentPath) || !m_folderItem) return;
        if (!Ask(IDS_DELETE_OPEN_FOLDER)) return;
        m_operationItems.assign(1, m_folderItem.get());
        // The request's own check refuses a path that would be read as a pattern.
        const std::string exact = ActionPath(m_currentPath, m_folderItem->shortName);
        paths.push_back(exact.empty() ? m_currentPath : exact);
    } else if (ShowsRecycleBin()) {
        InvokeVerb(ContextMenuOf(selected).Get(), kDeleteVerb);
        return;
    } else {
        if (!CheckSelection(SFGAO_CANDELETE, IDS_CANNOT_DELETE_SOME)) return;
        for (const CFileItem* item : m_operationItems) paths.push_back(ActionPathOf(*item));
    }
    const bool confirm = Settings().GetSetting(Setting::ConfirmOperations) != 0;
    RunDelete(paths, fileops::DeleteFlags(confirm, toRecycleBin));
}

void CExplorerView::CopyOrMoveToFolder(bool move)
{
    if (!CheckSelection(move ? SFGAO_CANMOVE : SFGAO_CANCOPY, move ? IDS_CANNOT_MOVE_SOME : IDS_CANNOT_COPY_SOME))
        return;
    std::vector<std::string> paths;
    for (const CFileItem* item : m_operationItems) paths.push_back(ActionPathOf(*item));
    if (paths.empty()) return;
    const std::string title = ui::LoadString(move ? IDS_MOVE_FROM_TITLE : IDS_COPY_FROM_TITLE) + DisplayPath() + " " +
                              ui::LoadString(IDS_TITLE_TO);
    const FolderChoice choice = ChooseTargetFolder(MainWindow(), title, m_currentPath);
    // A personal folder only lists the items: nothing moves on the disk.
    if (AddToChosenPersonal(choice, paths, MainWindow())) return;
    const std::string& target = choice.path;
    if (target.empty()) return;
    if (Settings().GetSetting(Setting::ConfirmOperations) != 0 &&
        ui::ShowMessage(MainWindow(), ui::LoadString(move ? IDS_CONFIRM_MOVE_TO : IDS_CONFIRM_COPY_TO) + target + "?",
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // A move empties this folder too: its window is paused and told as well.
    RunCopyOrMove(move ? fileops::Function::Move : fileops::Function::Copy, paths, target,
                  fileops::kRenameOnCollision, Handle(), move ? m_currentPath : std::string(), 0);
}

void CExplorerView::CopyToClipboard()
{
    const std::vector<CFileItem*> selected = SelectedItems();
    if (selected.empty() || InvokeVerb(ContextMenuOf(selected).Get(), kCopyVerb)) return;
    // A shell without the copy command: the file list goes on the clipboard as it would.
    std::vector<std::string> paths, leftOut;
    for (const CFileItem* item : selected) {
        const std::string exact = ActionPathOf(*item);
        if (exact.empty()) leftOut.push_back(item->path);
        else if (Exists(exact)) paths.push_back(exact);
    }
    if (!leftOut.empty()) folderdrop::TellLeftOut(leftOut);
    if (paths.empty() || !::OpenClipboard(Handle())) return;
    ::EmptyClipboard();
    if (HGLOBAL list = filedrop::MakeFileList(paths))
        if (!::SetClipboardData(CF_HDROP, list)) ::GlobalFree(list);
    ::CloseClipboard();
}

bool CExplorerView::CanPaste() const
{
    if (!AcceptsDrops()) return false;
    if (::IsClipboardFormatAvailable(CF_HDROP)) return true;
    const CutList& cut = CutList::Instance();
    if (cut.Paths().empty()) return false;
    // The clipboard is opened for its text only when its content or the cut
    // changed, not on every update of the toolbar.
    const ui::ClipboardMark mark = ui::CurrentClipboardMark();
    if (m_cutOnClipboard < 0 || mark != m_pasteMark || cut.Tag() != m_pasteCutTag) {
        m_pasteMark = mark;
        m_pasteCutTag = cut.Tag();
        m_cutOnClipboard = cut.IsCurrent(ui::ClipboardText(Handle())) ? 1 : 0;
    }
    return m_cutOnClipboard != 0;
}

void CExplorerView::Paste()
{
    folderdrop::PasteSource source = folderdrop::ClipboardPaste(Handle());
    std::vector<std::string>& paths = source.paths;
    const fileops::Function function = source.function;
    CutList& cut = CutList::Instance();
    if (paths.empty()) return;
    if (!folderdrop::KeepExactPaths(paths)) {
        CutList::Instance().MoveDone(0, false);
        return;
    }
    const std::string target = m_currentPath;
    unsigned flags = 0;
    auto hasRow = [this](const std::string& name) {
        for (int row = 0; row < RowCount(); ++row)
            if (const CFileItem* item = ItemAt(row))
                if (lstrcmpiA(FileNameOf(item->path).c_str(), name.c_str()) == 0) return true;
        return false;
    };
    if (!fileops::AnyPastedNew(paths, target, hasRow)) {
        if (!Ask(IDS_PASTED_ALL_EXIST)) return;
        flags |= fileops::kRenameOnCollision;
    }
    const std::uint32_t ticket = function == fileops::Function::Move ? cut.BeginMove() : 0;
    RunCopyOrMove(function, paths, target, flags, source.notifyWindow, source.secondFolder, ticket);
}

std::string CExplorerView::NewFolder(UINT titleId)
{
    const bool inView = shell::IsFolderPath(m_currentPath);
    const std::string parent = inView ? m_currentPath : kDefaultParent;
    std::string name = fileops::ProposeFolderName(ui::LoadString(IDS_NEW_FOLDER_BASE), [&](const std::string& candidate) {
        return Exists(fileops::JoinPath(parent, candidate));
    });
    ::SendMessageA(m_ownerWindow, UWM_PAUSEWATCHERS, 0, 0);
    std::string created;
    for (;;) {
        CNewFolderDlg dialog(titleId, parent, name);
        if (dialog.DoModal(MainWindow()) != IDOK) break;
        name = dialog.Name();
        const std::string clean = CleanNewName(name);
        const std::string path = fileops::JoinPath(parent, clean);
        if (!clean.empty() && Exists(path)) {
            ui::ShowMessage(MainWindow(), IDS_FOLDER_EXISTS, MB_OK | MB_ICONSTOP);
            continue;
        }
        if (clean.empty() || !::CreateDirectoryA(path.c_str(), nullptr)) {
            ui::ShowMessage(MainWindow(), IDS_CREATE_DIRECTORY_FAILED, MB_OK | MB_ICONSTOP);
            continue;
        }
        created = path;
        break;
    }
    ::SendMessageA(m_ownerWindow, UWM_RESUMEWATCHERS, 0, 0);
    if (created.empty()) return created;
    if (inView) {
        SelectAfterFill(FileNameOf(created));
        ListAgain();
    }
    RefreshTreeNode(parent);
    return created;
}

void CExplorerView::RenameExtensions()
{
    CRenameExtensionsDlg dialog;
    if (dialog.DoModal(MainWindow()) != IDOK) return;
    std::string extension = CleanNewName(dialog.Extension());
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    if (extension.empty() || !Ask(IDS_CHANGE_EXTENSIONS)) return;

    ::SendMessageA(m_ownerWindow, UWM_PAUSEWATCHERS, 0, 0);
    std::vector<std::string> failed;
    std::string renamedName;
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row)) {
        const CFileItem* item = ItemAt(row);
        if (!item) continue;
        // The new name keeps the shown stem: from the listed path, acted on through the exact one.
        const std::string exact = ActionPathOf(*item);
        const std::string target = fileops::WithExtension(item->path, extension);
        if (target == item->path) continue;
        if (!exact.empty() && !HoldsPattern(target) && RenamePath(exact, target, false))
            renamedName = FileNameOf(target);
        else
            failed.push_back(item->name);
    }
    ::SendMessageA(m_ownerWindow, UWM_RESUMEWATCHERS, 0, 0);
    // Listed again, the items that kept their names are selected once more.
    m_selectAfterFillAlso = failed;
    if (failed.empty() && !renamedName.empty()) SelectAfterFill(renamedName);
    ListAgain();
    if (!failed.empty()) ui::ShowMessage(MainWindow(), IDS_SOME_NOT_RENAMED, MB_OK | MB_ICONEXCLAMATION);
}

void CExplorerView::OnOperationDone(bool succeeded, std::uint32_t cutTicket)
{
    CFilesView::OnOperationDone(succeeded, cutTicket);
    // The tree's node of a network folder or of a remote or removable drive
    // does not follow the disk by itself.
    const std::string root = m_currentPath.substr(0, 3);
    const UINT type = fileops::IsDriveRoot(root) ? ::GetDriveTypeA(root.c_str()) : DRIVE_UNKNOWN;
    if (IsBelowNetwork()) RefreshTreeNode(m_currentPath);
    else if (type == DRIVE_REMOTE || type == DRIVE_REMOVABLE) RefreshTreeNode(root);
}
