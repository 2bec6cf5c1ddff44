#pragma once
// The base of every window object: owns its HWND and receives its messages
// through one static window procedure.

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace ui {

// The whole text of a window or control, however long (a typed path may
// pass MAX_PATH); the control's own limit bounds it.
std::string WindowText(HWND window);

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return m_hwnd; }
    operator HWND() const { return m_hwnd; }

    // The object behind a window created through StaticWindowProc, or null.
    static Window* FromHandle(HWND hwnd);
    // Window procedure for classes whose windows are made by Window objects:
    // pass `this` as the creation parameter of CreateWindowEx.
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Registers a class whose windows are made by Window objects; true when it
    // is registered (also when it was before). `cursor` null leaves the cursor
    // to the window.
    static bool RegisterWindowClass(const char* className, int backgroundColor, const char* cursor = IDC_ARROW,
                              UINT style = 0);

    // Lets the object take over a window made elsewhere (a control or a dialog).
    void Attach(HWND hwnd);
    HWND Detach();
    // Attaches a control made elsewhere and routes its messages through
    // WindowProc, its own procedure staying the default.
    void SubclassControl(HWND hwnd);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the last message; the object may delete itself here.
    virtual void OnFinalMessage() {}
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    void SetDefaultProc(WNDPROC proc) { m_defaultProc = proc; }

private:
    HWND m_hwnd = nullptr;
    WNDPROC m_defaultProc = ::DefWindowProcA;
};

}  // namespace ui
