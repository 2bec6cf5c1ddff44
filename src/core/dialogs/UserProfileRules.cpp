#include "core/dialogs/UserProfileRules.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/PasswordTable.h"
#include "core/app/User.h"

int UserIndexOrFirst(int index, int count)
{
    return index >= 0 && index < count ? index : 0;
}

UserPageEnabling ComputeUserPageEnabling(bool usePassword, bool verified)
{
    UserPageEnabling enabling;
    enabling.oldPassword = usePassword && !verified;
    enabling.newPasswords = usePassword && verified;
    enabling.usePassword = verified;
    return enabling;
}

bool IsUsableUserName(const std::string& name) { return !TrimName(name).empty(); }

UserPageProblem ValidateUserPage(const CObjectList& users, const CUser* user,
                                 const std::string& name, bool usePassword,
                                 const std::string& newPassword, const std::string& retyped)
{
    if (users.NameExistsExcept(user, name)) return UserPageProblem::NameExists;
    if (!usePassword) return UserPageProblem::None;
    if (newPassword.empty()) return UserPageProblem::NewPasswordEmpty;
    if (newPassword != retyped) return UserPageProblem::PasswordsDiffer;
    // The fill word stands for "no password" in the stored record: taken as a
    // password it would come back empty after a restart and let anyone in.
    if (newPassword == kPasswordFillWord) return UserPageProblem::PasswordsDiffer;
    return UserPageProblem::None;
}

void ApplyUserPage(CUser& user, const UserPageFields& fields)
{
    user.SetUsesPassword(fields.usePassword);
    user.SetAdmin(fields.admin);
    user.SetName(TrimName(fields.name));
    user.SetPassword(fields.usePassword ? fields.newPassword : std::string());
}
