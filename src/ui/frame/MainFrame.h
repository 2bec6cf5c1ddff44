#pragma once
// The program's top-level window: the multiple-document frame with its menu
// bar, document area and status bar.

// Core
#include "core/app/WindowState.h"
#include "core/frame/WindowRules.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/MdiFrame.h"

// Folders
#include "ui/folders/RunningThreads.h"

// Explorer
#include "ui/explorer/ExplorerBar.h"

// Frame
#include "ui/frame/FlatToolBar.h"
#include "ui/frame/MenuPainter.h"
#include "ui/frame/SubClassFrameWnd.h"
#include "ui/frame/WindowTaskBar.h"

// Standard library
#include <string>
#include <vector>

// Timers of the frame.
// The notification-area icon of a frame minimized to the tray.
inline constexpr UINT kTrayIconId = 1000;

inline constexpr UINT_PTR kClockTimerId = 1002;
inline constexpr UINT_PTR kStatusTimerId = 1003;
inline constexpr UINT_PTR kSplashTimerId = 1004;
inline constexpr UINT kClockPeriodMs = 1000;
inline constexpr UINT kStatusPeriodMs = 100;
inline constexpr UINT kSplashDelayMs = 3500;
inline constexpr UINT_PTR kCloseRetryTimerId = 1106;
inline constexpr UINT kCloseRetryMs = 1000;

// Messages the frame takes.
inline constexpr UINT WM_STATUS_PROMPT_MODE = WM_USER + 1047;  // wParam 0 on, 1 off
inline constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1112;         // the tray icon's callback
// lParam of a window's title change (UWM_WINDOWTITLECHANGED) when its icon changed too.
inline constexpr LPARAM kTitleAndIconChanged = 1;

class CBasicWindow;

class CMainFrame : public ui::MdiFrame {
public:
    explicit CMainFrame(bool freshProfile);

    bool IsStarting() const { return m_starting; }
    void SetStarting(bool starting) { m_starting = starting; }
    bool IsClosing() const { return m_closing; }
    bool FreshProfile() const { return m_freshProfile; }
    CSubClassFrameWnd& DocumentArea() { return m_documentArea; }
    CWindowTaskBar& TaskBar() { return m_taskBar; }
    bool TaskbarVisible() const { return m_taskBar.IsVisible(); }
    // Shows or hides the window taskbar; minimized windows are hidden while it shows.
    void ShowTaskbar(bool show);

    // The explorer bar: its commands, the bookmarks' commands and menus.
    CExplorerBar& ExplorerBarWindow() { return m_explorerBar; }
    bool ExplorerBarVisible() const { return m_explorerBar.IsVisible(); }
    void ShowExplorerBar(bool show);
    // Makes a bookmark of the active window with the number (0..8).
    void CreateBookmark(int number);
    // Activates the bookmark's window, or opens its folder again.
    void RestoreBookmark(int number);
    // Document windows tell the bookmarks and the folder tree of their life.
    void OnDocumentOpened(CBasicWindow* window);
    void OnDocumentClosed(CBasicWindow* window);
    void OnDocumentNavigated(CBasicWindow* window);
    void OnDocumentRenamed(CBasicWindow* window, const std::string& oldPath);
    // A folder was renamed (from the tree, or the view of `told`, which has
    // followed already): the folder tree and the other folder windows on the
    // folder or below it take the new path.
    void OnFolderRenamed(const std::string& oldPath, const std::string& newPath, CBasicWindow* told);
    // The folder windows whose folder is the path or lies below it.
    std::vector<CBasicWindow*> FolderWindowsAtOrBelow(const std::string& path) const;
    // Selects the active window's folder in the folder tree.
    void SyncFolderTree();
    // Lists the folder tree again (Refresh All), its open folders marked.
    void RefreshFolderTree();
    // Empties the Recycle Bin through the folder tree's item, then the
    // tree's Recycle Bin items and the windows that show them list again.
    void EmptyRecycleBin();
    void RefreshRecycleBin();

    // Shows or takes away the Window menu (it has no place in Explorer mode).
    void ShowWindowMenu(bool show);
    // Sets setting 13 and changes the window mode; the old value comes back
    // when the change fails.
    bool ApplyWindowMode(int explorerMode);

    // Places the frame with its saved or default rectangle and show state; a
    // program started minimized without activation stays so.
    void Place(int startShowCommand);

    ui::CommandTarget* NextCommandTarget() override;
    // Commands go to the explorer bar's page while its tree has the focus,
    // else to the active document window's view first.
    ui::CommandTarget* FirstCommandTarget() override;
    // The active window's chain (the frame's when none is open).
    ui::CommandTarget* WindowCommandTarget();
    // The running operation threads (file operations, folder deletion, the
    // folder list, personal-folder updates).
    const RunningThreadsPtr& RunningThreadList() const { return m_runningThreads; }
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

protected:
    bool OnCreate() override;
    void OnClose() override;
    void OnTimer(UINT_PTR id) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool InitMenuPopup(HMENU menu) override;
    CMenuPainter& MenuPainter() { return m_menuPainter; }
    void ShowMenuPrompt(UINT id, UINT flags) override;

private:
    // Minimizing: into the notification area with setting 52, at idle
    // priority with setting 74, with the working set released with 75.
    void OnMinimize();
    void OnRestoredFromMinimized();
    void OnTrayNotify(LPARAM mouseMessage);
    void OnActivateApp(bool active);
    // The user logs off or the system shuts down: the process may be ended at
    // any moment after this returns, so everything is saved now.
    void OnEndSession();
    bool AddTrayIcon();
    void RemoveTrayIcon();

    static std::string HelpFilePath();
    // The help index has nothing to show without the help file.
    void RemoveMissingHelpIndex();
    void OnContextMenu(HWND window, POINT point);
    bool IsTaskbarPart(HWND window) const;

    // Window commands, the Window menu and closing with the windows.
    WindowFacts CurrentWindowFacts() const;
    void FillWindowMenu();
    bool OnWindowCommand(UINT id);
    bool OnUpdateWindowCommand(UINT id, ui::CommandState& state);
    void ChooseViewMode();
    void OnTaskbarCommand();
    bool CloseWindowsForShutdown();

    // The menus rebuilt each time they open.
    void FindRunTimeMenus();
    void FillRunTimeMenu(HMENU menu);
    void FillGoMenu();
    void FillFavoritesMenu();
    // The Tools menu's "Create Report" item as a popup of the reports.
    void FillReportsPopup(HMENU menu);
    void AppendSpecialFolders(HMENU menu, bool drawn);
    void AppendControlPanel(HMENU menu, bool drawn);
    // The menu of the document area's background; the taskbar's has no
    // special folders.
    void ShowDocumentAreaMenu(POINT point, bool specialFolders = true);
    void TrimDiskMenu();

    // Puts the recent folders in place of the menu's recent-folder items.
    void FillRecentFiles(HMENU menu);
    void LayoutStatusPanes();
    void UpdateClock();
    void CaptureFontsAtFirstUse();
    // Reads the frame's saved placement and sizes the hidden frame to it.
    void LoadPlacement();
    // Writes the frame's placement to the "Desktop" section.
    void SaveDesktop();
    // What closing saves before the windows close: the desktop and the taskbar's state.
    void SaveForClose();

    // The document area with its own background; first of the frame's parts.
    CSubClassFrameWnd m_documentArea;
    CWindowTaskBar m_taskBar;
    bool m_freshProfile;
    // The frame's own record: rectangle and show state, saved and restored.
    WindowState m_frameState;
    // The text of the recent-folder item while the list is empty.
    std::string m_recentPlaceholder;
    bool m_starting = true;
    bool m_closing = false;
    // The status bar's date and time panes.
    int m_datePane = 2;
    int m_timePane = 3;
    bool m_inTray = false;
    CMenuPainter m_menuPainter;
    HMENU m_diskMenu = nullptr;
    HMENU m_goMenu = nullptr;
    HMENU m_favoritesMenu = nullptr;
    HMENU m_windowMenu = nullptr;
    int m_windowFixedCount = 0;
    int m_goFixedCount = 0;
    bool m_diskMenuTrimmed = false;
    bool m_minimized = false;
    // Set while the windows are told of a renamed folder: their own reports come back here.
    bool m_followingRename = false;

    // The explorer bar and the bookmarks (their own file).
    bool CreateExplorerBar();
    bool OnExplorerBarCommand(UINT id);
    bool OnUpdateExplorerBarCommand(UINT id, ui::CommandState& state);
    void FillBookmarkMenus(HMENU menu);
    // The messages for the explorer bar and its tree (focus, device changes,
    // drags over the frame); true with `result` set when one was handled.
    bool OnExplorerBarMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The keys go to the tree of the bar's current page, when the bar shows.
    void FocusExplorerBar();
    // Volumes came or went, or a disk changed: the folder tree follows.
    void OnDeviceChange(WPARAM event, LPARAM record);
    // A drag over the frame's own drop target, handed to the active folder window.
    LRESULT PassDragToActiveWindow(UINT message, WPARAM wParam, LPARAM lParam);
    // Registered on the frame while it exists.
    ui::ComPtr<IDropTarget> m_dropTarget;
    // A menu that the command shows, under its toolbar button; gives the chosen command, or 0.
    UINT ChooseFromMenu(HMENU menu, UINT command);
    void ShowBookmarksList();
    // The folders shown in windows are marked in the folder tree.
    void MarkOpenFolders();
    CExplorerBar m_explorerBar;
    HMENU m_createBookmarkMenu = nullptr;
    HMENU m_restoreBookmarkMenu = nullptr;

    // Panes 0 and 1 show the active folder window's texts.
    void UpdateFolderStatusPanes();
    RunningThreadsPtr m_runningThreads = std::make_shared<RunningThreads>();

    // The Edit menu's Search popup holds only the commands the active query
    // window carries out; it is rebuilt from the resource's items when the
    // Edit menu opens.
    void FillSearchPopup(HMENU menu);
    HMENU m_searchMenu = nullptr;
    std::vector<MenuEntry> m_searchEntries;

public:
    // The toolbars (their own file): the seven bars, their commands, drop-down
    // buttons, menus and saved places.
    CMainToolBar& MainToolBar() { return m_mainToolBar; }
    CDrivesToolBar& DrivesToolBar() { return m_drivesToolBar; }
    // The bar of a toggle command (59392, 32867..32871, 33333), or null.
    CFlatToolBar* ToolBarOf(UINT toggleCommand);
    // Writes every toolbar's place to the "Toolbars" section.
    void SaveToolBarStates();
    // The menu of the toolbar list (323), its items updated (the caller destroys it).
    HMENU NewBarsMenu();
    // The menu a drop-down button opens (Views, Sort, Run, the windows list,
    // the bookmarks), or null for the history buttons (the caller destroys it).
    HMENU NewDropDownMenu(UINT command);

private:
    bool CreateToolBars();
    void LoadToolBarStates();
    bool OnToolBarCommand(UINT id);
    bool OnUpdateToolBarCommand(UINT id, ui::CommandState& state);
    void OnToolBarDropDown(CFlatToolBar& bar, UINT command, const RECT& button);
    void UpdateToolBarButtons();
    void OnDrivesDeviceChange(WPARAM event, LPARAM data);
    // Shows a menu under a toolbar button and carries out the chosen command.
    void TrackUnderButton(HMENU menu, const RECT& button);
    CMainToolBar m_mainToolBar;
    CAppToolBar m_editToolBar;
    CAppToolBar m_explorerToolBar;
    CAppToolBar m_windowsToolBar;
    CAppToolBar m_toolsToolBar;
    CAppToolBar m_personalToolBar;
    CDrivesToolBar m_drivesToolBar;
};
