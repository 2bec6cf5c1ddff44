#include "ui/dialogs/LogonDlg.h"

// Core
#include "core/app/User.h"

// Resources
#include "res/resource.h"

CLogonDlg::CLogonDlg(const CUser& user) : ui::Dialog(IDD_LOGON), m_user(user) {}

BOOL CLogonDlg::OnInitDialog()
{
    SetItemText(IDC_NAME, m_user.Name());
    LimitText(IDC_PASSWORD, kMaxTextChars);
    ::EnableWindow(Item(IDOK), FALSE);
    ::SetFocus(Item(IDC_PASSWORD));
    return FALSE;
}

bool CLogonDlg::OnCommand(int id, int code)
{
    if (id == IDC_PASSWORD && code == EN_CHANGE) {
        ::EnableWindow(Item(IDOK), PasswordAccepted());
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CLogonDlg::OnOK()
{
    // Enter reaches here even while OK is disabled.
    if (PasswordAccepted()) End(IDOK);
}

bool CLogonDlg::PasswordAccepted() const { return m_user.CheckPassword(ItemText(IDC_PASSWORD)); }
