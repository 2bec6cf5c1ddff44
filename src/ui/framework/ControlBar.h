#pragma once
// A control bar that docks along an edge of its frame or floats in a small
// tool frame of its own, with a strip along its inner edge that resizes it.
// The frame lays the docked bars out before its document area; the content
// of the bar is laid out by the derived class.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace ui {

class MdiFrame;

enum class DockSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };

class ControlBar : public Window {
public:
    // The width of the resize strip along the inner edge.
    static constexpr int kStripWidth = 5;
    static constexpr int kGripperHeight = 14;
    static constexpr int kMinimumSize = 40;

    ControlBar();
    ~ControlBar() override;

    // Creates the bar hidden, docked at `side` with its width (sides) or
    // height (top, bottom); `floatHeight` is its height when floating.
    bool CreateBar(MdiFrame& frame, UINT barId, const char* title, DockSide side, int size, int floatHeight);

    bool IsVisible() const;
    bool IsFloating() const { return m_floating; }
    DockSide Side() const { return m_side; }
    bool Vertical() const { return m_side == DockSide::Left || m_side == DockSide::Right; }
    // The width of a side bar, the height of a top or bottom bar.
    int DockedSize() const { return m_size; }
    void SetDockedSize(int size);
    int FloatHeight() const { return m_floatHeight; }
    // The floating frame's rectangle on the screen (also while docked: where it floats next).
    RECT FloatRect() const;
    void SetFloatRect(const RECT& rect);

    void Show(bool show);
    void Dock(DockSide side);
    // Floats the bar in its tool frame at its last floating place.
    void Float();
    // The frame's layout gives a docked bar its place; the rest stays for the others.
    void LayoutDocked(RECT& remaining);
    // The one item of the floating frame's system menu, which hides the bar.
    void SetHideText(const std::string& text) { m_hideText = text; }
    // The small frame while floating, else null.
    HWND FloatFrame() const { return m_floating ? m_floatFrame : nullptr; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The area for the bar's content changed.
    virtual void LayoutContent(const RECT& area) { (void)area; }
    // The content's area inside the bar's client rectangle.
    RECT ContentArea() const;
    void RequestLayout();
    MdiFrame* Frame() const { return m_frame; }

private:
    class FloatWindow;

    RECT StripRect() const;
    RECT GripperRect() const;
    void Paint();
    void TrackResize(POINT start);
    void OnFloatFrameClosed();

    MdiFrame* m_frame = nullptr;
    FloatWindow* m_floatWindow = nullptr;
    HWND m_floatFrame = nullptr;
    DockSide m_side = DockSide::Left;
    bool m_floating = false;
    int m_size = 0;
    int m_floatHeight = 0;
    RECT m_floatRect = {};
    std::string m_hideText = "&Hide";
};

}  // namespace ui
