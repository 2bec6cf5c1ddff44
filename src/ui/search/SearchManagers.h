#pragma once
// The Criteria, Reports and Rules managers. Criteria open the criteria sheet;
// reports and rules their own sheet. The Rules Manager also enables and
// disables rules and describes the one selected.

// Dialogs
#include "ui/dialogs/ManagerDlg.h"

class CConditionList;
class CReportList;
class CRuleList;

class CConditionsDlg : public CManagerDlg {
public:
    explicit CConditionsDlg(CConditionList& criteria);

protected:
    void OnAdd() override;
    void OnEdit() override;

private:
    CConditionList& m_criteria;
};

class CReportsDlg : public CManagerDlg {
public:
    explicit CReportsDlg(CReportList& reports);

protected:
    void OnAdd() override;
    void OnEdit() override;
    void OnButtonsUpdated() override;

private:
    CReportList& m_reports;
};

class CRulesDlg : public CManagerDlg {
public:
    explicit CRulesDlg(CRuleList& rules);

protected:
    void OnAdd() override;
    void OnEdit() override;
    void OnButtonsUpdated() override;

private:
    CRuleList& m_rules;
};

// The three managers over the application's lists; IDOK when the list was kept.
INT_PTR RunCriteriaManager(HWND owner);
INT_PTR RunReportsManager(HWND owner);
INT_PTR RunRulesManager(HWND owner);
