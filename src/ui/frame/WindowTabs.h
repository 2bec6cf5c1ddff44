#pragma once
// CWindowTabs: the tab control of the window taskbar, one owner-drawn button
// per open document window. A click activates the button's window, a right
// click offers its system commands, and a drag over a button brings its
// window forward for the drop.

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/GdiObject.h"
#include "ui/framework/Window.h"

// Standard library
#include <string>

// Windows
#include <windows.h>
#include <ole2.h>

class CBasicWindow;

// One button of the taskbar: a hidden child of the bar stands for it.
struct TaskbarButton {
    HWND standIn = nullptr;
    CBasicWindow* window = nullptr;
};

class CWindowTabs : public ui::Window {
public:
    CWindowTabs() = default;
    ~CWindowTabs() override;

    bool Create(HWND bar);
    // Gives the buttons their width for this bar width and places the
    // control; returns the height it takes.
    int Layout(int width);
    int ButtonWidth() const { return m_buttonWidth; }

    int Count() const;
    void Append(const std::string& text, int image, TaskbarButton* button);
    void Delete(int index);
    void SetText(int index, const std::string& text);
    void SetImage(int index, int image);
    int Image(int index) const;
    TaskbarButton* ButtonAt(int index) const;
    void Select(int index);
    int Selected() const;
    // The button under a point of the control, or -1.
    int HitTest(POINT point) const;
    // The five icons of the window kinds.
    HIMAGELIST Images() const { return m_images.Get(); }
    // The list that holds the window's icon index: the system's for folder
    // windows, the kinds' own for the others.
    HIMAGELIST ImagesFor(const CBasicWindow& window) const;
    IDropTarget* DropTarget() const { return m_dropTarget.Get(); }

    void DrawItem(const DRAWITEMSTRUCT& draw);
    // Each button's tool tip holds its window's full title.
    void UpdateToolTips();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeFonts();
    void OnLeftButton(POINT point);
    void OnRightButton(POINT point);

    ui::ImageList m_images;
    ui::GdiObject<HFONT> m_boldFont;
    ui::GdiObject<HFONT> m_normalFont;
    ui::ComPtr<IDropTarget> m_dropTarget;
    int m_buttonWidth = 0;
    int m_toolCount = 0;
};
