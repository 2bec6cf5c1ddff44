#include "ui/app/TrailmarkApp.h"

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/app/Random.h"
#include "core/app/RecentFileList.h"
#include "core/app/Settings.h"
#include "core/app/Tool.h"
#include "core/app/UserList.h"
#include "core/dialogs/UserProfileRules.h"
#include "core/search/ConditionList.h"
#include "core/search/EntryIndex.h"
#include "core/search/FindTypeList.h"
#include "core/search/Personal.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"
#include "core/search/StarterObjects.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/Registry.h"
#include "platform/System.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/SystemFunctions.h"

// Application
#include "ui/app/CommonControlsCheck.h"
#include "ui/app/AppletCollector.h"
#include "ui/app/SplashWindow.h"
#include "ui/app/ToolCommands.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"
// After the frame's headers: the shell's headers declare a global "Folder".
#include "ui/app/FolderListThread.h"
#include "ui/app/IndexWatchThread.h"
#include "ui/folders/Shell.h"

// Dialogs
#include "ui/dialogs/ChooseUserDlg.h"
#include "ui/dialogs/LogonDlg.h"

// Search
#include "ui/search/PersonalFolder.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <cstdlib>
#include <ctime>

// Windows
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// An overlapped window that adds the document's name to its title.
constexpr DWORD kMainFrameStyle = 0x00CF8000;

constexpr const char* kIconFileNames[] = {"Up.Exe", "App.Exe", "FShare.Exe", "OFShare.Exe",
                                          "DShare.Exe"};

constexpr std::int32_t kListCapacity = 30;
// Programs offered as tools to a new profile when the system has them.
constexpr const char* kStarterTools[] = {"Notepad", "CdPlayer", "Regedit"};

constexpr UINT kMinuteMs = 60000;

// The folder table's schedule counts minutes on the interface thread.
void CALLBACK FolderTableTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (CTrailmarkApp* app = CTrailmarkApp::Instance()) app->FolderTableMinute();
}

constexpr int kMinRefreshMinutes = 5;
constexpr int kMaxRefreshMinutes = 99;
constexpr int kDefaultRefreshMinutes = 15;

// A stopped walk ends after the folder it is listing; far longer means a hung disk.
constexpr DWORD kFastFindStopWaitMs = 10000;

}  // namespace

CTrailmarkApp::CTrailmarkApp()
{
    // The profiles' names are drawn from the program's own generator; the C
    // library's serves the clipboard tags.
    SeedRandomOnce(platform::UtcMilliseconds());
    std::srand(platform::UtcMilliseconds());
    m_isWindowsNT = platform::IsWindowsNT();
    // The first Windows 95 has no GetDiskFreeSpaceExA.
    m_getDiskFreeSpaceEx = ui::SystemFunctionAs<GetDiskFreeSpaceExProc>("kernel32.dll", "GetDiskFreeSpaceExA");
    m_fastFind = std::make_unique<FolderListWorker>();
    m_indexWatch = std::make_unique<IndexWatchWorker>();
    m_iconIndices.fill(-1);
    m_programDirectory = platform::ProgramDirectory();
}

// Lists still here never went through ExitInstance: start-up failed, and what
// they hold must not be written over what the registry has.
CTrailmarkApp::~CTrailmarkApp()
{
    for (CObjectList* list : {static_cast<CObjectList*>(m_users.get()), m_favorites.get(),
                              m_runHistory.get(), static_cast<CObjectList*>(m_criteria.get()),
                              static_cast<CObjectList*>(m_findTypes.get()), m_tools.get(),
                              m_bookmarks.get()})
        if (list) list->SetSavesOnDestruction(false);
    m_mainFrame.reset();
    DestroyLists();
}

std::shared_ptr<std::atomic<int>> CTrailmarkApp::FastFindState() const
{
    return m_fastFind->State();
}

bool CTrailmarkApp::InitInstance()
{
    if (!CheckCommonControls(::GetModuleHandleA("comctl32.dll"), m_programDirectory)) return false;
    if (!m_instanceGuard.Create(InstanceHandle(), ui::LoadString(IDS_APP_TITLE))) return false;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));

    const std::string version = CSettingsStore::ProgramVersion();
    m_newInstallation = CSettingsStore::IsNewInstallation(platform::SystemRegistry(), version);
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

    if (!OpenProfile()) return false;
    LoadRecentFiles();

    m_mainFrame = std::make_unique<CMainFrame>(m_freshProfile);
    if (!m_mainFrame->Create(m_instanceGuard.Name().c_str(), ui::LoadString(IDS_APP_TITLE).c_str(),
                             kMainFrameStyle, IDR_MAINFRAME))
        return false;
    SetAccelerators(::LoadAcceleratorsA(InstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)));

    if (m_settings->GetSetting(Setting::ShowSplash)) {
        m_splash = std::make_unique<CSplashWindow>();
        if (!m_splash->Show(m_mainFrame->Handle())) m_splash.reset();
    }
    SetMainWindow(m_mainFrame->Handle());
    // An FTP program's name space on the desktop leaves threads behind that
    // keep the process from ending.
    if (CDesktopTree* tree = FolderTree())
        for (HTREEITEM item = tree->FirstChild(tree->Root()); item; item = tree->NextSibling(item))
            if (tree->IsFtpItem(item)) m_terminateAtExit = true;
    if (m_settings->GetSetting(Setting::ControlPanelFavorites)) StartAppletCollector();

    OpenCommandLineFolder();
    CWindowList& windows = CWindowList::Instance();
    if (m_settings->GetSetting(Setting::SaveDesktop) && !m_settings->GetSetting(Setting::ExplorerMode))
        windows.RestoreWindows();
    windows.SwitchMode();

    PlaceMainFrame();
    ::SendMessageA(m_mainFrame->MdiClient(), WM_MDIICONARRANGE, 0, 0);
    if (m_newInstallation)
        CSettingsStore::WriteInstallInfo(platform::SystemRegistry(), version, m_programDirectory);
    // With the splash window up, the tip waits for the splash to end.
    if (m_settings->GetSetting(Setting::ShowTips) && !m_settings->GetSetting(Setting::ShowSplash))
        ShowTipOfTheDay();
    ApplyPerformanceDefaults();
    if (m_settings->GetSetting(Setting::FastFind) == 1) StartFolderListWalk();
    m_folderTableTimer = ::SetTimer(nullptr, 0, kMinuteMs, FolderTableTimerProc);
    // The frame is up: a mode chosen in the dialog below is carried out as any
    // later change would be, the start folder's window included.
    m_mainFrame->SetStarting(false);
    if (!m_settings->GetSetting(Setting::ShowSplash) && m_freshProfile)
        ::SendMessageA(m_mainFrame->Handle(), WM_COMMAND, ID_VIEW_CHOOSE_VIEW_MODE, 0);

    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    if (m_isWindowsNT) EnableBackupPrivilege();
    return true;
}

bool CTrailmarkApp::OpenProfile()
{
    m_settings = std::make_unique<CSettingsStore>(platform::SystemRegistry(),
                                                  CSettingsStore::ProgramVersion(), m_isWindowsNT);
    m_users = std::make_unique<CUserList>(*m_settings);
    m_settings->LoadGlobalValues();
    // A damaged registry may hold no user at all: start over as a new installation would.
    if (m_newInstallation || m_users->Count() == 0) {
        if (!AddDefaultUser(true)) return false;
        m_settings->SetSetting(Setting::DefaultUser, 0);
    }

    const std::optional<int> chosen = ChooseUser();
    if (!chosen) return false;
    CUser* user = m_users->UserAt(*chosen);
    m_freshProfile = user->IsFreshUser(m_programDirectory);
    m_users->SetCurrentUser(*chosen, m_programDirectory);
    m_settings->OpenUserKeys(user->DirName());
    m_settings->LoadSystemValues();

    CreateLists();
    if (m_freshProfile) CreateStarterObjects();
    m_bookmarks = std::make_unique<CObjectList>(*m_settings, nullptr, SectionId::None,
                                                CObjectList::kNoCapacity);

    TakeIconIndices();
    TakeSystemImageLists();
    ::SHGetMalloc(&m_shellAllocator);
    return true;
}

std::optional<int> CTrailmarkApp::ChooseUser()
{
    if (m_settings->GetSetting(Setting::PromptForUser)) {
        CChooseUserDlg choose(*m_users, *m_settings);
        if (choose.DoModal(nullptr) == IDOK) return choose.ChosenIndex();
        return OfferNewUser();
    }
    // Settings from a damaged or older registry may point past the list.
    int index = UserIndexOrFirst(m_settings->GetSetting(Setting::DefaultUser), m_users->Count());
    const CUser& user = *m_users->UserAt(index);
    if (user.UsesPassword()) {
        CLogonDlg logon(user);
        if (logon.DoModal(nullptr) != IDOK) {
            const std::optional<int> created = OfferNewUser();
            if (!created) return std::nullopt;
            index = *created;
        }
    }
    m_settings->SetSetting(Setting::LastSelectedUser, 0);
    return index;
}

std::optional<int> CTrailmarkApp::OfferNewUser()
{
    const int answer = ui::ShowMessage(nullptr, IDS_CREATE_NEW_USER, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL) return std::nullopt;
    if (answer == IDNO) {
        ui::ShowMessage(nullptr, IDS_UNABLE_TO_CONTINUE, MB_OK | MB_ICONSTOP);
        return std::nullopt;
    }
    const std::optional<int> added = AddDefaultUser(false);
    // A full list takes no one more: logging on as its last user instead would
    // hand out someone else's profile.
    if (!added) ui::ShowMessage(nullptr, IDS_UNABLE_TO_CONTINUE, MB_OK | MB_ICONSTOP);
    return added;
}

std::optional<int> CTrailmarkApp::AddDefaultUser(bool admin)
{
    std::unique_ptr<CUser> user = m_users->NewUser();
    user->SetName(ui::LoadString(IDS_DEFAULT_USER));
    user->SetAdmin(admin);
    CBaseObj* added = m_users->Add(std::move(user));
    if (!added) return std::nullopt;
    m_users->SaveAll();
    return m_users->IndexOf(added);
}

void CTrailmarkApp::CreateLists()
{
    CSettingsStore& store = *m_settings;
    auto favorite = [] { return std::unique_ptr<CBaseObj>(std::make_unique<CFavorite>()); };
    auto tool = [] { return std::unique_ptr<CBaseObj>(std::make_unique<CTool>()); };
    m_rules = std::make_unique<CRuleList>(store);
    m_rules->LoadAll();
    m_favorites = std::make_unique<CObjectList>(store, favorite, SectionId::Favorites, kListCapacity);
    m_runHistory = std::make_unique<CObjectList>(store, tool, SectionId::Runs, kListCapacity);
    CUser* user = m_users->GetCurrentUser();
    m_personal = std::make_unique<CPersonalList>(
        store, m_programDirectory + "\\" + (user ? user->DirName() : std::string()),
        [] { return std::unique_ptr<CPersonal>(std::make_unique<CPersonalFolder>()); });
    m_personal->LoadAll();
    m_criteria = std::make_unique<CConditionList>(store);
    m_criteria->LoadAll();
    m_findTypes = std::make_unique<CFindTypeList>(store);
    m_findTypes->LoadAll();
    m_reports = std::make_unique<CReportList>(store);
    m_reports->LoadAll();
    m_tools = std::make_unique<CObjectList>(store, tool, SectionId::Tools, kListCapacity);
}

void CTrailmarkApp::CreateStarterObjects()
{
    m_criteria->CreateStarterCriteria();
    CreateStarterReportsAndRule(*m_criteria, *m_reports, *m_rules, ui::LoadString(IDS_ZERO_SIZED_RULE_NAME));
    CreateStarterPersonalFolders(*m_criteria, *m_personal, static_cast<std::uint32_t>(std::time(nullptr)));
    for (const char* name : kStarterTools) {
        char path[MAX_PATH] = "";
        if (!::SearchPathA(nullptr, name, ".exe", sizeof(path), path, nullptr)) continue;
        auto tool = std::make_unique<CTool>();
        tool->SetName(name);
        tool->SetCommand(path);
        tool->SetOpenModeByte(static_cast<std::uint8_t>(OpenMode::Shell));
        m_tools->Add(std::move(tool));
    }
    m_tools->SaveAll();

    std::string wallpaper;
    m_settings->GetTextSetting(Setting::Wallpaper, wallpaper);
    if (!wallpaper.empty())
        m_settings->SetTextSetting(Setting::Wallpaper, m_programDirectory + "\\" + wallpaper);
}

void CTrailmarkApp::OpenCommandLineFolder()
{
    // A plain start names nothing; a named folder opens in a folder window.
    // Anything else named is said so, and the program starts as a plain start.
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (argument.empty() || argument[0] == '/' || argument[0] == '-') continue;
        if (shell::IsFolderPath(argument) &&
            CWindowList::Instance().OpenWindow(argument, WindowKind::Folder, nullptr, 0))
            return;
        ShowOpenFolderFailed(m_mainFrame->Handle(), argument);
        return;
    }
}

void CTrailmarkApp::TakeIconIndices()
{
    // A shell that cannot read a program's own icon answers with the one all
    // programs share: that is no icon of ours, and the views then draw their
    // own from the resources.
    const int anyProgram = shell::ExecutableIcon();
    for (std::size_t i = 0; i < m_iconIndices.size(); ++i) {
        const std::string path = m_programDirectory + "\\" + kIconFileNames[i];
        if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        SHFILEINFOA info = {};
        if (::SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON) &&
            info.iIcon != anyProgram)
            m_iconIndices[i] = info.iIcon;
    }
}

void CTrailmarkApp::TakeSystemImageLists()
{
    SHFILEINFOA info = {};
    m_smallImages = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    m_largeImages = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
}

void CTrailmarkApp::ApplyPerformanceDefaults()
{
    CSettingsStore& settings = *m_settings;
    const int minutes = settings.GetSetting(Setting::FolderListRefreshMinutes);
    // A period out of range means the Performance page's values are damaged:
    // all six go back to their defaults, Fast Find off among them.
    if (minutes < kMinRefreshMinutes || minutes > kMaxRefreshMinutes) {
        settings.SetSetting(Setting::FastFind, 0);
        settings.SetSetting(Setting::IdleWhenMinimized, 1);
        settings.SetSetting(Setting::ReleaseMemoryWhenMinimized, 1);
        settings.SetSetting(Setting::RefreshOnAttributeChange, 0);
        settings.SetSetting(Setting::RefreshOnTimeChange, 0);
        settings.SetSetting(Setting::FolderListRefreshMinutes, kDefaultRefreshMinutes);
    }
}

void CTrailmarkApp::PlaceMainFrame()
{
    m_mainFrame->Place(ShowCommand());
}

// Privileges exist on NT only; Windows 95's advapi32 is not relied on for them.
void CTrailmarkApp::EnableBackupPrivilege()
{
    using OpenTokenProc = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using LookupProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, PLUID);
    using AdjustProc = BOOL(WINAPI*)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
    const auto openToken = ui::SystemFunctionAs<OpenTokenProc>("advapi32.dll", "OpenProcessToken");
    const auto lookup = ui::SystemFunctionAs<LookupProc>("advapi32.dll", "LookupPrivilegeValueA");
    const auto adjust = ui::SystemFunctionAs<AdjustProc>("advapi32.dll", "AdjustTokenPrivileges");
    HANDLE token = nullptr;
    if (!openToken || !lookup || !adjust ||
        !openToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (lookup(nullptr, "SeBackupPrivilege", &privileges.Privileges[0].Luid))
        adjust(token, FALSE, &privileges, 0, nullptr, nullptr);
    ::CloseHandle(token);
}

void CTrailmarkApp::OnSplashDone()
{
    if (m_splashDone) return;
    m_splashDone = true;
    m_splash.reset();
    if (m_settings && m_settings->GetSetting(Setting::ShowTips) && MainWindow())
        ::PostMessageA(MainWindow(), WM_COMMAND, ID_HELP_TIP_OF_THE_DAY, 0);
}

void CTrailmarkApp::LoadRecentFiles()
{
    m_recentFiles = std::make_unique<CRecentFileList>(m_settings->GetSetting(Setting::RecentFileCount));
    CRegistryKey key(platform::SystemRegistry(), platform::kHkeyCurrentUser,
                     CSettingsStore::AppKeyPath() + "\\" + CRecentFileList::kSectionName);
    m_recentFiles->Load(key);
}

void CTrailmarkApp::SaveRecentFiles()
{
    if (!m_recentFiles) return;
    CRegistryKey key(platform::SystemRegistry(), platform::kHkeyCurrentUser,
                     CSettingsStore::AppKeyPath() + "\\" + CRecentFileList::kSectionName);
    m_recentFiles->Save(key);
}

void CTrailmarkApp::FolderTableMinute()
{
    if (!m_settings || m_settings->GetSetting(Setting::FastFind) != 1) return;
    const StateWord& state = m_fastFind->State();
    const bool walkRunning = state && state->load() == WorkState::Running;
    // A search window still at work: the walk would compete with it for the disk.
    const auto& windows = CWindowList::Instance().Windows();
    const bool searching = std::any_of(windows.begin(), windows.end(), [](const CBasicWindow* window) {
        return window->Kind() != WindowKind::Folder && !window->CanCloseNow();
    });
    if (!m_folderTableSchedule.MinutePassed(m_settings->GetSetting(Setting::FolderListRefreshMinutes),
                                            walkRunning || searching))
        return;
    if (StartFolderListWalk()) m_folderTableSchedule.WalkStarted();
}

bool CTrailmarkApp::StartFolderListWalk(platform::DirectoryLister& lister)
{
    m_indexWatch->Start(lister);
    return m_fastFind->Start(m_mainFrame->RunningThreadList(), lister, m_indexWatch->Watching());
}

void CTrailmarkApp::FolderTreeChanged()
{
    if (!m_settings || m_settings->GetSetting(Setting::FastFind) != 1 || !m_fastFind) return;
    const StateWord& state = m_fastFind->State();
    const bool walkRunning = state && state->load() == WorkState::Running;
    if (!m_folderTableSchedule.FoldersChanged(walkRunning)) return;
    if (StartFolderListWalk()) m_folderTableSchedule.WalkStarted(true);
}

int CTrailmarkApp::ExitInstance()
{
    if (m_folderTableTimer) ::KillTimer(nullptr, m_folderTableTimer);
    m_folderTableTimer = 0;
    // The Fast Find worker stops at its next folder. Should it not end in
    // time, the process must end before the table it fills is destroyed.
    if (!m_fastFind->StopAndWait(kFastFindStopWaitMs)) m_terminateAtExit = true;
    // Without its watches the index would go stale: it holds nothing past here.
    if (!m_indexWatch->StopAndWait(kFastFindStopWaitMs)) m_terminateAtExit = true;
    else if (!m_terminateAtExit) CEntryIndex::Instance().Clear();
    SaveRecentFiles();
    if (m_settings) m_settings->SaveSystemValues();
    // The system's image lists are only borrowed.
    m_smallImages = nullptr;
    m_largeImages = nullptr;
    DestroyLists();
    if (m_shellAllocator) {
        m_shellAllocator->Release();
        m_shellAllocator = nullptr;
    }
    m_mainFrame.reset();
    if (m_oleInitialized) ::OleUninitialize();
    const int exitCode = ui::Application::ExitInstance();
    if (m_terminateAtExit) ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(exitCode));
    return exitCode;
}

void CTrailmarkApp::SaveSession()
{
    SaveRecentFiles();
    if (!m_settings) return;
    m_settings->SaveSystemValues();
    // The lists that save themselves when ExitInstance destroys them.
    for (CObjectList* list : {static_cast<CObjectList*>(m_users.get()), m_tools.get(),
                              m_favorites.get(), m_runHistory.get()})
        if (list && list->HasElementFactory()) list->SaveAll();
    if (m_personal) m_personal->SaveAll();
}

// Each stored list saves itself as it goes.
void CTrailmarkApp::DestroyLists()
{
    m_rules.reset();
    m_criteria.reset();
    m_bookmarks.reset();
    m_users.reset();
    m_tools.reset();
    m_reports.reset();
    m_favorites.reset();
    m_runHistory.reset();
    m_findTypes.reset();
    // The personal folders are written back as they are destroyed.
    if (m_personal) m_personal->SaveAll();
    m_personal.reset();
    m_settings.reset();
}
