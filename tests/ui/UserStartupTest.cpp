// Which user a start logs on: the first start's administrator, the Choose
// User and Logon dialogs, and a new user when none is chosen.

// Tests
#include "ui/UserDialogDriver.h"

namespace {

using namespace uitest;

class UserStartup : public AppNotStartedTest {};

TEST_F(UserStartup, AFirstStartCreatesOneAdministratorAsTheDefaultUser)
{
    StartApp();
    ASSERT_EQ(m_app->Users()->Count(), 1);
    const CUser* user = m_app->Users()->GetCurrentUser();
    ASSERT_EQ(user, m_app->Users()->UserAt(0));
    EXPECT_EQ(user->Name(), "Default User");
    EXPECT_TRUE(user->IsAdmin());
    EXPECT_FALSE(user->UsesPassword());
    EXPECT_TRUE(DirectoryExists(user->DirName()));
    CloseApp();
    EXPECT_TRUE(m_messages.texts.empty());
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Default User"}));
    EXPECT_EQ(ReadValue(platform::kHkeyCurrentUser, RootPath() + "\\Users\\Object0", "Admin"),
              (std::vector<unsigned char>{1}));
    EXPECT_EQ(GlobalNumber("Default User"), 0);
    EXPECT_EQ(GlobalNumber("Last Selected User"), 0);
}

TEST_F(UserStartup, ChooseUserKeepsOkDisabledUntilTheRightPasswordIsTyped)
{
    PlantUsers({{"Anna", "", true, false}, {"Bert", "Secret", false, false}}, {1, 0, 0});
    DialogScript script;
    script.Then(IDC_USER_LIST, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Choose User");
        HWND list = FindControl(dialog, IDC_USER_LIST);
        EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 0) << "the last selected user";
        EXPECT_FALSE(ControlEnabled(dialog, IDC_PASSWORD)) << "Anna has no password";
        EXPECT_TRUE(ControlEnabled(dialog, IDOK));

        SelectEntries(dialog, IDC_USER_LIST, {1}, false);
        EXPECT_TRUE(ControlEnabled(dialog, IDC_PASSWORD));
        EXPECT_FALSE(ControlEnabled(dialog, IDOK));
        Type(dialog, IDC_PASSWORD, "secret");
        EXPECT_FALSE(ControlEnabled(dialog, IDOK)) << "passwords are case-sensitive";
        // Enter sends OK even to a disabled button: it must not let Bert in.
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(::IsWindowVisible(dialog));

        SelectEntries(dialog, IDC_USER_LIST, {0}, false);
        SelectEntries(dialog, IDC_USER_LIST, {1}, false);
        EXPECT_EQ(WindowText(FindControl(dialog, IDC_PASSWORD)), "") << "a new selection clears it";
        Type(dialog, IDC_PASSWORD, "Secret");
        EXPECT_TRUE(ControlEnabled(dialog, IDOK));
        Click(dialog, IDOK);
    });

    StartApp();
    script.ExpectDone();
    EXPECT_EQ(m_app->Users()->CurrentIndex(), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::DefaultUser), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::LastSelectedUser), 1);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(UserStartup, CancellingChooseUserOffersANewUserWithoutAdmin)
{
    PlantUsers({{"Anna", "", true, false}}, {1, 0, 0});
    m_messages.answer = IDYES;
    DialogScript script;
    script.Then(IDC_USER_LIST, [](HWND dialog) { Click(dialog, IDCANCEL); });

    StartApp();
    script.ExpectDone();
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{"Do you want to create a new user?"}));
    ASSERT_EQ(m_app->Users()->Count(), 2);
    EXPECT_EQ(m_app->Users()->CurrentIndex(), 1);
    EXPECT_EQ(m_app->Users()->UserAt(1)->Name(), "Default User");
    EXPECT_FALSE(m_app->Users()->UserAt(1)->IsAdmin());
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Default User"}));
}

TEST_F(UserStartup, TheDefaultUserWithAPasswordLogsOnThroughTheLogonDialog)
{
    PlantUsers({{"Anna", "", true, false}, {"Bert", "Secret", false, false}}, {0, 1, 1});
    {
        m_messages.answer = IDNO;
        DialogScript script;
        script.Then(IDC_NAME, [](HWND dialog) {
            EXPECT_EQ(WindowText(dialog), "Logon");
            EXPECT_EQ(WindowText(FindControl(dialog, IDC_NAME)), "Bert");
            EXPECT_FALSE(ControlEnabled(dialog, IDOK));
            Type(dialog, IDC_PASSWORD, "Secre");
            EXPECT_FALSE(ControlEnabled(dialog, IDOK));
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(::IsWindowVisible(dialog)) << "Enter with a wrong password";
            Click(dialog, IDCANCEL);
        });
        CTrailmarkApp app;
        EXPECT_FALSE(app.InitInstance()) << "no new user: the program ends";
        script.ExpectDone();
        EXPECT_EQ(m_messages.texts,
                  (std::vector<std::string>{"Do you want to create a new user?", "Unable to continue!"}));
    }
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Bert"}));

    DialogScript script;
    script.Then(IDC_NAME, [](HWND dialog) {
        Type(dialog, IDC_PASSWORD, "Secret");
        EXPECT_TRUE(ControlEnabled(dialog, IDOK));
        Click(dialog, IDOK);
    });
    StartApp();
    script.ExpectDone();
    EXPECT_EQ(m_app->Users()->CurrentIndex(), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::LastSelectedUser), 0);
    EXPECT_EQ(Settings().GetSetting(Setting::DefaultUser), 1);
}

TEST_F(UserStartup, AFullListTakesNoNewUserAndLogsOnNobodyElse)
{
    std::vector<PlantedUser> planted(CObjectList::kMaxObjects - 1, PlantedUser{"Anna", "", false, false});
    for (std::size_t i = 0; i < planted.size(); ++i) planted[i].name = "User" + std::to_string(i);
    planted.push_back({"Bert", "Secret", false, false});
    PlantUsers(planted, {0, static_cast<int>(CObjectList::kMaxObjects - 1), 0});
    m_messages.answer = IDYES;
    DialogScript script;
    script.Then(IDC_NAME, [](HWND dialog) {
        EXPECT_EQ(::SendMessageA(FindControl(dialog, IDC_PASSWORD), EM_GETLIMITTEXT, 0, 0),
                  static_cast<LRESULT>(kMaxTextChars));
        Click(dialog, IDCANCEL);
    });
    CTrailmarkApp app;
    EXPECT_FALSE(app.InitInstance()) << "the offered user has no room";
    script.ExpectDone();
    EXPECT_EQ(m_messages.texts,
              (std::vector<std::string>{"Do you want to create a new user?", "Unable to continue!"}));
    EXPECT_EQ(app.Users()->GetCurrentUser(), nullptr);
}

TEST_F(UserStartup, ADefaultUserPastTheListMeansTheFirst)
{
    PlantUsers({{"Anna", "", true, false}, {"Bert", "", false, false}}, {0, 7, 3});
    StartApp();
    EXPECT_EQ(m_app->Users()->CurrentIndex(), 0);
}

}  // namespace
