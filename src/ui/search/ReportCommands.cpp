#include "ui/search/ReportCommands.h"

// Core
#include "core/search/ConditionList.h"
#include "core/search/Rule.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/CriteriaSheet.h"
#include "ui/search/ReportSheet.h"
#include "ui/search/RuleView.h"
#include "ui/search/SearchManagers.h"

// Resources
#include "res/resource.h"

namespace {

HWND Owner() { return CTrailmarkApp::Instance()->MainWindow(); }

void AddCriteria()
{
    CConditionList* criteria = CTrailmarkApp::Instance()->Criteria();
    CCondition added;
    if (!criteria || !EditCriteria(Owner(), CriteriaSheetVariant::AddCriteria, added)) return;
    criteria->Add(std::make_unique<CCondition>(added));
    criteria->SaveAll();
}

}  // namespace

bool OnReportCommand(UINT id)
{
    if (id >= ID_RULE_FIRST && id <= ID_RULE_LAST) {
        OpenRuleAt(static_cast<int>(id - ID_RULE_FIRST));
        return true;
    }
    switch (id) {
    case ID_TOOLS_CRITERIA_MANAGER: RunCriteriaManager(Owner()); return true;
    case ID_TOOLS_REPORTS_MANAGER: RunReportsManager(Owner()); return true;
    case ID_TOOLS_RULES_MANAGER: RunRulesManager(Owner()); return true;
    case ID_TOOLS_ADD_CRITERIA: AddCriteria(); return true;
    case ID_TOOLS_ADD_REPORT: AddReportOrRule(Owner(), false); return true;
    case ID_TOOLS_ADD_RULE: AddReportOrRule(Owner(), true); return true;
    default: return false;
    }
}

bool OnUpdateReportCommand(UINT id, ui::CommandState& state)
{
    if (id >= ID_RULE_FIRST && id <= ID_RULE_LAST) {
        CRuleList* rules = CTrailmarkApp::Instance()->Rules();
        const CRule* rule = rules ? rules->RuleAt(static_cast<int>(id - ID_RULE_FIRST)) : nullptr;
        state.enabled = rule && rule->CanExecute();
        return true;
    }
    switch (id) {
    case ID_TOOLS_CRITERIA_MANAGER: case ID_TOOLS_REPORTS_MANAGER: case ID_TOOLS_RULES_MANAGER:
    case ID_TOOLS_ADD_CRITERIA: case ID_TOOLS_ADD_REPORT: case ID_TOOLS_ADD_RULE:
        state.enabled = true;
        return true;
    default: return false;
    }
}
