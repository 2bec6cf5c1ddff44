// Core
#include "core/app/ObjectList.h"
#include "core/dialogs/RunHistory.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <set>
#include <string>
#include <vector>

namespace {

// A small file system: known folders, files and shell items, and a path that
// holds some programs.
struct FakeDisk {
    std::set<std::string> folders{"C:\\Temp", "C:\\Tools"};
    std::set<std::string> files{"C:\\Tools\\edit.exe", "C:\\boot.ini"};
    std::set<std::string> items{"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"};
    std::set<std::string> onPath{"notepad"};

    PathFacts Facts() const
    {
        PathFacts facts;
        facts.isDirectory = [this](const std::string& p) { return folders.count(p) > 0; };
        facts.exists = [this](const std::string& p) { return folders.count(p) > 0 || files.count(p) > 0; };
        facts.shellParses = [this](const std::string& p) { return folders.count(p) > 0 || items.count(p) > 0; };
        facts.searchPath = [this](const std::string& p) -> std::optional<std::string> {
            if (!onPath.count(p)) return std::nullopt;
            return "C:\\WINDOWS\\" + p + kProgramExtension;
        };
        return facts;
    }
};

class RunHistoryTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_history = std::make_unique<CObjectList>(
            Store(), [] { return std::make_unique<CTool>(); }, SectionId::Runs, 30);
    }
    void TearDown() override
    {
        m_history.reset();
        StoreTest::TearDown();
    }

    void Run(const std::string& command, const std::string& arguments = "")
    {
        AddToRunHistory(*m_history, BuildRunEntry(command, arguments, m_disk.Facts()));
    }

    std::vector<std::string> Commands() const
    {
        std::vector<std::string> commands;
        for (int i = 0; i < m_history->Count(); ++i)
            commands.push_back(static_cast<const CTool*>(m_history->At(i))->Command());
        return commands;
    }

    FakeDisk m_disk;
    std::unique_ptr<CObjectList> m_history;
};

TEST_P(RunHistoryTest, RunningTheSameCommandTwiceLeavesOneEntryAtTheTop)
{
    Run("C:\\Tools\\edit.exe");
    Run("C:\\Temp");
    Run("C:\\TOOLS\\EDIT.EXE", "x.txt");
    ASSERT_EQ(Commands(), (std::vector<std::string>{"C:\\TOOLS\\EDIT.EXE", "C:\\Temp"}));
    EXPECT_EQ(static_cast<const CTool*>(m_history->At(0))->Arguments(), "x.txt");
}

TEST_P(RunHistoryTest, TwentySixCommandsKeepTheNewestTwentyFive)
{
    for (int i = 0; i < 26; ++i) Run("C:\\Temp\\p" + std::to_string(i) + ".exe");
    ASSERT_EQ(m_history->Count(), kRunHistoryLimit);
    EXPECT_EQ(Commands().front(), "C:\\Temp\\p25.exe");
    EXPECT_EQ(Commands().back(), "C:\\Temp\\p1.exe");

    // What is stored and read back is the same order.
    m_history->SaveAll();
    m_history->LoadAll();
    EXPECT_EQ(Commands().front(), "C:\\Temp\\p25.exe");
    EXPECT_EQ(m_history->Count(), kRunHistoryLimit);
}

TEST_P(RunHistoryTest, ChoosingAnEntryMovesItToTheTopKeepingTheOthersInOrder)
{
    for (const char* c : {"a", "b", "c", "d"}) Run(c);
    MoveToTop(*m_history, 2);  // "b"
    EXPECT_EQ(Commands(), (std::vector<std::string>{"b", "d", "c", "a"}));
}

INSTANTIATE_FOR_EVERY_REGISTRY(RunHistoryTest);

TEST(BuildRunEntry, FoldersOpenInsideProgramsGoToTheShell)
{
    const FakeDisk disk;
    struct Case {
        const char* command;
        const char* name;
        const char* stored;
        std::uint8_t mode;
    };
    const Case cases[] = {
        {"C:\\Temp", "C:\\Temp", "C:\\Temp", 1},
        {"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
         "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 1},
        {"C:\\Tools\\edit.exe", "edit.exe", "C:\\Tools\\edit.exe", 0},
        {"notepad", "notepad.exe", "C:\\WINDOWS\\notepad.exe", 0},
        {"nowhere", "nowhere", "nowhere", 0},
        {"http://example.org/", "http://example.org/", "http://example.org/", 0},
    };
    for (const Case& c : cases) {
        const auto entry = BuildRunEntry(c.command, "-a", disk.Facts());
        EXPECT_EQ(entry->Name(), c.name) << c.command;
        EXPECT_EQ(entry->Command(), c.stored) << c.command;
        EXPECT_EQ(entry->OpenModeByte(), c.mode) << c.command;
        EXPECT_EQ(entry->Arguments(), "-a");
    }
}

TEST(CheckToolInput, FindsProgramsChecksTheFolderAndFillsBlanks)
{
    const FakeDisk disk;
    struct Case {
        ToolInput in;
        ToolCheck result;
        ToolInput out;
    };
    const Case cases[] = {
        // An empty initial directory becomes the program's folder.
        {{"", "  C:\\Tools\\edit.exe ", "", ""}, ToolCheck::Ok, {"edit.exe", "C:\\Tools\\edit.exe", "C:\\Tools", ""}},
        {{"Ed", "C:\\Tools\\edit.exe", " C:\\Temp ", "-x"}, ToolCheck::Ok, {"Ed", "C:\\Tools\\edit.exe", "C:\\Temp", "-x"}},
        {{"", "C:\\boot.ini", "", ""}, ToolCheck::Ok, {"boot.ini", "C:\\boot.ini", "C:\\", ""}},
        {{"", "notepad", "", ""}, ToolCheck::Ok, {"notepad.exe", "C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS", ""}},
        {{"", "C:\\Tools\\gone.exe", "", ""}, ToolCheck::InvalidPath, {}},
        {{"", "C:\\Tools\\edit.exe", "C:\\Nowhere", ""}, ToolCheck::InvalidDirectory, {}},
        // An address needs no folder and keeps whatever was typed there.
        {{"", "www.example.org", "x", ""}, ToolCheck::Ok, {"www.example.org", "www.example.org", "x", ""}},
    };
    for (const Case& c : cases) {
        ToolInput input = c.in;
        EXPECT_EQ(CheckToolInput(input, disk.Facts()), c.result) << c.in.command;
        if (c.result != ToolCheck::Ok) continue;
        EXPECT_EQ(input.name, c.out.name) << c.in.command;
        EXPECT_EQ(input.command, c.out.command) << c.in.command;
        EXPECT_EQ(input.directory, c.out.directory) << c.in.command;
        EXPECT_EQ(input.arguments, c.out.arguments) << c.in.command;
    }
    EXPECT_EQ(StoredDirectory("C:\\Tools"), "C:\\Tools");
    EXPECT_EQ(StoredDirectory("x"), "");
}

TEST(PlanToolLaunch, FoldersNeverPromptProgramsPromptWhenAsked)
{
    const FakeDisk disk;
    struct Case {
        const char* command;
        std::uint8_t mode;
        bool prompt;
        ToolLaunch launch;
    };
    const Case cases[] = {
        {"C:\\Temp", 1, true, ToolLaunch::OpenFolder},
        {"C:\\Temp", 0, true, ToolLaunch::Run},
        {"C:\\Tools\\edit.exe", 1, true, ToolLaunch::PromptThenRun},
        {"C:\\Tools\\edit.exe", 0, false, ToolLaunch::Run},
    };
    for (const Case& c : cases) {
        CTool tool;
        tool.SetCommand(c.command);
        tool.SetOpenModeByte(c.mode);
        tool.SetPromptForArguments(c.prompt);
        EXPECT_EQ(PlanToolLaunch(tool, disk.Facts()), c.launch) << c.command << int(c.mode);
    }
    EXPECT_EQ(ArgumentsAfterPrompt("-v", "file.txt"), "-v file.txt");
}

TEST(RunOpensFolder, KnownFoldersAndMissingNetworkPaths)
{
    EXPECT_TRUE(RunOpensFolder("C:\\Temp", true, true));
    EXPECT_TRUE(RunOpensFolder("\\\\server\\share", false, false));
    EXPECT_FALSE(RunOpensFolder("\\\\server\\share\\setup.exe", false, true));
    EXPECT_FALSE(RunOpensFolder("notepad", false, false));
}

TEST(PathText, FolderAndTitle)
{
    EXPECT_EQ(FolderOf("C:\\a\\b.exe"), "C:\\a");
    EXPECT_EQ(FolderOf("C:\\b.exe"), "C:\\");
    EXPECT_EQ(FolderOf("b.exe"), "");
    EXPECT_EQ(DisplayTitleOf("C:\\a\\b.exe"), "b.exe");
    EXPECT_EQ(TrimBlanks("  x y \t"), "x y");
    EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
