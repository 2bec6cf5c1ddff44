#include "core/frame/FrameBackground.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

namespace {

constexpr int kWallpaperTile = 0;
constexpr int kWallpaperCenter = 1;
constexpr int kWallpaperStretch = 2;
constexpr int kRedBit = 4;
constexpr int kGreenBit = 2;
constexpr int kBlueBit = 1;
constexpr int kBandStep = 4;
constexpr int kFullIntensity = 255;

}  // namespace

BackgroundPlan PlanBackground(const CSettingsStore& settings)
{
    BackgroundPlan plan;
    const bool useWallpaper = settings.GetSetting(Setting::UseWallpaper) != 0;
    const int display = settings.GetSetting(Setting::WallpaperDisplay);
    if (useWallpaper) {
        plan.wallpaper = display == kWallpaperCenter    ? WallpaperMode::Center
                         : display == kWallpaperStretch ? WallpaperMode::Stretch
                                                        : WallpaperMode::Tile;
    }
    // A tiled or stretched wallpaper covers everything; a centred one may not.
    if (useWallpaper && (display == kWallpaperTile || display == kWallpaperStretch)) {
        plan.fill = BackgroundFill::None;
        return plan;
    }
    if (settings.GetSetting(Setting::OwnBackground) != 1) return plan;
    if (settings.GetSetting(Setting::GradientFill) == 0) {
        plan.fill = BackgroundFill::Solid;
        plan.color = static_cast<std::uint32_t>(settings.GetSetting(Setting::BackgroundColor)) & 0xFFFFFF;
    } else {
        plan.fill = BackgroundFill::Gradient;
        plan.gradientStyle = settings.GetSetting(Setting::GradientStyle);
    }
    return plan;
}

std::uint32_t GradientBandColor(int style, int band)
{
    const int channels = style + 1;
    const auto intensity = static_cast<std::uint32_t>(kFullIntensity - kBandStep * band);
    std::uint32_t color = 0;
    if (channels & kRedBit) color |= intensity;
    if (channels & kGreenBit) color |= intensity << 8;
    if (channels & kBlueBit) color |= intensity << 16;
    return color;
}

int GradientBandForLine(int y, int height)
{
    if (height <= 0) return 0;
    return static_cast<int>((static_cast<long long>(kGradientBands - 1) * y) / height);
}
