#pragma once
// The page of a user profile: name, entry password and the administrator
// flag. A password in use can only be replaced after the old one was typed.

// Dialogs
#include "ui/dialogs/BasePropPage.h"

// Standard library
#include <string>

class CObjectList;
class CUser;

class CUserPropPage : public CBasePropPage {
public:
    // `users` is the list the name must be unique in; `user` need not be in it yet.
    CUserPropPage(CUser& user, const CObjectList& users);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnKillActive() override;
    bool OnPageOK() override;

private:
    void UpdateEnabling();
    void EnableWithLabel(int id, bool enabled);
    void OnOldPasswordChanged();
    void OnUsePasswordClicked();
    bool IsChecked(int id) const;
    // Shows a message and puts the focus on the control to correct.
    void Complain(UINT messageId, int focusId);

    CUser& m_user;
    const CObjectList& m_users;
    // The user's old password is known: typed, or there was none.
    bool m_verified = false;
};
