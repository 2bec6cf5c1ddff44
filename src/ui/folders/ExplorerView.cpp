#include "ui/folders/ExplorerView.h"

// Core
#include "core/app/Settings.h"

// Platform
#include "platform/DirectoryLister.h"

// Folders
#include "ui/folders/ExplorerThread.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>

namespace {

constexpr char kAllFiles[] = "*.*";
constexpr UINT kAddressBarId = 201;
constexpr int kAddressBarHeight = 200;  // with its drop-down list
constexpr char kOldProcProperty[] = "Trailmark.AddressEdit";
constexpr WORD kAddressTab = 100;  // notification of the address box: Tab pressed

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

bool HasParent(const CFileItem& folder) { return !ui::PidlIsEmpty(folder.absoluteId); }

// Enter in the address box's edit field goes to the view.
LRESULT CALLBACK AddressEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto oldProc = reinterpret_cast<WNDPROC>(::GetPropA(edit, kOldProcProperty));
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        HWND combo = ::GetParent(edit);
        ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(kAddressBarId, IDOK),
                       reinterpret_cast<LPARAM>(combo));
        return 0;
    }
    if (message == WM_CHAR && wParam == VK_RETURN) return 0;
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        // Tab goes on to the file list of the active window.
        HWND combo = ::GetParent(edit);
        ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(kAddressBarId, kAddressTab),
                       reinterpret_cast<LPARAM>(combo));
        return 0;
    }
    if (message == WM_CHAR && wParam == '\t') return 0;
    if (message == WM_NCDESTROY) {
        ::RemovePropA(edit, kOldProcProperty);
        ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    }
    return ::CallWindowProcA(oldProc, edit, message, wParam, lParam);
}

}  // namespace

bool CExplorerView::Create(HWND parent, UINT id)
{
    if (!CFilesView::Create(parent, id)) return false;
    CreateAddressBar();
    BuildColumns(true);
    return true;
}

void CExplorerView::CreateAddressBar()
{
    m_addressBar = ::CreateWindowExA(0, "COMBOBOX", nullptr,
                                     WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                     0, 0, 0, kAddressBarHeight, Handle(),
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kAddressBarId)),
                                     ::GetModuleHandleA(nullptr), nullptr);
    if (!m_addressBar) return;
    ::SendMessageA(m_addressBar, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (HWND edit = ::GetWindow(m_addressBar, GW_CHILD)) {
        ::SetPropA(edit, kOldProcProperty, reinterpret_cast<HANDLE>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)));
        ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AddressEditProc));
    }
    if (Settings().GetSetting(Setting::ShowAddressBar)) ::ShowWindow(m_addressBar, SW_SHOW);
}

bool CExplorerView::AddressBarVisible() const { return m_addressBar && ::IsWindowVisible(m_addressBar); }

std::string CExplorerView::AddressText() const
{
    char text[MAX_PATH] = "";
    if (m_addressBar) ::GetWindowTextA(m_addressBar, text, sizeof(text));
    return text;
}

void CExplorerView::Layout(int width, int height)
{
    int top = 0;
    if (AddressBarVisible()) {
        RECT bar;
        ::MoveWindow(m_addressBar, 0, 0, width, kAddressBarHeight, TRUE);
        ::GetWindowRect(m_addressBar, &bar);
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
    m_folderItem = std::move(folder);
    std::string maskFolder, pattern;
    if (!shell::IsFolderPath(path) && path.find(':') != std::string::npos &&
        listing::SplitMaskPath(path, maskFolder, pattern) && !pattern.empty()) {
        m_maskFolder = maskFolder;
        m_maskPattern = pattern;
        m_maskMode = true;
        m_currentPath = maskFolder;
        StartListing(pattern);
    } else {
        m_currentPath = IsBelowNetwork() ? path : m_folderItem->path;
        m_maskMode = false;
        StartListing({});
    }
    BuildColumns(m_folderItem->path.find('\\') != std::string::npos);
    if (m_addressBar) ::SetWindowTextA(m_addressBar, DisplayPath().c_str());
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_REFRESHTITLE, 0, 0);
}

void CExplorerView::StartListing(const std::string& mask)
{
    ListingJobPtr job = BeginJob();
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
    auto* worker = new CExplorerThread(std::move(request), job);
    if (!worker->CreateThread()) {
        delete worker;
        m_job.reset();
        return;
    }
    if (m_ownerWindow) ::SendMessageA(m_ownerWindow, UWM_LOADINGSTARTED, 0, 0);
}

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
        NavigatePending();
        return;
    }
    FinishFill(result);
}

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
    m_list.SetRedraw(false);
    SetRows(std::move(result.rows), std::move(result.store));
    if (!m_listingStopped && m_folderItem && HasParent(*m_folderItem)) InsertRow(0, ListRow{});
    Sort();
    SetFocusRow(HasUpRow() && RowCount() >= 2 ? 1 : 0);
    m_list.SetRedraw(true);
    if (!m_selectAfterFill.empty()) {
        const int row = RowOfName(m_selectAfterFill);
        if (row >= 0) {
            m_list.SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(m_list.Handle(), row, FALSE);
        }
        m_selectAfterFill.clear();
    }
    if (NeedIconThread()) StartIconThread();
    const bool realFolder = m_currentPath.find('\\') != std::string::npos;
    SetTotalSize(realFolder ? listing::SumFileSizes(platform::SystemDirectoryLister(), m_currentPath,
                                                    m_maskMode ? m_maskPattern : kAllFiles)
                            : 0);
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

void CExplorerView::OnDestroy()
{
    m_pendingFolder.reset();
    CFilesView::OnDestroy();
}

LRESULT CExplorerView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_REFRESHVIEW:
        // A watcher saw a change: list again unless a listing runs already.
        if (!m_job) ListAgain();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kAddressBarId && HIWORD(wParam) == IDOK) {
            OnAddressEnter();
            return 0;
        }
        if (LOWORD(wParam) == kAddressBarId && HIWORD(wParam) == kAddressTab) {
            HWND target = m_ownerWindow;
            if (CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame())
                if (HWND active = frame->ActiveDocument()) target = active;
            ::SendMessageA(target, UWM_FOCUSFILES, 0, 0);
            return 0;
        }
        break;
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

void CExplorerView::OnAddressEnter()
{
    std::string path = AddressText();
    const std::size_t first = path.find_first_not_of(" \t");
    const std::size_t last = path.find_last_not_of(" \t");
    path = first == std::string::npos ? std::string() : path.substr(first, last - first + 1);
    if (path.empty()) return;
    if (shell::IsFolderPath(path) && !shell::DriveReady(path)) return;
    HWND target = m_ownerWindow;
    if (CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame())
        if (HWND active = frame->ActiveDocument()) target = active;
    if (::SendMessageA(target, UWM_NAVIGATE, reinterpret_cast<WPARAM>(path.c_str()), 0))
        ::SendMessageA(m_addressBar, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}
