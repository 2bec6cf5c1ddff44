#include "ui/search/CriteriaAttributesPage.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Resources
#include "res/resource.h"

namespace {

struct AttributeBox {
    int id;
    bool AttributeFields::*flag;
};

constexpr AttributeBox kBoxes[] = {
    {IDC_ATTR_READ_ONLY, &AttributeFields::readOnly}, {IDC_ATTR_ARCHIVE, &AttributeFields::archive},
    {IDC_ATTR_SYSTEM, &AttributeFields::system},      {IDC_ATTR_HIDDEN, &AttributeFields::hidden},
    {IDC_ATTR_DIRECTORY, &AttributeFields::directory},
};

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

CCriteriaAttributesPage::CCriteriaAttributesPage(CriteriaSheetContext& context)
    : ui::PropertyPage(IDD_CRITERIA_ATTRIBUTES), m_context(context)
{
}

BOOL CCriteriaAttributesPage::OnInitDialog()
{
    const AttributeFields fields = OpenAttributesPage(m_context.criteria);
    ::CheckRadioButton(Handle(), IDC_ATTR_ALL, IDC_ATTR_TYPED, fields.allFiles ? IDC_ATTR_ALL : IDC_ATTR_TYPED);
    for (const AttributeBox& box : kBoxes)
        ::CheckDlgButton(Handle(), box.id, fields.*box.flag ? BST_CHECKED : BST_UNCHECKED);
    UpdateEnabling();
    return TRUE;
}

void CCriteriaAttributesPage::UpdateEnabling()
{
    const BOOL typed = IsChecked(Handle(), IDC_ATTR_TYPED) ? TRUE : FALSE;
    for (const AttributeBox& box : kBoxes) ::EnableWindow(Item(box.id), typed);
}

bool CCriteriaAttributesPage::OnCommand(int id, int code)
{
    if (id == IDC_ATTR_ALL || id == IDC_ATTR_TYPED) {
        if (code == BN_CLICKED) UpdateEnabling();
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}

bool CCriteriaAttributesPage::OnApply()
{
    AttributeFields fields;
    fields.allFiles = IsChecked(Handle(), IDC_ATTR_ALL);
    for (const AttributeBox& box : kBoxes) fields.*box.flag = IsChecked(Handle(), box.id);
    ApplyAttributesPage(fields, m_context.criteria);
    return true;
}
