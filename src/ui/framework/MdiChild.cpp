#include "ui/framework/MdiChild.h"

// Framework
#include "ui/framework/Application.h"

namespace ui {
namespace {
constexpr char kClassName[] = "TrailmarkDocument";
constexpr UINT kSysCommandMask = 0xFFF0;  // the low four bits are the system's own
}

MdiChild::MdiChild() { SetDefaultProc(::DefMDIChildProcA); }

const char* MdiChild::ClassName()
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = StaticMdiProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassA(&windowClass) != 0;
    }();
    return registered ? kClassName : nullptr;
}

bool MdiChild::Create(HWND mdiClient, const char* title, DWORD style, const RECT& rect)
{
    const char* className = ClassName();
    if (!className || !mdiClient) return false;
    MDICREATESTRUCTA create = {};
    create.szClass = className;
    create.szTitle = title;
    create.hOwner = ::GetModuleHandleA(nullptr);
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = style;
    create.lParam = reinterpret_cast<LPARAM>(this);
    return ::SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)) != 0;
}

void MdiChild::Destroy()
{
    HWND client = ::GetParent(Handle());
    if (client) ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
}

LRESULT CALLBACK MdiChild::StaticMdiProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The creation parameter of a document window is the MDICREATESTRUCT.
    if (message == WM_NCCREATE && !Window::FromHandle(hwnd)) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
        if (mdi && mdi->lParam) reinterpret_cast<MdiChild*>(mdi->lParam)->Attach(hwnd);
    }
    return Window::StaticWindowProc(hwnd, message, wParam, lParam);
}

LRESULT MdiChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return result;
    }
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SETFOCUS: {
        // The MDI client activates the window first; then the window passes the focus on.
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnSetFocus();
        return result;
    }
    case WM_SYSCOMMAND:
        if (!OnSysCommand(static_cast<UINT>(wParam & kSysCommandMask))) return 0;
        break;
    case WM_COMMAND:
        // Controls of the window and its own parts send their commands here.
        if (RouteCommand(this, LOWORD(wParam))) return 0;
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace ui
