// Drag and drop on an explorer view: the effect a drag would have, the drop
// itself (a copy, move or delete request, or shortcuts), the menu after a
// drag with the right button, scrolling near the edges, and dragging the
// selected files out of the list.
#include "ui/folders/ExplorerView.h"

// Core
#include "core/folders/ActionPath.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderDrop.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/ShellOperations.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

// Drag scrolling: the band along an edge where the list scrolls, the part of
// it nearest the edge where it scrolls on every tick, and the header's room.
constexpr int kScrollBand = 20;
constexpr int kScrollNear = 10;
constexpr int kHeaderBand = 35;
constexpr int kFarTicksPerLine = 2;

HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }

}  // namespace

bool CExplorerView::ShowsRecycleBin() const
{
    if (m_showsRecycleBin < 0) m_showsRecycleBin = m_folderItem && shell::IsRecycleBin(m_folderItem->absoluteId) ? 1 : 0;
    return m_showsRecycleBin != 0;
}

// Asked once per listing: the toolbar's Paste and every move of a drag want it.
bool CExplorerView::AcceptsDrops() const
{
    if (m_acceptsDrops < 0)
        m_acceptsDrops = ShowsRecycleBin() || ShowsFolderPath() ||
                                 (m_folderItem && m_folderItem->relativeId &&
                                  shell::Attributes(m_folderItem->parentFolder, m_folderItem->relativeId,
                                                    SFGAO_DROPTARGET) != 0)
                             ? 1
                             : 0;
    return m_acceptsDrops != 0;
}

int CExplorerView::FolderRowAt(POINTL point) const
{
    LVHITTESTINFO hit = {};
    hit.pt = {point.x, point.y};
    ::ScreenToClient(m_list.Handle(), &hit.pt);
    RECT client = {};
    ::GetClientRect(m_list.Handle(), &client);
    if (!::PtInRect(&client, hit.pt)) return -1;
    const int row = ListView_HitTest(m_list.Handle(), &hit);
    const CFileItem* item = ItemAt(row);
    return item && item->isDirectory ? row : -1;
}

void CExplorerView::SetDropRow(int row)
{
    if (row == m_dropRow) return;
    if (m_dropRow >= 0 && m_dropRow < RowCount()) m_list.SetState(m_dropRow, 0, LVIS_DROPHILITED);
    if (row >= 0) m_list.SetState(row, LVIS_DROPHILITED, LVIS_DROPHILITED);
    m_dropRow = row;
}

DWORD CExplorerView::DropEffect(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    (void)point;
    // Whichever way the drag came, the button that holds it decides whether
    // the drop offers its menu (no button is held any more at the drop).
    return EffectFor(filedrop::PathsOf(data), keyState, allowed);
}

DWORD CExplorerView::EffectFor(const std::vector<std::string>& paths, DWORD keyState, DWORD allowed)
{
    if (keyState & (MK_LBUTTON | MK_RBUTTON)) m_rightDrag = (keyState & MK_RBUTTON) != 0;
    if (paths.empty()) return DROPEFFECT_NONE;
    const auto effect = fileops::DragOverEffect(ShowsRecycleBin(), AcceptsDrops(), paths.front(), keyState);
    return static_cast<DWORD>(effect) & allowed;
}

DWORD CExplorerView::DropFiles(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    const std::vector<std::string> paths = filedrop::PathsOf(data);
    if (paths.empty()) return DROPEFFECT_NONE;
    DWORD effect = EffectFor(paths, keyState, allowed);
    if (m_rightDrag) effect = folderdrop::ChooseEffect(Handle(), point, effect, allowed);
    m_rightDrag = false;
    if (effect == DROPEFFECT_NONE) return effect;
    const int row = FolderRowAt(point);
    folderdrop::Target target;
    target.ontoRow = row >= 0;
    target.folder = target.ontoRow ? ActionPathOf(*ItemAt(row)) : m_currentPath;
    if (target.folder.empty()) {
        ui::ShowMessage(MainWindow(), ui::LoadString(IDS_WILDCARD_NAME) + ItemAt(row)->path, MB_OK | MB_ICONSTOP);
        return DROPEFFECT_NONE;
    }
    target.recycleBin = ShowsRecycleBin();
    return folderdrop::Drop(paths, target, effect);
}

// --- The list's own drags ----------------------------------------------------

DWORD CExplorerView::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    if (enter) {
        m_dragScrollTicks = 0;
        ::SetTimer(Handle(), kDragScrollTimer, kDragScrollMs, nullptr);
        // The dragged list stays the same until the drag leaves or drops:
        // read once, not on every move (a lost name costs a disk look-up).
        m_dragPaths = filedrop::PathsOf(data);
    }
    SetDropRow(FolderRowAt(point));
    return EffectFor(m_dragPaths, keyState, allowed);
}

void CExplorerView::OnDragLeave()
{
    ::KillTimer(Handle(), kDragScrollTimer);
    SetDropRow(-1);
    m_rightDrag = false;
    m_dragPaths.clear();
}

DWORD CExplorerView::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    ::KillTimer(Handle(), kDragScrollTimer);
    m_dragPaths.clear();
    ::SetForegroundWindow(MainWindow());
    const DWORD effect = DropFiles(data, keyState, point, allowed);
    SetDropRow(-1);
    return effect;
}

// Near the top or bottom edge the list scrolls a line: on every tick close
// to the edge, on every second tick a little further in.
void CExplorerView::DragScroll()
{
    ++m_dragScrollTicks;
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    RECT area = {};
    ::GetWindowRect(m_list.Handle(), &area);
    if (cursor.x < area.left || cursor.x >= area.right) return;
    const int top = area.top + (ViewMode() == kDetailsMode ? kHeaderBand : 0);
    int distance = 0;
    WPARAM direction = SB_LINEUP;
    if (cursor.y >= top && cursor.y < top + kScrollBand) {
        distance = cursor.y - top;
    } else if (cursor.y < area.bottom && cursor.y >= area.bottom - kScrollBand) {
        distance = area.bottom - 1 - cursor.y;
        direction = SB_LINEDOWN;
    } else {
        return;
    }
    if (distance >= kScrollNear && m_dragScrollTicks % kFarTicksPerLine != 0) return;
    ::SendMessageA(m_list.Handle(), WM_VSCROLL, direction, 0);
}

bool CExplorerView::StartDrag(bool rightButton)
{
    (void)rightButton;  // the drop side tells the buttons apart
    std::vector<std::string> paths;
    for (const CFileItem* item : SelectedItems()) {
        if (item->path.empty() || !(fileops::IsDriveRoot(item->path) || ItemHasAttribute(*item, SFGAO_FILESYSTEM)))
            continue;
        paths.push_back(PlacePathOf(*item));
    }
    const std::vector<std::string> leftOut = TakePatternPaths(paths);
    // Told after the drag: a message box would end it.
    const bool dragged = !paths.empty();
    if (dragged) {
        auto* data = new filedrop::FileListData(std::move(paths));
        auto* source = new filedrop::DragSource();
        DWORD effect = DROPEFFECT_NONE;
        ::DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
        source->Release();
        data->Release();
    }
    // The items whose listed path the target would read as a pattern.
    if (!leftOut.empty()) folderdrop::TellLeftOut(leftOut);
    return dragged || !leftOut.empty();
}
