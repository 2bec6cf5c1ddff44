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
    HDC dc = ::GetDC(m_hwnd);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hwnd, WM_GETFONT, 0, 0)));
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hwnd, dc);
    return size.cx;
}

}  // namespace ui
