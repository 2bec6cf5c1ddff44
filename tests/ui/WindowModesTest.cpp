// Explorer mode and multiple windows: switching between them, the Window
// menu, the window limit, saved windows and closing with busy windows.

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

class WindowModes : public AppTest {
protected:
    CWindowList& List() { return CWindowList::Instance(); }
    CBasicWindow* Open(const std::string& path)
    {
        CBasicWindow* window = List().OpenWindow(path, WindowKind::Folder, nullptr, 0);
        PumpUntil([&] { return !window || window->CanCloseNow(); });
        return window;
    }
    TestWindow* OpenBusy(const std::string& title)
    {
        TestWindow* window = OpenDocument(*m_app, new TestWindow(title));
        if (window) window->busy = true;
        return window;
    }
    bool HasWindowMenu() { return HasCommand(::GetMenu(Frame().Handle()), ID_WINDOW_CLOSE_ALL); }
};

TEST_F(WindowModes, AFreshStartOpensTheStartFolderInExplorerMode)
{
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerMode), 1);
    ASSERT_EQ(List().Windows().size(), 1u);
    EXPECT_EQ(List().Windows().front()->Path(), "C:\\");
    EXPECT_TRUE(::IsZoomed(List().Windows().front()->Handle()));
    // No Window menu with one folder at a time.
    EXPECT_FALSE(HasWindowMenu());
    EXPECT_FALSE(Enabled(ID_WINDOW_CASCADE));
    EXPECT_FALSE(Enabled(ID_WINDOW_LIST));
}

// Answers the first start's view-mode question with "each folder in its own window".
void CALLBACK ChooseSeparateWindows(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = ::FindWindowA(MAKEINTATOM(32770), "Choose View Mode");
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    ::CheckRadioButton(dialog, IDC_VIEW_MODE_EXPLORER, IDC_VIEW_MODE_WINDOWS, IDC_VIEW_MODE_WINDOWS);
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(WindowModes, TheFirstStartsChoiceOfWindowsLeavesExplorerMode)
{
    CloseApp();
    RemoveUserDirectories({});
    WipeProgramKeys();
    AutoAnswerViewMode() = false;
    ::SetTimer(nullptr, 0, 50, ChooseSeparateWindows);
    StartApp();
    AutoAnswerViewMode() = true;
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerMode), 0);
    EXPECT_TRUE(HasWindowMenu());
    ASSERT_EQ(List().Windows().size(), 1u);
    // The start folder's window is a window of its own again, with its system menu.
    EXPECT_TRUE(::GetWindowLongA(List().Windows().front()->Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(WindowModes, ExplorerModeCannotBeEnteredWhileAWindowIsBusy)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    EXPECT_TRUE(HasWindowMenu());
    ASSERT_EQ(List().Windows().size(), 1u);  // the folder came back in a window of its own
    TestWindow* busy = OpenBusy("Busy");
    ASSERT_NE(busy, nullptr);

    EXPECT_FALSE(Frame().ApplyWindowMode(1));
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerMode), 0);
    busy->busy = false;
    PumpUntil([&] { return List().Windows().size() <= 1; });
    EXPECT_TRUE(Frame().ApplyWindowMode(1));
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerMode), 1);
    EXPECT_EQ(List().Windows().size(), 1u);
}

TEST_F(WindowModes, EnteringExplorerModeShowsAHiddenExplorerBarAndOpensOnlyTheStartFolder)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    // The start folder, back in a window of its own, has listed.
    ASSERT_TRUE(PumpUntil([&] { return List().Windows().size() == 1 && List().Windows().front()->CanCloseNow(); }));
    Frame().ShowExplorerBar(false);
    ASSERT_FALSE(Frame().ExplorerBarVisible());
    ASSERT_TRUE(Frame().ApplyWindowMode(1));
    EXPECT_TRUE(Frame().ExplorerBarVisible());
    ASSERT_EQ(List().Windows().size(), 1u);
    EXPECT_EQ(List().Windows().front()->Path(), "C:\\");
}

TEST_F(WindowModes, TheWindowMenuListsTheWindowsAndChecksTheActiveOne)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    TempDir first, second;
    ASSERT_NE(Open(first.Path()), nullptr);
    CBasicWindow* active = Open(second.Path());
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(List().Active(), active);

    HMENU windowMenu = PopupHolding(::GetMenu(Frame().Handle()), ID_WINDOW_CLOSE_ALL);
    ASSERT_NE(windowMenu, nullptr);
    ::SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windowMenu), 0);
    const auto& windows = List().Windows();
    const UINT activeId = ID_WINDOW_ACTIVATE_FIRST +
                          static_cast<UINT>(std::find(windows.begin(), windows.end(), active) - windows.begin());
    ASSERT_EQ(windows.size(), 3u);
    for (UINT id = ID_WINDOW_ACTIVATE_FIRST; id < ID_WINDOW_ACTIVATE_FIRST + 3; ++id)
        EXPECT_EQ(IsChecked(windowMenu, id), id == activeId) << id;
    EXPECT_FALSE(::GetMenuState(windowMenu, ID_WINDOW_LIST, MF_BYCOMMAND) & MF_GRAYED);

    // Choosing an entry activates its window.
    const UINT otherId = activeId == ID_WINDOW_ACTIVATE_FIRST ? activeId + 1 : ID_WINDOW_ACTIVATE_FIRST;
    Command(otherId);
    EXPECT_EQ(List().Active(), windows[otherId - ID_WINDOW_ACTIVATE_FIRST]);

    // Maximize mode takes the tile and cascade commands away.
    EXPECT_TRUE(Enabled(ID_WINDOW_TILE_HORZ));
    Command(ID_WINDOW_AUTO_MAXIMIZE);
    EXPECT_EQ(Settings().GetSetting(Setting::ArrangeMode), 4);
    EXPECT_FALSE(Enabled(ID_WINDOW_TILE_HORZ));
    EXPECT_FALSE(Enabled(ID_WINDOW_CASCADE));
    EXPECT_TRUE(::IsZoomed(List().Active()->Handle()));
}

TEST_F(WindowModes, AtTheLimitAFolderOpensInTheActiveFolderWindow)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    Settings().SetSetting(Setting::MaxWindows, 2);
    TempDir first, second;
    CBasicWindow* active = Open(first.Path());
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(List().Windows().size(), 2u);  // with C:\ the limit is reached
    CBasicWindow* navigated = Open(second.Path());
    EXPECT_EQ(navigated, active);
    EXPECT_EQ(List().Windows().size(), 2u);
    PumpUntil([&] { return active->Path() == second.Path(); });
    EXPECT_EQ(active->Path(), second.Path());
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(WindowModes, SavedWindowsComeBackAfterARestart)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    Settings().SetSetting(Setting::OpenStartupFolder, 0);
    TempDir first, second;
    ASSERT_NE(Open(first.Path()), nullptr);
    CBasicWindow* moved = Open(second.Path());
    ASSERT_NE(moved, nullptr);
    ::SendMessageA(Frame().MdiClient(), WM_COMMAND, ID_WINDOW_AUTO_NONE, 0);
    Settings().SetSetting(Setting::ArrangeMode, 0);
    ::MoveWindow(moved->Handle(), 20, 30, 300, 200, TRUE);
    Restart();
    EXPECT_NE(List().FindOpenWindow(first.Path(), WindowKind::Folder), nullptr);
    CBasicWindow* back = List().FindOpenWindow(second.Path(), WindowKind::Folder);
    ASSERT_NE(back, nullptr);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(back->Handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 20);
    EXPECT_EQ(placement.rcNormalPosition.top, 30);
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 300);
}

TEST_F(WindowModes, ClosingWaitsForABusyWindow)
{
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    TestWindow* busy = OpenBusy("Busy");
    ASSERT_NE(busy, nullptr);
    HWND frame = Frame().Handle();
    ::SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(frame));
    EXPECT_TRUE(Frame().IsClosing());
    PumpFor(1200);  // a retry passes while the window is still busy
    EXPECT_TRUE(::IsWindow(frame));
    busy->busy = false;
    m_app->RunMessageLoop();  // the next retry closes it all
    EXPECT_FALSE(::IsWindow(frame));
    m_app->ExitInstance();
    m_app.reset();
}

}  // namespace
