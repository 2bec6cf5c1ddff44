#pragma once
// What the report and rule tests share: criteria over a test tree, and the
// frame's menus opened as a user opens them.

// Core
#include "core/search/Condition.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace uitest {

inline CCondition Criteria(const std::string& name, const std::string& folder, const std::string& patterns)
{
    CCondition criteria(name);
    criteria.SetFolder(folder);
    criteria.SetPatterns(patterns);
    return criteria;
}

// Opens each menu of the bar as a user would and gives the popup of the
// first item `match` accepts (by command and text), with its position; null
// when the matching item is a plain one or none matches.
template <typename Match>
HMENU OpenedPopup(HWND frame, Match match, HMENU* parent = nullptr, int* position = nullptr)
{
    HMENU bar = ::GetMenu(frame);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU menu = ::GetSubMenu(bar, i);
        if (!menu) continue;
        ::SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), i);
        for (int j = 0; j < ::GetMenuItemCount(menu); ++j) {
            char text[MAX_PATH] = "";
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
            info.dwTypeData = text;
            info.cch = sizeof(text);
            if (!::GetMenuItemInfoA(menu, static_cast<UINT>(j), TRUE, &info) || !match(info.wID, std::string(text)))
                continue;
            if (parent) *parent = menu;
            if (position) *position = j;
            return info.hSubMenu;
        }
    }
    return nullptr;
}

}  // namespace uitest
