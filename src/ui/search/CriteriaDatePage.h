#pragma once
// The Date page of the criteria sheet: all files, or files whose chosen date
// lies between two days or within the previous months or days.

// Core
#include "core/search/CriteriaPages.h"

// Framework
#include "ui/framework/PropertySheet.h"

struct CriteriaSheetContext;

class CCriteriaDatePage : public ui::PropertyPage {
public:
    explicit CCriteriaDatePage(CriteriaSheetContext& context);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnKillActive() override;
    bool OnApply() override;

private:
    void UpdateEnabling();
    void ReadFields();
    CalendarDay PickedDay(int id) const;
    void ShowDay(int id, const CalendarDay& day);

    CriteriaSheetContext& m_context;
    DateFields m_fields;
};
