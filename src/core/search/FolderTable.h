#pragma once
// The table of all folders on the fixed drives that Fast Find reads instead of
// walking the disks. One process-wide object, filled by the folder-list worker
// and read by searches on other threads.

// Platform
#include "platform/Threads.h"

// Standard library
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CFolderTable {
public:
    static constexpr std::size_t kGrowth = 500;

    static CFolderTable& Instance();

    void MarkNotReady();
    // Stores the paths upper-cased, each ending with "\". Ready stays as it is.
    void Fill(const std::vector<std::string>& paths);
    void MarkReady();
    bool IsReady() const;

    // Every stored folder at or below `folder`; none when the table is not ready.
    [[nodiscard]] std::optional<std::vector<std::string>> Query(const std::string& folder) const;

    // The same folders, each with the path as it was filled in. Listing a folder
    // by its stored case spares the file system a search for each upper-cased
    // name; the upper-cased path is still the one results carry.
    struct Folder {
        std::string path;      // upper-cased, ending with ""
        std::string original;  // as filled in, ending with ""
    };
    [[nodiscard]] std::optional<std::vector<Folder>> QueryFolders(const std::string& folder) const;

    std::size_t Count() const;
    std::size_t Capacity() const;

    // Upper case with a final "\".
    static std::string Normalize(const std::string& path);

private:
    mutable platform::Lock m_mutex;
    std::vector<std::string> m_paths;
    std::vector<std::string> m_originals;
    std::size_t m_capacity = 0;
    bool m_ready = false;
};
