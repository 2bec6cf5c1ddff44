#include "ui/dialogs/UpdateProgressDlg.h"

// Core
#include "core/dialogs/ProgressTexts.h"
#include "core/search/SearchSink.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/StatusReport.h"

// Resources
#include "res/resource.h"

// Windows
#include <commctrl.h>

CUpdateProgressDlg::CUpdateProgressDlg(std::string title, std::string verb, std::string counterLabel)
    : ui::Dialog(IDD_UPDATE_PROGRESS),
      m_title(std::move(title)),
      m_verb(std::move(verb)),
      m_counterLabel(std::move(counterLabel))
{
}

BOOL CUpdateProgressDlg::OnInitDialog()
{
    ::SetWindowTextA(Handle(), m_title.c_str());
    SetItemText(IDC_PROGRESS_ITEM, m_verb);
    ShowCounter();
    if (m_start && !m_start(Handle())) End(IDABORT);
    return TRUE;
}

void CUpdateProgressDlg::OnCancel()
{
    if (m_state) {
        int running = WorkState::Running;
        m_state->compare_exchange_strong(running, WorkState::Stop);
    }
    m_stopped = true;
    End(IDCANCEL);
}

INT_PTR CUpdateProgressDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_SEARCHSTARTED: OnStarted(static_cast<long>(wParam)); return TRUE;
    case UWM_STATUSTEXT: OnStatus(reinterpret_cast<const char*>(wParam), 1); return TRUE;
    case UWM_PROGRESSSTEPS: OnStatus(reinterpret_cast<const char*>(wParam), static_cast<long>(lParam)); return TRUE;
    case UWM_STATUSREPORT:
        if (const auto report = TakeStatusReport(wParam)) OnStatus(report->text.c_str(), report->steps);
        return TRUE;
    case UWM_WORKDONE: End(IDOK); return TRUE;
    default: return ui::Dialog::DialogProc(message, wParam, lParam);
    }
}

void CUpdateProgressDlg::OnStarted(long steps)
{
    m_range = steps < 0 ? 0 : steps;
    m_remaining = m_range;
    ResetProgress(IDC_PROGRESS_BAR, m_range);
    ShowCounter();
}

void CUpdateProgressDlg::OnStatus(const char* text, long steps)
{
    if (text) SetItemText(IDC_PROGRESS_ITEM, ItemLine(text));
    if (m_remaining <= 0 || steps <= 0) return;
    m_remaining -= steps < m_remaining ? steps : m_remaining;
    ::SendMessageA(Item(IDC_PROGRESS_BAR), PBM_SETPOS, static_cast<WPARAM>(m_range - m_remaining), 0);
    ShowCounter();
}

void CUpdateProgressDlg::ShowCounter() { SetItemText(IDC_PROGRESS_COUNTER, CounterText(m_counterLabel, m_remaining)); }

std::string CUpdateProgressDlg::ItemLine(const std::string& item) const
{
    HWND control = Item(IDC_PROGRESS_ITEM);
    RECT client = {};
    ::GetClientRect(control, &client);
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE verbSize = {};
    ::GetTextExtentPoint32A(dc, m_verb.c_str(), static_cast<int>(m_verb.size()), &verbSize);
    const LONG room = client.right - verbSize.cx;
    const std::string shortened = ShortenPathMiddle(item, [dc, room](const std::string& text) {
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx <= room;
    });
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return m_verb + shortened;
}
