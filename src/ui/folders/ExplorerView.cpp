#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"

// Folders
#include "ui/folders/ExplorerThread.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderRecord.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>
#include <unordered_set>

// Windows
#include <windowsx.h>

namespace {

constexpr UINT kAddressBarId = 201;
constexpr int kAddressBarHeight = 200;  // with its drop-down list

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

bool HasParent(const CFileItem& folder) { return !ui::PidlIsEmpty(folder.absoluteId); }

// What tells a row's item from the others across two listings: names the
// code page lost look alike and differ in their short names.
std::string PlaceKey(const CFileItem& item)
{
    return item.shortName.empty() ? item.name : item.name + '\0' + item.shortName;
}

}  // namespace

bool CExplorerView::Create(HWND parent, UINT id)
{
    if (!CFilesView::Create(parent, id)) return false;
    CreateAddressBar();
    BuildColumns(true);
    m_dropTarget = new filedrop::DropTarget(*this);
    if (FAILED(::RegisterDragDrop(Handle(), m_dropTarget))) {
        m_dropTarget->Release();
        m_dropTarget = nullptr;
    }
    return true;
}

void CExplorerView::CreateAddressBar()
{
    if (!m_location.Create(Handle(), kAddressBarId, CLocationBox::Mode::Address, kAddressBarHeight)) return;
    if (Settings().GetSetting(Setting::ShowAddressBar)) ::ShowWindow(m_location.Handle(), SW_SHOW);
}

bool CExplorerView::AddressBarVisible() const
{
    return m_location.Handle() && ::IsWindowVisible(m_location.Handle());
}

std::string CExplorerView::AddressText() const { return m_location.Text(); }

void CExplorerView::Layout(int width, int height)
{
    int top = 0;
    if (AddressBarVisible()) {
        RECT bar;
        ::MoveWindow(m_location.Handle(), 0, 0, width, kAddressBarHeight, TRUE);
        ::GetWindowRect(m_location.Handle(), &bar);
        top = bar.bottom - bar.top;
    }
    ::MoveWindow(m_list.Handle(), 0, top, width, height > top ? height - top : 0, TRUE);
}

std::string CExplorerView::DisplayPath() const
{
    return m_maskMode ? m_maskFolder + m_maskPattern : m_currentPath;
}

bool CExplorerView::IsBelowNetwork() const
{
    return m_folderItem && m_folderItem->path.compare(0, 2, "\\\\") == 0;
}

void CExplorerView::Navigate(const std::string& path, FolderPtr folder)
{
    if (!folder) return;
    if (m_job || HasIconThread()) {
        m_pendingPath = path;
        m_pendingFolder = std::move(folder);
        m_navigationPending = true;
        if (HasIconThread()) RequestIconThreadStop();
        else StopWork(m_job->state);
        return;
    }
    // Another folder has no place of the old one's to keep, nor a change to catch up with.
    if (folder != m_folderItem) {
        m_keepPlace = m_refreshDue = false;
        m_keptSelection.clear();
    }
    m_folderItem = std::move(folder);
    // The folder's facts are asked again for the new listing.
    m_acceptsDrops = m_showsFolderPath = m_showsRecycleBin = -1;
    m_attributesOf = nullptr;
    std::string maskFolder, pattern;
    if (!shell::IsFolderPath(path) && path.find(':') != std::string::npos &&
        listing::SplitMaskPath(path, maskFolder, pattern) && !pattern.empty()) {
        m_maskFolder = maskFolder;
        m_maskPattern = pattern;
        m_maskMode = true;
        m_currentPath = maskFolder;
    } else {
        // The items' paths start with it: a folder whose name the code page
        // lost is reached through its short name, so that they are exact too.
        m_currentPath = IsBelowNetwork() ? path : PlacePathOf(*m_folderItem);
        m_maskMode = false;
        pattern.clear();
    }
    // Before the listing: a quick one fills the columns at once.
    BuildColumns(m_folderItem->path.find('\\') != std::string::npos);
    StartListing(pattern);
    // A virtual folder shows its name, as the window's title does.
    m_location.SetText(m_maskMode ? DisplayPath() : DisplayPathOf(*m_folderItem));
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_REFRESHTITLE, 0, 0);
}

void CExplorerView::StartListing(const std::string& mask)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    ExplorerListingRequest request;
    request.folderItem = m_folderItem;
    request.folderPath = m_maskMode ? m_maskFolder : m_currentPath;
    request.mask = mask;
    request.view = Handle();
    request.owner = app->MainWindow();
    request.onlyFiles = Settings().GetSetting(Setting::ShowOnlyFiles) != 0;
    request.showHidden = Settings().GetSetting(Setting::ShowHiddenFiles) != 0;
    request.belowNetwork = IsBelowNetwork();
    if (m_filtered) {
        auto filter = std::make_shared<ListingFilter>();
        filter->criteria = m_criteria;
        filter->alwaysAddFolders = m_alwaysAddFolders;
        filter->now = static_cast<std::int64_t>(std::time(nullptr));
        request.filter = std::move(filter);
    }
    request.appIcon = app->IconIndex(IconFile::App);
    request.driveShareIcon = app->IconIndex(IconFile::DriveShare);
    request.folderShareIcon = app->IconIndex(IconFile::FolderShare);
    bool started = false;
    if (m_nextWorker) {
        BeginJob(m_nextWorker->Job());
        started = m_nextWorker->Hand(std::move(request));
        m_nextWorker = nullptr;
    } else {
        auto* worker = new CExplorerThread(std::move(request), BeginJob());
        started = worker->CreateThread();
        if (!started) delete worker;
    }
    if (started && WaitForQuickListing()) {
        // The new rows replace the old ones at once: an empty list drawn in
        // between would only have taken the worker's processor. The report
        // still in the queue then finds no listing to take.
        DropRows();
        OnWorkDone();
        return;
    }
    // The old rows go while the worker reads the folder on.
    ClearList();
    if (!started) {
        m_job.reset();
        return;
    }
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_LOADINGSTARTED, 0, 0);
}

bool CExplorerView::WaitForQuickListing()
{
    // No message is taken meanwhile, not even one sent from another thread:
    // repaints and ticks would compete with the worker, and a handler run
    // here would find the view between two listings. A worker that waits
    // for this thread holds it up for the wait's length only.
    return m_job && m_job->reported && ::WaitForSingleObject(m_job->reported, s_quickListingMs) == WAIT_OBJECT_0 &&
           m_job->delivered.load();
}

DWORD CExplorerView::NextWorkerThreadId() const { return m_nextWorker ? m_nextWorker->ThreadId() : 0; }

void CExplorerView::PrepareNextWorker()
{
    if (m_nextWorker || !Handle()) return;
    auto* worker = new CExplorerThread(Handle());
    if (worker->CreateThread()) m_nextWorker = worker;
    else delete worker;
}

DWORD CExplorerView::s_quickListingMs = kQuickListingMs;

void CExplorerView::NavigatePending()
{
    m_navigationPending = false;
    m_listingStopped = false;
    FolderPtr folder = std::move(m_pendingFolder);
    const std::string path = m_pendingPath;
    m_pendingPath.clear();
    Navigate(path, std::move(folder));
}

void CExplorerView::OnWorkDone()
{
    ListingResult result;
    if (!TakeJobResult(result)) return;  // a late message of a listing given up
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_LOADINGDONE, 0, 0);
    if (m_navigationPending) {
        // For the listing after this one; a fill prepares it once its rows are drawn.
        ::PostMessageA(Handle(), UWM_PREPAREWORKER, 0, 0);
        NavigatePending();
        return;
    }
    FinishFill(result);
    // A change seen while the folder was read may be missing from these rows.
    if (m_refreshDue) {
        m_refreshDue = false;
        ::PostMessageA(Handle(), UWM_REFRESHVIEW, 0, 0);
    }
}

void CExplorerView::AfterRowsDrawn() { PrepareNextWorker(); }

void CExplorerView::FinishFill(ListingResult& result)
{
    m_lastIconPlan = result.iconPlan;
    PrepareImageLists(result.needIconThread, result.noOverlays);
    if (!result.noOverlays) {
        std::vector<CFileItem*> links, shares;
        for (std::size_t i = 0; i < result.links.Count(); ++i) links.push_back(result.links[i]);
        for (std::size_t i = 0; i < result.shares.Count(); ++i) shares.push_back(result.shares[i]);
        ApplyOverlays(links, shares);
    }
    // The listing has summed the sizes: the folder is not read a second time.
    // (Set first: the rows' exact sizes, where known, correct it.)
    const bool realFolder = m_currentPath.find('\\') != std::string::npos;
    SetTotalSize(realFolder ? result.totalSize : 0);
    std::vector<ListRow> rows = std::move(result.rows);
    if (!m_listingStopped && m_folderItem && HasParent(*m_folderItem)) rows.insert(rows.begin(), ListRow{});
    m_list.SetRedraw(false);
    SetRows(std::move(rows), std::move(result.store), true);
    SetFocusRow(HasUpRow() && RowCount() >= 2 ? 1 : 0);
    const int keptTop = m_keepPlace ? RestorePlace() : -1;
    m_list.SetRedraw(true);
    // Scrolled once the list draws again: it ignores a scroll while it does not.
    if (keptTop >= 0) ScrollToTop(keptTop);
    if (!m_selectAfterFill.empty()) {
        const int row = RowOfName(m_selectAfterFill);
        if (row >= 0) {
            m_list.SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(m_list.Handle(), row, FALSE);
        }
        m_selectAfterFill.clear();
    }
    for (const std::string& name : m_selectAfterFillAlso) {
        const int row = RowOfName(name);
        if (row >= 0) m_list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    m_selectAfterFillAlso.clear();
    AfterRowsShown(NeedIconThread());
    m_navigationPending = false;
    m_listingStopped = false;
}

void CExplorerView::OnIconsDone()
{
    const bool stopped = StopIconThreadRequested();
    ClearIconThreadStop();
    if (stopped && m_navigationPending) {
        NavigatePending();
        return;
    }
    m_navigationPending = false;
    m_listingStopped = false;
}

void CExplorerView::CancelWork()
{
    if (m_job) m_listingStopped = true;
    m_navigationPending = false;
    CFilesView::CancelWork();
}

void CExplorerView::Refresh()
{
    if (m_job) return;
    ListAgain();
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_FOLDERSIZECHANGED, 0, 0);
}

void CExplorerView::ListAgain()
{
    if (m_folderItem) Navigate(DisplayPath(), m_folderItem);
}

void CExplorerView::RefreshForChange()
{
    // A navigation under way lists anew anyway.
    if (m_navigationPending || !m_folderItem) return;
    if (m_job) {
        m_refreshDue = true;
        return;
    }
    KeepPlace();
    ListAgain();
}

void CExplorerView::KeepPlace()
{
    m_keepPlace = true;
    m_keptSelection.clear();
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
        if (const CFileItem* item = ItemAt(row)) m_keptSelection.push_back(PlaceKey(*item));
    const CFileItem* focused = ItemAt(ListView_GetNextItem(m_list.Handle(), -1, LVNI_FOCUSED));
    m_keptFocus = focused ? PlaceKey(*focused) : std::string();
    const CFileItem* top = ItemAt(ListView_GetTopIndex(m_list.Handle()));
    m_keptTop = top ? PlaceKey(*top) : std::string();
}

int CExplorerView::RestorePlace()
{
    m_keepPlace = false;
    // One pass over the rows, whatever the number selected.
    const std::unordered_set<std::string> selected(m_keptSelection.begin(), m_keptSelection.end());
    m_keptSelection.clear();
    int focusRow = -1, topRow = -1;
    for (int row = 0; row < RowCount(); ++row) {
        const CFileItem* item = ItemAt(row);
        if (!item) continue;
        const std::string key = PlaceKey(*item);
        if (selected.count(key)) m_list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (focusRow < 0 && !m_keptFocus.empty() && key == m_keptFocus) focusRow = row;
        if (topRow < 0 && !m_keptTop.empty() && key == m_keptTop) topRow = row;
    }
    if (focusRow >= 0) m_list.SetState(focusRow, LVIS_FOCUSED, LVIS_FOCUSED);
    return topRow;
}

void CExplorerView::ScrollToTop(int topRow)
{
    HWND list = m_list.Handle();
    RECT first = {};
    if (ViewMode() == kDetailsMode && ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS)) {
        // Details scroll by whole rows: the kept top row comes to the top again.
        const int rowHeight = first.bottom - first.top;
        ListView_Scroll(list, 0, (topRow - ListView_GetTopIndex(list)) * rowHeight);
    } else {
        ListView_EnsureVisible(list, topRow, FALSE);
    }
}

void CExplorerView::OnDestroy()
{
    if (m_nextWorker) m_nextWorker->Dismiss();
    m_nextWorker = nullptr;
    m_pendingFolder.reset();
    if (m_dropTarget) {
        ::RevokeDragDrop(Handle());
        m_dropTarget->Release();
        m_dropTarget = nullptr;
    }
    CFilesView::OnDestroy();
}

LRESULT CExplorerView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_location.OnParentMessage(message, wParam, lParam, result)) return result;
    switch (message) {
    case UWM_PREPAREWORKER:
        PrepareNextWorker();
        return 0;
    case UWM_VIEWFORWARD2:
        // The folder tree asks for a refresh (after the Recycle Bin changed).
        if (wParam != UWM_REFRESHVIEW) break;
        [[fallthrough]];
    case UWM_REFRESHVIEW:
        // A watcher saw a change (or a file operation ended).
        RefreshForChange();
        return 0;
    case UWM_LOCATIONCHOSEN:
        OnLocationChosen(reinterpret_cast<const char*>(wParam), lParam);
        return 0;
    case UWM_BACKGROUNDMENU:
        OnBackgroundMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case UWM_DRAGSTART:
        StartDrag(lParam != 0);
        return 0;
    case WM_TIMER:
        if (wParam != kDragScrollTimer) break;
        DragScroll();
        return 0;
    case WM_INITMENUPOPUP:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        // The shell draws its own submenus ("Send To") while its menu is tracked.
        if (m_contextMenu2) {
            m_contextMenu2->HandleMenuMsg(message, wParam, lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return CFilesView::WindowProc(message, wParam, lParam);
}

// A place chosen in the location box: the window that holds the view goes there.
void CExplorerView::OnLocationChosen(const char* path, LPARAM handle)
{
    if (!path || !m_ownerWindow) return;
    const std::string target = path;
    LPCITEMIDLIST absolute = nullptr;
    if (handle != CLocationBox::kLocalDrivesHandle)
        if (const auto* node = reinterpret_cast<const NameSpaceNode*>(handle)) absolute = node->absoluteId.Get();
    if (!::SendMessageA(m_ownerWindow, UWM_NAVIGATE, reinterpret_cast<WPARAM>(target.c_str()),
                        reinterpret_cast<LPARAM>(absolute)))
        m_location.SetText(m_folderItem ? DisplayPathOf(*m_folderItem) : DisplayPath());
}
