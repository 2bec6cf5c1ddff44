#include "ui/framework/Window.h"

// Standard library
#include <vector>

namespace ui {

std::string WindowText(HWND window)
{
    if (!window) return {};
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1);
    ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

Window::~Window()
{
    // Detach first so that no message of the destruction reaches a half-destroyed object.
    if (HWND hwnd = Detach()) ::DestroyWindow(hwnd);
}

// The object lives in the window's user data, which the system's controls
// leave to the program. A window property would cost a round trip to the
// window server under Wine for every message: a tree took 60 us per item
// inserted instead of 1.
Window* Window::FromHandle(HWND hwnd)
{
    return reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Window::RegisterWindowClass(const char* className, int backgroundColor, const char* cursor, UINT style)
{
    WNDCLASSA windowClass = {};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), className, &windowClass)) return true;
    windowClass.style = style;
    windowClass.lpfnWndProc = StaticWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor ? ::LoadCursorA(nullptr, cursor) : nullptr;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColor + 1));
    windowClass.lpszClassName = className;
    return ::RegisterClassA(&windowClass) != 0;
}

void Window::Attach(HWND hwnd)
{
    m_hwnd = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HWND Window::Detach()
{
    HWND hwnd = m_hwnd;
    if (hwnd) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        // A subclassed window gets its own procedure back.
        if (m_defaultProc != ::DefWindowProcA &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == StaticWindowProc)
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_defaultProc));
    }
    m_hwnd = nullptr;
    return hwnd;
}

void Window::SubclassControl(HWND hwnd)
{
    Attach(hwnd);
    SetDefaultProc(
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc))));
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FromHandle(hwnd);
    if (!window && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        window = static_cast<Window*>(create->lpCreateParams);
        if (window) window->Attach(hwnd);
    }
    if (!window) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = window->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        window->Detach();
        window->OnFinalMessage();
    }
    return result;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(m_defaultProc, m_hwnd, message, wParam, lParam);
}

}  // namespace ui
