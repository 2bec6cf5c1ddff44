#include "ui/search/SearchView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"
#include "core/app/SettingsStore.h"
#include "core/search/Report.h"
#include "core/search/SearchSink.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/ExplorerView.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/ItemBinder.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/ExplorerWindow.h"
#include "ui/frame/QueryWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/CriteriaSheet.h"
#include "ui/search/SearchDialogs.h"
#include "ui/search/SearchThread.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>

// Windows
#include <shellapi.h>

namespace {

constexpr UINT kFirstShellCommand = 1;
constexpr UINT kLastShellCommand = 0x7000;
constexpr std::size_t kTimeTextChars = 64;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

}  // namespace

std::string SearchWindowTitle()
{
    const std::time_t now = std::time(nullptr);
    char text[kTimeTextChars] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof(text), ui::LoadString(IDS_SEARCH_TIME_FORMAT).c_str(), local);
    return ui::LoadString(IDS_SEARCH_TIME) + text;
}

bool CSearchView::Create(HWND parent, UINT id)
{
    if (!CFilesView::Create(parent, id)) return false;
    BuildColumns(true);
    return true;
}

bool CSearchView::StartWith(const CCondition& criteria, bool folderMode)
{
    if (Running()) {
        ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), IDS_OPERATION_RUNNING, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_searchCriteria = criteria;
    m_folderMode = folderMode;
    return Start();
}

bool CSearchView::Start()
{
    if (Running()) return false;
    m_restart = false;
    // The last results' icon thread has nothing more to give: it stops, on
    // the items of its own store, which no one else touches now.
    RequestIconThreadStop();
    ClearList();
    SetTotalSize(0);
    SearchRequest request;
    request.view = Handle();
    request.window = m_window ? m_window->Handle() : nullptr;
    // A view may send the run's messages elsewhere (a progress dialog).
    FillRequest(request);
    request.fastFind = CSearchThread::ChooseFastFind(request.criteria, Settings().GetSetting(Setting::FastFind) != 0,
                                                     Settings().IsWindowsNT());
    ListingJobPtr job = BeginJob();
    if (!CFolderThread::Start(new CSearchThread(std::move(request), job))) {
        m_job.reset();
        return false;
    }
    return true;
}

void CSearchView::FillRequest(SearchRequest& request) const { request.criteria.push_back(m_searchCriteria); }

void CSearchView::Stop()
{
    if (!m_job) return;
    int running = WorkState::Running;
    m_job->state->compare_exchange_strong(running, WorkState::Stop);
}

void CSearchView::OnWorkDone()
{
    ListingResult result;
    if (!TakeJobResult(result)) return;
    if (m_restart) {
        // The stopped search's results are not wanted: the new one starts.
        Start();
        return;
    }
    ShowResult(result);
}

void CSearchView::ShowResult(ListingResult& result)
{
    if (!result.store || result.rows.empty()) return;
    PrepareImageLists(result.needIconThread, result.noOverlays);
    if (!result.noOverlays) {
        std::vector<CFileItem*> links, shares;
        for (std::size_t i = 0; i < result.links.Count(); ++i) links.push_back(result.links[i]);
        for (std::size_t i = 0; i < result.shares.Count(); ++i) shares.push_back(result.shares[i]);
        ApplyOverlays(links, shares);
    }
    m_list.SetRedraw(false);
    SetRows(std::move(result.rows), std::move(result.store));
    SetFocusRow(0);
    m_list.SetRedraw(true);
    SetTotalSize(result.totalSize);
    if (NeedIconThread()) StartIconThread();
    else if (ViewMode() == kDetailsMode && AnyDetailsPending()) StartIconThread(false);
}

bool CSearchView::ButtonsEnabled() const
{
    return !m_job || m_job->state->load() != WorkState::Running;
}

void CSearchView::NewSearch()
{
    CCondition criteria;
    const auto variant = m_folderMode ? CriteriaSheetVariant::FolderNewSearch : CriteriaSheetVariant::NewSearch;
    if (!EditCriteria(CTrailmarkApp::Instance()->MainWindow(), variant, criteria)) return;
    m_searchCriteria = criteria;
    if (m_window) m_window->SetTitle(SearchWindowTitle());
    if (Running()) {
        m_job->state->store(WorkState::StopForRestart);
        m_restart = true;
        return;
    }
    Start();
}

void CSearchView::Properties()
{
    const auto variant = m_folderMode ? CriteriaSheetVariant::FolderProperties : CriteriaSheetVariant::Properties;
    EditCriteria(CTrailmarkApp::Instance()->MainWindow(), variant, m_searchCriteria);
}

void CSearchView::AddToReports()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CReportList* reports = app->Reports();
    if (!reports) return;
    if (reports->IsFull()) {
        if (ui::ShowMessage(app->MainWindow(), IDS_LIST_FULL, MB_YESNO) != IDYES) return;
        ::SendMessageA(app->MainWindow(), WM_COMMAND, ID_TOOLS_REPORTS_MANAGER, 0);
        if (reports->IsFull()) return;
    }
    std::string name = reports->MakeUniqueName(kReportNameBase);
    if (!AskText(app->MainWindow(), ui::LoadString(IDS_ENTER_REPORT_NAME), name)) return;
    name = TrimName(name);
    if (name.empty()) return;
    auto report = std::make_unique<CReport>(name);
    report->AddCriteria(m_searchCriteria).SetName(name);
    if (!reports->AddReport(std::move(report))) return;
    reports->SaveAll();
}

std::vector<CFileItem*> CSearchView::SelectedItems() const
{
    std::vector<CFileItem*> items;
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
        if (CFileItem* item = ItemAt(row)) items.push_back(item);
    return items;
}

void CSearchView::OpenOriginalFolder()
{
    const std::vector<CFileItem*> items = SelectedItems();
    if (items.empty()) return;
    const CFileItem& found = *items.front();
    const std::string folder = found.folderPath;
    // A name the code page lost may be borne by several rows: the short name is the item's own.
    const std::string name = HoldsPattern(found.name) && !found.shortName.empty() ? found.shortName : found.name;
    auto* window = dynamic_cast<CExplorerWindow*>(
        CWindowList::Instance().OpenWindow(folder, WindowKind::Folder, nullptr, 0));
    if (!window || !window->ExplorerView()) return;
    CExplorerView& view = *window->ExplorerView();
    if (view.HasWorker() || view.NavigationPending()) {
        view.SelectAfterFill(name);
        return;
    }
    const int row = view.RowOfName(name);
    if (row < 0) return;
    view.List().SetState(-1, 0, LVIS_SELECTED);
    view.List().SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(view.List().Handle(), row, FALSE);
}

void CSearchView::BindItems(bool selectedOnly)
{
    // A listing worker reads the items' references without the lock: they
    // are set only while none runs.
    if (HasWorker() || !m_store) return;
    CItemBinder binder;
    auto next = [&](int row) { return selectedOnly ? m_list.NextSelected(row) : row + 1 < RowCount() ? row + 1 : -1; };
    for (int row = next(-1); row != -1; row = next(row))
        if (CFileItem* item = ItemAt(row)) binder.Bind(*item, *m_store);
}

void CSearchView::OnOpen(int row)
{
    CFileItem* item = ItemAt(row);
    if (!item) return;
    // A name the code page lost is opened through its short name; without
    // one, an item bound when it was listed still opens by its identifier
    // list (a folder) or the shell's default command (a file).
    const std::string exact = ActionPathOf(*item);
    if (item->isDirectory) {
        CWindowList::Instance().OpenWindow(exact.empty() ? item->path : exact, WindowKind::Folder,
                                           exact.empty() ? item->absoluteId : nullptr, 0);
        return;
    }
    if (!exact.empty()) {
        ::ShellExecuteA(CTrailmarkApp::Instance()->MainWindow(), nullptr, exact.c_str(), nullptr,
                        FolderPartOf(exact).c_str(), SW_SHOWNORMAL);
        return;
    }
    shell::InvokeDefaultCommand(item->folder, item->relativeId, Handle());
}

void CSearchView::OnRowContextMenu(POINT screen)
{
    PrepareSelectedItems();
    const std::vector<CFileItem*> selected = SelectedItems();
    if (selected.empty()) return;
    // The shell's menu covers items of one folder: those that share the
    // first item's.
    std::vector<LPCITEMIDLIST> ids;
    for (const CFileItem* item : selected)
        if (item->folder == selected.front()->folder && item->relativeId) ids.push_back(item->relativeId);
    ui::ComPtr<IContextMenu> menu;
    IShellFolder* folder = selected.front()->folder;
    if (folder && FAILED(folder->GetUIObjectOf(Handle(), static_cast<UINT>(ids.size()), ids.data(), IID_IContextMenu,
                                               nullptr, menu.OutVoid())))
        menu.Reset();
    HMENU popup = ::CreatePopupMenu();
    if (menu) menu->QueryContextMenu(popup, 0, kFirstShellCommand, kLastShellCommand, CMF_NORMAL);
    const int count = ::GetMenuItemCount(popup);
    const UINT position = count > 0 ? static_cast<UINT>(count - 1) : 0;
    ::InsertMenuA(popup, position, MF_BYPOSITION | MF_STRING, ID_FILE_FIND_TARGET,
                  ui::LoadString(IDS_OPEN_ORIGINAL_ITEM).c_str());
    const UINT own = AddRowMenuItems(popup, position + 1);
    if (count > 0) ::InsertMenuA(popup, position + 1 + own, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr));
    if (command == ID_FILE_FIND_TARGET) OpenOriginalFolder();
    else if (!OnRowMenuCommand(command) && menu && command >= kFirstShellCommand && command <= kLastShellCommand) {
        char verb[64] = "";
        if (FAILED(menu->GetCommandString(command - kFirstShellCommand, GCS_VERBA, nullptr, verb, sizeof(verb))))
            verb[0] = '\0';
        verb[sizeof(verb) - 1] = '\0';
        if (!OnRowShellVerb(verb)) shell::InvokeMenuCommand(menu.Get(), Handle(), command - kFirstShellCommand);
    }
    ::DestroyMenu(popup);
}

bool CSearchView::OnCommand(UINT id)
{
    switch (id) {
    case ID_SEARCH_NEW: NewSearch(); return true;
    case ID_SEARCH_PROPERTIES: Properties(); return true;
    case ID_SEARCH_ADD_TO_REPORTS: AddToReports(); return true;
    case ID_SEARCH_ADD_TO_PERSONAL: AddToPersonal(PersonalNameProposal()); return true;
    case ID_FILE_FIND_TARGET: OpenOriginalFolder(); return true;
    case ID_SEARCH_AGAIN:
    case IDC_STOP:
        if (Running()) Stop();
        else Start();
        return true;
    default: return CFilesView::OnCommand(id);
    }
}

bool CSearchView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    switch (id) {
    case ID_SEARCH_NEW:
    case ID_SEARCH_PROPERTIES:
    case ID_SEARCH_ADD_TO_REPORTS:
    case ID_SEARCH_AGAIN:
        state.enabled = ButtonsEnabled();
        return true;
    case ID_SEARCH_ADD_TO_PERSONAL:
        state.enabled = ButtonsEnabled() && RowCount() > 0;
        return true;
    case ID_FILE_FIND_TARGET:
        state.enabled = m_list.SelectedCount() > 0;
        return true;
    default: return CFilesView::OnUpdateCommand(id, state);
    }
}

LRESULT CSearchView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UWM_VIEWFORWARD2 && wParam == ID_FILES_FIND_TARGET) {
        OpenOriginalFolder();
        return 0;
    }
    return CFilesView::WindowProc(message, wParam, lParam);
}
