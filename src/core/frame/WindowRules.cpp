#include "core/frame/WindowRules.h"

// Standard library
#include <algorithm>

namespace {
constexpr double kNewWindowShare = 0.8;
}

int WindowLimit(int setting)
{
    return setting >= 1 && setting <= kMaxOpenWindows ? setting : kMaxOpenWindows;
}

bool CountsTowardsLimit(WindowKind kind)
{
    return kind == WindowKind::Folder || kind == WindowKind::Personal;
}

bool HasRoom(const std::vector<WindowKind>& openKinds, int setting)
{
    const auto counted = std::count_if(openKinds.begin(), openKinds.end(), CountsTowardsLimit);
    return counted < WindowLimit(setting);
}

Arrangement ArrangementAfterChange(int mode, bool explorerMode, bool activeMaximized)
{
    if (explorerMode || activeMaximized) return Arrangement::Nothing;
    switch (static_cast<ArrangeMode>(mode)) {
    case ArrangeMode::TileVertically: return Arrangement::TileVertically;
    case ArrangeMode::TileHorizontally: return Arrangement::TileHorizontally;
    case ArrangeMode::Cascade: return Arrangement::Cascade;
    default: return Arrangement::Nothing;
    }
}

WindowRect NewWindowRect(int areaRight, int areaBottom)
{
    return {0, 0, static_cast<std::int32_t>(areaRight * kNewWindowShare),
            static_cast<std::int32_t>(areaBottom * kNewWindowShare)};
}

bool CanCascadeOrTile(const WindowFacts& facts)
{
    return !facts.explorerMode && facts.arrangeMode != static_cast<int>(ArrangeMode::Maximize) &&
           facts.minimizedCount < facts.openCount;
}

bool CanArrangeIcons(const WindowFacts& facts)
{
    return !facts.taskbarVisible && facts.minimizedCount > 0;
}

bool CanMinimizeAll(const WindowFacts& facts)
{
    const bool allMinimized = facts.minimizedCount == facts.openCount;
    return !allMinimized && facts.arrangeMode != static_cast<int>(ArrangeMode::Maximize) &&
           !facts.explorerMode;
}

bool CanCloseWindows(const WindowFacts& facts) { return facts.hasActive && !facts.explorerMode; }

bool CanShowWindowsList(const WindowFacts& facts) { return facts.openCount > 0 && !facts.explorerMode; }
