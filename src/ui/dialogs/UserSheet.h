#pragma once
// "Add User Profile" and "Edit User Profile": the object sheet of a user.

// Dialogs
#include "ui/dialogs/ObjectSheet.h"
#include "ui/dialogs/UserPropPage.h"

class CUser;
class CUserList;

class CUserSheet : public CObjectSheet {
public:
    // Edits `user`, or a new user of `users` when it is null.
    CUserSheet(CUserList& users, CUser* user, bool saveAfterOk);

    CUser* User() const;

private:
    CUserPropPage m_page;
};
