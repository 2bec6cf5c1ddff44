#include "ui/framework/StatusBar.h"

// Windows
#include <commctrl.h>

namespace ui {

bool StatusBar::Create(HWND parent, UINT id)
{
    m_hwnd = ::CreateWindowExA(0, STATUSCLASSNAMEA, nullptr,
                               WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ::GetModuleHandleA(nullptr), nullptr);
    return m_hwnd != nullptr;
}

void StatusBar::SetParts(const std::vector<int>& rightEdges)
{
    ::SendMessageA(m_hwnd, SB_SETPARTS, rightEdges.size(),
                   reinterpret_cast<LPARAM>(rightEdges.data()));
}

void StatusBar::SetText(int pane, const std::string& text)
{
    ::SendMessageA(m_hwnd, SB_SETTEXTA, static_cast<WPARAM>(pane),
                   reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Text(int pane) const
{
    // Wine: the simple pane's text is read as pane 0 while the bar is simple.
    if (pane == kSimplePane) pane = 0;
    const LRESULT info = ::SendMessageA(m_hwnd, SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane), 0);
    std::string text(LOWORD(info) + 1, '\0');
    ::SendMessageA(m_hwnd, SB_GETTEXTA, static_cast<WPARAM>(pane),
                   reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(info));
    return text;
}

void StatusBar::SetSimple(bool simple)
{
    ::SendMessageA(m_hwnd, SB_SIMPLE, simple ? TRUE : FALSE, 0);
}

bool StatusBar::IsSimple() const
{
    return ::SendMessageA(m_hwnd, SB_ISSIMPLE, 0, 0) != 0;
}

int StatusBar::TextWidth(const std::string& text) const
{
    // Without a font of its own the bar draws with the system's status font.
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hwnd, WM_GETFONT, 0, 0));
    HFONT statusFont = nullptr;
    if (!font) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof(metrics);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            font = statusFont = ::CreateFontIndirectA(&metrics.lfStatusFont);
    }
    HDC dc = ::GetDC(m_hwnd);
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(m_hwnd, dc);
    if (statusFont) ::DeleteObject(statusFont);
    // A pane's edges and inner margins come on top of its text.
    int borders[3] = {};
    ::SendMessageA(m_hwnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return size.cx + 2 * borders[0] + 2 * borders[2] + 2 * ::GetSystemMetrics(SM_CXEDGE);
}

}  // namespace ui
