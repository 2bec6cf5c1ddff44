#pragma once
// The page of a report or rule: its name and its own criteria, and for a rule
// the actions with their destination folders. It edits the sheet's working
// copy; nothing reaches the list's object before OK.

// Dialogs
#include "ui/dialogs/BasePropPage.h"

// Standard library
#include <string>

class CBaseObj;
class CObjectList;
class CReport;
class CRule;

class CReportPage : public CBasePropPage {
public:
    // `rule` is `report` itself when a rule is edited, else null. `list` and
    // `edited` decide whether the name is taken (none: the name is read-only).
    CReportPage(CReport& report, CRule* rule, const CObjectList* list, const CBaseObj* edited);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnPageOK() override;

private:
    bool NameEditable() const { return m_list != nullptr; }
    void FillCriteria(int select);
    void UpdateButtons();
    void ShowAddMenu();
    void AddFromList(int index);
    void AddNewCriteria();
    void EditSelected();
    void DeleteSelected();
    bool NameAccepted();
    bool CriteriaAccepted();
    // A destination button and its action.
    void ShowDestination(int buttonId, const std::string& destination);
    void OnActionChecked(int checkId);
    void ChooseDestination(int checkId);
    std::string& DestinationOf(int checkId);

    CReport& m_report;
    CRule* m_rule;
    const CObjectList* m_list;
    const CBaseObj* m_edited;
    std::string m_copyDestination;
    std::string m_moveDestination;
};
