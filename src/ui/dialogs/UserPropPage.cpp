#include "ui/dialogs/UserPropPage.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/User.h"
#include "core/dialogs/UserProfileRules.h"

// Framework
#include "ui/framework/MessageBox.h"

// Resources
#include "res/resource.h"

CUserPropPage::CUserPropPage(CUser& user, const CObjectList& users)
    : CBasePropPage(IDD_USER_PROPERTIES), m_user(user), m_users(users)
{
}

BOOL CUserPropPage::OnInitDialog()
{
    ::CheckDlgButton(Handle(), IDC_USE_PASSWORD, m_user.UsesPassword() ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_ADMIN, m_user.IsAdmin() ? BST_CHECKED : BST_UNCHECKED);
    SetItemText(IDC_NAME, m_user.Name());
    // Longer texts would be stored whole but read back as nothing.
    for (int edit : {IDC_NAME, IDC_OLD_PASSWORD, IDC_NEW_PASSWORD, IDC_RETYPE_PASSWORD})
        LimitText(edit, kMaxTextChars);
    m_verified = m_user.GetPlainPassword().empty();
    // Nobody takes his own administrator rights away, or gives them to himself.
    if (m_user.IsCurrent()) ::EnableWindow(Item(IDC_ADMIN), FALSE);
    UpdateEnabling();
    EnableSheetOK(IsUsableUserName(ItemText(IDC_NAME)));
    return TRUE;
}

bool CUserPropPage::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_NAME:
        if (code == EN_CHANGE) EnableSheetOK(IsUsableUserName(ItemText(IDC_NAME)));
        return true;
    case IDC_OLD_PASSWORD:
        if (code == EN_CHANGE) OnOldPasswordChanged();
        return true;
    case IDC_USE_PASSWORD:
        if (code == BN_CLICKED) OnUsePasswordClicked();
        return true;
    default:
        return CBasePropPage::OnCommand(id, code);
    }
}

void CUserPropPage::UpdateEnabling()
{
    const UserPageEnabling enabling = ComputeUserPageEnabling(IsChecked(IDC_USE_PASSWORD), m_verified);
    EnableWithLabel(IDC_OLD_PASSWORD, enabling.oldPassword);
    EnableWithLabel(IDC_NEW_PASSWORD, enabling.newPasswords);
    EnableWithLabel(IDC_RETYPE_PASSWORD, enabling.newPasswords);
    ::EnableWindow(Item(IDC_USE_PASSWORD), enabling.usePassword);
}

void CUserPropPage::OnOldPasswordChanged()
{
    if (m_verified || ItemText(IDC_OLD_PASSWORD) != m_user.GetPlainPassword()) return;
    m_verified = true;
    UpdateEnabling();
    ::SetFocus(Item(IDC_NEW_PASSWORD));
}

void CUserPropPage::OnUsePasswordClicked()
{
    UpdateEnabling();
    if (IsChecked(IDC_USE_PASSWORD)) ::SetFocus(Item(IDC_NEW_PASSWORD));
}

bool CUserPropPage::OnKillActive()
{
    // Enter may press a disabled OK: a blank name is never taken.
    if (!IsUsableUserName(ItemText(IDC_NAME))) {
        ::SetFocus(Item(IDC_NAME));
        return false;
    }
    switch (ValidateUserPage(m_users, &m_user, ItemText(IDC_NAME), IsChecked(IDC_USE_PASSWORD),
                             ItemText(IDC_NEW_PASSWORD), ItemText(IDC_RETYPE_PASSWORD))) {
    case UserPageProblem::NameExists:
        Complain(IDS_NAME_EXISTS, IDC_NAME);
        return false;
    case UserPageProblem::PasswordsDiffer:
        Complain(IDS_INVALID_PASSWORD, IDC_RETYPE_PASSWORD);
        return false;
    case UserPageProblem::NewPasswordEmpty:
        Complain(IDS_ENTER_NEW_PASSWORD, IDC_NEW_PASSWORD);
        return false;
    case UserPageProblem::None:
        break;
    }
    return true;
}

bool CUserPropPage::OnPageOK()
{
    UserPageFields fields;
    fields.name = ItemText(IDC_NAME);
    fields.usePassword = IsChecked(IDC_USE_PASSWORD);
    fields.admin = IsChecked(IDC_ADMIN);
    fields.newPassword = ItemText(IDC_NEW_PASSWORD);
    ApplyUserPage(m_user, fields);
    return true;
}

// The label before an edit in the template greys with it: a disabled edit
// alone hardly shows on a page.
void CUserPropPage::EnableWithLabel(int id, bool enabled)
{
    HWND edit = Item(id);
    ::EnableWindow(edit, enabled);
    HWND label = ::GetWindow(edit, GW_HWNDPREV);
    char className[16] = "";
    if (label && ::GetClassNameA(label, className, sizeof(className)) && lstrcmpiA(className, "Static") == 0)
        ::EnableWindow(label, enabled);
}

bool CUserPropPage::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
}

void CUserPropPage::Complain(UINT messageId, int focusId)
{
    ui::ShowMessage(Handle(), messageId, MB_OK | MB_ICONSTOP);
    // Until the old password is typed the new ones cannot be: that edit is next.
    HWND target = Item(focusId);
    if (!::IsWindowEnabled(target) && ::IsWindowEnabled(Item(IDC_OLD_PASSWORD)))
        target = Item(IDC_OLD_PASSWORD);
    ::SetFocus(target);
}
