// Core
#include "core/app/Settings.h"
#include "core/search/Rule.h"

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

// Splits at each "\r\n"; what follows the last one is the last line.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

const std::string kRuleLine(19, '=');

TEST(Rule, DescriptionOfTwoCriteriaAndDeleteReadsLineByLine)
{
    CRule rule("Clean");
    rule.AddCriteria(Criteria("A", "*.a"));
    rule.AddCriteria(Criteria("B", "*.b"));
    rule.Delete().enabled = 1;
    EXPECT_EQ(Lines(rule.Description()),
              (std::vector<std::string>{"Find these file types:", kRuleLine, "A  And", "B", kRuleLine, "And",
                                        kRuleLine, "Delete it "}));
}

TEST(Rule, DescriptionTable)
{
    struct Case {
        int criteria;
        bool copy, move, del;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {0, false, false, false, {"Always", kRuleLine, "Do nothing."}},
        {0, true, false, false, {"Always", kRuleLine, "Copy it to D:\\Copies", ""}},
        {1, false, true, true,
         {"Find these file types:", kRuleLine, "A", kRuleLine, "And", kRuleLine, "Move it to E:\\Moved",
          "Delete it "}},
        {1, true, true, false,
         {"Find these file types:", kRuleLine, "A", kRuleLine, "And", kRuleLine, "Copy it to D:\\Copies",
          "Move it to E:\\Moved", ""}},
    };
    for (const Case& c : cases) {
        CRule rule;
        if (c.criteria) rule.AddCriteria(Criteria("A", "*.a"));
        rule.Copy() = {"D:\\Copies", static_cast<std::uint8_t>(c.copy)};
        rule.Move() = {"E:\\Moved", static_cast<std::uint8_t>(c.move)};
        rule.Delete().enabled = c.del;
        EXPECT_EQ(Lines(rule.Description()), c.lines) << c.criteria << c.copy << c.move << c.del;
        EXPECT_EQ(rule.HasNoAction(), !c.copy && !c.move && !c.del);
    }
}

TEST(Rule, OfferedForExecutionOnlyWhenEnabledWithCriteriaAndSomethingToDo)
{
    CRule rule("R");
    rule.SetShowWindow(false);
    EXPECT_FALSE(rule.CanExecute());  // no criteria
    rule.AddCriteria(Criteria("A", "*.a"));
    EXPECT_FALSE(rule.CanExecute());  // no action, no window
    rule.SetShowWindow(true);
    EXPECT_TRUE(rule.CanExecute());
    rule.SetShowWindow(false);
    rule.Copy().enabled = 1;
    EXPECT_TRUE(rule.CanExecute());
    rule.SetEnabled(false);
    EXPECT_FALSE(rule.CanExecute());
}

TEST(Rule, AssignmentCopiesActionsAndOwnCriteria)
{
    CRule source("Source");
    source.AddCriteria(Criteria("A", "*.a"));
    source.Copy() = {"C:\\To", 1};
    source.Move() = {"C:\\Away", 0};
    source.Delete().enabled = 1;
    source.SetShowWindow(false);
    source.SetEnabled(false);

    CRule target("Target");
    target.AddCriteria(Criteria("X", "*.x"));
    target.AddCriteria(Criteria("Y", "*.y"));
    target = source;
    EXPECT_EQ(target.Name(), "Source");
    EXPECT_FALSE(target.Enabled());
    ASSERT_EQ(target.CriteriaCount(), 1);
    EXPECT_NE(target.CriteriaAt(0), source.CriteriaAt(0));
    EXPECT_EQ(target.Copy().destination, "C:\\To");
    EXPECT_TRUE(target.Copy().On());
    EXPECT_EQ(target.Move().destination, "C:\\Away");
    EXPECT_FALSE(target.Move().On());
    EXPECT_TRUE(target.Delete().On());
    EXPECT_FALSE(target.ShowWindow());

    target.CriteriaAt(0)->SetPatterns("*.changed");
    EXPECT_EQ(source.CriteriaAt(0)->Patterns(), "*.a");
}

class RuleStoreTest : public StoreTest {
protected:
    const std::string m_rules = SectionPath("Rules");
};

TEST_P(RuleStoreTest, ThreeCriteriaAndEveryValueSurviveASaveAndLoad)
{
    CRuleList list(Store());
    auto rule = list.MakeRule();
    EXPECT_EQ(rule->Name(), " Rule0");
    rule->AddCriteria(Criteria("First", "*.1"));
    rule->AddCriteria(Criteria("Second", "*.2"));
    rule->AddCriteria(Criteria("Third", "*.3"));
    rule->CriteriaAt(1)->SetIncludeSubfolders(false);
    rule->Copy() = {"C:\\Copies", 1};
    rule->Move() = {"C:\\Moves", 0};
    rule->Delete().enabled = 1;
    rule->SetShowWindow(false);
    rule->SetEnabled(false);
    ASSERT_NE(list.AddRule(std::move(rule)), nullptr);
    list.SaveAll();

    const std::string key = m_rules + "\\Object0";
    EXPECT_EQ(ReadRawText(key, "Copy Destination"), std::string("C:\\Copies", 10));
    EXPECT_EQ(ReadRaw(key, "Show Window"), Bytes{0});
    EXPECT_EQ(ReadRaw(key, "Enabled"), Bytes{0});
    EXPECT_EQ(ReadRaw(key, "Delete"), Bytes{1});

    CRuleList loaded(Store());
    loaded.LoadAll();
    ASSERT_EQ(loaded.Count(), 1);
    const CRule& back = *loaded.RuleAt(0);
    EXPECT_EQ(back.Name(), " Rule0");
    ASSERT_EQ(back.CriteriaCount(), 3);
    EXPECT_EQ(back.CriteriaAt(0)->Name(), "First");
    EXPECT_EQ(back.CriteriaAt(1)->Name(), "Second");
    EXPECT_EQ(back.CriteriaAt(2)->Name(), "Third");
    EXPECT_EQ(back.CriteriaAt(2)->Patterns(), "*.3");
    EXPECT_FALSE(back.CriteriaAt(1)->IncludeSubfolders());
    EXPECT_EQ(back.Copy().destination, "C:\\Copies");
    EXPECT_TRUE(back.Copy().On());
    EXPECT_EQ(back.Move().destination, "C:\\Moves");
    EXPECT_FALSE(back.Move().On());
    EXPECT_TRUE(back.Delete().On());
    EXPECT_FALSE(back.ShowWindow());
    EXPECT_FALSE(back.Enabled());
}

TEST_P(RuleStoreTest, AShorterSaveLeavesNoStaleCriteria)
{
    CRuleList list(Store());
    auto rule = list.MakeRule();
    for (const char* name : {"A", "B", "C"}) rule->AddCriteria(Criteria(name, "*.*"));
    CRule* stored = list.AddRule(std::move(rule));
    list.SaveAll();
    EXPECT_EQ(SubKeys(m_rules + "\\Object0").size(), 3u);

    CRule shorter(stored->Name());
    shorter.AddCriteria(Criteria("Z", "*.z"));
    *stored = shorter;
    list.SaveAll();
    EXPECT_EQ(SubKeys(m_rules + "\\Object0"), (std::vector<std::string>{"Object0"}));

    CRuleList loaded(Store());
    loaded.LoadAll();
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.RuleAt(0)->CriteriaCount(), 1);
}

TEST_P(RuleStoreTest, AThirtyFirstRuleIsRefused)
{
    CRuleList list(Store());
    for (int i = 0; i < CRuleList::kMaxRules; ++i) ASSERT_NE(list.AddRule(list.MakeRule()), nullptr) << i;
    EXPECT_EQ(list.RuleAt(29)->Name(), " Rule29");
    EXPECT_EQ(list.AddRule(std::make_unique<CRule>("One more")), nullptr);
    EXPECT_EQ(list.Count(), CRuleList::kMaxRules);
}

INSTANTIATE_FOR_EVERY_REGISTRY(RuleStoreTest);

}  // namespace
