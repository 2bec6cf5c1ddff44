// Commands that reach every window or the windows' list: the Windows List
// dialog while windows come and go, the view commands of the menu bar, the
// recent folders and the menu key.

// Core
#include "core/app/RecentFileList.h"

// Application
#include "ui/frame/WindowTaskBar.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <cstring>

namespace {

using namespace uitest;

class WindowCommands : public FolderTest {
protected:
    CWindowList& List() { return CWindowList::Instance(); }
    TestWindow* OpenTestWindow(const std::string& title, int icon = 1)
    {
        TestWindow* window = OpenDocument(*m_app, new TestWindow(title, icon));
        if (window) List().ActivateWindow(window);
        return window;
    }
};

// The pixels a list entry's drawing leaves in its icon's square.
std::vector<COLORREF> DrawnIcon(const std::function<void(HDC)>& draw)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 18);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all = {0, 0, 200, 18};
    ::FillRect(memory, &all, ::GetSysColorBrush(COLOR_WINDOW));
    draw(memory);
    std::vector<COLORREF> pixels;
    for (int y = 1; y < 17; ++y)
        for (int x = 2; x < 18; ++x) pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(WindowCommands, TheWindowsListForgetsWindowsThatWentAwayAndDrawsEachKindsIcon)
{
    TestWindow* report = OpenTestWindow("Report", 2);
    TestWindow* busy = OpenTestWindow("Busy search", 3);
    TestWindow* longOne = OpenTestWindow("C:\\" + std::string(600, 'n'), 4);
    ASSERT_TRUE(report && busy && longOne);
    busy->busy = true;
    const HWND reportHandle = report->Handle();
    HWND replacement = nullptr;

    DialogScript script;
    script.Then(IDC_WINDOWS_LIST, [&](HWND dialog) {
        HWND list = FindControl(dialog, IDC_WINDOWS_LIST);
        ASSERT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
        // A search window's icon comes from the kinds' own images.
        const std::vector<COLORREF> drawn = DrawnIcon([&](HDC dc) {
            DRAWITEMSTRUCT draw = {};
            draw.CtlType = ODT_LISTBOX;
            draw.CtlID = IDC_WINDOWS_LIST;
            draw.itemID = 0;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.hwndItem = list;
            draw.hDC = dc;
            draw.rcItem = {0, 0, 200, 18};
            draw.itemData = static_cast<ULONG_PTR>(::SendMessageA(list, LB_GETITEMDATA, 0, 0));
            ::SendMessageA(dialog, WM_DRAWITEM, IDC_WINDOWS_LIST, reinterpret_cast<LPARAM>(&draw));
        });
        const std::vector<COLORREF> expected = DrawnIcon([&](HDC dc) {
            ::ImageList_Draw(Frame().TaskBar().Tabs().Images(), 2, dc, 2, 1, ILD_TRANSPARENT);
        });
        EXPECT_EQ(drawn, expected);
        // The long path is drawn whole into its line.
        ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

        // The busy window is chosen, then finishes and closes itself (its
        // close timer) while the list is open; a new window may take its place.
        SelectEntries(dialog, IDC_WINDOWS_LIST, {1}, true);
        EXPECT_FALSE(ControlEnabled(dialog, IDC_WINDOWS_CLOSE));
        busy->busy = false;
        ::SendMessageA(busy->Handle(), WM_TIMER, CBasicWindow::kCloseTimerId, 0);
        TestWindow* next = OpenTestWindow("Newcomer");
        ASSERT_NE(next, nullptr);
        replacement = next->Handle();
        SelectEntries(dialog, IDC_WINDOWS_LIST, {1}, true);
        EXPECT_FALSE(ControlEnabled(dialog, IDC_WINDOWS_SWITCH_TO)) << "the chosen window is gone";
        ClickNow(dialog, IDC_WINDOWS_CLOSE);
        EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 2) << "its entry went";
        Click(dialog, IDCANCEL);
    });
    Command(ID_WINDOW_LIST);
    script.ExpectDone();
    EXPECT_TRUE(::IsWindow(replacement)) << "the newcomer was never asked to close";
    EXPECT_TRUE(::IsWindow(reportHandle));
}

TEST_F(WindowCommands, ViewCommandsOfTheMenuBarReachEveryWindow)
{
    m_folder.File("a.txt");
    TempDir other;
    CExplorerWindow* first = Open(m_folder.Path());
    CExplorerWindow* second = Open(other.Path());
    ASSERT_TRUE(first && second);
    // A search window is active: the commands reach the application.
    ASSERT_NE(OpenTestWindow("Search"), nullptr);

    Command(ID_VIEW_LIST);
    EXPECT_EQ(Settings().GetSetting(Setting::ViewMode), 2);
    for (CExplorerWindow* window : {first, second}) EXPECT_EQ(window->ExplorerView()->ViewMode(), 2);

    Command(ID_VIEW_ARRANGE_BYSIZE);
    EXPECT_EQ(Settings().GetSetting(Setting::Arrangement), 3);
    for (CExplorerWindow* window : {first, second}) {
        ui::CommandState state = ui::QueryCommand(window->ExplorerView(), ID_VIEW_ARRANGE_BYSIZE);
        EXPECT_TRUE(state.checked);
    }

    const bool shown = Settings().GetSetting(Setting::ShowAddressBar) != 0;
    Command(ID_VIEW_ADDRESS_BAR);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowAddressBar) != 0, !shown);
    for (CExplorerWindow* window : {first, second})
        EXPECT_EQ(ui::QueryCommand(window->ExplorerView(), ID_VIEW_ADDRESS_BAR).checked, !shown);

    // Refresh All lists every folder again; the watchers are kept out of it.
    for (CExplorerWindow* window : {first, second}) ::SendMessageA(window->Handle(), UWM_PAUSEWATCHERS, 0, 0);
    m_folder.File("b.txt");
    other.File("c.txt");
    Command(ID_VIEW_REFRESH_ALL);
    for (CExplorerWindow* window : {first, second}) WaitIdle(*window);
    EXPECT_EQ(ItemNames(*first->ExplorerView()).count("b.txt"), 1u);
    EXPECT_EQ(ItemNames(*second->ExplorerView()).count("c.txt"), 1u);
    for (CExplorerWindow* window : {first, second}) ::SendMessageA(window->Handle(), UWM_RESUMEWATCHERS, 0, 0);

    // Restore Defaults gives every files view the old font's colour.
    Settings().SetSetting(Setting::FolderFontColor, 0x0000FF);
    Settings().SetSetting(Setting::OldFontColor, 0x00FF00);
    Command(ID_VIEW_FONT_RESTORE);
    for (CExplorerWindow* window : {first, second})
        EXPECT_EQ(ListView_GetTextColor(window->ExplorerView()->List().Handle()), static_cast<COLORREF>(0x00FF00));
}

TEST_F(WindowCommands, RecentFoldersOpenAndNoToTooManyWindowsSaysNothingMore)
{
    TempDir other;
    m_app->RecentFiles().Add(other.Path());
    m_app->RecentFiles().Add(m_folder.Path());
    const UINT count = static_cast<UINT>(m_app->RecentFiles().Entries().size());
    ASSERT_LT(count, static_cast<UINT>(CRecentFileList::kMaxEntries));
    for (UINT i = 0; i < count; ++i) EXPECT_TRUE(Enabled(ID_FILE_MRU_FILE1 + i)) << i;
    EXPECT_FALSE(Enabled(ID_FILE_MRU_FILE1 + count));
    Command(ID_FILE_MRU_FILE1);
    ASSERT_NE(List().FindOpenWindow(m_folder.Path(), WindowKind::Folder), nullptr);

    // At the limit with a search window active, the user declines another window.
    Settings().SetSetting(Setting::MaxWindows, 1);
    ASSERT_NE(OpenTestWindow("Search"), nullptr);
    m_messages.answer = IDNO;
    m_messages.Clear();
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(List().FindOpenWindow(other.Path(), WindowKind::Folder), nullptr);
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_TOO_MANY_WINDOWS));
}

TEST_F(WindowCommands, AWindowThatCouldNotBeCreatedIsNoRecentFolder)
{
    WindowState state;
    state.path = "Q:\\no such drive\\folder";
    state.kind = WindowKind::Folder;
    state.rect = {0, 0, 300, 200};
    EXPECT_EQ(OpenDocument(*m_app, new CExplorerWindow(state, nullptr)), nullptr);
    const std::vector<std::string>& recent = m_app->RecentFiles().Entries();
    EXPECT_EQ(std::count(recent.begin(), recent.end(), state.path), 0);
}

// A clipboard owner that closes the clipboard when the next owner empties
// it: the next owner's text then finds the clipboard closed and is refused.
LRESULT CALLBACK ClosingOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROYCLIPBOARD) ::CloseClipboard();
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowCommands, CopyPathSaysSoWhenTheClipboardDidNotTakeTheText)
{
    ASSERT_NE(OpenView(m_folder.Path()), nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ClosingOwnerProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ClosingClipboardOwner";
    ::RegisterClassA(&windowClass);
    HWND owner = ::CreateWindowA("ClosingClipboardOwner", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 2);
    std::memcpy(::GlobalLock(text), "x", 2);
    ::GlobalUnlock(text);
    ::SetClipboardData(CF_TEXT, text);
    ::CloseClipboard();

    m_messages.Clear();
    Command(ID_FILE_COPY_PATH);
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_CLIPBOARD_OPEN_FAILED)}));
    ::DestroyWindow(owner);
}

// Closes the first popup menu that opens and counts it.
class MenuCatcher {
public:
    MenuCatcher()
    {
        s_active = this;
        m_timer = ::SetTimer(nullptr, 0, 20, Tick);
    }
    ~MenuCatcher()
    {
        ::KillTimer(nullptr, m_timer);
        s_active = nullptr;
    }
    MenuCatcher(const MenuCatcher&) = delete;
    MenuCatcher& operator=(const MenuCatcher&) = delete;
    int menus = 0;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND menu = ::FindWindowA(MAKEINTATOM(32768), nullptr);
        if (!s_active || !menu || !::IsWindowVisible(menu)) return;
        ++s_active->menus;
        ::EndMenu();
    }
    inline static MenuCatcher* s_active = nullptr;
    UINT_PTR m_timer = 0;
};

TEST_F(WindowCommands, TheMenuKeyAndShiftF10OpenTheFilesContextMenu)
{
    m_folder.File("a.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    HWND list = view->List().Handle();
    ::SetFocus(list);
    {
        MenuCatcher catcher;
        ::SendMessageA(list, WM_KEYDOWN, VK_APPS, 0);
        ::SendMessageA(list, WM_KEYUP, VK_APPS, 0xC0000001);
        PumpFor(100);
        EXPECT_EQ(catcher.menus, 1);
    }
    {
        MenuCatcher catcher;
        HeldKeys shift({VK_SHIFT});
        ::SendMessageA(list, WM_SYSKEYDOWN, VK_F10, 0);
        PumpFor(100);
        EXPECT_EQ(catcher.menus, 1);
    }
}

}  // namespace
