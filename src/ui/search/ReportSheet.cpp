#include "ui/search/ReportSheet.h"

// Core
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

ObjectSheetParams SheetParams(CObjectList* list, CBaseObj* object, UINT titleId, bool saveAfterOk)
{
    ObjectSheetParams params;
    params.object = object;
    params.list = list;
    params.sectionId = list ? list->Section() : kNoSheetSection;
    params.titleId = titleId;
    params.saveAfterOk = saveAfterOk;
    return params;
}

std::unique_ptr<CReport> CopyOf(const CReport& report)
{
    if (const auto* rule = dynamic_cast<const CRule*>(&report)) return std::make_unique<CRule>(*rule);
    return std::make_unique<CReport>(report);
}

}  // namespace

CReportSheet::CReportSheet(CReportList& reports, CReport* report, bool saveAfterOk)
    : CObjectSheet(SheetParams(&reports, report, report ? IDS_EDIT_REPORT_TITLE : IDS_ADD_REPORT_TITLE, saveAfterOk),
                   report ? nullptr : reports.MakeReport())
{
    AddPage(&reports, false);
}

CReportSheet::CReportSheet(CRuleList& rules, CRule* rule, bool saveAfterOk)
    : CObjectSheet(SheetParams(&rules, rule, rule ? IDS_EDIT_RULE_TITLE : IDS_ADD_RULE_TITLE, saveAfterOk),
                   rule ? nullptr : rules.MakeRule())
{
    AddPage(&rules, true);
}

CReportSheet::CReportSheet(CReport& windowCopy)
    : CObjectSheet(SheetParams(nullptr, &windowCopy, IDS_PROPERTIES, false), nullptr)
{
    AddPage(nullptr, dynamic_cast<CRule*>(&windowCopy) != nullptr);
}

CReportSheet::~CReportSheet() = default;

void CReportSheet::AddPage(const CObjectList* list, bool rule)
{
    const auto& object = static_cast<const CReport&>(*Object());
    m_work = CopyOf(object);
    m_original = CopyOf(object);
    CRule* workRule = rule ? dynamic_cast<CRule*>(m_work.get()) : nullptr;
    m_page = std::make_unique<CReportPage>(*m_work, workRule, list, Object());
    CObjectSheet::AddPage(*m_page);
}

void CReportSheet::Assign(CReport& to, const CReport& from)
{
    auto* toRule = dynamic_cast<CRule*>(&to);
    const auto* fromRule = dynamic_cast<const CRule*>(&from);
    if (toRule && fromRule) *toRule = *fromRule;
    else to = from;
}

void CReportSheet::OnSheetOK()
{
    if (auto* report = dynamic_cast<CReport*>(Object())) Assign(*report, *m_work);
    CObjectSheet::OnSheetOK();
}

// The stored record may be older than the object (an earlier edit accepted in
// the same manager, not yet saved) or belong to no object at all: the copy
// taken at the start is what the object was.
void CReportSheet::RestoreObject(CBaseObj& object)
{
    if (auto* report = dynamic_cast<CReport*>(&object)) Assign(*report, *m_original);
}

bool AddReportOrRule(HWND owner, bool rule)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CObjectList* list = rule ? static_cast<CObjectList*>(app->Rules()) : static_cast<CObjectList*>(app->Reports());
    if (!list) return false;
    const bool full = rule ? app->Rules()->IsFull() : app->Reports()->IsFull();
    if (full) {
        // The manager is where room is made.
        if (ui::ShowMessage(owner, IDS_LIST_FULL, MB_YESNO) == IDYES)
            ::SendMessageA(app->MainWindow(), WM_COMMAND, rule ? ID_TOOLS_RULES_MANAGER : ID_TOOLS_REPORTS_MANAGER, 0);
        return false;
    }
    if (rule) {
        CReportSheet sheet(*app->Rules(), nullptr, true);
        return sheet.DoModal(owner) == IDOK;
    }
    CReportSheet sheet(*app->Reports(), nullptr, true);
    return sheet.DoModal(owner) == IDOK;
}
