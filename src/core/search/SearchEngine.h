#pragma once
// The search itself, run synchronously on the search thread: it walks the
// folders of each criteria (or, in Fast Find, lists the folders the folder
// table knows), tests each entry, keeps at most kMaxResults results and
// reports to its sink. The owner stops it through the state word.

// Core
#include "core/search/Condition.h"
#include "core/search/EntryIndex.h"
#include "core/search/FolderTable.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/DirectoryLister.h"
#include "platform/Threads.h"

// Standard library
#include <array>
#include <atomic>
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

class FolderListing;
struct FolderNode;

struct SearchOptions {
    bool singleLevel = false;   // rules: "*.*" without tests lists only the top folder
    bool fastFind = false;      // list the folder table's folders instead of walking
    // List folders ahead on a second thread: waiting on the disk (or on
    // the platform's server) then overlaps the matching, where a second
    // processor can take it.
    bool secondThread = platform::ProcessorCount() > 1;
    const CFolderTable* folderTable = nullptr;  // Fast Find's table; null: the process's
    // Fast Find answers folders of wholly indexed drives from the entry index.
    bool useEntryIndex = true;
    const CEntryIndex* entryIndex = nullptr;  // null: the process's
};

enum class SearchOutcome { NotStarted, FolderCheckFailed, Completed, Stopped };

class CSearchEngine {
public:
    static constexpr std::size_t kMaxResults = 15000;

    CSearchEngine(platform::DirectoryLister& lister, SearchSink& sink, std::atomic<int>& state);

    SearchOutcome Run(const std::vector<const CCondition*>& criteria, const SearchOptions& options);

    // A searched folder was a network folder (icons are then asked for later).
    bool TouchedNetworkFolder() const { return m_network; }

private:
    // One criteria as the search uses it.
    struct Plan {
        const CCondition* criteria;
        std::vector<std::string> folders;
        std::vector<std::string> patterns;
    };
    // One listing step of Fast Find: a folder and the patterns listed in it.
    struct Spec {
        std::size_t plan;
        std::string folder;
        std::string listFolder;  // empty: list `folder` itself
        bool fromIndex = false;  // the whole tree below `folder` from the entry index
    };
    // What listing one spec gave.
    struct SpecResult {
        bool matchedAny = false;
        bool stop = false;
    };

    bool PrepareStart();
    std::vector<Plan> BuildPlans(const std::vector<const CCondition*>& criteria);
    bool CheckFolders(const std::vector<Plan>& plans);
    bool SearchSingleLevel(const Plan& plan) const;
    bool Walks(const Plan& plan) const;

    bool RunWalking(const std::vector<Plan>& plans);
    bool SearchFolder(const Plan& plan, const std::string& folder);
    bool WalkTree(const Plan& plan, FolderNode& node, FolderListing& listing);
    bool ListPatterns(const Plan& plan, const FolderNode& node);

    bool RunFastFind(const std::vector<Plan>& plans);
    std::vector<Spec> BuildSpecs(const std::vector<Plan>& plans);
    void CollectFolders(const std::string& folder, std::vector<std::string>& out);

    const CEntryIndex& Index() const;
    bool IndexAnswers(const Plan& plan, const std::string& folder) const;
    bool SearchIndex(const Plan& plan, const std::string& folder);

    SpecResult ListSpec(const CCondition& criteria, const FolderNode& node,
                        const std::string& pattern);
    SpecResult PickEntries(const CCondition& criteria, const std::string& folder,
                           const std::vector<platform::FindEntry>& entries,
                           const std::string& pattern);
    SpecResult ListSpecOnDisk(const CCondition& criteria, const std::string& spec);
    bool BeginFolder(const std::string& containing);
    bool OfferEntry(const CCondition& criteria, const std::string& folderPart,
                    const std::string& containing, const platform::FindEntry& entry);
    void Finish();

    platform::DriveType DriveTypeOf(const std::string& path);
    bool IsStopRequested() const;

    platform::DirectoryLister& m_lister;
    SearchSink& m_sink;
    std::atomic<int>& m_state;
    SearchOptions m_options;
    std::int64_t m_now = 0;
    bool m_network = false;
    SearchResults m_results;
    std::unordered_set<std::string> m_paths;
    std::array<int, 26> m_driveTypes{};  // 0 unknown, else DriveType + 1
};

// The text a status message shows for a folder: no final "\" except on a
// drive root.
std::string StatusFolderText(const std::string& folder);
