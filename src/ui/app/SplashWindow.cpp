#include "ui/app/SplashWindow.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"
#include "ui/frame/MainFrame.h"

CSplashWindow::CSplashWindow() : ui::Dialog(IDD_SPLASH) {}

CSplashWindow::~CSplashWindow()
{
    if (m_bitmap) ::DeleteObject(m_bitmap);
}

bool CSplashWindow::Show(HWND owner)
{
    if (!CreateModeless(owner)) return false;
    ::ShowWindow(Handle(), SW_SHOW);
    ::UpdateWindow(Handle());
    return true;
}

BOOL CSplashWindow::OnInitDialog()
{
    m_bitmap = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                 MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info = {};
    if (!m_bitmap || !::GetObjectA(m_bitmap, sizeof(info), &info)) return TRUE;

    // The picture and the window take the bitmap's size.
    HWND picture = Item(IDC_SPLASH_PICTURE);
    ::SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bitmap));
    ::SetWindowPos(picture, nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOZORDER);
    RECT frame = {0, 0, info.bmWidth, info.bmHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(Handle(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(Handle(), HWND_TOP, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, 0);
    return TRUE;
}

INT_PTR CSplashWindow::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
        (message == WM_PARENTNOTIFY && (LOWORD(wParam) == WM_LBUTTONDOWN))) {
        // Ending the splash destroys this window: leave through a posted message.
        ::PostMessageA(::GetWindow(Handle(), GW_OWNER), WM_TIMER, kSplashTimerId, 0);
        return TRUE;
    }
    return ui::Dialog::DialogProc(message, wParam, lParam);
}
