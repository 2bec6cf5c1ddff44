// Starts that go wrong and sessions that end: a command line that names no
// folder, a start that fails once the profile is open, a logoff, and the
// random names of new profiles.

// Core
#include "core/app/Random.h"
#include "core/app/RecentFileList.h"

// Tests
#include "ui/FolderTestSupport.h"

// Standard library
#include <cstdlib>

namespace {

using namespace uitest;

class StartAndSession : public AppNotStartedTest {};

// The arguments the program sees while the object lives.
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> arguments) : m_arguments(std::move(arguments))
    {
        for (std::string& argument : m_arguments) m_pointers.push_back(&argument[0]);
        m_pointers.push_back(nullptr);
        m_savedCount = __argc;
        m_savedArguments = __argv;
        __argc = static_cast<int>(m_arguments.size());
        __argv = m_pointers.data();
    }
    ~CommandLine()
    {
        __argc = m_savedCount;
        __argv = m_savedArguments;
    }
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
    int m_savedCount = 0;
    char** m_savedArguments = nullptr;
};

std::string OpenFailedText(const std::string& path)
{
    return ui::LoadString(IDS_OPEN_FOLDER_FAILED) + "'" + path + "'" + ui::LoadString(IDS_OPEN_FOLDER_FAILED_END);
}

TEST_F(StartAndSession, ACommandLineThatNamesNoFolderIsToldAndTheProgramStarts)
{
    TempDir folder;
    folder.File("note.txt");
    {
        CommandLine arguments({"Trailmark.exe", folder.Path("note.txt")});
        StartApp();
    }
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{OpenFailedText(folder.Path("note.txt"))}));
    EXPECT_TRUE(::IsWindowVisible(m_app->MainWindow()));

    // A folder named so opens in its window, without a word.
    CloseApp();
    m_messages.Clear();
    {
        CommandLine arguments({"Trailmark.exe", folder.Path()});
        StartApp();
    }
    EXPECT_TRUE(m_messages.texts.empty());
    EXPECT_NE(CWindowList::Instance().FindOpenWindow(folder.Path(), WindowKind::Folder), nullptr);
}

// Refuses to create the program's frame, as a system out of resources would.
class FrameRefusal {
public:
    FrameRefusal() { s_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId()); }
    ~FrameRefusal() { ::UnhookWindowsHookEx(s_hook); }
    FrameRefusal(const FrameRefusal&) = delete;
    FrameRefusal& operator=(const FrameRefusal&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            char name[64] = "";
            ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
            if (std::string(name) == ui::LoadString(IDS_APP_TITLE) + " Class") return 1;
        }
        return ::CallNextHookEx(s_hook, code, wParam, lParam);
    }
    inline static HHOOK s_hook = nullptr;
};

TEST_F(StartAndSession, AStartThatFailsAfterTheProfileOpenedRewritesNoList)
{
    m_dirs = PlantUsers({{"Anna", "", true, true}});
    ASSERT_EQ(m_dirs.size(), 1u);
    // Lists as an older version left them: a gap in the numbering, which a
    // save would close up.
    const std::string users = RootPath() + "\\Users";
    const std::string tools = UserKeyPath(m_dirs[0]) + "\\Tools";
    for (const std::string& key : {users + "\\Object3", tools + "\\Object0", tools + "\\Object2"}) {
        CRegistryKey record(platform::SystemRegistry(), platform::kHkeyCurrentUser, key);
        record.WriteText("Name", "Kept");
    }
    {
        FrameRefusal refusal;
        CTrailmarkApp app;
        EXPECT_FALSE(app.InitInstance());
    }
    EXPECT_TRUE(KeyExists(platform::kHkeyCurrentUser, users + "\\Object3"));
    EXPECT_FALSE(KeyExists(platform::kHkeyCurrentUser, users + "\\Object1"));
    EXPECT_TRUE(KeyExists(platform::kHkeyCurrentUser, tools + "\\Object2"));
    EXPECT_FALSE(KeyExists(platform::kHkeyCurrentUser, tools + "\\Object1"));
}

TEST_F(StartAndSession, ALogoffSavesWhatClosingWouldBeforeTheProcessIsEnded)
{
    StartApp();
    ASSERT_TRUE(Frame().ApplyWindowMode(0));
    TempDir folder;
    auto* window = dynamic_cast<CExplorerWindow*>(
        CWindowList::Instance().OpenWindow(folder.Path(), WindowKind::Folder, nullptr, 0));
    ASSERT_NE(window, nullptr);
    WaitIdle(*window);
    Settings().SetSetting(Setting::ViewMode, 2);
    m_app->RecentFiles().Add("C:\\Visited");
    m_app->Users()->UserAt(0)->SetName("Renamed");

    HWND frame = m_app->MainWindow();
    EXPECT_TRUE(::SendMessageA(frame, WM_QUERYENDSESSION, 0, 0));
    ::SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
    // The system ends the process: nothing of ExitInstance runs.
    m_app.reset();

    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Renamed"}));
    EXPECT_EQ(ReadText(CSettingsStore::AppKeyPath() + "\\Recent File List", "File1"), "C:\\Visited");
    StartApp();
    EXPECT_EQ(Settings().GetSetting(Setting::ViewMode), 2);
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerMode), 0);
    EXPECT_NE(CWindowList::Instance().FindOpenWindow(folder.Path(), WindowKind::Folder), nullptr)
        << "the desktop was saved";
}

TEST_F(StartAndSession, TheApplicationSeedsTheRandomNamesOfNewProfiles)
{
    StartApp();
    EXPECT_TRUE(RandomSeeded());
    const std::string dir = m_app->Users()->GetCurrentUser()->DirName();
    ASSERT_EQ(dir.size(), 8u);
    EXPECT_EQ(dir.substr(0, 4), "User");
}

}  // namespace
