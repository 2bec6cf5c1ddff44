#include "core/dialogs/OptionsRules.h"

namespace {

constexpr int kMaxRecentFiles = 9;
constexpr int kDefaultRefreshMinutes = 15;
constexpr int kMinRefreshMinutes = 5;
constexpr int kMaxRefreshMinutes = 99;
constexpr int kStretchWidthFactor = 5;
constexpr int kStretchHeightFactor = 4;

}  // namespace

WallpaperCheck CheckWallpaper(const WallpaperFacts& facts, int display)
{
    if (!facts.fileExists) return WallpaperCheck::Missing;
    if (display != kWallpaperStretch) return WallpaperCheck::Ok;
    if (facts.bitmapWidth <= 0 || facts.bitmapHeight <= 0) return WallpaperCheck::TooSmallToStretch;
    if (facts.workWidth / facts.bitmapWidth >= kStretchWidthFactor ||
        facts.workHeight / facts.bitmapHeight >= kStretchHeightFactor)
        return WallpaperCheck::TooSmallToStretch;
    return WallpaperCheck::Ok;
}

int ClampRecentFileCount(int value)
{
    if (value < 0) return 0;
    return value > kMaxRecentFiles ? kMaxRecentFiles : value;
}

int ClampRefreshMinutes(int value)
{
    return value >= kMinRefreshMinutes && value <= kMaxRefreshMinutes ? value : kDefaultRefreshMinutes;
}
