// Core
#include "core/app/Settings.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Tests
#include "ui/UiTestSupport.h"

// Gtest
#include <gtest/gtest.h>

namespace {

class FrameMinimize : public testing::Test {
protected:
    void SetUp() override
    {
        uitest::WipeProgramKeys();
        ASSERT_TRUE(m_app.InitInstance());
        m_frame = m_app.MainWindow();
    }
    void TearDown() override
    {
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
        ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
        m_app.RunMessageLoop();
        m_app.ExitInstance();
        uitest::WipeProgramKeys();
    }
    uitest::MessageRecorder m_messages;
    CTrailmarkApp m_app;
    HWND m_frame = nullptr;
};

TEST_F(FrameMinimize, IntoTheNotificationAreaAndBackWithAClick)
{
    m_app.Settings().SetSetting(Setting::MinimizeToTray, 1);
    ::SendMessageA(m_frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(m_frame));
    // Idle priority while minimized (setting 74 is on by default).
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_IDLE);

    // Moving the mouse over the icon does nothing; a click brings the frame back.
    ::SendMessageA(m_frame, WM_TRAY_NOTIFY, kTrayIconId, WM_MOUSEMOVE);
    EXPECT_FALSE(::IsWindowVisible(m_frame));
    ::SendMessageA(m_frame, WM_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(::IsWindowVisible(m_frame));
    EXPECT_FALSE(::IsIconic(m_frame));
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST_F(FrameMinimize, WithoutTheTraySettingTheFrameStaysOnTheTaskbar)
{
    m_app.Settings().SetSetting(Setting::IdleWhenMinimized, 0);
    ::SendMessageA(m_frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsWindowVisible(m_frame));
    EXPECT_TRUE(::IsIconic(m_frame));
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    ::SendMessageA(m_frame, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsIconic(m_frame));
}

TEST_F(FrameMinimize, MenuItemsOfARangeShowTheRangesPrompt)
{
    HMENU bar = ::GetMenu(m_frame);
    ::SendMessageA(m_frame, WM_MENUSELECT, MAKEWPARAM(ID_TOOL_FIRST + 3, MF_STRING),
                   reinterpret_cast<LPARAM>(bar));
    ui::StatusBar& status = m_app.MainFrame()->Status();
    EXPECT_TRUE(status.IsSimple());
    EXPECT_EQ(status.Text(ui::StatusBar::kSimplePane), "Runs the selected tool");
    ::SendMessageA(m_frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_FALSE(status.IsSimple());
    ::SendMessageA(m_frame, WM_STATUS_PROMPT_MODE, 0, 0);
    EXPECT_TRUE(status.IsSimple());
    ::SendMessageA(m_frame, WM_STATUS_PROMPT_MODE, 1, 0);
    EXPECT_FALSE(status.IsSimple());
}

}  // namespace
