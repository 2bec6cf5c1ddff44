#pragma once
// A control bar made from a dialog template (a child dialog without
// controls of its own or with a few), docked by its frame along an edge.

// Framework
#include "ui/framework/Dialog.h"

// Windows
#include <windows.h>

namespace ui {

class MdiFrame;

class DialogBar : public Dialog {
public:
    explicit DialogBar(UINT templateId) : Dialog(templateId) {}

    // Creates the bar hidden as a child of the frame, with the bar id as its control id.
    bool CreateBar(MdiFrame& frame, UINT barId);

    bool IsVisible() const { return Handle() && ::IsWindowVisible(Handle()); }
    // Shows or hides the bar; the frame lays itself out again.
    void Show(bool show);
    // The height the bar needs at this width; called by the frame's layout.
    virtual int BarHeight(int width) = 0;

protected:
    // The frame lays out its bars again (after the bar's height changed).
    void RequestLayout();

private:
    MdiFrame* m_frame = nullptr;
};

}  // namespace ui
