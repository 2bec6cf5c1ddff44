#pragma once
// The Fast Find worker: walks the folders of the fixed drives into the folder
// table and the entry index below normal priority, then ends by itself. It is in the frame's list
// of running threads while it lives, and the program waits for its end before
// the table it fills goes away.

// Platform
#include "platform/DirectoryLister.h"
#include "platform/Threads.h"

// Standard library
#include <memory>

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/RunningThreads.h"

class CFolderListThread : public CBaseThread {
public:
    // Listed in `threads` (may be null) from here until the object is deleted.
    // With `watching`, the walk first waits (briefly) for the change watches
    // to be open: a change between listing a folder and watching it is lost.
    CFolderListThread(RunningThreadsPtr threads, platform::DirectoryLister& lister,
                      std::shared_ptr<platform::Event> watching = {});
    ~CFolderListThread() override;

protected:
    bool InitInstance() override;

private:
    RunningThreadsPtr m_threads;
    RunningThreads::Token m_token = 0;
    platform::DirectoryLister& m_lister;
    std::shared_ptr<platform::Event> m_watching;
};

// What the program keeps of a started worker: its state word, to ask for a
// stop, and a handle on its thread, to wait for its end after the worker has
// deleted itself.
class FolderListWorker {
public:
    FolderListWorker() = default;
    ~FolderListWorker();
    FolderListWorker(const FolderListWorker&) = delete;
    FolderListWorker& operator=(const FolderListWorker&) = delete;

    // Starts a worker, unless one still runs; false when no thread could be made.
    bool Start(const RunningThreadsPtr& threads,
               platform::DirectoryLister& lister = platform::SystemDirectoryLister(),
               std::shared_ptr<platform::Event> watching = {});
    // Null until started.
    const StateWord& State() const { return m_state; }
    HANDLE Thread() const { return m_thread; }
    // Asks the worker to stop (a stopped walk leaves the table not ready) and
    // waits at most `milliseconds` for its end; true when no worker runs.
    bool StopAndWait(DWORD milliseconds);

private:
    StateWord m_state;
    HANDLE m_thread = nullptr;  // ours, closed here
};
