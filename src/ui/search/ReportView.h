#pragma once
// CReportView: the files view of a report window. It holds its own copy of
// the report and searches over all of the copy's criteria in order; a file
// that two criteria find is listed once.

// Core
#include "core/search/Report.h"

// Search
#include "ui/search/SearchView.h"

class CReportView : public CSearchView {
public:
    explicit CReportView(CQueryWindow* window) : CSearchView(window) {}

    // Copies the report and searches over its criteria; false while a search runs.
    bool OpenReport(const CReport& report);
    const CReport& Report() const { return m_report; }

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

protected:
    void FillRequest(SearchRequest& request) const override;
    // The copy that "Properties..." edits and the next search runs over.
    virtual CReport& EditedCopy() { return m_report; }
    std::string PersonalNameProposal() const override { return m_report.Name(); }
    std::vector<CCondition> PersonalCriteria() const override
    {
        std::vector<CCondition> criteria;
        for (const CCondition* each : m_report.CriteriaArray()) criteria.push_back(*each);
        return criteria;
    }

private:
    CReport m_report;
};

// Opens a report window titled with the report's name and " Report" and
// starts its search; null when no window could be opened.
CQueryWindow* OpenReportWindow(const CReport& report);
// The Reports commands: opens the report at `index` of the reports list when
// it holds a criteria.
bool OpenReportAt(int index);
