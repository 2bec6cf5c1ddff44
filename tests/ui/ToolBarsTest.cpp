// The frame's toolbars: labels, the drive buttons, docking and floating, the
// bars' context menus, their places across a restart, the drop-down menus and
// the quick-find box.

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"
#include "core/frame/Toolbars.h"
#include "core/search/FindTypeList.h"

// Frame
#include "ui/frame/FlatToolBar.h"
#include "ui/frame/QueryWindow.h"
#include "ui/search/SearchView.h"

// Tests
#include "ui/FolderTestSupport.h"

// Windows
#include <dbt.h>

namespace {

using namespace uitest;

// The drives the drive buttons are shown: c fixed, d fixed, f CD-ROM, and e
// (removable) once it has "arrived".
bool g_driveEPresent = false;
unsigned PlantedDriveType(char letter)
{
    switch (letter) {
    case 'c': case 'd': return DRIVE_FIXED;
    case 'e': return g_driveEPresent ? DRIVE_REMOVABLE : DRIVE_NO_ROOT_DIR;
    case 'f': return DRIVE_CDROM;
    case 'g': return DRIVE_UNKNOWN;
    default: return DRIVE_NO_ROOT_DIR;
    }
}

std::string MenuText(HMENU menu, int position)
{
    char text[MAX_PATH] = "";
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

class ToolBarsTest : public FolderTest {
protected:
    void TearDown() override
    {
        Frame().DrivesToolBar().SetDriveTypeSource(CDrivesToolBar::SystemDriveType);
        g_driveEPresent = false;
        FolderTest::TearDown();
    }
    CFlatToolBar& Bar(UINT toggle) { return *Frame().ToolBarOf(toggle); }
    // The bar's rectangle in the frame's client coordinates.
    RECT BarRect(HWND bar)
    {
        RECT rect;
        ::GetWindowRect(bar, &rect);
        ::MapWindowPoints(nullptr, Frame().Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    int IndexOf(CFlatToolBar& bar, UINT command)
    {
        for (int i = 0; i < bar.ButtonCount(); ++i)
            if (static_cast<UINT>(bar.ButtonAt(i).idCommand) == command) return i;
        return -1;
    }
    // Whether the top-level window `upper` lies above `lower`.
    static bool StacksAbove(HWND upper, HWND lower)
    {
        for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
            if (window == upper) return true;
            if (window == lower) return false;
        }
        return false;
    }
    UINT MenuState(HMENU popup, UINT id) { return ::GetMenuState(popup, id, MF_BYCOMMAND); }
    void SendDeviceChange(char letter, WPARAM event)
    {
        DEV_BROADCAST_VOLUME volume = {};
        volume.dbcv_size = sizeof(volume);
        volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
        volume.dbcv_unitmask = 1u << (letter - 'a');
        ::SendMessageA(Frame().Handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
    }
};

TEST_F(ToolBarsTest, AFreshProfileShowsTheMainAndDrivesBarsAtTheTopAndTheOthersHidden)
{
    for (UINT toggle : {ID_VIEW_TOOLBAR, ID_VIEW_TOOLBAR_DRIVES}) {
        EXPECT_TRUE(Bar(toggle).IsVisible()) << toggle;
        EXPECT_EQ(Bar(toggle).Side(), ui::DockSide::Top);
        EXPECT_TRUE(QueryCommand(Frame().FirstCommandTarget(), toggle).checked);
    }
    for (UINT toggle : {ID_VIEW_TOOLBAR_EDIT, ID_VIEW_TOOLBAR_EXPLORER, ID_VIEW_TOOLBAR_WINDOWS, ID_VIEW_TOOLBAR_TOOLS,
                        ID_VIEW_TOOLBAR_PERSONAL})
        EXPECT_FALSE(Bar(toggle).IsVisible()) << toggle;
    // The explorer bar stands below the top bars; the main bar starts at the frame's corner.
    const RECT main = BarRect(Bar(ID_VIEW_TOOLBAR));
    EXPECT_EQ(std::tuple(main.left, main.top), std::tuple(0L, 0L));
    EXPECT_GE(BarRect(Frame().ExplorerBarWindow()).top, main.bottom);
    // The main bar's buttons in the resource's order, with the box's place a separator.
    CFlatToolBar& bar = Bar(ID_VIEW_TOOLBAR);
    ASSERT_EQ(bar.ButtonCount(), 17);
    EXPECT_EQ(bar.ButtonAt(0).idCommand, ID_GO_BACK);
    EXPECT_NE(bar.ButtonAt(0).fsStyle & TBSTYLE_DROPDOWN, 0);
    const TBBUTTON box = bar.ButtonAt(IndexOf(bar, IDC_QUICK_FIND_BOX));
    EXPECT_NE(box.fsStyle & TBSTYLE_SEP, 0);
    EXPECT_EQ(box.iBitmap, 120);
    EXPECT_EQ(bar.ButtonAt(16).idCommand, ID_VIEW_VIEWS);
}

TEST_F(ToolBarsTest, LabelsAreThePromptsLastLinesAndGoWithTheTextLabelsCommand)
{
    Command(ID_VIEW_TOOLBAR_EXPLORER);
    CFlatToolBar& bar = Bar(ID_VIEW_TOOLBAR_EXPLORER);
    ASSERT_TRUE(bar.IsVisible());
    ASSERT_EQ(Settings().GetSetting(Setting::ToolbarTextLabels), 1);
    // "Opens a folder\nOpen"
    EXPECT_EQ(bar.ButtonText(IndexOf(bar, ID_FILE_OPEN)), "Open");
    EXPECT_EQ(bar.ButtonText(IndexOf(bar, ID_VIEW_BOOKMARKS_TAB)), "Bookmarks");
    const RECT labelled = BarRect(bar);

    Command(ID_VIEW_TEXT_LABELS);
    EXPECT_EQ(Settings().GetSetting(Setting::ToolbarTextLabels), 0);
    EXPECT_FALSE(QueryCommand(Frame().FirstCommandTarget(), ID_VIEW_TEXT_LABELS).checked);
    EXPECT_EQ(bar.ButtonText(IndexOf(bar, ID_FILE_OPEN)), "");
    RECT item;
    ASSERT_TRUE(::SendMessageA(bar.ToolBarControl(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(std::tuple(item.right - item.left, item.bottom - item.top), std::tuple(24L, 26L));
    EXPECT_LT(BarRect(bar).bottom - BarRect(bar).top, labelled.bottom - labelled.top);
    // The drive letters stay, beside the images now.
    CDrivesToolBar& drives = Frame().DrivesToolBar();
    ASSERT_GT(drives.ButtonCount(), 0);
    EXPECT_EQ(drives.ButtonText(0).size(), 2u);
    EXPECT_NE(::SendMessageA(drives.ToolBarControl(), TB_GETSTYLE, 0, 0) & TBSTYLE_LIST, 0);

    Command(ID_VIEW_TEXT_LABELS);
    EXPECT_EQ(bar.ButtonText(IndexOf(bar, ID_FILE_OPEN)), "Open");
}

TEST_F(ToolBarsTest, DriveButtonsStayInLetterOrderAsDrivesComeAndGo)
{
    CDrivesToolBar& drives = Frame().DrivesToolBar();
    drives.SetDriveTypeSource(PlantedDriveType);
    drives.UpdateDrives();
    // g has no known type: no button.
    EXPECT_EQ(drives.Letters(), "cdf");
    EXPECT_EQ(drives.ButtonText(1), "D:");
    EXPECT_EQ(drives.ButtonAt(1).idCommand, ID_DRIVE_FIRST + 3);

    g_driveEPresent = true;
    SendDeviceChange('e', DBT_DEVICEARRIVAL);
    EXPECT_EQ(drives.Letters(), "cdef");
    EXPECT_EQ(drives.ButtonAt(2).idCommand, ID_DRIVE_FIRST + 4);
    EXPECT_EQ(drives.ButtonAt(2).iBitmap, kDriveImageRemovable);
    EXPECT_FALSE(drives.DriveChanged('E', false)) << "a drive has one button";
    EXPECT_FALSE(drives.DriveChanged('g', false));

    SendDeviceChange('d', DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(drives.Letters(), "cef");
    EXPECT_FALSE(drives.DriveChanged('q', true));

    // A drive button opens its drive.
    drives.SetDriveTypeSource(CDrivesToolBar::SystemDriveType);
    Command(ID_DRIVE_FIRST + 2);
    ASSERT_FALSE(CWindowList::Instance().Windows().empty());
    EXPECT_EQ(CWindowList::Instance().Active()->Path(), "C:\\");
}

TEST_F(ToolBarsTest, TheBarMenuAlignsFloatsAndHidesAndGreysWhatCannotBeDone)
{
    CFlatToolBar& edit = Bar(ID_VIEW_TOOLBAR_EDIT);
    Command(ID_VIEW_TOOLBAR_EDIT);
    ASSERT_TRUE(edit.IsVisible());
    HMENU menu = edit.NewContextMenu();
    ASSERT_NE(menu, nullptr);
    HMENU popup = ::GetSubMenu(menu, 0);
    EXPECT_EQ(MenuState(popup, ID_TOOLBAR_FLOAT) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(popup, ID_TOOLBAR_ALIGN_TOP) & MF_CHECKED, 0u);
    EXPECT_EQ(MenuState(popup, ID_TOOLBAR_ALIGN_LEFT) & (MF_CHECKED | MF_GRAYED), 0u);
    ::DestroyMenu(menu);

    // Docked at the left, the buttons stand in a column beside the explorer bar.
    edit.OnBarCommand(ID_TOOLBAR_ALIGN_LEFT);
    const RECT column = BarRect(edit);
    EXPECT_EQ(column.left, 0);
    EXPECT_GT(column.bottom - column.top, column.right - column.left);
    EXPECT_GE(BarRect(Frame().ExplorerBarWindow()).left, column.right);

    edit.OnBarCommand(ID_TOOLBAR_FLOAT);
    ASSERT_TRUE(edit.IsFloating());
    menu = edit.NewContextMenu();
    popup = ::GetSubMenu(menu, 0);
    EXPECT_NE(MenuState(popup, ID_TOOLBAR_FLOAT) & MF_GRAYED, 0u);
    EXPECT_EQ(MenuState(popup, ID_TOOLBAR_ALIGN_LEFT) & MF_CHECKED, 0u);
    ::DestroyMenu(menu);
    // The floating frame's system menu holds only "&Hide", which hides the bar.
    HWND small = edit.FloatFrame();
    ASSERT_NE(small, nullptr);
    HMENU system = ::GetSystemMenu(small, FALSE);
    ASSERT_EQ(::GetMenuItemCount(system), 1);
    EXPECT_EQ(MenuText(system, 0), "&Hide");
    // The small frame holds the row of buttons.
    RECT client;
    ::GetClientRect(small, &client);
    EXPECT_GT(client.right, client.bottom);
    ::SendMessageA(small, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(edit.IsVisible());
    EXPECT_FALSE(QueryCommand(Frame().FirstCommandTarget(), ID_VIEW_TOOLBAR_EDIT).checked);

    // The main bar docks only at the top or the bottom.
    CFlatToolBar& main = Bar(ID_VIEW_TOOLBAR);
    menu = main.NewContextMenu();
    popup = ::GetSubMenu(menu, 0);
    EXPECT_NE(MenuState(popup, ID_TOOLBAR_ALIGN_LEFT) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(popup, ID_TOOLBAR_ALIGN_RIGHT) & MF_GRAYED, 0u);
    EXPECT_EQ(MenuState(popup, ID_TOOLBAR_ALIGN_BOTTOM) & MF_GRAYED, 0u);
    ::DestroyMenu(menu);
    main.OnBarCommand(ID_TOOLBAR_ALIGN_LEFT);
    EXPECT_EQ(main.Side(), ui::DockSide::Top);
    main.OnBarCommand(ID_TOOLBAR_HIDE);
    EXPECT_FALSE(main.IsVisible());
    EXPECT_EQ(BarRect(Bar(ID_VIEW_TOOLBAR_DRIVES)).top, 0) << "the drives bar takes the main bar's row";
}

TEST_F(ToolBarsTest, EveryBarsPlaceAndTheExplorerBarsFloatingOutliveTheProgram)
{
    Command(ID_VIEW_TOOLBAR_EDIT);
    Bar(ID_VIEW_TOOLBAR_EDIT).OnBarCommand(ID_TOOLBAR_ALIGN_RIGHT);
    Command(ID_VIEW_TOOLBAR_TOOLS);
    Bar(ID_VIEW_TOOLBAR_TOOLS).Float();
    const RECT where = {300, 200, 400, 260};
    Bar(ID_VIEW_TOOLBAR_TOOLS).SetFloatRect(where);
    Bar(ID_VIEW_TOOLBAR).OnBarCommand(ID_TOOLBAR_ALIGN_BOTTOM);
    Command(ID_VIEW_TOOLBAR_DRIVES);
    Command(ID_EXPLORER_FLOAT);
    ASSERT_EQ(Frame().ExplorerBarWindow().DockState(), ExplorerDockState::Floating);

    Restart();
    EXPECT_TRUE(Bar(ID_VIEW_TOOLBAR_EDIT).IsVisible());
    EXPECT_EQ(Bar(ID_VIEW_TOOLBAR_EDIT).Side(), ui::DockSide::Right);
    EXPECT_FALSE(Bar(ID_VIEW_TOOLBAR_EDIT).IsFloating());
    CFlatToolBar& tools = Bar(ID_VIEW_TOOLBAR_TOOLS);
    EXPECT_TRUE(tools.IsVisible());
    ASSERT_TRUE(tools.IsFloating());
    RECT floating;
    ::GetWindowRect(tools.FloatFrame(), &floating);
    EXPECT_EQ(std::tuple(floating.left, floating.top), std::tuple(300L, 200L));
    // Once the window system has caught up with the frame's showing, the bars still float above it.
    PumpFor(500);
    EXPECT_TRUE(StacksAbove(tools.FloatFrame(), Frame().Handle()));
    EXPECT_TRUE(StacksAbove(Frame().ExplorerBarWindow().FloatFrame(), Frame().Handle()));
    EXPECT_EQ(Bar(ID_VIEW_TOOLBAR).Side(), ui::DockSide::Bottom);
    EXPECT_FALSE(Bar(ID_VIEW_TOOLBAR_DRIVES).IsVisible());
    EXPECT_FALSE(Bar(ID_VIEW_TOOLBAR_PERSONAL).IsVisible());
    EXPECT_EQ(Frame().ExplorerBarWindow().DockState(), ExplorerDockState::Floating);
    Command(ID_EXPLORER_ALIGN_LEFT);
}

TEST_F(ToolBarsTest, DropDownMenusListTheRunHistoryTheWindowsAndTheViews)
{
    CObjectList& history = *m_app->RunHistory();
    for (const char* command : {"C:\\windows\\notepad.exe", "C:\\windows"}) {
        auto entry = std::make_unique<CTool>();
        entry->SetName(command);
        entry->SetCommand(command);
        history.Add(std::move(entry));
    }
    HMENU run = Frame().NewDropDownMenu(ID_FILE_RUN);
    ASSERT_NE(run, nullptr);
    ASSERT_EQ(::GetMenuItemCount(run), history.Count());
    for (int i = 0; i < history.Count(); ++i) {
        EXPECT_EQ(MenuText(run, i), static_cast<const CTool*>(history.At(i))->Command());
        EXPECT_EQ(::GetMenuItemID(run, i), ID_RUN_HISTORY_FIRST + static_cast<UINT>(i));
    }
    ::DestroyMenu(run);

    Open(m_folder.Path());
    HMENU windows = Frame().NewDropDownMenu(ID_WINDOW_LIST);
    ASSERT_EQ(::GetMenuItemCount(windows), 1);
    EXPECT_EQ(::GetMenuItemID(windows, 0), static_cast<UINT>(ID_WINDOW_ACTIVATE_FIRST));
    EXPECT_NE(::GetMenuState(windows, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    ::DestroyMenu(windows);

    HMENU views = Frame().NewDropDownMenu(ID_VIEW_VIEWS);
    ASSERT_EQ(::GetMenuItemCount(views), 4);
    EXPECT_EQ(::GetMenuItemID(views, 3), static_cast<UINT>(ID_VIEW_DETAILS));
    ::DestroyMenu(views);
    HMENU create = Frame().NewDropDownMenu(ID_BOOKMARK_CREATE);
    EXPECT_EQ(::GetMenuItemCount(create), 9);
    ::DestroyMenu(create);
    EXPECT_TRUE(Enabled(ID_VIEW_SORT));
}

TEST_F(ToolBarsTest, EnterInTheQuickFindBoxSearchesAndTheListHoldsTheHistory)
{
    CMainToolBar& main = Frame().MainToolBar();
    HWND box = main.QuickFindBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(::IsWindowVisible(box));
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);

    Open(m_folder.Path());
    m_folder.File("found.txt");
    Settings().SetSetting(Setting::QuickFindPlace, 2);
    HWND edit = ::GetWindow(box, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    ::SetFocus(edit);
    ::SetWindowTextA(box, "  found.txt ");
    ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageA(edit, WM_CHAR, '\r', 0);
    CQueryWindow* search = nullptr;
    for (CBasicWindow* window : CWindowList::Instance().Windows())
        if (window->Kind() == WindowKind::Search) search = dynamic_cast<CQueryWindow*>(window);
    ASSERT_NE(search, nullptr);
    auto* view = dynamic_cast<CSearchView*>(search->View());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !view->Running() && !search->Running(); }));
    EXPECT_EQ(view->SearchCriteria().Patterns(), "found.txt");
    ASSERT_GE(::SendMessageA(box, CB_GETCOUNT, 0, 0), 1);
    char first[MAX_PATH] = "";
    ::SendMessageA(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "found.txt");
}

TEST_F(ToolBarsTest, TheQuickFindBoxTakesItsEditingKeysBeforeTheAccelerators)
{
    const auto takes = [](UINT message, int key) {
        return CMainToolBar::TakesKey(MSG{nullptr, message, static_cast<WPARAM>(key), 0});
    };
    for (int key : {VK_DELETE, VK_BACK, VK_ESCAPE, VK_RETURN, static_cast<int>('Q')})
        EXPECT_TRUE(takes(WM_KEYDOWN, key)) << key;
    EXPECT_FALSE(takes(WM_KEYDOWN, VK_F3));
    EXPECT_FALSE(takes(WM_SYSKEYDOWN, 'O'));
    HeldKeys control({VK_CONTROL});
    for (int key : {static_cast<int>('A'), static_cast<int>('C'), static_cast<int>('V'), static_cast<int>('X'), VK_INSERT})
        EXPECT_TRUE(takes(WM_KEYDOWN, key)) << key;
    EXPECT_FALSE(takes(WM_KEYDOWN, 'Q'));
    EXPECT_FALSE(takes(WM_KEYDOWN, 'W'));
}

}  // namespace
