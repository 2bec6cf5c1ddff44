#include "ui/dialogs/RunProgram.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/MessageBox.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Windows
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

constexpr INT_PTR kLastShellError = 32;

std::function<bool(const std::string&)>& FolderTreeQuery()
{
    static std::function<bool(const std::string&)> query;
    return query;
}

HWND Owner()
{
    return CTrailmarkApp::Instance() ? CTrailmarkApp::Instance()->MainWindow() : nullptr;
}

// Invokes the default command of a name-space item, as a double click would.
bool InvokeItem(const std::string& command)
{
    ui::Pidl pidl = shell::ParsePath(command);
    if (!pidl) return false;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_IDLIST;
    info.hwnd = Owner();
    info.lpIDList = pidl.Get();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) != FALSE;
}

bool IsNameSpaceFolder(const std::string& path)
{
    if (path.empty() || shell::IsFolderPath(path)) return false;
    ui::Pidl pidl = shell::ParsePath(path);
    if (!pidl) return false;
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(reinterpret_cast<const char*>(pidl.Get()), 0, &info, sizeof(info),
                          SHGFI_PIDL | SHGFI_ATTRIBUTES))
        return false;
    return (info.dwAttributes & SFGAO_FOLDER) && !(info.dwAttributes & SFGAO_FILESYSTEM);
}

// Asks for a tool's arguments; the tool's name and command are shown.
class CToolArgumentsDlg : public ui::Dialog {
public:
    explicit CToolArgumentsDlg(const CTool& tool) : ui::Dialog(IDD_TOOL_ARGUMENTS), m_tool(tool) {}
    const std::string& Typed() const { return m_typed; }

protected:
    BOOL OnInitDialog() override
    {
        SetItemText(IDC_ARGS_TOOL_NAME, m_tool.Name());
        SetItemText(IDC_ARGS_TOOL_COMMAND, m_tool.Command());
        SetItemText(IDC_ARGS_TYPED, m_tool.Arguments());
        ::SendMessageA(Item(IDC_ARGS_TYPED), EM_LIMITTEXT, MAX_PATH, 0);
        return TRUE;
    }
    void OnOK() override
    {
        m_typed = ItemText(IDC_ARGS_TYPED);
        End(IDOK);
    }

private:
    const CTool& m_tool;
    std::string m_typed;
};

}  // namespace

bool RunProgram(const std::string& command, const std::string& arguments, const std::string& directory)
{
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(Owner(), "open", command.c_str(), arguments.empty() ? nullptr : arguments.c_str(),
                        directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL));
    if (result > kLastShellError) return true;
    if (InvokeItem(command)) return true;
    ui::ShowMessage(Owner(), IDS_RUN_FAILED, MB_OK | MB_ICONSTOP);
    return false;
}

std::optional<std::string> BrowseForFile(HWND owner, const char* filter, const std::string& title)
{
    char path[MAX_PATH] = "";
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof(open);
    open.hwndOwner = owner;
    open.lpstrFilter = filter;
    open.lpstrFile = path;
    open.nMaxFile = sizeof(path);
    open.lpstrTitle = title.empty() ? nullptr : title.c_str();
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!::GetOpenFileNameA(&open)) return std::nullopt;
    return std::string(path);
}

bool ShellCanParse(const std::string& path)
{
    return !path.empty() && static_cast<bool>(shell::ParsePath(path));
}

PathFacts SystemPathFacts()
{
    PathFacts facts;
    facts.isDirectory = [](const std::string& path) { return shell::IsFolderPath(path); };
    facts.exists = [](const std::string& path) {
        return !path.empty() && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    facts.shellParses = IsNameSpaceFolder;
    facts.searchPath = [](const std::string& name) -> std::optional<std::string> {
        char found[MAX_PATH] = "";
        const DWORD length = ::SearchPathA(nullptr, name.c_str(), kProgramExtension, sizeof(found), found, nullptr);
        if (length == 0 || length >= sizeof(found)) return std::nullopt;
        return std::string(found, length);
    };
    return facts;
}

bool OpenInFolderWindow(const std::string& path)
{
    // Only folders of the name space outside the file system travel as item
    // lists; anything else is a path the window list checks (and reports).
    if (IsNameSpaceFolder(path)) {
        ui::Pidl pidl = shell::ParsePath(path);
        return pidl && CWindowList::Instance().OpenWindow(path, WindowKind::Folder, pidl.Get(), 0) != nullptr;
    }
    return CWindowList::Instance().OpenWindow(path, WindowKind::Folder, nullptr, 0) != nullptr;
}

bool FolderTreeKnowsFolder(const std::string& path)
{
    if (FolderTreeQuery()) return FolderTreeQuery()(path);
    return shell::IsFolderPath(path);
}

void SetFolderTreeQuery(std::function<bool(const std::string&)> query)
{
    FolderTreeQuery() = std::move(query);
}

void ChooseTool(HWND owner, const CTool& tool)
{
    std::string arguments = tool.Arguments();
    switch (PlanToolLaunch(tool, SystemPathFacts())) {
    case ToolLaunch::OpenFolder: OpenInFolderWindow(tool.Command()); return;
    case ToolLaunch::PromptThenRun: {
        CToolArgumentsDlg prompt(tool);
        if (prompt.DoModal(owner) != IDOK) return;
        arguments = ArgumentsAfterPrompt(arguments, prompt.Typed());
        break;
    }
    case ToolLaunch::Run: break;
    }
    RunProgram(tool.Command(), arguments, tool.Directory());
}

void ChooseFavorite(const CFavorite& favorite)
{
    if (favorite.OpensInTrailmark()) {
        OpenInFolderWindow(favorite.Command());
        return;
    }
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(Owner(), "open", favorite.Command().c_str(), "", "", SW_SHOWNORMAL));
    if (result <= kLastShellError) ui::ShowMessage(Owner(), IDS_FAVORITE_OPEN_FAILED, MB_OK | MB_ICONSTOP);
}

void ChooseHistoryEntry(CObjectList& history, int index)
{
    const auto* entry = dynamic_cast<const CTool*>(history.At(index));
    if (!entry) return;
    if (FolderTreeKnowsFolder(entry->Command()))
        OpenInFolderWindow(entry->Command());
    else
        RunProgram(entry->Command(), entry->Arguments(), "");
    MoveToTop(history, index);
}
