#pragma once
// The user commands of the Tools menu. A user with Admin manages every
// profile; a user without it only sees and edits his own.

// Standard library
#include <string>

// Windows
#include <windows.h>

class CSettingsStore;
class CUser;
class CUserList;

// For a current user without Admin: removes "Add &User..." and renames
// "U&ser Manager..." to "U&ser Profile...".
void AdjustUserMenu(HMENU menu, const CUser* currentUser);

// The User Manager, or "Edit User Profile" on the current user without Admin.
void RunUserManagerCommand(HWND owner, CUserList& users, CSettingsStore& settings,
                           const std::string& programDirectory);

// "Add User Profile"; the list is saved when a user was added.
void RunAddUserCommand(HWND owner, CUserList& users);
