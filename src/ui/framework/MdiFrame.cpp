#include "ui/framework/MdiFrame.h"

// Framework
#include "ui/framework/Application.h"
#include "ui/framework/ControlBar.h"
#include "ui/framework/DialogBar.h"

// Standard library
#include <algorithm>

namespace ui {
namespace {
// The first id given to document windows in the Window menu; above every command.
constexpr UINT kFirstMdiChild = 0xFF00;
}

bool MdiFrame::Create(const char* className, const char* title, DWORD style, UINT menuId)
{
    HINSTANCE instance = Application::Instance()->InstanceHandle();
    HMENU menu = ::LoadMenuA(instance, MAKEINTRESOURCEA(menuId));
    HWND hwnd = ::CreateWindowExA(0, className, title, style & ~WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu,
                                  instance, this);
    if (!hwnd && menu) ::DestroyMenu(menu);
    return hwnd != nullptr;
}

HWND MdiFrame::ActiveDocument(bool* maximized) const
{
    BOOL isMaximized = FALSE;
    HWND active = m_mdiClient ? reinterpret_cast<HWND>(::SendMessageA(
                                    m_mdiClient, WM_MDIGETACTIVE, 0,
                                    reinterpret_cast<LPARAM>(&isMaximized)))
                              : nullptr;
    if (maximized) *maximized = active && isMaximized;
    return active;
}

bool MdiFrame::OnCreate()
{
    CLIENTCREATESTRUCT client = {};
    client.idFirstChild = kFirstMdiChild;
    m_mdiClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                    WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                    0, 0, 0, 0, Handle(), nullptr,
                                    Application::Instance()->InstanceHandle(), &client);
    if (!m_mdiClient || !m_statusBar.Create(Handle())) return false;
    Application::Instance()->SetMdiClient(m_mdiClient);
    return true;
}

void MdiFrame::OnClose() { ::DestroyWindow(Handle()); }

void MdiFrame::OnDestroy()
{
    if (Application::Instance()->MainWindow() == Handle()) ::PostQuitMessage(0);
}

void MdiFrame::RecalcLayout()
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    if (m_statusBar.Handle() && ::IsWindowVisible(m_statusBar)) {
        ::SendMessageA(m_statusBar, WM_SIZE, 0, 0);
        RECT bar;
        ::GetWindowRect(m_statusBar, &bar);
        client.bottom -= bar.bottom - bar.top;
    }
    // The bars along the bottom (the window taskbar) are as wide as the frame;
    // docking bars take the height left above them.
    for (DialogBar* bar : m_bottomBars) {
        if (!bar->IsVisible()) continue;
        const int height = bar->BarHeight(client.right - client.left);
        client.bottom -= height;
        ::MoveWindow(*bar, client.left, client.bottom, client.right - client.left, height, TRUE);
    }
    ControlBar::LayoutDockedBars(m_controlBars, client);
    if (m_mdiClient)
        ::MoveWindow(m_mdiClient, client.left, client.top, client.right - client.left,
                     client.bottom - client.top, TRUE);
}

void MdiFrame::ReshowFloatingBars()
{
    // Hidden all at once and shown again in the order they stack, each comes
    // to the top in turn and they keep their order among themselves.
    std::vector<HWND> shown;
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT))
        for (ControlBar* bar : m_controlBars)
            if (window == bar->FloatFrame() && bar->IsVisible()) shown.push_back(window);
    for (HWND floating : shown) ::ShowWindow(floating, SW_HIDE);
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) ::ShowWindow(*it, SW_SHOWNA);
}

void MdiFrame::AddBottomBar(DialogBar* bar) { m_bottomBars.push_back(bar); }

void MdiFrame::AddControlBar(ControlBar* bar) { m_controlBars.push_back(bar); }

void MdiFrame::RemoveControlBar(ControlBar* bar)
{
    m_controlBars.erase(std::remove(m_controlBars.begin(), m_controlBars.end(), bar), m_controlBars.end());
}

void MdiFrame::ShowMenuPrompt(UINT id, UINT flags)
{
    char text[256] = "";
    if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id != 0)
        ::LoadStringA(Application::Instance()->InstanceHandle(), id, text, sizeof(text));
    // A prompt string may carry a tooltip after a newline; the bar shows the first line.
    for (char* p = text; *p; ++p)
        if (*p == '\n') *p = '\0';
    m_statusBar.SetSimple(true);
    m_statusBar.SetText(StatusBar::kSimplePane, text);
}

bool MdiFrame::InitMenuPopup(HMENU menu)
{
    UpdateMenuItems(menu, FirstCommandTarget());
    return true;
}

LRESULT MdiFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_WINDOWPOSCHANGED:
        // Shown or brought up, the frame may come above its floating bars
        // where the window system stacks windows as they appear; once the
        // frame has settled they are shown again above it.
        if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)
            ::SetTimer(Handle(), kFloatingBarsTimerId, 1, nullptr);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) ::SetTimer(Handle(), kFloatingBarsTimerId, 1, nullptr);
        break;
    case WM_COMMAND:
        // Commands of document windows (system menu, Window list) stay with the MDI client.
        if (LOWORD(wParam) < kFirstMdiChild && RouteCommand(FirstCommandTarget(), LOWORD(wParam)))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam)) InitMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        if (HIWORD(wParam) == 0xFFFF && lParam == 0)
            m_statusBar.SetSimple(false);  // the menu closed
        else
            ShowMenuPrompt(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kFloatingBarsTimerId) {
            ::KillTimer(Handle(), wParam);
            ReshowFloatingBars();
            return 0;
        }
        OnTimer(wParam);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return ::DefFrameProcA(Handle(), m_mdiClient, message, wParam, lParam);
}

}  // namespace ui
