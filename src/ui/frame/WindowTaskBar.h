#pragma once
// CWindowTaskBar: the bar along the bottom of the main frame with one button
// per open document window, in the order the windows were opened. While it
// shows, minimized windows are hidden instead of showing as icons.

// Framework
#include "ui/framework/DialogBar.h"

// Frame
#include "ui/frame/WindowTabs.h"

// Standard library
#include <memory>
#include <vector>

class CBasicWindow;

class CWindowTaskBar : public ui::DialogBar {
public:
    // Buttons' stand-in windows take ids from here on.
    static constexpr UINT kFirstButtonId = 1024;

    CWindowTaskBar();
    ~CWindowTaskBar() override;

    bool Create(ui::MdiFrame& frame);

    void AddWindow(CBasicWindow* window);
    void RemoveWindow(CBasicWindow* window);
    void SelectWindow(CBasicWindow* window);
    // The window's title changed (and its icon with it when iconChanged).
    void TitleChanged(HWND window, bool iconChanged);
    // Lays the buttons out again for the current width.
    void Relayout();

    int BarHeight(int width) override;
    CWindowTabs& Tabs() { return m_tabs; }
    // The button of a window, or -1.
    int IndexOf(HWND window) const;

protected:
    BOOL OnInitDialog() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBackground(HDC dc);

    std::vector<std::unique_ptr<TaskbarButton>> m_buttons;
    CWindowTabs m_tabs;
    UINT m_nextId = kFirstButtonId;
};
