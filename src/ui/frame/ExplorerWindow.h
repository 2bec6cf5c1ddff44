#pragma once
// CExplorerWindow: a folder window on a folder of the name space, with its
// back and forward lists, navigation in place, title, loading indicator,
// free-space text and the two watchers that keep it current.

// Core
#include "core/frame/FolderHistory.h"

// Folders
#include "ui/folders/ExplorerView.h"
#include "ui/folders/FolderWatcher.h"

// Application
#include "ui/frame/FolderWindow.h"
#include "ui/frame/LoadingIndicator.h"

// Standard library
#include <memory>
#include <string>

struct ShellTreeItem;

class CExplorerWindow : public CFolderWindow {
public:
    using ItemPtr = std::shared_ptr<CFileItem>;
    using History = FolderHistory<ItemPtr>;

    // The shell item comes from the identifier list, else from the path.
    CExplorerWindow(WindowState state, LPCITEMIDLIST absolute);

    bool HasSelection() const override { return false; }
    bool RememberAtExit() const override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    // Navigates in place; false when the window stays where it was.
    bool Navigate(const std::string& target, LPCITEMIDLIST absolute);
    CExplorerView* ExplorerView() const { return static_cast<CExplorerView*>(m_view.get()); }
    const ItemPtr& CurrentItem() const { return m_currentItem; }
    const History& BackList() const { return m_back; }
    const History& ForwardList() const { return m_forward; }
    const std::string& WatchedPath() const { return m_watchedPath; }
    bool ContentWatcherRunning() const { return m_contentWatcher && m_contentWatcher->IsRunning(); }
    bool SizeWatcherRunning() const { return m_sizeWatcher && m_sizeWatcher->IsRunning(); }
    // A new place's icon and watchers come once its listing has been shown.
    bool AfterListingPending() const { return m_afterListingPending; }
    const LoadingIndicator* Loading() const { return m_loading.get(); }
    std::string Title() const;

    // A listing shows its indicator only once it has taken this long, so that
    // quick listings do not make the window lay itself out twice.
    static constexpr UINT_PTR kLoadingTimerId = 201;
    static constexpr UINT kLoadingDelayMs = 250;
    // The icon and watchers of a new place wait for this timer: timers come
    // after repaints, so the listing is on the screen by then.
    static constexpr UINT_PTR kAfterListingTimerId = 202;
    // The free space is read once a burst of size changes has passed (a copy
    // reports one for every block it writes), not for each of them.
    static constexpr UINT_PTR kFreeSpaceTimerId = 203;
    static constexpr UINT kFreeSpaceDelayMs = 500;

    // Whether a history drop-down menu is open.
    static bool HistoryMenuOpen() { return s_historyMenuOpen; }

protected:
    std::unique_ptr<CFilesView> MakeView() override;
    bool OnCreate() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD ViewDropEffect(const DragRequest& request) override;
    DWORD ViewDrop(const DragRequest& request) override;

private:
    void GoToHistory(bool back, std::size_t index);
    void GoUp();
    // The folder shown was renamed: the window takes its new path.
    void FolderRenamed(const std::string& newPath);
    void StartWatchers();
    // After the view was sent to a place: finishes now or once the listing is shown.
    void FollowListing();
    // What a navigation does once the listing is shown: icon and watchers.
    void FinishNavigation();
    void StopWatchers();
    // Sets the title and tells the taskbar.
    void RefreshTitle();
    // Tells the taskbar the title changed; its button takes the icon too when that changed.
    void TellTaskBar(bool iconChanged) const;
    void UpdateFreeSpace();
    void UpdateIcon();
    // The menu opens at `under` (screen x, y packed as a message's point), or at the cursor for 0.
    void ShowHistoryMenu(bool back, LPARAM under = 0);
    // The folder tree is deleting the item: the address box lets go of it,
    // and the history loses the places that went with it.
    void TreeNodeGone(const ShellTreeItem& node);
    void LoadingStarted();
    void ShowLoading();
    void LoadingDone();
    std::string FindWatchedPath() const;
    void ShowNavigateFailed(const std::string& path) const;

    std::unique_ptr<LoadingIndicator> m_loading;
    std::unique_ptr<FolderWatcher> m_contentWatcher;
    std::unique_ptr<FolderWatcher> m_sizeWatcher;
    ItemPtr m_currentItem;
    History m_back;
    History m_forward;
    bool m_fromForward = false;
    bool m_fromBack = false;
    std::string m_watchedPath;
    bool m_afterListingPending = false;
    // OnCreate went through: only then is the folder a recent one when the window closes.
    bool m_created = false;
    HICON m_icon = nullptr;

    static bool s_historyMenuOpen;
};
