#include "ui/app/IndexWatchThread.h"

// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderListWalk.h"
#include "core/search/IndexUpkeep.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/System.h"

// Framework
#include "ui/framework/SystemFunctions.h"

// Standard library
#include <string>
#include <vector>

namespace {

// Not on Windows 95: loaded by name, never imported.
using ReadChangesProc = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, BOOL, DWORD, LPDWORD, LPOVERLAPPED,
                                      LPOVERLAPPED_COMPLETION_ROUTINE);

ReadChangesProc ReadChanges()
{
    return ui::SystemFunctionAs<ReadChangesProc>("kernel32.dll", "ReadDirectoryChangesW");
}

// Room for about a thousand notices between two reads; more overflow, and
// the drive is listed again.
constexpr DWORD kBufferWords = 16 * 1024;
// How often the worker looks at its state word and at a walk's new index.
constexpr DWORD kPollMs = 250;
// A watch that failed is tried again after this long.
constexpr DWORD kRetryMs = 5000;
// A closed watch's read ends at once; should it not, its buffer is given up.
constexpr DWORD kCloseWaitMs = 1000;
// Everything the index keeps: names, sizes, attributes and the three times.
constexpr DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_LAST_ACCESS |
                                FILE_NOTIFY_CHANGE_CREATION;
constexpr char kFirstLetter = 'C';
constexpr char kLastLetter = 'Z';

// A name the code page holds only approximately is not one the program can
// find again: the round trip must give the same name back.
bool Narrow(const std::u16string& wide, std::string& narrow)
{
    narrow.clear();
    if (wide.empty()) return true;
    const auto* text = reinterpret_cast<const wchar_t*>(wide.data());
    const int wideLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    narrow.resize(static_cast<std::size_t>(length));
    ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, &narrow[0], length, nullptr, &usedDefault);
    if (usedDefault) return false;
    std::wstring back(wide.size(), L'\0');
    return ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), length, &back[0], wideLength) == wideLength &&
           back.compare(0, back.size(), text, wide.size()) == 0;
}

// One drive root watched with its sub-trees.
struct DriveWatch {
    char letter = 0;
    HANDLE folder = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    OVERLAPPED overlapped = {};
    DWORD* buffer = nullptr;  // DWORD-aligned, as the records need
    bool reading = false;
    DWORD retryAt = 0;
};

// Everything here lives on the worker's thread: the reads are issued there
// (the system ends a thread's reads with it) and the notices applied there.
class DriveWatches {
public:
    DriveWatches(ReadChangesProc read, platform::DirectoryLister& lister, const std::atomic<int>& state)
        : m_read(read), m_lister(lister), m_state(state), m_index(CEntryIndex::Instance()),
          m_upkeep(lister, m_index, state), m_startGeneration(m_index.Generation())
    {
    }
    ~DriveWatches()
    {
        for (DriveWatch& watch : m_watches) {
            Close(watch);
            if (watch.event) ::CloseHandle(watch.event);
        }
    }
    DriveWatches(const DriveWatches&) = delete;
    DriveWatches& operator=(const DriveWatches&) = delete;

    void OpenAll()
    {
        // The system writes into each watch's OVERLAPPED: the vector must never move them.
        m_watches.reserve(kLastLetter - kFirstLetter + 1);
        for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
            if (m_lister.QueryDriveType(Root(letter)) != platform::DriveType::Fixed) continue;
            DriveWatch watch;
            watch.letter = letter;
            watch.event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
            if (!watch.event) continue;
            m_watches.push_back(watch);
            if (!Open(m_watches.back())) m_watches.back().retryAt = ::GetTickCount() + kRetryMs;
        }
    }

    void Run()
    {
        while (m_state.load() == WorkState::Running) {
            std::vector<HANDLE> events;
            std::vector<DriveWatch*> owners;
            for (DriveWatch& watch : m_watches)
                if (watch.reading) {
                    events.push_back(watch.event);
                    owners.push_back(&watch);
                }
            DWORD result = WAIT_TIMEOUT;
            if (events.empty()) ::Sleep(kPollMs);
            else result = ::WaitForMultipleObjects(static_cast<DWORD>(events.size()), events.data(), FALSE, kPollMs);
            if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + events.size())
                Take(*owners[result - WAIT_OBJECT_0]);
            m_upkeep.CatchUp();
            Tend();
        }
    }

private:
    static std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

    bool Open(DriveWatch& watch)
    {
        watch.folder = ::CreateFileA(Root(watch.letter).c_str(), FILE_LIST_DIRECTORY,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
        if (watch.folder == INVALID_HANDLE_VALUE) return false;
        if (!watch.buffer) watch.buffer = new DWORD[kBufferWords];
        if (Issue(watch)) return true;
        Close(watch);
        return false;
    }

    bool Issue(DriveWatch& watch)
    {
        ::ResetEvent(watch.event);
        watch.overlapped = {};
        watch.overlapped.hEvent = watch.event;
        watch.reading = m_read(watch.folder, watch.buffer, kBufferWords * sizeof(DWORD), TRUE, kChangeFilter,
                               nullptr, &watch.overlapped, nullptr) != FALSE;
        return watch.reading;
    }

    void Close(DriveWatch& watch)
    {
        if (watch.folder == INVALID_HANDLE_VALUE) return;
        ::CloseHandle(watch.folder);
        watch.folder = INVALID_HANDLE_VALUE;
        // The system may still write the buffer until the read ends.
        if (watch.reading && ::WaitForSingleObject(watch.event, kCloseWaitMs) != WAIT_OBJECT_0)
            watch.buffer = nullptr;  // left to the system: never freed under it
        watch.reading = false;
        delete[] watch.buffer;
        watch.buffer = nullptr;
    }

    // One finished read: its notices applied, or the drive listed again when
    // they were lost or damaged; then the next read.
    void Take(DriveWatch& watch)
    {
        DWORD bytes = 0;
        const BOOL read = ::GetOverlappedResult(watch.folder, &watch.overlapped, &bytes, FALSE);
        watch.reading = false;
        const DWORD error = read ? ERROR_SUCCESS : ::GetLastError();
        if (read || error == ERROR_NOTIFY_ENUM_DIR) {
            const auto* data = reinterpret_cast<const unsigned char*>(watch.buffer);
            const std::optional<std::vector<ChangeNotice>> notices =
                ReadChangeRecords(data, read ? bytes : 0, Narrow);
            if (notices) m_upkeep.Apply(watch.letter, *notices);
            else m_upkeep.NoticesLost(watch.letter);
            if (Issue(watch)) return;
        }
        // Without its watch the drive's answers come from the disk again.
        Close(watch);
        m_index.MarkCovered(watch.letter, false);
        watch.retryAt = ::GetTickCount() + kRetryMs;
    }

    // Between walks: a drive the index covers without a watch is watched
    // again and listed again (what changed meanwhile is unknown); a drive the
    // walks leave uncovered is not watched.
    void Tend()
    {
        if (FolderListWalk::IsRunning()) return;
        const bool walked = m_index.Generation() != m_startGeneration;
        const DWORD now = ::GetTickCount();
        for (DriveWatch& watch : m_watches) {
            const bool covered = m_index.IsCovered(watch.letter);
            const bool open = watch.folder != INVALID_HANDLE_VALUE;
            if (!covered && open && walked) {
                Close(watch);
            } else if (covered && !open) {
                if (static_cast<LONG>(now - watch.retryAt) < 0) {
                    m_index.MarkCovered(watch.letter, false);
                } else if (Open(watch)) {
                    m_upkeep.RelistDrive(watch.letter);
                } else {
                    m_index.MarkCovered(watch.letter, false);
                    watch.retryAt = now + kRetryMs;
                }
            }
        }
    }

    ReadChangesProc m_read;
    platform::DirectoryLister& m_lister;
    const std::atomic<int>& m_state;
    CEntryIndex& m_index;
    IndexUpkeep m_upkeep;
    std::uint32_t m_startGeneration;
    std::vector<DriveWatch> m_watches;
};

}  // namespace

CIndexWatchThread::CIndexWatchThread(platform::DirectoryLister& lister, std::shared_ptr<platform::Event> watching)
    : m_lister(lister), m_watching(std::move(watching))
{
}

bool CIndexWatchThread::InitInstance()
{
    SetPriority(THREAD_PRIORITY_BELOW_NORMAL);
    if (ReadChangesProc read = ReadChanges()) {
        DriveWatches watches(read, m_lister, *m_state);
        watches.OpenAll();
        m_watching->Set();
        watches.Run();
    }
    m_watching->Set();
    SetState(WorkState::Finished);
    return false;
}

IndexWatchWorker::~IndexWatchWorker()
{
    if (m_thread) ::CloseHandle(m_thread);
}

// Windows 98 carries the function as a stub that always fails.
bool IndexWatchWorker::Available() { return platform::IsWindowsNT() && ReadChanges() != nullptr; }

bool IndexWatchWorker::IsRunning() const
{
    return m_thread && ::WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT;
}

std::shared_ptr<platform::Event> IndexWatchWorker::Watching() const
{
    return IsRunning() ? m_watching : nullptr;
}

bool IndexWatchWorker::Start(platform::DirectoryLister& lister)
{
    if (IsRunning()) return true;
    if (!Available()) return false;
    if (m_thread) ::CloseHandle(m_thread);
    m_thread = nullptr;
    auto watching = std::make_shared<platform::Event>(true);
    auto* worker = new CIndexWatchThread(lister, watching);
    StateWord state = worker->StateHandle();
    HANDLE thread = nullptr;
    if (!worker->CreateThread(&thread)) {
        delete worker;
        return false;
    }
    m_state = std::move(state);
    m_thread = thread;
    m_watching = std::move(watching);
    return true;
}

bool IndexWatchWorker::StopAndWait(DWORD milliseconds)
{
    if (m_state) {
        int running = WorkState::Running;
        m_state->compare_exchange_strong(running, WorkState::Stop);
    }
    if (!m_thread) return true;
    if (::WaitForSingleObject(m_thread, milliseconds) != WAIT_OBJECT_0) return false;
    ::CloseHandle(m_thread);
    m_thread = nullptr;
    return true;
}
