#pragma once
// The work of the folder-list worker: every folder of the fixed drives C: to
// Z:, depth first, handed to the folder table for Fast Find.

// Core
#include "core/search/EntryIndex.h"
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
    // With an index, every folder's entries go into it as well, and each
    // drive walked to its end without reaching the bound is marked covered.
    [[nodiscard]] static std::optional<std::vector<std::string>> Collect(
        platform::DirectoryLister& lister, const std::atomic<int>& state,
        CEntryIndex* index = nullptr);

    // Lists a folder known to the index (or a drive root) and everything
    // below it into the index. False on a stop or when the bound cut it short.
    static bool IndexTree(platform::DirectoryLister& lister, const std::atomic<int>& state,
                          const std::string& folder, CEntryIndex& index);

    // The whole worker: marks the table not ready, collects, fills the table
    // and marks it ready. False when another walk is running (it returns at
    // once) or the walk was stopped (the table stays not ready).
    // With an index, the index is built beside the table in the same walk
    // and replaces the index's contents at the end.
    static bool Run(platform::DirectoryLister& lister, const std::atomic<int>& state,
                    CFolderTable& table, CEntryIndex* index = nullptr);

    // Whether a walk runs now, and how many entries the index it builds
    // holds so far (0 when it builds none). Read by any thread.
    static bool IsRunning();
    static std::size_t EntriesIndexed();

private:
    static bool Walk(platform::DirectoryLister& lister, const std::atomic<int>& state,
                     const std::string& folder, std::vector<std::string>& out,
                     CEntryIndex* index);
};
