#include "ui/folders/FolderWatcher.h"

// Folders
#include "ui/folders/FolderMessages.h"

namespace {

// A watched folder may vanish without a notification reaching us: it is
// checked this often.
constexpr DWORD kExistenceCheckMs = 500;

struct WatchParams {
    WatchKind kind;
    HWND target;
    std::string path;
    WatchOptions options;
    std::shared_ptr<FolderWatcher::Shared> shared;
    HANDLE change = INVALID_HANDLE_VALUE;  // made by the owner, closed by the thread
};

// A deleted folder stays on an NT disk while handles are open on it (ours
// among them), but its attributes can no longer be read. Windows 95 cannot
// open a folder as a file at all, so the attributes are the test on both.
bool PathExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD NotifyFilter(const WatchParams& params)
{
    switch (params.kind) {
    case WatchKind::Size: return FILE_NOTIFY_CHANGE_SIZE;
    case WatchKind::Tree: return FILE_NOTIFY_CHANGE_DIR_NAME;
    case WatchKind::Contents:
    default: {
        DWORD filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE;
        if (params.options.attributes) filter |= FILE_NOTIFY_CHANGE_ATTRIBUTES;
        if (params.options.lastWrite) filter |= FILE_NOTIFY_CHANGE_LAST_WRITE;
        return filter;
    }
    }
}

// Waits the delay unless stopped; true when the watcher goes on.
bool Delay(const WatchParams& params, DWORD milliseconds)
{
    return ::WaitForSingleObject(params.shared->stopEvent, milliseconds) == WAIT_TIMEOUT;
}

// One change seen; false ends the watcher.
bool Report(const WatchParams& params, HANDLE change)
{
    switch (params.kind) {
    case WatchKind::Contents:
        if (!PathExists(params.path) || !Delay(params, kContentsChangeDelayMs)) return false;
        ::PostMessageA(params.target, UWM_FOLDERCHANGED, 0, 0);
        return ::FindNextChangeNotification(change) != FALSE;
    case WatchKind::Size:
        ::PostMessageA(params.target, UWM_FOLDERSIZECHANGED, 0, 0);
        if (::FindNextChangeNotification(change)) return true;
        // The owner still holds the event: wait for it before closing.
        ::WaitForSingleObject(params.shared->stopEvent, INFINITE);
        return false;
    case WatchKind::Tree:
    default:
        if (!Delay(params, kTreeChangeDelayMs) || !::FindNextChangeNotification(change)) return false;
        ::PostMessageA(params.target, UWM_TREENODECHANGED, params.options.treeNode, 0);
        return true;
    }
}

DWORD WINAPI WatchThread(void* parameter)
{
    std::unique_ptr<WatchParams> params(static_cast<WatchParams*>(parameter));
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_IDLE);
    const HANDLE change = params->change;
    const HANDLE handles[] = {params->shared->stopEvent, change};
    for (;;) {
        const DWORD result = ::WaitForMultipleObjects(2, handles, FALSE, kExistenceCheckMs);
        if (result == WAIT_TIMEOUT) {
            if (PathExists(params->path)) continue;
            break;
        }
        if (result != WAIT_OBJECT_0 + 1 || !Report(*params, change)) break;
    }
    ::FindCloseChangeNotification(change);
    params->shared->running.store(false);
    return 0;
}

}  // namespace

FolderWatcher::Shared::~Shared()
{
    if (stopEvent) ::CloseHandle(stopEvent);
}

FolderWatcher::~FolderWatcher() { Stop(); }

std::unique_ptr<FolderWatcher> FolderWatcher::Start(WatchKind kind, HWND target,
                                                    const std::string& path,
                                                    const WatchOptions& options)
{
    auto shared = std::make_shared<Shared>();
    shared->stopEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!shared->stopEvent) return nullptr;
    auto* params = new WatchParams{kind, target, path, options, shared};
    // The notification is made before Start returns: a change just after a
    // listing must not fall in the time the thread takes to start. Every
    // expanded tree item watches its own folder only: a subtree watch of a
    // whole drive would report every change on it.
    params->change = ::FindFirstChangeNotificationA(path.c_str(), FALSE, NotifyFilter(*params));
    if (params->change == INVALID_HANDLE_VALUE) {
        delete params;
        return nullptr;
    }
    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, WatchThread, params, 0, &threadId);
    if (!thread) {
        ::FindCloseChangeNotification(params->change);
        delete params;
        return nullptr;
    }
    ::CloseHandle(thread);
    return std::unique_ptr<FolderWatcher>(new FolderWatcher(std::move(shared)));
}

void FolderWatcher::Stop()
{
    if (m_shared && ::WaitForSingleObject(m_shared->stopEvent, 0) == WAIT_TIMEOUT)
        ::SetEvent(m_shared->stopEvent);
}

bool FolderWatcher::IsRunning() const { return m_shared && m_shared->running.load(); }
