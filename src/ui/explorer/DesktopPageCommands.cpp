// The edit and file commands of the Desktop page while its tree has the
// focus: they act on the folder of the selected item.
#include "ui/explorer/DesktopPage.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/CutList.h"
#include "core/folders/FileDetails.h"
#include "core/folders/OperationRules.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/ComPtr.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FileDrop.h"
#include "ui/folders/FolderDrop.h"
#include "ui/folders/FolderOperThread.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shlobj.h>

namespace {

constexpr char kCopyVerb[] = "copy";
constexpr char kPropertiesVerb[] = "properties";

HWND FrameWindow() { return CTrailmarkApp::Instance()->MainWindow(); }

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A folder of the disk below a drive's root: one that can be cut, copied,
// deleted or renamed.
bool IsMovableFolder(const ShellTreeItem* node)
{
    return node && !node->path.empty() && !fileops::IsDriveRoot(node->path);
}

// The node's folder as the shell's file operations read it; "" after telling
// the user when the code page lost its name and it has no short one.
std::string ActionPathOf(const ShellTreeItem& node)
{
    const std::string exact = shell::ExactPathOf(node.absoluteId.Get(), node.path);
    if (exact.empty()) folderdrop::TellLeftOut({node.path});
    return exact;
}

// The shell's context menu of the node.
ui::ComPtr<IContextMenu> ItemMenu(const ShellTreeItem& node, HWND owner)
{
    ui::ComPtr<IContextMenu> menu;
    ui::Pidl parentId(ui::PidlParent(node.absoluteId.Get()));
    ui::ComPtr<IShellFolder> parent = shell::BindFolder(parentId.Get());
    LPCITEMIDLIST relative[] = {ui::PidlLast(node.absoluteId.Get())};
    if (parent) parent->GetUIObjectOf(owner, 1, relative, IID_IContextMenu, nullptr, menu.OutVoid());
    return menu;
}

bool CutListIsCurrent(HWND owner)
{
    const CutList& cut = CutList::Instance();
    return !cut.Paths().empty() && cut.IsCurrent(ui::ClipboardText(owner));
}

}  // namespace

bool CDesktopPage::QueryCut() const { return IsMovableFolder(m_desktopTree.SelectedNode()); }

bool CDesktopPage::QueryCopy() const { return IsMovableFolder(m_desktopTree.SelectedNode()); }

bool CDesktopPage::QueryPaste() const
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    if (!node || node->path.empty()) return false;
    return ::IsClipboardFormatAvailable(CF_HDROP) || CutListIsCurrent(Handle());
}

bool CDesktopPage::QueryDelete() const { return IsMovableFolder(m_desktopTree.SelectedNode()); }

void CDesktopPage::CutSelection()
{
    CutItem(m_desktopTree.Selected());
    RedrawSoon();
}

void CDesktopPage::CopySelection()
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    if (!node) return;
    ui::ComPtr<IContextMenu> menu = ItemMenu(*node, Handle());
    if (menu && shell::InvokeMenuCommand(menu.Get(), FrameWindow(), kCopyVerb)) return;
    // A shell without the copy command: the folder goes on the clipboard as it would.
    const std::string path = ActionPathOf(*node);
    if (path.empty() || !::OpenClipboard(Handle())) return;
    ::EmptyClipboard();
    if (HGLOBAL list = filedrop::MakeFileList({path}))
        if (!::SetClipboardData(CF_HDROP, list)) ::GlobalFree(list);
    ::CloseClipboard();
}

void CDesktopPage::PasteIntoSelection()
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    if (!node || node->path.empty()) return;
    const std::string target = node->path;
    folderdrop::PasteSource source = folderdrop::ClipboardPaste(Handle());
    std::vector<std::string>& paths = source.paths;
    CutList& cut = CutList::Instance();
    if (paths.empty()) return;
    if (!folderdrop::KeepExactPaths(paths)) {
        cut.MoveDone(0, false);
        return;
    }
    unsigned flags = 0;
    // Pasted into their own folder they come again under new names, if the user wants.
    if (!fileops::AnyPastedNew(paths, target, [&](const std::string& name) {
            return Exists(fileops::JoinPath(target, name));
        })) {
        if (ui::ShowMessage(FrameWindow(), IDS_PASTED_ALL_EXIST, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
        flags |= fileops::kRenameOnCollision;
    }
    const std::uint32_t ticket = source.function == fileops::Function::Move ? cut.BeginMove() : 0;
    folderdrop::StartCopyOrMove(source.function, paths, target, flags, source.notifyWindow, source.secondFolder,
                                ticket);
}

void CDesktopPage::DeleteSelection(bool toRecycleBin)
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    if (!IsMovableFolder(node)) return;
    const std::string path = ActionPathOf(*node);
    if (path.empty()) return;
    const std::vector<std::string> paths{path};
    if (!folderdrop::Accepted(fileops::CheckRequest(fileops::Function::Delete, paths, {}, Exists))) return;
    const bool confirm = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ConfirmOperations) != 0;
    SHFILEOPSTRUCTA request = {};
    request.wFunc = static_cast<UINT>(fileops::Function::Delete);
    request.fFlags = static_cast<FILEOP_FLAGS>(fileops::DeleteFlags(confirm, toRecycleBin));
    // On a worker, as the views delete: the window showing the folder above
    // waits with its watchers; the tree's own watcher takes the item away.
    CFolderDelThread::Start(
        new CFolderDelThread(request, FolderPartOf(node->path), fileops::PathList(paths), nullptr));
    RedrawSoon();
}

void CDesktopPage::SelectionProperties()
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    if (!node) return;
    if (ui::ComPtr<IContextMenu> menu = ItemMenu(*node, Handle()))
        shell::InvokeMenuCommand(menu.Get(), FrameWindow(), kPropertiesVerb);
}

std::string CDesktopPage::PromptFolder() const
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    return node && shell::IsFolderPath(node->path) ? node->path : std::string();
}
