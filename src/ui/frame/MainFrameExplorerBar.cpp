// The frame's side of the explorer bar and the bookmarks: showing, docking
// and floating the bar, its tabs, and the bookmark commands and menus.

#include "ui/frame/MainFrame.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/folders/FileDetails.h"
#include "core/folders/OperationRules.h"
#include "core/frame/BookMarks.h"
#include "core/frame/TreeRules.h"

// Framework
#include "ui/framework/MessageBox.h"
#include "ui/framework/SystemFunctions.h"

// Explorer
#include "ui/explorer/BookMarksDlg.h"
#include "ui/explorer/OpenFolderDlg.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Dialogs and workers the bar answers
#include "ui/dialogs/OptionsSheet.h"
#include "ui/folders/FolderOperThread.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/FrameDropTarget.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Windows
#include <dbt.h>

// Standard library
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

// The disk whose window is told when the Recycle Bin changes.
constexpr char kFirstDiskRoot[] = "C:\\";

bool InRange(UINT id, UINT first, UINT last) { return id >= first && id <= last; }

std::string FormatItem(UINT formatId, const std::string& text, int number)
{
    char item[MAX_PATH + 32] = "";
    std::snprintf(item, sizeof(item), ui::LoadString(formatId).c_str(), text.c_str(), number);
    return item;
}

bool FullPathTitles()
{
    return CTrailmarkApp::Instance()->Settings().GetSetting(Setting::FullPathInTitle) != 0;
}

bool ActiveWindowTakesBookmarks()
{
    CBasicWindow* active = CWindowList::Instance().Active();
    return active && CanBookmarkKind(active->Kind());
}

}  // namespace

bool CMainFrame::CreateExplorerBar()
{
    if (!m_explorerBar.Create(*this)) return false;
    // The parts that ask the folder tree, or tell it of changes, go through the
    // bar's free functions, which answer nothing once the bar is gone.
    SetTreeRefreshHook(FolderTreeOperationDone);
    SetExplorerBarOptionsListener([](const std::set<int>& changed) {
        if (CExplorerBar* bar = ExplorerBar()) bar->ApplyOptions(changed);
    });
    m_explorerBar.Show(true);
    m_explorerBar.LoadState();
    m_dropTarget = ui::ComPtr<IDropTarget>::Attach(new FrameDropTarget(Handle()));
    if (FAILED(::RegisterDragDrop(Handle(), m_dropTarget.Get()))) m_dropTarget = {};
    return true;
}

void CMainFrame::ShowExplorerBar(bool show)
{
    m_explorerBar.Show(show);
    if (show && m_explorerBar.CurrentTab() == ExplorerTab::Desktop) m_explorerBar.DesktopPage().OnShown();
}

UINT CMainFrame::ChooseFromMenu(HMENU menu, UINT command)
{
    // Under the command's button of the Edit toolbar, as its drop-down;
    // while the toolbar is hidden, at the pointer.
    POINT point;
    ::GetCursorPos(&point);
    if (m_editToolBar.Handle() && ::IsWindowVisible(m_editToolBar.Handle())) {
        const RECT button = m_editToolBar.ButtonScreenRect(command);
        if (button.right > button.left) point = {button.left, button.bottom};
    }
    return ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(),
                            nullptr);
}

void CMainFrame::CreateBookmark(int number)
{
    CBasicWindow* active = CWindowList::Instance().Active();
    CBookMarkList* list = BookmarkList();
    if (!active || !list || !CanBookmarkKind(active->Kind())) return;
    CBookMark* mark = list->Add(std::make_unique<CBookMark>(active->Path(), active, active->Kind(), number));
    if (mark) m_explorerBar.BookmarksPage().AddItem(*mark);
}

void CMainFrame::RestoreBookmark(int number)
{
    CBookMarkList* list = BookmarkList();
    CBookMark* mark = list ? list->FindByNumber(number) : nullptr;
    const bool explorerMode = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ExplorerMode) != 0;
    switch (RestoreStepFor(mark, explorerMode)) {
    case RestoreStep::ActivateWindow:
        CWindowList::Instance().ActivateWindow(static_cast<CBasicWindow*>(mark->Window()));
        break;
    case RestoreStep::OpenWindow: {
        const std::string path = mark->Path();
        const WindowKind kind = mark->Kind();
        CBasicWindow* window = CWindowList::Instance().OpenWindow(path, kind, nullptr, 0);
        // The window may have replaced the bookmark's list while it opened.
        if (CBookMark* still = list->FindByNumber(number)) still->SetWindow(window);
        break;
    }
    case RestoreStep::Nothing:
        break;
    }
}

void CMainFrame::ShowBookmarksList()
{
    CBookMarksDlg dialog;
    dialog.DoModal(Handle());
    ::SetFocus(Handle());
}

void CMainFrame::FillBookmarkMenus(HMENU menu)
{
    CBookMarkList* list = BookmarkList();
    // The first time the Edit menu opens, its two bookmark items become popups.
    for (UINT id : {static_cast<UINT>(ID_EDIT_CREATE_BOOKMARK), static_cast<UINT>(ID_EDIT_RESTORE_BOOKMARK)}) {
        char text[64] = "";
        if (!::GetMenuStringA(menu, id, text, sizeof(text), MF_BYCOMMAND)) continue;
        HMENU popup = ::CreatePopupMenu();
        ::ModifyMenuA(menu, id, MF_BYCOMMAND | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text);
        (id == ID_EDIT_CREATE_BOOKMARK ? m_createBookmarkMenu : m_restoreBookmarkMenu) = popup;
    }
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        HMENU sub = ::GetSubMenu(menu, i);
        if (sub == m_createBookmarkMenu)
            ::EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (ActiveWindowTakesBookmarks() ? MF_ENABLED : MF_GRAYED));
        if (sub == m_restoreBookmarkMenu)
            ::EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (list && list->Count() ? MF_ENABLED : MF_GRAYED));
    }
    if (menu == m_createBookmarkMenu) {
        while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
        const std::string word = ui::LoadString(IDS_BOOKMARK);
        for (int n = 0; n < kBookmarkCount; ++n)
            ::AppendMenuA(menu, MF_STRING, ID_BOOKMARK_CREATE_FIRST + static_cast<UINT>(n),
                          FormatItem(IDS_CREATE_BOOKMARK_FORMAT, word, n + 1).c_str());
    }
    if (menu == m_restoreBookmarkMenu && list) {
        while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
        for (CBookMark* mark : list->InNumberOrder())
            ::AppendMenuA(menu, MF_STRING, ID_BOOKMARK_RESTORE_FIRST + static_cast<UINT>(mark->Number()),
                          FormatItem(IDS_RESTORE_BOOKMARK_FORMAT, mark->DisplayText(FullPathTitles()), mark->Number() + 1)
                              .c_str());
    }
}

bool CMainFrame::OnExplorerBarCommand(UINT id)
{
    CBookMarkList* list = BookmarkList();
    if (InRange(id, ID_BOOKMARK_CREATE_FIRST, ID_BOOKMARK_CREATE_LAST)) {
        CreateBookmark(static_cast<int>(id - ID_BOOKMARK_CREATE_FIRST));
        return true;
    }
    if (InRange(id, ID_BOOKMARK_RESTORE_FIRST, ID_BOOKMARK_RESTORE_LAST)) {
        RestoreBookmark(static_cast<int>(id - ID_BOOKMARK_RESTORE_FIRST));
        return true;
    }
    switch (id) {
    case ID_VIEW_EXPLORER:
    case ID_VIEW_EXPLORER_BAR:
        ShowExplorerBar(!m_explorerBar.IsVisible());
        return true;
    case ID_VIEW_PERSONAL_TAB:
        m_explorerBar.ToggleTab(ExplorerTab::Personal);
        return true;
    case ID_VIEW_BOOKMARKS_TAB:
        m_explorerBar.ToggleTab(ExplorerTab::Bookmarks);
        return true;
    case ID_VIEW_FAVORITES_TAB:
        m_explorerBar.ToggleTab(ExplorerTab::Favorites);
        return true;
    case ID_EXPLORER_ALIGN_LEFT:
        m_explorerBar.DockLeft();
        return true;
    case ID_EXPLORER_ALIGN_RIGHT:
        m_explorerBar.DockRight();
        return true;
    case ID_EXPLORER_FLOAT:
        m_explorerBar.FloatBar();
        return true;
    case ID_EXPLORER_TABS_AT_TOP: {
        CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
        settings.SetSetting(Setting::TabsAtBottom, settings.GetSetting(Setting::TabsAtBottom) ? 0 : 1);
        m_explorerBar.PlaceTabs();
        return true;
    }
    case ID_FILE_OPEN: {
        const std::string path = ChooseFolder(Handle(), ui::LoadString(IDS_OPEN_FOLDER_TITLE));
        if (!path.empty()) CWindowList::Instance().OpenWindow(path, WindowKind::Folder, nullptr, 0);
        return true;
    }
    case ID_BOOKMARK_CREATE: {
        if (!list || !ActiveWindowTakesBookmarks()) return true;
        int number = list->FirstFreeNumber();
        if (number == kNoBookmark) {
            // All nine are used: the user picks the one to replace.
            HMENU menu = ::CreatePopupMenu();
            const std::string word = ui::LoadString(IDS_BOOKMARK);
            for (int n = 0; n < kBookmarkCount; ++n)
                ::AppendMenuA(menu, MF_STRING, ID_BOOKMARK_CREATE_FIRST + static_cast<UINT>(n),
                              FormatItem(IDS_CREATE_BOOKMARK_FORMAT, word, n + 1).c_str());
            const UINT chosen = ChooseFromMenu(menu, ID_BOOKMARK_CREATE);
            ::DestroyMenu(menu);
            if (!chosen) return true;
            number = static_cast<int>(chosen - ID_BOOKMARK_CREATE_FIRST);
        }
        CreateBookmark(number);
        return true;
    }
    case ID_BOOKMARK_RESTORE: {
        if (!list || list->Count() == 0) return true;
        if (list->Count() == 1) {
            RestoreBookmark(list->MarkAt(0)->Number());
            return true;
        }
        HMENU menu = ::CreatePopupMenu();
        for (CBookMark* mark : list->InNumberOrder())
            ::AppendMenuA(menu, MF_STRING, ID_BOOKMARK_RESTORE_FIRST + static_cast<UINT>(mark->Number()),
                          mark->DisplayText(FullPathTitles()).c_str());
        const UINT chosen = ChooseFromMenu(menu, ID_BOOKMARK_RESTORE);
        ::DestroyMenu(menu);
        if (chosen) RestoreBookmark(static_cast<int>(chosen - ID_BOOKMARK_RESTORE_FIRST));
        return true;
    }
    case ID_EDIT_BOOKMARKS_LIST:
        if (list && list->Count() > 0) ShowBookmarksList();
        return true;
    case ID_GO_SYNCHRONIZE:
        SyncFolderTree();
        return true;
    case ID_DISK_EMPTY_RECYCLE_BIN:
        EmptyRecycleBin();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateExplorerBarCommand(UINT id, ui::CommandState& state)
{
    CBookMarkList* list = BookmarkList();
    const bool haveBookmarks = list && list->Count() > 0;
    if (InRange(id, ID_BOOKMARK_CREATE_FIRST, ID_BOOKMARK_CREATE_LAST)) {
        state.enabled = ActiveWindowTakesBookmarks();
        return true;
    }
    if (InRange(id, ID_BOOKMARK_RESTORE_FIRST, ID_BOOKMARK_RESTORE_LAST)) {
        state.enabled = list && list->FindByNumber(static_cast<int>(id - ID_BOOKMARK_RESTORE_FIRST));
        return true;
    }
    switch (id) {
    case ID_VIEW_EXPLORER:
    case ID_VIEW_EXPLORER_BAR:
        state.checked = m_explorerBar.IsVisible();
        return true;
    case ID_VIEW_PERSONAL_TAB:
        state.checked = m_explorerBar.IsTabShown(ExplorerTab::Personal);
        return true;
    case ID_VIEW_BOOKMARKS_TAB:
        state.checked = m_explorerBar.IsTabShown(ExplorerTab::Bookmarks);
        return true;
    case ID_VIEW_FAVORITES_TAB:
        state.checked = m_explorerBar.IsTabShown(ExplorerTab::Favorites);
        return true;
    case ID_EXPLORER_ALIGN_LEFT:
    case ID_EXPLORER_ALIGN_RIGHT:
        state.radio = true;
        state.checked = !m_explorerBar.IsFloating() &&
                        (m_explorerBar.Side() == ui::DockSide::Left) == (id == ID_EXPLORER_ALIGN_LEFT);
        return true;
    case ID_EXPLORER_FLOAT:
        state.enabled = !m_explorerBar.IsFloating();
        return true;
    case ID_EXPLORER_TABS_AT_TOP:
        state.checked = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::TabsAtBottom) == 0;
        return true;
    case ID_FILE_OPEN:
        return true;
    case ID_BOOKMARK_CREATE:
        state.enabled = ActiveWindowTakesBookmarks();
        return true;
    case ID_BOOKMARK_RESTORE:
    case ID_EDIT_BOOKMARKS_LIST:
        state.enabled = haveBookmarks;
        return true;
    case ID_GO_SYNCHRONIZE: {
        CBasicWindow* active = CWindowList::Instance().Active();
        state.enabled = active && active->Kind() == WindowKind::Folder;
        return true;
    }
    case ID_DISK_EMPTY_RECYCLE_BIN:
        return true;
    default:
        return false;
    }
}

void CMainFrame::MarkOpenFolders()
{
    CDesktopTree* tree = FolderTree();
    if (!tree || m_closing) return;
    std::vector<std::string> paths;
    for (CBasicWindow* window : CWindowList::Instance().Windows())
        if (window->Kind() == WindowKind::Folder) paths.push_back(window->Path());
    tree->SetOpenFolders(paths);
}

void CMainFrame::SyncFolderTree()
{
    CBasicWindow* active = CWindowList::Instance().Active();
    CDesktopTree* tree = FolderTree();
    if (active && tree && active->Kind() == WindowKind::Folder) tree->SelectPath(active->Path());
}

void CMainFrame::RefreshFolderTree()
{
    if (CDesktopTree* tree = FolderTree()) tree->RefreshAll();
    MarkOpenFolders();
}

void CMainFrame::EmptyRecycleBin()
{
    CDesktopTree* tree = FolderTree();
    const bool emptied = tree ? tree->EmptyRecycleBin(Handle()) : ui::EmptyRecycleBin(Handle());
    if (emptied) RefreshRecycleBin();
}

void CMainFrame::RefreshRecycleBin()
{
    CDesktopTree* tree = FolderTree();
    if (!tree || m_closing) return;
    std::vector<std::string> shown = tree->RefreshRecycleBin();
    shown.push_back(kFirstDiskRoot);
    const bool explorerMode = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ExplorerMode) != 0;
    for (CBasicWindow* window : CWindowList::Instance().Windows()) {
        if (window->Kind() != WindowKind::Folder) continue;
        bool showsOne = false;
        for (const std::string& path : shown)
            showsOne = showsOne || fileops::SameFolder(window->Path(), path) ||
                       (path.find('\\') != std::string::npos && fileops::SameFolder(window->Path(), FolderPartOf(path)));
        if (!showsOne) continue;
        ::PostMessageA(window->Handle(), UWM_VIEWFORWARD2, UWM_REFRESHVIEW, 0);
        if (!explorerMode) ::PostMessageA(window->Handle(), UWM_REFRESHTITLE, 0, 0);
    }
}

void CMainFrame::OnDocumentOpened(CBasicWindow* window)
{
    if (CBookMarkList* list = BookmarkList()) list->AttachWindow(window->Path(), window->Kind(), window);
    MarkOpenFolders();
    CDesktopTree* tree = FolderTree();
    if (tree && window->Kind() == WindowKind::Folder) tree->SelectPath(window->Path());
}

void CMainFrame::OnDocumentClosed(CBasicWindow* window)
{
    if (CBookMarkList* list = BookmarkList()) list->DetachWindow(window);
    MarkOpenFolders();
    // The last window gone, the keys go to the folder tree.
    if (!m_closing && CWindowList::Instance().Windows().empty()) FocusExplorerBar();
}

void CMainFrame::OnDeviceChange(WPARAM event, LPARAM record)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(record);
    CDesktopTree* tree = FolderTree();
    if (!header || !tree || m_closing) return;
    const treerules::DriveChange change =
        treerules::ChangeOf(static_cast<std::uint32_t>(event), header->dbch_devicetype,
                            header->dbch_devicetype == DBT_DEVTYP_VOLUME
                                ? reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header)->dbcv_flags
                                : 0);
    if (change == treerules::DriveChange::None) return;
    const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header);
    tree->OnDrivesChanged(change, treerules::DriveLetters(volume->dbcv_unitmask));
}

LRESULT CMainFrame::PassDragToActiveWindow(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Files dragged over the frame's bars or empty area go to the folder of
    // the active window; without a folder window they have nowhere to go.
    CBasicWindow* active = CWindowList::Instance().Active();
    if (!active || active->Kind() != WindowKind::Folder || m_closing) return DROPEFFECT_NONE;
    return ::SendMessageA(active->Handle(), message, wParam, lParam);
}

void CMainFrame::FocusExplorerBar()
{
    if (m_explorerBar.IsVisible()) ::SetFocus(m_explorerBar.Page(m_explorerBar.CurrentTab()).Tree());
}

bool CMainFrame::OnExplorerBarMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    (void)wParam;
    (void)lParam;
    result = 0;
    switch (message) {
    case UWM_FOCUSBAR:
        FocusExplorerBar();
        return true;
    case UWM_RECYCLEBINCHANGED:
        RefreshRecycleBin();
        return true;
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        result = TRUE;
        return true;
    case UWM_DRAGOVER:
    case UWM_DROP:
        result = PassDragToActiveWindow(message, wParam, lParam);
        return true;
    case UWM_DRAGLEAVE:
        return true;
    case WM_DESTROY:
        if (m_dropTarget) ::RevokeDragDrop(Handle());
        m_dropTarget = {};
        // The frame's own handling goes on.
        return false;
    default:
        return false;
    }
}

void CMainFrame::OnDocumentNavigated(CBasicWindow* window)
{
    MarkOpenFolders();
    CDesktopTree* tree = FolderTree();
    if (tree && window->Kind() == WindowKind::Folder) tree->SelectPath(window->Path());
}

void CMainFrame::OnDocumentRenamed(CBasicWindow* window, const std::string& oldPath)
{
    CBookMarkList* list = BookmarkList();
    if (CBookMark* mark = list ? list->Rename(oldPath, window->Path()) : nullptr)
        m_explorerBar.BookmarksPage().SetItemText(mark->Number(), mark->DisplayText(FullPathTitles()));
    // The window's own view renamed it: the tree has no watcher on a
    // removable drive, and the other windows none of their own for this.
    OnFolderRenamed(oldPath, window->Path(), window);
    MarkOpenFolders();
}

std::vector<CBasicWindow*> CMainFrame::FolderWindowsAtOrBelow(const std::string& path) const
{
    std::vector<CBasicWindow*> found;
    for (CBasicWindow* window : CWindowList::Instance().Windows())
        if (window->Kind() == WindowKind::Folder && treerules::PlaceIsAtOrBelow(window->Path(), path))
            found.push_back(window);
    return found;
}

void CMainFrame::OnFolderRenamed(const std::string& oldPath, const std::string& newPath, CBasicWindow* told)
{
    if (m_followingRename || m_closing) return;
    m_followingRename = true;
    if (CDesktopTree* tree = FolderTree()) tree->FolderRenamed(oldPath, newPath);
    std::string from = oldPath;
    while (from.size() > 3 && from.back() == '\\') from.pop_back();
    std::string to = newPath;
    while (to.size() > 3 && to.back() == '\\') to.pop_back();
    // Each window's path is copied first: a window that follows renews its own.
    std::vector<std::pair<HWND, std::string>> moved;
    for (CBasicWindow* window : FolderWindowsAtOrBelow(from))
        if (window != told) moved.emplace_back(window->Handle(), to + window->Path().substr(from.size()));
    for (const auto& [handle, path] : moved)
        ::SendMessageA(handle, UWM_FOLDERRENAMED, reinterpret_cast<WPARAM>(path.c_str()), 0);
    m_followingRename = false;
    MarkOpenFolders();
}
