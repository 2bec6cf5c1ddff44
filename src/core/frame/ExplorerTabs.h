#pragma once
// The explorer bar's tabs: their fixed order, where a tab shown again goes,
// the bar's default size and its docking state.

// Standard library
#include <cstdint>
#include <string>
#include <vector>

// In the order the bar makes them.
enum class ExplorerTab { Desktop = 0, Personal = 1, Favorites = 2, Bookmarks = 3 };
inline constexpr int kExplorerTabCount = 4;

// Which of the optional tabs are shown.
struct ShownTabs {
    bool personal = false;
    bool favorites = false;
    bool bookmarks = false;
};

// The tab's position among the shown tabs: Desktop first, then Personal,
// Favorites and Bookmarks, each after those before it that are shown.
int TabPosition(ExplorerTab tab, const ShownTabs& shown);

// The docking state of the bar as the program reports it.
enum class ExplorerDockState { Left = 0, Right = 1, Floating = 2, Hidden = 3 };

// The bar's width (setting 28) and floating height (setting 29); 0 means the
// default: a quarter of the screen width, and 550. Negative values, which no
// bar ever saved, also fall back.
int ExplorerBarWidth(std::int32_t stored, int screenWidth);
int ExplorerBarHeight(std::int32_t stored);

// The name of a new personal folder: the format ("Personal%d") with the
// smallest n from 1 that no existing name has (case ignored); empty when the
// first 9999 are all taken.
std::string NewPersonalFolderName(const std::string& format, const std::vector<std::string>& existing);
