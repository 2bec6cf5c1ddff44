#pragma once
// What the frame paints behind its document windows: a solid colour, a vertical
// gradient of 64 bands or the system's colour, and a wallpaper bitmap on top.

// Standard library
#include <cstdint>

class CSettingsStore;

enum class BackgroundFill { None, Default, Solid, Gradient };
enum class WallpaperMode { None, Tile, Center, Stretch };

struct BackgroundPlan {
    BackgroundFill fill = BackgroundFill::Default;
    WallpaperMode wallpaper = WallpaperMode::None;
    std::uint32_t color = 0;   // the solid colour, 0x00BBGGRR
    int gradientStyle = 0;     // setting 5
};

inline constexpr int kGradientBands = 64;

// The plan for an area of the given size; the bitmap's size matters only for a
// centred wallpaper, which leaves the background to show around it.
BackgroundPlan PlanBackground(const CSettingsStore& settings);

// The colour of band k (0..63) of gradient style `style`: the channels chosen by
// style + 1 (bit 2 red, bit 1 green, bit 0 blue) at intensity 255 - 4k.
std::uint32_t GradientBandColor(int style, int band);

// The band that scan line y (0 <= y < height) is painted with.
int GradientBandForLine(int y, int height);
