#include "ui/frame/QueryWindow.h"

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/GdiObject.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/StatusReport.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/ReportView.h"
#include "ui/search/RuleView.h"
#include "ui/search/SearchView.h"

// Resources
#include "res/resource.h"

namespace {

constexpr int kBoldHeight = 13;
constexpr int kIconSize = 16;
constexpr int kTextMargin = 2;  // pane 0 leaves this much beside the button
constexpr int kBoldWeight = FW_BOLD;

// Icons of the window taskbar by window kind.
constexpr int kSearchIcon = 1;
constexpr int kReportIcon = 2;
constexpr int kRuleIcon = 4;

int IconOfKind(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Search: return kSearchIcon;
    case WindowKind::Report: return kReportIcon;
    case WindowKind::Rule: return kRuleIcon;
    default: return -1;
    }
}

}  // namespace

CQueryWindow::CQueryWindow(WindowState state) : CFolderWindow(std::move(state))
{
    m_iconIndex = IconOfKind(m_state.kind);
}

CQueryWindow::~CQueryWindow()
{
    if (m_boldFont) ::DeleteObject(m_boldFont);
    if (m_stopIcon) ::DestroyIcon(m_stopIcon);
}

bool CQueryWindow::OnCreate()
{
    if (!CFolderWindow::OnCreate()) return false;
    LOGFONTA font = ui::MessageFont();
    font.lfHeight = kBoldHeight;
    font.lfWeight = kBoldWeight;
    m_boldFont = ::CreateFontIndirectA(&font);
    return true;
}

void CQueryWindow::OnDestroy()
{
    RunEnded();
    CFolderWindow::OnDestroy();
}

std::string CQueryWindow::RunText() const { return m_statusBar.Handle() ? m_statusBar.Text(0) : std::string(); }

void CQueryWindow::PlaceRunControls()
{
    if (!m_running) return;
    RECT client;
    ::GetClientRect(m_statusBar, &client);
    const int paneRight = client.right - kStopWidth - kTextMargin;
    m_statusBar.SetParts({paneRight, -1});
    RECT pane = {};
    ::SendMessageA(m_statusBar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    if (m_progress) ::MoveWindow(m_progress, pane.left, pane.top, paneRight - pane.left, pane.bottom - pane.top, TRUE);
    if (m_stopButton) {
        // The button lies over the status bar but is the window's child, so its command comes here.
        POINT corner = {client.right - kStopWidth, pane.top};
        ::MapWindowPoints(m_statusBar, Handle(), &corner, 1);
        ::SetWindowPos(m_stopButton, HWND_TOP, corner.x, corner.y, kStopWidth, pane.bottom - pane.top, 0);
    }
}

void CQueryWindow::RunStarted(int steps)
{
    RunEnded();
    m_running = true;
    ShowStatusBar(true);
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const bool folderTable = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::FastFind) != 0;
    if (folderTable && steps != 0) {
        m_progress = ::CreateWindowExA(0, PROGRESS_CLASSA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_statusBar,
                                       nullptr, instance, nullptr);
        // A whole disk has more steps than the 16-bit range holds.
        ::SendMessageA(m_progress, PBM_SETRANGE32, 0, steps);
        ::SendMessageA(m_progress, PBM_SETSTEP, 1, 0);
    } else {
        ::SendMessageA(m_statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont), TRUE);
    }
    m_stopButton = ::CreateWindowExA(0, "BUTTON", ui::LoadString(IDS_STOP_BUTTON).c_str(),
                                     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_TEXT, 0, 0, 0, 0, Handle(),
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_STOP)), instance, nullptr);
    ::SendMessageA(m_stopButton, WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont), FALSE);
    if (!m_stopIcon)
        m_stopIcon = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_STOP), IMAGE_ICON, kIconSize,
                                                     kIconSize, LR_DEFAULTCOLOR));
    if (m_stopIcon) ::SendMessageA(m_stopButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_stopIcon));
    PlaceRunControls();
}

void CQueryWindow::RunStep(const char* text, bool asIs, long steps)
{
    if (!m_running || steps <= 0) return;
    if (m_progress) {
        ::SendMessageA(m_progress, PBM_DELTAPOS, static_cast<WPARAM>(steps), 0);
        return;
    }
    const std::string shown = asIs ? std::string(text ? text : "") : ui::LoadString(IDS_SEARCHING) + (text ? text : "");
    m_statusBar.SetText(0, shown);
}

void CQueryWindow::RunEnded()
{
    m_running = false;
    if (m_progress) ::DestroyWindow(m_progress);
    if (m_stopButton) ::DestroyWindow(m_stopButton);
    m_progress = m_stopButton = nullptr;
    if (m_statusBar.Handle()) {
        ::SendMessageA(m_statusBar, WM_SETFONT, 0, FALSE);
        m_statusBar.SetParts({-1});
        m_statusBar.SetText(0, {});
        if (::IsWindow(Handle())) ShowStatusBar(false);
    }
}

std::unique_ptr<CFilesView> CQueryWindow::MakeView()
{
    if (m_state.kind == WindowKind::Search) return std::make_unique<CSearchView>(this);
    if (m_state.kind == WindowKind::Report) return std::make_unique<CReportView>(this);
    if (m_state.kind == WindowKind::Rule) return std::make_unique<CRuleView>(this);
    return CFolderWindow::MakeView();
}

bool CQueryWindow::StartsHidden() const
{
    return m_state.kind == WindowKind::Rule && m_state.flag == kHiddenRuleFlag;
}

void CQueryWindow::SetTitle(const std::string& title)
{
    SetPath(title);
    ::SetWindowTextA(Handle(), title.c_str());
    if (HWND main = CTrailmarkApp::Instance()->MainWindow())
        ::PostMessageA(main, UWM_WINDOWTITLECHANGED, reinterpret_cast<WPARAM>(Handle()), 0);
}

void CQueryWindow::StopRun()
{
    // A view that runs searches stops them keeping what was found; any other
    // view's work is cancelled.
    if (m_view && !m_view->OnCommand(IDC_STOP)) m_view->CancelWork();
}

void CQueryWindow::OnSize(UINT type, int width, int height)
{
    CFolderWindow::OnSize(type, width, height);
    PlaceRunControls();
}

bool CQueryWindow::OnCommand(UINT id)
{
    switch (id) {
    case IDC_STOP: StopRun(); return true;
    case ID_FILE_FIND_TARGET:
        ::SendMessageA(Handle(), UWM_VIEWFORWARD2, ID_FILES_FIND_TARGET, 0);
        return true;
    default: return CFolderWindow::OnCommand(id);
    }
}

bool CQueryWindow::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    switch (id) {
    case IDC_STOP: state.enabled = m_running; return true;
    case ID_FILE_FIND_TARGET: state.enabled = HasSelection(); return true;
    default: return CFolderWindow::OnUpdateCommand(id, state);
    }
}

LRESULT CQueryWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_SEARCHSTARTED: RunStarted(static_cast<int>(wParam)); return 0;
    case UWM_STATUSTEXT: RunStep(reinterpret_cast<const char*>(wParam), lParam == 1); return 0;
    case UWM_STATUSREPORT:
        if (const auto report = TakeStatusReport(wParam)) RunStep(report->text.c_str(), report->asIs, report->steps);
        return 0;
    case UWM_RESULTSCHANGED: RunEnded(); return 0;
    default: return CFolderWindow::WindowProc(message, wParam, lParam);
    }
}
