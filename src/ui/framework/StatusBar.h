#pragma once
// The status bar control: panes of text and a simple mode for menu prompts.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

namespace ui {

class StatusBar {
public:
    static constexpr int kSimplePane = 255;

    bool Create(HWND parent, UINT id = kDefaultId);
    HWND Handle() const { return m_hwnd; }
    operator HWND() const { return m_hwnd; }

    // Right edges of the panes; -1 stretches the last one to the bar's end.
    void SetParts(const std::vector<int>& rightEdges);
    void SetText(int pane, const std::string& text);
    std::string Text(int pane) const;
    void SetSimple(bool simple);
    bool IsSimple() const;
    // The width a text needs in this bar's font.
    int TextWidth(const std::string& text) const;

    static constexpr UINT kDefaultId = 0xE801;

private:
    HWND m_hwnd = nullptr;
};

}  // namespace ui
