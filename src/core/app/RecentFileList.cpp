#include "core/app/RecentFileList.h"

// Core
#include "core/app/ObjectList.h"

// Standard library
#include <algorithm>

CRecentFileList::CRecentFileList(int size) : m_size(std::clamp(size, 0, kMaxEntries)) {}

std::string CRecentFileList::ValueName(int index) { return "File" + std::to_string(index + 1); }

void CRecentFileList::Load(const CRegistryKey& key)
{
    m_entries.clear();
    for (int i = 0; i < m_size; ++i) {
        const std::string path = key.ReadText(ValueName(i).c_str(), "");
        if (!path.empty()) m_entries.push_back(path);
    }
}

void CRecentFileList::Save(CRegistryKey& key) const
{
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < static_cast<int>(m_entries.size()))
            key.WriteText(ValueName(i).c_str(), m_entries[static_cast<std::size_t>(i)]);
        else
            key.DeleteValue(ValueName(i).c_str());
    }
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty() || m_size == 0) return;
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const std::string& entry) { return SameNameNoCase(entry, path); }),
                    m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (static_cast<int>(m_entries.size()) > m_size) m_entries.resize(static_cast<std::size_t>(m_size));
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < static_cast<int>(m_entries.size()))
        m_entries.erase(m_entries.begin() + index);
}

std::string CRecentFileList::MenuText(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_entries.size())) return {};
    return "&" + std::to_string(index + 1) + " " + m_entries[static_cast<std::size_t>(index)];
}
