#include "ui/explorer/DesktopPage.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/FolderTitle.h"

// Core
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
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderOperThread.h"
#include "ui/folders/Shell.h"

// Explorer
#include "ui/explorer/OpenFolderDlg.h"
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstdlib>
#include <vector>

// Windows
#include <shellapi.h>
#include <shlobj.h>

namespace {

// The shell's own commands of a context menu, below the program's.
constexpr UINT kFirstShellCommand = 1;
constexpr UINT kLastShellCommand = 0x7FFF;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

HWND FrameWindow() { return CTrailmarkApp::Instance()->MainWindow(); }

// A double-terminated list of one path, as the shell's file operations take it.
std::vector<char> PathList(const std::string& path)
{
    std::vector<char> list(path.begin(), path.end());
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

bool IsDriveRoot(const std::string& path) { return path.size() <= 3 && path.size() >= 2 && path[1] == ':'; }

// The node's path for the shell's file operation, which reads "?" as a
// pattern: a name the code page lost goes by its short path. "" after
// telling the user when there is none.
std::string OperationPath(const ShellTreeItem& node)
{
    const std::string exact = shell::ExactPathOf(node.absoluteId.Get(), node.path);
    if (exact.empty())
        ui::ShowMessage(FrameWindow(), ui::LoadString(IDS_WILDCARD_NAME) + node.path, MB_OK | MB_ICONSTOP);
    return exact;
}

// The command line the registry gives for opening ".htm" files, without its
// document argument; empty when there is none.
std::string BrowserCommand()
{
    char type[MAX_PATH] = "";
    LONG size = sizeof(type);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", type, &size) != ERROR_SUCCESS || !type[0]) return {};
    char command[1024] = "";
    size = sizeof(command);
    const std::string key = std::string(type) + "\\shell\\open\\command";
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS) return {};
    std::string line = command;
    const std::size_t argument = line.find("%1");
    if (argument != std::string::npos) {
        // "…" "%1" or … %1: the argument and its quotes go.
        std::size_t start = argument;
        std::size_t end = argument + 2;
        if (start > 0 && line[start - 1] == '"' && end < line.size() && line[end] == '"') {
            --start;
            ++end;
        }
        line.erase(start, end - start);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

bool CDesktopPage::CreateTree() { return m_desktopTree.Create(Handle(), false); }

void CDesktopPage::OpenDesktop()
{
    char path[MAX_PATH] = "";
    ui::Pidl desktop;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, desktop.Out())) ||
        !::SHGetPathFromIDListA(desktop.Get(), path))
        return;
    CWindowList::Instance().OpenWindow(path, WindowKind::Folder, desktop.Get(), 0);
}

void CDesktopPage::StartBrowser()
{
    const std::string command = BrowserCommand();
    if (command.empty()) {
        ui::ShowMessage(FrameWindow(), IDS_BROWSER_NOT_FOUND, MB_OK | MB_ICONSTOP);
        return;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ui::ShowMessage(FrameWindow(), IDS_BROWSER_FAILED, MB_OK | MB_ICONSTOP);
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void CDesktopPage::OnOpenItem(HTREEITEM item)
{
    ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node) return;
    if (item == m_desktopTree.Root()) {
        OpenDesktop();
        return;
    }
    if (item == m_desktopTree.InternetItem()) {
        StartBrowser();
        return;
    }
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    const ULONG attributes = shell::Attributes(desktop.Get(), node->absoluteId.Get(), SFGAO_FOLDER);
    if (!(attributes & SFGAO_FOLDER)) return;
    const std::string path = node->path.empty() ? node->name : node->path;
    CWindowList::Instance().OpenWindow(path, WindowKind::Folder, node->absoluteId.Get(), 0);
    // A disk may have been changed in the drive.
    const UINT type = node->path.empty() ? DRIVE_UNKNOWN : shell::DriveTypeOf(node->path);
    if ((type == DRIVE_REMOVABLE || type == DRIVE_CDROM) && IsDriveRoot(node->path)) m_desktopTree.RefreshItem(item);
}

void CDesktopPage::OnShown()
{
    if (!Settings().GetSetting(Setting::ExplorerMode)) return;
    CBasicWindow* open = CWindowList::Instance().Windows().empty() ? nullptr : CWindowList::Instance().Windows().front();
    if (open && open->Kind() != WindowKind::Folder) return;
    HTREEITEM selected = m_desktopTree.Selected();
    if (!selected || selected == m_desktopTree.Root()) {
        if (!m_desktopTree.SelectPath("C:\\")) return;
        selected = m_desktopTree.Selected();
    }
    OnOpenItem(selected);
}

bool CDesktopPage::CanEditLabel(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    return node && !node->path.empty() && !IsDriveRoot(node->path);
}

bool CDesktopPage::QueryRename() const
{
    const ShellTreeItem* node = m_desktopTree.SelectedNode();
    return node && !node->path.empty() && !IsDriveRoot(node->path);
}

bool CDesktopPage::QueryProperties() const { return m_desktopTree.SelectedNode() != nullptr; }

bool CDesktopPage::OnLabelEdited(HTREEITEM item, const char* text)
{
    ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node || node->path.empty()) return false;
    std::string name = text;
    const std::size_t first = name.find_first_not_of(" \t");
    const std::size_t last = name.find_last_not_of(" \t");
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    const std::size_t slash = node->path.find_last_of('\\');
    if (name.empty() || slash == std::string::npos || name == node->path.substr(slash + 1)) return false;
    const std::string source = OperationPath(*node);
    if (source.empty()) return false;
    const std::string target = source.substr(0, source.rfind('\\') + 1) + name;
    const std::string oldPath = node->path;
    const std::string newPath = oldPath.substr(0, slash + 1) + name;
    std::vector<char> from = PathList(source);
    std::vector<char> to = PathList(target);
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = FrameWindow();
    operation.wFunc = FO_RENAME;
    operation.pFrom = from.data();
    operation.pTo = to.data();
    operation.fFlags = FOF_ALLOWUNDO;
    // The windows on the folder, or below it, let go of it for the rename.
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    const std::vector<CBasicWindow*> showing = frame ? frame->FolderWindowsAtOrBelow(oldPath) : std::vector<CBasicWindow*>();
    for (CBasicWindow* window : showing) ::SendMessageA(window->Handle(), UWM_PAUSEWATCHERS, 0, 0);
    if (::SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted) {
        for (CBasicWindow* window : showing) ::SendMessageA(window->Handle(), UWM_RESUMEWATCHERS, 0, 0);
        return false;
    }
    // The tree, and the windows showing the folder or a folder below it, take the new name.
    if (frame)
        frame->OnFolderRenamed(oldPath, newPath, nullptr);
    else
        m_desktopTree.FolderRenamed(oldPath, newPath);
    RedrawSoon();
    // The item was made anew: the edit keeps nothing of the old one.
    return false;
}

void CDesktopPage::CopyOrMoveItem(HTREEITEM item, bool move)
{
    ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node || node->path.empty()) return;
    const std::string title = ui::LoadString(move ? IDS_MOVE_TITLE : IDS_COPY_TITLE) + node->name + " " +
                              ui::LoadString(IDS_TITLE_TO);
    const FolderChoice choice = ChooseTargetFolder(FrameWindow(), title);
    const std::string source = OperationPath(*node);
    if (source.empty()) return;
    // A personal folder only lists the item: nothing moves on the disk.
    if (AddToChosenPersonal(choice, {source}, FrameWindow())) return;
    const std::string& target = choice.path;
    if (target.empty()) return;
    if (move && Settings().GetSetting(Setting::ConfirmOperations) &&
        ui::ShowMessage(FrameWindow(), ui::LoadString(IDS_CONFIRM_MOVE_TO) + target + "?",
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // On a worker, as every copy and move: the shell's progress and
    // questions must not stop the windows. The tree's watchers show the result.
    const std::string parent = FolderPartOf(source);
    folderdrop::StartCopyOrMove(move ? fileops::Function::Move : fileops::Function::Copy, {source}, target,
                                fileops::kRenameOnCollision, FolderWindowShowing(parent),
                                move ? parent : std::string(), 0);
}

void CDesktopPage::SetGhosted(const std::string& path, bool ghosted)
{
    if (HTREEITEM item = m_desktopTree.FindPath(path))
        TreeView_SetItemState(m_desktopTree.Handle(), item, ghosted ? TVIS_CUT : 0, TVIS_CUT);
}

void CDesktopPage::CutItem(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node || node->path.empty()) return;
    if (!m_cutPath.empty()) SetGhosted(m_cutPath, false);
    CutList& cut = CutList::Instance();
    // Owned by the tree: the end of the move is posted there, where it means nothing else.
    m_cutTag = cut.Begin(reinterpret_cast<std::uintptr_t>(m_desktopTree.Handle()), [] { return std::rand(); });
    ui::SetClipboardText(Handle(), m_cutTag);
    cut.Add(node->path);
    m_cutPath = node->path;
    SetGhosted(m_cutPath, true);
    ::SetTimer(Handle(), kCutGhostTimerId, kCutGhostCheckMs, nullptr);
}

void CDesktopPage::CheckCut()
{
    const CutList& cut = CutList::Instance();
    const bool still = !m_cutTag.empty() && cut.Tag() == m_cutTag && cut.IsCurrent(ui::ClipboardText(Handle())) &&
                       !cut.Paths().empty() && cut.Paths().front() == m_cutPath;
    if (still) {
        // A listing made the item anew since the cut.
        SetGhosted(m_cutPath, true);
        return;
    }
    ::KillTimer(Handle(), kCutGhostTimerId);
    if (!m_cutPath.empty()) SetGhosted(m_cutPath, false);
    m_cutPath.clear();
    m_cutTag.clear();
}

bool CDesktopPage::DragItem(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node || node->path.empty()) return false;
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    if (!IsDriveRoot(node->path) &&
        !(shell::Attributes(desktop.Get(), node->absoluteId.Get(), SFGAO_FILESYSTEM) & SFGAO_FILESYSTEM))
        return false;
    const std::string path = OperationPath(*node);
    if (path.empty()) return true;
    auto* data = new filedrop::FileListData({path});
    // One folder goes: the frame's cursors in their form for one item.
    static const filedrop::DragCursors cursors(filedrop::DragCursors::Form::OneItem);
    auto* source = new filedrop::DragSource(&cursors);
    DWORD effect = DROPEFFECT_NONE;
    ::DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    source->Release();
    data->Release();
    return true;
}

LRESULT CDesktopPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_TREEDRAGSTART:
        DragItem(reinterpret_cast<HTREEITEM>(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kCutGhostTimerId) {
            CheckCut();
            return 0;
        }
        break;
    case WM_DESTROY:
        ::KillTimer(Handle(), kCutGhostTimerId);
        break;
    default:
        break;
    }
    return CDesktopDropPage::WindowProc(message, wParam, lParam);
}

bool CDesktopPage::ShowItemMenu(HTREEITEM item, POINT point)
{
    ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node || item == m_desktopTree.Root()) return false;
    ui::Pidl parentId(ui::PidlParent(node->absoluteId.Get()));
    ui::ComPtr<IShellFolder> parent = shell::BindFolder(parentId.Get());
    LPCITEMIDLIST relative[] = {ui::PidlLast(node->absoluteId.Get())};
    ui::ComPtr<IContextMenu> shellMenu;
    if (!parent || FAILED(parent->GetUIObjectOf(Handle(), 1, relative, IID_IContextMenu, nullptr, shellMenu.OutVoid())))
        return false;
    HMENU menu = ::CreatePopupMenu();
    shellMenu->QueryContextMenu(menu, 0, kFirstShellCommand, kLastShellCommand, CMF_EXPLORE | CMF_CANRENAME);
    if (!node->path.empty()) {
        // The program's own: the texts of the File menu's commands.
        HMENU frameMenu = ::GetMenu(FrameWindow());
        char copyText[64] = "";
        char moveText[64] = "";
        ::GetMenuStringA(frameMenu, ID_FILE_COPY_TO, copyText, sizeof(copyText), MF_BYCOMMAND);
        ::GetMenuStringA(frameMenu, ID_FILE_MOVE_TO, moveText, sizeof(moveText), MF_BYCOMMAND);
        if (copyText[0] && moveText[0]) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(menu, MF_STRING, ID_FILE_MOVE_TO, moveText);
            ::AppendMenuA(menu, MF_STRING, ID_FILE_COPY_TO, copyText);
        }
    }
    const UINT chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
    ::DestroyMenu(menu);
    if (chosen == ID_FILE_MOVE_TO || chosen == ID_FILE_COPY_TO) {
        CopyOrMoveItem(item, chosen == ID_FILE_MOVE_TO);
    } else if (chosen >= kFirstShellCommand && chosen <= kLastShellCommand) {
        char verb[64] = "";
        shellMenu->GetCommandString(chosen - kFirstShellCommand, GCS_VERBA, nullptr, verb, sizeof(verb));
        if (lstrcmpiA(verb, "rename") == 0) {
            TreeView_EditLabel(m_desktopTree, item);
            return true;
        }
        // A folder cut here goes to the program's own cut list, which the
        // views paste from.
        if (lstrcmpiA(verb, "cut") == 0 && !node->path.empty() && !IsDriveRoot(node->path)) {
            CutItem(item);
            RedrawSoon();
            return true;
        }
        shell::InvokeMenuCommand(shellMenu.Get(), FrameWindow(), chosen - kFirstShellCommand);
        if (lstrcmpiA(verb, "delete") == 0 || lstrcmpiA(verb, "cut") == 0) {
            RedrawSoon();
            if (lstrcmpiA(verb, "delete") == 0)
                if (HTREEITEM parentItem = m_desktopTree.Parent(item)) m_desktopTree.RefreshItem(parentItem);
        }
    }
    return true;
}
