#include "ui/search/PersonalView.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/search/SearchSink.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/FolderMessages.h"

// Dialogs
#include "ui/dialogs/UpdateProgressDlg.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/QueryWindow.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/SearchThread.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }
HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }
bool Confirmations() { return Settings().GetSetting(Setting::ConfirmOperations) != 0; }

}  // namespace

bool CPersonalView::RefusedWhileBusy() const
{
    if (!m_folder || !m_folder->Busy()) return false;
    ui::ShowMessage(MainWindow(), IDS_FOLDER_BUSY, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CPersonalView::OpenFolder(CPersonalFolder* folder)
{
    if (HasWorker()) {
        // The running search is abandoned; the folder shows once it has ended.
        m_pendingFolder = folder;
        StopWork(m_job->state);
        return;
    }
    m_folder = folder;
    ShowFolder();
}

void CPersonalView::ShowFolder()
{
    if (!m_folder) return;
    if (!m_folder->Loaded() && !m_folder->LoadResults(MainWindow())) {
        ClearList();
        if (m_folder->HasCriteria()) Update();
        return;
    }
    Fill();
}

void CPersonalView::Fill()
{
    if (!m_folder || HasWorker()) return;
    // The fill's worker reworks the folder's items, which the last icon
    // thread may still be writing: it ends first.
    StopIconThreadAndWait();
    ClearList();
    SetTotalSize(0);
    m_folder->SetContainsText(ui::LoadString(IDS_UPDATE_IN_PROGRESS));
    m_folder->SetRefreshPending(true);
    m_searching = false;
    ListingJobPtr job = BeginJob();
    job->result.store = m_folder->Items();
    if (!CFolderThread::Start(new CFolderThread(Handle(), job, true))) {
        m_job.reset();
        m_folder->SetRefreshPending(false);
        m_folder->UpdateSummary(Settings());
    }
}

void CPersonalView::Update()
{
    if (!m_folder || RefusedWhileBusy()) return;
    if (Running()) {
        Stop();
        return;
    }
    if (!m_folder->HasCriteria()) return;
    ClearList();
    m_folder->DiscardItems();
    m_folder->SetContainsText(ui::LoadString(IDS_UPDATE_IN_PROGRESS));
    m_folder->SetRefreshPending(true);
    m_searching = true;
    if (!Start()) {
        m_searching = false;
        m_folder->SetRefreshPending(false);
    }
}

void CPersonalView::FillRequest(SearchRequest& request) const
{
    if (!m_folder) return;
    for (const CCondition* criteria : m_folder->CriteriaArray()) request.criteria.push_back(*criteria);
    request.folderIcons = true;
    request.singleLevel = false;
}

void CPersonalView::OnWorkDone()
{
    ListingResult result;
    if (!TakeJobResult(result)) return;
    if (m_pendingFolder) {
        m_folder = m_pendingFolder;
        m_pendingFolder = nullptr;
        m_searching = false;
        ShowFolder();
        return;
    }
    if (!m_folder) return;
    const bool searched = m_searching;
    m_searching = false;
    m_folder->SetLoaded(true);
    if (searched) {
        m_folder->SetItems(result.store);
        if (!m_folder->ContentsChanged(Settings())) ShowResultsNotSaved(MainWindow(), *m_folder);
    } else {
        m_folder->UpdateSummary(Settings());
    }
    m_folder->SetUpdated(static_cast<std::uint32_t>(std::time(nullptr)));
    m_folder->SetRefreshPending(false);
    m_folder->SaveValues(Settings());
    PersonalFolderChanged(*m_folder);
    ShowResult(result);
}

void CPersonalView::CancelWork()
{
    m_pendingFolder = nullptr;
    CSearchView::CancelWork();
}

void CPersonalView::Clear()
{
    if (!m_folder || HasWorker() || RefusedWhileBusy()) return;
    if (Confirmations() &&
        ui::ShowMessage(MainWindow(), IDS_CONFIRM_CLEAR_PERSONAL, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    ClearList();
    SetTotalSize(0);
    m_folder->DiscardItems();
    m_folder->SetLoaded(true);
    if (!m_folder->ContentsChanged(Settings())) ShowResultsNotSaved(MainWindow(), *m_folder);
    PersonalFolderChanged(*m_folder);
}

std::vector<std::string> CPersonalView::SelectedPaths() const
{
    std::vector<std::string> paths;
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
        if (const CFileItem* item = ItemAt(row)) paths.push_back(item->path);
    return paths;
}

void CPersonalView::RemoveSelected()
{
    if (!m_folder || HasWorker() || RefusedWhileBusy()) return;
    const std::vector<std::string> paths = SelectedPaths();
    if (paths.empty()) return;
    if (Confirmations() &&
        ui::ShowMessage(MainWindow(), IDS_CONFIRM_REMOVE_ITEMS, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    m_folder->SetBusy(true);
    // The kept items move to a new store: no icon thread may write them
    // under the old store's lock meanwhile.
    StopIconThreadAndWait();
    ItemStorePtr kept = RemovePersonalItems(*m_folder, paths, MainWindow());
    ClearList();
    m_folder->SetItems(kept);
    m_folder->SetBusy(false);
    if (!m_folder->ContentsChanged(Settings())) ShowResultsNotSaved(MainWindow(), *m_folder);
    PersonalFolderChanged(*m_folder);
    Fill();
}

UINT CPersonalView::AddRowMenuItems(HMENU popup, UINT position)
{
    ::InsertMenuA(popup, position, MF_BYPOSITION | MF_STRING, ID_PERSONAL_REMOVE_ITEMS,
                  ui::LoadString(IDS_REMOVE_FROM_FOLDER_ITEM).c_str());
    return 1;
}

bool CPersonalView::OnRowMenuCommand(UINT command)
{
    if (command != ID_PERSONAL_REMOVE_ITEMS) return false;
    RemoveSelected();
    return true;
}

std::string CPersonalView::PersonalNameProposal() const { return m_folder ? m_folder->Name() : std::string(); }

std::vector<CCondition> CPersonalView::PersonalCriteria() const
{
    std::vector<CCondition> criteria;
    if (m_folder)
        for (const CCondition* each : m_folder->CriteriaArray()) criteria.push_back(*each);
    return criteria;
}

bool CPersonalView::OnCommand(UINT id)
{
    switch (id) {
    case ID_PERSONAL_UPDATE:
    case IDC_STOP: Update(); return true;
    case ID_PERSONAL_CLEAR: Clear(); return true;
    case ID_PERSONAL_REMOVE_ITEMS: RemoveSelected(); return true;
    case ID_VIEW_REFRESH: Fill(); return true;
    case ID_EDIT_PASTE:
    case ID_FILES_PASTE: Paste(); return true;
    case ID_FILE_RECYCLE: DeleteSelected(true); return true;
    case ID_FILE_DELETE: DeleteSelected(false); return true;
    // A search's own commands: the folder's criteria are changed on its page.
    case ID_SEARCH_NEW:
    case ID_SEARCH_PROPERTIES:
    case ID_SEARCH_AGAIN:
    case ID_SEARCH_ADD_TO_REPORTS: return false;
    default: return CSearchView::OnCommand(id);
    }
}

bool CPersonalView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    const bool idle = m_folder && !HasWorker() && !m_folder->Busy();
    switch (id) {
    case ID_PERSONAL_UPDATE: state.enabled = m_folder && m_folder->HasCriteria(); return true;
    case ID_PERSONAL_CLEAR: state.enabled = idle && RowCount() > 0; return true;
    case ID_PERSONAL_REMOVE_ITEMS: state.enabled = idle && m_list.SelectedCount() > 0; return true;
    case ID_VIEW_REFRESH: state.enabled = idle; return true;
    case ID_EDIT_PASTE:
    case ID_FILES_PASTE: state.enabled = idle && ::IsClipboardFormatAvailable(CF_HDROP); return true;
    case ID_FILE_RECYCLE:
    case ID_FILE_DELETE: state.enabled = idle && m_list.SelectedCount() > 0; return true;
    case ID_SEARCH_NEW:
    case ID_SEARCH_PROPERTIES:
    case ID_SEARCH_AGAIN:
    case ID_SEARCH_ADD_TO_REPORTS: return false;
    default: return CSearchView::OnUpdateCommand(id, state);
    }
}
