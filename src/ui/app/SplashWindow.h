#pragma once
// The splash window: a picture shown while the program starts, ended by a click
// or by the main frame's timer.

// Framework
#include "ui/framework/Dialog.h"

class CSplashWindow : public ui::Dialog {
public:
    CSplashWindow();
    ~CSplashWindow() override;
    // Creates the window over `owner`, centred, and paints it at once.
    bool Show(HWND owner);

protected:
    BOOL OnInitDialog() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HBITMAP m_bitmap = nullptr;
};
