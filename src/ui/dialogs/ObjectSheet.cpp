#include "ui/dialogs/ObjectSheet.h"

// Core
#include "core/app/ObjectList.h"

// Framework
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/ManagerMessages.h"

CObjectSheet::CObjectSheet(const ObjectSheetParams& params, std::unique_ptr<CBaseObj> newObject)
    : ui::PropertySheet(ui::LoadString(params.titleId)), m_params(params)
{
    m_params.editingExisting = params.object != nullptr;
    if (!m_params.editingExisting) m_newObject = std::move(newObject);
    m_object = m_params.editingExisting ? params.object : m_newObject.get();
    SetContextHelp(true);
    SetApplyButton(m_params.applyButton);
}

CObjectSheet::~CObjectSheet() = default;

INT_PTR CObjectSheet::DoModal(HWND parent)
{
    m_outcome = Outcome::None;
    const INT_PTR result = ui::PropertySheet::DoModal(parent);
    // Pages after the active one hear OK after it: the list is touched only
    // once every page has had its say and the sheet is gone.
    if (result == IDOK && m_outcome == Outcome::Ok) {
        OnSheetOK();
        return IDOK;
    }
    OnSheetCancel();
    return IDCANCEL;
}

LRESULT CObjectSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_PAGEACTIVE:
        m_activePage = wParam;
        return 0;
    case UWM_ISACTIVEPAGE:
        return wParam == m_activePage ? TRUE : FALSE;
    case UWM_SHEETOK:
        m_outcome = Outcome::Ok;
        return 0;
    case UWM_SHEETCANCEL:
        m_outcome = Outcome::Cancel;
        return 0;
    default:
        return ui::PropertySheet::WindowProc(message, wParam, lParam);
    }
}

void CObjectSheet::OnSheetOK()
{
    if (!m_params.list) return;
    if (m_newObject) m_object = m_params.list->Add(std::move(m_newObject));
    if (m_params.saveAfterOk) m_params.list->SaveAll();
}

void CObjectSheet::OnSheetCancel()
{
    if (m_params.editingExisting && m_object) RestoreObject(*m_object);
    m_newObject.reset();
    if (!m_params.editingExisting) m_object = nullptr;
}

void CObjectSheet::RestoreObject(CBaseObj& object)
{
    if (m_params.list) object.Reload(m_params.list->Store(), m_params.sectionId);
}
