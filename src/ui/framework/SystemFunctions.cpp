#include "ui/framework/SystemFunctions.h"

namespace ui {

namespace {

using GetAncestorProc = HWND(WINAPI*)(HWND, UINT);
using EmptyRecycleBinProc = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);

}  // namespace

void* SystemFunction(const char* module, const char* name)
{
    // The modules asked for are system DLLs the program imports anyway, or
    // small ones kept for the life of the process: none is freed.
    HMODULE handle = ::GetModuleHandleA(module);
    if (!handle) handle = ::LoadLibraryA(module);
    if (!handle) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(handle, name));
}

HWND RootWindow(HWND window)
{
    static const auto getAncestor = SystemFunctionAs<GetAncestorProc>("user32.dll", "GetAncestor");
    return getAncestor ? getAncestor(window, GA_ROOT) : RootWindowByParents(window);
}

HWND RootWindowByParents(HWND window)
{
    if (!::IsWindow(window)) return nullptr;
    // GetParent answers the owner of a pop-up window: only a child's parent counts.
    while (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        HWND parent = ::GetParent(window);
        if (!parent || parent == ::GetDesktopWindow()) break;
        window = parent;
    }
    return window;
}

bool CanEmptyRecycleBin()
{
    return SystemFunction("shell32.dll", "SHEmptyRecycleBinA") != nullptr;
}

bool EmptyRecycleBin(HWND owner)
{
    static const auto empty = SystemFunctionAs<EmptyRecycleBinProc>("shell32.dll", "SHEmptyRecycleBinA");
    return empty && SUCCEEDED(empty(owner, nullptr, 0));
}

}  // namespace ui
