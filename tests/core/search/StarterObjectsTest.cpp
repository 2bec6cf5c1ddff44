// Core
#include "core/app/Settings.h"
#include "core/search/ConditionList.h"
#include "core/search/Personal.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"
#include "core/search/StarterObjects.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <set>
#include <string>

namespace {

class StarterObjectsTest : public StoreTest {};

TEST_P(StarterObjectsTest, FiveReportsAfterTheCriteriaAndTheZeroSizedRuleAreStored)
{
    CConditionList criteria(Store());
    criteria.CreateStarterCriteria();
    CReportList reports(Store());
    CRuleList rules(Store());
    CreateStarterReportsAndRule(criteria, reports, rules, "Display Zero Sized Files - No Action");

    // Read back from the store: each list was saved when filled.
    CReportList storedReports(Store());
    storedReports.LoadAll();
    ASSERT_EQ(storedReports.Count(), 5);
    const char* names[] = {kStarterBigFiles, kStarterTextFiles, kStarterBitmaps, kStarterExecutables,
                           kStarterZeroSized};
    for (int i = 0; i < 5; ++i) {
        const CReport& report = *storedReports.ReportAt(i);
        EXPECT_EQ(report.Name(), names[i]);
        ASSERT_EQ(report.CriteriaCount(), 1);
        EXPECT_EQ(report.CriteriaAt(0)->Name(), names[i]);
        EXPECT_EQ(report.CriteriaAt(0)->Patterns(), criteria.ConditionAt(i)->Patterns());
    }

    CRuleList storedRules(Store());
    storedRules.LoadAll();
    ASSERT_EQ(storedRules.Count(), 1);
    const CRule& rule = *storedRules.RuleAt(0);
    EXPECT_EQ(rule.Name(), "Display Zero Sized Files - No Action");
    ASSERT_EQ(rule.CriteriaCount(), 1);
    EXPECT_EQ(rule.CriteriaAt(0)->Name(), kStarterZeroSized);
    EXPECT_EQ(rule.CriteriaAt(0)->SizeSelector(), SizeKind::Equal);
    EXPECT_TRUE(rule.HasNoAction());
    EXPECT_TRUE(rule.ShowWindow());
    EXPECT_TRUE(rule.CanExecute());

    // The copies are the reports' own.
    criteria.ConditionAt(0)->SetPatterns("*.changed");
    EXPECT_EQ(reports.ReportAt(0)->CriteriaAt(0)->Patterns(), "*.*");
}

TEST_P(StarterObjectsTest, FivePersonalFoldersAfterTheCriteriaAreStoredWithResultsFilesOfTheirOwn)
{
    CConditionList criteria(Store());
    criteria.CreateStarterCriteria();
    CPersonalList folders(Store(), "C:\\Trailmark\\User1234", nullptr);
    CreateStarterPersonalFolders(criteria, folders, 1700000000);

    CPersonalList stored(Store(), "C:\\Trailmark\\User1234", nullptr);
    stored.LoadAll();
    ASSERT_EQ(stored.Count(), 5);
    std::set<std::string> files;
    for (int i = 0; i < 5; ++i) {
        const CPersonal& folder = *stored.FolderAt(i);
        EXPECT_EQ(folder.Name(), criteria.ConditionAt(i)->Name());
        ASSERT_EQ(folder.CriteriaCount(), 1);
        EXPECT_EQ(folder.CriteriaAt(0)->Patterns(), criteria.ConditionAt(i)->Patterns());
        EXPECT_EQ(folder.Created(), 1700000000u);
        EXPECT_EQ(folder.Updated(), 0u);
        files.insert(folder.ResultsFile());
    }
    EXPECT_EQ(files.size(), 5u);
}

INSTANTIATE_FOR_EVERY_REGISTRY(StarterObjectsTest);

}  // namespace
