#include "core/search/FolderListWalk.h"

// Core
#include "core/search/PatternMatch.h"
#include "core/search/SearchSink.h"

namespace {

constexpr char kFirstLetter = 'C';
constexpr char kLastLetter = 'Z';

std::atomic<bool> g_running{false};

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
                                                                 const std::atomic<int>& state)
{
    std::vector<std::string> folders;
    for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (lister.QueryDriveType(root) != platform::DriveType::Fixed) continue;
        if (!Walk(lister, state, root, folders)) return std::nullopt;
        if (folders.size() >= kMaxFolders) break;
    }
    return folders;
}

// False on a stop request; reaching kMaxFolders ends the walk normally.
bool FolderListWalk::Walk(platform::DirectoryLister& lister, const std::atomic<int>& state,
                          const std::string& folder, std::vector<std::string>& out)
{
    if (state.load() != WorkState::Running) return false;
    if (out.size() >= kMaxFolders) return true;
    out.push_back(folder);
    std::vector<std::string> children;
    lister.List(folder + kAllFilesPattern, [&](const platform::FindEntry& entry) {
        if (platform::IsFolderToDescend(entry)) children.push_back(folder + entry.name + "\\");
        return true;
    });
    for (const std::string& child : children) {
        if (!Walk(lister, state, child, out)) return false;
        if (out.size() >= kMaxFolders) return true;
    }
    return true;
}

bool FolderListWalk::Run(platform::DirectoryLister& lister, const std::atomic<int>& state,
                         CFolderTable& table)
{
    RunningFlag running;
    if (!running.Owned()) return false;
    table.MarkNotReady();
    std::optional<std::vector<std::string>> folders = Collect(lister, state);
    if (!folders) return false;
    table.Fill(*folders);
    table.MarkReady();
    return true;
}
