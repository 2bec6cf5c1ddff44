#include "ui/folders/BaseThread.h"

// Core
#include "core/search/SearchSink.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

CFolderThread::CFolderThread(HWND view, ListingJobPtr job, bool collectOverlays)
    : CBaseThread(job->state), m_view(view), m_job(std::move(job)), m_collectOverlays(collectOverlays)
{
}

CFolderThread::CFolderThread(ItemStorePtr items) : m_job(std::make_shared<ListingJob>())
{
    m_state = m_job->state;
    m_job->result.store = std::move(items);
}

bool CFolderThread::Start(CFolderThread* worker)
{
    if (!worker->CreateThread()) {
        delete worker;
        return false;
    }
    // The thread waits for this message, so the object is alive here.
    worker->PostThreadMessage(UWM_STARTWORK);
    return true;
}

bool CFolderThread::Abandoned() const { return State() == WorkState::Finished; }

void CFolderThread::OnThreadMessage(const MSG& msg)
{
    if (msg.message == UWM_STARTWORK) StartWork();
}

void CFolderThread::StartWork()
{
    if (State() != WorkState::Running) {
        // Stopped before it began: a stop that keeps results still reports,
        // and the thread ends either way.
        Finish(State() == WorkState::Stop && m_view);
        return;
    }
    const bool completed = DoWork();
    m_job->result.completed = completed;
    m_job->result.sortAndFocus = completed && m_view && !m_job->result.rows.empty();
    Finish(m_view != nullptr);
}

void CFolderThread::Finish(bool postDone)
{
    m_job->delivered.store(true);
    if (postDone && ::IsWindow(m_view)) ::PostMessageA(m_view, UWM_WORKDONE, 0, 0);
    SetState(WorkState::Finished);
    SetPriority(THREAD_PRIORITY_IDLE);
    Quit(1);
}

void CFolderThread::CollectOverlays()
{
    ListingResult& result = m_job->result;
    const int appIcon = CTrailmarkApp::Instance()->IconIndex(IconFile::App);
    const int shareIcon = CTrailmarkApp::Instance()->IconIndex(IconFile::FolderShare);
    const int exeIcon = shell::ExecutableIcon();
    for (const auto& item : result.store->items) {
        // A composite of the last fill's private lists names nothing in the next ones.
        if (item->systemIconIndex >= 0) item->iconIndex = item->systemIconIndex;
        item->systemIconIndex = -1;
        if (item->iconIndex == exeIcon && appIcon != -1) item->iconIndex = appIcon;
        const ULONG attributes =
            shell::Attributes(item->folder, item->relativeId, SFGAO_LINK | SFGAO_SHARE);
        if (attributes & SFGAO_LINK) result.links.Add(item.get());
        if (!(attributes & SFGAO_SHARE)) continue;
        if (shareIcon != -1) item->iconIndex = shareIcon;
        else result.shares.Add(item.get());
    }
}

bool CFolderThread::DoWork()
{
    if (!m_view || !m_job->result.store) return false;
    ListingResult& result = m_job->result;
    if (m_collectOverlays) CollectOverlays();
    result.noOverlays = result.links.Count() == 0 && result.shares.Count() == 0;
    result.needIconThread = m_deferIcons;
    result.totalSize = 0;

    std::string previousFolder;
    int folderIcon = -1;
    int plainFolderIcon = -1;
    for (const auto& item : result.store->items) {
        if (Abandoned()) return false;
        // An item found by path and not bound yet is ghosted by its hidden mark.
        const bool ghosted = item->folder ? shell::Attributes(item->folder, item->relativeId, SFGAO_GHOSTED) != 0
                                          : (item->attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        result.rows.push_back({item.get(), ghosted, ghosted});
        result.totalSize += static_cast<double>(item->sizeBytes);
        if (!m_fillFolderIcons) continue;
        if (lstrcmpiA(item->folderPath.c_str(), previousFolder.c_str()) != 0) {
            previousFolder = item->folderPath;
            folderIcon = shell::ContainingFolderIcon(previousFolder, plainFolderIcon);
        }
        item->folderIconIndex = folderIcon;
    }
    return true;
}
