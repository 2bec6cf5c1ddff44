#pragma once
// The rules of the user dialogs that need no window: which password controls
// a profile page enables, its checks on leaving, what OK writes back, and the
// index a start-up setting may choose.

// Standard library
#include <string>

class CObjectList;
class CUser;

// An index from settings 202 or 203; one outside the list means the first user.
int UserIndexOrFirst(int index, int count);

struct UserPageEnabling {
    bool oldPassword = false;   // "&Retype old password:"
    bool newPasswords = false;  // "&Type new password:" and "Retype &new password:"
    bool usePassword = false;   // "Use Entry &Password"
};

// `verified`: the user's old password is known (typed, or there was none).
UserPageEnabling ComputeUserPageEnabling(bool usePassword, bool verified);

// The sheet's OK is allowed only for a name that is more than white space.
bool IsUsableUserName(const std::string& name);

enum class UserPageProblem { None, NameExists, PasswordsDiffer, NewPasswordEmpty };

// What the page's fields say about leaving it, checked in this order: the
// name against the other users (trimmed, any case), then, with a password in
// use, the new password against its retyped copy and against "".
UserPageProblem ValidateUserPage(const CObjectList& users, const CUser* user,
                                 const std::string& name, bool usePassword,
                                 const std::string& newPassword, const std::string& retyped);

struct UserPageFields {
    std::string name;
    bool usePassword = false;
    bool admin = false;
    std::string newPassword;
};

// OK: the flags, the trimmed name, and the new password or none.
void ApplyUserPage(CUser& user, const UserPageFields& fields);
