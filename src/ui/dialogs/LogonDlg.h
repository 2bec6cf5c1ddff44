#pragma once
// The password of the default user at start-up: OK only for the right one.

// Framework
#include "ui/framework/Dialog.h"

class CUser;

class CLogonDlg : public ui::Dialog {
public:
    explicit CLogonDlg(const CUser& user);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    bool PasswordAccepted() const;

    const CUser& m_user;
};
