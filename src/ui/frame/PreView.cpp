#include "ui/frame/PreView.h"

namespace {
constexpr char kClassName[] = "TrailmarkPreView";
}

bool CPreView::Create(HWND parent)
{
    static const bool registered = Window::RegisterWindowClass(kClassName, COLOR_WINDOW);
    return registered && ::CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, nullptr, WS_CHILD, 0, 0, 0, 0, parent,
                                           nullptr, ::GetModuleHandleA(nullptr), this) != nullptr;
}
