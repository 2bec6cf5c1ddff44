#include "ui/framework/Application.h"

namespace ui {

Application* Application::s_instance = nullptr;
HWND Application::s_directKeyWindow = nullptr;
Application::KeyFilter Application::s_directKeys = nullptr;

Application::Application() : m_instance(::GetModuleHandleA(nullptr))
{
    s_instance = this;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoA(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) m_showCommand = startup.wShowWindow;
}

Application::~Application()
{
    if (s_instance == this) s_instance = nullptr;
}

int Application::Run()
{
    if (!InitInstance()) return m_exitCode;  // nothing to undo: the loop never ran
    RunMessageLoop();
    return ExitInstance();
}

int Application::RunMessageLoop()
{
    MSG msg;
    long idleCount = 0;
    for (;;) {
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++)) break;
        }
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        idleCount = 0;
    }
    m_exitCode = static_cast<int>(msg.wParam);
    return m_exitCode;
}

void Application::SetDirectKeyWindow(HWND hwnd, KeyFilter wanted)
{
    s_directKeyWindow = hwnd;
    s_directKeys = wanted;
}

bool Application::IsTextEditingKey(const MSG& msg)
{
    if (::GetKeyState(VK_CONTROL) >= 0) return true;
    switch (msg.wParam) {
    case 'A': case 'C': case 'V': case 'X': case 'Z': case VK_INSERT: return true;
    default: return false;
    }
}

bool Application::PreTranslate(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (s_directKeyWindow && msg.hwnd == s_directKeyWindow && s_directKeys && s_directKeys(msg)) return false;
    if (m_mdiClient && ::TranslateMDISysAccel(m_mdiClient, &msg)) return true;
    return m_accelerators && m_mainWindow &&
           ::TranslateAcceleratorA(m_mainWindow, m_accelerators, &msg);
}

}  // namespace ui
