#pragma once
// The work of the folder-list worker: every folder of the fixed drives C: to
// Z:, depth first, handed to the folder table for Fast Find.

// Core
#include "core/search/FolderTable.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class FolderListWalk {
public:
    static constexpr std::size_t kMaxFolders = 25000;

    // The folders in visiting order, at most kMaxFolders; none when the state
    // word asked for a stop before a folder.
    [[nodiscard]] static std::optional<std::vector<std::string>> Collect(
        platform::DirectoryLister& lister, const std::atomic<int>& state);

    // The whole worker: marks the table not ready, collects, fills the table
    // and marks it ready. False when another walk is running (it returns at
    // once) or the walk was stopped (the table stays not ready).
    static bool Run(platform::DirectoryLister& lister, const std::atomic<int>& state,
                    CFolderTable& table);

private:
    static bool Walk(platform::DirectoryLister& lister, const std::atomic<int>& state,
                     const std::string& folder, std::vector<std::string>& out);
};
