#pragma once
// A document window of the multiple-document frame: a child of the native
// MDICLIENT, created through WM_MDICREATE, with DefMDIChildProc as its
// default procedure. Commands reach it through the frame's routing.

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/Window.h"

// Windows
#include <windows.h>

namespace ui {

class MdiChild : public Window, public CommandTarget {
public:
    MdiChild();

    // Registers the class of document windows once per process.
    static const char* ClassName();
    // Creates the window in the MDI client; false when the window could not
    // be made or refused its creation.
    bool Create(HWND mdiClient, const char* title, DWORD style, const RECT& rect);

    // Closes the window through the MDI client.
    void Destroy();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual bool OnCreate() { return true; }
    virtual void OnSize(UINT type, int width, int height) { (void)type; (void)width; (void)height; }
    virtual void OnClose() { Destroy(); }
    virtual void OnDestroy() {}
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual void OnSetFocus() {}
    // A system command; false swallows it.
    virtual bool OnSysCommand(UINT command) { (void)command; return true; }

private:
    static LRESULT CALLBACK StaticMdiProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace ui
