#pragma once
// The User Manager: the users list in a manager dialog. The default user's
// entry is drawn in bold; the default and last-selected marks travel with
// their entries, and OK stores where they ended up. A deleted profile may take
// its directory along, and always takes its key tree.

// Dialogs
#include "ui/dialogs/ManagerDlg.h"

// Standard library
#include <string>

class CSettingsStore;
class CUserList;

class CUsersDlg : public CManagerDlg {
public:
    CUsersDlg(CUserList& users, CSettingsStore& settings, std::string programDirectory);

protected:
    void OnOK() override;
    void OnAdd() override;
    void OnEdit() override;
    int ConfirmDelete(int index) override;
    bool CanDelete(int index) const override;
    LPARAM InitialMark(int index) const override;
    bool IsDefaultEntry(int index) const override;
    void OnDeleted() override;

private:
    // Settings 202 and 203 from the entries' marks.
    void StoreMarks();

    CUserList& m_users;
    CSettingsStore& m_settings;
    std::string m_programDirectory;
};
