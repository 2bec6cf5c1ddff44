#include "ui/search/CriteriaDatePage.h"

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

// The which-date list, in the order of the date field's values.
constexpr UINT kWhichDateTexts[] = {IDS_DATE_MODIFIED, IDS_DATE_CREATED, IDS_DATE_ACCESSED};

// The window choices, in the order of the window kind's values.
constexpr int kWindowChoices[] = {IDC_DATE_BETWEEN, IDC_DATE_MONTHS_CHOICE, IDC_DATE_DAYS_CHOICE};

constexpr int kCountChars = 2;

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

CCriteriaDatePage::CCriteriaDatePage(CriteriaSheetContext& context)
    : ui::PropertyPage(IDD_CRITERIA_DATE), m_context(context)
{
}

BOOL CCriteriaDatePage::OnInitDialog()
{
    m_fields = OpenDatePage(m_context.criteria);
    HWND which = Item(IDC_DATE_WHICH);
    for (UINT text : kWhichDateTexts)
        ::SendMessageA(which, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::LoadString(text).c_str()));
    ::SendMessageA(which, CB_SETCURSEL, m_fields.whichDate, 0);
    ShowDay(IDC_DATE_LOW, m_fields.low);
    ShowDay(IDC_DATE_HIGH, m_fields.high);
    for (int spin : {IDC_DATE_MONTHS_SPIN, IDC_DATE_DAYS_SPIN})
        ::SendMessageA(Item(spin), UDM_SETRANGE32, 0, kMaxDateCount);
    for (int box : {IDC_DATE_MONTHS, IDC_DATE_DAYS}) ::SendMessageA(Item(box), EM_LIMITTEXT, kCountChars, 0);
    SetItemText(IDC_DATE_MONTHS, std::to_string(m_fields.months));
    SetItemText(IDC_DATE_DAYS, std::to_string(m_fields.days));
    ::CheckRadioButton(Handle(), IDC_DATE_ALL, IDC_DATE_FIND, m_fields.always ? IDC_DATE_ALL : IDC_DATE_FIND);
    ::CheckRadioButton(Handle(), IDC_DATE_BETWEEN, IDC_DATE_DAYS_CHOICE, kWindowChoices[m_fields.window]);
    UpdateEnabling();
    return TRUE;
}

void CCriteriaDatePage::ShowDay(int id, const CalendarDay& day)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(day.year);
    time.wMonth = static_cast<WORD>(day.month);
    time.wDay = static_cast<WORD>(day.day);
    ::SendMessageA(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

CalendarDay CCriteriaDatePage::PickedDay(int id) const
{
    SYSTEMTIME time = {};
    if (::SendMessageA(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
        return id == IDC_DATE_LOW ? m_fields.low : m_fields.high;
    return {time.wYear, time.wMonth, time.wDay};
}

void CCriteriaDatePage::UpdateEnabling()
{
    std::uint32_t window = DateWindow::Between;
    for (std::uint32_t i = 0; i < std::size(kWindowChoices); ++i)
        if (IsChecked(Handle(), kWindowChoices[i])) window = i;
    const DateEnabling enabling = ComputeDateEnabling(IsChecked(Handle(), IDC_DATE_ALL), window);
    const struct {
        bool enable;
        int ids[4];
    } groups[] = {
        {enabling.whichDate, {IDC_DATE_WHICH, IDC_DATE_BETWEEN, IDC_DATE_MONTHS_CHOICE, IDC_DATE_DAYS_CHOICE}},
        {enabling.pickers, {IDC_DATE_LOW, IDC_DATE_HIGH, 0, 0}},
        {enabling.months, {IDC_DATE_MONTHS, IDC_DATE_MONTHS_SPIN, 0, 0}},
        {enabling.days, {IDC_DATE_DAYS, IDC_DATE_DAYS_SPIN, 0, 0}},
    };
    for (const auto& group : groups)
        for (int id : group.ids)
            if (id) ::EnableWindow(Item(id), group.enable ? TRUE : FALSE);
}

bool CCriteriaDatePage::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_DATE_ALL:
    case IDC_DATE_FIND:
    case IDC_DATE_BETWEEN:
    case IDC_DATE_MONTHS_CHOICE:
    case IDC_DATE_DAYS_CHOICE:
        if (code == BN_CLICKED) UpdateEnabling();
        return true;
    default:
        return ui::PropertyPage::OnCommand(id, code);
    }
}

void CCriteriaDatePage::ReadFields()
{
    m_fields.always = IsChecked(Handle(), IDC_DATE_ALL);
    for (std::uint32_t i = 0; i < std::size(kWindowChoices); ++i)
        if (IsChecked(Handle(), kWindowChoices[i])) m_fields.window = i;
    const LRESULT which = ::SendMessageA(Item(IDC_DATE_WHICH), CB_GETCURSEL, 0, 0);
    if (which >= 0) m_fields.whichDate = static_cast<std::uint32_t>(which);
    m_fields.low = PickedDay(IDC_DATE_LOW);
    m_fields.high = PickedDay(IDC_DATE_HIGH);
    m_fields.months = ParseCount(ItemText(IDC_DATE_MONTHS), kMaxDateCount);
    m_fields.days = ParseCount(ItemText(IDC_DATE_DAYS), kMaxDateCount);
}

bool CCriteriaDatePage::OnKillActive()
{
    ReadFields();
    const PageCheck check = LeaveDatePage(m_fields);
    if (check.Passed()) return true;
    ui::ShowMessage(Handle(), check.messageId, MB_OK | MB_ICONSTOP);
    ::SetFocus(Item(IDC_DATE_LOW));
    return false;
}

bool CCriteriaDatePage::OnApply()
{
    ReadFields();
    ApplyDatePage(m_fields, m_context.criteria);
    return true;
}
