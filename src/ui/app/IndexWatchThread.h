#pragma once
// The index upkeep worker: one change watch per fixed drive root with its
// sub-trees, each change applied to the entry index on this worker, so the
// interface thread never waits on the disk for it. Systems without the
// sub-tree watch (Windows 95) have no such worker: there the folder-list walk
// builds the index again on its period.

// Platform
#include "platform/DirectoryLister.h"
#include "platform/Threads.h"

// Folders
#include "ui/folders/BaseThread.h"

// Standard library
#include <memory>

class CIndexWatchThread : public CBaseThread {
public:
    // `watching` is set once the watches are open (or cannot be).
    CIndexWatchThread(platform::DirectoryLister& lister, std::shared_ptr<platform::Event> watching);

protected:
    bool InitInstance() override;

private:
    platform::DirectoryLister& m_lister;
    std::shared_ptr<platform::Event> m_watching;
};

// What the program keeps of the started worker, as for the folder-list walk.
class IndexWatchWorker {
public:
    IndexWatchWorker() = default;
    ~IndexWatchWorker();
    IndexWatchWorker(const IndexWatchWorker&) = delete;
    IndexWatchWorker& operator=(const IndexWatchWorker&) = delete;

    // Whether the system can watch a folder's sub-trees for changes.
    static bool Available();
    // Starts the worker unless one runs; false when none can.
    bool Start(platform::DirectoryLister& lister = platform::SystemDirectoryLister());
    bool IsRunning() const;
    // Set once the running worker's watches are open; null when none runs.
    // A walk waits for it so that no change between listing and watching is lost.
    std::shared_ptr<platform::Event> Watching() const;
    // Asks the worker to stop and waits at most `milliseconds`; true when none runs.
    bool StopAndWait(DWORD milliseconds);

private:
    StateWord m_state;
    HANDLE m_thread = nullptr;  // ours, closed here
    std::shared_ptr<platform::Event> m_watching;
};
