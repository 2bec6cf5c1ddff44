#include "ui/dialogs/BasePropPage.h"

// Dialogs
#include "ui/dialogs/ManagerMessages.h"

void CBasePropPage::OnSetActive()
{
    ::SendMessageA(Sheet(), UWM_PAGEACTIVE, reinterpret_cast<WPARAM>(this), 0);
    OnPageActive();
}

bool CBasePropPage::OnApply()
{
    if (!OnPageOK()) return false;
    if (IsActivePage()) ::SendMessageA(Sheet(), UWM_SHEETOK, 0, 0);
    return true;
}

void CBasePropPage::OnReset()
{
    OnPageCancel();
    if (IsActivePage()) ::SendMessageA(Sheet(), UWM_SHEETCANCEL, 0, 0);
}

bool CBasePropPage::IsActivePage() const
{
    return ::SendMessageA(Sheet(), UWM_ISACTIVEPAGE, reinterpret_cast<WPARAM>(this), 0) != 0;
}
