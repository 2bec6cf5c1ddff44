#include "ui/frame/ChooseViewModeDlg.h"

// Resources
#include "res/resource.h"

CChooseViewModeDlg::CChooseViewModeDlg(bool explorerMode)
    : ui::Dialog(IDD_CHOOSE_VIEW_MODE), m_explorerMode(explorerMode)
{
}

BOOL CChooseViewModeDlg::OnInitDialog()
{
    ::CheckRadioButton(Handle(), IDC_VIEW_MODE_EXPLORER, IDC_VIEW_MODE_WINDOWS,
                       m_explorerMode ? IDC_VIEW_MODE_EXPLORER : IDC_VIEW_MODE_WINDOWS);
    return TRUE;
}

void CChooseViewModeDlg::OnOK()
{
    m_explorerMode = ::IsDlgButtonChecked(Handle(), IDC_VIEW_MODE_EXPLORER) == BST_CHECKED;
    ui::Dialog::OnOK();
}
