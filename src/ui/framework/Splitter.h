#pragma once
// A window split into two panes, one above (or left of) the other, with a bar
// between them that the user drags. A pane of size 0 is hidden and its bar
// with it.

// Framework
#include "ui/framework/Window.h"

// Windows
#include <windows.h>

namespace ui {

class Splitter : public Window {
public:
    static constexpr int kBarWidth = 4;

    bool Create(HWND parent, UINT id);
    // The windows of the two panes (children of the splitter).
    void SetPanes(HWND first, HWND second);
    // Vertical: panes side by side; otherwise one above the other.
    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }
    // The size of the first pane along the split; -1 gives it everything.
    void SetFirstSize(int size);
    int FirstSize() const { return m_firstSize; }
    void Layout();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int Extent() const;
    bool SecondShown() const;
    void OnMouseMove(int x, int y);

    HWND m_first = nullptr;
    HWND m_second = nullptr;
    bool m_vertical = false;
    int m_firstSize = -1;
    bool m_dragging = false;
};

}  // namespace ui
