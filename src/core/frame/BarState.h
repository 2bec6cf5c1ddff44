#pragma once
// The saved place of a docking bar: its side, whether it floats or is shown,
// its docked size and its floating rectangle, one sub-key per bar under the
// profile's "Toolbars" section.

// Core
#include "core/app/WindowState.h"

// Standard library
#include <cstdint>
#include <optional>
#include <string>

class CSettingsStore;

struct BarState {
    std::int32_t side = 0;  // 0 left, 1 right, 2 top, 3 bottom
    bool floating = false;
    bool visible = true;
    std::int32_t size = 0;  // width of a side bar, height of a top or bottom bar
    WindowRect floatRect;
};

// The sub-key of a bar: "Bar" + its control id.
std::string BarKeyName(unsigned barId);

void SaveBarState(CSettingsStore& store, unsigned barId, const BarState& state);
// The saved state; none when the bar has none or any value is missing or out
// of range (a damaged record leaves the bar at its defaults).
std::optional<BarState> LoadBarState(const CSettingsStore& store, unsigned barId);
