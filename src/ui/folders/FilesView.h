#pragma once
// CFilesView: the base of every pane that shows files. It owns the list
// control and its rows, the image lists, the view and sort modes, the columns
// and the texts of the cells, and keeps the running listing worker and icon
// thread apart from the rows they work on.

// Core
#include "core/folders/StatusTexts.h"
#include "core/search/Condition.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/Command.h"
#include "ui/framework/Window.h"

// Folders
#include "ui/folders/FilesList.h"
#include "ui/folders/Listing.h"
#include "ui/folders/Shell.h"

// Standard library
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

struct IconRun;

// What a size, type or date sort compares: folders before files, then the
// value or the type's text.
struct SortKey {
    bool isFile = false;
    std::uint64_t value = 0;
    std::string text;
};

enum class ColumnKind { Name = 0, InFolder, Ext, Size, Type, Modified, Time, Attr, Count };

class CFilesView : public ui::Window, public ui::CommandTarget {
public:
    static constexpr int kDetailsMode = 3;
    static constexpr UINT kCutMarkTimer = 1200;
    // Runs the work held for new rows when the list is not painted (hidden).
    static constexpr UINT kRowsDrawnTimer = 1201;

    CFilesView();
    ~CFilesView() override;

    virtual bool Create(HWND parent, UINT id);
    // The window that holds the view: next in the command chain.
    void SetNextCommandTarget(ui::CommandTarget* next) { m_next = next; }
    ui::CommandTarget* NextCommandTarget() override { return m_next; }
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    // Operations the view kinds override.
    virtual void Sort();
    virtual void ListAgain() {}
    virtual void PrepareImageLists(bool needIconThread, bool noOverlays);
    virtual void ClearList();
    // Empties the rows, leaving the list's count (and drawing) to the caller:
    // rows set at once need not pass through an empty list.
    void DropRows();
    // Asks the running work to stop (the window is closing).
    virtual void CancelWork();
    // The path the view shows, for titles and status texts.
    virtual std::string DisplayPath() const { return {}; }

    bool HasWorker() const { return m_job != nullptr; }
    bool HasIconThread() const { return m_iconThreadRunning; }
    int ViewMode() const { return m_viewMode->load(); }
    int SortMode() const { return m_sortMode; }
    bool Ascending() const { return m_ascending; }
    bool IsFiltered() const { return m_filtered; }
    const CCondition& Criteria() const { return m_criteria; }
    bool NeedIconThread() const { return m_needIconThread; }
    bool UsesSystemImageLists() const { return m_usesSystemImageLists; }
    double TotalSize() const { return m_totalSize; }
    CFilesList& List() { return m_list; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // The row's item, null for the up row or a row out of range.
    CFileItem* ItemAt(int row) const;
    bool RowIsCut(int row) const;
    // The first row whose name, or short name, is `name`; -1 when none.
    int RowOfName(const std::string& name) const;
    // The items of the store, shown or not (hidden items have no row).
    std::vector<CFileItem*> AllItems() const;
    std::vector<ColumnKind> Columns() const { return m_columns; }
    // The text and image the list shows in a cell.
    std::string CellText(int row, int column);
    int CellImage(int row);
    HIMAGELIST SmallImages() const { return m_smallImages; }

    // Status texts of the folder window (panes 0 and 1).
    FolderStatus Status(const std::string& freeSpace);

    // Opens the edit box on the row's name, when the view allows renaming it.
    void EditLabel(int row);
    // Cut: the selected items go to the cut list and their rows are dimmed.
    void Cut();
    // Takes the cut marks away once a later cut or other clipboard text
    // has ended this view's cut (the 1200 timer).
    void CheckCutMarks();
    const std::string& CutClipboardTag() const { return m_cutClipboardTag; }
    // Fits the columns of Details mode to the window.
    void ResizeColumns();
    // The list has repainted: work held until new rows were drawn runs next.
    void OnListPainted();

    // For a platform on which the system image lists cannot take overlays.
    void SetPrivateImageListsOnNT(bool privateLists) { m_privateListsOnNT = privateLists; }
    // Gives the shortcut and share overlays to the items of the last fill.
    void ApplyOverlays(const std::vector<CFileItem*>& links, const std::vector<CFileItem*>& shares);

    // File operations. The operation items are the selection as the last
    // check took it.
    const std::vector<CFileItem*>& OperationItems() const { return m_operationItems; }
    // Takes the selected items that have the shell attribute as operation
    // items; the others (and rows without an item) are deselected, and when
    // an item was refused the user is asked (messageId) whether to go on.
    // False when the command is cancelled.
    bool CheckSelection(ULONG attribute, UINT messageId);
    // A file operation ended (UWM_OPERDONE): rows whose files are gone leave
    // the list and the view's total; a succeeded move of the cut ends the cut.
    virtual void OnOperationDone(bool succeeded, std::uint32_t cutTicket);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Layout(int width, int height);
    virtual LRESULT OnNotify(NMHDR& header);
    virtual void OnOpen(int row) { (void)row; }
    virtual void OnRowContextMenu(POINT screen) { (void)screen; }
    // Where the menu opens when the keyboard asks for it, on the screen.
    POINT KeyboardMenuPoint() const;
    virtual void OnWorkDone() {}
    virtual void OnIconsDone() {}
    virtual void OnDestroy();
    virtual bool IsExplorer() const { return false; }
    // The pane of the view after its list (Tab), or null: then the explorer bar.
    virtual HWND PaneAfterList() const { return nullptr; }
    // Label editing: whether the row's name may be edited, and the rename
    // when the edit ends (true keeps the new text).
    virtual bool CanEditLabel(int row) { (void)row; return false; }
    virtual bool RenameRow(int row, const std::string& newName) { (void)row; (void)newName; return false; }
    // Whether the item may go to the cut list (the shell lets it be copied).
    virtual bool CanCut(const CFileItem& item) { (void)item; return false; }
    // Whether the shell gives the item the attribute (can copy, move, delete ...).
    virtual bool ItemHasAttribute(const CFileItem& item, ULONG attribute);

    // Remembers a listing job, a new one unless given. The caller empties
    // the list once the job's worker runs, so that the two overlap.
    ListingJobPtr BeginJob(ListingJobPtr job = nullptr);
    // The result of the job, once the worker has delivered it; the rows and
    // the items become the view's.
    bool TakeJobResult(ListingResult& result);
    // The rows and the items become the view's; with sortFirst they are
    // sorted before the list learns their count, which sizes it once.
    void SetRows(std::vector<ListRow> rows, ItemStorePtr store, bool sortFirst = false);
    void SetFocusRow(int row);
    // Starts a new icon run over the rows, stopping the one before (which
    // keeps its own store and ends on its own). Without loadIcons the thread
    // reads the pending details only.
    bool StartIconThread(bool loadIcons = true);
    // Stops the icon thread and waits for its end: for a fill or removal
    // that hands its items, still shared with the thread, to other work.
    void StopIconThreadAndWait();
    // Whether a row's item still waits for its details (Details mode shows them).
    bool AnyDetailsPending() const;
    // Holds the icon thread (when asked for) and AfterRowsDrawn until the list
    // has drawn the rows just set, so that neither delays them: they follow
    // the list's next repaint, or a timer, which comes after any repaint, when
    // the list is not painted. The icon thread counts as running from here.
    void AfterRowsShown(bool startIconThread);
    // The view's own work that waits for the rows to be drawn.
    virtual void AfterRowsDrawn() {}
    void SetViewMode(int mode);
    void BuildColumns(bool realFolder);
    // Every column but the first goes; the shown ones come back in their order.
    void RebuildColumns();
    void SetTotalSize(double size) { m_totalSize = size; }
    int UpImage();
    shell::LookupCache& Lookup() { return m_lookup; }
    // The stop of the last icon run; a new run starts unstopped.
    bool StopIconThreadRequested() const;
    void RequestIconThreadStop();
    void ClearIconThreadStop();

    CFilesList m_list;
    ListingJobPtr m_job;           // the running listing, null when none
    ItemStorePtr m_store;          // the items of the rows
    std::vector<ListRow> m_rows;
    bool m_iconThreadRunning = false;
    bool m_needIconThread = false;
    bool m_filtered = false;
    CCondition m_criteria;          // the filter
    bool m_alwaysAddFolders = false;
    bool m_ownsItems = true;
    int m_sortMode = 0;
    bool m_ascending = true;
    bool m_resortOnModeChange = false;
    double m_totalSize = 0;
    bool m_showsFolderColumn = false;  // "In Folder" follows "Name" (result views)
    std::vector<CFileItem*> m_operationItems;

private:
    std::size_t FixedColumnCount() const;
    void OnGetDispInfo(NMLVDISPINFOA& info);
    void OnColumnClick(int column);
    void OnSortCommand(int mode);
    // The list's styles from the settings, and its font and text colour.
    void ApplyAppearance();
    void ApplyFont();
    void UpdateSortMark();
    void SelectByFilter();
    void FilterFolder();
    void RemoveFilter();
    void ClearCutMarks();
    LRESULT OnBeginLabelEdit(NMLVDISPINFOA& info);
    LRESULT OnEndLabelEdit(NMLVDISPINFOA& info);
    void SaveColumnWidths();
    void AddColumn(ColumnKind kind);
    void DestroyImageLists();
    void SelectAll(bool invert);
    std::string CellTextLocked(CFileItem& item, const ListRow& row, ColumnKind kind);
    // The status texts' running sums: rows sized from the listing or their
    // items' details (the caller holds the item lock), the list's selection
    // as notified, and a full count when the notifications cannot tell.
    void SizeRow(ListRow& row) const;
    void RecountSelection();
    void MarkSelected(int row, bool selected);
    void OnItemChanged(const NMLISTVIEW& change);
    void RunAfterRowsDrawn();
    // A new icon run, the one before stopped; the next UWM_ICONSDONE taken is its.
    void BeginIconRun();
    bool LaunchIconThread(bool loadIcons);
    // Keys are given for the size, type and date sorts, null otherwise.
    int CompareRows(const ListRow& a, const ListRow& b, const SortKey* keyA, const SortKey* keyB) const;

    ui::CommandTarget* m_next = nullptr;
    std::vector<ColumnKind> m_columns;
    // The last icon run (never null). Its thread's end handle is the view's
    // until UWM_ICONSDONE of that run or a wait; m_iconRunTakesWanted says
    // whether the run's store is still the rows' store, so that drawn rows
    // may ask it for their details.
    std::shared_ptr<IconRun> m_iconRun;
    HANDLE m_iconThreadEnd = nullptr;
    bool m_iconRunTakesWanted = false;
    bool m_iconLoadsIcons = true;   // of the run begun and not launched yet
    std::shared_ptr<std::atomic<int>> m_viewMode;
    HIMAGELIST m_smallImages = nullptr;
    HIMAGELIST m_largeImages = nullptr;
    bool m_usesSystemImageLists = true;
    bool m_privateListsOnNT = false;
    int m_upImage = -1;
    bool m_autoArrange = false;
    HFONT m_font = nullptr;
    DWORD m_extendedStyle = 0;  // as read at creation, with sub-item images
    shell::LookupCache m_lookup;
    std::string m_cutClipboardTag;
    ui::ClipboardMark m_cutCheckMark;  // the clipboard's content at the last look for the cut
    SelectionSums m_sums;
    bool m_afterDrawDue = false;    // AfterRowsShown waits for the rows to be drawn
    bool m_iconStartDue = false;    // and then starts the icon thread
};

// The width setting of a column kind, and its width when the setting is 0.
int ColumnWidthSetting(ColumnKind kind);
int DefaultColumnWidth(ColumnKind kind);
