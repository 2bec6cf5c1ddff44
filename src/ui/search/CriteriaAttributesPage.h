#pragma once
// The Attributes page of the criteria sheet: all files, or files with any of
// the ticked attributes.

// Core
#include "core/search/CriteriaPages.h"

// Framework
#include "ui/framework/PropertySheet.h"

struct CriteriaSheetContext;

class CCriteriaAttributesPage : public ui::PropertyPage {
public:
    explicit CCriteriaAttributesPage(CriteriaSheetContext& context);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnApply() override;

private:
    void UpdateEnabling();

    CriteriaSheetContext& m_context;
};
