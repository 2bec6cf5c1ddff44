#pragma once
// The application object: start-up, the message loop and shutdown.

// Framework
#include "ui/framework/Command.h"

// Windows
#include <windows.h>

namespace ui {

class Application : public CommandTarget {
public:
    Application();
    ~Application() override;

    static Application* Instance() { return s_instance; }
    HINSTANCE InstanceHandle() const { return m_instance; }
    HWND MainWindow() const { return m_mainWindow; }
    void SetMainWindow(HWND hwnd) { m_mainWindow = hwnd; }
    void SetAccelerators(HACCEL accelerators) { m_accelerators = accelerators; }
    void SetMdiClient(HWND mdiClient) { m_mdiClient = mdiClient; }
    int ShowCommand() const { return m_showCommand; }
    void SetShowCommand(int show) { m_showCommand = show; }

    // While set, the keys `wanted` picks go straight to `hwnd` (an edit box
    // in the middle of its work) instead of becoming accelerator commands.
    using KeyFilter = bool (*)(const MSG& msg);
    static void SetDirectKeyWindow(HWND hwnd, KeyFilter wanted);
    static HWND DirectKeyWindow() { return s_directKeyWindow; }
    // The filter of a name being typed: every key without Ctrl, and with Ctrl
    // the keys that edit the text (select all, copy, cut, paste, undo).
    static bool IsTextEditingKey(const MSG& msg);

    // Runs InitInstance, the message loop and ExitInstance; gives the exit code.
    int Run();
    // Pumps messages until WM_QUIT; gives its exit code.
    int RunMessageLoop();

    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return m_exitCode; }

protected:
    // Called when the queue is empty; true asks for another call.
    virtual bool OnIdle(long count) { (void)count; return false; }
    int m_exitCode = 0;

private:
    bool PreTranslate(MSG& msg);

    static Application* s_instance;
    static HWND s_directKeyWindow;
    static KeyFilter s_directKeys;
    HINSTANCE m_instance;
    HWND m_mainWindow = nullptr;
    HWND m_mdiClient = nullptr;
    HACCEL m_accelerators = nullptr;
    int m_showCommand = SW_SHOWNORMAL;
};

}  // namespace ui
