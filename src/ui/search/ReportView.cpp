#include "ui/search/ReportView.h"

// Core
#include "core/app/WindowState.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/QueryWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/ReportSheet.h"
#include "ui/search/SearchThread.h"

// Resources
#include "res/resource.h"

bool CReportView::OpenReport(const CReport& report)
{
    if (Running()) return false;
    m_report = report;
    return Start();
}

void CReportView::FillRequest(SearchRequest& request) const
{
    for (const CCondition* criteria : m_report.CriteriaArray()) request.criteria.push_back(*criteria);
}

bool CReportView::OnCommand(UINT id)
{
    switch (id) {
    case ID_REPORT_AGAIN:
        return CSearchView::OnCommand(ID_SEARCH_AGAIN);
    case ID_SEARCH_PROPERTIES: {
        // Changes this window's copy only; "Report Again" runs it.
        CReportSheet sheet(EditedCopy());
        sheet.DoModal(CTrailmarkApp::Instance()->MainWindow());
        return true;
    }
    // A report is changed in the Reports Manager, not by a new search here.
    case ID_SEARCH_NEW:
    case ID_SEARCH_AGAIN:
    case ID_SEARCH_ADD_TO_REPORTS:
        return true;
    default:
        return CSearchView::OnCommand(id);
    }
}

bool CReportView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    switch (id) {
    case ID_REPORT_AGAIN:
        return CSearchView::OnUpdateCommand(ID_SEARCH_AGAIN, state);
    case ID_SEARCH_PROPERTIES:
        state.enabled = !Running();
        return true;
    case ID_SEARCH_NEW:
    case ID_SEARCH_AGAIN:
    case ID_SEARCH_ADD_TO_REPORTS:
        state.enabled = false;
        return true;
    default:
        return CSearchView::OnUpdateCommand(id, state);
    }
}

CQueryWindow* OpenReportWindow(const CReport& report)
{
    const std::string title = report.Name() + ui::LoadString(IDS_REPORT_SUFFIX);
    auto* window = dynamic_cast<CQueryWindow*>(CWindowList::Instance().OpenWindow(title, WindowKind::Report, nullptr, 0));
    auto* view = window ? dynamic_cast<CReportView*>(window->View()) : nullptr;
    if (!view) return nullptr;
    view->OpenReport(report);
    return window;
}

bool OpenReportAt(int index)
{
    CReportList* reports = CTrailmarkApp::Instance()->Reports();
    const CReport* report = reports ? reports->ReportAt(index) : nullptr;
    if (!report || report->CriteriaCount() == 0) return false;
    return OpenReportWindow(*report) != nullptr;
}
