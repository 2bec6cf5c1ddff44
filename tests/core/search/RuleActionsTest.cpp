// Core
#include "core/search/RuleActions.h"

// Tests
#include <gtest/gtest.h>

// Standard library
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

const std::vector<ItemAbilities> kItems = {
    {"C:\\a.txt", true, true, true},
    {"C:\\locked.txt", true, false, false},  // the shell allows copying only
    {"C:\\b.txt", true, true, true},
};

TEST(RuleActions, EachActionTakesTheItemsItIsAllowedInListOrder)
{
    struct Case {
        bool copy, move, del;
        Paths copied, moved, deleted;
    };
    const Case cases[] = {
        {true, false, false, {"C:\\a.txt", "C:\\locked.txt", "C:\\b.txt"}, {}, {}},
        {false, true, false, {}, {"C:\\a.txt", "C:\\b.txt"}, {}},
        {false, false, true, {}, {}, {"C:\\a.txt", "C:\\b.txt"}},
        // Move wins over Delete: nothing is deleted.
        {false, true, true, {}, {"C:\\a.txt", "C:\\b.txt"}, {}},
        {true, false, true, {"C:\\a.txt", "C:\\locked.txt", "C:\\b.txt"}, {}, {"C:\\a.txt", "C:\\b.txt"}},
        {false, false, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        CRule rule("R");
        rule.Copy().enabled = c.copy;
        rule.Move().enabled = c.move;
        rule.Delete().enabled = c.del;
        const RulePlan plan = PlanRule(rule, kItems);
        EXPECT_EQ(plan.copy, c.copied) << c.copy << c.move << c.del;
        EXPECT_EQ(plan.move, c.moved) << c.copy << c.move << c.del;
        EXPECT_EQ(plan.del, c.deleted) << c.copy << c.move << c.del;
    }
}

TEST(RuleActions, APathTheShellWouldReadAsAPatternTakesNoAction)
{
    CRule rule("R");
    rule.Copy().enabled = true;
    rule.Delete().enabled = true;
    const RulePlan plan = PlanRule(rule, {{"C:\\??.txt", true, true, true}, {"C:\\ab.txt", true, true, true}});
    EXPECT_EQ(plan.copy, Paths{"C:\\ab.txt"});
    EXPECT_EQ(plan.del, Paths{"C:\\ab.txt"});
    EXPECT_EQ(plan.leftOut, Paths{"C:\\??.txt"});
}

TEST(RuleActions, CriteriaLinesEndWithTheLastNameAlone)
{
    CReport report("R");
    EXPECT_TRUE(CriteriaListLines(report).empty());
    report.AddCriteria(CCondition("Texts"));
    EXPECT_EQ(CriteriaListLines(report), (Paths{"Texts"}));
    report.AddCriteria(CCondition("Bitmaps"));
    report.AddCriteria(CCondition("Big"));
    EXPECT_EQ(CriteriaListLines(report), (Paths{"Texts  And", "Bitmaps  And", "Big"}));
}

TEST(RuleActions, ADestinationIsShownFromTwoCharacters)
{
    EXPECT_EQ(DestinationButtonText("", "Destination Not Set"), "Destination Not Set");
    EXPECT_EQ(DestinationButtonText("C", "Destination Not Set"), "Destination Not Set");
    EXPECT_EQ(DestinationButtonText("C:", "Destination Not Set"), "C:");
    EXPECT_EQ(DestinationButtonText("D:\\Backup", "Destination Not Set"), "D:\\Backup");
}

}  // namespace
