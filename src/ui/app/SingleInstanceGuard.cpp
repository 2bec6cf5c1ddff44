#include "ui/app/SingleInstanceGuard.h"

// Framework
#include "ui/framework/Window.h"

// Resources
#include "res/resource.h"
#include "ui/frame/MainFrame.h"

// Windows
#include <shellapi.h>

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_registeredClass) ::UnregisterClassA(m_name.c_str(), m_instance);
    if (m_mutex) {
        ::ReleaseMutex(m_mutex);
        ::CloseHandle(m_mutex);
    }
}

bool SingleInstanceGuard::Create(HINSTANCE instance, const std::string& appTitle)
{
    m_name = appTitle + " Class";
    m_mutex = ::CreateMutexA(nullptr, TRUE, m_name.c_str());
    if (m_mutex && ::GetLastError() != ERROR_ALREADY_EXISTS) return RegisterFrameClass(instance);

    // Another copy owns the name. The handle is closed, never released: the
    // mutex is not ours, and an open handle would keep it alive after that copy ends.
    if (m_mutex) ::CloseHandle(m_mutex);
    m_mutex = nullptr;
    HWND first = ::FindWindowA(m_name.c_str(), nullptr);
    if (!first) return false;
    if (ActivateFirstCopy(first)) return false;
    // The first copy would not come forward: run as a second copy, which needs
    // the frame's class in this process too.
    return RegisterFrameClass(instance);
}

bool SingleInstanceGuard::ActivateFirstCopy(HWND first)
{
    if (!::IsWindowVisible(first)) {
        // It sits in the notification area.
        NOTIFYICONDATAA icon = {};
        icon.cbSize = sizeof(icon);
        icon.hWnd = first;
        icon.uID = kTrayIconId;
        ::Shell_NotifyIconA(NIM_DELETE, &icon);
        ::ShowWindow(first, SW_RESTORE);
    } else if (::IsIconic(first)) {
        ::ShowWindow(first, SW_RESTORE);
    }
    if (!bringToTop(first)) return false;
    ::SetForegroundWindow(first);
    return true;
}

bool SingleInstanceGuard::RegisterFrameClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ui::Window::StaticWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = m_name.c_str();
    m_registeredClass = ::RegisterClassA(&windowClass) != 0;
    m_instance = instance;
    return m_registeredClass;
}
