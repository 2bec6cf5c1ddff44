// Core
#include "core/search/FolderListWalk.h"
#include "core/search/PatternMatch.h"
#include "core/search/SearchEngine.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using searchtest::LostNamesLister;
using searchtest::RecordingSink;
using searchtest::RemappingLister;
using searchtest::SyntheticLister;
using searchtest::TempTree;

constexpr std::uint64_t kMB = 1048576;

class SearchEngineTest : public testing::Test {
protected:
    SearchOutcome Search(const std::vector<const CCondition*>& criteria,
                         SearchOptions options = {})
    {
        return Search(platform::SystemDirectoryLister(), criteria, options);
    }
    SearchOutcome Search(platform::DirectoryLister& lister,
                         const std::vector<const CCondition*>& criteria,
                         SearchOptions options = {})
    {
        sink.Clear();
        CSearchEngine engine(lister, sink, state);
        return engine.Run(criteria, options);
    }
    CCondition In(const std::string& folder, const std::string& patterns,
                  std::uint32_t sizeKind = SizeKind::None)
    {
        CCondition criteria;
        criteria.SetFolder(folder);
        criteria.SetPatterns(patterns);
        criteria.SetSizeSelector(sizeKind);
        return criteria;
    }
    std::set<std::string> Found() const { return {sink.paths.begin(), sink.paths.end()}; }

    TempTree tree;
    RecordingSink sink;
    std::atomic<int> state{WorkState::Running};
};

TEST_F(SearchEngineTest, SizeTestsFindTheStarterFilesAndNeverFolders)
{
    tree.File("empty.txt", 0);
    tree.File("one.txt", 1);
    tree.File("sub/exact.bin", 2 * kMB);
    tree.File("sub/below.bin", 2 * kMB - 1);
    tree.File("sub/huge.bin", 5ULL * 1024 * kMB);  // sparse, past 4 GB
    tree.Dir("sub/emptydir");

    CCondition zero = In(tree.Folder(), "*.*", SizeKind::Equal);
    EXPECT_EQ(Search({&zero}), SearchOutcome::Completed);
    EXPECT_EQ(Found(), (std::set<std::string>{tree.Path("empty.txt")}));

    CCondition big = In(tree.Folder(), "*.*", SizeKind::Greater);
    big.Size(SizeKind::Greater).unit = SizeUnit::Megabytes;
    big.Size(SizeKind::Greater).low = 2;
    Search({&big});
    EXPECT_EQ(Found(), (std::set<std::string>{tree.Path("sub/exact.bin"), tree.Path("sub/huge.bin")}));

    CCondition noTests = In(tree.Folder(), "*.*");
    Search({&noTests});
    EXPECT_EQ(Found().count(tree.Path("sub\\emptydir")), 1u);
    EXPECT_EQ(sink.paths.size(), 7u);
}

TEST_F(SearchEngineTest, ResultsCarryTheEntryAndOrderFollowsPatternsThenSubfolders)
{
    tree.File("b.doc", 3000);
    tree.File("a.txt", 10);
    tree.File("deeper/c.txt", 0);
    tree.File("deeper/x.bmp", 0);
    CCondition criteria = In(tree.Folder(), " *.txt , *.doc ");
    Search({&criteria});
    EXPECT_EQ(sink.paths, (std::vector<std::string>{tree.Path("a.txt"), tree.Path("b.doc"),
                                                    tree.Path("deeper\\c.txt")}));
    ASSERT_EQ(sink.items.size(), 3u);
    const FileItem& doc = *sink.items[1];
    EXPECT_EQ(doc.folderPath, tree.Folder());
    EXPECT_EQ(doc.sizeBytes, 3000u);
    EXPECT_EQ(doc.sizeKB, 2);
    // Two statuses per folder (one per pattern), then the end.
    EXPECT_EQ(sink.statuses, (std::vector<std::string>{tree.Folder(), tree.Folder(),
                                                       tree.Folder("deeper"), tree.Folder("deeper"),
                                                       kAddingResultsText}));
    EXPECT_EQ(sink.log.back(), "changed");
}

TEST_F(SearchEngineTest, OverlappingPatternsAndCriteriaListAFileOnce)
{
    tree.File("one.txt");
    tree.File("two.doc");
    tree.File("README");
    CCondition mixed = In(tree.Folder(), "*.txt,*.*,*.doc");  // all files replaces the list
    Search({&mixed});
    EXPECT_EQ(sink.paths.size(), 3u);
    EXPECT_EQ(std::count(sink.statuses.begin(), sink.statuses.end(), tree.Folder()), 1);

    CCondition first = In(tree.Folder(), "*.txt,o*");
    CCondition second = In(tree.Folder(), "*.doc,one.*");
    Search({&first, &second});
    EXPECT_EQ(sink.paths, (std::vector<std::string>{tree.Path("one.txt"), tree.Path("two.doc")}));
}

TEST_F(SearchEngineTest, NamesTheCodePageLostAreFoundOnceEachAndTheirFoldersEnteredByShortName)
{
    LostNamesLister lister;
    lister.Add("L:\\", "??.txt", "__~~~1.TXT");
    lister.Add("L:\\", "??.txt", "__~~~2.TXT");
    lister.Add("L:\\", "??", "__~~~3", true);
    lister.Add("L:\\", "???", "", true);  // no short name: never entered
    lister.Add("L:\\__~~~3\\", "in.txt", "");
    CFolderTable notReady;
    for (bool fastFind : {false, true}) {
        // The walking search lists as it goes; Fast Find without a table collects the folders first.
        SearchOptions options;
        options.fastFind = fastFind;
        options.folderTable = &notReady;
        options.useEntryIndex = false;
        CCondition criteria = In("L:\\", "*.txt");
        lister.listed.clear();
        Search(lister, {&criteria}, options);
        ASSERT_EQ(sink.items.size(), 3u) << fastFind;
        EXPECT_EQ(sink.items[0]->shortName, "__~~~1.TXT");
        EXPECT_EQ(sink.items[1]->shortName, "__~~~2.TXT");
        EXPECT_EQ(sink.paths.back(), "L:\\__~~~3\\in.txt");
        for (const std::string& spec : lister.listed) EXPECT_EQ(spec.find('?'), std::string::npos) << spec;
    }

    // Fast Find's table and entry index hold the folder by its short name too.
    CFolderTable table;
    CEntryIndex index;
    ASSERT_TRUE(FolderListWalk::Run(lister, state, table, &index));
    EXPECT_EQ(*table.Query("L:\\"), (std::vector<std::string>{"L:\\", "L:\\__~~~3\\"}));
    const auto inside = index.Listing("L:\\__~~~3\\");
    ASSERT_TRUE(inside.has_value());
    ASSERT_EQ(inside->size(), 1u);
    EXPECT_EQ(inside->front().name, "in.txt");
}

TEST_F(SearchEngineTest, HiddenOnlyMaskOnDisk)
{
    tree.File(".secret");  // hidden, as on the platform
    tree.File("plain.txt");
    tree.ReadOnly(".secret");
    tree.ReadOnly("plain.txt");
    CCondition criteria = In(tree.Folder(), "*.*");
    criteria.Attributes().allFiles = 0;
    criteria.Attributes().hidden = 1;
    criteria.Attributes().RecomputeMask();
    Search({&criteria});
    EXPECT_EQ(sink.paths, (std::vector<std::string>{tree.Path(".secret")}));
}

TEST_F(SearchEngineTest, RulesAndNoSubfoldersListOnlyTheTopFolder)
{
    tree.File("top.txt");
    tree.File("sub/inner.txt");
    CCondition criteria = In(tree.Folder(), "*.*");
    SearchOptions rule;
    rule.singleLevel = true;
    Search({&criteria}, rule);
    EXPECT_EQ(Found(), (std::set<std::string>{tree.Path("top.txt"), tree.Path("sub")}));

    Search({&criteria});
    EXPECT_EQ(Found().count(tree.Path("sub\\inner.txt")), 1u);

    criteria.SetSizeSelector(SizeKind::Greater);  // a test: the rule walks again
    Search({&criteria}, rule);
    EXPECT_EQ(Found(), (std::set<std::string>{tree.Path("top.txt"), tree.Path("sub\\inner.txt")}));

    CCondition flat = In(tree.Folder(), "*.txt");  // without sub-folders
    flat.SetIncludeSubfolders(false);
    Search({&flat});
    EXPECT_EQ(sink.paths, (std::vector<std::string>{tree.Path("top.txt")}));
}

TEST_F(SearchEngineTest, LocalDrivesAreTheFixedOnesInLetterOrder)
{
    tree.File("c/on-c.txt");
    tree.File("d/on-d.txt");
    tree.File("e/on-e.txt");
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('C', tree.Path("c\\"), platform::DriveType::Fixed);
    lister.Drive('D', tree.Path("d\\"), platform::DriveType::CdRom);
    lister.Drive('E', tree.Path("e\\"), platform::DriveType::Fixed);
    CCondition criteria = In("ignored", "*.txt");
    criteria.SetSearchLocalDrives(true);
    EXPECT_EQ(Search(lister, {&criteria}), SearchOutcome::Completed);
    EXPECT_EQ(sink.paths, (std::vector<std::string>{"C:\\on-c.txt", "E:\\on-e.txt"}));
}

TEST_F(SearchEngineTest, AFolderThatCannotBeEnteredStopsTheSearchBeforeItBegins)
{
    tree.File("a.txt");
    CCondition good = In(tree.Folder(), "*.*");
    CCondition empty = In("", "*.*");
    EXPECT_EQ(Search({&good, &empty}), SearchOutcome::FolderCheckFailed);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{kFolderCheckMessage}));
    EXPECT_EQ(sink.Count("deliver") + sink.Count("changed"), 0);
}

TEST_F(SearchEngineTest, AStopKeepsTheResultsFoundSoFar)
{
    for (int i = 0; i < 10; ++i) tree.File("f" + std::to_string(i) + ".txt");
    CCondition criteria = In(tree.Folder(), "*.txt");
    sink.stopAfter = 3;
    sink.state = &state;
    EXPECT_EQ(Search({&criteria}), SearchOutcome::Stopped);
    EXPECT_EQ(sink.paths.size(), 3u);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(sink.Count("changed"), 2);  // at the stop, and at the end

    sink.stopAfter = 0;  // a result the window drops is left out silently
    sink.dropName = "f0.txt";
    state = WorkState::Running;
    EXPECT_EQ(Search({&criteria}), SearchOutcome::Completed);
    EXPECT_EQ(sink.paths.size(), 9u);
}

TEST_F(SearchEngineTest, StateBeforeTheStartDecidesWhatTheWindowHears)
{
    tree.File("a.txt");
    CCondition criteria = In(tree.Folder(), "*.*");
    state = WorkState::Finished;
    EXPECT_EQ(Search({&criteria}), SearchOutcome::NotStarted);
    EXPECT_TRUE(sink.log.empty());
    state = WorkState::StopForRestart;
    EXPECT_EQ(Search({&criteria}), SearchOutcome::NotStarted);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"changed"}));
}

struct LimitCase {
    int files;
    bool sizeTest;
    bool limited;
};

TEST_F(SearchEngineTest, TheLimitStopsAtTheNextEntryLookedAt)
{
    const LimitCase cases[] = {
        {15000, false, false},  // runs out of entries right after the last result
        {15001, false, true},
        {15000, true, true},    // the next entry is a folder that would fail anyway
    };
    for (const LimitCase& c : cases) {
        SyntheticLister lister(c.files, c.sizeTest ? 1 : 0);
        CCondition criteria = In("S:\\", "*.*", c.sizeTest ? SizeKind::Equal : SizeKind::None);
        criteria.SetIncludeSubfolders(false);
            state = WorkState::Running;
        const SearchOutcome outcome = Search(lister, {&criteria});
        EXPECT_EQ(sink.paths.size(), 15000u) << c.files;
        EXPECT_EQ(outcome, c.limited ? SearchOutcome::Stopped : SearchOutcome::Completed);
        EXPECT_EQ(sink.messages, c.limited ? std::vector<std::string>{kLimitMessage}
                                           : std::vector<std::string>{});
    }
}

TEST_F(SearchEngineTest, FastFindListsTheTableFoldersAndReportsItsSteps)
{
    tree.File("a.txt");
    tree.File("one/b.txt");
    tree.File("one/two/c.txt");
    tree.File("late/d.txt");
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('C', tree.Path(), platform::DriveType::Fixed);
    CFolderTable table;
    table.Fill({"c:\\", "C:\\one", "C:\\ONE\\TWO\\", "D:\\other\\"});
    table.MarkReady();
    CCondition criteria = In("C:\\", "*.txt,*.doc");
    SearchOptions fast;
    fast.fastFind = true;
    fast.folderTable = &table;
    Search(lister, {&criteria}, fast);
    EXPECT_EQ(sink.startedSteps, (std::vector<std::uint32_t>{6}));
    // The table's folders, upper-cased; "late" is unknown to it.
    EXPECT_EQ(sink.paths, (std::vector<std::string>{"C:\\a.txt", "C:\\ONE\\b.txt",
                                                    "C:\\ONE\\TWO\\c.txt"}));

    table.MarkNotReady();  // the disk is walked instead
    Search(lister, {&criteria}, fast);
    EXPECT_EQ(Found(), (std::set<std::string>{"C:\\a.txt", "C:\\one\\b.txt",
                                              "C:\\one\\two\\c.txt", "C:\\late\\d.txt"}));
    EXPECT_EQ(sink.startedSteps, (std::vector<std::uint32_t>{8}));
}

// Sets the state word to Stop during its nth listing, as a Stop button would.
class StopOnListing : public platform::DirectoryLister {
public:
    StopOnListing(platform::DirectoryLister& inner, std::atomic<int>& state, int stopAt)
        : m_inner(inner), m_state(state), m_stopAt(stopAt)
    {
    }
    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        if (++listings == m_stopAt) m_state.store(WorkState::Stop);
        return m_inner.List(spec, visit);
    }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        return m_inner.QueryDriveType(root);
    }
    bool CanEnterFolder(const std::string& folder) override { return m_inner.CanEnterFolder(folder); }
    int listings = 0;

private:
    platform::DirectoryLister& m_inner;
    std::atomic<int>& m_state;
    int m_stopAt;
};

TEST_F(SearchEngineTest, AStopWhileNothingMatchesEndsEverySearchWithinOneListing)
{
    constexpr int kFolders = 50;
    constexpr int kStopAt = 3;
    SyntheticLister wide(0, kFolders);
    CFolderTable ready;
    std::vector<std::string> known{"S:\\"};
    for (int i = 0; i < kFolders; ++i) known.push_back("S:\\d" + std::to_string(i));
    ready.Fill(known);
    ready.MarkReady();
    CFolderTable notReady;
    struct Mode {
        const char* name;
        bool fastFind;
        const CFolderTable* table;
    };
    const Mode modes[] = {{"walk", false, nullptr},
                          {"fast find, folder table", true, &ready},
                          {"fast find, disk walk", true, &notReady}};
    for (const Mode& mode : modes) {
        state = WorkState::Running;
        StopOnListing lister(wide, state, kStopAt);
        CCondition criteria = In("S:\\", "*.none");
        SearchOptions options;
        options.fastFind = mode.fastFind;
        options.secondThread = false;
        options.folderTable = mode.table;
        EXPECT_EQ(Search(lister, {&criteria}, options), SearchOutcome::Stopped) << mode.name;
        EXPECT_LE(lister.listings, kStopAt + 1) << mode.name;
        EXPECT_EQ(sink.Count("changed"), 2) << mode.name;  // at the stop, and at the end
    }
}

TEST_F(SearchEngineTest, AStopInOneCriteriaListsNothingOfTheNext)
{
    tree.File("one/a.txt");
    tree.File("one/b.txt");
    tree.File("two/c.txt");
    CCondition first = In(tree.Folder("one"), "*.txt");
    CCondition second = In(tree.Folder("two"), "*.txt");
    sink.stopAfter = 1;
    sink.state = &state;
    CFolderTable notReady;
    for (bool fastFind : {false, true}) {
        state = WorkState::Running;
        SearchOptions options;
        options.fastFind = fastFind;
        options.folderTable = &notReady;
        EXPECT_EQ(Search({&first, &second}, options), SearchOutcome::Stopped);
        ASSERT_EQ(sink.paths.size(), 1u) << fastFind;
        EXPECT_EQ(sink.paths[0].rfind(tree.Path("one\\"), 0), 0u) << sink.paths[0];
        EXPECT_EQ(std::count(sink.statuses.begin(), sink.statuses.end(), tree.Folder("two")), 0)
            << fastFind;
    }
}

TEST_F(SearchEngineTest, FastFindWalksWhatTheTableCannotAnswerFor)
{
    tree.File("a.txt");
    tree.File("sub/b.txt");
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('C', tree.Path(), platform::DriveType::Fixed);
    lister.Drive('N', tree.Path(), platform::DriveType::Remote);
    lister.Drive('R', tree.Path(), platform::DriveType::Removable);
    // Built before "sub" existed; it also holds the other drives' roots.
    CFolderTable table;
    table.Fill({"C:\\", "N:\\", "R:\\", "C:\\OLD\\"});
    table.MarkReady();
    struct TableCase {
        const char* folder;
        std::set<std::string> found;
    };
    const TableCase cases[] = {
        {"N:\\", {"N:\\a.txt", "N:\\sub\\b.txt"}},  // network and removable drives are walked
        {"R:\\", {"R:\\a.txt", "R:\\sub\\b.txt"}},
        {"C:\\sub", {"C:\\sub\\b.txt"}},             // a folder the table does not know
        {"C:\\", {"C:\\a.txt"}},                       // a known one: as far as the table knows
    };
    for (const TableCase& c : cases) {
        CCondition criteria = In(c.folder, "*.txt");
        SearchOptions fast;
        fast.fastFind = true;
        fast.folderTable = &table;
        EXPECT_EQ(Search(lister, {&criteria}, fast), SearchOutcome::Completed) << c.folder;
        EXPECT_EQ(Found(), c.found) << c.folder;
    }
}

TEST_F(SearchEngineTest, AFolderCheckNeverMovesTheCurrentDirectory)
{
    tree.File("file.txt");
    tree.Dir("empty");
    const std::filesystem::path before = std::filesystem::current_path();
    struct FolderCase {
        std::string folder;
        bool enters;
    };
    const FolderCase cases[] = {{tree.Folder(), true},          {tree.Folder("empty"), true},
                                {tree.Path("empty\\"), true},   {tree.Folder("missing"), false},
                                {tree.Path("file.txt"), false}, {"", false}};
    for (const FolderCase& c : cases) {
        EXPECT_EQ(platform::SystemDirectoryLister().CanEnterFolder(c.folder), c.enters) << c.folder;
        EXPECT_EQ(std::filesystem::current_path(), before) << c.folder;
    }
}

// Names that catch a matcher that differs from the platform's: no extension,
// several dots, leading dots, long extensions, upper case.
void MakeTrickyTree(const TempTree& tree)
{
    const char* names[] = {"plain.txt", "UPPER.TXT", "x.txtx", "x.txt2", "a.b.txt",
                           "noext", ".txt", ".hidden.txt", "page.htmlx", "page.htm",
                           "long name with spaces.txt", "t.xt", "txt", "a.t", "abc.tx",
                           "readme.", "v1.2.3", "Mixed.Txt.Bak", "x.doc", "y.DOC~"};
    const char* folders[] = {"", "sub/", "sub/deeper/", "Other.Dir/", ".dotdir/",
                             "sub/two.dots.here/"};
    for (const char* folder : folders)
        for (const char* name : names) {
            if (std::string(name) == "readme.") continue;  // not a name the platform keeps
            tree.File(std::string(folder) + name, 1);
        }
}

TEST_F(SearchEngineTest, OneListingPerFolderGivesWhatPerPatternListingGives)
{
    MakeTrickyTree(tree);
    RemappingLister counting(platform::SystemDirectoryLister());
    RemappingLister indexed(platform::SystemDirectoryLister());
    indexed.Drive('X', tree.Path(), platform::DriveType::Fixed);
    CEntryIndex index;
    ASSERT_TRUE(FolderListWalk::IndexTree(indexed, state, "X:\\", index));
    index.MarkCovered('X', true);
    const char* patternTexts[] = {"*.txt", "*.htm,*.txt", "*.t?t,x*", "*.*", "*.?", "*",
                                  "*.tx?", "t*", "*.doc"};
    for (const char* patterns : patternTexts) {
        CCondition criteria = In(tree.Folder(), patterns);
        std::vector<std::string> expected;
        std::map<std::string, bool> seen;
        searchtest::ReferenceWalk(platform::SystemDirectoryLister(), tree.Path(),
                                  SplitSearchPatterns(patterns), criteria, expected, seen);
        ASSERT_FALSE(expected.empty()) << patterns;
        for (bool secondThread : {false, true}) {
            SearchOptions options;
            options.secondThread = secondThread;
                    counting.listings = 0;
            Search(counting, {&criteria}, options);
            EXPECT_EQ(sink.paths, expected) << patterns << (secondThread ? " (two threads)" : "");
            // One listing per folder, plus one per folder for each pattern that
            // only the platform can match.
            int onDisk = 0;
            for (const std::string& p : SplitSearchPatterns(patterns))
                onDisk += platform::IsPlainFindPattern(p) ? 0 : 1;
            EXPECT_EQ(counting.listings.load(), 6 * (1 + onDisk)) << patterns;
        }
        SearchOptions fast;
        fast.fastFind = true;
        CFolderTable notReady;
        fast.folderTable = &notReady;
            Search({&criteria}, fast);
        EXPECT_EQ(Found(), std::set<std::string>(expected.begin(), expected.end())) << patterns;

        // Fast Find from the entry index: the same results in the same order,
        // without a listing when every pattern is a plain one.
        CCondition onX = In("X:\\", patterns);
        std::vector<std::string> expectedOnX;
        std::map<std::string, bool> seenOnX;
        searchtest::ReferenceWalk(indexed, "X:\\", SplitSearchPatterns(patterns), onX, expectedOnX,
                                  seenOnX);
        const std::vector<std::string> split = SplitSearchPatterns(patterns);
        const bool allPlain = std::all_of(split.begin(), split.end(), platform::IsPlainFindPattern);
        for (bool secondThread : {false, true}) {
            SearchOptions fromIndex = fast;
            fromIndex.entryIndex = &index;
            fromIndex.secondThread = secondThread;
            indexed.listings = 0;
            Search(indexed, {&onX}, fromIndex);
            EXPECT_EQ(sink.paths, expectedOnX) << patterns << " from the index";
            if (allPlain) {
                EXPECT_EQ(indexed.listings.load(), 0) << patterns;
            }
        }
    }
}

TEST(FolderTable, StoresUpperCasedFoldersAndAnswersOnlyWhenReady)
{
    CFolderTable table;
    table.Fill({"c:\\a", "C:\\A\\b\\", "c:\\ab", "D:\\a"});
    EXPECT_FALSE(table.Query("C:\\A").has_value());
    table.MarkReady();
    EXPECT_EQ(*table.Query("c:\\a"), (std::vector<std::string>{"C:\\A\\", "C:\\A\\B\\"}));
    EXPECT_TRUE(table.Query("C:\\none")->empty());
    const std::vector<CFolderTable::Folder> folders = *table.QueryFolders("C:\\A\\");
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[1].original, "C:\\A\\b\\");
}

TEST(FolderListWalk, WalksFixedDrivesDepthFirstUpToTheBound)
{
    TempTree tree;
    tree.Dir("c/one/deep");
    tree.Dir("c/two");
    tree.Dir("e/three");
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('A', tree.Path("c\\"), platform::DriveType::Fixed);  // below C: — not walked
    lister.Drive('C', tree.Path("c\\"), platform::DriveType::Fixed);
    lister.Drive('D', tree.Path("e\\"), platform::DriveType::Remote);
    lister.Drive('E', tree.Path("e\\"), platform::DriveType::Fixed);
    std::atomic<int> state{WorkState::Running};
    CFolderTable table;
    ASSERT_TRUE(FolderListWalk::Run(lister, state, table));
    ASSERT_TRUE(table.IsReady());
    std::vector<std::string> all = *table.Query("C:\\");
    const std::vector<std::string> e = *table.Query("E:\\");
    all.insert(all.end(), e.begin(), e.end());
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0], "C:\\");
    // Depth first: a folder's sub-folders follow it directly.
    const auto one = std::find(all.begin(), all.end(), "C:\\ONE\\");
    ASSERT_NE(one, all.end());
    EXPECT_EQ(*(one + 1), "C:\\ONE\\DEEP\\");

    SyntheticLister wide(0, 30000);
    const std::optional<std::vector<std::string>> many = FolderListWalk::Collect(wide, state);
    ASSERT_TRUE(many.has_value());
    EXPECT_EQ(many->size(), FolderListWalk::kMaxFolders);

    state = WorkState::Stop;
    EXPECT_FALSE(FolderListWalk::Collect(lister, state).has_value());
    table.MarkNotReady();
    EXPECT_FALSE(FolderListWalk::Run(lister, state, table));
    EXPECT_FALSE(table.IsReady());
}

}  // namespace
