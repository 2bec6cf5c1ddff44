// Core
#include "core/dialogs/TipNavigator.h"

// Standard library
#include <map>
#include <string>

// Gtest
#include <gtest/gtest.h>

namespace {

// Five tips, Tip0..Tip4; anything else reads as empty.
TipNavigator::Reader FiveTips()
{
    return [](const std::string& key) {
        static const std::map<std::string, std::string> tips = {
            {"Tip0", "zero"}, {"Tip1", "one"}, {"Tip2", "two"}, {"Tip3", "three"}, {"Tip4", "four"}};
        const auto it = tips.find(key);
        return it == tips.end() ? std::string() : it->second;
    };
}

TEST(TipNavigator, FirstUseShowsTipZeroWithoutPrevious)
{
    TipNavigator tips(-1, FiveTips());
    tips.Next();
    EXPECT_EQ(tips.Number(), 0);
    EXPECT_EQ(tips.Text(), "zero");
    EXPECT_FALSE(tips.CanGoBack());
}

TEST(TipNavigator, NextAfterTheLastWrapsToTheFirst)
{
    TipNavigator tips(3, FiveTips());
    tips.Next();
    EXPECT_EQ(tips.Text(), "four");
    EXPECT_TRUE(tips.CanGoBack());
    tips.Next();
    EXPECT_EQ(tips.Number(), 0);
    EXPECT_EQ(tips.Text(), "zero");
    EXPECT_FALSE(tips.CanGoBack());
}

TEST(TipNavigator, PreviousStopsAtTheFirst)
{
    TipNavigator tips(1, FiveTips());
    tips.Next();
    tips.Previous();
    EXPECT_EQ(tips.Text(), "one");
    tips.Previous();
    EXPECT_EQ(tips.Text(), "zero");
    EXPECT_FALSE(tips.CanGoBack());
    tips.Previous();
    EXPECT_EQ(tips.Number(), 0);
}

// Closing with Close on Tip3 shows Tip4 next time; with Esc it shows Tip3.
TEST(TipNavigator, CloseMovesOnAndEscShowsTheSameTipAgain)
{
    TipNavigator shown(2, FiveTips());
    shown.Next();
    ASSERT_EQ(shown.Text(), "three");

    TipNavigator afterClose(shown.NumberToStoreOnClose(), FiveTips());
    afterClose.Next();
    EXPECT_EQ(afterClose.Text(), "four");

    TipNavigator afterEsc(shown.NumberToStoreOnCancel(), FiveTips());
    afterEsc.Next();
    EXPECT_EQ(afterEsc.Text(), "three");
}

TEST(TipNavigator, AStoredNumberPastTheEndOrBelowMinusOneStartsAgain)
{
    TipNavigator past(40, FiveTips());
    past.Next();
    EXPECT_EQ(past.Number(), 0);
    TipNavigator damaged(-7, FiveTips());
    damaged.Next();
    EXPECT_EQ(damaged.Text(), "zero");
}

}  // namespace
