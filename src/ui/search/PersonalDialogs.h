#pragma once
// The dialogs of one personal folder: the new personal folder dialog with
// its "Add Personal Folder" sheet, and the folder's property page.

// Core
// Before the shell's headers, which declare a global "Folder".
#include "core/app/WindowState.h"
#include "core/search/Condition.h"

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/PropertySheet.h"

// Standard library
#include <string>
#include <vector>

class CPersonal;
class CPersonalList;
class CSettingsStore;

// Name, size, contents and the two dates of a folder.
class CPersonalInfoPage : public ui::PropertyPage {
public:
    CPersonalInfoPage(const CPersonal& folder, std::string name);

protected:
    BOOL OnInitDialog() override;

private:
    const CPersonal& m_folder;
    std::string m_name;  // the typed name of a folder not made yet
};

// The criteria a new folder searches: added, edited and deleted here, kept
// by the caller only when the sheet ends with OK.
class CPersonalCriteriaPage : public ui::PropertyPage {
public:
    CPersonalCriteriaPage(std::vector<CCondition>& criteria, std::string folderName);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

private:
    void Fill(int selected);
    void Add();
    void Edit();
    void Delete();
    void EnableButtons();

    std::vector<CCondition>& m_criteria;
    std::string m_folderName;
};

// "Create New Personal Folder" or "Open New Personal Folder": the name of a
// new folder (unique among the list's) and, through "&Criteria...", its
// criteria.
class CNewPersonalDlg : public ui::Dialog {
public:
    CNewPersonalDlg(const CPersonalList& list, UINT titleId, std::string proposal, bool criteriaButton = true);

    const std::string& Name() const { return m_name; }
    const std::vector<CCondition>& Criteria() const { return m_criteria; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void EnableButtons();
    void EditCriteria();

    const CPersonalList& m_list;
    UINT m_titleId;
    std::string m_name;
    bool m_criteriaButton;
    std::vector<CCondition> m_criteria;
};

// The folder's property sheet: what it holds, and its criteria, which the
// folder takes on OK (saved at once, searched by its next update). False
// when cancelled.
bool ShowPersonalProperties(CPersonal& folder, CSettingsStore& store, HWND owner);
