#pragma once
// The sheet of a report or rule: one page with the name, the criteria and,
// for a rule, the actions. It works on a copy that reaches the object only on
// OK; Cancel leaves the object as it was when the sheet opened.

// Dialogs
#include "ui/dialogs/ObjectSheet.h"

// Search
#include "ui/search/ReportPage.h"

// Standard library
#include <memory>

class CReport;
class CReportList;
class CRule;
class CRuleList;

class CReportSheet : public CObjectSheet {
public:
    // Edits `report` of `reports`, or a new report of the list when null.
    CReportSheet(CReportList& reports, CReport* report, bool saveAfterOk);
    // Edits `rule` of `rules`, or a new rule of the list when null.
    CReportSheet(CRuleList& rules, CRule* rule, bool saveAfterOk);
    // A window's own copy, titled "Properties", its name read-only.
    explicit CReportSheet(CReport& windowCopy);
    ~CReportSheet() override;

protected:
    void OnSheetOK() override;
    void RestoreObject(CBaseObj& object) override;

private:
    // Puts `from` into `to`, both reports or both rules.
    static void Assign(CReport& to, const CReport& from);
    void AddPage(const CObjectList* list, bool rule);

    std::unique_ptr<CReport> m_work;      // what the page edits
    std::unique_ptr<CReport> m_original;  // the object as the sheet found it
    std::unique_ptr<CReportPage> m_page;
};

// The report and rule commands of the Tools menu and the managers: each
// opens its sheet or manager over the application's lists.
bool AddReportOrRule(HWND owner, bool rule);
