#include "ui/frame/ExplorerWindow.h"

// Core
#include "core/app/RecentFileList.h"
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"
#include "core/folders/FileDetails.h"
#include "core/folders/StatusTexts.h"
#include "core/frame/FolderTitle.h"
#include "core/frame/TreeRules.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderRecord.h"
#include "ui/folders/Shell.h"
#include "ui/folders/ShellOperations.h"

// Explorer
#include "ui/explorer/DesktopTree.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/TabDropTarget.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

namespace {

constexpr char kRecycledPath[] = "C:\\Recycled";
// The shortest timer: it comes once the repaints due are done.
constexpr UINT kSoonestTimerMs = 0;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

// A folder in the one shown or beside it is parsed from its parent, which is
// bound already: parsing from the desktop reads every folder on the way.
std::shared_ptr<CFileItem> RecordNear(const std::string& path, const CFileItem& current)
{
    if (!IsFileSystemPath(path) || !IsFileSystemPath(current.path)) return nullptr;
    const std::string folder = FolderPartOf(path);
    const std::size_t slash = path.rfind('\\');
    if (folder.empty() || slash == std::string::npos || slash + 1 >= path.size()) return nullptr;
    IShellFolder* parent = nullptr;
    ui::Pidl parentList;
    if (SamePath(folder, current.path)) {
        parent = current.folder;
        parentList = ui::Pidl(ui::PidlClone(current.absoluteId));
    } else if (current.parentFolder && SamePath(folder, current.folderPath)) {
        parent = current.parentFolder;
        parentList = ui::Pidl(ui::PidlParent(current.absoluteId));
    }
    if (!parent || !parentList) return nullptr;
    ui::Pidl relative = shell::ParseInFolder(parent, path.substr(slash + 1));
    // One step down, or it is not the folder asked for.
    if (!relative || ui::PidlIsEmpty(relative.Get()) || ui::PidlLast(relative.Get()) != relative.Get()) return nullptr;
    ui::Pidl absolute(ui::PidlAppend(parentList.Get(), relative.Get()));
    return MakeFolderRecord(absolute.Get(), parent);
}

std::shared_ptr<CFileItem> RecordFor(const std::string& path, LPCITEMIDLIST absolute,
                                     const CFileItem* current = nullptr)
{
    if (absolute) return MakeFolderRecord(absolute);
    if (current)
        if (std::shared_ptr<CFileItem> found = RecordNear(path, *current)) return found;
    ui::Pidl parsed = shell::ParsePath(path);
    return parsed ? MakeFolderRecord(parsed.Get()) : nullptr;
}

}  // namespace

bool CExplorerWindow::s_historyMenuOpen = false;

CExplorerWindow::CExplorerWindow(WindowState state, LPCITEMIDLIST absolute)
    : CFolderWindow(std::move(state)), m_currentItem(RecordFor(m_state.path, absolute))
{
    if (m_currentItem) m_state.path = DisplayPathOf(*m_currentItem);
}

std::unique_ptr<CFilesView> CExplorerWindow::MakeView()
{
    auto view = std::make_unique<CExplorerView>();
    view->SetOwnerWindow(Handle());
    return view;
}

bool CExplorerWindow::OnCreate()
{
    if (!m_currentItem) {
        CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
        if (frame && !frame->IsStarting())
            ui::ShowMessage(frame->Handle(), ui::LoadString(IDS_OPEN_WINDOW_FAILED) + m_state.path, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!CFolderWindow::OnCreate()) return false;
    UpdateIcon();
    // The view sets the title as it starts listing.
    ExplorerView()->Navigate(m_state.path, m_currentItem);
    TellTaskBar(true);
    StartWatchers();
    UpdateFreeSpace();
    m_created = true;
    return true;
}

void CExplorerWindow::OnDestroy()
{
    StopWatchers();
    m_loading.reset();
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    // A window that never came up showed no folder worth remembering.
    if (m_created && frame && !frame->IsClosing() && !m_state.path.empty())
        CTrailmarkApp::Instance()->RecentFiles().Add(m_state.path);
    if (m_icon) ::DestroyIcon(m_icon);
    m_icon = nullptr;
    CFolderWindow::OnDestroy();
}

bool CExplorerWindow::RememberAtExit() const
{
    const std::string& path = m_state.path;
    if (path.find("\\\\") != std::string::npos) return false;
    if (shell::DriveTypeOf(path) != DRIVE_FIXED) return false;
    return static_cast<bool>(shell::ParsePath(path));
}

std::string CExplorerWindow::Title() const
{
    const bool fullPath = Settings().GetSetting(Setting::FullPathInTitle) != 0;
    const bool filtered = m_view && m_view->IsFiltered();
    return FolderWindowTitle(m_state.path, fullPath, filtered, ui::LoadString(IDS_FILTERED_SUFFIX));
}

void CExplorerWindow::RefreshTitle()
{
    ::SetWindowTextA(Handle(), Title().c_str());
    TellTaskBar(false);
}

void CExplorerWindow::TellTaskBar(bool iconChanged) const
{
    HWND main = CTrailmarkApp::Instance()->MainWindow();
    if (main)
        ::PostMessageA(main, UWM_WINDOWTITLECHANGED, reinterpret_cast<WPARAM>(Handle()),
                       iconChanged ? kTitleAndIconChanged : 0);
}

void CExplorerWindow::FollowListing()
{
    // The icon (slow to ask of some shells), the watchers (ending a change
    // notification can hold the system up for many milliseconds) and the
    // drive's free space follow once the listing is on the screen; the view
    // has set the title already.
    m_afterListingPending = true;
    if (!ExplorerView()->HasWorker()) ::SetTimer(Handle(), kAfterListingTimerId, kSoonestTimerMs, nullptr);
    // A long listing shows the new drive's space meanwhile.
    else UpdateFreeSpace();
}

void CExplorerWindow::FinishNavigation()
{
    m_afterListingPending = false;
    UpdateIcon();
    TellTaskBar(true);
    StartWatchers();
    UpdateFreeSpace();
}

void CExplorerWindow::UpdateIcon()
{
    if (m_currentItem && m_currentItem->iconIndex < 0) m_currentItem->iconIndex = shell::IconOfPidl(m_currentItem->absoluteId);
    m_iconIndex = m_currentItem ? m_currentItem->iconIndex : -1;
    if (m_iconIndex < 0) return;
    HICON icon = ImageList_GetIcon(CTrailmarkApp::Instance()->SmallImages(), m_iconIndex, ILD_TRANSPARENT);
    if (!icon) return;
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (m_icon) ::DestroyIcon(m_icon);
    m_icon = icon;
}

void CExplorerWindow::UpdateFreeSpace()
{
    m_freeSpace.clear();
    const std::string& path = m_state.path;
    if (path.size() < 2 || path[1] != ':') return;
    const std::string root = path.substr(0, 2) + "\\";
    double bytes = -1;
    if (GetDiskFreeSpaceExProc freeSpaceEx = CTrailmarkApp::Instance()->DiskFreeSpaceEx()) {
        ULARGE_INTEGER available = {}, total = {}, free = {};
        if (freeSpaceEx(root.c_str(), &available, &total, &free)) bytes = static_cast<double>(available.QuadPart);
    } else {
        DWORD sectors = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
        if (::GetDiskFreeSpaceA(root.c_str(), &sectors, &bytesPerSector, &freeClusters, &clusters))
            bytes = static_cast<double>(freeClusters) * sectors * bytesPerSector;
    }
    if (bytes < 0) return;
    const StatusStrings strings{{}, {}, ui::LoadString(IDS_SIZE_BYTES_FORMAT), ui::LoadString(IDS_SIZE_KB_FORMAT),
                                ui::LoadString(IDS_SIZE_MB_FORMAT), {}, {}};
    m_freeSpace = FormatStatusSize(bytes, strings);
}

std::string CExplorerWindow::FindWatchedPath() const
{
    if (!m_currentItem) return {};
    if (shell::IsFolderPath(m_state.path)) return m_state.path;
    char path[MAX_PATH] = "";
    if (::SHGetPathFromIDListA(m_currentItem->absoluteId, path) && path[0]) return path;
    return shell::IsRecycleBin(m_currentItem->absoluteId) ? kRecycledPath : std::string();
}

void CExplorerWindow::StartWatchers()
{
    StopWatchers();
    m_watchedPath = FindWatchedPath();
    if (m_watchedPath.empty() || !shell::IsFolderPath(m_watchedPath)) return;
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    const bool network = m_watchedPath.compare(0, 2, "\\\\") == 0;
    if (network && !app->IsWindowsNT()) return;
    // A file operation in this folder pauses the watchers until it ends.
    if (CMainFrame* frame = app->MainFrame())
        if (frame->RunningThreadList()->WorksOn(m_watchedPath)) return;
    WatchOptions options;
    options.attributes = Settings().GetSetting(Setting::RefreshOnAttributeChange) != 0;
    options.lastWrite = Settings().GetSetting(Setting::RefreshOnTimeChange) != 0;
    m_contentWatcher = FolderWatcher::Start(WatchKind::Contents, m_view->Handle(), m_watchedPath, options);
    m_sizeWatcher = FolderWatcher::Start(WatchKind::Size, Handle(), m_watchedPath, options);
}

void CExplorerWindow::StopWatchers()
{
    m_contentWatcher.reset();
    m_sizeWatcher.reset();
}

void CExplorerWindow::LoadingStarted()
{
    ::SetTimer(Handle(), kLoadingTimerId, kLoadingDelayMs, nullptr);
}

void CExplorerWindow::OnTimer(UINT_PTR id)
{
    if (id == kFreeSpaceTimerId) {
        ::KillTimer(Handle(), kFreeSpaceTimerId);
        UpdateFreeSpace();
        return;
    }
    if (id == kAfterListingTimerId) {
        ::KillTimer(Handle(), kAfterListingTimerId);
        if (m_afterListingPending) FinishNavigation();
        return;
    }
    if (id != kLoadingTimerId) {
        CFolderWindow::OnTimer(id);
        return;
    }
    ::KillTimer(Handle(), kLoadingTimerId);
    if (m_view && m_view->HasWorker()) ShowLoading();
}

void CExplorerWindow::ShowLoading()
{
    ShowStatusBar(true);
    m_loading.reset();
    m_loading = std::make_unique<LoadingIndicator>();
    RECT pane = {};
    ::SendMessageA(m_statusBar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    if (!m_loading->Create(m_statusBar, pane, ui::LoadString(IDS_LOADING_FOLDER))) {
        m_loading.reset();
        return;
    }
    m_loading->Start();
}

void CExplorerWindow::LoadingDone()
{
    ::KillTimer(Handle(), kLoadingTimerId);
    // A posted message would come before the rows are drawn.
    if (m_afterListingPending) ::SetTimer(Handle(), kAfterListingTimerId, kSoonestTimerMs, nullptr);
    if (StatusBarVisible()) ShowStatusBar(false);
    m_loading.reset();
}

void CExplorerWindow::ShowNavigateFailed(const std::string& path) const
{
    ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(),
                    ui::LoadString(IDS_OPEN_FOLDER_FAILED) + "'" + path + "'" + ui::LoadString(IDS_OPEN_FOLDER_FAILED_END),
                    MB_OK | MB_ICONSTOP);
}

bool CExplorerWindow::Navigate(const std::string& target, LPCITEMIDLIST absolute)
{
    m_contentWatcher.reset();
    std::string folderTarget = target;
    const bool pattern = IsPatternTarget(target, m_state.path);
    // A name-space folder has no path to replace: its identifier list names it.
    const bool namedByList = absolute && !IsFileSystemPath(target);
    if (pattern) {
        folderTarget = FolderPartOf(target);
    } else if (!namedByList && !shell::IsFolderPath(target)) {
        // A file, or a folder gone, opens the folder that holds it, found by
        // its path: an identifier list names the target itself, so it goes too.
        folderTarget = FolderPartOf(target);
        if (folderTarget != target) absolute = nullptr;
        if (!shell::IsFolderPath(folderTarget) && !absolute) {
            ShowNavigateFailed(target);
            m_fromBack = m_fromForward = false;
            StartWatchers();
            return false;
        }
    }
    CWindowList& list = CWindowList::Instance();
    CBasicWindow* other = list.FindOpenWindow(folderTarget, WindowKind::Folder);
    if (other && other != this) {
        list.ActivateWindow(other);
        m_fromBack = m_fromForward = false;
        StartWatchers();
        return true;
    }

    ItemPtr item = RecordFor(folderTarget, absolute, m_currentItem.get());
    if (!item && m_currentItem) {
        ui::Pidl relative = shell::ParseInFolder(m_currentItem->folder, folderTarget);
        if (relative) {
            ui::Pidl full(ui::PidlAppend(m_currentItem->absoluteId, relative.Get()));
            item = MakeFolderRecord(full.Get());
        }
    }
    if (!item) {
        StartWatchers();
        const UINT drive = shell::DriveTypeOf(folderTarget);
        // A changed disk may be behind the failure: the view reads the drive again.
        if (drive == DRIVE_REMOVABLE || drive == DRIVE_CDROM) ExplorerView()->Refresh();
        m_fromBack = m_fromForward = false;
        return false;
    }
    // The history changes only once the place is known to be reachable.
    if (m_fromBack || m_fromForward) {
        m_fromBack = m_fromForward = false;
    } else {
        m_forward.Clear();
        if (m_currentItem) m_back.AddUnlessNewest(m_currentItem);
    }
    m_currentItem = item;
    SetPath(DisplayPathOf(*item));
    // The listing starts first; a quick one is shown before the tree follows.
    // A folder whose name the code page lost goes by its exact path: "??" would be a pattern.
    const std::string viewPath = pattern ? target : PlacePathOf(*item);
    ExplorerView()->Navigate(viewPath, item);
    if (CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame()) frame->OnDocumentNavigated(this);
    if (Settings().GetSetting(Setting::ExplorerMode)) list.ActivateWindow(this);
    FollowListing();
    return true;
}

void CExplorerWindow::GoToHistory(bool back, std::size_t index)
{
    History& walked = back ? m_back : m_forward;
    History& other = back ? m_forward : m_back;
    if (index >= walked.Count() || !m_currentItem) return;
    const ItemPtr target = walked.Walk(index, m_currentItem, other);
    m_fromBack = back;
    m_fromForward = !back;
    Navigate(PlacePathOf(*target), target->absoluteId);
}

void CExplorerWindow::GoUp()
{
    if (!m_currentItem || !HasParentFolder(*m_currentItem)) return;
    ui::Pidl parent(ui::PidlParent(m_currentItem->absoluteId));
    ItemPtr record = MakeFolderRecord(parent.Get());
    if (!record) return;
    Navigate(PlacePathOf(*record), parent.Get());
}

void CExplorerWindow::FolderRenamed(const std::string& newPath)
{
    ItemPtr item = RecordFor(newPath, nullptr);
    if (!item) {
        StartWatchers();
        return;
    }
    m_currentItem = item;
    const std::string oldPath = Path();
    SetPath(DisplayPathOf(*item));
    if (CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame()) frame->OnDocumentRenamed(this, oldPath);
    ExplorerView()->Navigate(PlacePathOf(*item), item);
    FollowListing();
}

DWORD CExplorerWindow::ViewDropEffect(const DragRequest& request)
{
    return ExplorerView()->DropEffect(request.data, request.keyState, request.point, request.allowedEffects);
}

DWORD CExplorerWindow::ViewDrop(const DragRequest& request)
{
    return ExplorerView()->DropFiles(request.data, request.keyState, request.point, request.allowedEffects);
}

void CExplorerWindow::TreeNodeGone(const ShellTreeItem& node)
{
    if (m_view) ExplorerView()->LocationBox().Forget(&node);
    // The lists keep records of their own, which outlive the tree's items (a
    // tree listed again keeps the history); only places that went with the
    // item leave them. Whether a place is still there is asked only of the
    // few entries below the item.
    auto went = [&node](const ItemPtr& item) {
        const std::string place = DisplayPathOf(*item);
        return treerules::PlaceIsAtOrBelow(place, node.path) && !shell::IsFolderPath(place);
    };
    // A drive whose disk was taken out answers "not there", not with the
    // system's "drive not ready" box.
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    m_back.RemoveIf(went);
    m_forward.RemoveIf(went);
    ::SetErrorMode(oldMode);
}

void CExplorerWindow::ShowHistoryMenu(bool back, LPARAM under)
{
    const History& history = back ? m_back : m_forward;
    if (history.Empty()) return;
    const UINT base = back ? ID_BACK_HISTORY_FIRST : ID_FORWARD_HISTORY_FIRST;
    HMENU menu = ::CreatePopupMenu();
    for (std::size_t i = history.Count(); i-- > 0;)
        ::AppendMenuA(menu, MF_STRING, base + static_cast<UINT>(i), history.At(i)->name.c_str());
    // The toolbar's drop-down gives the corner under its button; else the cursor.
    POINT cursor = {static_cast<short>(LOWORD(under)), static_cast<short>(HIWORD(under))};
    if (!under) ::GetCursorPos(&cursor);
    s_historyMenuOpen = true;
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, cursor.x, cursor.y, 0, Handle(), nullptr));
    s_historyMenuOpen = false;
    ::DestroyMenu(menu);
    if (command) OnCommand(command);
}

bool CExplorerWindow::OnCommand(UINT id)
{
    if (id >= ID_BACK_HISTORY_FIRST && id <= ID_BACK_HISTORY_LAST) {
        GoToHistory(true, id - ID_BACK_HISTORY_FIRST);
        return true;
    }
    if (id >= ID_FORWARD_HISTORY_FIRST && id <= ID_FORWARD_HISTORY_LAST) {
        GoToHistory(false, id - ID_FORWARD_HISTORY_FIRST);
        return true;
    }
    switch (id) {
    case ID_GO_UP: GoUp(); return true;
    case ID_GO_BACK:
        if (!m_back.Empty()) GoToHistory(true, m_back.Count() - 1);
        return true;
    case ID_GO_FORWARD:
        if (!m_forward.Empty()) GoToHistory(false, m_forward.Count() - 1);
        return true;
    default: return CFolderWindow::OnCommand(id);
    }
}

bool CExplorerWindow::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (id >= ID_BACK_HISTORY_FIRST && id <= ID_BACK_HISTORY_LAST) {
        state.enabled = id - ID_BACK_HISTORY_FIRST < m_back.Count();
        return true;
    }
    if (id >= ID_FORWARD_HISTORY_FIRST && id <= ID_FORWARD_HISTORY_LAST) {
        state.enabled = id - ID_FORWARD_HISTORY_FIRST < m_forward.Count();
        return true;
    }
    switch (id) {
    case ID_GO_UP: state.enabled = m_currentItem && HasParentFolder(*m_currentItem); return true;
    case ID_GO_BACK: state.enabled = !m_back.Empty(); return true;
    case ID_GO_FORWARD: state.enabled = !m_forward.Empty(); return true;
    default: return CFolderWindow::OnUpdateCommand(id, state);
    }
}

LRESULT CExplorerWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_NAVIGATE:
        return Navigate(wParam ? reinterpret_cast<const char*>(wParam) : "",
                        reinterpret_cast<LPCITEMIDLIST>(lParam)) ? 1 : 0;
    case UWM_REFRESHTITLE: RefreshTitle(); return 0;
    case UWM_BACKMENU: ShowHistoryMenu(true, lParam); return 0;
    case UWM_FORWARDMENU: ShowHistoryMenu(false, lParam); return 0;
    case UWM_LOADINGDONE: LoadingDone(); return 0;
    case UWM_LOADINGSTARTED: LoadingStarted(); return 0;
    case UWM_OPERDONE:
        // The watchers were paused for the operation: the folder is listed again.
        CutList::Instance().MoveDone(static_cast<std::uint32_t>(lParam), wParam != 0);
        ::SendMessageA(m_view->Handle(), UWM_REFRESHVIEW, 0, 0);
        // Removable drives have no tree watcher and remote ones may not report: the item lists its folders again.
        if (const UINT drive = shell::DriveTypeOf(Path());
            drive == DRIVE_REMOVABLE || drive == DRIVE_REMOTE || Path().compare(0, 2, "\\\\") == 0)
            FolderTreeOperationDone(Path());
        return 0;
    case UWM_FOLDERSIZECHANGED:
        // Each new report puts the timer off again.
        ::SetTimer(Handle(), kFreeSpaceTimerId, kFreeSpaceDelayMs, nullptr);
        return 0;
    case UWM_TREENODEGONE:
        if (wParam) TreeNodeGone(*reinterpret_cast<const ShellTreeItem*>(wParam));
        return 0;
    case UWM_PAUSEWATCHERS: StopWatchers(); return 0;
    case UWM_RESUMEWATCHERS: StartWatchers(); return 0;
    case UWM_FOLDERRENAMED: FolderRenamed(reinterpret_cast<const char*>(wParam)); return 0;
    default: return CFolderWindow::WindowProc(message, wParam, lParam);
    }
}
