// Core
#include "core/search/EntryIndex.h"

// Standard library
#include <string>
#include <utility>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

using platform::FindEntry;

FindEntry File(const std::string& name, std::uint64_t size = 0, const std::string& shortName = "")
{
    FindEntry entry;
    entry.name = name;
    entry.shortName = shortName;
    entry.attributes = platform::kAttrArchive;
    entry.size = size;
    entry.created = 1000;
    entry.accessed = 2000;
    entry.modified = 3000;
    return entry;
}

FindEntry Dir(const std::string& name, std::uint32_t extra = 0)
{
    FindEntry entry = File(name);
    entry.attributes = platform::kAttrDirectory | extra;
    return entry;
}

// "folder-relative path" for every entry the index walks to, in order.
std::vector<std::string> Walk(const CEntryIndex& index, const std::string& folder)
{
    std::vector<std::string> seen;
    index.VisitTree(folder, [&](const std::string& path, const std::vector<FindEntry>& entries) {
        for (const FindEntry& entry : entries) seen.push_back(path + entry.name);
        return true;
    });
    return seen;
}

// C:\ holds a.txt (with an alias), docs\ (b.doc, deep\c.txt) and a link to
// a folder; the link is an entry, never a folder of the index.
void Fill(CEntryIndex& index)
{
    ASSERT_TRUE(index.SetListing("C:\\", {Dir("."), Dir(".."), File("a long name.txt", 5, "ALONGN~1.TXT"),
                                          Dir("docs"), Dir("loop", platform::kAttrReparsePoint)}));
    ASSERT_TRUE(index.SetListing("C:\\docs\\", {File("b.doc", 1ull << 33), Dir("deep")}));
    ASSERT_TRUE(index.SetListing("c:\\DOCS\\deep", {File("c.txt", 7)}));
    index.MarkCovered('C', true);
}

TEST(EntryIndex, KeepsEveryFieldAndTheListingOrder)
{
    CEntryIndex index;
    Fill(index);
    EXPECT_EQ(index.Count(), 6u);
    EXPECT_EQ(index.FolderCount(), 3u);
    EXPECT_EQ(Walk(index, "C:\\"),
              (std::vector<std::string>{"C:\\a long name.txt", "C:\\docs", "C:\\loop",
                                        "C:\\docs\\b.doc", "C:\\docs\\deep", "C:\\docs\\deep\\c.txt"}));
    // Paths are made of the folder as asked and the stored names.
    EXPECT_EQ(Walk(index, "c:\\Docs"),
              (std::vector<std::string>{"c:\\Docs\\b.doc", "c:\\Docs\\deep", "c:\\Docs\\deep\\c.txt"}));
    const auto root = index.Listing("C:\\");
    ASSERT_TRUE(root.has_value());
    ASSERT_EQ(root->size(), 3u);
    const FindEntry& first = (*root)[0];
    EXPECT_EQ(first.shortName, "ALONGN~1.TXT");
    EXPECT_EQ(first.size, 5u);
    EXPECT_EQ(first.attributes, platform::kAttrArchive);
    EXPECT_EQ(first.created, 1000);
    EXPECT_EQ(first.accessed, 2000);
    EXPECT_EQ(first.modified, 3000);
    EXPECT_EQ(index.Listing("C:\\docs")->front().size, 1ull << 33);
    EXPECT_FALSE(index.Listing("C:\\loop").has_value());
    EXPECT_FALSE(index.Listing("D:\\").has_value());
    EXPECT_FALSE(index.SetListing("C:\\nowhere\\", {File("x")}));
}

// Two folders whose names the code page lost are both listed as "??": only
// their short names tell them, and their contents, apart.
TEST(EntryIndex, FoldersWhoseNamesTheCodePageLostAreKeptApartByTheirShortNames)
{
    CEntryIndex index;
    FindEntry first = Dir("??");
    first.shortName = "__~~~1";
    FindEntry second = Dir("??");
    second.shortName = "__~~~2";
    ASSERT_TRUE(index.SetListing("C:\\", {first, second}));
    ASSERT_TRUE(index.SetListing("C:\\__~~~1\\", {File("one.txt")}));
    ASSERT_TRUE(index.SetListing("C:\\__~~~2\\", {File("two.txt")}));
    using Paths = std::vector<std::string>;
    EXPECT_EQ(Walk(index, "C:\\"), (Paths{"C:\\??", "C:\\??", "C:\\__~~~1\\one.txt", "C:\\__~~~2\\two.txt"}));
    // Listed again in the other order, each keeps its own contents.
    ASSERT_TRUE(index.SetListing("C:\\", {second, first}));
    EXPECT_EQ(Walk(index, "C:\\"), (Paths{"C:\\??", "C:\\??", "C:\\__~~~2\\two.txt", "C:\\__~~~1\\one.txt"}));
}

TEST(EntryIndex, CoversOnlyKnownFoldersOfWhollyListedDrives)
{
    CEntryIndex index;
    Fill(index);
    EXPECT_TRUE(index.Covers("C:\\"));
    EXPECT_TRUE(index.Covers("C:\\DOCS\\deep"));
    EXPECT_FALSE(index.Covers("C:\\new"));
    EXPECT_FALSE(index.Covers("D:\\"));
    EXPECT_FALSE(index.Covers("\\\\server\\share"));
    index.MarkCovered('C', false);
    EXPECT_FALSE(index.Covers("C:\\docs"));
    index.MarkCovered('c', true);
    index.ForgetDrive('C');
    EXPECT_FALSE(index.Covers("C:\\"));
    EXPECT_EQ(index.Count(), 0u);
}

TEST(EntryIndex, AppliesAddsRemovesResizesAndRenames)
{
    CEntryIndex index;
    Fill(index);
    // Added, then re-read with a new size: one entry, the new size.
    EXPECT_TRUE(index.PutEntry("C:\\docs", File("new.txt", 1)));
    EXPECT_TRUE(index.PutEntry("C:\\DOCS\\", File("NEW.TXT", 99)));
    EXPECT_EQ(index.Count(), 7u);
    EXPECT_EQ(index.Listing("C:\\docs")->back().size, 99u);
    EXPECT_FALSE(index.PutEntry("C:\\gone", File("x")));

    // A folder made later becomes a folder of the index, to be listed.
    EXPECT_TRUE(index.PutEntry("C:\\", Dir("made")));
    EXPECT_TRUE(index.SetListing("C:\\made", {File("inside.txt")}));

    // A folder renamed into another folder takes its sub-tree along.
    EXPECT_TRUE(index.RenameEntry("C:\\docs", "deep", "C:\\made", "moved"));
    EXPECT_EQ(Walk(index, "C:\\made"),
              (std::vector<std::string>{"C:\\made\\inside.txt", "C:\\made\\moved",
                                        "C:\\made\\moved\\c.txt"}));
    EXPECT_FALSE(index.Covers("C:\\docs\\deep"));
    // A file renamed in place drops its old alias.
    EXPECT_TRUE(index.RenameEntry("C:\\", "a long name.txt", "C:\\", "short.txt"));
    EXPECT_EQ(index.Listing("C:\\")->front().name, "short.txt");
    EXPECT_EQ(index.Listing("C:\\")->front().shortName, "");
    // A rename over an existing name replaces it.
    EXPECT_TRUE(index.RenameEntry("C:\\docs", "new.txt", "C:\\docs", "b.doc"));
    EXPECT_EQ(index.Listing("C:\\docs")->size(), 1u);

    // Removing a folder forgets everything below it.
    const std::size_t before = index.Count();
    EXPECT_TRUE(index.RemoveEntry("C:\\", "made"));
    EXPECT_EQ(index.Count(), before - 4);
    EXPECT_FALSE(index.Covers("C:\\made\\moved"));
    EXPECT_FALSE(index.RemoveEntry("C:\\", "made"));
    EXPECT_FALSE(index.RenameEntry("C:\\", "absent", "C:\\", "x"));
    EXPECT_EQ(Walk(index, "C:\\"),
              (std::vector<std::string>{"C:\\short.txt", "C:\\docs", "C:\\loop", "C:\\docs\\b.doc"}));
}

TEST(EntryIndex, ListingAgainKeepsTheSubTreesStillThere)
{
    CEntryIndex index;
    Fill(index);
    // docs is listed again without deep, and a folder becomes a link.
    ASSERT_TRUE(index.SetListing("C:\\", {Dir("docs"), File("z.txt")}));
    EXPECT_TRUE(index.Covers("C:\\docs\\deep"));
    ASSERT_TRUE(index.SetListing("C:\\docs", {File("b.doc")}));
    EXPECT_FALSE(index.Covers("C:\\docs\\deep"));
    EXPECT_TRUE(index.PutEntry("C:\\", Dir("docs", platform::kAttrReparsePoint)));
    EXPECT_FALSE(index.Covers("C:\\docs"));
    EXPECT_EQ(index.Count(), 2u);
}

TEST(EntryIndex, ManyChangesKeepNamesIntactAndMemoryBounded)
{
    CEntryIndex index;
    constexpr int kFolders = 50;
    constexpr int kFilesPerFolder = 100;
    constexpr int kRounds = 10;  // without the pool rewritten, 170 bytes of old names per entry
    auto folder = [](int f) { return "C:\\folder " + std::to_string(f); };
    auto name = [](int round, int i) {
        return (round % 2 ? "r" : "file number ") + std::to_string(i) + ".txt";
    };
    std::vector<FindEntry> folders;
    for (int f = 0; f < kFolders; ++f) folders.push_back(Dir("folder " + std::to_string(f)));
    ASSERT_TRUE(index.SetListing("C:\\", folders));
    for (int f = 0; f < kFolders; ++f)
        for (int i = 0; i < kFilesPerFolder; ++i) index.PutEntry(folder(f), File(name(0, i)));
    // Every rename leaves the old name behind in the pool, which must give
    // the room back before it outgrows the names in use.
    for (int round = 0; round < kRounds; ++round)
        for (int f = 0; f < kFolders; ++f)
            for (int i = 0; i < kFilesPerFolder; ++i)
                ASSERT_TRUE(index.RenameEntry(folder(f), name(round, i), folder(f), name(round + 1, i)));
    const auto listing = index.Listing(folder(kFolders - 1));
    ASSERT_EQ(listing->size(), static_cast<std::size_t>(kFilesPerFolder));
    EXPECT_EQ(listing->front().name, "file number 0.txt");
    EXPECT_EQ(listing->back().name, "file number 99.txt");
    EXPECT_EQ(index.Count(), static_cast<std::size_t>(kFolders * (kFilesPerFolder + 1)));
    EXPECT_LE(index.BytesUsed() / index.Count(), 160u);
}

TEST(EntryIndex, TakesOverABuiltIndex)
{
    CEntryIndex built;
    Fill(built);
    CEntryIndex live;
    live.SetListing("D:\\", {File("old")});
    live.TakeFrom(built);
    EXPECT_EQ(live.Count(), 6u);
    EXPECT_TRUE(live.Covers("C:\\docs"));
    EXPECT_FALSE(live.Listing("D:\\").has_value());
    EXPECT_EQ(built.Count(), 0u);
    EXPECT_FALSE(built.Covers("C:\\"));
}

}  // namespace

namespace {

// Changes applied on one thread while another walks the index: every walk
// sees each folder whole, before or after a change, never half of one.
TEST(EntryIndex, WalksDuringChangesSeeWholeFolders)
{
    constexpr int kFiles = 50;
    constexpr int kRounds = 300;
    CEntryIndex index;
    std::vector<FindEntry> files;
    for (int i = 0; i < kFiles; ++i) files.push_back(File("f" + std::to_string(i)));
    ASSERT_TRUE(index.SetListing("C:\\", {Dir("a")}));
    ASSERT_TRUE(index.SetListing("C:\\a", files));
    index.MarkCovered('C', true);
    std::atomic<bool> done{false};
    platform::Thread writer;
    ASSERT_TRUE(writer.Start([&] {
        for (int round = 0; round < kRounds; ++round) {
            index.SetListing("C:\\a", round % 2 ? files : std::vector<FindEntry>{});
            index.PutEntry("C:\\", File("t" + std::to_string(round)));
            index.RemoveEntry("C:\\", "t" + std::to_string(round));
        }
        done = true;
    }));
    int walks = 0;
    bool whole = true;
    while (!done || walks == 0) {
        index.VisitTree("C:\\", [&](const std::string& path, const std::vector<FindEntry>& entries) {
            if (path == "C:\\a\\") whole = whole && (entries.empty() || entries.size() == kFiles);
            return true;
        });
        ++walks;
    }
    writer.Join();
    EXPECT_TRUE(whole);
    EXPECT_EQ(index.Listing("C:\\a")->size(), static_cast<std::size_t>(kFiles));
    EXPECT_EQ(index.Count(), static_cast<std::size_t>(kFiles + 1));
}

}  // namespace
