#include "ui/search/PersonalDialogs.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/SettingsStore.h"
#include "core/search/CriteriaPages.h"
#include "core/search/Personal.h"

// Framework
#include "ui/framework/MessageBox.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>

namespace {

// The longest name the folder name box takes.
constexpr std::size_t kMaxFolderName = 260;

}  // namespace

CPersonalInfoPage::CPersonalInfoPage(const CPersonal& folder, std::string name)
    : ui::PropertyPage(IDD_PERSONAL_INFO), m_folder(folder), m_name(std::move(name))
{
}

BOOL CPersonalInfoPage::OnInitDialog()
{
    const std::string format = ui::LoadString(IDS_FOLDER_DATE_FORMAT);
    SetItemText(IDC_PERSONAL_INFO_NAME, m_name.empty() ? m_folder.Name() : m_name);
    SetItemText(IDC_PERSONAL_INFO_SIZE, m_folder.SizeText());
    SetItemText(IDC_PERSONAL_INFO_CONTAINS, m_folder.ContainsText());
    SetItemText(IDC_PERSONAL_INFO_CREATED, FormatPersonalTime(m_folder.Created(), format));
    SetItemText(IDC_PERSONAL_INFO_UPDATED, FormatPersonalTime(m_folder.Updated(), format));
    return TRUE;
}

CPersonalCriteriaPage::CPersonalCriteriaPage(std::vector<CCondition>& criteria, std::string folderName)
    : ui::PropertyPage(IDD_PERSONAL_CRITERIA), m_criteria(criteria), m_folderName(std::move(folderName))
{
}

BOOL CPersonalCriteriaPage::OnInitDialog()
{
    Fill(0);
    return TRUE;
}

void CPersonalCriteriaPage::Fill(int selected)
{
    HWND list = Item(IDC_PERSONAL_CRITERIA_LIST);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const CCondition& criteria : m_criteria)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(criteria.Name().c_str()));
    if (!m_criteria.empty())
        ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(std::min<std::size_t>(selected, m_criteria.size() - 1)),
                       0);
    EnableButtons();
}

void CPersonalCriteriaPage::EnableButtons()
{
    const bool chosen = ::SendMessageA(Item(IDC_PERSONAL_CRITERIA_LIST), LB_GETCURSEL, 0, 0) != LB_ERR;
    ::EnableWindow(Item(IDC_PERSONAL_CRITERIA_EDIT), chosen);
    ::EnableWindow(Item(IDC_PERSONAL_CRITERIA_DELETE), chosen);
}

bool CPersonalCriteriaPage::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_PERSONAL_CRITERIA_ADD: Add(); return true;
    case IDC_PERSONAL_CRITERIA_EDIT: Edit(); return true;
    case IDC_PERSONAL_CRITERIA_DELETE: Delete(); return true;
    case IDC_PERSONAL_CRITERIA_LIST:
        if (code == LBN_SELCHANGE) EnableButtons();
        if (code == LBN_DBLCLK) Edit();
        return true;
    default: return ui::PropertyPage::OnCommand(id, code);
    }
}

void CPersonalCriteriaPage::Add()
{
    // A criteria without a name of its own takes the folder's.
    CCondition criteria(m_folderName);
    if (!::EditCriteria(Handle(), CriteriaSheetVariant::AddLocalCriteria, criteria)) return;
    m_criteria.push_back(criteria);
    Fill(static_cast<int>(m_criteria.size()) - 1);
}

void CPersonalCriteriaPage::Edit()
{
    const LRESULT index = ::SendMessageA(Item(IDC_PERSONAL_CRITERIA_LIST), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<std::size_t>(index) >= m_criteria.size()) return;
    if (::EditCriteria(Handle(), CriteriaSheetVariant::EditCriteria, m_criteria[static_cast<std::size_t>(index)]))
        Fill(static_cast<int>(index));
}

void CPersonalCriteriaPage::Delete()
{
    const LRESULT index = ::SendMessageA(Item(IDC_PERSONAL_CRITERIA_LIST), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<std::size_t>(index) >= m_criteria.size()) return;
    m_criteria.erase(m_criteria.begin() + index);
    Fill(static_cast<int>(index));
}

CNewPersonalDlg::CNewPersonalDlg(const CPersonalList& list, UINT titleId, std::string proposal, bool criteriaButton)
    : ui::Dialog(IDD_NEW_PERSONAL), m_list(list), m_titleId(titleId), m_name(std::move(proposal)),
      m_criteriaButton(criteriaButton)
{
}

BOOL CNewPersonalDlg::OnInitDialog()
{
    ::SetWindowTextA(Handle(), ui::LoadString(m_titleId).c_str());
    LimitText(IDC_PERSONAL_NAME, kMaxFolderName);
    SetItemText(IDC_PERSONAL_NAME, m_name);
    ::SendMessageA(Item(IDC_PERSONAL_NAME), EM_SETSEL, 0, -1);
    ::SetFocus(Item(IDC_PERSONAL_NAME));
    EnableButtons();
    return FALSE;
}

void CNewPersonalDlg::EnableButtons()
{
    const bool named = !TrimName(ItemText(IDC_PERSONAL_NAME)).empty();
    ::EnableWindow(Item(IDOK), named);
    ::EnableWindow(Item(IDC_PERSONAL_CRITERIA), named && m_criteriaButton);
}

bool CNewPersonalDlg::OnCommand(int id, int code)
{
    if (id == IDC_PERSONAL_NAME && code == EN_CHANGE) {
        EnableButtons();
        return true;
    }
    if (id == IDC_PERSONAL_CRITERIA) {
        EditCriteria();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CNewPersonalDlg::EditCriteria()
{
    const std::string name = TrimName(ItemText(IDC_PERSONAL_NAME));
    if (name.empty()) return;
    // The sheet edits a copy; Cancel leaves the criteria as they were.
    const CPersonal shown(static_cast<std::uint32_t>(std::time(nullptr)));
    std::vector<CCondition> criteria = m_criteria;
    CPersonalInfoPage info(shown, name);
    CPersonalCriteriaPage page(criteria, name);
    ui::PropertySheet sheet(ui::LoadString(IDS_ADD_PERSONAL_FOLDER));
    sheet.AddPage(info);
    sheet.AddPage(page);
    sheet.SetStartPage(1);
    if (sheet.DoModal(Handle()) == IDOK) m_criteria = std::move(criteria);
}

void CNewPersonalDlg::OnOK()
{
    const std::string name = TrimName(ItemText(IDC_PERSONAL_NAME));
    if (name.empty()) return;
    if (m_list.NameExists(name)) {
        ui::ShowMessage(Handle(), IDS_FOLDER_NAME_EXISTS, MB_OK | MB_ICONSTOP);
        ::SendMessageA(Item(IDC_PERSONAL_NAME), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_PERSONAL_NAME));
        return;
    }
    m_name = name;
    End(IDOK);
}

bool ShowPersonalProperties(CPersonal& folder, CSettingsStore& store, HWND owner)
{
    // The sheet edits copies; the folder takes them only on OK.
    std::vector<CCondition> criteria;
    for (const CCondition* each : folder.CriteriaArray()) criteria.push_back(*each);
    CPersonalInfoPage info(folder, std::string());
    CPersonalCriteriaPage page(criteria, folder.Name());
    ui::PropertySheet sheet(ui::LoadString(IDS_PROPERTIES));
    sheet.AddPage(info);
    sheet.AddPage(page);
    if (sheet.DoModal(owner) != IDOK) return false;
    // A search running now works on copies of the old ones: the new ones
    // count from the next update on.
    folder.ReplaceCriteria(criteria);
    folder.SaveValues(store);
    return true;
}
