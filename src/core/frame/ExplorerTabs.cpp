#include "core/frame/ExplorerTabs.h"

// Core
#include "core/app/ObjectList.h"

// Standard library
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kDefaultFloatHeight = 550;
constexpr int kMaxPersonalNameTries = 9999;
}

int TabPosition(ExplorerTab tab, const ShownTabs& shown)
{
    int position = 0;
    if (tab == ExplorerTab::Desktop) return position;
    ++position;  // after the Desktop tab
    if (tab == ExplorerTab::Personal) return position;
    if (shown.personal) ++position;
    if (tab == ExplorerTab::Favorites) return position;
    if (shown.favorites) ++position;
    return position;
}

int ExplorerBarWidth(std::int32_t stored, int screenWidth) { return stored > 0 ? stored : screenWidth / 4; }

int ExplorerBarHeight(std::int32_t stored) { return stored > 0 ? stored : kDefaultFloatHeight; }

std::string NewPersonalFolderName(const std::string& format, const std::vector<std::string>& existing)
{
    // The format comes from the program's own strings and holds one %d.
    if (std::count(format.begin(), format.end(), '%') != 1 || format.find("%d") == std::string::npos) return {};
    for (int n = 1; n <= kMaxPersonalNameTries; ++n) {
        char name[64] = "";
        std::snprintf(name, sizeof(name), format.c_str(), n);
        const bool taken = std::any_of(existing.begin(), existing.end(),
                                       [&](const std::string& other) { return SameNameNoCase(other, name); });
        if (!taken) return name;
    }
    return {};
}
