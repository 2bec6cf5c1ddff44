#include "ui/explorer/DesktopDropPage.h"

// Core
#include "core/folders/OperationRules.h"

// Folders
#include "ui/folders/FolderDrop.h"
#include "ui/folders/Shell.h"
#include "ui/folders/ShellOperations.h"

// Application
#include "ui/app/TrailmarkApp.h"

namespace {

// Whether the path is the folder or lies below it (case ignored).
bool InsideFolder(const std::string& path, const std::string& folder)
{
    if (fileops::SameFolder(path, folder)) return true;
    const std::string prefix = folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
    return !prefix.empty() && path.size() > prefix.size() &&
           ::lstrcmpiA(path.substr(0, prefix.size()).c_str(), prefix.c_str()) == 0;
}

}  // namespace

HTREEITEM CDesktopDropPage::DropHighlight() const { return TreeView_GetDropHilight(m_shellTree.Handle()); }

DWORD CDesktopDropPage::EffectOver(HTREEITEM item, const std::vector<std::string>& paths, DWORD keyState,
                                   DWORD allowed) const
{
    const ShellTreeItem* node = item ? m_shellTree.NodeOf(item) : nullptr;
    if (!node || paths.empty()) return DROPEFFECT_NONE;
    const bool recycleBin = shell::IsRecycleBin(node->absoluteId.Get());
    // A folder cannot go into itself: no effect over its own branch.
    if (!recycleBin && !node->path.empty() && InsideFolder(node->path, paths.front())) return DROPEFFECT_NONE;
    // Files go into a folder of the file system (or the Recycle Bin) only.
    bool accepts = recycleBin || shell::IsFolderPath(node->path);
    if (!accepts && !node->path.empty()) {
        ui::ComPtr<IShellFolder> desktop = shell::Desktop();
        accepts = shell::Attributes(desktop.Get(), node->absoluteId.Get(), SFGAO_DROPTARGET) != 0;
    }
    const auto effect = fileops::DragOverEffect(recycleBin, accepts, paths.front(), keyState);
    return static_cast<DWORD>(effect) & allowed;
}

DWORD CDesktopDropPage::DropOnItem(HTREEITEM item, const std::vector<std::string>& paths, DWORD effect)
{
    const ShellTreeItem* node = item ? m_shellTree.NodeOf(item) : nullptr;
    if (!node || effect == DROPEFFECT_NONE) return DROPEFFECT_NONE;
    folderdrop::Target target;
    // A name the code page lost goes by its short path: the shell reads "?" as a pattern.
    target.folder = node->path.empty() ? std::string() : shell::ExactPathOf(node->absoluteId.Get(), node->path);
    target.recycleBin = shell::IsRecycleBin(node->absoluteId.Get());
    if (target.folder.empty() && !target.recycleBin) return DROPEFFECT_NONE;
    return folderdrop::Drop(paths, target, effect);
}

HTREEITEM CDesktopDropPage::ItemAt(POINT screen, UINT* flags) const
{
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ::ScreenToClient(m_shellTree.Handle(), &hit.pt);
    HTREEITEM item = TreeView_HitTest(m_shellTree.Handle(), &hit);
    if (flags) *flags = hit.flags;
    return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)) ? item : nullptr;
}

void CDesktopDropPage::HighlightDropItem(HTREEITEM item)
{
    if (item != DropHighlight()) TreeView_SelectDropTarget(m_shellTree.Handle(), item);
}

HTREEITEM CDesktopDropPage::LastVisibleItem() const
{
    HWND tree = m_shellTree.Handle();
    HTREEITEM item = TreeView_GetFirstVisible(tree);
    const UINT count = TreeView_GetVisibleCount(tree);
    for (UINT i = 1; item && i < count; ++i) {
        HTREEITEM next = TreeView_GetNextVisible(tree, item);
        if (!next) break;
        item = next;
    }
    return item;
}

void CDesktopDropPage::StartDragTimer()
{
    if (m_dragTimerRunning) return;
    m_dragTimerRunning = ::SetTimer(Handle(), kTreeDragTimerId, kTreeDragTickMs, nullptr) != 0;
}

void CDesktopDropPage::StopDragTimer()
{
    ::KillTimer(Handle(), kTreeDragTimerId);
    m_dragTimerRunning = false;
}

DWORD CDesktopDropPage::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    if (enter) {
        m_dragTicks = 0;
        m_dropItem = nullptr;
    }
    m_dragOver = true;
    // The button that holds the drag decides whether the drop offers the menu.
    if (keyState & (MK_LBUTTON | MK_RBUTTON)) m_rightDrag = (keyState & MK_RBUTTON) != 0;
    HTREEITEM item = ItemAt({point.x, point.y});
    HighlightDropItem(item);
    StartDragTimer();
    return EffectOver(item, filedrop::PathsOf(data), keyState, allowed);
}

void CDesktopDropPage::OnDragLeave()
{
    HighlightDropItem(nullptr);
    StopDragTimer();
    m_dropItem = nullptr;
    m_dragOver = false;
    m_rightDrag = false;
}

DWORD CDesktopDropPage::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    StopDragTimer();
    HWND frame = CTrailmarkApp::Instance()->MainWindow();
    ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(frame);
    HTREEITEM item = ItemAt({point.x, point.y});
    const std::vector<std::string> paths = filedrop::PathsOf(data);
    DWORD effect = EffectOver(item, paths, keyState, allowed);
    if (m_rightDrag && item) effect = folderdrop::ChooseEffect(Handle(), point, effect, allowed);
    HighlightDropItem(nullptr);
    m_dropItem = nullptr;
    m_dragOver = false;
    m_rightDrag = false;
    return DropOnItem(item, paths, effect);
}

void CDesktopDropPage::OnDragTick()
{
    ++m_dragTicks;
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    RECT page = {};
    ::GetWindowRect(Handle(), &page);
    HWND tree = m_shellTree.Handle();
    const treerules::DragScroll scroll =
        treerules::DragScrollAt(cursor.x, cursor.y, {page.left, page.top, page.right, page.bottom});
    if (scroll.lines < 0) {
        ::SendMessageA(tree, WM_VSCROLL, SB_LINEUP, 0);
        HighlightDropItem(TreeView_GetFirstVisible(tree));
    } else if (scroll.lines > 0) {
        ::SendMessageA(tree, WM_VSCROLL, SB_LINEDOWN, 0);
        HighlightDropItem(LastVisibleItem());
    }
    if (scroll.columns) ::SendMessageA(tree, WM_HSCROLL, scroll.columns < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);

    HTREEITEM highlighted = DropHighlight();
    if (highlighted != m_dropItem) {
        m_dropItem = highlighted;
        return;
    }
    if (!highlighted || highlighted == m_shellTree.Root() ||
        !treerules::HoverOpensNow(m_dragTicks, cursor.x, page.right))
        return;
    // The wait is over: the next drag-over starts the ticks again, unless
    // the cursor rests on the expand button, which opens or closes the item.
    StopDragTimer();
    UINT flags = 0;
    if (ItemAt(cursor, &flags) == highlighted && (flags & TVHT_ONITEMBUTTON)) {
        m_shellTree.Expand(highlighted, TVE_TOGGLE);
        StartDragTimer();
    }
}

LRESULT CDesktopDropPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CExplorerPage::WindowProc(message, wParam, lParam);
        if (result == 0 && m_shellTree.Handle()) m_dropTarget = filedrop::RegisterTarget(m_shellTree.Handle(), *this);
        return result;
    }
    case WM_DESTROY:
        StopDragTimer();
        filedrop::RevokeTarget(m_shellTree.Handle(), m_dropTarget);
        break;
    case WM_TIMER:
        if (wParam == kTreeDragTimerId) {
            OnDragTick();
            return 0;
        }
        break;
    default:
        break;
    }
    return CExplorerPage::WindowProc(message, wParam, lParam);
}
