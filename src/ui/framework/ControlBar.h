#pragma once
// A control bar that docks along an edge of its frame or floats in a small
// tool frame of its own. A sizable bar (the explorer bar) has a strip along
// its inner edge that resizes it and takes a row of its edge alone; a flat bar
// (a toolbar) is as large as its content, draws a gripper and an etched edge
// in its non-client area, and shares its row with other flat bars.
// The frame lays the docked bars out before its document area; the content
// of the bar is laid out by the derived class.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

namespace ui {

class MdiFrame;

enum class DockSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// Sets of sides a bar may dock at.
inline constexpr unsigned kDockAnySide = 0xF;
inline constexpr unsigned kDockTopOrBottom = (1u << static_cast<unsigned>(DockSide::Top)) |
                                             (1u << static_cast<unsigned>(DockSide::Bottom));

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
    // The frame's layout gives the docked bars their places, edge by edge
    // (top, bottom, left, right); `remaining` is what is left for the others.
    static void LayoutDockedBars(const std::vector<ControlBar*>& bars, RECT& remaining);
    // Whether the bar may dock at the side.
    bool CanDock(DockSide side) const { return (m_dockSides & (1u << static_cast<unsigned>(side))) != 0; }
    bool IsFlat() const { return m_flat; }
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
    // Before CreateBar: a flat bar sized by its content, docking only at `sides`.
    void SetFlat(unsigned sides) { m_flat = true; m_dockSides = sides; }
    // A flat bar's content size (client area) for its current side or floating.
    virtual SIZE ContentSize() const { return {0, 0}; }
    // The bar was docked at another side or floated: the content may lay
    // itself out in a column or a row before it is measured.
    virtual void OnPlaceChanged() {}
    // Which sides of a docked flat bar carry the etched edge (BF_ flags).
    void SetEtchedSides(UINT sides) { m_etchedSides = sides; }

private:
    class FloatWindow;

    // The room a docked bar asks of its edge, and its place there.
    int DockedLength(bool vertical) const;
    int DockedThickness(bool vertical) const;
    void PlaceDocked(const RECT& place);
    // A flat bar's frame: its non-client edges, and the floating frame's size.
    RECT FlatEdges() const;
    void PaintFlatFrame();
    void FitFloatFrame();
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
    bool m_flat = false;
    unsigned m_dockSides = kDockAnySide;
    UINT m_etchedSides = BF_RECT;
};

}  // namespace ui
