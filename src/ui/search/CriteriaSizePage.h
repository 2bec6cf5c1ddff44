#pragma once
// The Size page of the criteria sheet: one of four size tests, each with its
// value boxes and unit list.

// Core
#include "core/search/CriteriaPages.h"

// Framework
#include "ui/framework/PropertySheet.h"

struct CriteriaSheetContext;

class CCriteriaSizePage : public ui::PropertyPage {
public:
    explicit CCriteriaSizePage(CriteriaSheetContext& context);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnKillActive() override;
    bool OnApply() override;

private:
    std::uint32_t CheckedSelector() const;
    // Enables the boxes of the chosen test only; `focus` moves the focus to
    // its first value box.
    void UpdateEnabling(bool focus);
    void ReadFields();
    void ShowValue(int id, std::uint32_t value);

    CriteriaSheetContext& m_context;
    SizeFields m_fields;
};
