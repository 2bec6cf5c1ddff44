#pragma once
// CExplorerThread: lists one folder of the shell's name space for an explorer
// view. It enumerates the folder (at most 15,000 items), gives the items
// their first icons, collects shortcuts and shares for the overlays and
// makes rows of the visible items; then it posts UWM_WORKDONE and ends.

// Core
#include "core/search/Condition.h"

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/Shell.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

// The view's filter: only items that pass it are listed.
struct ListingFilter {
    CCondition criteria;
    bool alwaysAddFolders = false;
    std::int64_t now = 0;  // seconds since 1970, for "in the last n days"
};

// What the view tells the worker; the worker never reads the view itself.
struct ExplorerListingRequest {
    std::shared_ptr<CFileItem> folderItem;  // the folder record, bound to the folder itself
    std::string folderPath;                 // the view's path of it
    std::string mask;                       // only names matching this pattern; "" for all
    std::shared_ptr<const ListingFilter> filter;  // null: no filter
    HWND view = nullptr;                    // gets UWM_WORKDONE
    HWND owner = nullptr;                   // owner of the shell's questions (the main frame)
    bool onlyFiles = false;                 // setting 81
    bool showHidden = false;                // setting 24
    bool belowNetwork = false;
    std::size_t maxItems = listing::kMaxItems;  // the listing stops here
    int appIcon = -1, driveShareIcon = -1, folderShareIcon = -1;
};

class CExplorerThread : public CFolderThread {
public:
    CExplorerThread(ExplorerListingRequest request, ListingJobPtr job);
    // A worker started ahead of its listing, so that a navigation need not
    // wait for a thread to start: it waits in its queue, with a job of its
    // own, until Hand gives it the request or Dismiss lets it end.
    explicit CExplorerThread(HWND view);

    // Starts a waiting worker on `request`; the object is the thread's from
    // here on and may already be gone when this returns.
    bool Hand(ExplorerListingRequest request);
    void Dismiss();

protected:
    bool InitInstance() override;
    void OnThreadMessage(const MSG& msg) override;
    bool DoWork() override;

private:
    // Lists, hands the result over and posts UWM_WORKDONE, stopped or not.
    void ListAndReport();
    bool Enumerate(const listing::FolderKind& kind);
    bool PassesFilter(CFileItem& item);
    std::unique_ptr<CFileItem> MakeItem(LPITEMIDLIST relative, bool virtualFolder, ULONG attributes);
    void AssignIcons(const listing::FolderKind& kind);
    void AssignItemIcon(CFileItem& item, listing::IconPlan plan, int exeIcon);
    int ShareIcon(const CFileItem& item) const;
    int ExtensionIcon(const std::string& extension);
    bool MakeRows();

    ExplorerListingRequest m_request;
    const bool m_waits = false;  // started ahead: the request comes with UWM_STARTWORK
    shell::LookupCache m_lookup;
    // The attributes asked of each item as it was listed, in item order.
    std::vector<ULONG> m_attributes;
};
