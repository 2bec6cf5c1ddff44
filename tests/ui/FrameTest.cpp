// The frame: its document area's background, the menus it fills as they
// open, minimizing to the notification area and the status bar's prompts.

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"
#include "core/frame/FrameBackground.h"

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <fstream>

namespace {

using namespace uitest;

// Paints the document area's background into a bitmap and reads it back.
class PaintedArea {
public:
    explicit PaintedArea(HWND area)
    {
        ::GetClientRect(area, &m_rect);
        HDC screen = ::GetDC(area);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, m_rect.right, m_rect.bottom);
        ::ReleaseDC(area, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        ::SendMessageA(area, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_dc), 0);
    }
    ~PaintedArea()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Width() const { return m_rect.right; }
    int Height() const { return m_rect.bottom; }

private:
    RECT m_rect = {};
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

class FrameBackground : public AppTest {};

TEST_F(FrameBackground, EveryScanLineHasItsGradientBand)
{
    Settings().SetSetting(Setting::OwnBackground, 1);
    Settings().SetSetting(Setting::GradientFill, 1);
    for (int style : {0, 3, 6}) {
        Settings().SetSetting(Setting::GradientStyle, style);
        PaintedArea painted(Frame().MdiClient());
        ASSERT_GT(painted.Height(), 64);
        for (int y = 0; y < painted.Height(); ++y) {
            const COLORREF expected = GradientBandColor(style, GradientBandForLine(y, painted.Height()));
            ASSERT_EQ(painted.At(painted.Width() / 2, y), expected) << "style " << style << " line " << y;
        }
    }
}

TEST_F(FrameBackground, SolidColourAndTiledWallpaper)
{
    Settings().SetSetting(Setting::OwnBackground, 1);
    Settings().SetSetting(Setting::BackgroundColor, 0x123456);
    {
        PaintedArea painted(Frame().MdiClient());
        EXPECT_EQ(painted.At(3, 3), 0x123456u);
        EXPECT_EQ(painted.At(painted.Width() - 1, painted.Height() - 1), 0x123456u);
    }

    // A 2x2 bitmap of four colours tiles the whole area.
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof(temp), temp);
    const std::string path = std::string(temp) + "trailmark-wallpaper.bmp";
    {
        const unsigned char bmp[] = {
            'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
            40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
            0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,        // bottom row: red, green
            0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,        // top row: blue, white
        };
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof(bmp));
    }
    Settings().SetTextSetting(Setting::Wallpaper, path);
    Settings().SetSetting(Setting::UseWallpaper, 1);
    Settings().SetSetting(Setting::WallpaperDisplay, 0);
    {
        PaintedArea painted(Frame().MdiClient());
        EXPECT_EQ(painted.At(0, 0), RGB(0, 0, 255));
        EXPECT_EQ(painted.At(1, 0), RGB(255, 255, 255));
        EXPECT_EQ(painted.At(2, 1), RGB(255, 0, 0));
        EXPECT_EQ(painted.At(3, 3), RGB(0, 255, 0));
    }
    // A wallpaper that cannot be loaded leaves the system's colour, not garbage.
    Settings().SetTextSetting(Setting::Wallpaper, std::string(temp) + "missing.bmp");
    EXPECT_EQ(PaintedArea(Frame().MdiClient()).At(5, 5), ::GetSysColor(COLOR_APPWORKSPACE));
    ::DeleteFileA(path.c_str());
}

struct Item {
    UINT id;
    bool drawn;
    bool separator;
    std::string text;
};

std::vector<Item> Items(HMENU menu)
{
    std::vector<Item> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_ID;
        char text[256] = "";
        info.dwTypeData = text;
        info.cch = sizeof(text);
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({info.wID, (info.fType & MFT_OWNERDRAW) != 0, (info.fType & MFT_SEPARATOR) != 0,
                         (info.fType & MFT_OWNERDRAW) ? std::string() : std::string(text)});
    }
    return items;
}

class FrameMenus : public AppTest {
protected:
    // Opens the popup that holds the command, as often as asked; gives its items.
    std::vector<Item> OpenPopup(UINT id, HMENU* popup, int times = 1)
    {
        *popup = PopupHolding(::GetMenu(m_app->MainWindow()), id);
        for (int i = 0; i < times; ++i)
            ::SendMessageA(m_app->MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(*popup), 0);
        return Items(*popup);
    }
};

TEST_F(FrameMenus, TheGoMenuListsTheToolsOnceWithTheirIcons)
{
    HMENU go = nullptr;
    const int fixed = static_cast<int>(OpenPopup(ID_GO_BACK, &go, 0).size());
    ASSERT_NE(go, nullptr);
    auto tool = std::make_unique<CTool>();
    tool->SetName("&Hex Editor");
    tool->SetCommand("www.example.com");
    m_app->Tools()->Add(std::move(tool));
    const int tools = m_app->Tools()->Count();  // the starter tools and ours

    // Opening again rebuilds, it does not add.
    std::vector<Item> items = OpenPopup(ID_GO_BACK, &go, 2);
    ASSERT_EQ(static_cast<int>(items.size()), fixed + tools + 1 + 2);
    EXPECT_EQ(items[static_cast<std::size_t>(fixed)].id, static_cast<UINT>(ID_TOOL_FIRST));
    EXPECT_TRUE(items[static_cast<std::size_t>(fixed)].drawn);
    EXPECT_TRUE(items[items.size() - 3].separator);
    EXPECT_EQ(items[items.size() - 2].id, static_cast<UINT>(ID_TOOLS_ADD_TOOL));
    EXPECT_EQ(items.back().text, "Tools &Manager...");

    // Drawn items answer to their mnemonic.
    const LRESULT choice =
        ::SendMessageA(m_app->MainWindow(), WM_MENUCHAR, MAKEWPARAM('h', MF_POPUP), reinterpret_cast<LPARAM>(go));
    EXPECT_EQ(HIWORD(choice), MNC_EXECUTE);
    EXPECT_EQ(::GetMenuItemID(go, LOWORD(choice)), static_cast<UINT>(ID_TOOL_FIRST + tools - 1));

    // Without menu bitmaps the tools are plain text.
    Settings().SetSetting(Setting::MenuBitmaps, 0);
    items = OpenPopup(ID_GO_BACK, &go);
    EXPECT_FALSE(items[static_cast<std::size_t>(fixed)].drawn);
    EXPECT_EQ(items[static_cast<std::size_t>(fixed + tools - 1)].text, "&Hex Editor");
}

TEST_F(FrameMenus, TheFavoritesMenuEndsWithTheSpecialFoldersAndItsCommands)
{
    HMENU favorites = nullptr;
    const std::vector<Item> items = OpenPopup(ID_FAVORITES_DESKTOP, &favorites, 2);
    ASSERT_GE(items.size(), 4u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(ID_FAVORITES_DESKTOP));
    EXPECT_EQ(items[items.size() - 2].id, static_cast<UINT>(ID_FAVORITES_ADD));
    EXPECT_EQ(items.back().id, static_cast<UINT>(ID_FAVORITES_MANAGER));
    EXPECT_TRUE(items[items.size() - 3].separator);
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](const Item& i) { return i.id == ID_FAVORITES_DESKTOP; }),
              1);
}

TEST_F(FrameMenus, MenuItemsOfARangeShowTheRangesPrompt)
{
    HWND frame = m_app->MainWindow();
    ::SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(ID_TOOL_FIRST + 3, MF_STRING),
                   reinterpret_cast<LPARAM>(::GetMenu(frame)));
    ui::StatusBar& status = Frame().Status();
    EXPECT_TRUE(status.IsSimple());
    EXPECT_EQ(status.Text(ui::StatusBar::kSimplePane), "Runs the selected tool");
    ::SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_FALSE(status.IsSimple());
    ::SendMessageA(frame, WM_STATUS_PROMPT_MODE, 0, 0);
    EXPECT_TRUE(status.IsSimple());
    ::SendMessageA(frame, WM_STATUS_PROMPT_MODE, 1, 0);
    EXPECT_FALSE(status.IsSimple());
}

class FrameMinimize : public AppTest {
protected:
    void TearDown() override
    {
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
        ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        AppTest::TearDown();
    }
};

TEST_F(FrameMinimize, OnTheTaskbarOrIntoTheNotificationAreaAndBackWithAClick)
{
    HWND frame = m_app->MainWindow();
    // Without the tray setting the frame stays on the taskbar, and without
    // setting 74 at its usual priority.
    Settings().SetSetting(Setting::IdleWhenMinimized, 0);
    ::SendMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_TRUE(::IsIconic(frame));
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    ::SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsIconic(frame));

    Settings().SetSetting(Setting::IdleWhenMinimized, 1);
    Settings().SetSetting(Setting::MinimizeToTray, 1);
    Frame().ShowExplorerBar(false);
    ::SendMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(frame));
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_IDLE);

    // Moving the mouse over the icon does nothing; a click brings the frame back.
    ::SendMessageA(frame, WM_TRAY_NOTIFY, kTrayIconId, WM_MOUSEMOVE);
    EXPECT_FALSE(::IsWindowVisible(frame));
    ::SendMessageA(frame, WM_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_FALSE(::IsIconic(frame));
    // The frame comes back with its explorer bar.
    EXPECT_TRUE(Frame().ExplorerBarVisible());
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

}  // namespace
