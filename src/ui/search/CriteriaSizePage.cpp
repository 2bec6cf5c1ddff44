#include "ui/search/CriteriaSizePage.h"

// Framework
#include "ui/framework/MessageBox.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Resources
#include "res/resource.h"

// Windows
#include <commctrl.h>

// Standard library
#include <string>

namespace {

// One test's row of controls; 0 where the row has no such control.
struct SizeRow {
    std::uint32_t kind;
    int choice;
    int value;      // low, or high for "smaller than"
    int valueSpin;
    int second;     // high of "between"
    int secondSpin;
    int unit;
};

constexpr SizeRow kRows[] = {
    {SizeKind::None, IDC_SIZE_ALL, 0, 0, 0, 0, 0},
    {SizeKind::Equal, IDC_SIZE_EQUAL, IDC_SIZE_EQUAL_VALUE, IDC_SIZE_EQUAL_SPIN, 0, 0, IDC_SIZE_EQUAL_UNIT},
    {SizeKind::Greater, IDC_SIZE_GREATER, IDC_SIZE_GREATER_VALUE, IDC_SIZE_GREATER_SPIN, 0, 0,
     IDC_SIZE_GREATER_UNIT},
    {SizeKind::Smaller, IDC_SIZE_SMALLER, IDC_SIZE_SMALLER_VALUE, IDC_SIZE_SMALLER_SPIN, 0, 0,
     IDC_SIZE_SMALLER_UNIT},
    {SizeKind::Between, IDC_SIZE_BETWEEN, IDC_SIZE_BETWEEN_LOW, IDC_SIZE_BETWEEN_LOW_SPIN,
     IDC_SIZE_BETWEEN_HIGH, IDC_SIZE_BETWEEN_HIGH_SPIN, IDC_SIZE_BETWEEN_UNIT},
};

// Enough characters for the largest value the spin buttons take.
constexpr int kValueChars = 10;

}  // namespace

CCriteriaSizePage::CCriteriaSizePage(CriteriaSheetContext& context)
    : ui::PropertyPage(IDD_CRITERIA_SIZE), m_context(context)
{
}

void CCriteriaSizePage::ShowValue(int id, std::uint32_t value) { SetItemText(id, std::to_string(value)); }

BOOL CCriteriaSizePage::OnInitDialog()
{
    m_fields = OpenSizePage(m_context.criteria);
    const std::string units[] = {ui::LoadString(IDS_UNIT_KB), ui::LoadString(IDS_UNIT_MB)};
    for (const SizeRow& row : kRows) {
        if (row.kind == SizeKind::None) continue;
        const CSizeCondition& test = m_fields.tests[row.kind];
        for (const std::string& unit : units)
            ::SendMessageA(Item(row.unit), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit.c_str()));
        ::SendMessageA(Item(row.unit), CB_SETCURSEL, test.unit, 0);
        for (int spin : {row.valueSpin, row.secondSpin}) {
            if (spin) ::SendMessageA(Item(spin), UDM_SETRANGE32, 0, kMaxSizeValue);
        }
        for (int box : {row.value, row.second}) {
            if (box) ::SendMessageA(Item(box), EM_LIMITTEXT, kValueChars, 0);
        }
        ShowValue(row.value, row.kind == SizeKind::Smaller ? test.high : test.low);
        if (row.second) ShowValue(row.second, test.high);
    }
    ::CheckRadioButton(Handle(), IDC_SIZE_ALL, IDC_SIZE_BETWEEN, kRows[m_fields.selector].choice);
    UpdateEnabling(false);
    return TRUE;
}

std::uint32_t CCriteriaSizePage::CheckedSelector() const
{
    for (const SizeRow& row : kRows)
        if (::IsDlgButtonChecked(Handle(), row.choice) == BST_CHECKED) return row.kind;
    return SizeKind::None;
}

void CCriteriaSizePage::UpdateEnabling(bool focus)
{
    const std::uint32_t selector = CheckedSelector();
    for (const SizeRow& row : kRows) {
        const BOOL enable = row.kind == selector ? TRUE : FALSE;
        for (int id : {row.value, row.valueSpin, row.second, row.secondSpin, row.unit}) {
            if (id) ::EnableWindow(Item(id), enable);
        }
        if (focus && enable && row.value) {
            ::SetFocus(Item(row.value));
            ::SendMessageA(Item(row.value), EM_SETSEL, 0, -1);
        }
    }
}

bool CCriteriaSizePage::OnCommand(int id, int code)
{
    for (const SizeRow& row : kRows) {
        if (row.choice != id) continue;
        if (code == BN_CLICKED) UpdateEnabling(true);
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}

void CCriteriaSizePage::ReadFields()
{
    m_fields.selector = CheckedSelector();
    for (const SizeRow& row : kRows) {
        if (row.kind == SizeKind::None) continue;
        CSizeCondition& test = m_fields.tests[row.kind];
        const LRESULT unit = ::SendMessageA(Item(row.unit), CB_GETCURSEL, 0, 0);
        test.unit = unit == SizeUnit::Megabytes ? SizeUnit::Megabytes : SizeUnit::Kilobytes;
        const std::uint32_t value = ParseCount(ItemText(row.value), kMaxSizeValue);
        if (row.kind == SizeKind::Smaller)
            test.high = value;
        else
            test.low = value;
        if (row.second) test.high = ParseCount(ItemText(row.second), kMaxSizeValue);
    }
}

bool CCriteriaSizePage::OnKillActive()
{
    ReadFields();
    const PageCheck check = LeaveSizePage(m_fields);
    ShowValue(IDC_SIZE_SMALLER_VALUE, m_fields.tests[SizeKind::Smaller].high);
    if (check.Passed()) return true;
    ui::ShowMessage(Handle(), check.messageId, MB_OK | MB_ICONSTOP);
    ::SetFocus(Item(IDC_SIZE_BETWEEN_LOW));
    ::SendMessageA(Item(IDC_SIZE_BETWEEN_LOW), EM_SETSEL, 0, -1);
    return false;
}

bool CCriteriaSizePage::OnApply()
{
    ReadFields();
    ApplySizePage(m_fields, m_context.criteria);
    return true;
}
