#include "ui/frame/MainFrame.h"

// Core
#include "core/app/RecentFileList.h"
#include "core/app/Settings.h"
#include "core/app/UserList.h"
#include "core/frame/MenuPrompts.h"
#include "core/search/FolderListWalk.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/app/UserCommands.h"
#include "ui/frame/FolderWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/SearchCommands.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kPaneWidth = 250;
constexpr char kHelpFile[] = "Trailmark.hlp";
constexpr char kInstallMonitor[] = " sysdm.cpl,InstallDevice_Rundll monitor";
constexpr char kInstallPrinter[] = " sysdm.cpl,InstallDevice_Rundll printer";
constexpr char kInstallModem[] = " sysdm.cpl,InstallDevice_Rundll modem";

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
    m_documentArea.Subclass(MdiClient());
    CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
    if (!m_taskBar.Create(*this)) return false;
    if (!CreateToolBars()) return false;
    if (!CreateExplorerBar()) return false;
    // Explorer mode shows one window at a time: no taskbar for it.
    m_taskBar.Show(settings.GetSetting(Setting::TaskbarVisible) != 0 && settings.GetSetting(Setting::ExplorerMode) == 0);
    RemoveMissingHelpIndex();
    FindRunTimeMenus();
    ShowWindowMenu(CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ExplorerMode) == 0);
    CWindowList::Instance().LoadSavedWindows(CTrailmarkApp::Instance()->Settings());
    LoadPlacement();
    AdjustUserMenu(::GetMenu(Handle()), CTrailmarkApp::Instance()->Users()->GetCurrentUser());
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
    // The font the trees are drawn with when nothing is chosen: the Bookmarks
    // tree's own, which no stored font has replaced yet.
    auto shown = reinterpret_cast<HFONT>(::SendMessageA(m_explorerBar.BookmarksPage().Tree(), WM_GETFONT, 0, 0));
    LOGFONTA font = {};
    if (!::GetObjectA(shown ? shown : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font)) return;
    FontRecord record{};
    static_assert(sizeof(font) == kFontRecordSize, "a stored font is a LOGFONTA");
    std::memcpy(record.data(), &font, sizeof(font));
    settings.CaptureFonts(record, static_cast<std::int32_t>(::GetSysColor(COLOR_WINDOWTEXT)));
    m_explorerBar.ApplyTreeLook();
}

void CMainFrame::LoadPlacement()
{
    RECT workArea = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    m_frameState = DefaultFrameState({workArea.left, workArea.top, workArea.right, workArea.bottom});
    LoadFrameState(CTrailmarkApp::Instance()->Settings(), m_frameState);
    // Still hidden, the frame takes its size now: the windows restored before
    // it shows are laid out in its document area.
    const WindowRect& r = m_frameState.rect;
    ::MoveWindow(Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
}

void CMainFrame::Place(int startShowCommand)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    placement.rcNormalPosition = {m_frameState.rect.left, m_frameState.rect.top,
                                  m_frameState.rect.right, m_frameState.rect.bottom};
    placement.showCmd = startShowCommand == SW_SHOWMINNOACTIVE
                            ? SW_SHOWMINNOACTIVE
                            : static_cast<UINT>(m_frameState.showState);
    // A hidden or damaged state would leave the program without a window.
    if (placement.showCmd == SW_HIDE || placement.showCmd > SW_MAX) placement.showCmd = SW_SHOWNORMAL;
    ::SetWindowPlacement(Handle(), &placement);
    ::UpdateWindow(Handle());
}

void CMainFrame::SaveDesktop()
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(Handle(), &placement)) return;
    const RECT& normal = placement.rcNormalPosition;
    m_frameState.rect = {normal.left, normal.top, normal.right, normal.bottom};
    // A frame closed while minimized comes back in the state it was minimized from.
    if (!::IsIconic(Handle())) m_frameState.showState = static_cast<std::int32_t>(placement.showCmd);
    CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
    ClearDesktop(settings);
    SaveFrameState(settings, m_frameState);
    CWindowList::Instance().SaveOpenWindows(settings);
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
    case kStatusTimerId:
        UpdateFolderStatusPanes();
        UpdateToolBarButtons();
        break;
    case kSplashTimerId:
        ::KillTimer(Handle(), kSplashTimerId);
        CTrailmarkApp::Instance()->OnSplashDone();
        break;
    case kCloseRetryTimerId:
        ::KillTimer(Handle(), kCloseRetryTimerId);
        OnClose();
        break;
    default:
        break;
    }
}

void CMainFrame::SaveForClose()
{
    RemoveTrayIcon();
    SaveDesktop();
    CTrailmarkApp::Instance()->Settings().SetSetting(Setting::TaskbarVisible, TaskbarVisible() ? 1 : 0);
}

void CMainFrame::OnEndSession()
{
    SaveForClose();
    SaveToolBarStates();
    CTrailmarkApp::Instance()->SaveSession();
}

void CMainFrame::OnClose()
{
    if (!m_closing) {
        SaveForClose();
        m_closing = true;
        m_runningThreads->CancelAll();
    }
    if (!CloseWindowsForShutdown()) return;
    m_runningThreads->CancelAll();
    ::KillTimer(Handle(), kCloseRetryTimerId);
    ::KillTimer(Handle(), kClockTimerId);
    ::KillTimer(Handle(), kStatusTimerId);
    ::KillTimer(Handle(), kSplashTimerId);
    // Before the frame goes: its owned floating bar is hidden first when it does.
    m_explorerBar.SaveState();
    SaveToolBarStates();
    ui::MdiFrame::OnClose();
}

bool CMainFrame::InitMenuPopup(HMENU menu)
{
    if (menu == m_windowMenu) FillWindowMenu();
    FillBookmarkMenus(menu);
    FillRunTimeMenu(menu);
    FillRecentFiles(menu);
    PrepareFindComputerItem(menu);
    return ui::MdiFrame::InitMenuPopup(menu);
}

void CMainFrame::FillRecentFiles(HMENU menu)
{
    int position = -1;
    char placeholder[64] = "";
    for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_LAST) continue;
        // The first time, the item is the resource's place holder: keep its text.
        if (id == ID_FILE_MRU_FILE1 && m_recentPlaceholder.empty()) {
            ::GetMenuStringA(menu, static_cast<UINT>(i), placeholder, sizeof(placeholder), MF_BYPOSITION);
            m_recentPlaceholder = placeholder;
        }
        ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
        position = i;
    }
    if (position < 0) return;  // not the menu with the recent folders

    const CRecentFileList& recent = CTrailmarkApp::Instance()->RecentFiles();
    const int count = static_cast<int>(recent.Entries().size());
    if (count == 0) {
        // The empty list keeps a disabled place holder, as the resource has it.
        ::InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                      ID_FILE_MRU_FILE1, m_recentPlaceholder.c_str());
        return;
    }
    for (int i = 0; i < count; ++i)
        ::InsertMenuA(menu, static_cast<UINT>(position + i), MF_BYPOSITION | MF_STRING,
                      ID_FILE_MRU_FILE1 + static_cast<UINT>(i), recent.MenuText(i).c_str());
}

bool CMainFrame::OnCommand(UINT id)
{
    if (OnWindowCommand(id)) return true;
    if (OnExplorerBarCommand(id)) return true;
    if (OnToolBarCommand(id)) return true;
    switch (id) {
    case ID_APP_EXIT:
        ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return true;
    case ID_VIEW_STATUS_BAR:
        ::ShowWindow(Status(), ::IsWindowVisible(Status()) ? SW_HIDE : SW_SHOWNA);
        RecalcLayout();
        return true;
    case ID_FAVORITES_ADD_MONITOR:
        CTrailmarkApp::RunRundll32(kInstallMonitor);
        return true;
    case ID_FAVORITES_ADD_PRINTER:
        CTrailmarkApp::RunRundll32(kInstallPrinter);
        return true;
    case ID_FAVORITES_ADD_MODEM:
        CTrailmarkApp::RunRundll32(kInstallModem);
        return true;
    case ID_HELP_FINDER:
        ::WinHelpA(Handle(), HelpFilePath().c_str(), HELP_FINDER, 0);
        return true;
    default:
        return false;
    }
}

std::string CMainFrame::HelpFilePath()
{
    return CTrailmarkApp::Instance()->ProgramDirectory() + "\\" + kHelpFile;
}

void CMainFrame::RemoveMissingHelpIndex()
{
    if (::GetFileAttributesA(HelpFilePath().c_str()) != INVALID_FILE_ATTRIBUTES) return;
    HMENU bar = ::GetMenu(Handle());
    ::DeleteMenu(bar, ID_HELP_FINDER, MF_BYCOMMAND);
    // The separator that followed the item would now head the menu.
    const int helpPosition = ::GetMenuItemCount(bar) - 1;
    HMENU help = ::GetSubMenu(bar, helpPosition);
    if (help && ::GetMenuItemCount(help) > 0 && ::GetMenuItemID(help, 0) == 0 &&
        (::GetMenuState(help, 0, MF_BYPOSITION) & MF_SEPARATOR))
        ::DeleteMenu(help, 0, MF_BYPOSITION);
}

bool CMainFrame::IsTaskbarPart(HWND window) const
{
    return window && (window == m_taskBar.Handle() || ::GetParent(window) == m_taskBar.Handle());
}

void CMainFrame::OnContextMenu(HWND window, POINT point)
{
    if (IsTaskbarPart(window)) {
        ShowDocumentAreaMenu(point, false);
        return;
    }
    if (window == MdiClient()) {
        if (!CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ExplorerMode)) ShowDocumentAreaMenu(point);
        return;
    }
    // The frame's own area between the docked bars: the toolbar list.
    if (window == Handle()) {
        if (HMENU menu = NewBarsMenu()) {
            ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
            ::DestroyMenu(menu);
        }
        return;
    }
    if (window != Status().Handle()) return;
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_STATUSBAR_CONTEXT_MENU));
    if (!menu) return;
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                     Handle(), nullptr);
    ::DestroyMenu(menu);
}

bool CMainFrame::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (OnUpdateWindowCommand(id, state)) return true;
    if (OnUpdateExplorerBarCommand(id, state)) return true;
    if (OnUpdateToolBarCommand(id, state)) return true;
    switch (id) {
    case ID_APP_EXIT:
    case ID_FAVORITES_ADD_MONITOR:
    case ID_FAVORITES_ADD_PRINTER:
    case ID_FAVORITES_ADD_MODEM:
    case ID_HELP_FINDER:
        return true;
    case ID_VIEW_STATUS_BAR:
        state.checked = ::IsWindowVisible(Status()) != FALSE;
        return true;
    default:
        return false;
    }
}

void CMainFrame::ShowMenuPrompt(UINT id, UINT flags)
{
    ui::MdiFrame::ShowMenuPrompt(PromptStringFor(id), flags);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The drive buttons follow the drives; the message goes on to the others.
    if (message == WM_DEVICECHANGE) {
        shell::ForgetDriveTypes();
        OnDrivesDeviceChange(wParam, lParam);
    }
    LRESULT barResult = 0;
    if (OnExplorerBarMessage(message, wParam, lParam, barResult)) return barResult;
    switch (message) {
    case WM_STATUS_PROMPT_MODE:
        Status().SetSimple(wParam == 0);
        return 0;
    case WM_TRAY_NOTIFY:
        OnTrayNotify(lParam);
        return 0;
    case UWM_WINDOWTITLECHANGED:
        m_taskBar.TitleChanged(reinterpret_cast<HWND>(wParam), lParam == kTitleAndIconChanged);
        return 0;
    case WM_ACTIVATEAPP:
        OnActivateApp(wParam != FALSE);
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) OnEndSession();
        return 0;
    case WM_MEASUREITEM:
        if (m_menuPainter.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (m_menuPainter.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_MENUCHAR: {
        LRESULT result = 0;
        if (m_menuPainter.MenuChar(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)), result))
            return result;
        break;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam),
                      {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    default:
        break;
    }
    if (message == WM_SIZE) {
        if (wParam == SIZE_MINIMIZED && !m_minimized) {
            m_minimized = true;
            OnMinimize();
        } else if (wParam != SIZE_MINIMIZED && m_minimized) {
            m_minimized = false;
            OnRestoredFromMinimized();
        }
        // Placing the frame at start-up passes through states the user never chose.
        if (!m_starting && wParam == SIZE_MAXIMIZED) m_frameState.showState = SW_SHOWMAXIMIZED;
        if (!m_starting && wParam == SIZE_RESTORED) m_frameState.showState = SW_SHOWNORMAL;
        LRESULT result = ui::MdiFrame::WindowProc(message, wParam, lParam);
        LayoutStatusPanes();
        return result;
    }
    return ui::MdiFrame::WindowProc(message, wParam, lParam);
}

// --- Folder windows: command routing and status texts -----------------------

ui::CommandTarget* CMainFrame::FirstCommandTarget()
{
    if (m_explorerBar.Handle())
        if (CExplorerPage* page = m_explorerBar.FocusedPage()) return page;
    return WindowCommandTarget();
}

ui::CommandTarget* CMainFrame::WindowCommandTarget()
{
    if (CBasicWindow* active = CWindowList::Instance().Active()) return active->FirstCommandTarget();
    return this;
}

void CMainFrame::UpdateFolderStatusPanes()
{
    ui::StatusBar& bar = Status();
    if (!bar.Handle() || bar.IsSimple()) return;
    FolderStatus texts;
    if (auto* window = dynamic_cast<CFolderWindow*>(CWindowList::Instance().Active()))
        texts = window->UpdateStatusTexts();
    // While the walk builds the entry index, pane 1 says how far it got.
    if (const std::size_t indexed = FolderListWalk::EntriesIndexed()) {
        const std::string indexing = ui::LoadString(IDS_INDEXING_DRIVES) + " " + std::to_string(indexed);
        texts.sizeText = texts.sizeText.empty() ? indexing : texts.sizeText + "   " + indexing;
    }
    // Only a changed text is set again, so that the panes do not flicker.
    if (bar.Text(0) != texts.countText) bar.SetText(0, texts.countText);
    if (bar.Text(1) != texts.sizeText) bar.SetText(1, texts.sizeText);
}
