#pragma once
// CPreView: the second pane of a folder window's splitter. It paints nothing
// of its own and only holds the pane.

// Framework
#include "ui/framework/Window.h"

class CPreView : public ui::Window {
public:
    bool Create(HWND parent);
};
