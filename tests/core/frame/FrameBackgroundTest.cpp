// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/frame/FrameBackground.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <tuple>

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(FrameBackground, GradientBandsFollowTheStyleChannels)
{
    struct Case {
        int style;
        int band;
        std::uint32_t color;
    } cases[] = {
        {0, 0, 0xFF0000},   // style 0: c = 1, blue only
        {1, 0, 0x00FF00},   // c = 2, green
        {2, 1, 0xFBFB00},   // c = 3, green and blue at 251
        {3, 63, 0x000003},  // c = 4, red at 255 - 252
        {5, 10, 0x00D7D7},  // c = 6, red and green at 215
        {6, 0, 0xFFFFFF},   // c = 7, all three
    };
    for (const Case& c : cases)
        EXPECT_EQ(GradientBandColor(c.style, c.band), c.color) << c.style << "/" << c.band;

    EXPECT_EQ(GradientBandForLine(0, 480), 0);
    EXPECT_EQ(GradientBandForLine(479, 480), 62);
    EXPECT_EQ(GradientBandForLine(240, 480), 31);
    EXPECT_EQ(GradientBandForLine(5, 0), 0);
    EXPECT_EQ(GradientBandForLine(99999, 100000), 62);
}

TEST(FrameBackground, ThePlanFollowsTheSettings)
{
    platform::MemoryRegistry registry;
    CSettingsStore settings(registry, "1.0.0.0", true);
    EXPECT_EQ(PlanBackground(settings).fill, BackgroundFill::Default);

    settings.SetSetting(Setting::OwnBackground, 1);
    BackgroundPlan solid = PlanBackground(settings);
    EXPECT_EQ(solid.fill, BackgroundFill::Solid);
    EXPECT_EQ(solid.color, 0x408080u);

    settings.SetSetting(Setting::GradientFill, 1);
    settings.SetSetting(Setting::GradientStyle, 3);
    BackgroundPlan gradient = PlanBackground(settings);
    EXPECT_EQ(gradient.fill, BackgroundFill::Gradient);
    EXPECT_EQ(gradient.gradientStyle, 3);
    EXPECT_EQ(gradient.wallpaper, WallpaperMode::None);

    settings.SetSetting(Setting::UseWallpaper, 1);
    for (auto [display, fill, mode] : {std::tuple{0, BackgroundFill::None, WallpaperMode::Tile},
                                       std::tuple{1, BackgroundFill::Gradient, WallpaperMode::Center},
                                       std::tuple{2, BackgroundFill::None, WallpaperMode::Stretch}}) {
        settings.SetSetting(Setting::WallpaperDisplay, display);
        BackgroundPlan plan = PlanBackground(settings);
        EXPECT_EQ(plan.fill, fill) << display;
        EXPECT_EQ(plan.wallpaper, mode) << display;
    }
}

}  // namespace
