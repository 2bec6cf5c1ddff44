#pragma once
// CIconThread: after a listing that asked for it, loads each row's exact
// icon, then the details of items still pending, and posts UWM_ICONSDONE.

// Framework
#include "ui/framework/WorkerThread.h"

// Folders
#include "ui/folders/Listing.h"
#include "ui/folders/Shell.h"

// Standard library
#include <atomic>
#include <memory>
#include <vector>

// What the view shares with its icon thread.
struct IconWork {
    ItemStorePtr store;
    std::vector<CFileItem*> rows;  // the rows' items in row order (null for the up row)
    HWND view = nullptr;           // gets UWM_ICONSDONE
    HWND list = nullptr;           // redrawn as icons arrive
    int appIcon = -1;
    bool showHidden = false;
    // The view's stop flag and view mode, read while the thread runs.
    std::shared_ptr<std::atomic<bool>> stop;
    std::shared_ptr<std::atomic<int>> viewMode;
};

class CIconThread : public ui::WorkerThread {
public:
    explicit CIconThread(IconWork work) : m_work(std::move(work)) {}

protected:
    bool InitInstance() override;

private:
    bool Stopped() const { return m_work.stop && m_work.stop->load(); }
    void LoadIcons();
    void LoadDetails();

    IconWork m_work;
    shell::LookupCache m_lookup;
};
