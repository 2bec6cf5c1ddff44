#include "ui/frame/WindowTabs.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/TaskbarLayout.h"
#include "core/frame/WindowRules.h"

// Framework
#include "ui/framework/SystemFunctions.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/TabDropTarget.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

// Windows
#include <commctrl.h>

namespace {

constexpr DWORD kTabStyles = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_FIXEDWIDTH |
                             TCS_OWNERDRAWFIXED | TCS_TOOLTIPS | TCS_HOTTRACK | TCS_MULTILINE | TCS_FOCUSNEVER;
constexpr int kIconSize = 16;
constexpr int kRowHeight = kIconSize + 6;
constexpr int kBottomMargin = 2;
constexpr int kIconLeft = 3;
constexpr int kTextGap = 4;  // between the icon and the text
constexpr int kTextRightMargin = 3;
constexpr int kFontHeight = 13;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 20;
constexpr COLORREF kCurrentTextColor = 0xFF0000;
constexpr COLORREF kOtherTextColor = 0x323232;
// The icons of the window kinds, in the order of their indexes.
constexpr UINT kKindIcons[] = {IDI_PERSONAL_WINDOW, IDI_SEARCH_WINDOW, IDI_REPORT_WINDOW, IDI_PERSONAL_WINDOW_ALT,
                               IDI_RULE_WINDOW};

struct MenuCommand {
    UINT id;
    UINT systemCommand;
};
constexpr MenuCommand kButtonMenu[] = {{ID_TASKBAR_RESTORE, SC_RESTORE},   {ID_TASKBAR_MOVE, SC_MOVE},
                                       {ID_TASKBAR_SIZE, SC_SIZE},         {ID_TASKBAR_MINIMIZE, SC_MINIMIZE},
                                       {ID_TASKBAR_MAXIMIZE, SC_MAXIMIZE}, {ID_TASKBAR_CLOSE, SC_CLOSE}};

std::string TitleOf(HWND window)
{
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1);
    ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace

CWindowTabs::~CWindowTabs()
{
    if (Handle()) ::RevokeDragDrop(Handle());
}

bool CWindowTabs::Create(HWND bar)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HWND hwnd = ::CreateWindowExA(0, WC_TABCONTROLA, "", kTabStyles, 0, 0, 0, 0, bar,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_WINDOW_TABS)), instance, nullptr);
    if (!hwnd) return false;
    SubclassControl(hwnd);
    m_images.Reset(::ImageList_Create(kIconSize, kIconSize, ILC_COLOR8 | ILC_MASK, 5, 0));
    for (UINT id : kKindIcons) {
        HICON icon = static_cast<HICON>(
            ::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, kIconSize, kIconSize, 0));
        ::ImageList_AddIcon(m_images.Get(), icon);
        if (icon) ::DestroyIcon(icon);
    }
    ::SendMessageA(hwnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.Get()));
    MakeFonts();
    ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_normalFont.Get()), FALSE);
    m_dropTarget = ui::ComPtr<IDropTarget>::Attach(new TabDropTarget(*this));
    ::RegisterDragDrop(hwnd, m_dropTarget.Get());
    return true;
}

void CWindowTabs::MakeFonts()
{
    LOGFONTA font = ui::MessageFont();
    font.lfHeight = kFontHeight;
    font.lfWeight = kBoldWeight;
    m_boldFont.Reset(::CreateFontIndirectA(&font));
    font.lfWeight = kNormalWeight;
    m_normalFont.Reset(::CreateFontIndirectA(&font));
}

int CWindowTabs::Layout(int width)
{
    m_buttonWidth = TaskbarButtonWidth(width, Count());
    ::SendMessageA(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(m_buttonWidth, kRowHeight));
    // The rows follow from the width; the height from the rows.
    ::SetWindowPos(Handle(), nullptr, 0, 0, width, kRowHeight + kBottomMargin, SWP_NOMOVE | SWP_NOZORDER);
    int height = kRowHeight + kBottomMargin;
    RECT item = {};
    if (Count() > 0 && ::SendMessageA(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(Count() - 1),
                                      reinterpret_cast<LPARAM>(&item)))
        height = item.bottom + kBottomMargin;
    ::SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    UpdateToolTips();
    return height;
}

int CWindowTabs::Count() const { return static_cast<int>(::SendMessageA(Handle(), TCM_GETITEMCOUNT, 0, 0)); }

void CWindowTabs::Append(const std::string& text, int image, TaskbarButton* button)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    item.lParam = reinterpret_cast<LPARAM>(button);
    ::SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(Count()), reinterpret_cast<LPARAM>(&item));
}

void CWindowTabs::Delete(int index) { ::SendMessageA(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0); }

void CWindowTabs::SetText(int index, const std::string& text)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(Handle(), TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void CWindowTabs::SetImage(int index, int image)
{
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = image;
    ::SendMessageA(Handle(), TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int CWindowTabs::Image(int index) const
{
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = -1;
    ::SendMessageA(Handle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

TaskbarButton* CWindowTabs::ButtonAt(int index) const
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!::SendMessageA(Handle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<TaskbarButton*>(item.lParam);
}

void CWindowTabs::Select(int index) { ::SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0); }

int CWindowTabs::Selected() const { return static_cast<int>(::SendMessageA(Handle(), TCM_GETCURSEL, 0, 0)); }

// The control knows its own spacing and rows; only it can say which button is where.
int CWindowTabs::HitTest(POINT point) const
{
    TCHITTESTINFO hit = {};
    hit.pt = point;
    return static_cast<int>(::SendMessageA(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void CWindowTabs::UpdateToolTips()
{
    HWND tips = reinterpret_cast<HWND>(::SendMessageA(Handle(), TCM_GETTOOLTIPS, 0, 0));
    if (!tips) return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    // Wine's tab control makes no tools for its buttons; ours replace any it made.
    for (int i = 0; i < m_toolCount; ++i) {
        tool.uId = static_cast<UINT_PTR>(i);
        ::SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    m_toolCount = Count();
    for (int i = 0; i < m_toolCount; ++i) {
        const TaskbarButton* button = ButtonAt(i);
        std::string title = button && button->window ? TitleOf(button->window->Handle()) : std::string();
        tool.uId = static_cast<UINT_PTR>(i);
        // The control passes its mouse messages to its tool tips itself.
        tool.uFlags = 0;
        tool.lpszText = const_cast<char*>(title.c_str());
        ::SendMessageA(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool.rect));
        ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

HIMAGELIST CWindowTabs::ImagesFor(const CBasicWindow& window) const
{
    // Folder windows show their folder's own icon from the system's list.
    return window.Kind() == WindowKind::Folder ? CTrailmarkApp::Instance()->SmallImages() : m_images.Get();
}

void CWindowTabs::DrawItem(const DRAWITEMSTRUCT& draw)
{
    const int index = static_cast<int>(draw.itemID);
    const TaskbarButton* button = ButtonAt(index);
    if (!button || !button->window) return;
    RECT rect = draw.rcItem;
    ::FillRect(draw.hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));

    HIMAGELIST images = ImagesFor(*button->window);
    const int image = Image(index);
    int textLeft = rect.left + kIconLeft;
    if (image >= 0 && images) {
        ::ImageList_Draw(images, image, draw.hDC, textLeft, rect.top + (rect.bottom - rect.top - kIconSize) / 2,
                         ILD_TRANSPARENT);
        textLeft += kIconSize + kTextGap;
    }
    const bool current = index == Selected();
    HGDIOBJ oldFont = ::SelectObject(draw.hDC, current ? m_boldFont.Get() : m_normalFont.Get());
    ::SetTextColor(draw.hDC, current ? kCurrentTextColor : kOtherTextColor);
    ::SetBkMode(draw.hDC, TRANSPARENT);
    RECT textRect = {textLeft, rect.top, rect.right - kTextRightMargin, rect.bottom};
    auto measure = [&draw](const std::string& text) {
        SIZE size = {};
        ::GetTextExtentPoint32A(draw.hDC, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::string text = FitPathMiddle(TitleOf(button->window->Handle()), textRect.right - textRect.left, measure);
    ::DrawTextA(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(draw.hDC, oldFont);
}

void CWindowTabs::OnLeftButton(POINT point)
{
    const int index = HitTest(point);
    if (const TaskbarButton* button = index >= 0 ? ButtonAt(index) : nullptr)
        CWindowList::Instance().ActivateWindow(button->window);
}

void CWindowTabs::OnRightButton(POINT point)
{
    POINT screen = point;
    ::ClientToScreen(Handle(), &screen);
    const int index = HitTest(point);
    const TaskbarButton* button = index >= 0 ? ButtonAt(index) : nullptr;
    if (!button || !button->window) {
        // The frame's own menu of the windows.
        ::SendMessageA(ui::RootWindow(Handle()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()),
                       MAKELPARAM(screen.x, screen.y));
        return;
    }
    HWND window = button->window->Handle();
    CWindowList& list = CWindowList::Instance();
    if (!::IsIconic(window)) list.ActivateWindow(button->window);

    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TASKBAR_BUTTON_MENU));
    if (!resource) return;
    HMENU menu = ::GetSubMenu(resource, 0);
    const bool maximizeMode = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ArrangeMode) ==
                              static_cast<int>(ArrangeMode::Maximize);
    const TaskbarMenuState state =
        TaskbarButtonMenu(::IsIconic(window) != FALSE, ::IsZoomed(window) != FALSE, maximizeMode);
    const bool enabled[] = {state.restore, state.move, state.size, state.minimize, state.maximize, state.close};
    for (std::size_t i = 0; i < std::size(kButtonMenu); ++i)
        ::EnableMenuItem(menu, kButtonMenu[i].id, MF_BYCOMMAND | (enabled[i] ? MF_ENABLED : MF_GRAYED));
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                          screen.x, screen.y, 0, Handle(), nullptr));
    ::DestroyMenu(resource);
    // The window may have gone while the menu was open.
    if (!list.FromHandle(window)) return;
    for (const MenuCommand& command : kButtonMenu)
        if (command.id == chosen) ::SendMessageA(window, WM_SYSCOMMAND, command.systemCommand, 0);
}

LRESULT CWindowTabs::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLeftButton(point);
        return 0;
    case WM_RBUTTONUP:
        OnRightButton(point);
        return 0;
    case WM_DESTROY:
        ::RevokeDragDrop(Handle());
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
