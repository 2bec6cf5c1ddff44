#pragma once
// The File Types page of the criteria sheet and its kinds: with the name,
// Folder Types (no history) and the filter's (with "Always Add Fo&lders").

// Core
#include "core/search/CriteriaPages.h"

// Framework
#include "ui/framework/PropertySheet.h"

struct CriteriaSheetContext;

class CCriteriaFileTypesPage : public ui::PropertyPage {
public:
    CCriteriaFileTypesPage(FileTypesPageKind kind, CriteriaSheetContext& context);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnKillActive() override;
    bool OnApply() override;

private:
    static UINT TemplateOf(FileTypesPageKind kind);
    bool HasName() const { return m_kind == FileTypesPageKind::WithName; }
    bool HasHistory() const { return m_kind != FileTypesPageKind::Folders; }
    void FillLookIn();
    void ShowLookIn();
    void Browse();
    // The controls' texts and boxes into m_fields.
    void ReadFields();

    FileTypesPageKind m_kind;
    CriteriaSheetContext& m_context;
    FileTypesFields m_fields;
    LookInList m_lookIn;
};
