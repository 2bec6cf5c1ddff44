// Core
#include "core/app/UserFiles.h"

// Tests
#include "core/app/TempFolder.h"

// Standard library
#include <fstream>

// Gtest
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

void MakeFile(const fs::path& path, const std::string& text = "x")
{
    std::ofstream(path) << text;
}

// A program directory with a user directory full of things, and a sibling
// that must survive everything.
class UserFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(m_user / "Sub" / "Deeper");
        MakeFile(m_user / "a.txt");
        MakeFile(m_user / "Sub" / "b.dat");
        MakeFile(m_user / "Sub" / "Deeper" / "c");
        fs::create_directories(m_user / "Empty");
        fs::create_directories(m_program / "Other");
        MakeFile(m_program / "Other" / "keep.txt");
        MakeFile(m_program / "Trailmark.exe");
        MakeFile(m_temp.Path() / "outside.txt");
    }

    bool ProgramIntact()
    {
        return fs::exists(m_program / "Other" / "keep.txt") &&
               fs::exists(m_program / "Trailmark.exe") && fs::exists(m_temp.Path() / "outside.txt");
    }

    TempFolder m_temp;
    const fs::path m_program = m_temp.Path() / "Prog";
    const fs::path m_user = m_program / "User1234";
    const std::string m_programName = m_program.string();
};

TEST_F(UserFilesTest, DeletesTheWholeTreeIncludingReadOnlyItems)
{
    fs::permissions(m_user / "Sub" / "b.dat", fs::perms::owner_read);
    fs::permissions(m_user / "a.txt", fs::perms::owner_read);
    EXPECT_TRUE(DeleteUserFiles(m_programName, "User1234"));
    EXPECT_FALSE(fs::exists(m_user));
    EXPECT_TRUE(ProgramIntact());
}

TEST(IsSafeDirName, AcceptsOnlyOneNameBelowTheProgramDirectory)
{
    struct Case {
        const char* name;
        bool safe;
    };
    const Case cases[] = {
        {"User1234", true}, {"My Profile", true}, {"a.b", true}, {".hidden", true},
        {"", false}, {".", false}, {"..", false}, {"...", false}, {"x.", false}, {"x ", false},
        {"..\\x", false}, {"a\\b", false}, {"a/b", false}, {"C:", false}, {"C:x", false},
        {"C:\\x", false}, {"\\x", false}, {"\\\\server\\share", false}, {"*", false},
        {"User?", false}, {"a|b", false}, {"NUL", false}, {"nul.txt", false}, {"COM1", false},
        {"lpt9.x", false}, {"CONSOLE", true}, {"COM", true}, {"tab\there", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSafeDirName(c.name), c.safe) << '"' << c.name << '"';
    EXPECT_FALSE(IsSafeDirName(std::string(256, 'a')));
    EXPECT_TRUE(IsSafeDirName(std::string(255, 'a')));
}

TEST_F(UserFilesTest, UnsafeNamesAMissingDirectoryOrAFileDeleteNothing)
{
    MakeFile(m_program / "User5555");
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("..."),
          std::string("..\\Prog"), std::string("../Prog"), std::string("User1234\\Sub"),
          std::string("User1234/Sub"), std::string("C:\\"), std::string("C:"), m_temp.Name(),
          std::string("\\"), std::string("User1234 "), std::string("User1234."),
          std::string("User9999"), std::string("User5555")}) {
        EXPECT_FALSE(DeleteUserFiles(m_programName, name)) << name;
    }
    EXPECT_FALSE(DeleteUserFiles("", "User1234"));
    EXPECT_TRUE(fs::exists(m_user / "Sub" / "Deeper" / "c"));
    EXPECT_TRUE(fs::exists(m_user / "a.txt"));
    EXPECT_TRUE(fs::exists(m_program / "User5555"));
    EXPECT_TRUE(ProgramIntact());
}

#ifndef _WIN32
// Links exist only natively here: Windows 95 and NT 4 know none.
TEST_F(UserFilesTest, LinksAreRemovedButNeverFollowed)
{
    // A user directory that is itself a link is refused whole.
    fs::create_directory_symlink(m_program / "Other", m_program / "User7777");
    EXPECT_FALSE(DeleteUserFiles(m_programName, "User7777"));
    EXPECT_TRUE(fs::is_symlink(m_program / "User7777"));

    fs::create_directory_symlink(m_program / "Other", m_user / "LinkToOther");
    fs::create_symlink(m_temp.Path() / "outside.txt", m_user / "LinkToFile");
    EXPECT_TRUE(DeleteUserFiles(m_programName, "User1234"));
    EXPECT_FALSE(fs::exists(m_user));
    EXPECT_TRUE(ProgramIntact());
}
#endif

}  // namespace
