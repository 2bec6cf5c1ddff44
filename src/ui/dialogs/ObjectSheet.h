#pragma once
// The property sheet that adds or edits one object of a list. The caller fills
// the parameters record; a sheet given no object edits a new one of the
// concrete kind, which joins the list only on OK.

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/PropertySheet.h"

// Standard library
#include <cstdint>
#include <memory>

// Windows
#include <windows.h>

class CBaseObj;
class CObjectList;

// The section id of a sheet whose object reloads from nowhere.
inline constexpr int kNoSheetSection = SectionId::Count;

struct ObjectSheetParams {
    CBaseObj* object = nullptr;  // none: the sheet makes a new object
    CObjectList* list = nullptr;
    int sectionId = kNoSheetSection;
    UINT titleId = 0;
    std::uint32_t extra = 0;
    bool saveAfterOk = false;
    bool applyButton = false;    // the sheet's style: with an Apply button
    bool editingExisting = false;  // set by the sheet: an object was given
};

class CObjectSheet : public ui::PropertySheet {
public:
    // `newObject` is used only when the record gives no object.
    CObjectSheet(const ObjectSheetParams& params, std::unique_ptr<CBaseObj> newObject);
    ~CObjectSheet() override;

    // Runs the sheet, then its OK or Cancel processing; IDOK or IDCANCEL.
    INT_PTR DoModal(HWND parent) override;

    // The object edited; after OK on a new object, the list holds it.
    CBaseObj* Object() const { return m_object; }
    const ObjectSheetParams& Params() const { return m_params; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnSheetOK();
    virtual void OnSheetCancel();
    // Puts an existing object back as it was before the sheet opened; the
    // default reloads it from its record.
    virtual void RestoreObject(CBaseObj& object);

private:
    enum class Outcome { None, Ok, Cancel };

    ObjectSheetParams m_params;
    std::unique_ptr<CBaseObj> m_newObject;
    CBaseObj* m_object;
    WPARAM m_activePage = 0;
    Outcome m_outcome = Outcome::None;
};
