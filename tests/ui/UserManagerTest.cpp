// The user manager and the user profile sheet: who may be deleted, what a
// deletion asks and removes, and the checks of a profile's name and password.

// Dialogs
#include "ui/dialogs/ManagerMessages.h"

// Tests
#include "ui/UserDialogDriver.h"

namespace {

using namespace uitest;

class UserManager : public AppNotStartedTest {
protected:
    // Starts as the first planted user, who must have no password.
    void Start(const std::vector<PlantedUser>& users, StartChoice choice = {})
    {
        m_dirs = PlantUsers(users, choice);
        StartApp();
    }
};

int EntryCount(HWND dialog)
{
    return static_cast<int>(::SendMessageA(FindControl(dialog, IDC_MGR_LIST), LB_GETCOUNT, 0, 0));
}

TEST_F(UserManager, DeletingAsksTwiceForUsedProfilesNoKeepsTheDirectoryAndCancelKeepsTheUser)
{
    Start({{"Anna", "", true, true}, {"Bert", "", false, true}, {"Carl", "", false, true},
           {"Dora", "", false, true}});
    ASSERT_EQ(m_dirs.size(), 4u);
    const std::string bert = m_dirs[1], carl = m_dirs[2], dora = m_dirs[3];
    ASSERT_TRUE(KeyExists(platform::kHkeyCurrentUser, UserKeyPath(bert) + "\\System"));

    m_messages.answers = {IDYES, IDCANCEL, IDYES, IDNO, IDYES, IDYES};
    DialogScript script;
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "User Manager");
        EXPECT_EQ(EntryCount(dialog), 4);
        EXPECT_FALSE(ControlEnabled(dialog, IDC_MGR_DELETE)) << "Anna is the current user";
        EXPECT_TRUE(ControlEnabled(dialog, IDC_MGR_EDIT));
        // The Delete key asks as the button does; Cancel at the files question keeps Dora.
        SelectEntries(dialog, IDC_MGR_LIST, {3}, true);
        ::SendMessageA(FindControl(dialog, IDC_MGR_LIST), WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(EntryCount(dialog), 4);
        SelectEntries(dialog, IDC_MGR_LIST, {0, 2}, true);
        EXPECT_FALSE(ControlEnabled(dialog, IDC_MGR_DELETE));
        EXPECT_FALSE(ControlEnabled(dialog, IDC_MGR_EDIT));
        SelectEntries(dialog, IDC_MGR_LIST, {1, 2}, true);
        EXPECT_TRUE(ControlEnabled(dialog, IDC_MGR_DELETE));
        Click(dialog, IDC_MGR_DELETE);
    });
    script.Then(IDC_MGR_LIST, [&](HWND dialog) {
        ASSERT_EQ(EntryCount(dialog), 2);
        // Saved as soon as the deletion ended, before OK.
        EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Dora"}));
        EXPECT_TRUE(DirectoryExists(bert)) << "No keeps Bert's files";
        EXPECT_FALSE(KeyExists(platform::kHkeyCurrentUser, UserKeyPath(bert)));
        EXPECT_FALSE(DirectoryExists(carl));
        EXPECT_FALSE(KeyExists(platform::kHkeyCurrentUser, UserKeyPath(carl)));
        Click(dialog, IDCANCEL);
    });
    m_app->OnCommand(ID_TOOLS_USER_MANAGER);
    script.ExpectDone();
    const std::string sure = "Are you sure you want to delete ";
    const std::string files = "Do you want to remove all user files from your hard disk?";
    EXPECT_EQ(m_messages.texts,
              (std::vector<std::string>{sure + "Dora?", files, sure + "Bert?", files, sure + "Carl?", files}));
    // Files and keys are gone for good: Cancel cannot bring the users back.
    ASSERT_EQ(m_app->Users()->Count(), 2);
    EXPECT_TRUE(m_app->Users()->UserAt(0)->IsCurrent());
    EXPECT_TRUE(DirectoryExists(dora));
    EXPECT_TRUE(KeyExists(platform::kHkeyCurrentUser, UserKeyPath(dora)));
}

TEST_F(UserManager, TheDefaultAndLastSelectedMarksFollowTheirEntry)
{
    // Carl is default and last selected; a fresh Bert before him is deleted.
    Start({{"Anna", "", true, true}, {"Bert", "", false, false}, {"Carl", "", false, false}}, {0, 0, 0});
    Settings().SetSetting(Setting::DefaultUser, 2);
    Settings().SetSetting(Setting::LastSelectedUser, 2);
    m_messages.answer = IDYES;
    DialogScript script;
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        EXPECT_EQ(::SendMessageA(dialog, UWM_MGR_ISDEFAULTENTRY, 2, 0), TRUE) << "Carl is drawn as default";
        EXPECT_EQ(::SendMessageA(dialog, UWM_MGR_ISDEFAULTENTRY, 0, 0), FALSE);
        SelectEntries(dialog, IDC_MGR_LIST, {1}, true);
        Click(dialog, IDC_MGR_DELETE);
    });
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        EXPECT_EQ(EntryCount(dialog), 2);
        EXPECT_EQ(::SendMessageA(dialog, UWM_MGR_ISDEFAULTENTRY, 1, 0), TRUE);
        Click(dialog, IDOK);
    });
    m_app->OnCommand(ID_TOOLS_USER_MANAGER);
    script.ExpectDone();
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{"Are you sure you want to delete Bert?"}));
    EXPECT_EQ(Settings().GetSetting(Setting::DefaultUser), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::LastSelectedUser), 1);
    CloseApp();
    EXPECT_EQ(GlobalNumber("Default User"), 1);
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Carl"}));
}

class UserProfileSheet : public UserManager {};

TEST_F(UserProfileSheet, AddUserChecksTheNameAndTheNewPasswordBeforeItCloses)
{
    Start({{"Anna", "", true, true}});
    DialogScript script;
    script.Then(IDC_USE_PASSWORD, [](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Add User Profile");
        EXPECT_EQ(WindowText(FindControl(sheet, IDC_NAME)), "User0");
        EXPECT_TRUE(ControlEnabled(sheet, IDOK));
        EXPECT_FALSE(ControlEnabled(sheet, IDC_OLD_PASSWORD));
        EXPECT_FALSE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        // Nothing longer than a read gives back can be typed.
        for (int edit : {IDC_NAME, IDC_OLD_PASSWORD, IDC_NEW_PASSWORD, IDC_RETYPE_PASSWORD})
            EXPECT_EQ(::SendMessageA(FindControl(sheet, edit), EM_GETLIMITTEXT, 0, 0),
                      static_cast<LRESULT>(kMaxTextChars)) << edit;
        Type(sheet, IDC_NAME, "   ");
        EXPECT_FALSE(ControlEnabled(sheet, IDOK));
        Type(sheet, IDC_NAME, " anna ");
        EXPECT_TRUE(ControlEnabled(sheet, IDOK));
        Click(sheet, IDOK);
    });
    script.Then(IDC_USE_PASSWORD, [this](HWND sheet) {
        EXPECT_EQ(m_messages.texts, (std::vector<std::string>{"Name already exists!"}));
        Type(sheet, IDC_NAME, " Carl ");
        ClickNow(sheet, IDC_USE_PASSWORD);
        EXPECT_TRUE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        EXPECT_TRUE(ControlEnabled(sheet, IDC_RETYPE_PASSWORD));
        Type(sheet, IDC_NEW_PASSWORD, "one");
        Type(sheet, IDC_RETYPE_PASSWORD, "One");
        Click(sheet, IDOK);
    });
    script.Then(IDC_USE_PASSWORD, [this](HWND sheet) {
        EXPECT_EQ(m_messages.texts.back(), "Invalid password! Please re-enter password");
        Type(sheet, IDC_NEW_PASSWORD, "");
        Click(sheet, IDOK);
    });
    script.Then(IDC_USE_PASSWORD, [this](HWND sheet) {
        EXPECT_EQ(m_messages.texts.back(), "Please enter a new password");
        Type(sheet, IDC_NEW_PASSWORD, "one");
        Type(sheet, IDC_RETYPE_PASSWORD, "one");
        ClickNow(sheet, IDC_ADMIN);
        Click(sheet, IDOK);
    });
    m_app->OnCommand(ID_TOOLS_ADD_USER);
    script.ExpectDone();
    EXPECT_EQ(m_messages.texts.size(), 3u);
    ASSERT_EQ(m_app->Users()->Count(), 2);
    const CUser* carl = m_app->Users()->UserAt(1);
    EXPECT_EQ(carl->Name(), "Carl");
    EXPECT_TRUE(carl->UsesPassword());
    EXPECT_TRUE(carl->CheckPassword("one"));
    EXPECT_TRUE(carl->IsAdmin());
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Carl"})) << "saved on OK";
}

TEST_F(UserProfileSheet, AUserWithoutAdminEditsOnlyHisOwnProfileAfterTheOldPassword)
{
    Start({{"Dora", "", false, true}, {"Anna", "", true, true}});
    HMENU menu = ::GetMenu(m_app->MainWindow());
    EXPECT_EQ(::GetMenuState(menu, ID_TOOLS_ADD_USER, MF_BYCOMMAND), static_cast<UINT>(-1));
    char text[64] = "";
    ::GetMenuStringA(menu, ID_TOOLS_USER_MANAGER, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "U&ser Profile...");
    // Her password was set by someone else while she was logged on.
    m_app->Users()->UserAt(0)->SetUsesPassword(true);
    m_app->Users()->UserAt(0)->SetPassword("old");

    DialogScript script;
    script.Then(IDC_USE_PASSWORD, [](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Edit User Profile");
        EXPECT_EQ(WindowText(FindControl(sheet, IDC_NAME)), "Dora");
        EXPECT_FALSE(ControlEnabled(sheet, IDC_ADMIN)) << "her own Admin flag";
        EXPECT_FALSE(ControlEnabled(sheet, IDC_USE_PASSWORD));
        EXPECT_TRUE(ControlEnabled(sheet, IDC_OLD_PASSWORD));
        EXPECT_FALSE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        Type(sheet, IDC_OLD_PASSWORD, "ol");
        EXPECT_FALSE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        Type(sheet, IDC_OLD_PASSWORD, "old");
        EXPECT_FALSE(ControlEnabled(sheet, IDC_OLD_PASSWORD));
        EXPECT_TRUE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        EXPECT_TRUE(ControlEnabled(sheet, IDC_USE_PASSWORD));
        EXPECT_EQ(::GetFocus(), FindControl(sheet, IDC_NEW_PASSWORD));
        ClickNow(sheet, IDC_USE_PASSWORD);
        EXPECT_FALSE(ControlEnabled(sheet, IDC_NEW_PASSWORD));
        Click(sheet, IDOK);
    });
    m_app->OnCommand(ID_TOOLS_USER_MANAGER);
    script.ExpectDone();
    EXPECT_TRUE(m_messages.texts.empty());
    const CUser* dora = m_app->Users()->UserAt(0);
    EXPECT_FALSE(dora->UsesPassword());
    EXPECT_EQ(dora->GetPlainPassword(), "");
    EXPECT_FALSE(dora->IsAdmin());
    m_app->OnCommand(ID_TOOLS_ADD_USER);
    EXPECT_EQ(m_app->Users()->Count(), 2) << "no Add User without Admin";
}

TEST_F(UserProfileSheet, DoubleClickEditsAndInsertAddsInTheManager)
{
    Start({{"Anna", "", true, true}, {"Bert", "", false, false}});
    DialogScript script;
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        // A double-click on Bert edits him.
        HWND list = FindControl(dialog, IDC_MGR_LIST);
        RECT entry = {};
        ::SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&entry));
        const LPARAM at = MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
        ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(list, WM_LBUTTONUP, 0, at);
        ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::PostMessageA(list, WM_LBUTTONUP, 0, at);
    });
    script.Then(IDC_USE_PASSWORD, [](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Edit User Profile");
        EXPECT_TRUE(ControlEnabled(sheet, IDC_ADMIN));
        Type(sheet, IDC_NAME, "Berta");
        Click(sheet, IDOK);
    });
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        HWND list = FindControl(dialog, IDC_MGR_LIST);
        char text[32] = "";
        ::SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, "Berta");
        EXPECT_GT(::SendMessageA(list, LB_GETSEL, 1, 0), 0);
        // Insert adds.
        ::PostMessageA(list, WM_KEYDOWN, VK_INSERT, 0);
    });
    script.Then(IDC_USE_PASSWORD, [](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Add User Profile");
        Type(sheet, IDC_NAME, "Carl");
        Click(sheet, IDOK);
    });
    script.Then(IDC_MGR_LIST, [](HWND dialog) {
        EXPECT_EQ(EntryCount(dialog), 3);
        EXPECT_GT(::SendMessageA(FindControl(dialog, IDC_MGR_LIST), LB_GETSEL, 2, 0), 0) << "the new entry";
        Click(dialog, IDOK);
    });
    m_app->OnCommand(ID_TOOLS_USER_MANAGER);
    script.ExpectDone();
    EXPECT_EQ(StoredUserNames(), (std::vector<std::string>{"Anna", "Berta", "Carl"}));
}

}  // namespace
