#pragma once
// CDesktopTree: the shell's name space as a folder tree, the program's one
// folder tree. The desktop is its root; My Computer is expanded at once; an
// item's folders are listed when it is first expanded. Each item carries a
// ShellTreeItem, freed with the item.

// Core
#include "core/frame/TreeRules.h"

// Framework
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/FolderWatcher.h"
#include "ui/folders/NameSpaceNode.h"

// Explorer
#include "ui/explorer/ExplorerTree.h"

// Standard library
#include <memory>
#include <set>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

// What the tree keeps per item. The folder windows' address boxes list the
// desktop's and the drives' items themselves (as name-space nodes) and are
// told when one is deleted (UWM_TREENODEGONE).
struct ShellTreeItem : NameSpaceNode {
    std::string path;  // the file-system path; empty for a virtual folder
    int openIcon = -1;
    HTREEITEM handle = nullptr;
    bool listed = false;  // its folders have been listed
    bool open = false;    // a document window shows it
    // Reports folders added or removed in it while it is listed.
    std::unique_ptr<FolderWatcher> watcher;
};

class CDesktopTree : public CExplorerTree {
public:
    CDesktopTree() = default;

    // Makes the tree and fills it from the desktop.
    bool Create(HWND page, bool dialogMode);
    void Fill();
    // Small icons, or large ones with setting 35.
    void ApplyIconSize();

    static ShellTreeItem* Node(LPARAM data) { return reinterpret_cast<ShellTreeItem*>(data); }
    ShellTreeItem* NodeOf(HTREEITEM item) const { return Node(ItemData(item)); }
    // The selected item's record, or null.
    ShellTreeItem* SelectedNode() const { return NodeOf(Selected()); }
    HTREEITEM DrivesItem() const { return m_drives; }
    HTREEITEM NetworkItem() const { return m_network; }
    HTREEITEM InternetItem() const { return m_internet; }
    // The drive letters of the CD-ROM drives, upper case.
    const std::string& CdRomLetters() const { return m_cdRoms; }

    // The listed item whose file-system path is the path (case ignored), or null.
    HTREEITEM FindPath(const std::string& path) const;
    // The item of the path, listing the folders on the way down from its
    // drive; null when the path is not below a listed drive.
    HTREEITEM FindOrListPath(const std::string& path);
    // Selects the path's item (listing the way to it); false when the tree
    // cannot reach it. Selecting this way opens nothing.
    bool SelectPath(const std::string& path);
    // The desktop item whose display name is the name, or null.
    HTREEITEM FindDesktopChild(const std::string& name) const;
    // Lists the item's folders again (after a change below it); an expanded
    // item stays expanded, a selection inside it goes to the item.
    void RefreshItem(HTREEITEM item);
    // A device change: the drives of My Computer are listed again, or, when
    // only disks changed, the folders of those drives (letters upper case).
    void OnDrivesChanged(treerules::DriveChange change, const std::string& letters);
    // The desktop's Recycle Bin item (found by its display name), or null.
    HTREEITEM RecycleBinItem() const;
    // Empties the Recycle Bin through its item's own menu command, or, where
    // that menu has none, through the shell's call; true when done.
    bool EmptyRecycleBin(HWND owner);
    // After deletions and emptying: the items of the Recycle Bin and of its
    // folders on C: forget their folders and renew their icons. Gives the
    // paths of the items refreshed, whose windows should list again.
    std::vector<std::string> RefreshRecycleBin();
    // Lists the whole tree again from the desktop; the folders that were
    // expanded, and the selection, are found again where they still exist.
    void RefreshAll();
    // Marks the listed items of these folders open (drawn bold), and no others.
    void SetOpenFolders(const std::vector<std::string>& paths);

    // A folder was renamed: every listed item of the old path makes way for
    // the folder's new item, expanded as it was; a selection on or below it
    // follows it. Nothing opens.
    void FolderRenamed(const std::string& oldPath, const std::string& newPath);

    // Whether the item lies below an FTP name-space folder of the desktop.
    bool IsFtpItem(HTREEITEM item) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnExpanding(HTREEITEM item) override;
    void OnDeleteItem(HTREEITEM item, LPARAM data) override;

private:
    HTREEITEM Insert(HTREEITEM parent, ShellTreeItem* node, HTREEITEM after = TVI_LAST);
    // A watcher's report: the folders that came are inserted in the shell's
    // order and those that went removed; the rest stay as they are.
    void ListChangesOf(HTREEITEM item);
    void ListChildren(HTREEITEM item);
    void FindCdRoms();
    HTREEITEM FindIn(HTREEITEM first, const std::string& path) const;
    void FindAllIn(HTREEITEM first, const std::string& path, std::vector<HTREEITEM>& found) const;
    void MarkOpenIn(HTREEITEM first, const std::vector<std::string>& paths);
    void CollectExpanded(HTREEITEM first, std::vector<std::string>& paths) const;
    void Watch(ShellTreeItem& node);
    // A watcher saw folders come or go below the node.
    void OnNodeChanged(ShellTreeItem* node);

    // The nodes whose watchers may still post: a report for any other is stale.
    std::set<ShellTreeItem*> m_watched;
    // The node being listed again after its watcher reported.
    ShellTreeItem* m_refreshingNode = nullptr;

    HTREEITEM m_drives = nullptr;
    HTREEITEM m_network = nullptr;
    HTREEITEM m_internet = nullptr;
    std::string m_cdRoms;
};
