// The application's start and shutdown: what a first start stores, what the
// next start reads back, and the frame's own menus and settings.

// Core
#include "core/search/SearchSink.h"

// Tests
#include "ui/UiTestSupport.h"

// After the frame's headers: the shell's headers declare a global "Folder".
#include "ui/folders/Shell.h"

// Standard library
#include <cctype>

namespace {

using namespace uitest;

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

// The texts of a popup's items whose ids lie in [first, last].
std::vector<std::string> ItemTexts(HMENU menu, UINT first, UINT last)
{
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id < first || id > last) continue;
        char text[MAX_PATH] = "";
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

bool OwnsASplash(HWND frame)
{
    for (HWND dialog = ::FindWindowExA(nullptr, nullptr, MAKEINTATOM(32770), nullptr); dialog;
         dialog = ::FindWindowExA(nullptr, dialog, MAKEINTATOM(32770), nullptr))
        if (::GetWindow(dialog, GW_OWNER) == frame) return true;
    return false;
}

class AppLifecycle : public AppNotStartedTest {};

TEST_F(AppLifecycle, FirstStartWritesTheLayoutAndTheNextStartReadsItBack)
{
    StartApp();
    EXPECT_TRUE(m_app->NewInstallation());
    EXPECT_TRUE(m_app->FreshProfile());
    HWND frame = m_app->MainWindow();
    char className[64] = "";
    ::GetClassNameA(frame, className, sizeof(className));
    EXPECT_STREQ(className, "Trailmark Class");
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_TRUE(Frame().MdiClient() != nullptr);
    EXPECT_FALSE(Frame().IsStarting());
    // The icon carriers beside the program give their icons' places in the
    // system list; a shell that only knows the icon all programs share (as
    // Wine's does) gives none, and the views draw their own.
    const int anyProgram = shell::ExecutableIcon();
    for (IconFile file : {IconFile::Up, IconFile::App, IconFile::FolderShare, IconFile::OpenFolderShare,
                          IconFile::DriveShare}) {
        const int index = m_app->IconIndex(file);
        EXPECT_TRUE(index == -1 || (index >= 0 && index != anyProgram)) << static_cast<int>(file) << ": " << index;
    }
    HMENU bar = ::GetMenu(frame);
    const std::vector<std::string> menus = ItemTexts(bar, 0, static_cast<UINT>(-1));
    const auto helpAt = std::find(menus.begin(), menus.end(), "&Help");
    ASSERT_NE(helpAt, menus.end());
    EXPECT_GE(helpAt - menus.begin(), 8);
    // No help file beside the program: no help index, and no separator left on top.
    HMENU help = ::GetSubMenu(bar, static_cast<int>(helpAt - menus.begin()));
    EXPECT_FALSE(HasCommand(help, ID_HELP_FINDER));
    EXPECT_FALSE(::GetMenuState(help, 0, MF_BYPOSITION) & MF_SEPARATOR);
    Settings().SetSetting(Setting::ViewMode, 3);
    Settings().SetSetting(Setting::DefaultUser, 0);
    CloseApp();

    EXPECT_EQ(RootPath(), "Software\\Norvane Software, Inc.\\Trailmark\\1.0.0.0");
    const std::vector<std::string> users = UserKeys();
    ASSERT_EQ(users.size(), 1u);
    const std::string profile = RootPath() + "\\" + users[0];
    const std::string system = profile + "\\System";
    const platform::RegHandle user = platform::kHkeyCurrentUser;
    // The store's own test covers the defaults it writes; here the profile
    // must hold what this run changed and the fonts taken from the system.
    std::uint32_t type = 0;
    const std::vector<unsigned char> block = ReadValue(user, system, "Properties");
    ASSERT_EQ(block.size(), 800u);
    std::int32_t viewMode = 0;
    std::memcpy(&viewMode, &block[Setting::ViewMode * 4], 4);
    EXPECT_EQ(viewMode, 3);
    for (const char* font : {"Tree Font", "Folder Font", "Old Font"}) {
        const std::vector<unsigned char> bytes = ReadValue(user, system, font);
        ASSERT_EQ(bytes.size(), 60u) << font;
        EXPECT_NE(bytes[28], 0) << font << ": the captured font has a face name";
    }
    EXPECT_EQ(ReadValue(user, profile + "\\Desktop", "State", &type),
              (std::vector<unsigned char>{SW_SHOWMAXIMIZED, 0, 0, 0}));
    EXPECT_EQ(type, platform::kRegNone);
    for (const char* section : {"Rules", "Desktop", "Criteria", "Tools", "Reports", "Favorites", "Runs",
                                "Find Types", "Toolbars", "Personal Folders"})
        EXPECT_TRUE(KeyExists(user, profile + "\\" + section)) << section;
    // The starter objects of a fresh profile: five criteria, and the tools the
    // system has (Wine has Notepad and Regedit, no CD player).
    EXPECT_EQ(ReadText(profile + "\\Criteria\\Object0", "Name"), "Big Files");
    EXPECT_TRUE(KeyExists(user, profile + "\\Criteria\\Object4"));
    EXPECT_FALSE(KeyExists(user, profile + "\\Criteria\\Object5"));
    EXPECT_EQ(ReadText(profile + "\\Tools\\Object0", "Name"), "Notepad");
    EXPECT_EQ(ReadText(profile + "\\Tools\\Object1", "Name"), "Regedit");
    EXPECT_FALSE(KeyExists(user, profile + "\\Tools\\Object2"));
    EXPECT_EQ(ReadValue(user, profile + "\\Tools\\Object0", "Open Mode"), (std::vector<unsigned char>{0}));
    std::string command = ReadText(profile + "\\Tools\\Object0", "Command");
    for (char& c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(command.find("\\notepad.exe"), std::string::npos) << command;
    const std::vector<unsigned char> version = ReadValue(platform::kHkeyLocalMachine, RootPath(), "Version");
    EXPECT_EQ(std::string(version.begin(), version.end()), std::string("1.0.0.0", 8));
    EXPECT_FALSE(ReadValue(platform::kHkeyLocalMachine, RootPath(), "Directory").empty());

    StartApp();
    EXPECT_FALSE(m_app->NewInstallation());
    EXPECT_FALSE(m_app->FreshProfile());
    EXPECT_EQ(Settings().GetSetting(Setting::ViewMode), 3);
    EXPECT_FALSE(Settings().FontsMissing());
    CloseApp();
    EXPECT_EQ(UserKeys().size(), 1u);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(AppLifecycle, OutOfRangeRefreshPeriodResetsThePerformanceSettings)
{
    StartApp();
    Settings().SetSetting(Setting::FolderListRefreshMinutes, 100);
    Settings().SetSetting(Setting::IdleWhenMinimized, 0);
    Settings().SetSetting(Setting::RefreshOnAttributeChange, 1);
    Settings().SetSetting(Setting::RefreshOnTimeChange, 1);
    Settings().SetSetting(Setting::FastFind, 1);
    Restart();
    EXPECT_EQ(Settings().GetSetting(Setting::FolderListRefreshMinutes), 15);
    EXPECT_EQ(Settings().GetSetting(Setting::IdleWhenMinimized), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::ReleaseMemoryWhenMinimized), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::RefreshOnAttributeChange), 0);
    EXPECT_EQ(Settings().GetSetting(Setting::RefreshOnTimeChange), 0);
    EXPECT_EQ(Settings().GetSetting(Setting::FastFind), 0);
    EXPECT_EQ(m_app->FastFindState(), nullptr);
}

TEST_F(AppLifecycle, TheNextStartPlacesTheFrameAsLeftShowsTheSplashAndRunsFastFind)
{
    StartApp();
    EXPECT_EQ(m_app->FastFindState(), nullptr) << "off by default";
    Settings().SetSetting(Setting::FastFind, 1);
    Settings().SetSetting(Setting::ShowSplash, 1);
    ::ShowWindow(m_app->MainWindow(), SW_RESTORE);
    ::MoveWindow(m_app->MainWindow(), 40, 30, 500, 400, TRUE);
    RECT placed = {};
    ::GetWindowRect(m_app->MainWindow(), &placed);
    Restart();

    EXPECT_FALSE(::IsZoomed(m_app->MainWindow()));
    RECT now = {};
    ::GetWindowRect(m_app->MainWindow(), &now);
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    EXPECT_EQ(now.right - now.left, 500);
    EXPECT_EQ(now.bottom - now.top, 400);

    // The timer ends the splash; a click afterwards changes nothing.
    EXPECT_TRUE(OwnsASplash(m_app->MainWindow()));
    ::SendMessageA(m_app->MainWindow(), WM_TIMER, kSplashTimerId, 0);
    m_app->OnSplashDone();
    EXPECT_FALSE(OwnsASplash(m_app->MainWindow()));

    const auto state = m_app->FastFindState();
    ASSERT_NE(state, nullptr);
    CloseApp();
    // The walk wrote the process-wide folder table: the shutdown waits for its end.
    EXPECT_EQ(state->load(), WorkState::Finished);
}

TEST_F(AppLifecycle, StartedMinimizedWithoutActivationTheFrameStaysMinimized)
{
    m_app = std::make_unique<CTrailmarkApp>();
    m_app->SetShowCommand(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(m_app->InitInstance());
    EXPECT_TRUE(::IsIconic(m_app->MainWindow()));
    Restart();
    EXPECT_FALSE(::IsIconic(m_app->MainWindow()));
    EXPECT_TRUE(::IsZoomed(m_app->MainWindow()));
}

TEST_F(AppLifecycle, TheFileMenuListsTheRecentFoldersUpToTheSetCount)
{
    {
        CRegistryKey recent(platform::SystemRegistry(), platform::kHkeyCurrentUser,
                            CSettingsStore::AppKeyPath() + "\\Recent File List");
        for (int i = 1; i <= 6; ++i)
            recent.WriteText(("File" + std::to_string(i)).c_str(), "C:\\Folder" + std::to_string(i));
    }
    StartApp();
    HMENU fileMenu = PopupHolding(::GetMenu(m_app->MainWindow()), ID_APP_EXIT);
    ::SendMessageA(m_app->MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
    // Four entries by default.
    EXPECT_EQ(ItemTexts(fileMenu, ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST),
              (std::vector<std::string>{"&1 C:\\Folder1", "&2 C:\\Folder2", "&3 C:\\Folder3", "&4 C:\\Folder4"}));
    CloseApp();
    // What was not shown is not kept either.
    EXPECT_EQ(ReadText(CSettingsStore::AppKeyPath() + "\\Recent File List", "File5"), "");
}

TEST_F(AppLifecycle, ViewCommandsSetTheirSettingsAndCheckTheirItems)
{
    StartApp();
    Command(ID_VIEW_LIST);
    EXPECT_EQ(Settings().GetSetting(Setting::ViewMode), 2);
    Command(ID_VIEW_ARRANGE_BYDATE);
    EXPECT_EQ(Settings().GetSetting(Setting::Arrangement), 5);
    const int addressBar = Settings().GetSetting(Setting::ShowAddressBar);
    Command(ID_VIEW_ADDRESS_BAR);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowAddressBar), !addressBar);

    // Opening the menu that holds the view modes checks the current one.
    HMENU viewMenu = PopupHolding(::GetMenu(m_app->MainWindow()), ID_VIEW_LIST);
    ASSERT_NE(viewMenu, nullptr);
    ::SendMessageA(m_app->MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewMenu), 0);
    EXPECT_TRUE(IsChecked(viewMenu, ID_VIEW_LIST));
    EXPECT_FALSE(IsChecked(viewMenu, ID_VIEW_DETAILS));

    // The status bar can be hidden and shown again; its item says which.
    HWND statusBar = Frame().Status();
    HMENU statusMenu = PopupHolding(::GetMenu(m_app->MainWindow()), ID_VIEW_STATUS_BAR);
    ASSERT_NE(statusMenu, nullptr);
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(::IsWindowVisible(statusBar));
    ::SendMessageA(m_app->MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(statusMenu), 0);
    EXPECT_FALSE(IsChecked(statusMenu, ID_VIEW_STATUS_BAR));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(::IsWindowVisible(statusBar));
}

}  // namespace
