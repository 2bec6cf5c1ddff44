#pragma once
// The real program started as a process of its own, as a user starts it, and
// closed as a user closes it.

// Platform
#include "platform/System.h"

// Standard library
#include <optional>
#include <string>

// Windows
#include <windows.h>

namespace uitest {

class ProgramProcess {
public:
    static constexpr char kFrameClass[] = "Trailmark Class";
    static constexpr DWORD kPatienceMs = 30000;
    static constexpr DWORD kStepMs = 100;

    // Starts Trailmark.exe beside the tests and waits for its frame to show;
    // a fresh profile's view-mode question is answered with Cancel.
    ProgramProcess()
    {
        const std::string exe = platform::ProgramDirectory() + "\\Trailmark.exe";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string commandLine = "\"" + exe + "\"";
        if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_process))
            return;
        for (DWORD waited = 0; waited < kPatienceMs && !m_window; waited += kStepMs) {
            if (HWND question = ::FindWindowA(nullptr, "Choose View Mode"))
                ::PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
            m_window = ::FindWindowA(kFrameClass, nullptr);
            if (m_window && (!::IsWindowVisible(m_window) || !::IsWindowEnabled(m_window))) m_window = nullptr;
            if (!m_window && ::WaitForSingleObject(m_process.hProcess, kStepMs) == WAIT_OBJECT_0) break;
        }
    }
    ~ProgramProcess()
    {
        Close();
        if (m_process.hProcess) {
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The visible frame; null when none showed in time.
    HWND Window() const { return m_window; }

    // Closes the frame and waits for the process; its exit code, or none when
    // it had to be ended by force.
    std::optional<DWORD> Close()
    {
        if (!m_process.hProcess || m_closed) return m_exitCode;
        m_closed = true;
        if (m_window) ::PostMessageA(m_window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(m_process.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
            ::TerminateProcess(m_process.hProcess, 1);
            ::WaitForSingleObject(m_process.hProcess, kPatienceMs);
            return m_exitCode;
        }
        DWORD code = 0;
        if (::GetExitCodeProcess(m_process.hProcess, &code)) m_exitCode = code;
        return m_exitCode;
    }

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_window = nullptr;
    bool m_closed = false;
    std::optional<DWORD> m_exitCode;
};

}  // namespace uitest
