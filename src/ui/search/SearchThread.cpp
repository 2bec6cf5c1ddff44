#include "ui/search/SearchThread.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/search/SearchEngine.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/MessageBox.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/ItemBinder.h"
#include "ui/folders/StatusReport.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kItemGrowth = 100;
// The window shows the folder being searched a few times a second: a wait for
// the window per folder would cost the search far more than the folder's own
// listing.
constexpr DWORD kStatusIntervalMs = 50;
std::atomic<DWORD> g_statusInterval{kStatusIntervalMs};

// The engine's reports as the window's messages, and the shell's side of
// each result. Lives on the search thread only.
class WindowSink : public SearchSink {
public:
    WindowSink(const SearchRequest& request, ListingResult& result) : m_request(request), m_result(result)
    {
        CTrailmarkApp* app = CTrailmarkApp::Instance();
        m_appIcon = app ? app->IconIndex(IconFile::App) : -1;
        m_shareIcon = app ? app->IconIndex(IconFile::FolderShare) : -1;
        m_exeIcon = shell::ExecutableIcon();
        m_statusInterval = g_statusInterval.load();
        m_items.reserve(kItemGrowth);
    }

    void SearchStarted(std::uint32_t steps) override
    {
        Send(UWM_SEARCHSTARTED, steps, 0);
    }
    void StatusText(const std::string& text, bool asIs) override
    {
        if (m_statusInterval == 0) {
            // Each folder as it is entered, the search waiting for the window.
            // Sent, so the text lives until the window has shown it.
            Send(UWM_STATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), asIs ? 1 : 0);
            return;
        }
        if (asIs) {
            FlushStatus();
            Post(text, true, 1);
            return;
        }
        m_statusText = text;
        ++m_statusSteps;
        if (m_statusOnItsWay->load() || ::GetTickCount() - m_statusPostedAt < m_statusInterval) return;
        FlushStatus();
    }
    void ResultsChanged() override
    {
        FlushStatus();
        if (::IsWindow(m_request.window)) ::PostMessageA(m_request.window, UWM_RESULTSCHANGED, 0, 0);
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override
    {
        FlushStatus();
        const UINT flags = MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION);
        ui::ShowMessage(m_request.window, text, flags);
    }
    bool AcceptFolder(const std::string& containing) override
    {
        // A drive's type is asked once, not for each of its folders.
        if (containing.compare(0, 2, "\\\\") == 0) {
            m_remote = true;
        } else {
            const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(containing[0])));
            if (drive != m_drive) {
                m_drive = drive;
                m_driveRemote = shell::DriveTypeOf(containing) == DRIVE_REMOTE;
            }
            m_remote = m_driveRemote;
        }
        if (m_remote) m_network = true;
        return true;
    }
    bool AdoptResult(FileItem& record) override
    {
        // Without an exact path the entry cannot be reached: a name the code
        // page lost and no short name.
        if (ActionPathOf(record).empty()) return false;
        auto item = std::make_unique<CFileItem>(record);
        // The shell sees the item only where it alone can say what it shows;
        // the view binds the rest when the shell is about to act on them.
        const ShownFacts facts = m_facts.Of(*item, m_remote);
        item->iconIndex = facts.icon;
        if (!m_remote) {
            if (item->iconIndex == m_exeIcon && m_appIcon != -1) item->iconIndex = m_appIcon;
            if (facts.link) m_result.links.Add(item.get());
            if (facts.share) {
                if (m_shareIcon != -1) item->iconIndex = m_shareIcon;
                else m_result.shares.Add(item.get());
            }
        }
        // The engine read the entry's size, times and attributes: only the
        // type is left, and the list must not ask the shell for it while drawing.
        item->typeName = m_lookup.TypeName(item->absoluteId, PlacePathOf(*item), item->isDirectory);
        item->hiddenOrSystem = facts.ghosted || (item->attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        item->detailsPending = false;
        m_ghosted.push_back(facts.ghosted);
        m_items.push_back(std::move(item));
        return true;
    }
    void DeliverResults(SearchResults results) override
    {
        FlushStatus();
        // The engine keeps exactly the records it adopted, in the same order.
        m_delivered = results.size() == m_items.size();
    }

    // Makes the rows of the one fill: the items in the order found.
    bool Fill(const std::atomic<int>& state)
    {
        if (!m_delivered) return false;
        m_result.store->items = std::move(m_items);
        m_result.rows.reserve(m_result.store->items.size());
        std::string previousFolder;
        int folderIcon = -1;
        int plainFolderIcon = -1;
        for (std::size_t i = 0; i < m_result.store->items.size(); ++i) {
            if (state.load() == WorkState::Finished) return false;
            CFileItem& item = *m_result.store->items[i];
            m_result.rows.push_back({&item, m_ghosted[i], m_ghosted[i]});
            m_result.totalSize += static_cast<double>(item.sizeBytes);
            if (!m_request.folderIcons) continue;
            if (item.folderPath != previousFolder) {
                previousFolder = item.folderPath;
                folderIcon = shell::ContainingFolderIcon(previousFolder, plainFolderIcon);
            }
            item.folderIconIndex = folderIcon;
        }
        m_result.needIconThread = m_network;
        m_result.noOverlays = m_result.links.Count() == 0 && m_result.shares.Count() == 0;
        return true;
    }

private:
    void Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (::IsWindow(m_request.window)) ::SendMessageA(m_request.window, message, wParam, lParam);
    }

    // The folders searched since the last report, with the last one's text:
    // posted, so that the search goes on while the window draws. Reports
    // follow each other in order, and the window's messages after them too.
    void FlushStatus()
    {
        if (m_statusSteps == 0) return;
        Post(m_statusText, false, m_statusSteps);
        m_statusSteps = 0;
    }

    void Post(const std::string& text, bool asIs, long steps)
    {
        if (!::IsWindow(m_request.window)) return;
        auto report = std::make_unique<StatusReport>();
        report->text = text;
        report->asIs = asIs;
        report->steps = steps;
        report->onItsWay = m_statusOnItsWay;
        m_statusOnItsWay->store(true);
        if (::PostMessageA(m_request.window, UWM_STATUSREPORT, reinterpret_cast<WPARAM>(report.get()), 0))
            report.release();
        else
            m_statusOnItsWay->store(false);
        m_statusPostedAt = ::GetTickCount();
    }

    const SearchRequest& m_request;
    ListingResult& m_result;
    shell::LookupCache m_lookup;
    CShownFacts m_facts;
    std::vector<std::unique_ptr<CFileItem>> m_items;
    std::vector<bool> m_ghosted;
    std::string m_statusText;
    long m_statusSteps = 0;  // folders searched since the last report
    DWORD m_statusInterval = kStatusIntervalMs;
    std::shared_ptr<std::atomic<bool>> m_statusOnItsWay = std::make_shared<std::atomic<bool>>(false);
    DWORD m_statusPostedAt = 0;
    int m_appIcon = -1;
    int m_shareIcon = -1;
    int m_exeIcon = -1;
    char m_drive = '\0';  // the drive whose type m_driveRemote holds
    bool m_driveRemote = false;
    bool m_remote = false;
    bool m_network = false;
    bool m_delivered = false;
};

}  // namespace

CSearchThread::CSearchThread(SearchRequest request, ListingJobPtr job)
    : CFolderThread(request.view, std::move(job), false), m_request(std::move(request))
{
}

bool CSearchThread::ChooseFastFind(const std::vector<CCondition>& criteria, bool optionOn, bool windowsNT)
{
    if (!optionOn || !windowsNT) return false;
    for (const CCondition& condition : criteria)
        if (condition.IsRemote(platform::SystemDirectoryLister())) return false;
    return true;
}

void CSearchThread::SetStatusInterval(DWORD milliseconds) { g_statusInterval.store(milliseconds); }

DWORD CSearchThread::StatusInterval() { return g_statusInterval.load(); }

void CSearchThread::OnThreadMessage(const MSG& msg)
{
    if (msg.message != UWM_STARTWORK) return;
    const int state = State();
    if (state != WorkState::Running) {
        // Stopped before it began: an abandoned search ends silently; any
        // other stop still ends the window's run and tells the view, which may
        // be waiting to start the search that replaces this one.
        if (state != WorkState::Finished && ::IsWindow(m_request.window))
            ::PostMessageA(m_request.window, UWM_RESULTSCHANGED, 0, 0);
        Finish(state != WorkState::Finished);
        return;
    }
    m_job->result.completed = DoWork();
    Finish(true);
}

bool CSearchThread::DoWork()
{
    ListingResult& result = m_job->result;
    result.store = std::make_shared<ItemStore>();
    result.totalSize = 0;
    WindowSink sink(m_request, result);
    std::vector<const CCondition*> criteria;
    for (const CCondition& condition : m_request.criteria) criteria.push_back(&condition);
    SearchOptions options;
    options.singleLevel = m_request.singleLevel;
    options.fastFind = m_request.fastFind;
    CSearchEngine engine(platform::SystemDirectoryLister(), sink, *m_state);
    const SearchOutcome outcome = engine.Run(criteria, options);
    // The window shows a run from the start message on; a folder that failed
    // its check must end that display too.
    if (outcome == SearchOutcome::FolderCheckFailed) sink.ResultsChanged();
    return sink.Fill(*m_state);
}
