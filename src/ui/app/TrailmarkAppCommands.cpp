// The commands that belong to no window.
#include "ui/app/TrailmarkApp.h"

// Core
#include "core/app/RecentFileList.h"
#include "core/app/Settings.h"
#include "core/search/Personal.h"

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/ToolCommands.h"
#include "ui/app/UserCommands.h"
#include "ui/explorer/PersonalPage.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/SearchCommands.h"
#include "ui/search/SearchDialogs.h"
#include "ui/search/ReportCommands.h"
#include "ui/search/ReportView.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>
#include <vector>

// Windows
#include <commdlg.h>
#include <shellapi.h>

namespace {

constexpr char kHelpStartup[] = "Trailmark.htm";
constexpr char kHelpMenus[] = "Menus.htm";
constexpr char kHelpOptions[] = "Options.htm";
constexpr char kBugAddress[] = "mailto:bugs@norvane.example";
constexpr char kInfoAddress[] = "mailto:info@norvane.example";
constexpr char kSupportPage[] = "http://www.norvane.example/support/";
constexpr char kHomePage[] = "http://www.norvane.example/";
constexpr char kAddRemovePrograms[] = " shell32.dll,Control_RunDLL appwiz.cpl,,1";
constexpr char kStartupDisk[] = " shell32.dll,Control_RunDLL appwiz.cpl,,3";
constexpr char kRescueDiskNT[] = "Rdisk.Exe";
// Without a focused folder the prompt opens in the root of drive C.
constexpr char kDefaultFolder[] = "C:\\";

// The arrangement setting of each Arrange-by command, in menu order.
constexpr struct {
    UINT command;
    int arrangement;
} kArrangements[] = {
    {ID_VIEW_ARRANGE_BYNAME, 0},      {ID_VIEW_ARRANGE_BYFOLDER, 1},
    {ID_VIEW_ARRANGE_BYEXTENSION, 2}, {ID_VIEW_ARRANGE_BYSIZE, 3},
    {ID_VIEW_ARRANGE_BYTYPE, 4},      {ID_VIEW_ARRANGE_BYDATE, 5},
    {ID_VIEW_ARRANGE_BYTIME, 6},      {ID_VIEW_ARRANGE_BYATTRIBUTES, 7},
};

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg() : ui::Dialog(IDD_ABOUTBOX) {}

protected:
    BOOL OnInitDialog() override
    {
        const std::string version = CSettingsStore::ProgramVersion();
        if (!version.empty()) SetItemText(IDC_ABOUT_VERSION, "Version " + version);
        return TRUE;
    }
};

// Puts the title on the font dialog, which has no field for one.
UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* choose = reinterpret_cast<const CHOOSEFONTA*>(lParam);
        ::SetWindowTextA(dialog, reinterpret_cast<const char*>(choose->lCustData));
    }
    return 0;  // the dialog's own procedure goes on
}

}  // namespace

bool CTrailmarkApp::OnCommand(UINT id)
{
    if (OnToolCommand(id)) return true;
    if (OnReportCommand(id)) return true;
    CWindowList& windows = CWindowList::Instance();
    if (id >= ID_REPORT_FIRST && id <= ID_REPORT_LAST) {
        OpenReportAt(static_cast<int>(id - ID_REPORT_FIRST));
        return true;
    }
    if (id >= ID_VIEW_LARGE_ICONS && id <= ID_VIEW_DETAILS) {
        m_settings->SetSetting(Setting::ViewMode, static_cast<int>(id - ID_VIEW_LARGE_ICONS));
        windows.CommandEveryWindow(id);
        return true;
    }
    for (const auto& entry : kArrangements) {
        if (entry.command != id) continue;
        m_settings->SetSetting(Setting::Arrangement, entry.arrangement);
        windows.CommandEveryWindow(id);
        return true;
    }
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) {
        const std::vector<std::string>& recent = m_recentFiles->Entries();
        const std::size_t index = id - ID_FILE_MRU_FILE1;
        // A copy: opening the folder may reorder the list.
        if (index < recent.size()) windows.OpenWindow(std::string(recent[index]), WindowKind::Folder, nullptr, 0);
        return true;
    }
    if (OnPersonalCommand(id)) return true;
    switch (id) {
    case ID_APP_ABOUT: {
        CAboutDlg about;
        about.DoModal(MainWindow());
        return true;
    }
    case ID_HELP_STARTUP: RunShellFile(kHelpStartup); return true;
    case ID_HELP_MENUS: RunShellFile(kHelpMenus); return true;
    case ID_HELP_OPTIONS: RunShellFile(kHelpOptions); return true;
    case ID_HELP_REPORT_BUG: ::ShellExecuteA(MainWindow(), "open", kBugAddress, nullptr, nullptr, SW_SHOWNORMAL); return true;
    case ID_HELP_REQUEST_INFO: ::ShellExecuteA(MainWindow(), "open", kInfoAddress, nullptr, nullptr, SW_SHOWNORMAL); return true;
    case ID_HELP_TECH_SUPPORT: OpenAddress(kSupportPage); return true;
    case ID_HELP_WEB_SITE: OpenAddress(kHomePage); return true;
    case ID_TOOLS_ADD_REMOVE_PROGRAMS: RunRundll32(kAddRemovePrograms); return true;
    case ID_DISK_RESCUE:
        if (m_isWindowsNT)
            ::ShellExecuteA(MainWindow(), "open", kRescueDiskNT, nullptr, nullptr, SW_SHOWNORMAL);
        else
            RunRundll32(kStartupDisk);
        return true;
    case ID_FILE_COMMAND_PROMPT: CommandPromptIn(kDefaultFolder); return true;
    case ID_TOOLS_USER_MANAGER:
        RunUserManagerCommand(MainWindow(), *m_users, *m_settings, m_programDirectory);
        return true;
    case ID_TOOLS_ADD_USER: RunAddUserCommand(MainWindow(), *m_users); return true;
    case ID_VIEW_ADDRESS_BAR: {
        const bool show = !m_settings->GetSetting(Setting::ShowAddressBar);
        m_settings->SetSetting(Setting::ShowAddressBar, show ? 1 : 0);
        windows.SetEveryWindowChecked(ID_VIEW_ADDRESS_BAR, show);
        return true;
    }
    case ID_VIEW_REFRESH_ALL:
        windows.CommandEveryWindow(ID_VIEW_REFRESH);
        if (CMainFrame* frame = MainFrame()) frame->RefreshFolderTree();
        return true;
    case ID_VIEW_FONT_TREE:
        if (ChooseFont(Setting::TreeFont, Setting::TreeFontColor, IDS_SET_TREE_VIEW_FONT))
            if (CMainFrame* frame = MainFrame()) frame->ExplorerBarWindow().ApplyTreeLook();
        return true;
    case ID_VIEW_FONT_FILES:
        if (ChooseFont(Setting::FolderFont, Setting::FolderFontColor, IDS_SET_FILES_VIEW_FONT))
            windows.TellEveryWindow(UWM_TEXTCOLORCHANGED);
        return true;
    case ID_VIEW_FONT_RESTORE:
        RestoreDefaultFonts();
        windows.TellEveryWindow(UWM_TEXTCOLORCHANGED);
        if (CMainFrame* frame = MainFrame()) frame->ExplorerBarWindow().ApplyTreeLook();
        return true;
    case ID_EDIT_QUICK_FIND: RunQuickFindCommand(MainWindow()); return true;
    case ID_EDIT_QUICK_FIND_SETTINGS: EditQuickFindSettings(MainWindow()); return true;
    case ID_EDIT_FIND: RunFindCommand(MainWindow(), false); return true;
    case ID_EDIT_FIND_FOLDER: RunFindCommand(MainWindow(), true); return true;
    case ID_EDIT_FIND_COMPUTER: RunFindComputer(MainWindow()); return true;
    default: return false;
    }
}

bool CTrailmarkApp::OnPersonalCommand(UINT id)
{
    switch (id) {
    case ID_PERSONAL_NEW:
    case ID_PERSONAL_NEW_OPEN:
    case ID_PERSONAL_UPDATE_ALL:
    case ID_PERSONAL_REMOVE_ALL:
        if (CPersonalPage* page = PersonalPage()) page->OnPageCommand(id);
        return true;
    default: return false;
    }
}

bool CTrailmarkApp::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (OnUpdateToolCommand(id, state)) return true;
    if (OnUpdateReportCommand(id, state)) return true;
    switch (id) {
    case ID_PERSONAL_NEW:
    case ID_PERSONAL_NEW_OPEN: state.enabled = m_personal != nullptr; return true;
    case ID_PERSONAL_UPDATE_ALL:
    case ID_PERSONAL_REMOVE_ALL: state.enabled = m_personal && m_personal->Count() > 0; return true;
    default: break;
    }
    if (id >= ID_REPORT_FIRST && id <= ID_REPORT_LAST) {
        state.enabled = true;
        return true;
    }
    if (id >= ID_VIEW_LARGE_ICONS && id <= ID_VIEW_DETAILS) {
        state.radio = true;
        state.checked = m_settings->GetSetting(Setting::ViewMode) == static_cast<int>(id - ID_VIEW_LARGE_ICONS);
        return true;
    }
    for (const auto& entry : kArrangements) {
        if (entry.command != id) continue;
        state.radio = true;
        state.checked = m_settings->GetSetting(Setting::Arrangement) == entry.arrangement;
        return true;
    }
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) {
        state.enabled = id - ID_FILE_MRU_FILE1 < m_recentFiles->Entries().size();
        return true;
    }
    switch (id) {
    case ID_VIEW_ADDRESS_BAR:
        state.checked = m_settings->GetSetting(Setting::ShowAddressBar) != 0;
        return true;
    case ID_APP_ABOUT: case ID_HELP_STARTUP: case ID_HELP_MENUS: case ID_HELP_OPTIONS:
    case ID_HELP_REPORT_BUG: case ID_HELP_REQUEST_INFO: case ID_HELP_TECH_SUPPORT:
    case ID_HELP_WEB_SITE: case ID_TOOLS_ADD_REMOVE_PROGRAMS: case ID_DISK_RESCUE:
    case ID_FILE_COMMAND_PROMPT: case ID_VIEW_REFRESH_ALL: case ID_VIEW_FONT_TREE:
    case ID_TOOLS_USER_MANAGER: case ID_TOOLS_ADD_USER:
    case ID_VIEW_FONT_FILES: case ID_VIEW_FONT_RESTORE:
    case ID_EDIT_QUICK_FIND: case ID_EDIT_QUICK_FIND_SETTINGS: case ID_EDIT_FIND:
    case ID_EDIT_FIND_FOLDER: case ID_EDIT_FIND_COMPUTER:
        return true;
    default:
        return false;
    }
}

void CTrailmarkApp::RunShellFile(const char* fileName)
{
    const std::string path = m_programDirectory + "\\" + fileName;
    ::ShellExecuteA(MainWindow(), "open", path.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void CTrailmarkApp::OpenAddress(const std::string& address)
{
    // The browser is the program that opens web pages on this machine.
    char browser[MAX_PATH] = "";
    const std::string probe = m_programDirectory + "\\" + kHelpStartup;
    if (reinterpret_cast<INT_PTR>(::FindExecutableA(probe.c_str(), nullptr, browser)) <= 32 ||
        !browser[0]) {
        if (reinterpret_cast<INT_PTR>(::ShellExecuteA(MainWindow(), "open", address.c_str(), nullptr,
                                                      nullptr, SW_SHOWNORMAL)) > 32)
            return;
        ui::ShowMessage(MainWindow(), IDS_BROWSER_NOT_FOUND, MB_OK | MB_ICONSTOP);
        return;
    }
    if (reinterpret_cast<INT_PTR>(::ShellExecuteA(MainWindow(), "open", browser, address.c_str(),
                                                  nullptr, SW_SHOWNORMAL)) <= 32)
        ui::ShowMessage(MainWindow(), IDS_BROWSER_FAILED, MB_OK | MB_ICONSTOP);
}

void CTrailmarkApp::RunRundll32(const char* arguments)
{
    const std::string command = std::string("rundll32") + arguments;
    ::WinExec(command.c_str(), SW_SHOW);
}

void CTrailmarkApp::CommandPromptIn(const std::string& folder) const
{
    char shell[MAX_PATH] = "";
    if (!::GetEnvironmentVariableA("ComSpec", shell, sizeof(shell)) || !shell[0])
        std::strcpy(shell, m_isWindowsNT ? "Cmd" : "Command");
    ::ShellExecuteA(MainWindow(), "Open", shell, nullptr, folder.c_str(), SW_SHOWNORMAL);
}

bool CTrailmarkApp::ChooseFont(int fontId, int colorSetting, UINT titleId)
{
    FontRecord stored{};
    m_settings->GetFontSetting(fontId, stored);
    LOGFONTA font = {};
    static_assert(sizeof(font) == kFontRecordSize, "a stored font is a LOGFONTA");
    std::memcpy(&font, stored.data(), sizeof(font));
    const std::string title = ui::LoadString(titleId);

    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = MainWindow();
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    choose.rgbColors = static_cast<COLORREF>(m_settings->GetSetting(colorSetting));
    choose.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    choose.lpfnHook = FontDialogHook;
    if (!::ChooseFontA(&choose)) return false;

    std::memcpy(stored.data(), &font, sizeof(font));
    m_settings->SetFontSetting(fontId, stored);
    m_settings->SetSetting(colorSetting, static_cast<std::int32_t>(choose.rgbColors));
    return true;
}

void CTrailmarkApp::RestoreDefaultFonts()
{
    FontRecord old{};
    m_settings->GetFontSetting(Setting::OldFont, old);
    m_settings->SetFontSetting(Setting::TreeFont, old);
    m_settings->SetFontSetting(Setting::FolderFont, old);
    const std::int32_t color = m_settings->GetSetting(Setting::OldFontColor);
    m_settings->SetSetting(Setting::TreeFontColor, color);
    m_settings->SetSetting(Setting::FolderFontColor, color);
}
