#pragma once
// CExplorerView: a files view that shows one folder of the shell's name
// space. It lists the folder through CExplorerThread, refines icons through
// CIconThread, shows the "up" row, opens items, builds the shell's context
// menus and carries the commands that act on the folder or its selection.

// Core
#include "core/app/WindowState.h"
#include "core/folders/ListingRules.h"

// Framework
#include "ui/framework/ComPtr.h"

// Core
#include "core/folders/OperationRules.h"

// Folders
#include "ui/folders/FileDrop.h"
#include "ui/folders/FilesView.h"
#include "ui/folders/LocationBox.h"

// Framework
#include "ui/framework/Clipboard.h"

// Standard library
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// Windows
#include <shlobj.h>

class CExplorerThread;

class CExplorerView : public CFilesView, private filedrop::DropHandler {
public:
    using FolderPtr = std::shared_ptr<CFileItem>;

    // A listing done within this time is shown at once, without the empty
    // list first; short enough not to be felt as a pause.
    static constexpr DWORD kQuickListingMs = 100;
    // How long a navigation waits for its listing (tests make it certain).
    static void SetQuickListingWait(DWORD milliseconds) { s_quickListingMs = milliseconds; }

    // The folder window that holds the view: titles, "up" and navigation.
    void SetOwnerWindow(HWND window)
    {
        m_ownerWindow = window;
        m_location.SetFallbackWindow(window);
    }
    bool Create(HWND parent, UINT id) override;

    // Lists the folder (a folder record bound to itself); a path holding a
    // pattern ("C:\Data\*.txt") shows only the matching entries.
    void Navigate(const std::string& path, FolderPtr folder);
    // Lists the current folder again (not while a listing runs) and tells the
    // window that sizes may have changed.
    void Refresh();
    void ListAgain() override;

    const FolderPtr& FolderItem() const { return m_folderItem; }
    const std::string& CurrentPath() const { return m_currentPath; }
    std::string DisplayPath() const override;
    bool MaskMode() const { return m_maskMode; }
    bool NavigationPending() const { return m_navigationPending; }
    // The thread of the worker that waits for the next listing; 0 for none.
    DWORD NextWorkerThreadId() const;
    const std::string& PendingPath() const { return m_pendingPath; }
    listing::IconPlan LastIconPlan() const { return m_lastIconPlan; }
    bool HasUpRow() const { return RowCount() > 0 && !ItemAt(0); }
    void SelectAfterFill(const std::string& name) { m_selectAfterFill = name; }
    void CancelWork() override;
    bool AddressBarVisible() const;
    std::string AddressText() const;
    CLocationBox& LocationBox() { return m_location; }

    struct MenuDestroyer {
        void operator()(HMENU menu) const { ::DestroyMenu(menu); }
    };
    using MenuPtr = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
    // The menu of the folder's background: the view's own items and, when the
    // shell offers one, the folder's own menu (kept in shellMenu).
    MenuPtr BuildBackgroundMenu(ui::ComPtr<IContextMenu>& shellMenu);
    // Carries out a command chosen from that menu.
    void RunBackgroundCommand(UINT command, IContextMenu* shellMenu);

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    // The path of the first selected item when the list has the focus, else
    // the folder shown (the text of Copy Path).
    std::string CopyPathText() const;
    // Opens the row as a double click does.
    void OpenRow(int row) { OnOpen(row); }

    // File operations on the selection or into the folder shown.
    void Delete(bool toRecycleBin);
    // Copies or moves the selection to a folder the user chooses.
    void CopyOrMoveToFolder(bool move);
    void Paste();
    bool CanPaste() const;
    // Asks for a name and makes the folder (titleId: "Create New Folder" or
    // "Open New Folder"); gives its path, "" when none was made.
    std::string NewFolder(UINT titleId);
    // Changes the extension of every selected item.
    void RenameExtensions();
    // Drags from the folder windows and the taskbar (the point may lie
    // outside the view, which then means the folder shown).
    DWORD DropEffect(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed);
    DWORD DropFiles(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed);
    bool ShowsRecycleBin() const;
    bool AcceptsDrops() const;
    // Starts a drag of the selected files; false when none can be dragged.
    bool StartDrag(bool rightButton);
    // The target OLE calls for drags over the list; null when none is registered.
    IDropTarget* ListDropTarget() const { return m_dropTarget; }
    static constexpr UINT_PTR kDragScrollTimer = 10;
    static constexpr UINT kDragScrollMs = 75;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Layout(int width, int height) override;
    void OnOpen(int row) override;
    void OnRowContextMenu(POINT screen) override;
    void OnWorkDone() override;
    void OnIconsDone() override;
    void AfterRowsDrawn() override;
    void OnDestroy() override;
    bool IsExplorer() const override { return true; }
    HWND PaneAfterList() const override { return AddressBarVisible() ? m_location.Edit() : nullptr; }
    bool CanEditLabel(int row) override;
    bool RenameRow(int row, const std::string& newName) override;
    bool CanCut(const CFileItem& item) override;
    void OnOperationDone(bool succeeded, std::uint32_t cutTicket) override;

private:
    // filedrop::DropHandler: the list's own drags.
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;
    // The folder row under a screen point, -1 for none.
    int FolderRowAt(POINTL point) const;
    void SetDropRow(int row);
    void DragScroll();
    // Runs a copy or move of paths into target after the checks; false
    // when it was refused or could not start.
    bool RunCopyOrMove(fileops::Function function, const std::vector<std::string>& paths, const std::string& target,
                       unsigned flags, HWND notifyWindow, const std::string& secondFolder, std::uint32_t cutTicket);
    bool RunDelete(const std::vector<std::string>& paths, unsigned flags);
    // Tells the user why a request is not issued; true when it may go on.
    bool Accepted(const fileops::Check& check) const;
    void CopyToClipboard();
    // Renames through the shell's file operation; true only when it was done
    // and the old path is gone (or only its letter case changed).
    bool RenamePath(const std::string& from, const std::string& to, bool interactive);
    bool SelectionOrFolderHas(ULONG attribute) const;
    // Whether a row other than the up row is selected, without walking the selection.
    bool HasSelectedItem() const;
    // The folder shown is a file-system folder; asked once per listing.
    bool ShowsFolderPath() const;
    // The effect of dropping these paths here.
    DWORD EffectFor(const std::vector<std::string>& paths, DWORD keyState, DWORD allowed);
    // A watcher's change: listed again keeping the selection, focus and scroll
    // position; during a listing, once that listing is done.
    void RefreshForChange();
    // The rows shown before a refresh of the same folder, given back after it.
    void KeepPlace();
    // Gives the selection and focus back; the row to scroll to the top, -1 for none.
    int RestorePlace();
    void ScrollToTop(int row);

    static DWORD s_quickListingMs;

    void StartListing(const std::string& mask);
    // Waits a moment for the listing's report; false when it is not in yet.
    bool WaitForQuickListing();
    // Starts the worker of the next listing ahead of time, when none waits.
    void PrepareNextWorker();
    void FinishFill(ListingResult& result);
    void NavigatePending();
    // False when the folder could not be shown; declining another window is no failure.
    bool OpenFolder(const std::string& path, LPCITEMIDLIST absolute);
    void OpenFile(CFileItem& item);
    bool OpenShortcut(CFileItem& item);
    void ShowFolderFailed(const std::string& path);
    ui::ComPtr<IContextMenu> ContextMenuOf(const std::vector<CFileItem*>& items) const;
    ui::ComPtr<IContextMenu> ContextMenuIn(IShellFolder* folder, const std::vector<LPCITEMIDLIST>& ids) const;
    // The menu of the selection, or of the folder itself without one.
    ui::ComPtr<IContextMenu> SelectionOrFolderMenu() const;
    bool InvokeVerb(IContextMenu* menu, const char* verb);
    std::vector<CFileItem*> SelectedItems() const;
    void Properties();
    void CreateShortcut();
    bool MakeShortcut(const CFileItem& item);
    void OpenWith();
    void ToggleAddressBar();
    void CreateAddressBar();
    void OnLocationChosen(const char* path, LPARAM handle);
    void OnBackgroundMenu(POINT screen);
    void CopyPath();
    void RenameFolder();
    // A frame command that edits the location box's text while it has the focus.
    bool AddressEditCommand(UINT id, bool run);
    void CommandPrompt();
    bool IsBelowNetwork() const;

    HWND m_ownerWindow = nullptr;
    FolderPtr m_folderItem;
    CLocationBox m_location;  // the address bar
    int m_dropRow = -1;
    std::string m_currentPath;
    std::string m_pendingPath;
    FolderPtr m_pendingFolder;
    CExplorerThread* m_nextWorker = nullptr;  // waits for the next listing; the thread owns it
    std::string m_selectAfterFill;
    bool m_navigationPending = false;
    bool m_listingStopped = false;
    bool m_maskMode = false;
    bool m_headerReady = false;
    std::string m_maskFolder;
    std::string m_maskPattern;
    listing::IconPlan m_lastIconPlan = listing::IconPlan::PerItem;
    IContextMenu2* m_contextMenu2 = nullptr;  // while a shell menu is tracked
    filedrop::DropTarget* m_dropTarget = nullptr;  // registered on the view
    bool m_rightDrag = false;                     // the drag over the view uses the right button
    int m_dragScrollTicks = 0;
    std::vector<std::string> m_selectAfterFillAlso;  // further names selected once the list is filled

    // The answers the commands' states need from the disk and the shell. The
    // toolbar asks for the states ten times a second: each is asked once per
    // listing, per selected item or per clipboard content, never per update.
    mutable int m_acceptsDrops = -1;  // -1 until asked in this listing
    mutable int m_showsRecycleBin = -1;
    mutable int m_showsFolderPath = -1;
    mutable const CFileItem* m_attributesOf = nullptr;  // the first selected item (or the folder) asked
    mutable ULONG m_attributesAsked = 0;
    mutable ULONG m_attributesGiven = 0;
    mutable ui::ClipboardMark m_pasteMark;  // the clipboard content the paste answer is for
    mutable std::string m_pasteCutTag;      // and the cut it was for
    mutable int m_cutOnClipboard = -1;      // the cut is on it; -1 until asked
    std::vector<std::string> m_dragPaths;   // of the drag over the list, read as it entered

    // A refresh after a change keeps the user's place: the selected names
    // (lower case), the focused and the top row's names.
    bool m_refreshDue = false;  // a change came during a listing
    bool m_keepPlace = false;   // the running listing gives the kept place back
    std::vector<std::string> m_keptSelection;
    std::string m_keptFocus;
    std::string m_keptTop;
};
