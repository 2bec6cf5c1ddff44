#include "ui/folders/RunningThreads.h"

// Core
#include "core/search/SearchSink.h"

// Standard library
#include <algorithm>
#include <cctype>

namespace {

// Whether `path` is `folder` or lies below it ("C:\\a" holds "C:\\a\\b", not "C:\\ab").
bool Within(const std::string& path, const std::string& folder)
{
    if (folder.empty() || path.size() < folder.size()) return false;
    const bool same = std::equal(folder.begin(), folder.end(), path.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    return same && (path.size() == folder.size() || folder.back() == '\\' || path[folder.size()] == '\\');
}

}  // namespace

RunningThreads::Token RunningThreads::Add(ThreadKind kind, const StateWord& state,
                                          const std::string& path)
{
    platform::LockGuard guard(m_lock);
    const Token token = m_next++;
    m_entries.push_back({token, kind, state, path});
    return token;
}

void RunningThreads::Remove(Token token)
{
    platform::LockGuard guard(m_lock);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [token](const Entry& entry) { return entry.token == token; }),
                    m_entries.end());
}

std::size_t RunningThreads::Count() const
{
    platform::LockGuard guard(m_lock);
    return m_entries.size();
}

void RunningThreads::CancelAll()
{
    platform::LockGuard guard(m_lock);
    for (Entry& entry : m_entries) {
        int running = WorkState::Running;
        if (entry.state) entry.state->compare_exchange_strong(running, WorkState::Stop);
    }
}

bool RunningThreads::WorksOn(const std::string& path) const
{
    platform::LockGuard guard(m_lock);
    for (const Entry& entry : m_entries) {
        if (entry.kind != ThreadKind::FolderDeletion && entry.kind != ThreadKind::FileChange) continue;
        if (Within(entry.path, path) || Within(path, entry.path)) return true;
    }
    return false;
}
