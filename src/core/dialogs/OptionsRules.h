#pragma once
// The checks and limits of the options sheet that need no window.

enum class WallpaperCheck { Ok, Missing, TooSmallToStretch };

inline constexpr int kWallpaperStretch = 2;  // "Stretch to fit" in the Display list

struct WallpaperFacts {
    bool fileExists = false;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    int workWidth = 0;
    int workHeight = 0;
};

// The View page's check before OK, made only while the wallpaper is used and
// Explorer Mode is off: the file must exist, and a bitmap to be stretched must
// not be five times narrower or four times lower than the work area. A bitmap
// that cannot be read (no size) cannot be stretched either.
WallpaperCheck CheckWallpaper(const WallpaperFacts& facts, int display);

// Setting 15: 0..9, more is cut to 9 (a negative count is none).
int ClampRecentFileCount(int value);
// Setting 77: 5..99, anything else 15.
int ClampRefreshMinutes(int value);
