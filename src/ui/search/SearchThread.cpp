#include "ui/search/SearchThread.h"

// Core
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
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Standard library
#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kItemGrowth = 100;
// Wine reports hidden files as hidden, not as ghosted; both mean the same here.
constexpr ULONG kGhostAttributes = SFGAO_GHOSTED | SFGAO_HIDDEN;
constexpr ULONG kAskedAttributes = SFGAO_LINK | SFGAO_SHARE | kGhostAttributes;

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
        m_items.reserve(kItemGrowth);
    }

    void SearchStarted(std::uint32_t steps) override
    {
        Send(UWM_SEARCHSTARTED, steps, 0);
    }
    void StatusText(const std::string& text, bool asIs) override
    {
        // Sent, so the text lives until the window has shown it.
        Send(UWM_STATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), asIs ? 1 : 0);
    }
    void ResultsChanged() override
    {
        if (::IsWindow(m_request.window)) ::PostMessageA(m_request.window, UWM_RESULTSCHANGED, 0, 0);
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override
    {
        const UINT flags = MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION);
        ui::ShowMessage(m_request.window, text, flags);
    }
    bool AcceptFolder(const std::string& containing) override
    {
        m_folder.Reset();
        m_folderId = ui::Pidl();
        if (!BindContaining(containing)) return false;
        m_folder = ui::ComPtr<IShellFolder>(m_chain.back().folder.Get());
        m_folderId = ui::Pidl(ui::PidlClone(m_chain.back().id.Get()));
        if (!m_folderId) return false;
        m_remote = containing.compare(0, 2, "\\\\") == 0 || shell::DriveTypeOf(containing) == DRIVE_REMOTE;
        if (m_remote) m_network = true;
        return static_cast<bool>(m_folder);
    }
    bool AdoptResult(FileItem& record) override
    {
        if (!m_folder) return false;
        ui::Pidl relative = shell::ParseInFolder(m_folder.Get(), record.name);
        if (!relative) return false;
        auto item = std::make_unique<CFileItem>(record);
        item->relativeId = relative.Release();
        item->absoluteId = ui::PidlAppend(m_folderId.Get(), item->relativeId);
        m_folder->AddRef();
        item->folder = m_folder.Get();
        item->parentFolder = m_folder.Get();
        item->ownsParentRef = false;
        const ULONG attributes = shell::Attributes(item->folder, item->relativeId, kAskedAttributes);
        AssignIcon(*item, attributes);
        // The engine read the entry's size, times and attributes: only the
        // type is left, and the list must not ask the shell for it while drawing.
        item->typeName = m_lookup.TypeName(item->absoluteId, item->path, item->isDirectory);
        item->hiddenOrSystem = (attributes & kGhostAttributes) != 0 ||
                               (item->attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        item->detailsPending = false;
        m_ghosted.push_back((attributes & kGhostAttributes) != 0);
        m_items.push_back(std::move(item));
        return true;
    }
    void DeliverResults(SearchResults results) override
    {
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
                folderIcon = FolderIcon(previousFolder, plainFolderIcon);
            }
            item.folderIconIndex = folderIcon;
        }
        m_result.needIconThread = m_network;
        m_result.noOverlays = m_result.links.Count() == 0 && m_result.shares.Count() == 0;
        return true;
    }

private:
    // One folder of the path from the first folder bound down to the one
    // whose entries are being looked at.
    struct BoundFolder {
        std::string path;
        ui::Pidl id;  // absolute
        ui::ComPtr<IShellFolder> folder;
    };

    static bool IsWithin(const std::string& path, const std::string& folder)
    {
        if (path.size() < folder.size() || ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, path.c_str(),
                                                             static_cast<int>(folder.size()), folder.c_str(),
                                                             static_cast<int>(folder.size())) != CSTR_EQUAL)
            return false;
        return path.size() == folder.size() || folder.back() == '\\' || path[folder.size()] == '\\';
    }

    // The drive root or "\\\\server\\share" of a path; the path itself otherwise.
    static std::string RootOf(const std::string& path)
    {
        if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return path.substr(0, 3);
        if (path.compare(0, 2, "\\\\") != 0) return path;
        const std::size_t server = path.find('\\', 2);
        if (server == std::string::npos) return path;
        return path.substr(0, std::min(path.find('\\', server + 1), path.size()));
    }

    // The walk goes depth first: each folder is bound relative to the nearest
    // folder above it already bound, one name at a time from the root down,
    // which spares a parse of the whole path from the desktop per folder (each
    // folder above a match is bound once). A path that will not bind that way
    // is parsed whole.
    bool BindContaining(const std::string& containing)
    {
        while (!m_chain.empty() && !IsWithin(containing, m_chain.back().path)) m_chain.pop_back();
        if (m_chain.empty()) BindWhole(RootOf(containing));
        if (!m_chain.empty() && BindBelow(containing)) return true;
        m_chain.clear();
        return BindWhole(containing);
    }

    bool BindWhole(const std::string& path)
    {
        BoundFolder top;
        top.path = path;
        top.id = shell::ParsePath(path);
        if (!top.id) return false;
        top.folder = shell::BindFolder(top.id.Get());
        if (!top.folder) return false;
        m_chain.push_back(std::move(top));
        return true;
    }

    bool BindBelow(const std::string& containing)
    {
        while (containing.size() > m_chain.back().path.size()) {
            const BoundFolder& parent = m_chain.back();
            std::size_t from = parent.path.size();
            if (containing[from] == '\\') ++from;
            const std::size_t end = std::min(containing.find('\\', from), containing.size());
            BoundFolder child;
            child.path = containing.substr(0, end);
            ui::Pidl relative = shell::ParseInFolder(parent.folder.Get(), containing.substr(from, end - from));
            if (!relative) return false;
            if (FAILED(parent.folder->BindToObject(relative.Get(), nullptr, IID_IShellFolder, child.folder.OutVoid())))
                return false;
            child.id = ui::Pidl(ui::PidlAppend(parent.id.Get(), relative.Get()));
            if (!child.id || !child.folder) return false;
            m_chain.push_back(std::move(child));
        }
        return true;
    }

    // A local folder without an icon of its own (no read-only or system mark
    // that lets it name one, not a drive root) shows the shell's folder
    // icon, asked once by attributes instead of by path for each folder.
    static int FolderIcon(const std::string& path, int& plainIcon)
    {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        const bool root = path.size() <= 3 || path.compare(0, 2, "\\\\") == 0;
        if (root || attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)))
            return shell::IconOfPath(path);
        if (plainIcon == -1) plainIcon = shell::PlainFolderIcon();
        return plainIcon;
    }

    void Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (::IsWindow(m_request.window)) ::SendMessageA(m_request.window, message, wParam, lParam);
    }

    void AssignIcon(CFileItem& item, ULONG attributes)
    {
        if (m_remote) {
            // Remote files are not touched: icons by extension; the list asks later.
            item.iconIndex = item.isDirectory ? shell::IconOfPath(item.path) : m_lookup.ExtensionIcon(item.extension);
            return;
        }
        item.iconIndex = m_lookup.ExactIcon(item.folder, item.relativeId, item.absoluteId, item.path, item.isDirectory);
        if (item.iconIndex == m_exeIcon && m_appIcon != -1) item.iconIndex = m_appIcon;
        if (attributes & SFGAO_LINK) m_result.links.Add(&item);
        if (attributes & SFGAO_SHARE) {
            if (m_shareIcon != -1) item.iconIndex = m_shareIcon;
            else m_result.shares.Add(&item);
        }
    }

    const SearchRequest& m_request;
    ListingResult& m_result;
    shell::LookupCache m_lookup;
    ui::ComPtr<IShellFolder> m_folder;  // the folder whose entries are being looked at
    ui::Pidl m_folderId;
    std::vector<BoundFolder> m_chain;
    std::vector<std::unique_ptr<CFileItem>> m_items;
    std::vector<bool> m_ghosted;
    int m_appIcon = -1;
    int m_shareIcon = -1;
    int m_exeIcon = -1;
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
