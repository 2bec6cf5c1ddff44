#pragma once
// The rules of the window list that need no window: the limit of open folder
// windows, the arrangement after a change, the place of a new window, and
// when the frame's window commands are enabled.

// Core
#include "core/app/WindowState.h"

// Standard library
#include <vector>

inline constexpr int kMaxOpenWindows = 15;

// Arrangement modes of setting 67.
enum class ArrangeMode { None = 0, TileVertically = 1, TileHorizontally = 2, Cascade = 3, Maximize = 4 };

// What the frame does with its windows after one opens, closes or is minimized.
enum class Arrangement { Nothing, TileVertically, TileHorizontally, Cascade };

// Setting 69 as a limit: 1..15, anything else counts as 15.
int WindowLimit(int setting);

// Only folder and personal-folder windows count towards the limit.
bool CountsTowardsLimit(WindowKind kind);
bool HasRoom(const std::vector<WindowKind>& openKinds, int setting);

Arrangement ArrangementAfterChange(int mode, bool explorerMode, bool activeMaximized);

// A new window takes the upper-left 80 % of the document area.
WindowRect NewWindowRect(int areaRight, int areaBottom);

// What the enabling of the frame's window commands depends on.
struct WindowFacts {
    bool explorerMode = false;
    int arrangeMode = 0;
    int openCount = 0;
    int minimizedCount = 0;
    bool hasActive = false;
    bool taskbarVisible = false;
};

bool CanCascadeOrTile(const WindowFacts& facts);
bool CanArrangeIcons(const WindowFacts& facts);
bool CanMinimizeAll(const WindowFacts& facts);
bool CanCloseWindows(const WindowFacts& facts);  // Close and Close All
bool CanShowWindowsList(const WindowFacts& facts);
