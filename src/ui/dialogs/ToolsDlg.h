#pragma once
// The Tools Manager and the Favorites Manager: the tools or favorites in a
// manager dialog with arrows, each entry with the icon of its command, and the
// number of entries between the menu's separators. The Favorites Manager also
// decides whether the Control Panel applets join the Favorites menu.

// Dialogs
#include "ui/dialogs/ManagerDlg.h"

class CBaseObj;
class CSettingsStore;

class CListWithIconsDlg : public CManagerDlg {
public:
    CListWithIconsDlg(UINT templateId, CObjectList& list, CSettingsStore& settings, int separatorSetting);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    HIMAGELIST EntryIcons() const override;
    int EntryIcon(int index) const override;

    CSettingsStore& Settings() const { return m_settings; }
    // The selected entry's object, or null unless exactly one is selected.
    CBaseObj* SelectedObject(int* index) const;

private:
    CSettingsStore& m_settings;
    int m_separatorSetting;
};

class CToolsDlg : public CListWithIconsDlg {
public:
    CToolsDlg(CObjectList& tools, CSettingsStore& settings);

protected:
    void OnAdd() override;
    void OnEdit() override;
};

class CFavoritesDlg : public CListWithIconsDlg {
public:
    CFavoritesDlg(CObjectList& favorites, CSettingsStore& settings);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd() override;
    void OnEdit() override;
};
