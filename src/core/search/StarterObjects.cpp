#include "core/search/StarterObjects.h"

// Core
#include "core/search/ConditionList.h"
#include "core/search/Personal.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"

namespace {

constexpr int kStarterCriteriaCount = 5;
constexpr int kRuleCriteriaIndex = 4;  // "Zero Sized Files"

}  // namespace

void CreateStarterReportsAndRule(const CConditionList& criteria, CReportList& reports, CRuleList& rules,
                                 const std::string& ruleName)
{
    for (int i = 0; i < kStarterCriteriaCount; ++i) {
        const CCondition* source = criteria.ConditionAt(i);
        if (!source) break;
        auto report = std::make_unique<CReport>(source->Name());
        report->AddCriteria(*source);
        reports.AddReport(std::move(report));
    }
    reports.SaveAll();

    if (const CCondition* source = criteria.ConditionAt(kRuleCriteriaIndex)) {
        auto rule = std::make_unique<CRule>(ruleName);
        rule->AddCriteria(*source);
        rules.AddRule(std::move(rule));
    }
    rules.SaveAll();
}

void CreateStarterPersonalFolders(const CConditionList& criteria, CPersonalList& folders, std::uint32_t now)
{
    for (int i = 0; i < kStarterCriteriaCount; ++i) {
        const CCondition* source = criteria.ConditionAt(i);
        if (!source) break;
        std::unique_ptr<CPersonal> folder = folders.MakeFolder(now);
        folder->SetName(source->Name());
        folder->AddCriteria(*source);
        folders.Append(std::move(folder));
    }
    folders.SaveAll();
}
