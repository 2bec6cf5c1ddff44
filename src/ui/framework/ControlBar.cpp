#include "ui/framework/ControlBar.h"

// Core
#include "core/frame/Toolbars.h"

// Framework
#include "ui/framework/Application.h"
#include "ui/framework/MdiFrame.h"

// Standard library
#include <algorithm>

namespace ui {
namespace {
constexpr char kBarClass[] = "TrailmarkControlBar";
constexpr char kFloatClass[] = "TrailmarkFloatFrame";
// Where a bar that never floated floats first, from the frame's corner.
constexpr int kFirstFloatOffset = 60;
constexpr DWORD kFloatExStyle = WS_EX_TOOLWINDOW;
constexpr DWORD kSizableFloatStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
// A flat bar's floating frame takes the size of its content: no sizing border.
constexpr DWORD kFlatFloatStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The gripper's two raised lines: inset from the bar's edge, 3 pixels thick, 4 apart.
constexpr int kGripperInset = 3;
constexpr int kGripperLine = 3;
constexpr int kGripperPitch = 4;
constexpr DockSide kLayoutOrder[] = {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right};
}  // namespace

// The small tool frame of a floating bar. Its system menu holds one item,
// "&Hide", and closing it only hides the bar.
class ControlBar::FloatWindow : public Window {
public:
    explicit FloatWindow(ControlBar& bar) : m_bar(bar) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_SIZE:
            if (m_bar.Handle()) ::MoveWindow(m_bar, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_CLOSE:
            m_bar.OnFloatFrameClosed();
            return 0;
        case WM_NCLBUTTONDBLCLK:
            // A double click on the caption docks the bar where it was.
            if (wParam == HTCAPTION) {
                m_bar.Dock(m_bar.Side());
                return 0;
            }
            break;
        case WM_COMMAND:
            // The bar's content reports to the bar's parent: pass it on to the frame.
            if (m_bar.m_frame) return ::SendMessageA(*m_bar.m_frame, message, wParam, lParam);
            break;
        default:
            break;
        }
        return DefaultProc(message, wParam, lParam);
    }

private:
    ControlBar& m_bar;
};

ControlBar::ControlBar() = default;

ControlBar::~ControlBar()
{
    if (m_frame) m_frame->RemoveControlBar(this);
    if (HWND bar = Detach()) ::DestroyWindow(bar);
    if (m_floatFrame) ::DestroyWindow(m_floatFrame);
    delete m_floatWindow;
}

bool ControlBar::CreateBar(MdiFrame& frame, UINT barId, const char* title, DockSide side, int size, int floatHeight)
{
    m_frame = &frame;
    m_side = side;
    m_size = std::max(size, static_cast<int>(kMinimumSize));
    m_floatHeight = std::max(floatHeight, static_cast<int>(kMinimumSize));
    if (!RegisterWindowClass(kBarClass, COLOR_BTNFACE, nullptr, CS_DBLCLKS) ||
        !RegisterWindowClass(kFloatClass, COLOR_BTNFACE, IDC_ARROW, CS_DBLCLKS))
        return false;
    if (!::CreateWindowExA(WS_EX_CONTROLPARENT, kBarClass, title, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                           0, 0, frame.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(barId)),
                           Application::Instance()->InstanceHandle(), this))
        return false;
    RECT frameRect;
    ::GetWindowRect(frame.Handle(), &frameRect);
    m_floatRect = {frameRect.left + kFirstFloatOffset, frameRect.top + kFirstFloatOffset,
                   frameRect.left + kFirstFloatOffset + m_size, frameRect.top + kFirstFloatOffset + m_floatHeight};
    frame.AddControlBar(this);
    return true;
}

bool ControlBar::IsVisible() const
{
    if (!Handle()) return false;
    // The bar's own state: a hidden or closing frame hides it without hiding it.
    HWND shown = m_floating ? m_floatFrame : Handle();
    return shown && (::GetWindowLongPtrA(shown, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ControlBar::SetDockedSize(int size)
{
    m_size = std::max(size, static_cast<int>(kMinimumSize));
    if (!m_floating) RequestLayout();
}

RECT ControlBar::FloatRect() const
{
    RECT rect = m_floatRect;
    if (m_floating && m_floatFrame) ::GetWindowRect(m_floatFrame, &rect);
    return rect;
}

void ControlBar::SetFloatRect(const RECT& rect)
{
    if (rect.right - rect.left < kMinimumSize || rect.bottom - rect.top < kMinimumSize) return;
    m_floatRect = rect;
    m_floatHeight = rect.bottom - rect.top;
    if (m_floating && m_floatFrame)
        ::MoveWindow(m_floatFrame, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void ControlBar::Show(bool show)
{
    if (!Handle() || IsVisible() == show) return;
    if (m_floating) {
        ::ShowWindow(Handle(), SW_SHOWNA);
        ::ShowWindow(m_floatFrame, show ? SW_SHOWNA : SW_HIDE);
    } else {
        ::ShowWindow(Handle(), show ? SW_SHOWNA : SW_HIDE);
        RequestLayout();
    }
}

void ControlBar::Dock(DockSide side)
{
    if (!CanDock(side)) return;
    m_side = side;
    const bool visible = IsVisible();
    if (m_floating) {
        m_floatRect = FloatRect();
        m_floating = false;
        ::ShowWindow(m_floatFrame, SW_HIDE);
        ::SetParent(Handle(), m_frame->Handle());
    }
    if (m_flat) {
        OnPlaceChanged();
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    RequestLayout();
}

void ControlBar::Float()
{
    if (!m_floatFrame) {
        char title[128] = "";
        ::GetWindowTextA(Handle(), title, sizeof(title));
        m_floatWindow = new FloatWindow(*this);
        m_floatFrame = ::CreateWindowExA(kFloatExStyle, kFloatClass, title,
                                         m_flat ? kFlatFloatStyle : kSizableFloatStyle, 0, 0,
                                         0, 0, m_frame->Handle(), nullptr,
                                         Application::Instance()->InstanceHandle(), m_floatWindow);
        if (!m_floatFrame) return;
        // The small frame's system menu is cut down to the one item that hides the bar.
        if (HMENU menu = ::GetSystemMenu(m_floatFrame, FALSE)) {
            for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i)
                ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
            ::AppendMenuA(menu, MF_STRING, SC_CLOSE, m_hideText.c_str());
        }
    }
    m_floating = true;
    ::SetParent(Handle(), m_floatFrame);
    ::MoveWindow(m_floatFrame, m_floatRect.left, m_floatRect.top, m_floatRect.right - m_floatRect.left,
                 m_floatRect.bottom - m_floatRect.top, FALSE);
    if (m_flat) {
        OnPlaceChanged();
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        FitFloatFrame();
    }
    RECT client;
    ::GetClientRect(m_floatFrame, &client);
    ::MoveWindow(Handle(), 0, 0, client.right, client.bottom, TRUE);
    ::ShowWindow(Handle(), SW_SHOWNA);
    ::ShowWindow(m_floatFrame, SW_SHOWNA);
    RequestLayout();
}

void ControlBar::OnFloatFrameClosed()
{
    ::ShowWindow(m_floatFrame, SW_HIDE);
    RequestLayout();
}

void ControlBar::RequestLayout()
{
    if (m_floating && m_flat) FitFloatFrame();
    if (m_frame) m_frame->RecalcLayout();
}

RECT ControlBar::FlatEdges() const
{
    const BarEdges edges = FlatBarEdges(static_cast<BarSide>(m_side), m_floating);
    return {edges.left, edges.top, edges.right, edges.bottom};
}

int ControlBar::DockedLength(bool vertical) const
{
    const SIZE content = ContentSize();
    const RECT edges = FlatEdges();
    return vertical ? content.cy + edges.top + edges.bottom : content.cx + edges.left + edges.right;
}

int ControlBar::DockedThickness(bool vertical) const
{
    if (!m_flat) return m_size;
    const SIZE content = ContentSize();
    const RECT edges = FlatEdges();
    return vertical ? content.cx + edges.left + edges.right : content.cy + edges.top + edges.bottom;
}

void ControlBar::PlaceDocked(const RECT& place)
{
    ::MoveWindow(Handle(), place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void ControlBar::LayoutDockedBars(const std::vector<ControlBar*>& bars, RECT& remaining)
{
    for (DockSide side : kLayoutOrder) {
        const bool vertical = side == DockSide::Left || side == DockSide::Right;
        const int edgeLength = vertical ? remaining.bottom - remaining.top : remaining.right - remaining.left;
        const int across = vertical ? remaining.right - remaining.left : remaining.bottom - remaining.top;
        std::vector<ControlBar*> docked;
        std::vector<DockRequest> requests;
        for (ControlBar* bar : bars) {
            if (bar->m_floating || bar->m_side != side || !bar->IsVisible()) continue;
            docked.push_back(bar);
            DockRequest request;
            request.stretch = !bar->m_flat;
            request.length = bar->m_flat ? bar->DockedLength(vertical) : edgeLength;
            // A sizable bar never takes all of the frame: the document area keeps a sliver.
            request.thickness = bar->m_flat ? bar->DockedThickness(vertical)
                                            : std::min(bar->m_size, std::max(0, across - kMinimumSize));
            requests.push_back(request);
        }
        if (docked.empty()) continue;
        int depthUsed = 0;
        const std::vector<DockPlace> places = PackDockRows(requests, edgeLength, depthUsed);
        for (std::size_t i = 0; i < docked.size(); ++i) {
            const DockPlace& at = places[i];
            RECT place = {};
            switch (side) {
            case DockSide::Top:
                place = {remaining.left + at.offset, remaining.top + at.depth, remaining.left + at.offset + at.length,
                         remaining.top + at.depth + at.thickness};
                break;
            case DockSide::Bottom:
                place = {remaining.left + at.offset, remaining.bottom - at.depth - at.thickness,
                         remaining.left + at.offset + at.length, remaining.bottom - at.depth};
                break;
            case DockSide::Left:
                place = {remaining.left + at.depth, remaining.top + at.offset, remaining.left + at.depth + at.thickness,
                         remaining.top + at.offset + at.length};
                break;
            case DockSide::Right:
                place = {remaining.right - at.depth - at.thickness, remaining.top + at.offset,
                         remaining.right - at.depth, remaining.top + at.offset + at.length};
                break;
            }
            docked[i]->PlaceDocked(place);
        }
        const int used = std::min(depthUsed, std::max(0, across));
        switch (side) {
        case DockSide::Top: remaining.top += used; break;
        case DockSide::Bottom: remaining.bottom -= used; break;
        case DockSide::Left: remaining.left += used; break;
        case DockSide::Right: remaining.right -= used; break;
        }
    }
}

void ControlBar::FitFloatFrame()
{
    if (!m_floatFrame) return;
    const SIZE content = ContentSize();
    const RECT edges = FlatEdges();
    RECT outer = {0, 0, content.cx + edges.left + edges.right, content.cy + edges.top + edges.bottom};
    ::AdjustWindowRectEx(&outer, kFlatFloatStyle, FALSE, kFloatExStyle);
    ::SetWindowPos(m_floatFrame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlBar::PaintFlatFrame()
{
    HDC dc = ::GetWindowDC(Handle());
    if (!dc) return;
    RECT window;
    ::GetWindowRect(Handle(), &window);
    ::OffsetRect(&window, -window.left, -window.top);
    const RECT edges = FlatEdges();
    // Only the frame is painted here; the content paints itself.
    ::ExcludeClipRect(dc, edges.left, edges.top, window.right - edges.right, window.bottom - edges.bottom);
    ::FillRect(dc, &window, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_floating) {
        RECT line = window;
        if (Vertical()) {
            line = {window.left + kGripperInset, window.top + kGripperInset, window.right - kGripperInset,
                    window.top + kGripperInset + kGripperLine};
            ::DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
            ::OffsetRect(&line, 0, kGripperPitch);
        } else {
            line = {window.left + kGripperInset, window.top + kGripperInset, window.left + kGripperInset + kGripperLine,
                    window.bottom - kGripperInset};
            ::DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
            ::OffsetRect(&line, kGripperPitch, 0);
        }
        ::DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
        ::DrawEdge(dc, &window, EDGE_ETCHED, m_etchedSides);
    }
    ::ReleaseDC(Handle(), dc);
}

RECT ControlBar::StripRect() const
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    if (m_floating || m_flat) return {0, 0, 0, 0};
    switch (m_side) {
    case DockSide::Left:
        client.left = client.right - kStripWidth;
        break;
    case DockSide::Right:
        client.right = client.left + kStripWidth;
        break;
    case DockSide::Top:
        client.top = client.bottom - kStripWidth;
        break;
    case DockSide::Bottom:
        client.bottom = client.top + kStripWidth;
        break;
    }
    return client;
}

RECT ControlBar::GripperRect() const
{
    if (m_floating || m_flat) return {0, 0, 0, 0};
    RECT client;
    ::GetClientRect(Handle(), &client);
    if (m_side == DockSide::Right) client.left += kStripWidth;
    if (m_side == DockSide::Left) client.right -= kStripWidth;
    if (m_side == DockSide::Bottom) client.top += kStripWidth;
    client.bottom = client.top + kGripperHeight;
    return client;
}

RECT ControlBar::ContentArea() const
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    if (m_floating || m_flat) return area;
    const RECT strip = StripRect();
    switch (m_side) {
    case DockSide::Left:
        area.right = strip.left;
        break;
    case DockSide::Right:
        area.left = strip.right;
        break;
    case DockSide::Top:
        area.bottom = strip.top;
        break;
    case DockSide::Bottom:
        area.top = strip.bottom;
        break;
    }
    area.top = GripperRect().bottom;
    if (area.bottom < area.top) area.bottom = area.top;
    if (area.right < area.left) area.right = area.left;
    return area;
}

void ControlBar::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    RECT gripper = GripperRect();
    if (gripper.bottom > gripper.top) {
        // Two raised lines beside the title, as the bars of the time drew them.
        char title[128] = "";
        ::GetWindowTextA(Handle(), title, sizeof(title));
        HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        RECT text = gripper;
        text.left += 4;
        ::DrawTextA(dc, title, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
        text.bottom = gripper.bottom;
        text.top = gripper.top;
        ::DrawTextA(dc, title, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(dc, old);
        RECT line = {text.right + 4, gripper.top + 4, gripper.right - 3, gripper.top + 7};
        if (line.right > line.left) {
            ::DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
            ::OffsetRect(&line, 0, 4);
            ::DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
        }
    }
    RECT strip = StripRect();
    if (strip.right > strip.left) ::DrawEdge(dc, &strip, EDGE_RAISED, Vertical() ? BF_LEFT | BF_RIGHT : BF_TOP | BF_BOTTOM);
    ::EndPaint(Handle(), &paint);
}

void ControlBar::TrackResize(POINT start)
{
    const int startSize = m_size;
    ::SetCapture(Handle());
    MSG msg;
    while (::GetCapture() == Handle() && ::GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN ||
            (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            if (msg.message != WM_LBUTTONUP) SetDockedSize(startSize);
            break;
        }
        if (msg.message != WM_MOUSEMOVE) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            continue;
        }
        POINT now;
        ::GetCursorPos(&now);
        int delta = 0;
        switch (m_side) {
        case DockSide::Left: delta = now.x - start.x; break;
        case DockSide::Right: delta = start.x - now.x; break;
        case DockSide::Top: delta = now.y - start.y; break;
        case DockSide::Bottom: delta = start.y - now.y; break;
        }
        SetDockedSize(startSize + delta);
    }
    if (::GetCapture() == Handle()) ::ReleaseCapture();
}

LRESULT ControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        ::InvalidateRect(Handle(), nullptr, TRUE);
        LayoutContent(ContentArea());
        return 0;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_NCCALCSIZE:
        if (!m_flat) break;
        {
            // The flat look's edges and gripper are the bar's non-client area.
            RECT& proposed = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
            const RECT edges = FlatEdges();
            proposed.left += edges.left;
            proposed.top += edges.top;
            proposed.right = std::max(proposed.left, proposed.right - edges.right);
            proposed.bottom = std::max(proposed.top, proposed.bottom - edges.bottom);
        }
        return 0;
    case WM_NCPAINT:
        if (!m_flat) break;
        PaintFlatFrame();
        ::InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_NCHITTEST:
        // The gripper and edges answer clicks as the bar's own.
        if (m_flat) return HTCLIENT;
        break;
    case WM_SETCURSOR: {
        POINT point;
        ::GetCursorPos(&point);
        ::ScreenToClient(Handle(), &point);
        const RECT strip = StripRect();
        if (reinterpret_cast<HWND>(wParam) != Handle()) break;
        ::SetCursor(::LoadCursorA(nullptr, ::PtInRect(&strip, point) ? (Vertical() ? IDC_SIZEWE : IDC_SIZENS)
                                                                       : IDC_ARROW));
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const RECT strip = StripRect();
        if (::PtInRect(&strip, point)) {
            ::GetCursorPos(&point);
            TrackResize(point);
        }
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT gripper = GripperRect();
        if (m_flat && !m_floating) {
            // A flat bar's gripper lies before its client area.
            const RECT edges = FlatEdges();
            gripper = Vertical() ? RECT{-edges.left, -edges.top, 0x7FFF, 0} : RECT{-edges.left, -edges.top, 0, 0x7FFF};
        }
        if (::PtInRect(&gripper, point)) Float();
        return 0;
    }
    case WM_COMMAND:
        // The content's commands are the frame's, docked or floating.
        if (m_frame) return ::SendMessageA(*m_frame, message, wParam, lParam);
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace ui
