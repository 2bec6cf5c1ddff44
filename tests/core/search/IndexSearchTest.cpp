// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderListWalk.h"
#include "core/search/SearchEngine.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using searchtest::RecordingSink;
using searchtest::RemappingLister;
using searchtest::SyntheticLister;
using searchtest::TempTree;

// Fast Find over drive X:, a folder tree of the test's own, answered from an
// index built by the folder-list walk.
class IndexSearchTest : public testing::Test {
protected:
    IndexSearchTest() : lister(platform::SystemDirectoryLister())
    {
        lister.Drive('X', tree.Path(), platform::DriveType::Fixed);
        options.fastFind = true;
        options.folderTable = &notReady;
        options.entryIndex = &index;
    }
    void Build()
    {
        index.Clear();
        ASSERT_TRUE(FolderListWalk::IndexTree(lister, state, "X:\\", index));
        index.MarkCovered('X', true);
    }
    SearchOutcome Search(const std::string& folder, const std::string& patterns,
                         std::uint32_t sizeKind = SizeKind::None)
    {
        CCondition criteria;
        criteria.SetFolder(folder);
        criteria.SetPatterns(patterns);
        criteria.SetSizeSelector(sizeKind);
        sink.Clear();
        lister.listings = 0;
        CSearchEngine engine(lister, sink, state);
        return engine.Run({&criteria}, options);
    }
    std::set<std::string> Found() const { return {sink.paths.begin(), sink.paths.end()}; }

    TempTree tree;
    RemappingLister lister;
    CEntryIndex index;
    CFolderTable notReady;
    SearchOptions options;
    RecordingSink sink;
    std::atomic<int> state{WorkState::Running};
};

TEST_F(IndexSearchTest, ChangesAppliedToTheIndexAreWhatTheNextSearchFinds)
{
    tree.File("a.txt");
    tree.File("sub/b.txt", 20);
    Build();
    Search("X:\\", "*.txt", SizeKind::Equal);  // empty files
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\a.txt"}));
    EXPECT_EQ(lister.listings.load(), 0);

    // Created, resized, removed and a folder made and filled after the build.
    platform::FindEntry created;
    created.name = "new.txt";
    created.size = 0;
    created.attributes = platform::kAttrArchive;
    EXPECT_TRUE(index.PutEntry("X:\\sub", created));
    const std::vector<platform::FindEntry> root = *index.Listing("X:\\");
    platform::FindEntry resized = *std::find_if(
        root.begin(), root.end(), [](const platform::FindEntry& e) { return e.name == "a.txt"; });
    resized.size = 5;
    EXPECT_TRUE(index.PutEntry("X:\\", resized));
    tree.File("made/inside.txt");
    platform::FindEntry made;
    made.name = "made";
    made.attributes = platform::kAttrDirectory;
    EXPECT_TRUE(index.PutEntry("X:\\", made));
    EXPECT_TRUE(FolderListWalk::IndexTree(lister, state, "X:\\made", index));
    Search("X:\\", "*.txt", SizeKind::Equal);
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\sub\\new.txt",
                                              "X:\\made\\inside.txt"}));

    EXPECT_TRUE(index.RemoveEntry("X:\\", "sub"));
    Search("X:\\", "*.txt");
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\a.txt", "X:\\made\\inside.txt"}));
    EXPECT_EQ(lister.listings.load(), 0);
}

TEST_F(IndexSearchTest, FoldersTheIndexDoesNotCoverAreListedOnDisk)
{
    tree.File("a.txt");
    Build();
    tree.File("later/b.txt");  // made after the build, never applied
    Search("X:\\later", "*.txt");
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\later\\b.txt"}));
    EXPECT_GT(lister.listings.load(), 0);

    index.MarkCovered('X', false);  // a drive still being indexed
    Search("X:\\", "*.txt");
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\a.txt", "X:\\later\\b.txt"}));

    options.useEntryIndex = false;
    index.MarkCovered('X', true);
    Search("X:\\", "*.txt");
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\a.txt", "X:\\later\\b.txt"}));
}

TEST_F(IndexSearchTest, RulesListOnlyTheTopFolderAndStopsKeepTheirResults)
{
    tree.File("a.txt");
    tree.File("b.txt");
    tree.File("sub/c.txt");
    Build();
    options.singleLevel = true;
    Search("X:\\", "*.*");
    EXPECT_EQ(Found(), (std::set<std::string>{"X:\\a.txt", "X:\\b.txt", "X:\\sub"}));
    options.singleLevel = false;

    sink.stopAfter = 1;
    sink.state = &state;
    EXPECT_EQ(Search("X:\\", "*.txt"), SearchOutcome::Stopped);
    EXPECT_EQ(sink.paths.size(), 1u);
    EXPECT_EQ(sink.Count("deliver"), 1);
}

TEST(IndexSearch, TheLimitStopsAtTheNextEntryLookedAt)
{
    struct LimitCase {
        int files;
        bool limited;
    };
    const LimitCase cases[] = {{15000, false}, {15001, true}};
    for (const LimitCase& c : cases) {
        SyntheticLister lister(c.files, 1);
        CEntryIndex index;
        std::vector<platform::FindEntry> entries;
        lister.ListAll("S:\\*.*", entries);
        ASSERT_TRUE(index.SetListing("S:\\", entries));
        ASSERT_TRUE(index.SetListing("S:\\d0", {}));
        index.MarkCovered('S', true);
        CFolderTable notReady;
        SearchOptions options;
        options.fastFind = true;
        options.folderTable = &notReady;
        options.entryIndex = &index;
        CCondition criteria;
        criteria.SetFolder("S:\\");
        criteria.SetPatterns("f*");
        RecordingSink sink;
        std::atomic<int> state{WorkState::Running};
        CSearchEngine engine(lister, sink, state);
        const SearchOutcome outcome = engine.Run({&criteria}, options);
        EXPECT_EQ(sink.paths.size(), 15000u) << c.files;
        EXPECT_EQ(outcome, c.limited ? SearchOutcome::Stopped : SearchOutcome::Completed);
        EXPECT_EQ(sink.messages, c.limited ? std::vector<std::string>{kLimitMessage}
                                           : std::vector<std::string>{});
    }
}

TEST(IndexSearch, TheFolderListWalkBuildsTheIndexAsideAndCoversWholeDrives)
{
    TempTree tree;
    tree.File("one/a.txt");
    tree.File("two/b.txt");
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('D', tree.Path(), platform::DriveType::Fixed);
    CFolderTable table;
    CEntryIndex index;
    index.SetListing("Q:\\", {});
    std::atomic<int> stopped{WorkState::Stop};
    EXPECT_FALSE(FolderListWalk::Run(lister, stopped, table, &index));
    EXPECT_EQ(index.Listing("Q:\\")->size(), 0u);  // a stopped walk leaves the old index

    std::atomic<int> running{WorkState::Running};
    const int listingsBefore = lister.listings.load();
    EXPECT_TRUE(FolderListWalk::Run(lister, running, table, &index));
    EXPECT_EQ(lister.listings - listingsBefore, 3);  // one listing per folder serves both
    EXPECT_TRUE(index.Covers("D:\\two"));
    EXPECT_FALSE(index.Listing("Q:\\").has_value());
    EXPECT_EQ(index.Count(), 4u);
    EXPECT_TRUE(table.IsReady());
}

}  // namespace
