// Core
#include "core/app/PasswordTable.h"
#include "core/app/Random.h"
#include "core/app/UniqueFileName.h"
#include "core/app/User.h"
#include "core/app/UserList.h"

// Tests
#include "core/app/StoreFixture.h"
#include "core/app/TempFolder.h"

// Standard library
#include <cctype>
#include <fstream>
#include <tuple>

namespace {

namespace fs = std::filesystem;
TEST(PasswordTable, IsItsOwnInverseAndMovesTheFourBands)
{
    const auto& table = PasswordTable();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(table[table[static_cast<std::size_t>(b)]], b) << b;
    struct Case {
        int from;
        int to;
    };
    const Case cases[] = {{0, 150},   {49, 199}, {50, 100}, {99, 149}, {100, 50}, {149, 99},
                          {150, 0},   {199, 49}, {200, 200}, {255, 255}, {'2', 'd'}};
    for (const Case& c : cases) EXPECT_EQ(table[static_cast<std::size_t>(c.from)], c.to) << c.from;

    std::string every;
    for (int b = 1; b < 256; ++b)
        if (b != 150) every += static_cast<char>(b);
    EXPECT_EQ(ScramblePassword(ScramblePassword(every)), every);
    EXPECT_EQ(ScramblePassword("2"), "d");
}

TEST(UserPassword, CheckPasswordIsExactOnlyWhenUsed)
{
    CUser user;
    user.SetPassword("Secret");
    EXPECT_TRUE(user.CheckPassword("anything"));
    EXPECT_TRUE(user.CheckPassword(""));
    user.SetUsesPassword(true);
    EXPECT_TRUE(user.CheckPassword("Secret"));
    EXPECT_FALSE(user.CheckPassword("secret"));
    EXPECT_FALSE(user.CheckPassword("Secret "));
    EXPECT_FALSE(user.CheckPassword(""));
}

TEST(UniqueFileName, DrawsDigitsUntilTheNameIsFreeAndGivesUp)
{
    TempFolder folder;
    SeedRandom(1234);
    std::optional<std::string> first = MakeUniqueFileName(folder.Name(), "User", "");
    ASSERT_TRUE(first);
    ASSERT_EQ(first->size(), 8u);
    EXPECT_EQ(first->substr(0, 4), "User");
    for (char c : first->substr(4)) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)));

    // The same seed draws the same name; once it is taken the next draw follows.
    fs::create_directory(folder.Path() / *first);
    SeedRandom(1234);
    std::optional<std::string> second = MakeUniqueFileName(folder.Name(), "User", "");
    ASSERT_TRUE(second);
    EXPECT_NE(*second, *first);

    std::optional<std::string> file = MakeUniqueFileName(folder.Name(), "Per", "dat");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 12u);
    EXPECT_EQ(file->substr(8), ".dat");

    // No room for digits: the one candidate is taken, so the draw gives up.
    std::ofstream(folder.Path() / "LongBase") << "x";
    EXPECT_FALSE(MakeUniqueFileName(folder.Name(), "LongBase", ""));
    EXPECT_EQ(MakeUniqueFileName(folder.Name(), "LongBase99", ""), std::string("LongBase99"));
    EXPECT_EQ(MakeUniqueFileName(folder.Name(), "LongBase", "x"), std::string("LongBase.x"));
}

TEST(UniqueFileName, OnlyTheFirstSeedOfTheProcessCounts)
{
    TempFolder folder;
    SeedRandom(77);
    const std::optional<std::string> seeded = MakeUniqueFileName(folder.Name(), "User", "");
    SeedRandom(77);
    SeedRandomOnce(78);
    EXPECT_TRUE(RandomSeeded());
    EXPECT_EQ(MakeUniqueFileName(folder.Name(), "User", ""), seeded);
}

class UserTest : public StoreTest {
protected:
    const std::string m_users = SectionPath("Users");

    static std::unique_ptr<CUser> NamedUser(const std::string& name)
    {
        auto user = std::make_unique<CUser>();
        user->SetName(name);
        return user;
    }
    // Name, password, directory, admin, uses password.
    static auto Fields(const CUser& u)
    {
        return std::make_tuple(u.Name(), u.Password(), u.DirName(), u.IsAdmin(), u.UsesPassword());
    }
};

TEST_P(UserTest, TheRecordRoundTripsWithAScrambledPassword)
{
    CUser user;
    user.SetName("Ann");
    user.SetPassword("p2ss");
    user.SetDirName("User4172");
    user.SetAdmin(true);
    user.SetUsesPassword(true);
    user.SetCurrent(true);
    // The section named does not matter: users live under "Users".
    user.SaveTo(Store(), "Object0", SectionId::Rules);
    EXPECT_FALSE(Exists(SectionPath("Rules") + "\\Object0"));
    const std::string record = m_users + "\\Object0";
    std::uint32_t type = 99;
    EXPECT_EQ(ReadRaw(record, "Password", &type), (Bytes{'p' - 50, 'd', 's' - 50, 's' - 50, 0}));
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(ReadRaw(record, "Dir Name"), (Bytes{'U', 's', 'e', 'r', '4', '1', '7', '2', 0}));
    EXPECT_EQ(ReadRaw(record, "Admin", &type), Bytes{1});
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_EQ(ReadRaw(record, "Use Password"), Bytes{1});
    EXPECT_FALSE(HasValue(record, "Current"));
    EXPECT_EQ(user.Password(), "p2ss");

    CUser loaded;
    loaded.LoadFrom(Store(), "Object0", SectionId::Tools);
    EXPECT_EQ(Fields(loaded), std::make_tuple("Ann", "p2ss", "User4172", true, true));
    EXPECT_FALSE(loaded.IsCurrent());
}

TEST_P(UserTest, AnEmptyPasswordIsStoredAsTheScrambledFillWord)
{
    for (const char* password : {"", kPasswordFillWord}) {
        CUser user;
        if (*password) user.SetPassword(password);
        user.SaveTo(Store(), "Object0", SectionId::Users);
        EXPECT_EQ(ReadRawText(m_users + "\\Object0", "Password"),
                  ScramblePassword(kPasswordFillWord) + std::string(1, '\0'));
        CUser loaded;
        loaded.SetPassword("old");
        loaded.LoadFrom(Store(), "Object0", SectionId::Users);
        EXPECT_EQ(loaded.Password(), "");
        EXPECT_EQ(loaded.GetPlainPassword(), "");
    }
}

TEST_P(UserTest, APasswordWithByte150ReadsBackWhole)
{
    // Without the byte the text form stays, as earlier versions read it.
    for (const std::string& password : {std::string("a\x96z"), std::string("\x96"), std::string("end\x96"),
                                         std::string("\x96\x96x"), std::string("\x95\x97\xFF")}) {
        const bool binary = password.find('\x96') != std::string::npos;
        CUser user;
        user.SetPassword(password);
        user.SaveTo(Store(), "Object0", SectionId::Users);
        std::uint32_t type = 0;
        const Bytes stored = ReadRaw(m_users + "\\Object0", "Password", &type);
        EXPECT_EQ(type, binary ? platform::kRegBinary : platform::kRegSz);
        EXPECT_EQ(stored.size(), password.size() + (binary ? 0 : 1));
        CUser loaded;
        loaded.LoadFrom(Store(), "Object0", SectionId::Users);
        EXPECT_EQ(loaded.Password(), password);
    }
}

TEST_P(UserTest, DamagedRecordsAndAGapInTheNumberingLoadDefaults)
{
    WriteRawText(m_users + "\\Object0", "Name", "First");
    WriteRaw(m_users + "\\Object0", "Password", platform::kRegNone, {'x', 0});
    WriteRaw(m_users + "\\Object0", "Admin", platform::kRegNone, {1, 0, 0, 0});
    WriteRaw(m_users + "\\Object0", "Dir Name", platform::kRegBinary, {'U', 0});
    CreateRawKey(m_users + "\\Object2");
    WriteRawText(m_users + "\\Object5", "Name", "Third");
    WriteRaw(m_users + "\\Object5", "Use Password", platform::kRegNone, {1});
    WriteRaw(m_users + "\\Object5", "Password", platform::kRegBinary, Bytes(300, 'a'));

    CUserList users(Store());
    ASSERT_EQ(users.Count(), 3);
    EXPECT_EQ(Fields(*users.UserAt(0)), std::make_tuple("First", "", "", false, false));
    EXPECT_EQ(Fields(*users.UserAt(1)), std::make_tuple("", "", "", false, false));
    EXPECT_EQ(Fields(*users.UserAt(2)), std::make_tuple("Third", "", "", false, true));
    EXPECT_EQ(users.GetCurrentUser(), nullptr);
    EXPECT_EQ(users.CurrentIndex(), 0);
}

TEST_P(UserTest, NewUsersAreNamedUniquelyFromUser)
{
    CUserList users(Store());
    EXPECT_EQ(users.NewUser()->Name(), "User0");
    users.Add(NamedUser("User0"));
    users.Add(NamedUser("user1"));
    EXPECT_EQ(users.NewUser()->Name(), "User2");
    EXPECT_EQ(CUser(&users).Name(), "User2");
}

TEST_P(UserTest, LoadAllKeepsTheCurrentMarkOnItsIndex)
{
    {
        CUserList users(Store());
        for (const char* name : {"A", "B", "C"}) users.Add(NamedUser(name));
    }
    CUserList users(Store());
    EXPECT_EQ(users.GetCurrentUser(), nullptr);
    users.UserAt(2)->SetCurrent(true);
    users.UserAt(0)->SetName("Changed");
    users.LoadAll();
    EXPECT_EQ(users.UserAt(0)->Name(), "A");
    EXPECT_EQ(users.CurrentIndex(), 2);
    EXPECT_EQ(users.GetCurrentUser(), users.UserAt(2));

    // With nobody current, the first user gets the mark.
    users.UserAt(2)->SetCurrent(false);
    users.LoadAll();
    EXPECT_EQ(users.GetCurrentUser(), users.UserAt(0));
}

TEST_P(UserTest, SetCurrentUserGivesAFreshUserItsDirectory)
{
    TempFolder program;
    {
        CUserList users(Store());
        users.Add(NamedUser("Default User"));
        users.Add(NamedUser("Second"));
        EXPECT_TRUE(users.UserAt(0)->IsFreshUser(program.Name()));
        EXPECT_FALSE(users.SetCurrentUser(2, program.Name()));
        EXPECT_FALSE(users.SetCurrentUser(-1, program.Name()));
        ASSERT_TRUE(users.SetCurrentUser(1, program.Name()));
        CUser* second = users.UserAt(1);
        EXPECT_TRUE(second->IsCurrent());
        EXPECT_EQ(users.CurrentIndex(), 1);
        ASSERT_EQ(second->DirName().size(), 8u);
        EXPECT_EQ(second->DirName().substr(0, 4), "User");
        EXPECT_TRUE(fs::is_directory(program.Path() / second->DirName()));
        EXPECT_FALSE(second->IsFreshUser(program.Name()));
        // The list was saved with the new name at once.
        EXPECT_EQ(ReadRawText(m_users + "\\Object1", "Dir Name"),
                  second->DirName() + std::string(1, '\0'));

        // A used profile keeps its directory.
        const std::string dir = second->DirName();
        ASSERT_TRUE(users.SetCurrentUser(1, program.Name()));
        EXPECT_EQ(second->DirName(), dir);
    }
}

TEST_P(UserTest, DirectoryNamesThatReachElsewhereCountAsFresh)
{
    TempFolder program;
    fs::create_directory(program.Path() / "User1111");
    CUser user;
    EXPECT_TRUE(user.IsFreshUser(program.Name()));
    user.SetDirName("User1111");
    EXPECT_FALSE(user.IsFreshUser(program.Name()));
    for (const std::string& name : {std::string(".."), std::string("."), std::string("User1111\\."),
                                    program.Name(), std::string("User2222")}) {
        user.SetDirName(name);
        EXPECT_TRUE(user.IsFreshUser(program.Name())) << name;
    }
}

TEST_P(UserTest, AFreshUserNeverTakesTheKeyOfALostProfile)
{
    TempFolder program;
    TempFolder scratch;
    SeedRandom(1);
    const std::optional<std::string> first = MakeUniqueFileName(scratch.Name(), "User", "");
    ASSERT_TRUE(first);
    // A profile whose directory is gone still has its settings under that name.
    CreateRawKey(kRoot + "\\" + *first + "\\Rules");
    SeedRandom(1);
    CUserList users(Store());
    users.Add(NamedUser("Default User"));
    ASSERT_TRUE(users.SetCurrentUser(0, program.Name()));
    const std::string dir = users.UserAt(0)->DirName();
    EXPECT_NE(dir, *first);
    EXPECT_EQ(dir.substr(0, 4), "User");
    EXPECT_TRUE(fs::is_directory(program.Path() / dir));
    EXPECT_TRUE(Store().UserKeyExists(*first));
    EXPECT_FALSE(Store().UserKeyExists(dir));
}

TEST_P(UserTest, APasswordTooLongToReadLetsNobodyInAndStaysStored)
{
    const std::string record = m_users + "\\Object0";
    struct Case {
        std::uint32_t type;
        Bytes bytes;
    };
    Bytes longText(300, 'a');
    longText.push_back(0);
    const Case cases[] = {{platform::kRegSz, longText},
                          {platform::kRegBinary, Bytes(300, 'a')},
                          {platform::kRegNone, Bytes{'a', 0}}};
    for (const Case& c : cases) {
        WriteRawText(record, "Name", "Ann");
        WriteRaw(record, "Use Password", platform::kRegNone, {1});
        WriteRaw(record, "Password", c.type, c.bytes);
        {
            CUserList users(Store());
            ASSERT_EQ(users.Count(), 1);
            const CUser& ann = *users.UserAt(0);
            EXPECT_TRUE(ann.UsesPassword());
            EXPECT_FALSE(ann.CheckPassword("")) << c.type;
            EXPECT_FALSE(ann.CheckPassword(std::string(300, ScramblePassword("a")[0]))) << c.type;
        }
        // Saving the list wrote the record back without replacing the password.
        std::uint32_t type = 99;
        EXPECT_EQ(ReadRaw(record, "Password", &type), c.bytes);
        EXPECT_EQ(type, c.type);
    }

    // One too large to keep is replaced by one that is just as unreadable.
    WriteRaw(record, "Password", platform::kRegBinary, Bytes(5000, 'a'));
    { CUserList users(Store()); }
    EXPECT_GT(ReadRaw(record, "Password").size(), kMaxTextChars);
    {
        CUserList users(Store());
        EXPECT_FALSE(users.UserAt(0)->CheckPassword(""));
    }

    // A new password makes the profile usable again.
    CUserList users(Store());
    users.UserAt(0)->SetPassword("new");
    EXPECT_TRUE(users.UserAt(0)->CheckPassword("new"));
}

INSTANTIATE_FOR_EVERY_REGISTRY(UserTest);

}  // namespace
