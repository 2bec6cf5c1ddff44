#include "ui/dialogs/UsersDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UserFiles.h"
#include "core/app/UserList.h"
#include "core/dialogs/ManagerList.h"

// Framework
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/UserSheet.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

CUsersDlg::CUsersDlg(CUserList& users, CSettingsStore& settings, std::string programDirectory)
    : CManagerDlg(IDD_USER_MANAGER, users),
      m_users(users),
      m_settings(settings),
      m_programDirectory(std::move(programDirectory))
{
}

void CUsersDlg::OnOK()
{
    StoreMarks();
    CManagerDlg::OnOK();
}

void CUsersDlg::StoreMarks()
{
    std::vector<int> marks;
    for (int i = 0; i < EntryCount(); ++i) marks.push_back(static_cast<int>(EntryMark(i)));
    const MarkedUserPositions positions = PositionsFromMarks(marks);
    m_settings.SetSetting(Setting::DefaultUser, positions.defaultIndex);
    if (positions.lastSelectedIndex)
        m_settings.SetSetting(Setting::LastSelectedUser, *positions.lastSelectedIndex);
}

void CUsersDlg::OnAdd()
{
    CUserSheet sheet(m_users, nullptr, false);
    if (sheet.DoModal(Handle()) == IDOK) AppendEntry(UserMark::None);
}

void CUsersDlg::OnEdit()
{
    const std::vector<int> selected = SelectedEntries();
    if (selected.size() != 1) return;
    CUserSheet sheet(m_users, m_users.UserAt(selected.front()), false);
    if (sheet.DoModal(Handle()) == IDOK) RefreshEntry(selected.front());
}

int CUsersDlg::ConfirmDelete(int index)
{
    const CUser* user = m_users.UserAt(index);
    if (!user) return IDNO;
    const int answer = ui::ShowMessage(Handle(), ui::LoadString(IDS_CONFIRM_DELETE_USER) + user->Name() + "?",
                                       MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer != IDYES || user->IsFreshUser(m_programDirectory)) return answer;

    const int files = ui::ShowMessage(Handle(), IDS_REMOVE_USER_FILES, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (files == IDCANCEL) return IDCANCEL;
    if (files == IDYES) DeleteUserFiles(m_programDirectory, user->DirName());
    m_settings.DeleteUserKey(user->DirName());
    return IDYES;
}

bool CUsersDlg::CanDelete(int index) const
{
    const CUser* user = m_users.UserAt(index);
    return user && !user->IsCurrent();
}

LPARAM CUsersDlg::InitialMark(int index) const
{
    const std::vector<int> marks =
        MakeUserMarks(m_users.Count(), m_settings.GetSetting(Setting::DefaultUser),
                      m_settings.GetSetting(Setting::LastSelectedUser));
    return marks[static_cast<std::size_t>(index)];
}

bool CUsersDlg::IsDefaultEntry(int index) const
{
    return (EntryMark(index) & UserMark::Default) != 0;
}

// The list on disk has lost the deleted users: the two indices into it must
// follow at once, or the next start would pick someone else's profile.
void CUsersDlg::OnDeleted()
{
    m_users.SaveAll();
    StoreMarks();
}
