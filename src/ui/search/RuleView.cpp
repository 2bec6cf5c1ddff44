#include "ui/search/RuleView.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/WindowState.h"
#include "core/folders/ActionPath.h"
#include "core/folders/OperationRules.h"
#include "core/search/RuleActions.h"

// Framework
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/UpdateProgressDlg.h"

// Folders
#include "ui/folders/FolderDrop.h"
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/QueryWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/ReportSheet.h"
#include "ui/search/RuleOperThread.h"
#include "ui/search/SearchThread.h"

// Resources
#include "res/resource.h"

// Windows
#include <shlobj.h>

namespace {

HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }

// "Copy item(s) to folder " + the folder + "?"
bool AskAction(UINT questionId, const std::string& destination)
{
    return ui::ShowMessage(MainWindow(), ui::LoadString(questionId) + destination + "?",
                           MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace

bool CRuleView::OpenRule(const CRule& rule, bool hidden, HWND progress)
{
    if (Running()) return false;
    m_rule = rule;
    m_hidden = hidden;
    m_progress = progress;
    m_executed = false;
    return Start();
}

void CRuleView::ProgressClosed()
{
    m_progress = nullptr;
    if (!Running()) ExecuteOnce();
}

void CRuleView::ExecuteOnce()
{
    if (m_executed) return;
    m_executed = true;
    if (EnsureAction()) {
        Execute();
        return;
    }
    // Declined: a hidden rule's window has nothing left to show.
    if (m_window) ::PostMessageA(m_window->Handle(), WM_CLOSE, 0, 0);
}

void CRuleView::FillRequest(SearchRequest& request) const
{
    for (const CCondition* criteria : m_rule.CriteriaArray()) request.criteria.push_back(*criteria);
    request.singleLevel = true;
    if (m_progress) request.window = m_progress;
    // Nobody looks at the folder column of a rule run out of sight.
    request.folderIcons = !m_hidden;
}

void CRuleView::OnWorkDone()
{
    CReportView::OnWorkDone();
    if (!m_hidden || Running()) return;
    // The questions wait until the progress dialog is gone.
    if (m_progress) ::PostMessageA(m_progress, UWM_WORKDONE, 0, 0);
    else ExecuteOnce();
}

bool CRuleView::EnsureAction()
{
    if (!m_rule.HasNoAction()) return true;
    if (ui::ShowMessage(MainWindow(), IDS_RULE_NO_ACTION, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return false;
    CReportSheet sheet(m_rule);
    sheet.DoModal(MainWindow());
    return !m_rule.HasNoAction();
}

void CRuleView::Execute()
{
    if (!EnsureAction()) return;
    if (m_window) ::ShowWindow(m_window->Handle(), SW_HIDE);

    // The shell says what may be done with each item: all are acted on.
    BindItems(false);
    std::vector<ItemAbilities> items;
    for (int row = 0; row < RowCount(); ++row) {
        const CFileItem* item = ItemAt(row);
        if (!item) continue;
        // Each action asks the item's folder only for its own attribute. An
        // item with no exact path keeps its listed one: the plan leaves it out.
        ItemAbilities abilities;
        abilities.path = PlacePathOf(*item);
        abilities.canCopy = m_rule.Copy().On() && ItemHasAttribute(*item, SFGAO_CANCOPY);
        abilities.canMove = m_rule.Move().On() && ItemHasAttribute(*item, SFGAO_CANMOVE);
        abilities.canDelete = m_rule.Delete().On() && !m_rule.Move().On() && ItemHasAttribute(*item, SFGAO_CANDELETE);
        items.push_back(std::move(abilities));
    }
    const RulePlan plan = PlanRule(m_rule, items);
    if (!plan.leftOut.empty()) folderdrop::TellLeftOut(plan.leftOut);

    std::vector<RuleRequest> requests;
    if (!plan.copy.empty() && AskAction(IDS_CONFIRM_COPY_TO, m_rule.Copy().destination))
        requests.push_back({static_cast<unsigned>(fileops::Function::Copy), fileops::kRenameOnCollision, plan.copy,
                            m_rule.Copy().destination});
    if (!plan.move.empty() && AskAction(IDS_CONFIRM_MOVE_TO, m_rule.Move().destination))
        requests.push_back({static_cast<unsigned>(fileops::Function::Move), fileops::kRenameOnCollision, plan.move,
                            m_rule.Move().destination});
    if (!plan.del.empty()) {
        const bool confirm = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ConfirmOperations) != 0;
        requests.push_back({static_cast<unsigned>(fileops::Function::Delete), fileops::DeleteFlags(confirm, true),
                            plan.del, std::string()});
    }
    if (!requests.empty()) CRuleOperThread::Start(new CRuleOperThread(std::move(requests)));
    if (m_window) ::PostMessageA(m_window->Handle(), WM_CLOSE, 0, 0);
}

bool CRuleView::OnCommand(UINT id)
{
    switch (id) {
    case ID_RULE_EXECUTE: Execute(); return true;
    case ID_RULE_UPDATE: return CSearchView::OnCommand(ID_SEARCH_AGAIN);
    case ID_REPORT_AGAIN: return true;
    default: return CReportView::OnCommand(id);
    }
}

bool CRuleView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    switch (id) {
    case ID_RULE_EXECUTE: state.enabled = !Running(); return true;
    case ID_RULE_UPDATE: return CSearchView::OnUpdateCommand(ID_SEARCH_AGAIN, state);
    case ID_REPORT_AGAIN: state.enabled = false; return true;
    default: return CReportView::OnUpdateCommand(id, state);
    }
}

CQueryWindow* OpenRuleWindow(const CRule& rule)
{
    const std::string title = rule.Name() + ui::LoadString(IDS_RULE_SUFFIX);
    const std::uint8_t flag = rule.ShowWindow() ? 0 : kHiddenRuleFlag;
    auto* window = dynamic_cast<CQueryWindow*>(CWindowList::Instance().OpenWindow(title, WindowKind::Rule, nullptr, flag));
    auto* view = window ? dynamic_cast<CRuleView*>(window->View()) : nullptr;
    if (!view) return nullptr;
    if (rule.ShowWindow()) {
        view->OpenRule(rule, false);
        return window;
    }
    // The search runs under the progress dialog; the window never shows.
    CUpdateProgressDlg progress(ui::LoadString(IDS_BUILDING_FILE_LIST), ui::LoadString(IDS_SEARCHING),
                                ui::LoadString(IDS_FOLDERS_LEFT));
    progress.SetStarter([&](HWND dialog) {
        if (!view->OpenRule(rule, true, dialog)) return false;
        progress.SetWorkState(view->SearchState());
        return true;
    });
    if (progress.DoModal(MainWindow()) == IDABORT) {
        ::PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
        return nullptr;
    }
    view->ProgressClosed();
    return window;
}

bool OpenRuleAt(int index)
{
    CRuleList* rules = CTrailmarkApp::Instance()->Rules();
    const CRule* rule = rules ? rules->RuleAt(index) : nullptr;
    if (!rule) return false;
    return OpenRuleWindow(*rule) != nullptr;
}
