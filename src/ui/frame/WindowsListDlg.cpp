#include "ui/frame/WindowsListDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/WindowRules.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>

// Windows
#include <commctrl.h>

namespace {

constexpr int kIconSize = 16;
constexpr int kLineHeight = 18;

CBasicWindow* WindowAt(HWND list, int index)
{
    return reinterpret_cast<CBasicWindow*>(::SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

bool StillOpen(const CBasicWindow* window)
{
    const auto& windows = CWindowList::Instance().Windows();
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

CWindowsListDlg::CWindowsListDlg() : ui::Dialog(IDD_WINDOWS_LIST) {}

HWND CWindowsListDlg::List() const { return Item(IDC_WINDOWS_LIST); }

BOOL CWindowsListDlg::OnInitDialog()
{
    ::SendMessageA(List(), LB_SETITEMHEIGHT, 0, kLineHeight);
    for (CBasicWindow* window : CWindowList::Instance().Windows()) {
        const LRESULT index = ::SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(window->Path().c_str()));
        ::SendMessageA(List(), LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(window));
    }
    ::SendMessageA(List(), LB_SETSEL, TRUE, 0);
    UpdateButtons();
    return TRUE;
}

std::vector<CBasicWindow*> CWindowsListDlg::Selected() const
{
    std::vector<CBasicWindow*> selected;
    const int count = static_cast<int>(::SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (::SendMessageA(List(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(WindowAt(List(), i));
    return selected;
}

void CWindowsListDlg::UpdateButtons()
{
    const std::vector<CBasicWindow*> selected = Selected();
    const bool anyClosable = std::any_of(selected.begin(), selected.end(),
                                         [](const CBasicWindow* window) { return window->CanCloseNow(); });
    const bool maximizeMode = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ArrangeMode) ==
                              static_cast<int>(ArrangeMode::Maximize);
    ::EnableWindow(Item(IDC_WINDOWS_CLOSE), anyClosable);
    ::EnableWindow(Item(IDC_WINDOWS_TILE_HORZ), selected.size() >= 2 && !maximizeMode);
    ::EnableWindow(Item(IDC_WINDOWS_TILE_VERT), selected.size() >= 2 && !maximizeMode);
    ::EnableWindow(Item(IDC_WINDOWS_SWITCH_TO), selected.size() == 1);
}

void CWindowsListDlg::CloseSelected()
{
    const int count = static_cast<int>(::SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = count - 1; i >= 0; --i) {
        if (::SendMessageA(List(), LB_GETSEL, static_cast<WPARAM>(i), 0) <= 0) continue;
        CBasicWindow* window = WindowAt(List(), i);
        if (!StillOpen(window) || window->CanCloseNow()) {
            ::SendMessageA(List(), LB_DELETESTRING, static_cast<WPARAM>(i), 0);
            if (StillOpen(window)) ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
        } else {
            ::SendMessageA(List(), LB_SETSEL, FALSE, i);
        }
    }
    if (::SendMessageA(List(), LB_GETCOUNT, 0, 0) == 0) End(IDOK);
    else UpdateButtons();
}

void CWindowsListDlg::SwitchTo()
{
    const std::vector<CBasicWindow*> selected = Selected();
    if (selected.empty() || !StillOpen(selected.front())) return;
    HWND window = selected.front()->Handle();
    ::SendMessageA(::GetParent(window), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
    ::SendMessageA(::GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    End(IDOK);
}

void CWindowsListDlg::Tile(bool horizontally)
{
    const std::vector<CBasicWindow*> selected = Selected();
    for (CBasicWindow* window : CWindowList::Instance().Windows()) {
        const bool chosen = std::find(selected.begin(), selected.end(), window) != selected.end();
        ::ShowWindow(window->Handle(), chosen ? SW_RESTORE : SW_MINIMIZE);
    }
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    ::SendMessageA(frame->MdiClient(), WM_MDITILE, horizontally ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

bool CWindowsListDlg::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_WINDOWS_LIST:
        if (code == LBN_SELCHANGE) UpdateButtons();
        if (code == LBN_DBLCLK) SwitchTo();
        return true;
    case IDC_WINDOWS_CLOSE: CloseSelected(); return true;
    case IDC_WINDOWS_CLOSE_ALL:
        ::SendMessageA(List(), LB_SETSEL, TRUE, -1);
        CloseSelected();
        return true;
    case IDC_WINDOWS_SWITCH_TO: SwitchTo(); return true;
    case IDC_WINDOWS_TILE_HORZ: Tile(true); return true;
    case IDC_WINDOWS_TILE_VERT: Tile(false); return true;
    default: return ui::Dialog::OnCommand(id, code);
    }
}

void CWindowsListDlg::DrawLine(const DRAWITEMSTRUCT& draw) const
{
    if (draw.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    ::FillRect(draw.hDC, &draw.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const auto* window = reinterpret_cast<const CBasicWindow*>(draw.itemData);
    const int top = draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - kIconSize) / 2;
    if (window && StillOpen(window) && window->GetIconIndex() >= 0)
        ::ImageList_Draw(CTrailmarkApp::Instance()->SmallImages(), window->GetIconIndex(), draw.hDC,
                         draw.rcItem.left + 2, top, ILD_TRANSPARENT);
    char text[MAX_PATH] = "";
    ::SendMessageA(draw.hwndItem, LB_GETTEXT, draw.itemID, reinterpret_cast<LPARAM>(text));
    RECT area = draw.rcItem;
    area.left += kIconSize + 6;
    ::SetBkMode(draw.hDC, TRANSPARENT);
    ::SetTextColor(draw.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextA(draw.hDC, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    if (draw.itemState & ODS_FOCUS) ::DrawFocusRect(draw.hDC, &draw.rcItem);
}

INT_PTR CWindowsListDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && wParam == IDC_WINDOWS_LIST) {
        DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return ui::Dialog::DialogProc(message, wParam, lParam);
}
