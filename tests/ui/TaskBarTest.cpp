// The taskbar of document windows: its buttons' widths, texts and images,
// clicks and drags on them, and its place over restarts and window modes.

// Application
#include "ui/frame/WindowTaskBar.h"

// Tests
#include "ui/UiTestSupport.h"

namespace {

using namespace uitest;

class TaskBar : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppTest::SetUp());
        ASSERT_TRUE(Frame().ApplyWindowMode(0));
        if (!Frame().TaskbarVisible()) Command(ID_VIEW_TASKBAR);
        ASSERT_TRUE(Frame().TaskbarVisible());
    }
    CWindowTabs& Tabs() { return Frame().TaskBar().Tabs(); }
    CWindowList& List() { return CWindowList::Instance(); }

    TestWindow* OpenIconWindow(const std::string& title, int icon = 1)
    {
        TestWindow* window = OpenDocument(*m_app, new TestWindow(title, icon));
        if (window) List().ActivateWindow(window);
        return window;
    }
    RECT ItemRect(int index)
    {
        RECT rect = {};
        ::SendMessageA(Tabs().Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    std::string ItemText(int index) { return TabText(Tabs().Handle(), index); }
    std::string ToolTipText(int index)
    {
        char text[MAX_PATH] = "";
        TOOLINFOA tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Tabs().Handle();
        tool.uId = static_cast<UINT_PTR>(index);
        tool.lpszText = text;
        HWND tips = reinterpret_cast<HWND>(::SendMessageA(Tabs().Handle(), TCM_GETTOOLTIPS, 0, 0));
        ::SendMessageA(tips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    // Folder windows still listing refuse to close at once.
    void WaitUntilWindowsCanClose()
    {
        PumpUntil([&] {
            for (const CBasicWindow* window : List().Windows())
                if (!window->CanCloseNow()) return false;
            return true;
        });
    }
    // Sizes the restored frame so that its client area is `width` pixels wide.
    void SetFrameClientWidth(int width)
    {
        ::ShowWindow(Frame().Handle(), SW_RESTORE);
        RECT outer, client;
        ::GetWindowRect(Frame().Handle(), &outer);
        ::GetClientRect(Frame().Handle(), &client);
        ::SetWindowPos(Frame().Handle(), nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                       outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    }
};

TEST_F(TaskBar, ButtonsShareTheFrameWidthUpTo200Pixels)
{
    SetFrameClientWidth(1000);
    ASSERT_EQ(List().Windows().size(), 1u);  // the start folder
    std::vector<TestWindow*> opened;
    for (int i = 0; i < 8; ++i) opened.push_back(OpenIconWindow("Window " + std::to_string(i)));
    ASSERT_EQ(Tabs().Count(), 9);
    EXPECT_EQ(Tabs().ButtonWidth(), 100);
    const RECT first = ItemRect(0);
    const RECT last = ItemRect(8);
    EXPECT_EQ(first.right - first.left, 100);
    EXPECT_EQ(last.top, first.top);  // one row
    // The buttons follow the windows' order, and each carries its window's title.
    EXPECT_EQ(ItemText(3), "Window 2");
    EXPECT_EQ(ToolTipText(3), "Window 2");

    for (TestWindow* window : opened) ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(Tabs().Count(), 1);
    EXPECT_EQ(Tabs().ButtonWidth(), 200);
    EXPECT_EQ(ItemRect(0).right - ItemRect(0).left, 200);
    // The buttons sit along the bottom, right above the status bar.
    RECT bar, status;
    ::GetWindowRect(Frame().TaskBar().Handle(), &bar);
    ::GetWindowRect(Frame().Status().Handle(), &status);
    EXPECT_EQ(bar.bottom, status.top);
}

TEST_F(TaskBar, ATitleChangeRenewsTheImageOnlyWhenTheIconChanged)
{
    TestWindow* window = OpenIconWindow("Report", 2);
    ASSERT_NE(window, nullptr);
    const int index = Frame().TaskBar().IndexOf(window->Handle());
    ASSERT_GE(index, 0);
    EXPECT_EQ(Tabs().Image(index), 2);

    window->icon = 4;
    ::SetWindowTextA(window->Handle(), "Renamed report");
    ::SendMessageA(Frame().Handle(), UWM_WINDOWTITLECHANGED, reinterpret_cast<WPARAM>(window->Handle()), 0);
    EXPECT_EQ(ItemText(index), "Renamed report");
    EXPECT_EQ(ToolTipText(index), "Renamed report");
    EXPECT_EQ(Tabs().Image(index), 2);

    ::SendMessageA(Frame().Handle(), UWM_WINDOWTITLECHANGED, reinterpret_cast<WPARAM>(window->Handle()),
                   kTitleAndIconChanged);
    EXPECT_EQ(Tabs().Image(index), 4);
}

TEST_F(TaskBar, AClickOnAButtonActivatesItsWindowAndADragOverItMaximizesAndAsksIt)
{
    TestWindow* first = OpenIconWindow("First");
    TestWindow* second = OpenIconWindow("Second");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(List().Active(), second);
    const int index = Frame().TaskBar().IndexOf(first->Handle());
    const RECT rect = ItemRect(index);
    POINT over = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::SendMessageA(Tabs().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(List().Active(), first);
    EXPECT_EQ(Tabs().Selected(), index);

    // A minimized window comes back from its button.
    ::SendMessageA(first->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(first->Handle()));
    ::SendMessageA(Tabs().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2));
    EXPECT_TRUE(::IsWindowVisible(first->Handle()));
    EXPECT_FALSE(::IsIconic(first->Handle()));

    ::ClientToScreen(Tabs().Handle(), &over);
    IDropTarget* drop = Tabs().DropTarget();
    ASSERT_NE(drop, nullptr);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(drop->DragEnter(nullptr, 0, {over.x, over.y}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(first->dragOvers, 1);
    EXPECT_TRUE(::IsZoomed(first->Handle()));

    // Past the last button nothing takes the drag.
    RECT tabs;
    ::GetClientRect(Tabs().Handle(), &tabs);
    POINT beyond = {tabs.right - 2, 0};
    ::ClientToScreen(Tabs().Handle(), &beyond);
    effect = DROPEFFECT_COPY;
    drop->DragOver(0, {beyond.x, over.y}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(first->dragOvers, 1);
    drop->DragLeave();
}

TEST_F(TaskBar, EveryButtonTakesClicksAndDragsAcrossItsWholeWidth)
{
    SetFrameClientWidth(1000);
    std::vector<TestWindow*> opened;
    for (int i = 0; i < 8; ++i) opened.push_back(OpenIconWindow("Window " + std::to_string(i)));
    ASSERT_EQ(Tabs().Count(), 9);
    IDropTarget* drop = Tabs().DropTarget();
    ASSERT_NE(drop, nullptr);
    for (int index = 1; index < Tabs().Count(); ++index) {
        const RECT rect = ItemRect(index);
        TestWindow* window = opened[static_cast<std::size_t>(index - 1)];
        ASSERT_EQ(Frame().TaskBar().IndexOf(window->Handle()), index);
        for (int x : {rect.left + 1, rect.right - 2}) {
            List().ActivateWindow(opened[index == 1 ? 1 : 0]);
            ::SendMessageA(Tabs().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, rect.top + 2));
            EXPECT_EQ(List().Active(), window) << index << " at " << x;

            POINT over = {x, rect.top + 2};
            ::ClientToScreen(Tabs().Handle(), &over);
            const int before = window->dragOvers;
            DWORD effect = DROPEFFECT_COPY;
            drop->DragEnter(nullptr, 0, {over.x, over.y}, &effect);
            drop->DragLeave();
            EXPECT_EQ(window->dragOvers, before + 1) << index << " at " << x;
        }
    }
}

TEST_F(TaskBar, TheCommandMovesMinimizedWindowsBetweenBarAndIcons)
{
    TestWindow* window = OpenIconWindow("Minimized");
    ASSERT_NE(window, nullptr);
    RECT withBar;
    ::GetClientRect(Frame().MdiClient(), &withBar);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(window->Handle()));
    EXPECT_FALSE(::IsWindowVisible(window->Handle()));
    EXPECT_FALSE(Enabled(ID_WINDOW_ARRANGE));
    EXPECT_TRUE(ui::QueryCommand(Frame().FirstCommandTarget(), ID_VIEW_TASKBAR).checked);

    Command(ID_VIEW_TASKBAR);
    EXPECT_FALSE(Frame().TaskbarVisible());
    EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    EXPECT_TRUE(::IsIconic(window->Handle()));
    EXPECT_TRUE(Enabled(ID_WINDOW_ARRANGE));
    RECT withoutBar;
    ::GetClientRect(Frame().MdiClient(), &withoutBar);
    EXPECT_GT(withoutBar.bottom, withBar.bottom);  // the document area took the bar's room

    Command(ID_VIEW_TASKBAR);
    EXPECT_TRUE(Frame().TaskbarVisible());
    EXPECT_FALSE(::IsWindowVisible(window->Handle()));
    EXPECT_FALSE(Enabled(ID_WINDOW_ARRANGE));
}

TEST_F(TaskBar, LeavingMaximizeModeKeepsOnlyTheActiveWindowInSight)
{
    TestWindow* first = OpenIconWindow("First");
    TestWindow* second = OpenIconWindow("Second");
    ASSERT_NE(second, nullptr);
    Command(ID_WINDOW_AUTO_MAXIMIZE);
    EXPECT_TRUE(::IsZoomed(second->Handle()));
    Command(ID_WINDOW_AUTO_NONE);
    EXPECT_EQ(List().Active(), second);
    EXPECT_TRUE(::IsWindowVisible(second->Handle()));
    EXPECT_FALSE(::IsZoomed(second->Handle()));
    EXPECT_FALSE(::IsWindowVisible(first->Handle()));
}

TEST_F(TaskBar, VisibilityIsKeptOverARestartAndOverExplorerMode)
{
    Command(ID_VIEW_TASKBAR);
    ASSERT_FALSE(Frame().TaskbarVisible());
    Restart();
    EXPECT_EQ(Settings().GetSetting(Setting::TaskbarVisible), 0);
    EXPECT_FALSE(Frame().TaskbarVisible());
    Command(ID_VIEW_TASKBAR);
    Restart();
    EXPECT_TRUE(Frame().TaskbarVisible());

    // Explorer mode hides the bar and brings it back on leaving.
    WaitUntilWindowsCanClose();
    ASSERT_TRUE(Frame().ApplyWindowMode(1));
    EXPECT_FALSE(Frame().TaskbarVisible());
    EXPECT_EQ(Settings().GetSetting(Setting::TaskbarBeforeExplorerMode), 1);
    WaitUntilWindowsCanClose();
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    EXPECT_TRUE(Frame().TaskbarVisible());
}

}  // namespace
