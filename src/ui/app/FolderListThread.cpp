#include "ui/app/FolderListThread.h"

// Core
#include "core/search/FolderListWalk.h"
#include "core/search/FolderTable.h"

// Platform
#include "platform/DirectoryLister.h"

StateWord CFolderListThread::Start()
{
    auto* worker = new CFolderListThread();
    StateWord state = worker->StateHandle();
    if (!worker->CreateThread()) {
        delete worker;
        return nullptr;
    }
    return state;
}

bool CFolderListThread::InitInstance()
{
    // The walk may take minutes on a big disk; the user must not feel it.
    SetPriority(THREAD_PRIORITY_LOWEST);
    FolderListWalk::Run(platform::SystemDirectoryLister(), *m_state, CFolderTable::Instance());
    // A stopped walk leaves the table not ready; either way the worker is done.
    int running = 0;
    m_state->compare_exchange_strong(running, 3);
    return false;
}
