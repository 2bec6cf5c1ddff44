#pragma once
// The folder-change watchers: each runs on a thread of its own at idle
// priority and talks to its window only by posted messages. A watcher ends
// when its stop event is set, when its wait fails or when its folder is gone.

// Standard library
#include <atomic>
#include <memory>
#include <string>

// Windows
#include <windows.h>

enum class WatchKind {
    Contents,  // the folder's names and sizes: UWM_FOLDERCHANGED to the view, after a delay
    Size,      // sizes only: UWM_FOLDERSIZECHANGED to the folder window
    Tree       // folder names in the folder: UWM_TREENODECHANGED to the tree
};

struct WatchOptions {
    bool attributes = false;  // setting 72: attribute changes count (contents watcher)
    bool lastWrite = false;   // setting 73: last-write times count (contents watcher)
    WPARAM treeNode = 0;      // the tree node a tree watcher reports
};

// The owner's hold on a running watcher. The stop event and the running flag
// are shared with the watcher's thread, so either side may go first.
class FolderWatcher {
public:
    ~FolderWatcher();  // sets the stop event
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Starts a watcher of path for target; null when the thread cannot start.
    static std::unique_ptr<FolderWatcher> Start(WatchKind kind, HWND target, const std::string& path,
                                                const WatchOptions& options);
    // Sets the stop event unless it is set already.
    void Stop();
    // False once the watcher's thread has ended.
    bool IsRunning() const;

    struct Shared {
        HANDLE stopEvent = nullptr;
        std::atomic<bool> running{true};
        ~Shared();
    };

private:
    explicit FolderWatcher(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}
    std::shared_ptr<Shared> m_shared;
};

// The delays before a change is reported.
inline constexpr DWORD kContentsChangeDelayMs = 5000;
inline constexpr DWORD kTreeChangeDelayMs = 1000;
