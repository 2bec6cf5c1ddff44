#pragma once
// The list of recently opened folders shown at the end of the File menu and
// kept under the application's key as "File1", "File2" ...

// Core
#include "core/app/RegistryKey.h"

// Standard library
#include <string>
#include <vector>

class CRecentFileList {
public:
    static constexpr int kMaxEntries = 9;  // one digit each in the menu
    static constexpr char kSectionName[] = "Recent File List";

    // A size outside 0..9 is cut into it.
    explicit CRecentFileList(int size);

    void Load(const CRegistryKey& key);
    // Writes every entry and removes the values of the places that are empty.
    void Save(CRegistryKey& key) const;

    // Puts the path first; an entry naming the same path (without regard to
    // case) leaves its old place. An empty path is ignored.
    void Add(const std::string& path);
    void Remove(int index);

    int Size() const { return m_size; }
    const std::vector<std::string>& Entries() const { return m_entries; }
    // The menu text of entry `index`: "&1 C:\Folder".
    std::string MenuText(int index) const;

private:
    static std::string ValueName(int index);

    int m_size;
    std::vector<std::string> m_entries;
};
