// Where the explorer bar's tabs go when shown again, and its default size.

// Core
#include "core/frame/ExplorerTabs.h"

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(ExplorerTabs, ATabShownAgainGoesAfterTheShownTabsBeforeIt)
{
    const struct {
        ExplorerTab tab;
        ShownTabs shown;
        int position;
    } cases[] = {
        {ExplorerTab::Desktop, {true, true, true}, 0},
        {ExplorerTab::Personal, {false, false, false}, 1},
        {ExplorerTab::Personal, {false, true, true}, 1},
        {ExplorerTab::Favorites, {false, false, true}, 1},
        {ExplorerTab::Favorites, {true, false, true}, 2},
        {ExplorerTab::Bookmarks, {false, false, false}, 1},
        {ExplorerTab::Bookmarks, {true, false, false}, 2},
        {ExplorerTab::Bookmarks, {false, true, false}, 2},
        {ExplorerTab::Bookmarks, {true, true, false}, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabPosition(c.tab, c.shown), c.position)
            << static_cast<int>(c.tab) << c.shown.personal << c.shown.favorites << c.shown.bookmarks;
}

TEST(ExplorerTabs, ZeroOrNegativeSizesTakeTheDefaults)
{
    EXPECT_EQ(ExplorerBarWidth(0, 1024), 256);
    EXPECT_EQ(ExplorerBarWidth(-5, 800), 200);
    EXPECT_EQ(ExplorerBarWidth(180, 1024), 180);
    EXPECT_EQ(ExplorerBarHeight(0), 550);
    EXPECT_EQ(ExplorerBarHeight(-1), 550);
    EXPECT_EQ(ExplorerBarHeight(300), 300);
}

TEST(ExplorerTabs, NewPersonalFolderNamesTakeTheSmallestFreeNumberCaseIgnored)
{
    EXPECT_EQ(NewPersonalFolderName("Personal%d", {}), "Personal1");
    EXPECT_EQ(NewPersonalFolderName("Personal%d", {"personal1", "PERSONAL2", "Personal4"}), "Personal3");
    std::vector<std::string> all;
    for (int n = 1; n <= 9999; ++n) all.push_back("Personal" + std::to_string(n));
    EXPECT_EQ(NewPersonalFolderName("Personal%d", all), "");
    all.pop_back();
    EXPECT_EQ(NewPersonalFolderName("Personal%d", all), "Personal9999");
    // A format that is not the program's own gives no name rather than a wrong one.
    EXPECT_EQ(NewPersonalFolderName("Personal%s", {}), "");
    EXPECT_EQ(NewPersonalFolderName("Personal", {}), "");
}

}  // namespace
