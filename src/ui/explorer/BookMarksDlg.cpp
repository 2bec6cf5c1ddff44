#include "ui/explorer/BookMarksDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/BookMarks.h"

// Explorer
#include "ui/explorer/ExplorerBar.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <string>

CBookMarksDlg::CBookMarksDlg() : ui::Dialog(IDD_BOOKMARKS_LIST) {}

HWND CBookMarksDlg::Lines() const { return Item(IDC_BOOKMARKS_LINES); }

BOOL CBookMarksDlg::OnInitDialog()
{
    const bool fullPath = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::FullPathInTitle) != 0;
    if (CBookMarkList* list = BookmarkList())
        for (int i = 0; i < list->Count(); ++i)
            ::SendMessageA(Lines(), LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(list->MarkAt(i)->DisplayText(fullPath).c_str()));
    ::SendMessageA(Lines(), LB_SETSEL, TRUE, 0);
    UpdateButtons();
    return TRUE;
}

std::vector<int> CBookMarksDlg::SelectedLines() const
{
    std::vector<int> lines;
    const int count = static_cast<int>(::SendMessageA(Lines(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (::SendMessageA(Lines(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) lines.push_back(i);
    return lines;
}

int CBookMarksDlg::NumberOfLine(int line) const
{
    const LRESULT length = ::SendMessageA(Lines(), LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
    if (length <= 0) return kNoBookmark;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(Lines(), LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&text[0]));
    return BookmarkNumberOfText(text);
}

void CBookMarksDlg::UpdateButtons()
{
    const std::size_t selected = SelectedLines().size();
    ::EnableWindow(Item(IDC_BOOKMARKS_REMOVE), selected >= 1);
    ::EnableWindow(Item(IDC_BOOKMARKS_SWITCH_TO), selected == 1);
}

void CBookMarksDlg::DeleteSelected()
{
    const std::vector<int> lines = SelectedLines();
    CExplorerBar* bar = ExplorerBar();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const int number = NumberOfLine(*line);
        ::SendMessageA(Lines(), LB_DELETESTRING, static_cast<WPARAM>(*line), 0);
        if (number == kNoBookmark) continue;
        if (CBookMarkList* list = BookmarkList()) list->RemoveByNumber(number);
        if (bar) bar->BookmarksPage().RemoveItem(number);
    }
    if (::SendMessageA(Lines(), LB_GETCOUNT, 0, 0) == 0) {
        End(IDOK);
        return;
    }
    ::SendMessageA(Lines(), LB_SETSEL, FALSE, -1);
    ::SendMessageA(Lines(), LB_SETSEL, TRUE, 0);
    UpdateButtons();
}

void CBookMarksDlg::SwitchTo()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) return;
    const int number = NumberOfLine(lines.front());
    End(IDOK);
    if (number != kNoBookmark)
        ::PostMessageA(CTrailmarkApp::Instance()->MainWindow(), WM_COMMAND,
                       static_cast<WPARAM>(ID_BOOKMARK_RESTORE_FIRST + number), 0);
}

bool CBookMarksDlg::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_BOOKMARKS_LINES:
        if (code == LBN_SELCHANGE) UpdateButtons();
        if (code == LBN_DBLCLK) SwitchTo();
        return true;
    case IDC_BOOKMARKS_REMOVE:
        DeleteSelected();
        return true;
    case IDC_BOOKMARKS_SWITCH_TO:
        SwitchTo();
        return true;
    default:
        return ui::Dialog::OnCommand(id, code);
    }
}

INT_PTR CBookMarksDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_VKEYTOITEM && reinterpret_cast<HWND>(lParam) == Lines()) {
        // Delete removes the chosen lines; Ctrl+A chooses every line.
        if (LOWORD(wParam) == VK_DELETE) {
            DeleteSelected();
            return -2;
        }
        if (LOWORD(wParam) == 'A' && ::GetKeyState(VK_CONTROL) < 0) {
            ::SendMessageA(Lines(), LB_SETSEL, TRUE, -1);
            UpdateButtons();
            return -2;
        }
        return -1;
    }
    return ui::Dialog::DialogProc(message, wParam, lParam);
}
