#include "ui/search/SearchManagers.h"

// Core
#include "core/search/ConditionList.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/CriteriaSheet.h"
#include "ui/search/ReportSheet.h"

// Resources
#include "res/resource.h"

namespace {

// The one selected entry, or -1 unless exactly one is.
int OnlySelected(const std::vector<int>& selected) { return selected.size() == 1 ? selected.front() : -1; }

// Opens the report or rule sheet on an object of `list`; true after OK.
template <typename List, typename Object>
bool EditInSheet(HWND owner, List& list, Object* object)
{
    if (!object) return false;
    CReportSheet sheet(list, object, false);
    return sheet.DoModal(owner) == IDOK;
}

}  // namespace

CConditionsDlg::CConditionsDlg(CConditionList& criteria)
    : CManagerDlg(IDD_CRITERIA_MANAGER, criteria), m_criteria(criteria)
{
}

void CConditionsDlg::OnAdd()
{
    CCondition criteria;
    if (!EditCriteria(Handle(), CriteriaSheetVariant::AddCriteria, criteria)) return;
    if (m_criteria.Add(std::make_unique<CCondition>(criteria))) AppendEntry(0);
}

void CConditionsDlg::OnEdit()
{
    const int index = OnlySelected(SelectedEntries());
    CCondition* criteria = m_criteria.ConditionAt(index);
    if (criteria && EditCriteria(Handle(), CriteriaSheetVariant::EditCriteria, *criteria)) RefreshEntry(index);
}

CReportsDlg::CReportsDlg(CReportList& reports) : CManagerDlg(IDD_REPORTS_MANAGER, reports), m_reports(reports) {}

void CReportsDlg::OnAdd()
{
    if (m_reports.IsFull()) return;
    CReportSheet sheet(m_reports, nullptr, false);
    if (sheet.DoModal(Handle()) == IDOK) AppendEntry(0);
}

void CReportsDlg::OnEdit()
{
    const int index = OnlySelected(SelectedEntries());
    if (EditInSheet(Handle(), m_reports, m_reports.ReportAt(index))) RefreshEntry(index);
}

// A full list takes no more: Add waits until an entry is deleted.
void CReportsDlg::OnButtonsUpdated() { ::EnableWindow(Item(IDC_MGR_ADD), !m_reports.IsFull()); }

CRulesDlg::CRulesDlg(CRuleList& rules) : CManagerDlg(IDD_RULES_MANAGER, rules), m_rules(rules) {}

void CRulesDlg::OnAdd()
{
    if (m_rules.IsFull()) return;
    CReportSheet sheet(m_rules, nullptr, false);
    if (sheet.DoModal(Handle()) == IDOK) AppendEntry(m_rules.RuleAt(m_rules.Count() - 1)->Enabled() ? IDB_ITEM_ENABLED
                                                                                                    : IDB_ITEM_DISABLED);
}

void CRulesDlg::OnEdit()
{
    const int index = OnlySelected(SelectedEntries());
    if (EditInSheet(Handle(), m_rules, m_rules.RuleAt(index))) RefreshEntry(index);
}

void CRulesDlg::OnButtonsUpdated()
{
    ::EnableWindow(Item(IDC_MGR_ADD), !m_rules.IsFull());
    // With several selected, the first one is described.
    const std::vector<int> selected = SelectedEntries();
    const CRule* rule = selected.empty() ? nullptr : m_rules.RuleAt(selected.front());
    SetItemText(IDC_RULE_DESCRIPTION, rule ? rule->Description() : std::string());
}

INT_PTR RunCriteriaManager(HWND owner)
{
    CConditionList* criteria = CTrailmarkApp::Instance()->Criteria();
    if (!criteria) return IDCANCEL;
    CConditionsDlg manager(*criteria);
    return manager.DoModal(owner);
}

INT_PTR RunReportsManager(HWND owner)
{
    CReportList* reports = CTrailmarkApp::Instance()->Reports();
    if (!reports) return IDCANCEL;
    CReportsDlg manager(*reports);
    return manager.DoModal(owner);
}

INT_PTR RunRulesManager(HWND owner)
{
    CRuleList* rules = CTrailmarkApp::Instance()->Rules();
    if (!rules) return IDCANCEL;
    CRulesDlg manager(*rules);
    return manager.DoModal(owner);
}
