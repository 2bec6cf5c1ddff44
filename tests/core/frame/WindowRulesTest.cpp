// Core
#include "core/frame/WindowRules.h"

// Standard library
#include <tuple>
#include <utility>

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(WindowRules, TheLimitIsOneToFifteenAndCountsFolderWindowsOnly)
{
    for (auto [setting, limit] : {std::pair{0, 15}, {16, 15}, {-3, 15}, {1, 1}, {15, 15}, {7, 7}})
        EXPECT_EQ(WindowLimit(setting), limit) << setting;

    std::vector<WindowKind> open(14, WindowKind::Folder);
    EXPECT_TRUE(HasRoom(open, 15));
    open.push_back(WindowKind::Personal);
    EXPECT_FALSE(HasRoom(open, 15));
    EXPECT_FALSE(HasRoom(open, 0));  // 0 reads as 15
    open.pop_back();
    for (WindowKind other : {WindowKind::Search, WindowKind::Report, WindowKind::Rule})
        open.push_back(other);
    EXPECT_TRUE(HasRoom(open, 15));
    EXPECT_FALSE(HasRoom({WindowKind::Folder, WindowKind::Folder}, 2));
}

TEST(WindowRules, ArrangementFollowsTheModeUnlessExplorerOrMaximized)
{
    EXPECT_EQ(ArrangementAfterChange(1, false, false), Arrangement::TileVertically);
    EXPECT_EQ(ArrangementAfterChange(2, false, false), Arrangement::TileHorizontally);
    EXPECT_EQ(ArrangementAfterChange(3, false, false), Arrangement::Cascade);
    for (auto [mode, explorer, maximized] : {std::tuple{0, false, false}, {4, false, false},
                                             {3, true, false}, {1, false, true}, {99, false, false}})
        EXPECT_EQ(ArrangementAfterChange(mode, explorer, maximized), Arrangement::Nothing) << mode;

    // A new window takes the upper left eighty percent.
    EXPECT_EQ(NewWindowRect(1000, 601), (WindowRect{0, 0, 800, 480}));
    EXPECT_EQ(NewWindowRect(0, 0), (WindowRect{0, 0, 0, 0}));
}

TEST(WindowRules, WindowCommandsAreEnabledByTheirRules)
{
    WindowFacts facts;
    facts.openCount = 2;
    facts.hasActive = true;
    EXPECT_TRUE(CanCascadeOrTile(facts));
    EXPECT_TRUE(CanMinimizeAll(facts));
    EXPECT_TRUE(CanCloseWindows(facts));
    EXPECT_TRUE(CanShowWindowsList(facts));
    EXPECT_FALSE(CanArrangeIcons(facts));

    facts.minimizedCount = 2;  // all minimized
    EXPECT_FALSE(CanCascadeOrTile(facts));
    EXPECT_FALSE(CanMinimizeAll(facts));
    EXPECT_TRUE(CanArrangeIcons(facts));
    facts.taskbarVisible = true;  // minimized windows then live on the taskbar
    EXPECT_FALSE(CanArrangeIcons(facts));

    facts.minimizedCount = 0;
    facts.arrangeMode = static_cast<int>(ArrangeMode::Maximize);
    EXPECT_FALSE(CanCascadeOrTile(facts));
    EXPECT_FALSE(CanMinimizeAll(facts));

    facts.arrangeMode = 0;
    facts.explorerMode = true;
    EXPECT_FALSE(CanCascadeOrTile(facts));
    EXPECT_FALSE(CanCloseWindows(facts));
    EXPECT_FALSE(CanShowWindowsList(facts));

    WindowFacts none;
    EXPECT_FALSE(CanCloseWindows(none));
    EXPECT_FALSE(CanShowWindowsList(none));
    EXPECT_FALSE(CanCascadeOrTile(none));
}

}  // namespace
