#pragma once
// CIconThread: after a listing that asked for it, loads each row's exact
// icon, then the details of items still pending, and posts UWM_ICONSDONE.
// Items whose rows the list has drawn without details go first.

// Platform
#include "platform/Threads.h"

// Framework
#include "ui/framework/WorkerThread.h"

// Folders
#include "ui/folders/Listing.h"
#include "ui/folders/Shell.h"

// Standard library
#include <atomic>
#include <memory>
#include <vector>

// One run of an icon thread, shared by the view and that thread alone. Each
// run has its own: a new run cannot take back the stop asked of an older one,
// and the older one's UWM_ICONSDONE carries a number that is no longer the
// view's.
struct IconRun {
    static constexpr std::size_t kMostWanted = 512;

    std::atomic<bool> stop{false};
    // Set by the view before the thread starts and never after.
    unsigned number = 0;
    // Guards `wanted` alone: the view adds under it, the thread takes all.
    platform::Lock lock;
    // Items the list drew while their details were pending, read first; at
    // most kMostWanted, so that a list asking every row (a column autosized)
    // queues no more than a few screens.
    std::vector<CFileItem*> wanted;

    // Called by the view while it holds the store's lock; the item belongs
    // to the run's store.
    void Want(CFileItem* item);
};

// What the view shares with its icon thread.
struct IconWork {
    ItemStorePtr store;
    std::vector<CFileItem*> rows;  // the rows' items in row order (null for the up row)
    HWND view = nullptr;           // gets UWM_ICONSDONE
    HWND list = nullptr;           // redrawn as icons arrive
    int appIcon = -1;
    bool showHidden = false;
    // False when the listing gave every icon: the thread reads details only.
    bool loadIcons = true;
    std::shared_ptr<IconRun> run;
};

class CIconThread : public ui::WorkerThread {
public:
    explicit CIconThread(IconWork work) : m_work(std::move(work)) {}

protected:
    bool InitInstance() override;

private:
    bool Stopped() const { return m_work.run->stop.load(); }
    void LoadIcons();
    void LoadDetails();
    // Reads the details of the items the list asked for since the last call.
    void ServeWanted();
    void ReadItemDetails(CFileItem* item);

    IconWork m_work;
    shell::LookupCache m_lookup;
};
