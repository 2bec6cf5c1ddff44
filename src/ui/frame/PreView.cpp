#include "ui/frame/PreView.h"

namespace {
constexpr char kClassName[] = "TrailmarkPreView";
}

bool CPreView::Create(HWND parent)
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Window::StaticWindowProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassA(&windowClass) != 0;
    }();
    return registered && ::CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, nullptr, WS_CHILD, 0, 0, 0, 0, parent,
                                           nullptr, ::GetModuleHandleA(nullptr), this) != nullptr;
}
