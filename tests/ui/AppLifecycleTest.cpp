// Core
#include "core/app/Settings.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <cstring>

// Gtest
#include <gtest/gtest.h>

namespace {

using uitest::ReadValue;
using uitest::RootPath;

std::int32_t Word(const std::vector<unsigned char>& block, int index)
{
    std::int32_t word = 0;
    std::memcpy(&word, &block[static_cast<std::size_t>(index) * 4], 4);
    return word;
}

// The keys under the root other than the shared "Users" and "System": the users'.
std::vector<std::string> UserKeys()
{
    platform::Registry& registry = platform::SystemRegistry();
    platform::RegHandle root = platform::kNoKey;
    std::vector<std::string> names;
    if (registry.OpenKey(platform::kHkeyCurrentUser, RootPath().c_str(), &root) != 0) return names;
    char name[300];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = sizeof(name);
        if (registry.EnumKey(root, i, name, &length) != 0) break;
        const std::string key(name, length);
        if (key != "Users" && key != "System") names.push_back(key);
    }
    registry.CloseKey(root);
    return names;
}

std::vector<std::string> TopMenuTexts(HWND frame)
{
    std::vector<std::string> texts;
    HMENU menu = ::GetMenu(frame);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

// The popup that holds the command as one of its own items.
HMENU PopupHolding(HMENU menu, UINT id)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (::GetMenuItemID(menu, i) == id) return menu;
        if (HMENU sub = ::GetSubMenu(menu, i))
            if (HMENU found = PopupHolding(sub, id)) return found;
    }
    return nullptr;
}

// Closes the frame the way the user does and runs the shutdown.
void CloseThroughTheFrame(CTrailmarkApp& app)
{
    HWND frame = app.MainWindow();
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    EXPECT_FALSE(::IsWindow(frame));
    app.ExitInstance();
}

class AppLifecycle : public testing::Test {
protected:
    void SetUp() override { uitest::WipeProgramKeys(); }
    void TearDown() override { uitest::WipeProgramKeys(); }
    uitest::MessageRecorder m_messages;
};

TEST_F(AppLifecycle, FirstStartWritesTheLayoutAndTheNextStartReadsItBack)
{
    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_TRUE(app.NewInstallation());
        EXPECT_TRUE(app.FreshProfile());
        HWND frame = app.MainWindow();
        char className[64] = "";
        ::GetClassNameA(frame, className, sizeof(className));
        EXPECT_STREQ(className, "Trailmark Class");
        EXPECT_TRUE(::IsWindowVisible(frame));
        EXPECT_TRUE(app.MainFrame()->MdiClient() != nullptr);
        EXPECT_FALSE(app.MainFrame()->IsStarting());
        // The icon carriers beside the program give their icons' places in the system list.
        for (IconFile file : {IconFile::Up, IconFile::App, IconFile::FolderShare, IconFile::OpenFolderShare,
                              IconFile::DriveShare})
            EXPECT_GE(app.IconIndex(file), 0) << static_cast<int>(file);
        const std::vector<std::string> menus = TopMenuTexts(frame);
        const auto helpAt = std::find(menus.begin(), menus.end(), "&Help");
        ASSERT_NE(helpAt, menus.end());
        EXPECT_GE(helpAt - menus.begin(), 8);
        // No help file beside the program: no help index, and no separator left on top.
        HMENU help = ::GetSubMenu(::GetMenu(frame), static_cast<int>(helpAt - menus.begin()));
        EXPECT_EQ(::GetMenuState(help, ID_HELP_FINDER, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_FALSE(::GetMenuState(help, 0, MF_BYPOSITION) & MF_SEPARATOR);
        app.Settings().SetSetting(Setting::ViewMode, 3);
        app.Settings().SetSetting(Setting::DefaultUser, 0);
        CloseThroughTheFrame(app);
    }

    EXPECT_EQ(RootPath(), "Software\\Norvane Software, Inc.\\Trailmark\\1.0.0.0");
    const std::vector<std::string> users = UserKeys();
    ASSERT_EQ(users.size(), 1u);
    const std::string system = RootPath() + "\\" + users[0] + "\\System";
    std::uint32_t type = 0;
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, system, "Startup Folder", &type),
              (std::vector<unsigned char>{'C', ':', '\\', 0}));
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, system, "WallPaper"), (std::vector<unsigned char>{0}));
    const std::vector<unsigned char> block = ReadValue(platform::kHkeyCurrentUser, system, "Properties", &type);
    ASSERT_EQ(block.size(), 800u);
    EXPECT_EQ(type, platform::kRegBinary);
    EXPECT_EQ(Word(block, Setting::ExplorerMode), 1);
    EXPECT_EQ(Word(block, Setting::MaxWindows), 15);
    EXPECT_EQ(Word(block, Setting::ViewMode), 3);
    for (const char* font : {"Tree Font", "Folder Font", "Old Font"}) {
        const std::vector<unsigned char> bytes = ReadValue(platform::kHkeyCurrentUser, system, font, &type);
        ASSERT_EQ(bytes.size(), 60u) << font;
        EXPECT_EQ(type, platform::kRegBinary);
        EXPECT_NE(bytes[28], 0) << font << ": the captured font has a face name";
    }
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, RootPath() + "\\System", "Default User", &type),
              (std::vector<unsigned char>{0, 0, 0, 0}));
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_TRUE(uitest::KeyExists(platform::kHkeyCurrentUser, RootPath() + "\\Users"));
    const std::string desktop = RootPath() + "\\" + users[0] + "\\Desktop";
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, desktop, "State", &type),
              (std::vector<unsigned char>{SW_SHOWMAXIMIZED, 0, 0, 0}));
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, desktop, "Rect", &type).size(), 16u);
    EXPECT_EQ(type, platform::kRegBinary);
    for (const char* section : {"Rules", "Desktop", "Criteria", "Tools", "Reports", "Favorites",
                                "Runs", "Find Types", "Toolbars", "Personal Folders"})
        EXPECT_TRUE(uitest::KeyExists(platform::kHkeyCurrentUser, RootPath() + "\\" + users[0] + "\\" + section))
            << section;
    // The starter objects of a fresh profile: five criteria, and the tools the
    // system has (Wine has Notepad and Regedit, no CD player).
    const std::string profile = RootPath() + "\\" + users[0];
    const std::vector<unsigned char> firstCriteria =
        ReadValue(platform::kHkeyCurrentUser, profile + "\\Criteria\\Object0", "Name");
    EXPECT_EQ(std::string(firstCriteria.begin(), firstCriteria.end()), std::string("Big Files", 10));
    EXPECT_TRUE(uitest::KeyExists(platform::kHkeyCurrentUser, profile + "\\Criteria\\Object4"));
    EXPECT_FALSE(uitest::KeyExists(platform::kHkeyCurrentUser, profile + "\\Criteria\\Object5"));
    const std::vector<unsigned char> tool0 = ReadValue(platform::kHkeyCurrentUser, profile + "\\Tools\\Object0", "Name");
    const std::vector<unsigned char> tool1 = ReadValue(platform::kHkeyCurrentUser, profile + "\\Tools\\Object1", "Name");
    EXPECT_EQ(std::string(tool0.begin(), tool0.end()), std::string("Notepad", 8));
    EXPECT_EQ(std::string(tool1.begin(), tool1.end()), std::string("Regedit", 8));
    EXPECT_FALSE(uitest::KeyExists(platform::kHkeyCurrentUser, profile + "\\Tools\\Object2"));
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, profile + "\\Tools\\Object0", "Open Mode"),
              (std::vector<unsigned char>{0}));
    const std::vector<unsigned char> command = ReadValue(platform::kHkeyCurrentUser, profile + "\\Tools\\Object0", "Command");
    std::string commandText(command.begin(), command.end());
    for (char& c : commandText) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(commandText.find("\\notepad.exe"), std::string::npos) << commandText;

    const std::vector<unsigned char> version =
        ReadValue(platform::kHkeyLocalMachine, RootPath(), "Version", &type);
    EXPECT_EQ(std::string(version.begin(), version.end()), std::string("1.0.0.0", 8));
    EXPECT_FALSE(ReadValue(platform::kHkeyLocalMachine, RootPath(), "Directory").empty());

    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_FALSE(app.NewInstallation());
        EXPECT_FALSE(app.FreshProfile());
        EXPECT_EQ(app.Settings().GetSetting(Setting::ViewMode), 3);
        EXPECT_FALSE(app.Settings().FontsMissing());
        CloseThroughTheFrame(app);
    }
    EXPECT_EQ(UserKeys().size(), 1u);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(AppLifecycle, OutOfRangeRefreshPeriodResetsThePerformanceSettings)
{
    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        app.Settings().SetSetting(Setting::FolderListRefreshMinutes, 100);
        app.Settings().SetSetting(Setting::IdleWhenMinimized, 0);
        app.Settings().SetSetting(Setting::RefreshOnAttributeChange, 1);
        app.Settings().SetSetting(Setting::RefreshOnTimeChange, 1);
        CloseThroughTheFrame(app);
    }
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    CSettingsStore& settings = app.Settings();
    EXPECT_EQ(settings.GetSetting(Setting::FolderListRefreshMinutes), 15);
    EXPECT_EQ(settings.GetSetting(Setting::IdleWhenMinimized), 1);
    EXPECT_EQ(settings.GetSetting(Setting::ReleaseMemoryWhenMinimized), 1);
    EXPECT_EQ(settings.GetSetting(Setting::RefreshOnAttributeChange), 0);
    EXPECT_EQ(settings.GetSetting(Setting::RefreshOnTimeChange), 0);
    EXPECT_EQ(settings.GetSetting(Setting::FastFind), 0);
    CloseThroughTheFrame(app);
}

TEST_F(AppLifecycle, FastFindStartsItsWorkerAndShutdownStopsIt)
{
    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.FastFindState(), nullptr);  // off by default
        app.Settings().SetSetting(Setting::FastFind, 1);
        CloseThroughTheFrame(app);
    }
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    const auto state = app.FastFindState();
    ASSERT_NE(state, nullptr);
    CloseThroughTheFrame(app);
    // Told to stop, or already done: it no longer counts as running.
    EXPECT_NE(state->load(), 0);
}

TEST_F(AppLifecycle, StartedMinimizedWithoutActivationTheFrameStaysMinimized)
{
    {
        CTrailmarkApp app;
        app.SetShowCommand(SW_SHOWMINNOACTIVE);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_TRUE(::IsIconic(app.MainWindow()));
        CloseThroughTheFrame(app);
    }

    CTrailmarkApp normal;
    ASSERT_TRUE(normal.InitInstance());
    EXPECT_FALSE(::IsIconic(normal.MainWindow()));
    EXPECT_TRUE(::IsZoomed(normal.MainWindow()));
    CloseThroughTheFrame(normal);
}

TEST_F(AppLifecycle, TheFrameComesBackWhereItWasLeft)
{
    RECT placed = {};
    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        ::ShowWindow(app.MainWindow(), SW_RESTORE);
        ::MoveWindow(app.MainWindow(), 40, 30, 500, 400, TRUE);
        ::GetWindowRect(app.MainWindow(), &placed);
        CloseThroughTheFrame(app);
    }
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_FALSE(::IsZoomed(app.MainWindow()));
    RECT now = {};
    ::GetWindowRect(app.MainWindow(), &now);
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    EXPECT_EQ(now.right - now.left, 500);
    EXPECT_EQ(now.bottom - now.top, 400);
    CloseThroughTheFrame(app);
}

TEST_F(AppLifecycle, TheFileMenuListsTheRecentFoldersUpToTheSetCount)
{
    {
        CRegistryKey recent(platform::SystemRegistry(), platform::kHkeyCurrentUser,
                            CSettingsStore::AppKeyPath() + "\\Recent File List");
        for (int i = 1; i <= 6; ++i)
            recent.WriteText(("File" + std::to_string(i)).c_str(), "C:\\Folder" + std::to_string(i));
    }
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    HMENU fileMenu = PopupHolding(::GetMenu(app.MainWindow()), ID_APP_EXIT);
    ::SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
    std::vector<std::string> entries;
    for (int i = 0; i < ::GetMenuItemCount(fileMenu); ++i) {
        const UINT id = ::GetMenuItemID(fileMenu, i);
        if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_LAST) continue;
        char text[MAX_PATH] = "";
        ::GetMenuStringA(fileMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        entries.push_back(text);
    }
    // Four entries by default.
    EXPECT_EQ(entries, (std::vector<std::string>{"&1 C:\\Folder1", "&2 C:\\Folder2",
                                                 "&3 C:\\Folder3", "&4 C:\\Folder4"}));
    CloseThroughTheFrame(app);
    // What was not shown is not kept either.
    EXPECT_TRUE(ReadValue(platform::kHkeyCurrentUser,
                          CSettingsStore::AppKeyPath() + "\\Recent File List", "File5").empty());
}

TEST_F(AppLifecycle, TheSplashEndsOnceOnItsTimer)
{
    {
        CTrailmarkApp app;
        ASSERT_TRUE(app.InitInstance());
        app.Settings().SetSetting(Setting::ShowSplash, 1);
        CloseThroughTheFrame(app);
    }
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    HWND splash = ::FindWindowExA(nullptr, nullptr, MAKEINTATOM(32770), nullptr);
    bool found = false;
    for (; splash; splash = ::FindWindowExA(nullptr, splash, MAKEINTATOM(32770), nullptr))
        if (::GetWindow(splash, GW_OWNER) == app.MainWindow()) found = true;
    EXPECT_TRUE(found);
    // The timer ends the splash; a click afterwards changes nothing.
    ::SendMessageA(app.MainWindow(), WM_TIMER, kSplashTimerId, 0);
    app.OnSplashDone();
    bool stillThere = false;
    for (splash = ::FindWindowExA(nullptr, nullptr, MAKEINTATOM(32770), nullptr); splash;
         splash = ::FindWindowExA(nullptr, splash, MAKEINTATOM(32770), nullptr))
        if (::GetWindow(splash, GW_OWNER) == app.MainWindow()) stillThere = true;
    EXPECT_FALSE(stillThere);
    CloseThroughTheFrame(app);
}

TEST_F(AppLifecycle, ViewCommandsSetTheirSettingsAndCheckTheirItems)
{
    CTrailmarkApp app;
    ASSERT_TRUE(app.InitInstance());
    ::SendMessageA(app.MainWindow(), WM_COMMAND, ID_VIEW_LIST, 0);
    EXPECT_EQ(app.Settings().GetSetting(Setting::ViewMode), 2);
    ::SendMessageA(app.MainWindow(), WM_COMMAND, ID_VIEW_ARRANGE_BYDATE, 0);
    EXPECT_EQ(app.Settings().GetSetting(Setting::Arrangement), 5);
    const int addressBar = app.Settings().GetSetting(Setting::ShowAddressBar);
    ::SendMessageA(app.MainWindow(), WM_COMMAND, ID_VIEW_ADDRESS_BAR, 0);
    EXPECT_EQ(app.Settings().GetSetting(Setting::ShowAddressBar), !addressBar);

    // Opening the menu that holds the view modes checks the current one.
    HMENU viewMenu = PopupHolding(::GetMenu(app.MainWindow()), ID_VIEW_LIST);
    ASSERT_NE(viewMenu, nullptr);
    ::SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewMenu), 0);
    EXPECT_TRUE(::GetMenuState(viewMenu, ID_VIEW_LIST, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(viewMenu, ID_VIEW_DETAILS, MF_BYCOMMAND) & MF_CHECKED);

    // The status bar can be hidden and shown again; its item says which.
    HWND statusBar = app.MainFrame()->Status();
    HMENU statusMenu = PopupHolding(::GetMenu(app.MainWindow()), ID_VIEW_STATUS_BAR);
    ASSERT_NE(statusMenu, nullptr);
    ::SendMessageA(app.MainWindow(), WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(::IsWindowVisible(statusBar));
    ::SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(statusMenu), 0);
    EXPECT_FALSE(::GetMenuState(statusMenu, ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED);
    ::SendMessageA(app.MainWindow(), WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_TRUE(::IsWindowVisible(statusBar));
    CloseThroughTheFrame(app);
}

}  // namespace
