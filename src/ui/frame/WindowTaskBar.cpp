#include "ui/frame/WindowTaskBar.h"

// Framework
#include "ui/framework/MdiFrame.h"

// Application
#include "ui/frame/BasicWindow.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <vector>

namespace {

// Room above the buttons for the etched edge.
constexpr int kTopMargin = 2;

std::string TitleOf(HWND window)
{
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1);
    ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace

CWindowTaskBar::CWindowTaskBar() : ui::DialogBar(IDD_WINDOW_TASKBAR) {}

CWindowTaskBar::~CWindowTaskBar() = default;

bool CWindowTaskBar::Create(ui::MdiFrame& frame) { return CreateBar(frame, IDW_WINDOW_TASKBAR) && m_tabs.Handle(); }

BOOL CWindowTaskBar::OnInitDialog()
{
    m_tabs.Create(Handle());
    return TRUE;
}

void CWindowTaskBar::AddWindow(CBasicWindow* window)
{
    if (!window || IndexOf(window->Handle()) >= 0) return;
    auto button = std::make_unique<TaskbarButton>();
    button->window = window;
    button->standIn = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 0, 0, Handle(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nextId++)),
                                        ::GetModuleHandleA(nullptr), nullptr);
    m_tabs.Append(TitleOf(window->Handle()), window->GetIconIndex(), button.get());
    m_buttons.push_back(std::move(button));
    Relayout();
}

void CWindowTaskBar::RemoveWindow(CBasicWindow* window)
{
    const int index = window ? IndexOf(window->Handle()) : -1;
    if (index < 0) return;
    m_tabs.Delete(index);
    if (m_buttons[static_cast<std::size_t>(index)]->standIn)
        ::DestroyWindow(m_buttons[static_cast<std::size_t>(index)]->standIn);
    m_buttons.erase(m_buttons.begin() + index);
    Relayout();
}

void CWindowTaskBar::SelectWindow(CBasicWindow* window)
{
    const int index = window ? IndexOf(window->Handle()) : -1;
    if (index >= 0 && index != m_tabs.Selected()) m_tabs.Select(index);
}

void CWindowTaskBar::TitleChanged(HWND window, bool iconChanged)
{
    const int index = IndexOf(window);
    if (index < 0) return;
    m_tabs.SetText(index, TitleOf(window));
    if (iconChanged) m_tabs.SetImage(index, m_buttons[static_cast<std::size_t>(index)]->window->GetIconIndex());
    m_tabs.UpdateToolTips();
    ::InvalidateRect(m_tabs.Handle(), nullptr, TRUE);
}

int CWindowTaskBar::IndexOf(HWND window) const
{
    auto it = std::find_if(m_buttons.begin(), m_buttons.end(), [window](const std::unique_ptr<TaskbarButton>& button) {
        return button->window && button->window->Handle() == window;
    });
    return it == m_buttons.end() ? -1 : static_cast<int>(it - m_buttons.begin());
}

void CWindowTaskBar::Relayout()
{
    // A hidden bar is laid out when it shows.
    if (IsVisible()) RequestLayout();
}

int CWindowTaskBar::BarHeight(int width)
{
    ::SetWindowPos(m_tabs.Handle(), nullptr, 0, kTopMargin, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return kTopMargin + m_tabs.Layout(width);
}

void CWindowTaskBar::PaintBackground(HDC dc)
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(dc, &client, EDGE_ETCHED, BF_TOP);
}

INT_PTR CWindowTaskBar::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->hwndItem != m_tabs.Handle()) return FALSE;
        m_tabs.DrawItem(*draw);
        return TRUE;
    }
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}
