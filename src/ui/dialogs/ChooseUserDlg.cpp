#include "ui/dialogs/ChooseUserDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UserList.h"
#include "core/dialogs/UserProfileRules.h"

// Resources
#include "res/resource.h"

CChooseUserDlg::CChooseUserDlg(const CUserList& users, CSettingsStore& settings)
    : ui::Dialog(IDD_CHOOSE_USER), m_users(users), m_settings(settings)
{
}

BOOL CChooseUserDlg::OnInitDialog()
{
    HWND list = Item(IDC_USER_LIST);
    for (int i = 0; i < m_users.Count(); ++i)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_users.At(i)->Name().c_str()));
    const int last = UserIndexOrFirst(m_settings.GetSetting(Setting::LastSelectedUser), m_users.Count());
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(last), 0);
    LimitText(IDC_PASSWORD, kMaxTextChars);
    ResetPassword();
    return TRUE;
}

bool CChooseUserDlg::OnCommand(int id, int code)
{
    if (id == IDC_USER_LIST && code == LBN_SELCHANGE) {
        ResetPassword();
        return true;
    }
    if (id == IDC_PASSWORD && code == EN_CHANGE) {
        UpdateOK();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CChooseUserDlg::OnOK()
{
    // Enter reaches here even while OK is disabled.
    if (!PasswordAccepted()) return;
    m_chosen = SelectedIndex();
    m_settings.SetSetting(Setting::LastSelectedUser, m_chosen);
    m_settings.SetSetting(Setting::DefaultUser, m_chosen);
    End(IDOK);
}

int CChooseUserDlg::SelectedIndex() const
{
    return static_cast<int>(::SendMessageA(Item(IDC_USER_LIST), LB_GETCURSEL, 0, 0));
}

void CChooseUserDlg::ResetPassword()
{
    const CUser* user = m_users.UserAt(SelectedIndex());
    ::EnableWindow(Item(IDC_PASSWORD), user && user->UsesPassword());
    SetItemText(IDC_PASSWORD, "");
    UpdateOK();
}

bool CChooseUserDlg::PasswordAccepted() const
{
    const CUser* user = m_users.UserAt(SelectedIndex());
    return user && user->CheckPassword(ItemText(IDC_PASSWORD));
}

void CChooseUserDlg::UpdateOK()
{
    ::EnableWindow(Item(IDOK), PasswordAccepted());
}
