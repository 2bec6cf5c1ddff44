#include "core/search/SearchEngine.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"
#include "core/search/FolderListing.h"
#include "core/search/PatternMatch.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>

namespace {

constexpr std::size_t kDriveRootLength = 3;  // "C:\"
constexpr char kUncPrefix[] = "\\\\";
constexpr int kLetterCount = 26;

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

int DriveIndex(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return -1;
    const int letter = std::toupper(static_cast<unsigned char>(path[0]));
    return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}

std::unique_ptr<FileItem> MakeItem(const std::string& path, const std::string& containing,
                                   const platform::FindEntry& entry)
{
    auto item = std::make_unique<FileItem>();
    item->name = entry.name;
    item->path = path;
    item->folderPath = containing;
    item->shortName = entry.shortName;
    item->attributes = entry.attributes;
    item->attributesText = AttributesText(entry.attributes);
    item->extension = ExtensionOf(entry.name);
    item->sizeBytes = entry.size;
    item->sizeKB = SizeInKB(entry.size);
    item->modified = entry.modified;
    item->accessed = entry.accessed;
    item->created = entry.created;
    item->isDirectory = (entry.attributes & platform::kAttrDirectory) != 0;
    return item;
}

}  // namespace

std::string StatusFolderText(const std::string& folder)
{
    if (folder.size() > kDriveRootLength && folder.back() == '\\')
        return folder.substr(0, folder.size() - 1);
    return folder;
}

CSearchEngine::CSearchEngine(platform::DirectoryLister& lister, SearchSink& sink,
                             std::atomic<int>& state)
    : m_lister(lister), m_sink(sink), m_state(state)
{
}

SearchOutcome CSearchEngine::Run(const std::vector<const CCondition*>& criteria,
                                 const SearchOptions& options)
{
    m_options = options;
    m_now = CDateCondition::Now();
    m_network = false;
    m_results.clear();
    m_paths.clear();
    m_driveTypes.fill(0);
    if (!PrepareStart()) return SearchOutcome::NotStarted;
    if (!m_options.fastFind) m_sink.SearchStarted(0);
    const std::vector<Plan> plans = BuildPlans(criteria);
    if (!CheckFolders(plans)) {
        m_sink.ShowMessage(kFolderCheckMessage, MessageIcon::Stop);
        return SearchOutcome::FolderCheckFailed;
    }
    if (m_options.fastFind) RunFastFind(plans);
    else RunWalking(plans);
    Finish();
    return IsStopRequested() ? SearchOutcome::Stopped : SearchOutcome::Completed;
}

// A search asked to stop before it began: abandoned ones end silently, others
// still tell the window that the (empty) results are complete.
bool CSearchEngine::PrepareStart()
{
    const int state = m_state.load();
    if (state == WorkState::Running) return true;
    if (state != WorkState::Finished) m_sink.ResultsChanged();
    return false;
}

std::vector<CSearchEngine::Plan> CSearchEngine::BuildPlans(
    const std::vector<const CCondition*>& criteria)
{
    std::vector<Plan> plans;
    for (const CCondition* condition : criteria) {
        if (!condition) continue;
        Plan plan{condition, {}, SplitSearchPatterns(condition->Patterns())};
        if (condition->SearchLocalDrives()) {
            for (char letter = 'A'; letter <= 'Z'; ++letter) {
                const std::string root = std::string(1, letter) + ":\\";
                if (DriveTypeOf(root) == platform::DriveType::Fixed) plan.folders.push_back(root);
            }
        } else {
            plan.folders.push_back(condition->Folder());
        }
        plans.push_back(std::move(plan));
    }
    return plans;
}

bool CSearchEngine::CheckFolders(const std::vector<Plan>& plans)
{
    for (const Plan& plan : plans)
        for (const std::string& folder : plan.folders)
            if (!m_lister.CanEnterFolder(folder)) return false;
    return true;
}

// Rules list a "*.*" criteria without tests in its top folder only.
bool CSearchEngine::SearchSingleLevel(const Plan& plan) const
{
    const CCondition& criteria = *plan.criteria;
    return m_options.singleLevel && !criteria.HasSizeTest() &&
           criteria.Attributes().allFiles && criteria.Date().always &&
           plan.patterns.front() == kAllFilesPattern;
}

bool CSearchEngine::Walks(const Plan& plan) const
{
    return plan.criteria->IncludeSubfolders() && !SearchSingleLevel(plan);
}

// --- The walking search -----------------------------------------------------

bool CSearchEngine::RunWalking(const std::vector<Plan>& plans)
{
    for (const Plan& plan : plans) {
        // A stop ends this criteria; the later ones end at once.
        if (IsStopRequested()) return false;
        for (const std::string& folder : plan.folders)
            if (!SearchFolder(plan, folder)) break;
    }
    return !IsStopRequested();
}

bool CSearchEngine::SearchFolder(const Plan& plan, const std::string& folder)
{
    // The nodes outlive the listing, whose helper thread may still read them.
    std::unique_ptr<FolderNode> root = FolderListing::MakeNode(folder);
    FolderListing listing(m_lister, m_state);
    if (Walks(plan)) {
        if (m_options.secondThread) listing.StartHelperOnTree(root.get());
        return WalkTree(plan, *root, listing);
    }
    if (std::any_of(plan.patterns.begin(), plan.patterns.end(), platform::IsPlainFindPattern))
        listing.Acquire(*root);
    for (const std::string& pattern : plan.patterns)
        if (ListSpec(*plan.criteria, *root, pattern).stop) return false;
    return true;
}

bool CSearchEngine::WalkTree(const Plan& plan, FolderNode& node, FolderListing& listing)
{
    listing.Acquire(node);
    const bool goOn = ListPatterns(plan, node);
    listing.Release(node);
    if (!goOn) return false;
    for (const auto& child : node.children)
        if (!WalkTree(plan, *child, listing)) return false;
    return true;
}

// False on a stop. A stop is noticed after each pattern even when nothing
// matched, so a search over folders that hold no match still ends at once.
bool CSearchEngine::ListPatterns(const Plan& plan, const FolderNode& node)
{
    for (const std::string& pattern : plan.patterns) {
        m_sink.StatusText(StatusFolderText(node.path), false);
        const SpecResult result = ListSpec(*plan.criteria, node, pattern);
        if (result.stop) return false;
        if (!result.matchedAny && IsStopRequested()) {
            m_sink.ResultsChanged();
            return false;
        }
    }
    return true;
}

// --- Fast Find --------------------------------------------------------------

bool CSearchEngine::RunFastFind(const std::vector<Plan>& plans)
{
    const std::vector<Spec> specs = BuildSpecs(plans);
    std::uint32_t steps = 0;
    for (const Spec& spec : specs)
        steps += spec.fromIndex ? 1 : static_cast<std::uint32_t>(plans[spec.plan].patterns.size());
    m_sink.SearchStarted(steps);

    std::vector<std::unique_ptr<FolderNode>> nodes;
    std::vector<FolderNode*> order;
    for (const Spec& spec : specs) {
        nodes.push_back(FolderListing::MakeNode(spec.folder));
        nodes.back()->listPath = spec.listFolder;
        if (!spec.fromIndex) order.push_back(nodes.back().get());
    }
    FolderListing listing(m_lister, m_state);
    if (m_options.secondThread && !order.empty()) listing.StartHelperOnList(order);
    for (std::size_t i = 0; i < specs.size(); ++i) {
        if (specs[i].fromIndex) {
            if (!SearchIndex(plans[specs[i].plan], specs[i].folder)) return false;
            continue;
        }
        FolderNode& node = *nodes[i];
        listing.Acquire(node);
        if (!ListPatterns(plans[specs[i].plan], node)) return false;
        listing.Release(node);
    }
    return true;
}

std::vector<CSearchEngine::Spec> CSearchEngine::BuildSpecs(const std::vector<Plan>& plans)
{
    const CFolderTable& table =
        m_options.folderTable ? *m_options.folderTable : CFolderTable::Instance();
    std::vector<Spec> specs;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        for (const std::string& folder : plans[i].folders) {
            if (!Walks(plans[i])) {
                specs.push_back({i, folder, {}});
                continue;
            }
            const bool fixed = DriveTypeOf(folder) == platform::DriveType::Fixed;
            if (fixed && IndexAnswers(plans[i], folder)) {
                specs.push_back({i, folder, {}, true});
                continue;
            }
            std::optional<std::vector<CFolderTable::Folder>> known;
            if (fixed) known = table.QueryFolders(folder);
            // A folder made after the table was built is not in it: walked
            // like one on a drive the table does not cover.
            if (known && !known->empty()) {
                for (CFolderTable::Folder& found : *known)
                    specs.push_back({i, std::move(found.path), std::move(found.original)});
                continue;
            }
            std::vector<std::string> folders;
            CollectFolders(folder, folders);
            for (std::string& found : folders) specs.push_back({i, std::move(found), {}});
        }
    }
    return specs;
}

// The folder and everything below it, depth first in the order the file
// system lists them. A stop ends the walk at the next folder (a whole drive
// may take minutes).
void CSearchEngine::CollectFolders(const std::string& folder, std::vector<std::string>& out)
{
    if (IsStopRequested()) return;
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    out.push_back(path);
    std::vector<std::string> children;
    m_lister.List(path + kAllFilesPattern, [&](const platform::FindEntry& entry) {
        if (!platform::IsFolderToDescend(entry)) return true;
        // A name the code page lost is entered by its short name, or not at all.
        const std::string child = ActionPath(path + entry.name, entry.shortName);
        if (!child.empty()) children.push_back(child);
        return true;
    });
    for (const std::string& child : children) CollectFolders(child, out);
}

// --- Fast Find from the entry index ------------------------------------------

const CEntryIndex& CSearchEngine::Index() const
{
    return m_options.entryIndex ? *m_options.entryIndex : CEntryIndex::Instance();
}

// Patterns the platform alone can match need the disk; the others are picked
// from the index as from a listing.
bool CSearchEngine::IndexAnswers(const Plan& plan, const std::string& folder) const
{
    return m_options.useEntryIndex &&
           std::all_of(plan.patterns.begin(), plan.patterns.end(), platform::IsPlainFindPattern) &&
           Index().Covers(folder);
}

// The folder's tree in the walking search's order. One status text for the
// whole tree: a message per folder would cost more than the search.
bool CSearchEngine::SearchIndex(const Plan& plan, const std::string& folder)
{
    m_sink.StatusText(StatusFolderText(folder), false);
    bool goOn = true;
    const bool known = Index().VisitTree(
        folder, [&](const std::string& path, const std::vector<platform::FindEntry>& entries) {
            for (const std::string& pattern : plan.patterns) {
                const SpecResult result = PickEntries(*plan.criteria, path, entries, pattern);
                if (result.stop) return goOn = false;
                if (!result.matchedAny && IsStopRequested()) {
                    m_sink.ResultsChanged();
                    return goOn = false;
                }
            }
            return true;
        });
    // Gone from the index since the specs were made (a folder removed in
    // between): the disk has the last word.
    if (!known) return SearchFolder(plan, folder);
    return goOn;
}

// --- Listing one spec -------------------------------------------------------

// A plain pattern is picked from the folder's one listing by the platform's
// own rules, long and short names alike; any other goes to the disk.
CSearchEngine::SpecResult CSearchEngine::ListSpec(const CCondition& criteria,
                                                  const FolderNode& node,
                                                  const std::string& pattern)
{
    if (!platform::IsPlainFindPattern(pattern)) return ListSpecOnDisk(criteria, node.path + pattern);
    return PickEntries(criteria, node.path, node.entries, pattern);
}

CSearchEngine::SpecResult CSearchEngine::PickEntries(
    const CCondition& criteria, const std::string& folder,
    const std::vector<platform::FindEntry>& entries, const std::string& pattern)
{
    const platform::FindMask mask(pattern);
    const std::string containing = StatusFolderText(folder);
    SpecResult result;
    for (const platform::FindEntry& entry : entries) {
        if (!mask.Matches(entry.name, entry.shortName)) continue;
        if (!result.matchedAny) {
            result.matchedAny = true;
            if (!BeginFolder(containing)) return result;
        }
        if (!OfferEntry(criteria, folder, containing, entry)) {
            result.stop = true;
            return result;
        }
    }
    return result;
}

CSearchEngine::SpecResult CSearchEngine::ListSpecOnDisk(const CCondition& criteria,
                                                        const std::string& spec)
{
    const std::string folderPart = spec.substr(0, spec.rfind('\\') + 1);
    const std::string containing = StatusFolderText(folderPart);
    SpecResult result;
    m_lister.List(spec, [&](const platform::FindEntry& entry) {
        if (!result.matchedAny) {
            result.matchedAny = true;
            if (!BeginFolder(containing)) return false;
        }
        if (OfferEntry(criteria, folderPart, containing, entry)) return true;
        result.stop = true;
        return false;
    });
    return result;
}

bool CSearchEngine::BeginFolder(const std::string& containing)
{
    if (containing.compare(0, 2, kUncPrefix) == 0 ||
        DriveTypeOf(containing) == platform::DriveType::Remote)
        m_network = true;
    return m_sink.AcceptFolder(containing);
}

// False stops the search.
bool CSearchEngine::OfferEntry(const CCondition& criteria, const std::string& folderPart,
                               const std::string& containing, const platform::FindEntry& entry)
{
    if (IsDotEntry(entry.name)) return true;
    if (m_results.size() >= kMaxResults) {
        int running = WorkState::Running;
        m_state.compare_exchange_strong(running, WorkState::Stop);
        m_sink.ShowMessage(kLimitMessage, MessageIcon::Exclamation);
    }
    if (IsStopRequested()) {
        m_sink.ResultsChanged();
        return false;
    }
    // The tests come before the path map: both only leave entries out, and
    // most entries fail a test long before a path would be worth building.
    if (!criteria.MatchesFound(entry, m_now)) return true;
    // Names the code page lost look alike ("??.txt"): an entry is known by its exact path.
    const std::string path = folderPart + entry.name;
    const std::string exact = ActionPath(path, entry.shortName);
    const std::string& key = exact.empty() ? path : exact;
    if (m_paths.count(key)) return true;
    std::unique_ptr<FileItem> item = MakeItem(path, containing, entry);
    if (!m_sink.AdoptResult(*item)) return true;
    m_paths.insert(key);
    m_results.push_back(std::move(item));
    return true;
}

void CSearchEngine::Finish()
{
    m_sink.StatusText(kAddingResultsText, true);
    if (!m_results.empty() && m_state.load() != WorkState::Finished)
        m_sink.DeliverResults(std::move(m_results));
    m_results.clear();
    m_sink.ResultsChanged();
}

platform::DriveType CSearchEngine::DriveTypeOf(const std::string& path)
{
    const int index = DriveIndex(path);
    if (index < 0 || index >= kLetterCount) return platform::DriveType::Unknown;
    int& cached = m_driveTypes[static_cast<std::size_t>(index)];
    if (cached == 0) {
        const std::string root = std::string(1, static_cast<char>('A' + index)) + ":\\";
        cached = static_cast<int>(m_lister.QueryDriveType(root)) + 1;
    }
    return static_cast<platform::DriveType>(cached - 1);
}

bool CSearchEngine::IsStopRequested() const
{
    return m_state.load(std::memory_order_relaxed) != WorkState::Running;
}
