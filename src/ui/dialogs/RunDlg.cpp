#include "ui/dialogs/RunDlg.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"
#include "core/dialogs/RunHistory.h"

// Framework
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/RunProgram.h"

// Resources
#include "res/resource.h"

namespace {

constexpr int kCommandLimit = MAX_PATH;

}  // namespace

CRunDlg::CRunDlg(CObjectList& history, CObjectList& tools)
    : ui::Dialog(IDD_RUN), m_history(history), m_tools(tools)
{
}

BOOL CRunDlg::OnInitDialog()
{
    HWND box = Item(IDC_RUN_COMMAND);
    ::SendMessageA(box, CB_LIMITTEXT, kCommandLimit, 0);
    ::SendMessageA(Item(IDC_ARGUMENTS), EM_LIMITTEXT, kCommandLimit, 0);
    for (int i = 0; i < m_history.Count(); ++i) {
        const auto* entry = dynamic_cast<const CTool*>(m_history.At(i));
        if (entry) ::SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry->Command().c_str()));
    }
    if (const auto* newest = m_history.Count() > 0 ? dynamic_cast<const CTool*>(m_history.At(0)) : nullptr) {
        SetItemText(IDC_RUN_COMMAND, newest->Command());
        SetItemText(IDC_ARGUMENTS, newest->Arguments());
    }
    EnableForCommand();
    return TRUE;
}

bool CRunDlg::OnCommand(int id, int code)
{
    if (id == IDC_RUN_COMMAND && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)) {
        if (code == CBN_SELCHANGE) {
            // The edit part takes the chosen text only after this notification.
            HWND box = Item(IDC_RUN_COMMAND);
            const LRESULT index = ::SendMessageA(box, CB_GETCURSEL, 0, 0);
            if (index >= 0) {
                const auto* entry = dynamic_cast<const CTool*>(m_history.At(static_cast<int>(index)));
                if (entry) {
                    SetItemText(IDC_RUN_COMMAND, entry->Command());
                    SetItemText(IDC_ARGUMENTS, entry->Arguments());
                }
            }
        }
        EnableForCommand();
        return true;
    }
    if (id == IDC_BROWSE_COMMAND && code == BN_CLICKED) {
        Browse();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CRunDlg::EnableForCommand()
{
    const bool any = !TrimBlanks(ItemText(IDC_RUN_COMMAND)).empty();
    ::EnableWindow(Item(IDOK), any);
    ::EnableWindow(Item(IDC_ARGUMENTS), any);
}

void CRunDlg::Browse()
{
    const std::optional<std::string> program = BrowseForFile(Handle(), kProgramFilter, ui::LoadString(IDS_CHOOSE_PROGRAM));
    if (!program) return;
    SetItemText(IDC_RUN_COMMAND, *program);
    EnableForCommand();
}

void CRunDlg::OnOK()
{
    const std::string command = TrimBlanks(ItemText(IDC_RUN_COMMAND));
    if (command.empty()) return;
    const std::string arguments = ItemText(IDC_ARGUMENTS);
    const PathFacts facts = SystemPathFacts();
    if (RunOpensFolder(command, FolderTreeKnowsFolder(command), facts.exists(command))) {
        OpenInFolderWindow(command);
    } else if (!RunProgram(command, arguments, "")) {
        HWND box = Item(IDC_RUN_COMMAND);
        ::SetFocus(box);
        ::SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return;
    }
    AddToRunHistory(m_history, BuildRunEntry(command, arguments, facts));
    m_history.SaveAll();
    if (::IsDlgButtonChecked(Handle(), IDC_ADD_TO_TOOLS) == BST_CHECKED) {
        m_tools.Add(BuildRunEntry(command, arguments, facts));
        m_tools.SaveAll();
    }
    End(IDOK);
}
