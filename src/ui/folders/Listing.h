#pragma once
// What a listing worker hands to its view. The items live in a store shared
// by the view and its workers, so that neither can free them under the
// other; the listing's state word is shared the same way, so that a stop
// request never reaches a worker that has already deleted itself.

// Core
#include "core/folders/ListingRules.h"

// Folders
#include "ui/folders/FileItem.h"

// Platform
#include "platform/Threads.h"

// Standard library
#include <atomic>
#include <memory>
#include <vector>

// The worker's state word: 0 running, 1 stop and deliver, 2 stop for a new
// run, 3 stop without result or finished.
using StateWord = std::shared_ptr<std::atomic<int>>;
StateWord MakeStateWord();
// Sets the state to 3 when it is 0.
void StopWork(const StateWord& state);

struct ItemStore {
    // Guards what the icon thread writes while the view reads it: each item's
    // iconIndex and its details (sizes, times, attributes, type, visibility,
    // detailsPending; see CopyDetails). Names, paths, folderPath and extension
    // are set before the items are handed over and never written after: the
    // view reads them without the lock. The shell references are set before
    // the hand-over too, except that the view binds an item found by path when
    // the shell is about to act on it (CItemBinder): it sets them once, under
    // the lock, and the icon thread copies them under the lock.
    platform::Lock lock;
    std::vector<std::unique_ptr<CFileItem>> items;
};
using ItemStorePtr = std::shared_ptr<ItemStore>;

struct ListRow {
    CFileItem* item = nullptr;  // null for the "up" row
    bool cut = false;           // drawn dimmed: ghosted in the shell or cut to the clipboard
    bool ghosted = false;       // dimmed by the shell, whatever the clipboard holds
    // What the status texts sum, known from the listing or the item's details.
    bool sized = false;
    bool plainFile = false;  // a file, not a folder or a virtual item
    double size = 0;
    bool selected = false;  // the list's selected state, as last notified
};

struct ListingResult {
    ItemStorePtr store;
    std::vector<ListRow> rows;  // the visible items, in listing order
    bool completed = false;     // the work ran to its end
    bool sortAndFocus = false;  // the view sorts and focuses row 0 when done
    bool needIconThread = false;
    bool noOverlays = true;
    listing::IconPlan iconPlan = listing::IconPlan::PerItem;
    listing::CappedSlots<CFileItem*, listing::kMaxLinkItems> links;
    listing::CappedSlots<CFileItem*, listing::kMaxSharedItems> shares;
    double totalSize = 0;  // the files' sizes, as listed
};

// One run of a listing worker, shared by the worker and its view.
struct ListingJob {
    ListingJob() : reported(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~ListingJob()
    {
        if (reported) ::CloseHandle(reported);
    }
    ListingJob(const ListingJob&) = delete;
    ListingJob& operator=(const ListingJob&) = delete;

    StateWord state = MakeStateWord();
    ListingResult result;
    // Set by the worker after the result is complete; the view reads the
    // result only when it sees it.
    std::atomic<bool> delivered{false};
    // Set by a folder's worker once it has posted its report: the view may
    // wait for a quick listing without taking messages. May be null.
    HANDLE reported;
};
using ListingJobPtr = std::shared_ptr<ListingJob>;
