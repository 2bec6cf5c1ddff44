#pragma once
// The start-up choice of a profile: every user by name, and the password of
// the one selected when it has one. OK stays disabled until that password is
// typed; choosing a user makes it the default and last-selected user.

// Framework
#include "ui/framework/Dialog.h"

class CSettingsStore;
class CUserList;

class CChooseUserDlg : public ui::Dialog {
public:
    CChooseUserDlg(const CUserList& users, CSettingsStore& settings);

    // The user chosen with OK.
    int ChosenIndex() const { return m_chosen; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    int SelectedIndex() const;
    // The password edit for the selected user, emptied.
    void ResetPassword();
    bool PasswordAccepted() const;
    void UpdateOK();

    const CUserList& m_users;
    CSettingsStore& m_settings;
    int m_chosen = 0;
};
