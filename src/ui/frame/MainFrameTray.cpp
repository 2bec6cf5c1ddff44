// The frame minimized: the notification area, and the priorities the program
// runs with while nobody looks at it.
#include "ui/frame/MainFrame.h"

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/SystemFunctions.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>

// Windows
#include <shellapi.h>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

// An NT call: Windows 95's kernel32 is not relied on for it.
void ReleaseWorkingSet()
{
    using SetWorkingSetProc = BOOL(WINAPI*)(HANDLE, SIZE_T, SIZE_T);
    static const auto setWorkingSet =
        ui::SystemFunctionAs<SetWorkingSetProc>("kernel32.dll", "SetProcessWorkingSetSize");
    if (setWorkingSet) setWorkingSet(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void RunAtNormalPriority()
{
    ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

}  // namespace

void CMainFrame::OnMinimize()
{
    if (Settings().GetSetting(Setting::IdleWhenMinimized)) {
        ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_IDLE);
    }
    if (CTrailmarkApp::Instance()->IsWindowsNT() &&
        Settings().GetSetting(Setting::ReleaseMemoryWhenMinimized))
        ReleaseWorkingSet();
    if (Settings().GetSetting(Setting::MinimizeToTray) && AddTrayIcon())
        ::ShowWindow(Handle(), SW_HIDE);
}

void CMainFrame::OnRestoredFromMinimized()
{
    RunAtNormalPriority();
}

bool CMainFrame::AddTrayIcon()
{
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof(icon);
    icon.hWnd = Handle();
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = WM_TRAY_NOTIFY;
    icon.hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                 IMAGE_ICON, 16, 16, 0));
    const std::string tip = ui::LoadString(IDS_TRAY_TIP);
    std::strncpy(icon.szTip, tip.c_str(), sizeof(icon.szTip) - 1);
    m_inTray = ::Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;
    if (icon.hIcon) ::DestroyIcon(icon.hIcon);
    return m_inTray;
}

void CMainFrame::RemoveTrayIcon()
{
    if (!m_inTray) return;
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof(icon);
    icon.hWnd = Handle();
    icon.uID = kTrayIconId;
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    m_inTray = false;
}

void CMainFrame::OnTrayNotify(LPARAM mouseMessage)
{
    if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != WM_RBUTTONDOWN) return;
    RemoveTrayIcon();
    // The frame comes back with its explorer bar.
    if (m_explorerBar.Handle() && !m_explorerBar.IsVisible()) m_explorerBar.Show(true);
    ::ShowWindow(Handle(), SW_SHOW);
    ::ShowWindow(Handle(), SW_RESTORE);
    ::SetForegroundWindow(Handle());
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMainFrame::OnActivateApp(bool active)
{
    if (!Settings().GetSetting(Setting::IdleWhenInactive)) return;
    if (active) {
        RunAtNormalPriority();
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    } else {
        ::SetPriorityClass(::GetCurrentProcess(), IDLE_PRIORITY_CLASS);
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_IDLE);
    }
}
