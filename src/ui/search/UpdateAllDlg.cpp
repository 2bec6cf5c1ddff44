#include "ui/search/UpdateAllDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/dialogs/ProgressTexts.h"
#include "core/search/SearchSink.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/StatusReport.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/PersonalCommands.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>

// Windows
#include <commctrl.h>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

}  // namespace

CUpdateAllDlg::CUpdateAllDlg(std::vector<CPersonalFolder*> queue) : ui::Dialog(IDD_UPDATE_ALL), m_queue(std::move(queue))
{
}

BOOL CUpdateAllDlg::OnInitDialog()
{
    ResetProgress(IDC_UPDATE_ALL_PERSONAL_BAR, static_cast<long>(m_queue.size()));
    SetItemText(IDC_UPDATE_ALL_FOLDER, ui::LoadString(IDS_SEARCHING));
    m_current = 0;
    while (m_current < m_queue.size() && !StartCurrent()) ++m_current;
    if (m_current >= m_queue.size()) Finish();
    return TRUE;
}

bool CUpdateAllDlg::StartCurrent()
{
    CPersonalFolder& folder = *m_queue[m_current];
    if (m_current > 0) ::SendMessageA(Item(IDC_UPDATE_ALL_PERSONAL_BAR), PBM_STEPIT, 0, 0);
    SetItemText(IDC_UPDATE_ALL_PERSONAL, ui::LoadString(IDS_UPDATING_FOLDER) + folder.Name());
    m_foldersLeft = 0;
    ::SendMessageA(Item(IDC_UPDATE_ALL_FOLDER_BAR), PBM_SETPOS, 0, 0);
    ShowCounters();
    m_skipped = false;
    m_job = std::make_shared<ListingJob>();
    folder.SetRefreshPending(true);
    folder.SetContainsText(ui::LoadString(IDS_UPDATE_IN_PROGRESS));
    if (StartPersonalSearch(folder, Handle(), m_job)) return true;
    folder.SetRefreshPending(false);
    folder.UpdateSummary(Settings());
    m_job.reset();
    return false;
}

void CUpdateAllDlg::ShowCounters()
{
    SetItemText(IDC_UPDATE_ALL_FOLDERS_LEFT, CounterText(ui::LoadString(IDS_FOLDERS_LEFT), m_foldersLeft));
    const long personalLeft = static_cast<long>(m_queue.size() - m_current);
    SetItemText(IDC_UPDATE_ALL_PERSONAL_LEFT, CounterText(ui::LoadString(IDS_PERSONAL_FOLDERS_LEFT), personalLeft));
}

void CUpdateAllDlg::OnSearchStarted(long steps)
{
    m_foldersLeft = steps < 0 ? 0 : steps;
    ResetProgress(IDC_UPDATE_ALL_FOLDER_BAR, m_foldersLeft);
    ShowCounters();
}

void CUpdateAllDlg::OnStatus(const char* text, long steps)
{
    if (steps <= 0) return;
    if (text) SetItemText(IDC_UPDATE_ALL_FOLDER, ui::LoadString(IDS_SEARCHING) + text);
    ::SendMessageA(Item(IDC_UPDATE_ALL_FOLDER_BAR), PBM_DELTAPOS, static_cast<WPARAM>(steps), 0);
    m_foldersLeft = m_foldersLeft > steps ? m_foldersLeft - steps : 0;
    ShowCounters();
}

void CUpdateAllDlg::OnSearchEnded()
{
    if (!m_job || !m_job->delivered.load()) return;
    CPersonalFolder& folder = *m_queue[m_current];
    const bool completed = !m_skipped && !m_stopped && m_job->result.completed;
    folder.SetRefreshPending(false);
    if (completed) {
        folder.SetItems(m_job->result.store);
        folder.SetLoaded(true);
        folder.SetUpdated(static_cast<std::uint32_t>(std::time(nullptr)));
        if (!folder.ContentsChanged(Settings())) ShowResultsNotSaved(Handle(), folder);
        ++m_updated;
    } else {
        folder.UpdateSummary(Settings());
    }
    PersonalFolderChanged(folder);
    m_job.reset();
    if (m_stopped) {
        End(IDCANCEL);
        return;
    }
    while (++m_current < m_queue.size())
        if (StartCurrent()) return;
    Finish();
}

void CUpdateAllDlg::Finish()
{
    ::SendMessageA(Item(IDC_UPDATE_ALL_PERSONAL_BAR), PBM_STEPIT, 0, 0);
    ui::ShowMessage(Handle(), IDS_FINISHED_UPDATING_ALL, MB_OK | MB_ICONINFORMATION);
    End(IDOK);
}

void CUpdateAllDlg::StopSearch()
{
    if (!m_job) return;
    int running = WorkState::Running;
    m_job->state->compare_exchange_strong(running, WorkState::Stop);
}

bool CUpdateAllDlg::OnCommand(int id, int code)
{
    if (id == IDC_UPDATE_ALL_SKIP) {
        m_skipped = true;
        StopSearch();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CUpdateAllDlg::OnCancel()
{
    m_stopped = true;
    // The dialog closes when the stopped search has handed back its folder.
    if (m_job) StopSearch();
    else End(IDCANCEL);
}

INT_PTR CUpdateAllDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_SEARCHSTARTED: OnSearchStarted(static_cast<long>(wParam)); return TRUE;
    case UWM_STATUSTEXT: OnStatus(reinterpret_cast<const char*>(wParam), 1); return TRUE;
    case UWM_STATUSREPORT:
        if (const auto report = TakeStatusReport(wParam)) OnStatus(report->text.c_str(), report->steps);
        return TRUE;
    case UWM_WORKDONE: OnSearchEnded(); return TRUE;
    default: return ui::Dialog::DialogProc(message, wParam, lParam);
    }
}

void UpdateAllPersonalFolders(HWND owner)
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    if (!list) return;
    std::vector<CPersonalFolder*> queue;
    for (int i = 0; i < list->Count(); ++i) {
        auto* folder = static_cast<CPersonalFolder*>(list->FolderAt(i));
        if (!folder->CanUpdate()) continue;
        if (!UpdateInItsWindow(*folder)) queue.push_back(folder);
    }
    if (queue.empty()) {
        ui::ShowMessage(owner, IDS_ALL_PERSONAL_OPEN, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CUpdateAllDlg dialog(std::move(queue));
    dialog.DoModal(owner);
}
