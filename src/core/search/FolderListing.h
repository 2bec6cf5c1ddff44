#pragma once
// Folder listings for a search, read ahead by a second thread when asked.
// Each folder is listed once with "*.*"; the search picks each pattern's
// entries from that one listing. The search visits folders in its own order
// (depth first, or a fixed list); the helper lists from the far end of that
// order towards the search, so the two meet in the middle and every folder
// is listed exactly once by whichever thread reaches it first.

// Platform
#include "platform/DirectoryLister.h"
#include "platform/Threads.h"

// Standard library
#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct FolderNode {
    std::string path;      // ends with "\"; the folder part of result paths
    std::string listPath;  // where to list it, when it differs from path
    bool listed = false;  // the listing found at least "." or one entry
    std::vector<platform::FindEntry> entries;
    // Sub-folders, in listing order; filled with the listing.
    std::vector<std::unique_ptr<FolderNode>> children;

private:
    friend class FolderListing;
    enum class State { Unclaimed, Claimed, Ready };
    State state = State::Unclaimed;
    bool countedAhead = false;
};

class FolderListing {
public:
    // Entries held ahead of the search before the helper waits.
    static constexpr std::size_t kMaxEntriesAhead = 100000;

    FolderListing(platform::DirectoryLister& lister, const std::atomic<int>& state);
    ~FolderListing();  // stops and joins the helper
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // A node for a folder (a trailing "\" is added).
    static std::unique_ptr<FolderNode> MakeNode(const std::string& folder);

    // Starts the helper on a tree rooted at `root` (it descends into
    // sub-folders) or on a fixed list of folders (it does not).
    void StartHelperOnTree(FolderNode* root);
    void StartHelperOnList(const std::vector<FolderNode*>& folders);

    // Lists the node here, or waits for the helper that claimed it.
    void Acquire(FolderNode& node);
    // Frees the node's entries once the search has used them.
    void Release(FolderNode& node);

private:
    void ListInto(FolderNode& node);
    void HelperLoop(std::vector<FolderNode*> stack, bool descend);
    bool ShouldQuit() const;

    platform::DirectoryLister& m_lister;
    const std::atomic<int>& m_state;
    // m_mutex guards the nodes' states, m_entriesAhead and m_quit; the
    // entries of a node belong to whichever thread claimed it until Ready.
    platform::Lock m_mutex;
    platform::Condition m_changed;
    std::size_t m_entriesAhead = 0;
    bool m_quit = false;
    platform::Thread m_helper;
};
