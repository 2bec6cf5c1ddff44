#include "ui/search/CriteriaSheet.h"

// Core
#include "core/search/FindTypeList.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/CriteriaAttributesPage.h"
#include "ui/search/CriteriaDatePage.h"
#include "ui/search/CriteriaFileTypesPage.h"
#include "ui/search/CriteriaSizePage.h"

// Windows
#include <commctrl.h>

CCriteriaSheet::CCriteriaSheet(CriteriaSheetVariant variant, const CCondition& criteria,
                               CFindTypeList* history)
    : ui::PropertySheet(ui::LoadString(LayoutOf(variant).captionId))
{
    const CriteriaSheetLayout layout = LayoutOf(variant);
    m_context.criteria = criteria;
    m_context.history = layout.fileTypes == FileTypesPageKind::Folders ? nullptr : history;
    m_pages.push_back(std::make_unique<CCriteriaFileTypesPage>(layout.fileTypes, m_context));
    if (layout.testPages) {
        m_pages.push_back(std::make_unique<CCriteriaSizePage>(m_context));
        m_pages.push_back(std::make_unique<CCriteriaDatePage>(m_context));
        m_pages.push_back(std::make_unique<CCriteriaAttributesPage>(m_context));
    }
    for (const auto& page : m_pages) AddPage(*page);
}

CCriteriaSheet::~CCriteriaSheet() = default;

bool EditCriteria(HWND owner, CriteriaSheetVariant variant, CCondition& criteria,
                  const std::string& presetFolder, bool* alwaysAddFolders)
{
    // The start-up set has no date pickers.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);

    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CFindTypeList* history = app ? app->FindTypes() : nullptr;
    CCriteriaSheet sheet(variant, criteria, history);
    if (!presetFolder.empty()) sheet.SetFolder(presetFolder);
    if (alwaysAddFolders) sheet.SetAlwaysAddFolders(*alwaysAddFolders);
    if (sheet.DoModal(owner) != IDOK) return false;

    criteria = sheet.Criteria();
    if (alwaysAddFolders) *alwaysAddFolders = sheet.AlwaysAddFolders();
    // Nothing else writes the history back: keep it now that it has changed.
    if (history && LayoutOf(variant).fileTypes != FileTypesPageKind::Folders) history->SaveAll();
    return true;
}
