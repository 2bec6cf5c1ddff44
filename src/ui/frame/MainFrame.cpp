#include "ui/frame/MainFrame.h"

// Core
#include "core/app/Settings.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kPaneWidth = 250;
constexpr int kPanePadding = 2;

std::string FormatNow(const char* format)
{
    std::time_t now = std::time(nullptr);
    char text[64] = "";
    if (const std::tm* local = std::localtime(&now)) std::strftime(text, sizeof(text), format, local);
    return text;
}

}  // namespace

CMainFrame::CMainFrame(bool freshProfile) : m_freshProfile(freshProfile) {}

ui::CommandTarget* CMainFrame::NextCommandTarget() { return CTrailmarkApp::Instance(); }

bool CMainFrame::OnCreate()
{
    if (!ui::MdiFrame::OnCreate()) return false;
    ::SetTimer(Handle(), kClockTimerId, kClockPeriodMs, nullptr);
    ::SetTimer(Handle(), kStatusTimerId, kStatusPeriodMs, nullptr);
    if (CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ShowSplash))
        ::SetTimer(Handle(), kSplashTimerId, kSplashDelayMs, nullptr);
    UpdateClock();
    CaptureFontsAtFirstUse();
    return true;
}

void CMainFrame::CaptureFontsAtFirstUse()
{
    CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
    if (!settings.FontsMissing()) return;
    // The font the bars' lists and trees are drawn with when nothing is chosen.
    LOGFONTA font = {};
    if (!::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font)) return;
    FontRecord record{};
    static_assert(sizeof(font) == kFontRecordSize, "a stored font is a LOGFONTA");
    std::memcpy(record.data(), &font, sizeof(font));
    settings.CaptureFonts(record, static_cast<std::int32_t>(::GetSysColor(COLOR_WINDOWTEXT)));
}

void CMainFrame::Place(int startShowCommand)
{
    RECT workArea = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    // A tenth of the work area on every side.
    const int marginX = static_cast<int>((workArea.right - workArea.right * 0.8) * 0.5);
    const int marginY = static_cast<int>((workArea.bottom - workArea.bottom * 0.8) * 0.5);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    placement.rcNormalPosition = {marginX, marginY, workArea.right - marginX,
                                  workArea.bottom - marginY};
    placement.showCmd = startShowCommand == SW_SHOWMINNOACTIVE ? SW_SHOWMINNOACTIVE : SW_SHOWMAXIMIZED;
    ::SetWindowPlacement(Handle(), &placement);
    ::UpdateWindow(Handle());
}

void CMainFrame::LayoutStatusPanes()
{
    ui::StatusBar& bar = Status();
    if (!bar.Handle()) return;
    RECT client;
    ::GetClientRect(bar, &client);
    const int dateWidth = bar.TextWidth(bar.Text(m_datePane)) + kPanePadding;
    const int timeWidth = bar.TextWidth(bar.Text(m_timePane)) + kPanePadding;
    // Pane 1 takes what the clock leaves, but never less than its starting width.
    int clockStart = client.right - dateWidth - timeWidth - ::GetSystemMetrics(SM_CXVSCROLL);
    if (clockStart < 2 * kPaneWidth) clockStart = 2 * kPaneWidth;
    bar.SetParts({kPaneWidth, clockStart, clockStart + dateWidth, -1});
}

void CMainFrame::UpdateClock()
{
    ui::StatusBar& bar = Status();
    bar.SetText(m_datePane, FormatNow("%x"));
    bar.SetText(m_timePane, FormatNow("%X"));
    LayoutStatusPanes();
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kClockTimerId:
        UpdateClock();
        break;
    case kSplashTimerId:
        ::KillTimer(Handle(), kSplashTimerId);
        CTrailmarkApp::Instance()->OnSplashDone();
        break;
    default:
        break;
    }
}

void CMainFrame::OnClose()
{
    m_closing = true;
    ::KillTimer(Handle(), kClockTimerId);
    ::KillTimer(Handle(), kStatusTimerId);
    ::KillTimer(Handle(), kSplashTimerId);
    ui::MdiFrame::OnClose();
}

bool CMainFrame::OnCommand(UINT id)
{
    if (id == ID_APP_EXIT) {
        ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

bool CMainFrame::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    (void)state;
    return id == ID_APP_EXIT;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        LRESULT result = ui::MdiFrame::WindowProc(message, wParam, lParam);
        LayoutStatusPanes();
        return result;
    }
    return ui::MdiFrame::WindowProc(message, wParam, lParam);
}
