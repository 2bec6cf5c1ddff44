// Core
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/app/Tool.h"

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

class FrameMenus : public testing::Test {
protected:
    void SetUp() override
    {
        uitest::WipeProgramKeys();
        ASSERT_TRUE(m_app.InitInstance());
        m_frame = m_app.MainWindow();
        HMENU bar = ::GetMenu(m_frame);
        for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
            HMENU popup = ::GetSubMenu(bar, i);
            if (::GetMenuState(popup, ID_GO_BACK, MF_BYCOMMAND) != static_cast<UINT>(-1)) m_go = popup;
            if (::GetMenuState(popup, ID_FAVORITES_DESKTOP, MF_BYCOMMAND) != static_cast<UINT>(-1)) m_favorites = popup;
        }
    }
    void TearDown() override
    {
        ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
        m_app.RunMessageLoop();
        m_app.ExitInstance();
        uitest::WipeProgramKeys();
    }
    void Open(HMENU menu) { ::SendMessageA(m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0); }

    uitest::MessageRecorder m_messages;
    CTrailmarkApp m_app;
    HWND m_frame = nullptr;
    HMENU m_go = nullptr;
    HMENU m_favorites = nullptr;
};

TEST_F(FrameMenus, TheGoMenuListsTheToolsOnceWithTheirIcons)
{
    ASSERT_NE(m_go, nullptr);
    const int fixed = ::GetMenuItemCount(m_go);
    auto tool = std::make_unique<CTool>();
    tool->SetName("&Hex Editor");
    tool->SetCommand("www.example.com");
    m_app.Tools()->Add(std::move(tool));
    const int tools = m_app.Tools()->Count();  // the starter tools and ours
    ASSERT_GE(tools, 1);

    Open(m_go);
    Open(m_go);  // opening again rebuilds, it does not add
    std::vector<Item> items = Items(m_go);
    ASSERT_EQ(static_cast<int>(items.size()), fixed + tools + 1 + 2);
    EXPECT_EQ(items[static_cast<std::size_t>(fixed)].id, static_cast<UINT>(ID_TOOL_FIRST));
    EXPECT_TRUE(items[static_cast<std::size_t>(fixed)].drawn);
    EXPECT_TRUE(items[items.size() - 3].separator);
    EXPECT_EQ(items[items.size() - 2].id, static_cast<UINT>(ID_TOOLS_ADD_TOOL));
    EXPECT_EQ(items.back().text, "Tools &Manager...");

    // Drawn items answer to their mnemonic.
    const LRESULT choice = ::SendMessageA(m_frame, WM_MENUCHAR, MAKEWPARAM('h', MF_POPUP),
                                          reinterpret_cast<LPARAM>(m_go));
    EXPECT_EQ(HIWORD(choice), MNC_EXECUTE);
    EXPECT_EQ(::GetMenuItemID(m_go, LOWORD(choice)), static_cast<UINT>(ID_TOOL_FIRST + tools - 1));

    // Without menu bitmaps the tools are plain text.
    m_app.Settings().SetSetting(Setting::MenuBitmaps, 0);
    Open(m_go);
    items = Items(m_go);
    EXPECT_FALSE(items[static_cast<std::size_t>(fixed)].drawn);
    EXPECT_EQ(items[static_cast<std::size_t>(fixed + tools - 1)].text, "&Hex Editor");
}

TEST_F(FrameMenus, TheFavoritesMenuEndsWithTheSpecialFoldersAndItsCommands)
{
    ASSERT_NE(m_favorites, nullptr);
    Open(m_favorites);
    Open(m_favorites);
    std::vector<Item> items = Items(m_favorites);
    ASSERT_GE(items.size(), 4u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(ID_FAVORITES_DESKTOP));
    EXPECT_EQ(items[items.size() - 2].id, static_cast<UINT>(ID_FAVORITES_ADD));
    EXPECT_EQ(items.back().id, static_cast<UINT>(ID_FAVORITES_MANAGER));
    EXPECT_TRUE(items[items.size() - 3].separator);
    int desktops = 0;
    for (const Item& item : items) desktops += item.id == ID_FAVORITES_DESKTOP;
    EXPECT_EQ(desktops, 1);
}

}  // namespace
