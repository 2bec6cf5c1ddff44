#include "ui/search/CriteriaFileTypesPage.h"

// Core
#include "core/search/FindTypeList.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/FolderPicker.h"
#include "ui/framework/MessageBox.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

namespace {

// The drive roots of the system, "A:\" first.
std::vector<std::string> DriveRoots()
{
    std::vector<std::string> roots;
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (drives & (1u << (letter - 'A'))) roots.push_back(std::string(1, letter) + ":\\");
    return roots;
}

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

CCriteriaFileTypesPage::CCriteriaFileTypesPage(FileTypesPageKind kind, CriteriaSheetContext& context)
    : ui::PropertyPage(TemplateOf(kind)), m_kind(kind), m_context(context)
{
}

UINT CCriteriaFileTypesPage::TemplateOf(FileTypesPageKind kind)
{
    switch (kind) {
    case FileTypesPageKind::WithName: return IDD_CRITERIA_NAMED_TYPES;
    case FileTypesPageKind::Folders: return IDD_CRITERIA_FOLDER_TYPES;
    case FileTypesPageKind::Filter: return IDD_CRITERIA_FILTER_TYPES;
    case FileTypesPageKind::Plain: break;
    }
    return IDD_CRITERIA_FILE_TYPES;
}

BOOL CCriteriaFileTypesPage::OnInitDialog()
{
    const std::vector<std::string> history =
        HasHistory() && m_context.history ? m_context.history->Texts() : std::vector<std::string>();
    m_fields = OpenFileTypesPage(m_context.criteria, history);

    HWND patterns = Item(IDC_CRITERIA_PATTERNS);
    if (HasHistory()) {
        for (const std::string& text : history)
            ::SendMessageA(patterns, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageA(patterns, CB_LIMITTEXT, kCriteriaTextLimit, 0);
    } else {
        ::SendMessageA(patterns, EM_LIMITTEXT, kCriteriaTextLimit, 0);
    }
    SetItemText(IDC_CRITERIA_PATTERNS, m_fields.patterns);

    if (HasName()) {
        ::SendMessageA(Item(IDC_CRITERIA_NAME), EM_LIMITTEXT, kCriteriaNameLimit, 0);
        SetItemText(IDC_CRITERIA_NAME, m_fields.name);
        EnableSheetOK(IsUsableCriteriaName(m_fields.name));
    }
    FillLookIn();
    ::CheckDlgButton(Handle(), IDC_CRITERIA_SUBFOLDERS, m_fields.includeSubfolders ? BST_CHECKED : BST_UNCHECKED);
    if (m_kind == FileTypesPageKind::Filter)
        ::CheckDlgButton(Handle(), IDC_CRITERIA_ALWAYS_FOLDERS,
                         m_context.alwaysAddFolders ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CCriteriaFileTypesPage::FillLookIn()
{
    m_lookIn = MakeLookInList(DriveRoots(), ui::LoadString(IDS_LOCAL_HARD_DRIVES));
    HWND box = Item(IDC_CRITERIA_LOOK_IN);
    for (const std::string& entry : m_lookIn.entries)
        ::SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ::SendMessageA(box, CB_LIMITTEXT, kCriteriaTextLimit, 0);
    ShowLookIn();
}

void CCriteriaFileTypesPage::ShowLookIn()
{
    HWND box = Item(IDC_CRITERIA_LOOK_IN);
    const int selection = LookInSelection(m_fields, m_lookIn);
    ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    if (selection < 0) SetItemText(IDC_CRITERIA_LOOK_IN, LookInText(m_fields, m_lookIn));
}

bool CCriteriaFileTypesPage::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_CRITERIA_NAME:
        if (code == EN_CHANGE) EnableSheetOK(IsUsableCriteriaName(ItemText(IDC_CRITERIA_NAME)));
        return true;
    case IDC_CRITERIA_LOOK_IN:
        if (code == CBN_SELCHANGE) {
            const LRESULT index = ::SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
            if (index >= 0) ChooseLookInEntry(m_fields, m_lookIn, static_cast<std::size_t>(index));
        } else if (code == CBN_EDITCHANGE) {
            TypeLookIn(m_fields, m_lookIn, ItemText(id));
        }
        return true;
    case IDC_CRITERIA_BROWSE:
        if (code == BN_CLICKED) Browse();
        return true;
    default:
        return ui::PropertyPage::OnCommand(id, code);
    }
}

void CCriteriaFileTypesPage::Browse()
{
    ReadFields();
    const std::optional<std::string> folder =
        ui::PickFolder(Handle(), ui::LoadString(IDS_CHOOSE_FOLDER), m_fields.folder);
    if (!folder) return;
    BrowsedLookIn(m_fields, *folder);
    ShowLookIn();
}

void CCriteriaFileTypesPage::ReadFields()
{
    if (HasName()) m_fields.name = ItemText(IDC_CRITERIA_NAME);
    m_fields.patterns = ItemText(IDC_CRITERIA_PATTERNS);
    TypeLookIn(m_fields, m_lookIn, ItemText(IDC_CRITERIA_LOOK_IN));
    m_fields.includeSubfolders = IsChecked(Handle(), IDC_CRITERIA_SUBFOLDERS);
}

bool CCriteriaFileTypesPage::OnKillActive()
{
    ReadFields();
    const PageCheck check = LeaveFileTypesPage(m_fields, platform::SystemDirectoryLister());
    if (check.Passed()) {
        if (!m_fields.localDrives) SetItemText(IDC_CRITERIA_LOOK_IN, m_fields.folder);
        return true;
    }
    ui::ShowMessage(Handle(), check.messageId, MB_OK | MB_ICONSTOP);
    HWND box = Item(IDC_CRITERIA_LOOK_IN);
    ::SetFocus(box);
    ::SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return false;
}

bool CCriteriaFileTypesPage::OnApply()
{
    ReadFields();
    ApplyFileTypesPage(m_fields, HasName(), m_context.criteria, m_context.history);
    if (m_kind == FileTypesPageKind::Filter)
        m_context.alwaysAddFolders = IsChecked(Handle(), IDC_CRITERIA_ALWAYS_FOLDERS);
    return true;
}
