#include "ui/frame/LoadingIndicator.h"

namespace {

constexpr char kClassName[] = "TrailmarkLoading";
constexpr UINT_PTR kStepTimerId = 1;
constexpr UINT kStepMs = 80;
constexpr int kBlockWidth = 12;
constexpr int kTrackWidth = 100;
constexpr int kGap = 8;

}  // namespace

bool LoadingIndicator::Create(HWND parent, const RECT& place, const std::string& text)
{
    static const bool registered = Window::RegisterWindowClass(kClassName, COLOR_BTNFACE);
    m_text = text;
    return registered &&
           ::CreateWindowExA(0, kClassName, text.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                             place.right - place.left, place.bottom - place.top, parent, nullptr,
                             ::GetModuleHandleA(nullptr), this) != nullptr;
}

void LoadingIndicator::Start() { ::SetTimer(Handle(), kStepTimerId, kStepMs, nullptr); }

void LoadingIndicator::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    RECT client;
    ::GetClientRect(Handle(), &client);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    RECT text = client;
    ::DrawTextA(dc, m_text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
    const int textWidth = text.right - text.left;
    text = client;
    ::DrawTextA(dc, m_text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);

    const int trackLeft = client.left + textWidth + kGap;
    RECT track = {trackLeft, client.top + 3, trackLeft + kTrackWidth, client.bottom - 3};
    ::DrawEdge(dc, &track, BDR_SUNKENOUTER, BF_RECT);
    const int travel = kTrackWidth - kBlockWidth - 2;
    const int cycle = 2 * travel;
    const int position = cycle > 0 ? m_step % cycle : 0;
    const int offset = position <= travel ? position : cycle - position;
    RECT block = {track.left + 1 + offset, track.top + 1, track.left + 1 + offset + kBlockWidth, track.bottom - 1};
    ::FillRect(dc, &block, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    ::EndPaint(Handle(), &paint);
}

LRESULT LoadingIndicator::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_TIMER:
        m_step += 4;
        ::InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_DESTROY:
        ::KillTimer(Handle(), kStepTimerId);
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
