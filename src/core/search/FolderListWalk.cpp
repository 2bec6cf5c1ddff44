#include "core/search/FolderListWalk.h"

// Core
#include "core/search/PatternMatch.h"
#include "core/search/SearchSink.h"

namespace {

constexpr char kFirstLetter = 'C';
constexpr char kLastLetter = 'Z';

std::atomic<bool> g_running{false};
// The index a running walk builds aside and its entries so far, for the
// status bar; written by that walk only.
std::atomic<const CEntryIndex*> g_building{nullptr};
std::atomic<std::size_t> g_indexed{0};

// Clears the process-wide running flag however the walk ends.
class RunningFlag {
public:
    RunningFlag() : m_owned(!g_running.exchange(true)) {}
    ~RunningFlag()
    {
        if (m_owned) g_running.store(false);
    }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
    bool Owned() const { return m_owned; }

private:
    bool m_owned;
};

}  // namespace

std::optional<std::vector<std::string>> FolderListWalk::Collect(platform::DirectoryLister& lister,
                                                                 const std::atomic<int>& state,
                                                                 CEntryIndex* index)
{
    std::vector<std::string> folders;
    for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (lister.QueryDriveType(root) != platform::DriveType::Fixed) continue;
        if (!Walk(lister, state, root, folders, index)) return std::nullopt;
        if (folders.size() >= kMaxFolders) break;
        if (index) index->MarkCovered(letter, true);
    }
    return folders;
}

bool FolderListWalk::IndexTree(platform::DirectoryLister& lister, const std::atomic<int>& state,
                               const std::string& folder, CEntryIndex& index)
{
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    std::vector<std::string> folders;
    return Walk(lister, state, path, folders, &index) && folders.size() < kMaxFolders;
}

// False on a stop request; reaching kMaxFolders ends the walk normally.
bool FolderListWalk::Walk(platform::DirectoryLister& lister, const std::atomic<int>& state,
                          const std::string& folder, std::vector<std::string>& out,
                          CEntryIndex* index)
{
    if (state.load() != WorkState::Running) return false;
    if (out.size() >= kMaxFolders) return true;
    out.push_back(folder);
    std::vector<std::string> children;
    std::vector<platform::FindEntry> entries;
    lister.List(folder + kAllFilesPattern, [&](const platform::FindEntry& entry) {
        if (platform::IsFolderToDescend(entry)) children.push_back(folder + entry.name + "\\");
        if (index) entries.push_back(entry);
        return true;
    });
    if (index) {
        index->SetListing(folder, entries);
        if (index == g_building.load()) g_indexed.store(index->Count(), std::memory_order_relaxed);
    }
    for (const std::string& child : children) {
        if (!Walk(lister, state, child, out, index)) return false;
        if (out.size() >= kMaxFolders) return true;
    }
    return true;
}

bool FolderListWalk::Run(platform::DirectoryLister& lister, const std::atomic<int>& state,
                         CFolderTable& table, CEntryIndex* index)
{
    RunningFlag running;
    if (!running.Owned()) return false;
    table.MarkNotReady();
    // Built aside: searches keep the old index until the new one is whole.
    CEntryIndex built;
    g_indexed.store(0, std::memory_order_relaxed);
    g_building.store(index ? &built : nullptr);
    std::optional<std::vector<std::string>> folders = Collect(lister, state, index ? &built : nullptr);
    g_building.store(nullptr);
    if (!folders) return false;
    table.Fill(*folders);
    table.MarkReady();
    if (index) {
        built.Trim();
        index->TakeFrom(built);
    }
    return true;
}

bool FolderListWalk::IsRunning() { return g_running.load(); }

std::size_t FolderListWalk::EntriesIndexed()
{
    return g_building.load() ? g_indexed.load(std::memory_order_relaxed) : 0;
}
