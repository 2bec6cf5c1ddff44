#include "core/search/FolderTable.h"

// Standard library
#include <cctype>

CFolderTable& CFolderTable::Instance()
{
    static CFolderTable table;
    return table;
}

std::string CFolderTable::Normalize(const std::string& path)
{
    std::string normal = path;
    for (char& c : normal) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (normal.empty() || normal.back() != '\\') normal += '\\';
    return normal;
}

void CFolderTable::MarkNotReady()
{
    platform::LockGuard lock(m_mutex);
    m_ready = false;
}

void CFolderTable::Fill(const std::vector<std::string>& paths)
{
    std::vector<std::string> normal;
    std::vector<std::string> originals;
    normal.reserve(paths.size());
    originals.reserve(paths.size());
    for (const std::string& path : paths) {
        normal.push_back(Normalize(path));
        originals.push_back(path.empty() || path.back() != '\\' ? path + '\\' : path);
    }
    platform::LockGuard lock(m_mutex);
    if (m_capacity < normal.size()) m_capacity = normal.size() + kGrowth;
    m_paths = std::move(normal);
    m_originals = std::move(originals);
}

void CFolderTable::MarkReady()
{
    platform::LockGuard lock(m_mutex);
    m_ready = true;
}

bool CFolderTable::IsReady() const
{
    platform::LockGuard lock(m_mutex);
    return m_ready;
}

// Containment is tested as a prefix: the stored paths and the query both
// start with their drive, so a folder's path can only occur at the start.
std::optional<std::vector<std::string>> CFolderTable::Query(const std::string& folder) const
{
    const std::string wanted = Normalize(folder);
    platform::LockGuard lock(m_mutex);
    if (!m_ready) return std::nullopt;
    std::vector<std::string> found;
    for (const std::string& path : m_paths)
        if (path.compare(0, wanted.size(), wanted) == 0) found.push_back(path);
    return found;
}

std::optional<std::vector<CFolderTable::Folder>> CFolderTable::QueryFolders(
    const std::string& folder) const
{
    const std::string wanted = Normalize(folder);
    platform::LockGuard lock(m_mutex);
    if (!m_ready) return std::nullopt;
    std::vector<Folder> found;
    for (std::size_t i = 0; i < m_paths.size(); ++i)
        if (m_paths[i].compare(0, wanted.size(), wanted) == 0)
            found.push_back({m_paths[i], m_originals[i]});
    return found;
}

std::size_t CFolderTable::Count() const
{
    platform::LockGuard lock(m_mutex);
    return m_paths.size();
}

std::size_t CFolderTable::Capacity() const
{
    platform::LockGuard lock(m_mutex);
    return m_capacity;
}
