#pragma once
// The loading indicator of a folder window: its text with a block that runs
// to and fro beside it while the folder is read.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>

class LoadingIndicator : public ui::Window {
public:
    bool Create(HWND parent, const RECT& place, const std::string& text);
    void Start();
    const std::string& Text() const { return m_text; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    std::string m_text;
    int m_step = 0;
};
