// Core
#include "core/app/Settings.h"
#include "core/search/ConditionList.h"
#include "core/search/Report.h"
#include "core/search/RuleActions.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <string>
#include <vector>

namespace {

CCondition Criteria(const std::string& name, const std::string& patterns)
{
    CCondition criteria(name);
    criteria.SetPatterns(patterns);
    criteria.SetFolder("C:\\Data\\" + name);
    return criteria;
}

std::vector<std::string> CriteriaNames(const CReport& report)
{
    std::vector<std::string> names;
    for (const CCondition* criteria : report.CriteriaArray()) names.push_back(criteria->Name());
    return names;
}

TEST(Report, CopiesOwnTheirCriteria)
{
    CReport original("Weekly");
    original.AddCriteria(Criteria("A", "*.txt"));
    original.AddCriteria(Criteria("B", "*.doc"));

    CReport copy(original);
    copy.CriteriaAt(0)->SetPatterns("*.bak");
    EXPECT_EQ(original.CriteriaAt(0)->Patterns(), "*.txt");
    EXPECT_NE(copy.CriteriaAt(1), original.CriteriaAt(1));

    CReport assigned("Other");
    assigned.AddCriteria(Criteria("C", "*.c"));
    assigned.AddCriteria(Criteria("D", "*.h"));
    assigned.AddCriteria(Criteria("E", "*.cpp"));
    assigned = original;
    EXPECT_EQ(assigned.Name(), "Weekly");
    EXPECT_EQ(CriteriaNames(assigned), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(assigned.CriteriaAt(1)->Folder(), "C:\\Data\\B");
    EXPECT_EQ(assigned.CriteriaAt(5), nullptr);

    EXPECT_FALSE(assigned.RemoveCriteriaAt(2));
    EXPECT_TRUE(assigned.RemoveCriteriaAt(0));
    EXPECT_EQ(CriteriaNames(assigned), (std::vector<std::string>{"B"}));
    EXPECT_EQ(CriteriaNames(original), (std::vector<std::string>{"A", "B"}));
}

class ReportStoreTest : public StoreTest {
protected:
    const std::string m_reports = SectionPath("Reports");
};

TEST_P(ReportStoreTest, TwelveCriteriaComeBackInTheirOrderWithTheirValues)
{
    CReportList list(Store());
    auto report = list.MakeReport();
    std::vector<std::string> expected;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "C" + std::to_string(i);
        report->AddCriteria(Criteria(name, "*." + std::to_string(i)));
        expected.push_back(name);
    }
    report->CriteriaAt(11)->SetIncludeSubfolders(false);
    // Only a rule keeps its enabled flag; a report's is not stored.
    report->SetEnabled(false);
    ASSERT_NE(list.AddReport(std::move(report)), nullptr);
    list.SaveAll();
    EXPECT_EQ(ReadRawText(m_reports + "\\Object0\\Object10", "Name"), std::string("C10", 4));
    EXPECT_FALSE(HasValue(m_reports + "\\Object0", "Enabled"));

    CReportList loaded(Store());
    loaded.LoadAll();
    ASSERT_EQ(loaded.Count(), 1);
    const CReport& back = *loaded.ReportAt(0);
    EXPECT_EQ(back.Name(), " Report0");
    EXPECT_EQ(back.KeyName(), "Object0");
    EXPECT_TRUE(back.Enabled());
    EXPECT_EQ(CriteriaNames(back), expected);  // Object10 and Object11 after Object9
    EXPECT_EQ(back.CriteriaAt(7)->Patterns(), "*.7");
    EXPECT_EQ(back.CriteriaAt(7)->Folder(), "C:\\Data\\C7");
    EXPECT_FALSE(back.CriteriaAt(11)->IncludeSubfolders());
    EXPECT_TRUE(back.CriteriaAt(10)->IncludeSubfolders());
}

TEST_P(ReportStoreTest, ASaveWithFewerCriteriaLeavesNoOldOnes)
{
    CReportList list(Store());
    auto report = list.MakeReport();
    for (const char* name : {"A", "B", "C"}) report->AddCriteria(Criteria(name, "*.*"));
    CReport* stored = list.AddReport(std::move(report));
    list.SaveAll();
    *stored = CReport(stored->Name());
    stored->AddCriteria(Criteria("Z", "*.z"));
    list.SaveAll();
    EXPECT_EQ(SubKeys(m_reports + "\\Object0"), (std::vector<std::string>{"Object0"}));

    // Reload reads the record it was saved to, throwing away unsaved edits.
    stored->AddCriteria(Criteria("Unsaved", "*.u"));
    stored->Reload(Store(), SectionId::Reports);
    EXPECT_EQ(CriteriaNames(*stored), (std::vector<std::string>{"Z"}));
}

TEST_P(ReportStoreTest, TheListHoldsThirtyReportsWithDefaultNames)
{
    CReportList list(Store());
    for (int i = 0; i < CReportList::kMaxReports; ++i) ASSERT_NE(list.AddReport(list.MakeReport()), nullptr) << i;
    EXPECT_EQ(list.ReportAt(0)->Name(), " Report0");
    EXPECT_EQ(list.ReportAt(29)->Name(), " Report29");
    EXPECT_TRUE(list.IsFull());
    EXPECT_EQ(list.AddReport(std::make_unique<CReport>("One more")), nullptr);
    EXPECT_EQ(list.Count(), CReportList::kMaxReports);

    // A section that holds more (written by hand) still loads only thirty.
    list.SaveAll();
    WriteRawText(m_reports + "\\Object30", "Name", "Extra");
    CReportList loaded(Store());
    loaded.LoadAll();
    EXPECT_EQ(loaded.Count(), CReportList::kMaxReports);

    // A removed report's name is the first one given again.
    loaded.RemoveAt(3, true);
    EXPECT_EQ(loaded.MakeReport()->Name(), " Report3");
}

TEST_P(ReportStoreTest, TheAddMenuOffersANewCriteriaThenTheListAsItIsNow)
{
    CConditionList criteria(Store());
    const auto commands = [](const std::vector<MenuEntry>& entries) {
        std::vector<std::string> texts;
        for (const MenuEntry& entry : entries)
            texts.push_back(entry.kind == MenuEntry::Kind::Separator ? "-" : entry.text + "=" + std::to_string(entry.command));
        return texts;
    };
    EXPECT_EQ(commands(AddCriteriaMenuItems(criteria, "New", 10, 20, 3)), (std::vector<std::string>{"New=10"}));
    for (const char* name : {"A", "B", "C", "D"}) criteria.Add(std::make_unique<CCondition>(name));
    EXPECT_EQ(commands(AddCriteriaMenuItems(criteria, "New", 10, 20, 3)),
              (std::vector<std::string>{"New=10", "-", "A=20", "B=21", "C=22"}));
}

INSTANTIATE_FOR_EVERY_REGISTRY(ReportStoreTest);

}  // namespace
