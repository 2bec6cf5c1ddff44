// Core
#include "core/dialogs/OptionsRules.h"

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(CheckWallpaper, MissingFilesAndBitmapsTooSmallToStretch)
{
    constexpr int kTile = 0;
    struct Case {
        WallpaperFacts facts;
        int display;
        WallpaperCheck result;
    };
    const Case cases[] = {
        {{false, 100, 100, 1000, 700}, kTile, WallpaperCheck::Missing},
        {{false, 100, 100, 1000, 700}, kWallpaperStretch, WallpaperCheck::Missing},
        {{true, 10, 10, 1000, 700}, kTile, WallpaperCheck::Ok},
        // Quotients: 1000 / 201 = 4, 700 / 176 = 3: fine; one pixel less either way refuses.
        {{true, 201, 176, 1000, 700}, kWallpaperStretch, WallpaperCheck::Ok},
        {{true, 200, 176, 1000, 700}, kWallpaperStretch, WallpaperCheck::TooSmallToStretch},
        {{true, 201, 175, 1000, 700}, kWallpaperStretch, WallpaperCheck::TooSmallToStretch},
        {{true, 0, 0, 1000, 700}, kWallpaperStretch, WallpaperCheck::TooSmallToStretch},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckWallpaper(c.facts, c.display), c.result)
            << c.facts.bitmapWidth << "x" << c.facts.bitmapHeight << " display " << c.display;
}

TEST(OptionsLimits, CountsAreCutToTheirRanges)
{
    EXPECT_EQ(ClampRecentFileCount(4), 4);
    EXPECT_EQ(ClampRecentFileCount(12), 9);
    EXPECT_EQ(ClampRecentFileCount(-3), 0);
    EXPECT_EQ(ClampRefreshMinutes(5), 5);
    EXPECT_EQ(ClampRefreshMinutes(99), 99);
    EXPECT_EQ(ClampRefreshMinutes(4), 15);
    EXPECT_EQ(ClampRefreshMinutes(100), 15);
}

}  // namespace
