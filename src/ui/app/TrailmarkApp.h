#pragma once
// The application object: platform checks, single instance, the profile and the
// process-wide lists at start-up, the commands that belong to no window, and
// the orderly shutdown that writes everything back.

// Core
#include "core/app/SettingsStore.h"

// Framework
#include "ui/framework/Application.h"

// Application
#include "ui/app/SingleInstanceGuard.h"

// Core
#include "core/search/FolderTableSchedule.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

// Windows
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

class CMainFrame;
class CSplashWindow;
class CObjectList;
class CUserList;
class CRecentFileList;
class CConditionList;
class CFindTypeList;
class CReportList;
class CRuleList;
class CPersonalList;
class FolderListWorker;
class IndexWatchWorker;

using GetDiskFreeSpaceExProc = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                             PULARGE_INTEGER);

// The icon files beside the program whose icons the lists show.
enum class IconFile { Up, App, FolderShare, OpenFolderShare, DriveShare, Count };

class CTrailmarkApp : public ui::Application {
public:
    CTrailmarkApp();
    ~CTrailmarkApp() override;

    static CTrailmarkApp* Instance() { return static_cast<CTrailmarkApp*>(ui::Application::Instance()); }

    bool InitInstance() override;
    int ExitInstance() override;
    // Ends the splash phase; runs once per process.
    void OnSplashDone();
    // Writes what ExitInstance writes (settings, recent folders, stored lists)
    // and keeps everything open: the session is ending and the process may
    // be ended before ExitInstance can run.
    void SaveSession();

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    CSettingsStore& Settings() const { return *m_settings; }
    CUserList* Users() const { return m_users.get(); }
    CObjectList* Favorites() const { return m_favorites.get(); }
    CObjectList* RunHistory() const { return m_runHistory.get(); }
    CObjectList* Tools() const { return m_tools.get(); }
    CConditionList* Criteria() const { return m_criteria.get(); }
    CFindTypeList* FindTypes() const { return m_findTypes.get(); }
    CReportList* Reports() const { return m_reports.get(); }
    CRuleList* Rules() const { return m_rules.get(); }
    CPersonalList* PersonalFolders() const { return m_personal.get(); }
    CObjectList* Bookmarks() const { return m_bookmarks.get(); }
    CRecentFileList& RecentFiles() const { return *m_recentFiles; }
    bool HasSettings() const { return m_settings != nullptr; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    bool IsWindowsNT() const { return m_isWindowsNT; }
    bool FreshProfile() const { return m_freshProfile; }
    bool NewInstallation() const { return m_newInstallation; }
    GetDiskFreeSpaceExProc DiskFreeSpaceEx() const { return m_getDiskFreeSpaceEx; }
    HIMAGELIST SmallImages() const { return m_smallImages; }
    HIMAGELIST LargeImages() const { return m_largeImages; }
    int IconIndex(IconFile file) const { return m_iconIndices[static_cast<std::size_t>(file)]; }
    IMalloc* ShellAllocator() const { return m_shellAllocator; }
    const std::string& ProgramDirectory() const { return m_programDirectory; }
    bool TerminateAtExit() const { return m_terminateAtExit; }
    // The Fast Find worker's state word, or null when it was not started.
    std::shared_ptr<std::atomic<int>> FastFindState() const;
    // A minute of the folder table's schedule passed: walks the disks again
    // when setting 77 says it is time.
    void FolderTableMinute();
    // The folder tree saw folders come or go on a fixed disk: enough of
    // these walk the disks at once.
    void FolderTreeChanged();
    // Walks the fixed drives into the folder table and the entry index, with
    // the index's change watches opened first where the system has them.
    // Tests pass a lister of their own drives.
    bool StartFolderListWalk(platform::DirectoryLister& lister = platform::SystemDirectoryLister());

    // Opens the command prompt ("ComSpec", else the system's own shell) in a folder.
    void CommandPromptIn(const std::string& folder) const;
    // Runs "rundll32" followed directly by the argument text (which starts with a blank).
    static void RunRundll32(const char* arguments);

    // For tests: the guard before InitInstance runs.
    SingleInstanceGuard& InstanceGuard() { return m_instanceGuard; }

private:
    bool OpenProfile();
    // Opens the folder the command line names; says so when it cannot.
    void OpenCommandLineFolder();
    // The index of the user to run as, or none when start-up must end.
    std::optional<int> ChooseUser();
    std::optional<int> OfferNewUser();
    // The new user's index, or none when the list refused it.
    std::optional<int> AddDefaultUser(bool admin);
    void CreateLists();
    void CreateStarterObjects();
    void LoadRecentFiles();
    void SaveRecentFiles();
    void TakeIconIndices();
    void TakeSystemImageLists();
    void ApplyPerformanceDefaults();
    void PlaceMainFrame();
    void EnableBackupPrivilege();
    void DestroyLists();

    // The Personal menu's commands, carried out by the Personal page.
    bool OnPersonalCommand(UINT id);
    void RunShellFile(const char* fileName);
    void OpenAddress(const std::string& address);
    // False when the user cancelled the font dialog.
    bool ChooseFont(int fontId, int colorSetting, UINT titleId);
    void RestoreDefaultFonts();

    // Fields of the application object, in order.
    std::unique_ptr<CSplashWindow> m_splash;
    SingleInstanceGuard m_instanceGuard;
    bool m_freshProfile = false;
    // The Fast Find worker, waited for at exit: it fills a process-wide table.
    std::unique_ptr<FolderListWorker> m_fastFind;
    FolderTableSchedule m_folderTableSchedule;
    UINT_PTR m_folderTableTimer = 0;
    // The entry index's change watches, stopped at exit before the index is emptied.
    std::unique_ptr<IndexWatchWorker> m_indexWatch;

    // Process-wide values.
    bool m_isWindowsNT = false;
    bool m_newInstallation = false;
    bool m_splashDone = false;
    bool m_terminateAtExit = false;
    bool m_oleInitialized = false;
    GetDiskFreeSpaceExProc m_getDiskFreeSpaceEx = nullptr;
    HIMAGELIST m_smallImages = nullptr;
    HIMAGELIST m_largeImages = nullptr;
    std::array<int, static_cast<std::size_t>(IconFile::Count)> m_iconIndices;
    IMalloc* m_shellAllocator = nullptr;
    std::string m_programDirectory;

    // Process-wide objects, destroyed in the shutdown order.
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CUserList> m_users;
    std::unique_ptr<CRuleList> m_rules;
    std::unique_ptr<CObjectList> m_favorites;
    std::unique_ptr<CObjectList> m_runHistory;
    std::unique_ptr<CConditionList> m_criteria;
    std::unique_ptr<CFindTypeList> m_findTypes;
    std::unique_ptr<CReportList> m_reports;
    std::unique_ptr<CPersonalList> m_personal;
    std::unique_ptr<CObjectList> m_tools;
    std::unique_ptr<CObjectList> m_bookmarks;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_mainFrame;
};
