// Application
#include "ui/app/SingleInstanceGuard.h"

// Tests
#include "ui/ProgramProcess.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace uitest;

constexpr const char* kClassName = ProgramProcess::kFrameClass;

TEST(SingleInstance, ASecondCopyBringsBackTheFirstAndEnds)
{
    WipeProgramKeys();
    ProgramProcess first;
    ASSERT_NE(first.Window(), nullptr);

    // The first copy sits in the notification area: its window is hidden.
    ::ShowWindow(first.Window(), SW_HIDE);
    {
        SingleInstanceGuard guard;
        EXPECT_FALSE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
        EXPECT_FALSE(guard.HoldsMutex());
    }
    // The other process shows it when it is next scheduled: on a loaded
    // machine that can take a while.
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(first.Window()) != FALSE; }, 10000));

    ::ShowWindow(first.Window(), SW_MINIMIZE);
    {
        SingleInstanceGuard guard;
        EXPECT_FALSE(guard.Create(::GetModuleHandleA(nullptr), "Trailmark"));
    }
    EXPECT_TRUE(PumpUntil([&] { return !::IsIconic(first.Window()); }, 10000));

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
