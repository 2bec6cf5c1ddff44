#include "ui/dialogs/ToolDialogs.h"

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"
#include "core/dialogs/RunHistory.h"

// Framework
#include "ui/framework/FolderPicker.h"
#include "ui/framework/MessageBox.h"
#include "ui/framework/Pidl.h"

// Dialogs
#include "ui/dialogs/RunProgram.h"

// Folders
#include "ui/folders/Shell.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>

namespace {

void SetCheck(HWND dialog, int id, bool on)
{
    ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

bool Checked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// The shell's display name of a path, or "" when it has none.
std::string ShellDisplayName(const std::string& path)
{
    ui::Pidl pidl = shell::ParsePath(path);
    if (!pidl) return {};
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(reinterpret_cast<const char*>(pidl.Get()), 0, &info, sizeof(info),
                          SHGFI_PIDL | SHGFI_DISPLAYNAME))
        return {};
    return info.szDisplayName;
}

}  // namespace

CAddToolDlg::CAddToolDlg(CObjectList& tools, CTool* tool, bool saveList)
    : ui::Dialog(IDD_ADD_TOOL), m_tools(tools), m_tool(tool), m_saveList(saveList)
{
}

BOOL CAddToolDlg::OnInitDialog()
{
    for (int id : {IDC_NAME, IDC_COMMAND, IDC_INITIAL_DIR, IDC_ARGUMENTS})
        ::SendMessageA(Item(id), EM_LIMITTEXT, MAX_PATH, 0);
    if (!m_tool) return TRUE;
    ::SetWindowTextA(Handle(), ui::LoadString(IDS_EDIT_TOOL).c_str());
    SetItemText(IDC_NAME, m_tool->Name());
    SetItemText(IDC_COMMAND, m_tool->Command());
    SetItemText(IDC_INITIAL_DIR, m_tool->Directory());
    SetItemText(IDC_ARGUMENTS, m_tool->Arguments());
    SetCheck(Handle(), IDC_OPEN_INSIDE, m_tool->OpensInTrailmark());
    SetCheck(Handle(), IDC_PROMPT_ARGUMENTS, m_tool->PromptForArguments());
    return TRUE;
}

bool CAddToolDlg::OnCommand(int id, int code)
{
    if (code == BN_CLICKED && id == IDC_BROWSE_COMMAND) {
        BrowseCommand();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_BROWSE_DIRECTORY) {
        BrowseDirectory();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CAddToolDlg::BrowseCommand()
{
    if (const std::optional<std::string> program = BrowseForFile(Handle(), kProgramFilter, ui::LoadString(IDS_CHOOSE_PROGRAM)))
        SetItemText(IDC_COMMAND, *program);
}

void CAddToolDlg::BrowseDirectory()
{
    const std::optional<std::string> folder =
        ui::PickFolder(Handle(), ui::LoadString(IDS_CHOOSE_FOLDER), ItemText(IDC_INITIAL_DIR));
    if (folder) SetItemText(IDC_INITIAL_DIR, *folder);
}

void CAddToolDlg::OnOK()
{
    ToolInput input{ItemText(IDC_NAME), ItemText(IDC_COMMAND), ItemText(IDC_INITIAL_DIR), ItemText(IDC_ARGUMENTS)};
    switch (CheckToolInput(input, SystemPathFacts())) {
    case ToolCheck::InvalidPath:
        ui::ShowMessage(Handle(), IDS_PATH_INVALID, MB_OK | MB_ICONSTOP);
        ::SetFocus(Item(IDC_COMMAND));
        return;
    case ToolCheck::InvalidDirectory:
        ui::ShowMessage(Handle(), IDS_INITIAL_DIR_INVALID, MB_OK | MB_ICONSTOP);
        ::SetFocus(Item(IDC_INITIAL_DIR));
        return;
    case ToolCheck::Ok: break;
    }
    std::unique_ptr<CTool> made;
    CTool* tool = m_tool;
    if (!tool) {
        made = std::make_unique<CTool>();
        tool = made.get();
    }
    tool->SetName(input.name);
    tool->SetCommand(input.command);
    tool->SetDirectory(StoredDirectory(input.directory));
    tool->SetArguments(input.arguments);
    tool->SetPromptForArguments(Checked(Handle(), IDC_PROMPT_ARGUMENTS));
    tool->SetOpenModeByte(static_cast<std::uint8_t>(Checked(Handle(), IDC_OPEN_INSIDE) ? OpenMode::Trailmark
                                                                                        : OpenMode::Shell));
    if (made) m_tools.Add(std::move(made));
    if (m_saveList) m_tools.SaveAll();
    End(IDOK);
}

CAddFavoriteDlg::CAddFavoriteDlg(CObjectList& favorites, CFavorite* favorite, bool saveList)
    : ui::Dialog(IDD_ADD_FAVORITE), m_favorites(favorites), m_favorite(favorite), m_saveList(saveList)
{
}

BOOL CAddFavoriteDlg::OnInitDialog()
{
    ::SendMessageA(Item(IDC_NAME), EM_LIMITTEXT, MAX_PATH, 0);
    ::SendMessageA(Item(IDC_COMMAND), EM_LIMITTEXT, MAX_PATH, 0);
    if (m_favorite) {
        ::SetWindowTextA(Handle(), ui::LoadString(IDS_EDIT_FAVORITE).c_str());
        SetItemText(IDC_NAME, m_favorite->Name());
        SetItemText(IDC_COMMAND, m_favorite->Command());
        SetCheck(Handle(), IDC_OPEN_INSIDE, m_favorite->OpensInTrailmark());
    } else {
        SetCheck(Handle(), IDC_OPEN_INSIDE, true);
    }
    EnableOK();
    return TRUE;
}

bool CAddFavoriteDlg::OnCommand(int id, int code)
{
    if (id == IDC_COMMAND && code == EN_CHANGE) {
        EnableOK();
        return true;
    }
    if (id == IDC_BROWSE_COMMAND && code == BN_CLICKED) {
        Browse();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CAddFavoriteDlg::EnableOK()
{
    ::EnableWindow(Item(IDOK), ShellCanParse(TrimBlanks(ItemText(IDC_COMMAND))));
}

void CAddFavoriteDlg::Browse()
{
    const std::optional<std::string> folder =
        ui::PickFolder(Handle(), ui::LoadString(IDS_CHOOSE_FOLDER), ItemText(IDC_COMMAND));
    if (!folder) return;
    SetItemText(IDC_COMMAND, *folder);
    FillEmptyName();
    EnableOK();
}

void CAddFavoriteDlg::FillEmptyName()
{
    if (!TrimBlanks(ItemText(IDC_NAME)).empty()) return;
    SetItemText(IDC_NAME, ShellDisplayName(TrimBlanks(ItemText(IDC_COMMAND))));
}

void CAddFavoriteDlg::OnOK()
{
    const std::string path = TrimBlanks(ItemText(IDC_COMMAND));
    if (!ShellCanParse(path)) return;
    FillEmptyName();
    std::unique_ptr<CFavorite> made;
    CFavorite* favorite = m_favorite;
    if (!favorite) {
        made = std::make_unique<CFavorite>();
        favorite = made.get();
    }
    const std::string name = TrimBlanks(ItemText(IDC_NAME));
    favorite->SetName(name.empty() ? path : name);
    favorite->SetCommand(path);
    favorite->SetOpenModeByte(static_cast<std::uint8_t>(Checked(Handle(), IDC_OPEN_INSIDE) ? OpenMode::Trailmark
                                                                                            : OpenMode::Shell));
    if (made) m_favorites.Add(std::move(made));
    if (m_saveList) m_favorites.SaveAll();
    End(IDOK);
}
