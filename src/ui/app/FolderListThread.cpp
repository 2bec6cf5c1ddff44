#include "ui/app/FolderListThread.h"

// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderListWalk.h"
#include "core/search/FolderTable.h"
#include "core/search/SearchSink.h"

namespace {

// Opening a watch per drive takes moments; a hung drive must not hold the walk.
constexpr unsigned kWatchWaitMs = 5000;

}  // namespace

CFolderListThread::CFolderListThread(RunningThreadsPtr threads, platform::DirectoryLister& lister,
                                     std::shared_ptr<platform::Event> watching)
    : m_threads(std::move(threads)), m_lister(lister), m_watching(std::move(watching))
{
    if (m_threads) m_token = m_threads->Add(ThreadKind::FolderTableBuild, m_state, {});
}

// Runs on the worker's own thread when it ends (or on the starter's when the
// thread could not be made): the list is locked.
CFolderListThread::~CFolderListThread()
{
    if (m_threads) m_threads->Remove(m_token);
}

bool CFolderListThread::InitInstance()
{
    // The walk may take minutes on a big disk; one step below the interface
    // keeps it out of the user's way without starving it behind idle work.
    SetPriority(THREAD_PRIORITY_BELOW_NORMAL);
    if (m_watching) m_watching->WaitFor(kWatchWaitMs);
    FolderListWalk::Run(m_lister, *m_state, CFolderTable::Instance(), &CEntryIndex::Instance());
    // Stopped or not, the worker is done.
    SetState(WorkState::Finished);
    return false;
}

FolderListWorker::~FolderListWorker()
{
    if (m_thread) ::CloseHandle(m_thread);
}

bool FolderListWorker::Start(const RunningThreadsPtr& threads, platform::DirectoryLister& lister,
                             std::shared_ptr<platform::Event> watching)
{
    // One walk at a time: a worker still running is kept.
    if (m_thread && ::WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT) return true;
    if (m_thread) ::CloseHandle(m_thread);
    m_thread = nullptr;
    auto* worker = new CFolderListThread(threads, lister, std::move(watching));
    StateWord state = worker->StateHandle();
    HANDLE thread = nullptr;
    if (!worker->CreateThread(&thread)) {
        delete worker;
        return false;
    }
    m_state = std::move(state);
    m_thread = thread;
    return true;
}

bool FolderListWorker::StopAndWait(DWORD milliseconds)
{
    if (m_state) {
        int running = WorkState::Running;
        m_state->compare_exchange_strong(running, WorkState::Stop);
    }
    if (!m_thread) return !m_state || m_state->load() == WorkState::Finished;
    if (::WaitForSingleObject(m_thread, milliseconds) != WAIT_OBJECT_0) return false;
    ::CloseHandle(m_thread);
    m_thread = nullptr;
    return true;
}
