#pragma once
// Menu items the program draws itself: an icon before the text. The painter
// owns the records the items point at; they live until the menu is rebuilt.

// Core
#include "core/frame/RunTimeMenus.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

class CMenuPainter {
public:
    CMenuPainter() = default;
    ~CMenuPainter();
    CMenuPainter(const CMenuPainter&) = delete;
    CMenuPainter& operator=(const CMenuPainter&) = delete;

    // Appends the entries to the menu; with `drawn` the command items are drawn
    // with their icons, otherwise they are plain text.
    void Append(HMENU menu, const std::vector<MenuEntry>& entries, bool drawn);
    // Appends one drawn item showing a shell item's icon (a special folder).
    void AppendShellItem(HMENU menu, const std::string& text, UINT command, int iconIndex, bool drawn);
    // Forgets the records of items that were removed from `menu`.
    void Release(HMENU menu);

    // Answers WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR; false when the
    // message is not about one of this painter's items.
    bool Measure(MEASUREITEMSTRUCT& measure) const;
    bool Draw(const DRAWITEMSTRUCT& draw) const;
    bool MenuChar(HMENU menu, char typed, LRESULT& result) const;

private:
    struct Item {
        HMENU menu;
        std::string text;
        int iconIndex;      // in the system's small image list, or -1
        bool internetImage;
    };
    static int IconIndexOf(const std::string& source);
    HBITMAP InternetBitmap() const;
    const Item* Find(ULONG_PTR data) const;

    std::vector<std::unique_ptr<Item>> m_items;
    mutable HBITMAP m_internet = nullptr;
};
