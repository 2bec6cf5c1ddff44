// Application
#include "ui/app/SingleInstanceGuard.h"

// Tests
#include "ui/UiTestSupport.h"

namespace {

using namespace uitest;

constexpr char kClassName[] = "Trailmark Class";

// The real program started as a second process: the first copy.
class FirstCopy {
public:
    FirstCopy()
    {
        const std::string exe = platform::ProgramDirectory() + "\\Trailmark.exe";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string commandLine = "\"" + exe + "\"";
        if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &m_process))
            return;
        for (int i = 0; i < 300 && !m_window; ++i) {
            m_window = ::FindWindowA(kClassName, nullptr);
            if (m_window && !::IsWindowVisible(m_window)) m_window = nullptr;
            ::Sleep(100);
        }
    }
    ~FirstCopy()
    {
        if (m_window) ::PostMessageA(m_window, WM_CLOSE, 0, 0);
        if (m_process.hProcess) {
            if (::WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
                ::TerminateProcess(m_process.hProcess, 1);
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
    }
    HWND Window() const { return m_window; }

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_window = nullptr;
};

TEST(SingleInstance, ASecondCopyBringsBackTheFirstAndEnds)
{
    WipeProgramKeys();
    FirstCopy first;
    ASSERT_NE(first.Window(), nullptr);

    // The first copy sits in the notification area: its window is hidden.
    ::ShowWindow(first.Window(), SW_HIDE);
    {
        SingleInstanceGuard guard;
        EXPECT_FALSE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
        EXPECT_FALSE(guard.HoldsMutex());
    }
    PumpFor(300);
    EXPECT_TRUE(::IsWindowVisible(first.Window()));

    ::ShowWindow(first.Window(), SW_MINIMIZE);
    {
        SingleInstanceGuard guard;
        EXPECT_FALSE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
    }
    PumpFor(300);
    EXPECT_FALSE(::IsIconic(first.Window()));

    // When the first copy will not come forward this one starts as a second copy.
    {
        SingleInstanceGuard guard;
        guard.bringToTop = [](HWND) { return FALSE; };
        EXPECT_TRUE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
        WNDCLASSA registered = {};
        EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), kClassName, &registered));
    }
    WNDCLASSA gone = {};
    EXPECT_FALSE(::GetClassInfoA(::GetModuleHandleA(nullptr), kClassName, &gone));
}

TEST(SingleInstance, TheFirstCopyHoldsTheMutexUntilItEnds)
{
    {
        SingleInstanceGuard guard;
        ASSERT_TRUE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
        EXPECT_TRUE(guard.HoldsMutex());
        EXPECT_EQ(guard.Name(), kClassName);
        HANDLE probe = ::OpenMutexA(SYNCHRONIZE, FALSE, kClassName);
        EXPECT_NE(probe, nullptr);
        if (probe) ::CloseHandle(probe);
    }
    HANDLE probe = ::OpenMutexA(SYNCHRONIZE, FALSE, kClassName);
    EXPECT_EQ(probe, nullptr);
    if (probe) ::CloseHandle(probe);
}

}  // namespace
