#include "ui/frame/BasicWindow.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/WindowRules.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/SystemFunctions.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Windows
#include <commctrl.h>

// Network drive dialogs, found at run time so that no import library is needed.
#include <winnetwk.h>
#include <shellapi.h>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

bool ExplorerMode() { return Settings().GetSetting(Setting::ExplorerMode) != 0; }
bool MaximizeMode() { return Settings().GetSetting(Setting::ArrangeMode) == static_cast<int>(ArrangeMode::Maximize); }

using ConnectionDialogProc = DWORD(WINAPI*)(HWND, DWORD);

DWORD RunNetworkDialog(const char* name)
{
    HMODULE mpr = ::LoadLibraryA("mpr.dll");
    if (!mpr) return ERROR_NOT_SUPPORTED;
    auto dialog = reinterpret_cast<ConnectionDialogProc>(reinterpret_cast<void*>(::GetProcAddress(mpr, name)));
    const DWORD result = dialog ? dialog(CTrailmarkApp::Instance()->MainWindow(), RESOURCETYPE_DISK)
                                : ERROR_NOT_SUPPORTED;
    ::FreeLibrary(mpr);
    return result;
}

}  // namespace

bool CBasicWindow::CreateDocument(HWND mdiClient)
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    bool activeMaximized = false;
    if (frame) frame->ActiveDocument(&activeMaximized);
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    if (m_state.showState == kShowMaximized || MaximizeMode() || ExplorerMode() || activeMaximized)
        style |= WS_MAXIMIZE;
    if (StartsHidden()) style &= ~static_cast<DWORD>(WS_VISIBLE | WS_MAXIMIZE);
    if (ExplorerMode()) style &= ~static_cast<DWORD>(WS_SYSMENU);
    // The rectangle's right and bottom are taken as width and height.
    const RECT rect = {m_state.rect.left, m_state.rect.top, m_state.rect.left + m_state.rect.right,
                       m_state.rect.top + m_state.rect.bottom};
    m_creating = true;
    const bool created = Create(mdiClient, m_state.path.c_str(), style, rect);
    m_creating = false;
    // The client shows every new child whatever its style.
    if (created && StartsHidden()) ::ShowWindow(Handle(), SW_HIDE);
    return created && Handle();
}

void CBasicWindow::OnFinalMessage()
{
    CWindowList::Instance().Remove(this);
    // A window that failed to be created belongs to its creator still.
    if (!m_creating) delete this;
}

ui::CommandTarget* CBasicWindow::NextCommandTarget() { return CTrailmarkApp::Instance()->MainFrame(); }

bool CBasicWindow::OnCreate()
{
    CWindowList::Instance().Add(this);
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (!frame) return true;
    if (!StartsHidden()) frame->TaskBar().AddWindow(this);
    frame->OnDocumentOpened(this);
    // Folder windows take their folder's icon themselves.
    const int icon = GetIconIndex();
    if (icon >= 0 && Kind() != WindowKind::Folder) {
        m_smallIcon = ::ImageList_GetIcon(frame->TaskBar().Tabs().Images(), icon, ILD_TRANSPARENT);
        if (m_smallIcon) ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    }
    return true;
}

void CBasicWindow::OnSetFocus()
{
    if (CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame()) frame->TaskBar().SelectWindow(this);
}

void CBasicWindow::OnDestroy()
{
    ::KillTimer(Handle(), kCloseTimerId);
    CWindowList& list = CWindowList::Instance();
    list.Remove(this);
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (frame) frame->TaskBar().RemoveWindow(this);
    if (frame) frame->OnDocumentClosed(this);
    if (frame && !frame->IsClosing()) list.Arrange();
    if (m_smallIcon) ::DestroyIcon(m_smallIcon);
    m_smallIcon = nullptr;
}

void CBasicWindow::OnClose()
{
    if (CanCloseNow()) {
        Destroy();
        return;
    }
    CancelWork();
    ::SetTimer(Handle(), kCloseTimerId, kCloseRetryMs, nullptr);
}

void CBasicWindow::OnTimer(UINT_PTR id)
{
    if (id != kCloseTimerId || !CanCloseNow()) return;
    ::KillTimer(Handle(), kCloseTimerId);
    Destroy();
}

void CBasicWindow::HideMinimizedWindows()
{
    for (CBasicWindow* window : CWindowList::Instance().Windows())
        if (::IsIconic(window->Handle())) ::ShowWindow(window->Handle(), SW_HIDE);
}

bool CBasicWindow::OnSysCommand(UINT command)
{
    const bool sizing = command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_CLOSE ||
                        command == SC_RESTORE;
    if (ExplorerMode() && sizing) return false;
    if (MaximizeMode() && command == SC_RESTORE) {
        if (ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), IDS_CANCEL_AUTO_MAXIMIZE,
                            MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return false;
        Settings().SetSetting(Setting::ArrangeMode, static_cast<int>(ArrangeMode::None));
    }
    if (command != SC_MINIMIZE) return true;
    const bool maximizeMode = MaximizeMode();
    const CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    CWindowList& list = CWindowList::Instance();
    DefaultProc(WM_SYSCOMMAND, command, 0);
    // Minimized windows live on the taskbar's buttons, or have no place at
    // all in Maximize mode.
    if (maximizeMode || (frame && frame->TaskbarVisible())) HideMinimizedWindows();
    if (maximizeMode) {
        bool allMinimized = true;
        for (CBasicWindow* window : list.Windows()) allMinimized = allMinimized && !::IsWindowVisible(window->Handle());
        if (allMinimized) {
            const auto& windows = list.Windows();
            auto self = std::find(windows.begin(), windows.end(), this);
            CBasicWindow* next = (self != windows.end() && self + 1 != windows.end()) ? *(self + 1) : this;
            ::ShowWindow(next->Handle(), SW_RESTORE);
            list.ActivateWindow(next);
        }
    }
    list.Arrange();
    return false;
}

bool CBasicWindow::OnCommand(UINT id)
{
    switch (id) {
    case ID_DISK_MAP_NETWORK_DRIVE: RunNetworkDialog("WNetConnectionDialog"); return true;
    case ID_DISK_DISCONNECT_NETWORK_DRIVE: RunNetworkDialog("WNetDisconnectDialog"); return true;
    default: return false;
    }
}

bool CBasicWindow::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    (void)state;
    return id == ID_DISK_MAP_NETWORK_DRIVE || id == ID_DISK_DISCONNECT_NETWORK_DRIVE;
}
