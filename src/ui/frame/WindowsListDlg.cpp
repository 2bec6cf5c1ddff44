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

// Entries carry their window's handle, never its object: a busy window may
// close and delete itself while the list is open, and a new window may then
// be given the old one's address. The handle is looked up among the open
// windows each time; a window that went away gives null.
CBasicWindow* WindowAt(HWND list, int index)
{
    return CWindowList::Instance().FromHandle(
        reinterpret_cast<HWND>(::SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
}

// The list the window's icon index belongs to, or null when it has no icon.
HIMAGELIST IconImages(const CBasicWindow& window)
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (window.GetIconIndex() < 0 || !frame) return nullptr;
    return frame->TaskBar().Tabs().ImagesFor(window);
}

// The entry's text, however long.
std::string EntryText(HWND list, UINT index)
{
    const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

}  // namespace

CWindowsListDlg::CWindowsListDlg() : ui::Dialog(IDD_WINDOWS_LIST) {}

HWND CWindowsListDlg::List() const { return Item(IDC_WINDOWS_LIST); }

BOOL CWindowsListDlg::OnInitDialog()
{
    ::SendMessageA(List(), LB_SETITEMHEIGHT, 0, kLineHeight);
    for (CBasicWindow* window : CWindowList::Instance().Windows()) {
        const LRESULT index = ::SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(window->Path().c_str()));
        ::SendMessageA(List(), LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(window->Handle()));
    }
    ::SendMessageA(List(), LB_SETSEL, TRUE, 0);
    UpdateButtons();
    return TRUE;
}

std::vector<CBasicWindow*> CWindowsListDlg::Selected() const
{
    std::vector<CBasicWindow*> selected;
    const int count = static_cast<int>(::SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (::SendMessageA(List(), LB_GETSEL, static_cast<WPARAM>(i), 0) <= 0) continue;
        if (CBasicWindow* window = WindowAt(List(), i)) selected.push_back(window);
    }
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
        if (!window || window->CanCloseNow()) {
            ::SendMessageA(List(), LB_DELETESTRING, static_cast<WPARAM>(i), 0);
            if (window) ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
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
    if (selected.empty()) return;
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
    const CBasicWindow* window = CWindowList::Instance().FromHandle(reinterpret_cast<HWND>(draw.itemData));
    const int top = draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - kIconSize) / 2;
    if (HIMAGELIST images = window ? IconImages(*window) : nullptr)
        ::ImageList_Draw(images, window->GetIconIndex(), draw.hDC, draw.rcItem.left + 2, top, ILD_TRANSPARENT);
    const std::string text = EntryText(draw.hwndItem, draw.itemID);
    RECT area = draw.rcItem;
    area.left += kIconSize + 6;
    ::SetBkMode(draw.hDC, TRANSPARENT);
    ::SetTextColor(draw.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextA(draw.hDC, text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
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
