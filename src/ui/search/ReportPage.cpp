#include "ui/search/ReportPage.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/RegistryKey.h"
#include "core/search/ConditionList.h"
#include "core/search/Rule.h"
#include "core/search/RuleActions.h"

// Framework
#include "ui/framework/MessageBox.h"

// Explorer
#include "ui/explorer/OpenFolderDlg.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

namespace {

constexpr int kMenuEntries = ID_PAGE_CRITERIA_LAST - ID_PAGE_CRITERIA_FIRST + 1;

CConditionList* CriteriaList()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    return app ? app->Criteria() : nullptr;
}

}  // namespace

CReportPage::CReportPage(CReport& report, CRule* rule, const CObjectList* list, const CBaseObj* edited)
    : CBasePropPage(rule ? IDD_RULE_PAGE : IDD_REPORT_PAGE), m_report(report), m_rule(rule), m_list(list),
      m_edited(edited)
{
    if (m_rule) {
        m_copyDestination = m_rule->Copy().destination;
        m_moveDestination = m_rule->Move().destination;
    }
}

BOOL CReportPage::OnInitDialog()
{
    // A longer name would be stored whole but read back as nothing.
    LimitText(IDC_REPORT_NAME, kMaxTextChars);
    SetItemText(IDC_REPORT_NAME, m_report.Name());
    // A window's copy keeps the name of the object it was made from.
    ::SendMessageA(Item(IDC_REPORT_NAME), EM_SETREADONLY, NameEditable() ? FALSE : TRUE, 0);
    FillCriteria(0);
    if (m_rule) {
        ::CheckDlgButton(Handle(), IDC_RULE_COPY, m_rule->Copy().On() ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(Handle(), IDC_RULE_MOVE, m_rule->Move().On() ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(Handle(), IDC_RULE_DELETE, m_rule->Delete().On() ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(Handle(), IDC_RULE_SHOW_WINDOW, m_rule->ShowWindow() ? BST_CHECKED : BST_UNCHECKED);
        ShowDestination(IDC_RULE_COPY_DEST, m_copyDestination);
        ShowDestination(IDC_RULE_MOVE_DEST, m_moveDestination);
    }
    UpdateButtons();
    EnableSheetOK(!TrimName(ItemText(IDC_REPORT_NAME)).empty());
    return TRUE;
}

bool CReportPage::OnCommand(int id, int code)
{
    if (id >= ID_PAGE_CRITERIA_FIRST && id <= ID_PAGE_CRITERIA_LAST) {
        AddFromList(id - ID_PAGE_CRITERIA_FIRST);
        return true;
    }
    switch (id) {
    case ID_PAGE_NEW_CRITERIA: AddNewCriteria(); return true;
    case IDC_REPORT_NAME:
        if (code == EN_CHANGE) EnableSheetOK(!TrimName(ItemText(IDC_REPORT_NAME)).empty());
        return true;
    case IDC_REPORT_CRITERIA:
        if (code == LBN_SELCHANGE) UpdateButtons();
        if (code == LBN_DBLCLK) EditSelected();
        return true;
    case IDC_REPORT_ADD: ShowAddMenu(); return true;
    case IDC_REPORT_EDIT: EditSelected(); return true;
    case IDC_REPORT_DELETE: DeleteSelected(); return true;
    case IDC_RULE_COPY:
    case IDC_RULE_MOVE:
        if (code == BN_CLICKED) OnActionChecked(id);
        return true;
    case IDC_RULE_COPY_DEST: ChooseDestination(IDC_RULE_COPY); return true;
    case IDC_RULE_MOVE_DEST: ChooseDestination(IDC_RULE_MOVE); return true;
    default: return CBasePropPage::OnCommand(id, code);
    }
}

void CReportPage::FillCriteria(int select)
{
    HWND list = Item(IDC_REPORT_CRITERIA);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : CriteriaListLines(m_report))
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (select >= 0 && select < m_report.CriteriaCount()) ::SendMessageA(list, LB_SETSEL, TRUE, select);
    UpdateButtons();
}

void CReportPage::UpdateButtons()
{
    const LRESULT selected = ::SendMessageA(Item(IDC_REPORT_CRITERIA), LB_GETSELCOUNT, 0, 0);
    ::EnableWindow(Item(IDC_REPORT_EDIT), selected == 1);
    ::EnableWindow(Item(IDC_REPORT_DELETE), selected > 0);
    if (!m_rule) return;
    ::EnableWindow(Item(IDC_RULE_COPY_DEST), ::IsDlgButtonChecked(Handle(), IDC_RULE_COPY) == BST_CHECKED);
    ::EnableWindow(Item(IDC_RULE_MOVE_DEST), ::IsDlgButtonChecked(Handle(), IDC_RULE_MOVE) == BST_CHECKED);
}

// The menu is made from the criteria list as it is at the click; its
// choice comes back as a command of this page.
void CReportPage::ShowAddMenu()
{
    CConditionList* criteria = CriteriaList();
    if (!criteria) return;
    HMENU menu = ::CreatePopupMenu();
    for (const MenuEntry& entry : AddCriteriaMenuItems(*criteria, ui::LoadString(IDS_NEW_CRITERIA_ITEM),
                                                       ID_PAGE_NEW_CRITERIA, ID_PAGE_CRITERIA_FIRST, kMenuEntries)) {
        if (entry.kind == MenuEntry::Kind::Separator) ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else ::AppendMenuA(menu, MF_STRING, entry.command, entry.text.c_str());
    }
    RECT button = {};
    ::GetWindowRect(Item(IDC_REPORT_ADD), &button);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.left, button.bottom, 0, Handle(),
                     nullptr);
    ::DestroyMenu(menu);
}

void CReportPage::AddFromList(int index)
{
    CConditionList* criteria = CriteriaList();
    const CCondition* chosen = criteria ? criteria->ConditionAt(index) : nullptr;
    if (!chosen) return;
    m_report.AddCriteria(*chosen);
    FillCriteria(m_report.CriteriaCount() - 1);
}

void CReportPage::AddNewCriteria()
{
    CConditionList* criteria = CriteriaList();
    if (!criteria) return;
    CCondition added;
    if (!EditCriteria(Handle(), CriteriaSheetVariant::AddCriteria, added)) return;
    // The new criteria joins the list for everyone; the report takes a copy.
    criteria->Add(std::make_unique<CCondition>(added));
    criteria->SaveAll();
    AddFromList(criteria->Count() - 1);
}

void CReportPage::EditSelected()
{
    int index = -1;
    if (::SendMessageA(Item(IDC_REPORT_CRITERIA), LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&index)) != 1) return;
    CCondition* criteria = m_report.CriteriaAt(index);
    if (!criteria || !EditCriteria(Handle(), CriteriaSheetVariant::EditCriteria, *criteria)) return;
    FillCriteria(index);
}

void CReportPage::DeleteSelected()
{
    HWND list = Item(IDC_REPORT_CRITERIA);
    for (int i = m_report.CriteriaCount() - 1; i >= 0; --i)
        if (::SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) m_report.RemoveCriteriaAt(i);
    FillCriteria(0);
}

void CReportPage::ShowDestination(int buttonId, const std::string& destination)
{
    SetItemText(buttonId, DestinationButtonText(destination, ui::LoadString(IDS_DESTINATION_NOT_SET)));
}

std::string& CReportPage::DestinationOf(int checkId)
{
    return checkId == IDC_RULE_COPY ? m_copyDestination : m_moveDestination;
}

void CReportPage::OnActionChecked(int checkId)
{
    const int buttonId = checkId == IDC_RULE_COPY ? IDC_RULE_COPY_DEST : IDC_RULE_MOVE_DEST;
    if (::IsDlgButtonChecked(Handle(), checkId) == BST_CHECKED &&
        ItemText(buttonId) == ui::LoadString(IDS_DESTINATION_NOT_SET))
        ChooseDestination(checkId);
    UpdateButtons();
}

void CReportPage::ChooseDestination(int checkId)
{
    const int buttonId = checkId == IDC_RULE_COPY ? IDC_RULE_COPY_DEST : IDC_RULE_MOVE_DEST;
    std::string& destination = DestinationOf(checkId);
    const std::string chosen = ChooseFolder(Handle(), ui::LoadString(IDS_CHOOSE_FOLDER), destination);
    if (!chosen.empty()) {
        destination = chosen;
        ShowDestination(buttonId, destination);
    } else if (ItemText(buttonId) == ui::LoadString(IDS_DESTINATION_NOT_SET)) {
        // No folder, no action.
        ::CheckDlgButton(Handle(), checkId, BST_UNCHECKED);
    }
    UpdateButtons();
}

bool CReportPage::NameAccepted()
{
    const std::string name = TrimName(ItemText(IDC_REPORT_NAME));
    if (name.empty()) return false;
    if (NameEditable() && m_list->NameExistsExcept(m_edited, name)) {
        ui::ShowMessage(Handle(), IDS_NAME_EXISTS, MB_OK | MB_ICONSTOP);
        ::SendMessageA(Item(IDC_REPORT_NAME), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_REPORT_NAME));
        return false;
    }
    return true;
}

bool CReportPage::CriteriaAccepted()
{
    if (m_report.CriteriaCount() > 0) return true;
    const UINT question = m_rule ? IDS_RULE_NEEDS_CRITERIA : IDS_REPORT_NEEDS_CRITERIA;
    if (ui::ShowMessage(Handle(), question, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return true;
    CCondition local;
    if (EditCriteria(Handle(), CriteriaSheetVariant::AddLocalCriteria, local)) {
        m_report.AddCriteria(local);
        FillCriteria(m_report.CriteriaCount() - 1);
    }
    return m_report.CriteriaCount() > 0;
}

bool CReportPage::OnPageOK()
{
    if (!NameAccepted() || !CriteriaAccepted()) return false;
    // Kept as typed: the default names start with a blank.
    m_report.SetName(ItemText(IDC_REPORT_NAME));
    if (!m_rule) return true;
    const auto checked = [this](int id) -> std::uint8_t {
        return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED ? 1 : 0;
    };
    const std::string notSet = ui::LoadString(IDS_DESTINATION_NOT_SET);
    m_rule->Copy() = {ItemText(IDC_RULE_COPY_DEST) == notSet ? std::string() : m_copyDestination,
                      checked(IDC_RULE_COPY)};
    m_rule->Move() = {ItemText(IDC_RULE_MOVE_DEST) == notSet ? std::string() : m_moveDestination,
                      checked(IDC_RULE_MOVE)};
    m_rule->Delete().enabled = checked(IDC_RULE_DELETE);
    m_rule->SetShowWindow(checked(IDC_RULE_SHOW_WINDOW) != 0);
    return true;
}
