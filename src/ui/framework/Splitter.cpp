#include "ui/framework/Splitter.h"

// Standard library
#include <algorithm>

namespace ui {
namespace {
constexpr char kClassName[] = "TrailmarkSplitter";
}

bool Splitter::Create(HWND parent, UINT id)
{
    static const bool registered = Window::RegisterWindowClass(kClassName, COLOR_BTNFACE, nullptr);
    if (!registered) return false;
    return ::CreateWindowExA(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), this) != nullptr;
}

void Splitter::SetPanes(HWND first, HWND second)
{
    m_first = first;
    m_second = second;
    Layout();
}

void Splitter::SetVertical(bool vertical)
{
    m_vertical = vertical;
    Layout();
}

void Splitter::SetFirstSize(int size)
{
    m_firstSize = size;
    Layout();
}

int Splitter::Extent() const
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    return m_vertical ? client.right : client.bottom;
}

bool Splitter::SecondShown() const { return m_second && m_firstSize >= 0 && m_firstSize < Extent(); }

void Splitter::Layout()
{
    if (!Handle()) return;
    RECT client;
    ::GetClientRect(Handle(), &client);
    const int extent = Extent();
    const int first = SecondShown() ? std::min(m_firstSize, extent) : extent;
    const int secondStart = std::min(first + kBarWidth, extent);
    const int second = extent - secondStart;
    if (m_vertical) {
        if (m_first) ::MoveWindow(m_first, 0, 0, first, client.bottom, TRUE);
        if (m_second) ::MoveWindow(m_second, secondStart, 0, second, client.bottom, TRUE);
    } else {
        if (m_first) ::MoveWindow(m_first, 0, 0, client.right, first, TRUE);
        if (m_second) ::MoveWindow(m_second, 0, secondStart, client.right, second, TRUE);
    }
    if (m_second) ::ShowWindow(m_second, SecondShown() ? SW_SHOWNA : SW_HIDE);
}

void Splitter::OnMouseMove(int x, int y)
{
    if (!SecondShown()) return;
    ::SetCursor(::LoadCursorA(nullptr, m_vertical ? IDC_SIZEWE : IDC_SIZENS));
    if (!m_dragging) return;
    const int position = m_vertical ? x : y;
    m_firstSize = std::max(0, std::min(position, Extent() - kBarWidth));
    Layout();
}

LRESULT Splitter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        if (SecondShown()) {
            m_dragging = true;
            ::SetCapture(Handle());
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (m_dragging) {
            m_dragging = false;
            if (message == WM_LBUTTONUP) ::ReleaseCapture();
        }
        return 0;
    case WM_NOTIFY:
    case WM_COMMAND:
        // The panes' controls talk to the window that holds the splitter.
        return ::SendMessageA(::GetParent(Handle()), message, wParam, lParam);
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

}  // namespace ui
