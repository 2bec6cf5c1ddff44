#pragma once
// The criteria property sheet: File Types (or Folder Types) and, in most
// variants, Size, Date and Attributes. It edits a copy; the caller's criteria
// changes only on OK.

// Core
#include "core/search/Condition.h"
#include "core/search/CriteriaPages.h"

// Framework
#include "ui/framework/PropertySheet.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

// Windows
#include <windows.h>

class CFindTypeList;

// Opens the sheet of `variant` on a copy of `criteria` and assigns the copy
// back on OK. A non-empty `presetFolder` is shown as the look-in folder (the
// folder a search was started from). `alwaysAddFolders`, for the filter
// variants, is shown and stored by their File Types page. True on OK.
bool EditCriteria(HWND owner, CriteriaSheetVariant variant, CCondition& criteria,
                  const std::string& presetFolder = std::string(), bool* alwaysAddFolders = nullptr);

// What the pages share: the copy they edit and where OK puts the patterns.
struct CriteriaSheetContext {
    CCondition criteria;
    CFindTypeList* history = nullptr;  // none: no history offered or kept
    bool alwaysAddFolders = false;
};

class CCriteriaSheet : public ui::PropertySheet {
public:
    CCriteriaSheet(CriteriaSheetVariant variant, const CCondition& criteria, CFindTypeList* history);
    ~CCriteriaSheet() override;

    // The copy as the pages left it; after OK, what the user accepted.
    const CCondition& Criteria() const { return m_context.criteria; }
    bool AlwaysAddFolders() const { return m_context.alwaysAddFolders; }
    void SetAlwaysAddFolders(bool always) { m_context.alwaysAddFolders = always; }
    void SetFolder(const std::string& folder) { m_context.criteria.SetFolder(folder); }

private:
    CriteriaSheetContext m_context;
    std::vector<std::unique_ptr<ui::PropertyPage>> m_pages;
};
