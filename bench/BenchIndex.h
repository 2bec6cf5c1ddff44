#pragma once
// The entry index of a benchmark tree: the tree is indexed where it lies,
// as the folder-list walk would index it, and its drive marked covered.

// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderListWalk.h"
#include "core/search/SearchSink.h"

// Standard library
#include <atomic>
#include <string>

// The folders above the tree, each holding only the next one, so that the
// tree can be indexed where it lies.
inline void IndexPathTo(CEntryIndex& index, const std::string& folder)
{
    std::size_t end = folder.find('\\', 3);
    while (end != std::string::npos) {
        const std::size_t start = folder.rfind('\\', end - 1) + 1;
        platform::FindEntry step;
        step.name = folder.substr(start, end - start);
        step.attributes = platform::kAttrDirectory;
        index.SetListing(folder.substr(0, start), {step});
        end = folder.find('\\', end + 1);
    }
}

// `folder` ends with "\".
inline std::size_t BuildIndex(platform::DirectoryLister& lister, const std::string& folder,
                              CEntryIndex& index)
{
    index.Clear();
    IndexPathTo(index, folder);
    const std::atomic<int> state{WorkState::Running};
    FolderListWalk::IndexTree(lister, state, folder, index);
    index.MarkCovered(folder[0], true);
    index.Trim();
    return index.Count();
}
