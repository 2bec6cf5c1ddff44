// Core
#include "core/app/ObjectList.h"
#include "core/app/PasswordTable.h"
#include "core/app/SettingsStore.h"
#include "core/app/User.h"
#include "core/dialogs/UserProfileRules.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <memory>

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(UserProfileRules, PasswordControlsFollowUseAndVerification)
{
    struct Case { bool use, verified, oldEdit, newEdits, useBox; };
    const Case cases[] = {
        {false, false, false, false, false},
        {false, true, false, false, true},
        {true, false, true, false, false},
        {true, true, false, true, true},
    };
    for (const Case& c : cases) {
        const UserPageEnabling e = ComputeUserPageEnabling(c.use, c.verified);
        EXPECT_EQ(e.oldPassword, c.oldEdit) << c.use << c.verified;
        EXPECT_EQ(e.newPasswords, c.newEdits) << c.use << c.verified;
        EXPECT_EQ(e.usePassword, c.useBox) << c.use << c.verified;
    }
}

TEST(UserProfileRules, StartUpIndicesOutsideTheListMeanTheFirstUser)
{
    EXPECT_EQ(UserIndexOrFirst(2, 3), 2);
    EXPECT_EQ(UserIndexOrFirst(3, 3), 0);
    EXPECT_EQ(UserIndexOrFirst(-1, 3), 0);
    EXPECT_EQ(UserIndexOrFirst(0, 0), 0);
    EXPECT_FALSE(IsUsableUserName(" \t "));
    EXPECT_TRUE(IsUsableUserName(" x "));
}

class UserPageChecks : public testing::Test {
protected:
    UserPageChecks()
        : m_registry(platform::DeleteSemantics::WindowsNT),
          m_store(m_registry, "0.0.0.42", true),
          m_users(m_store, nullptr, SectionId::None, CObjectList::kNoCapacity)
    {
        for (const char* name : {"Anna", "Bert"}) {
            auto user = std::make_unique<CUser>();
            user->SetName(name);
            m_users.Add(std::move(user));
        }
    }

    CUser* Bert() { return static_cast<CUser*>(m_users.At(1)); }

    platform::MemoryRegistry m_registry;
    CSettingsStore m_store;
    CObjectList m_users;
};

TEST_F(UserPageChecks, TheNameIsCheckedFirstAgainstTheOthersOnly)
{
    CUser fresh;
    EXPECT_EQ(ValidateUserPage(m_users, &fresh, "  anna ", true, "", "x"), UserPageProblem::NameExists);
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "BERT", false, "", ""), UserPageProblem::None)
        << "a user keeps his own name";
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Anna", false, "", ""), UserPageProblem::NameExists);
    EXPECT_EQ(ValidateUserPage(m_users, &fresh, "Carl", false, "a", "b"), UserPageProblem::None)
        << "passwords are not looked at without Use Password";
}

TEST_F(UserPageChecks, AUsedPasswordMustBeNewAndTypedTwice)
{
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "", ""), UserPageProblem::NewPasswordEmpty);
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "", "x"), UserPageProblem::NewPasswordEmpty);
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "pass", "Pass"),
              UserPageProblem::PasswordsDiffer);
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "pass", "pass"), UserPageProblem::None);
    // The word that marks an empty password cannot be a password.
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "Malvora", "Malvora"),
              UserPageProblem::PasswordsDiffer);
    EXPECT_EQ(ValidateUserPage(m_users, Bert(), "Bert", true, "malvora", "malvora"), UserPageProblem::None);
}

TEST_F(UserPageChecks, OkWritesTheTrimmedNameFlagsAndPassword)
{
    CUser& user = *Bert();
    ApplyUserPage(user, {"  Bertha ", true, true, "s3cret"});
    EXPECT_EQ(user.Name(), "Bertha");
    EXPECT_TRUE(user.UsesPassword());
    EXPECT_TRUE(user.IsAdmin());
    EXPECT_EQ(user.GetPlainPassword(), "s3cret");
    EXPECT_FALSE(user.CheckPassword("S3cret"));

    ApplyUserPage(user, {"Bertha", false, false, "ignored"});
    EXPECT_FALSE(user.UsesPassword());
    EXPECT_FALSE(user.IsAdmin());
    EXPECT_EQ(user.GetPlainPassword(), "");
    EXPECT_EQ(user.Password(), kPasswordFillWord) << "no password is held as the fill word";
}

}  // namespace
