// Drag and drop on an explorer view: the effect a drag would have, the drop
// itself (a copy, move or delete request, or shortcuts), the menu after a
// drag with the right button, scrolling near the edges, and dragging the
// selected files out of the list.
#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderOperThread.h"
#include "ui/folders/ShellOperations.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

constexpr char kShortcutSuffix[] = ".lnk";
// Drag scrolling: the band along an edge where the list scrolls, the part of
// it nearest the edge where it scrolls on every tick, and the header's room.
constexpr int kScrollBand = 20;
constexpr int kScrollNear = 10;
constexpr int kHeaderBand = 35;
constexpr int kFarTicksPerLine = 2;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }
HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }
std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

DWORD EffectOf(UINT command)
{
    switch (command) {
    case ID_DROP_MOVE: return DROPEFFECT_MOVE;
    case ID_DROP_COPY: return DROPEFFECT_COPY;
    case ID_DROP_LINK: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
    }
}

// The menu after a drag with the right button: the user picks the effect;
// the one the keys would give is the default, those the source refuses are grey.
DWORD ChooseEffect(HWND owner, POINTL point, DWORD proposed, DWORD allowed)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_DROP_MENU));
    if (!menu) return DROPEFFECT_NONE;
    HMENU popup = ::GetSubMenu(menu, 0);
    for (UINT command : {ID_DROP_MOVE, ID_DROP_COPY, ID_DROP_LINK}) {
        if (!(EffectOf(command) & allowed)) ::EnableMenuItem(popup, command, MF_BYCOMMAND | MF_GRAYED);
        if (EffectOf(command) == proposed) ::SetMenuDefaultItem(popup, command, FALSE);
    }
    ::SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, owner, nullptr));
    ::DestroyMenu(menu);
    return EffectOf(chosen) & allowed;
}

}  // namespace

bool CExplorerView::ShowsRecycleBin() const { return m_folderItem && shell::IsRecycleBin(m_folderItem->absoluteId); }

bool CExplorerView::AcceptsDrops() const
{
    if (ShowsRecycleBin() || shell::IsFolderPath(m_currentPath)) return true;
    return m_folderItem && m_folderItem->relativeId &&
           shell::Attributes(m_folderItem->parentFolder, m_folderItem->relativeId, SFGAO_DROPTARGET) != 0;
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
    if (keyState & (MK_LBUTTON | MK_RBUTTON)) m_rightDrag = (keyState & MK_RBUTTON) != 0;
    const std::vector<std::string> paths = filedrop::PathsOf(data);
    if (paths.empty()) return DROPEFFECT_NONE;
    const auto effect = fileops::DragOverEffect(ShowsRecycleBin(), AcceptsDrops(), paths.front(), keyState);
    return static_cast<DWORD>(effect) & allowed;
}

DWORD CExplorerView::DropFiles(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    std::vector<std::string> paths = filedrop::PathsOf(data);
    if (paths.empty()) return DROPEFFECT_NONE;
    DWORD effect = DropEffect(data, keyState, point, allowed);
    if (m_rightDrag) effect = ChooseEffect(Handle(), point, effect, allowed);
    m_rightDrag = false;
    if (effect == DROPEFFECT_NONE || !KeepExactPaths(paths)) return DROPEFFECT_NONE;

    const int row = FolderRowAt(point);
    const bool ontoRow = row >= 0;
    const std::string target = ontoRow ? ActionPathOf(*ItemAt(row)) : m_currentPath;
    if (target.empty()) {
        ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), ui::LoadString(IDS_WILDCARD_NAME) + ItemAt(row)->path,
                        MB_OK | MB_ICONSTOP);
        return DROPEFFECT_NONE;
    }
    const std::string sourceFolder = FolderPartOf(paths.front());
    const bool confirm = Settings().GetSetting(Setting::ConfirmOperations) != 0;
    if (ShowsRecycleBin() && !ontoRow) {
        if (!Accepted(fileops::CheckRequest(fileops::Function::Delete, paths, {}, [](const std::string& path) {
                return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
            })))
            return DROPEFFECT_NONE;
        SHFILEOPSTRUCTA request = {};
        request.wFunc = static_cast<UINT>(fileops::Function::Delete);
        request.fFlags = static_cast<FILEOP_FLAGS>(fileops::DeleteFlags(confirm, true));
        const bool started = CFolderDelThread::Start(new CFolderDelThread(
            request, sourceFolder, fileops::PathList(paths), FolderWindowShowing(sourceFolder)));
        return started ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    if (effect == DROPEFFECT_LINK) {
        LinkFiles(paths, target);
        return effect;
    }
    const bool move = effect == DROPEFFECT_MOVE;
    if (confirm &&
        ui::ShowMessage(MainWindow(), ui::LoadString(move ? IDS_CONFIRM_MOVE_TO : IDS_CONFIRM_COPY_TO) + target + "?",
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return DROPEFFECT_NONE;
    unsigned flags = 0;
    if (!fileops::AnyDroppedNew(paths, target, ontoRow)) {
        if (ui::ShowMessage(MainWindow(), IDS_DROPPED_ALL_EXIST, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return DROPEFFECT_NONE;
        flags |= fileops::kRenameOnCollision;
    }
    const bool started = RunCopyOrMove(move ? fileops::Function::Move : fileops::Function::Copy, paths, target, flags,
                                       FolderWindowShowing(sourceFolder), move ? sourceFolder : std::string(), 0);
    return started ? effect : DROPEFFECT_NONE;
}

void CExplorerView::LinkFiles(const std::vector<std::string>& paths, const std::string& target)
{
    HWND window = FolderWindowShowing(target);
    if (window) ::SendMessageA(window, UWM_PAUSEWATCHERS, 0, 0);
    for (const std::string& path : paths)
        shell::SaveShortcut(path, nullptr, fileops::JoinPath(target, FileNameOf(path) + kShortcutSuffix));
    if (!window) return;
    ::SendMessageA(window, UWM_RESUMEWATCHERS, 0, 0);
    // The window lists its folder again.
    ::PostMessageA(window, UWM_OPERDONE, 1, 0);
}

// --- The list's own drags ----------------------------------------------------

DWORD CExplorerView::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    if (enter) {
        m_dragScrollTicks = 0;
        ::SetTimer(Handle(), kDragScrollTimer, kDragScrollMs, nullptr);
    }
    SetDropRow(FolderRowAt(point));
    return DropEffect(data, keyState, point, allowed);
}

void CExplorerView::OnDragLeave()
{
    ::KillTimer(Handle(), kDragScrollTimer);
    SetDropRow(-1);
    m_rightDrag = false;
}

DWORD CExplorerView::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    ::KillTimer(Handle(), kDragScrollTimer);
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
    if (!leftOut.empty()) TellLeftOut(leftOut);
    return dragged || !leftOut.empty();
}
