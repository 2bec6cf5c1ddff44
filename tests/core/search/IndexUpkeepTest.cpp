// Core
#include "core/search/FolderListWalk.h"
#include "core/search/IndexUpkeep.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Platform
#include "platform/Threads.h"

// Standard library
#include <filesystem>
#include <map>
#include <optional>

namespace {

using searchtest::RemappingLister;
using searchtest::TempTree;

// Drive X: is a tree of the test's own. After each batch of notices the
// index must hold what a fresh walk of the disk gives.
class IndexUpkeepTest : public testing::Test {
protected:
    IndexUpkeepTest()
        : lister(platform::SystemDirectoryLister()),
          upkeep(lister, index, state, [this] { return walking; })
    {
        lister.Drive('X', tree.Path(), platform::DriveType::Fixed);
        tree.File("a.txt", 1);
        tree.File("one/b.txt", 2);
        tree.File("one/deep/c.txt", 3);
        tree.Dir("two");
        EXPECT_TRUE(FolderListWalk::IndexTree(lister, state, "X:\\", index));
        index.MarkCovered('X', true);
    }
    // Path and size of every entry (folders' sizes left out: the platforms
    // differ there).
    static std::map<std::string, std::uint64_t> Contents(const CEntryIndex& of)
    {
        std::map<std::string, std::uint64_t> contents;
        of.VisitTree("X:\\", [&](const std::string& path, const std::vector<platform::FindEntry>& entries) {
            for (const platform::FindEntry& entry : entries)
                contents[path + entry.name] =
                    entry.attributes & platform::kAttrDirectory ? 0 : entry.size;
            return true;
        });
        return contents;
    }
    std::map<std::string, std::uint64_t> FromDisk()
    {
        CEntryIndex fresh;
        EXPECT_TRUE(FolderListWalk::IndexTree(lister, state, "X:\\", fresh));
        return Contents(fresh);
    }
    void Move(const std::string& from, const std::string& to)
    {
        std::filesystem::rename(tree.Host(from), tree.Host(to));
    }

    TempTree tree;
    RemappingLister lister;
    CEntryIndex index;
    std::atomic<int> state{WorkState::Running};
    bool walking = false;
    IndexUpkeep upkeep;
};

TEST_F(IndexUpkeepTest, EachKindOfNoticeLeavesWhatTheDiskHolds)
{
    tree.File("new.txt", 4);
    tree.File("a.txt", 10);
    tree.File("made/inside/x.txt", 5);  // a folder made and filled
    std::filesystem::remove_all(tree.Host("one/deep"));
    upkeep.Apply('X', {{ChangeAction::Added, "new.txt"},
                       {ChangeAction::Modified, "a.txt"},
                       {ChangeAction::Added, "made"},
                       {ChangeAction::Added, "made\\inside"},
                       {ChangeAction::Added, "made\\inside\\x.txt"},
                       {ChangeAction::Removed, "one\\deep\\c.txt"},
                       {ChangeAction::Removed, "one\\deep"}});
    EXPECT_EQ(Contents(index), FromDisk());
    EXPECT_EQ(upkeep.Relisted(), 0);
}

TEST_F(IndexUpkeepTest, RenamesFollowTheirSubTreesOrFallBackToAdding)
{
    Move("one", "two/moved");
    Move("a.txt", "two/A renamed.txt");
    upkeep.Apply('X', {{ChangeAction::RenamedOldName, "one"},
                       {ChangeAction::RenamedNewName, "two\\moved"},
                       {ChangeAction::RenamedOldName, "a.txt"},
                       {ChangeAction::RenamedNewName, "two\\A renamed.txt"}});
    EXPECT_EQ(Contents(index), FromDisk());
    EXPECT_TRUE(index.Covers("X:\\two\\moved\\deep"));

    // A new name without its old one: the entry is read as added.
    tree.File("orphan.txt", 7);
    upkeep.Apply('X', {{ChangeAction::RenamedNewName, "orphan.txt"}});
    EXPECT_EQ(Contents(index), FromDisk());
}

TEST_F(IndexUpkeepTest, WhatCannotBeAppliedIsListedAgain)
{
    // Notices for a folder the index never heard of: its nearest known
    // folder is listed again.
    tree.File("two/hidden/deeper/y.txt", 9);
    upkeep.Apply('X', {{ChangeAction::Added, "two\\hidden\\deeper\\y.txt"}});
    EXPECT_EQ(Contents(index), FromDisk());
    EXPECT_EQ(upkeep.Relisted(), 1);

    // A notice of an unknown kind, and a lost buffer, list the whole drive.
    tree.File("z.txt");
    std::filesystem::remove(tree.Host("one/b.txt"));
    upkeep.Apply('X', {{99, "z.txt"}});
    EXPECT_EQ(Contents(index), FromDisk());
    tree.File("one/b.txt");
    upkeep.RelistDrive('X');
    EXPECT_EQ(Contents(index), FromDisk());
    EXPECT_TRUE(index.IsCovered('X'));

    // A re-listing cut short by a stop leaves the drive to the disk.
    state = WorkState::Stop;
    upkeep.RelistDrive('X');
    EXPECT_FALSE(index.IsCovered('X'));
}

TEST_F(IndexUpkeepTest, ChangesDuringARebuildSurviveTheNewIndexReplacingTheOld)
{
    // A walk lists the disk, then a file is made and its notice applied to
    // the old index before the walk's index replaces it.
    walking = true;
    CEntryIndex built;
    ASSERT_TRUE(FolderListWalk::IndexTree(lister, state, "X:\\", built));
    built.MarkCovered('X', true);
    tree.File("one/late.txt", 3);
    std::filesystem::remove(tree.Host("a.txt"));
    upkeep.Apply('X', {{ChangeAction::Added, "one\\late.txt"}, {ChangeAction::Removed, "a.txt"}});
    index.TakeFrom(built);
    walking = false;
    EXPECT_NE(Contents(index), FromDisk());
    upkeep.CatchUp();
    EXPECT_EQ(Contents(index), FromDisk());

    // Without a walk nothing is kept: a second replacement brings nothing back.
    tree.File("two/later.txt");
    upkeep.Apply('X', {{ChangeAction::Added, "two\\later.txt"}});
    CEntryIndex stale;
    index.TakeFrom(stale);
    upkeep.CatchUp();
    EXPECT_EQ(index.Count(), 0u);
    EXPECT_EQ(upkeep.Relisted(), 0);
}

TEST_F(IndexUpkeepTest, NamesTheCodePageCannotHoldListTheirFolderAgain)
{
    tree.File("one/new/inside.txt", 2);
    tree.File("one/extra.txt", 4);
    upkeep.Apply('X', {{ChangeAction::ListAgain, "one"}});
    EXPECT_EQ(Contents(index), FromDisk());
    EXPECT_EQ(upkeep.Relisted(), 1) << "one folder listed, the new one below it walked";

    // An uncovered drive is the disk's: no notice makes the upkeep walk it.
    index.MarkCovered('X', false);
    tree.File("ignored.txt");
    upkeep.Apply('X', {{ChangeAction::Added, "ignored.txt"}, {99, "x"}});
    EXPECT_EQ(upkeep.Relisted(), 1);
}

// A record as the platform writes it: next offset, action, name length, UTF-16 name.
void PutRecord(std::vector<unsigned char>& buffer, std::uint32_t next, std::uint32_t action,
               const std::u16string& name, std::uint32_t nameBytes = 0xFFFFFFFFu)
{
    if (nameBytes == 0xFFFFFFFFu) nameBytes = static_cast<std::uint32_t>(name.size() * 2);
    for (std::uint32_t word : {next, action, nameBytes})
        for (int shift = 0; shift < 32; shift += 8) buffer.push_back(static_cast<unsigned char>(word >> shift));
    for (char16_t c : name) {
        buffer.push_back(static_cast<unsigned char>(c & 0xFF));
        buffer.push_back(static_cast<unsigned char>(c >> 8));
    }
    while (buffer.size() % 4) buffer.push_back(0);
}

// ASCII only, as a code page that lacks the rest.
bool AsciiOnly(const std::u16string& wide, std::string& narrow)
{
    narrow.clear();
    for (char16_t c : wide) {
        if (c > 0x7F) return false;
        narrow += static_cast<char>(c);
    }
    return true;
}

TEST(ChangeRecords, ReadsWholeBuffersAndRefusesDamagedOnes)
{
    std::vector<unsigned char> good;
    PutRecord(good, 32, ChangeAction::Added, u"dir\\a.txt");  // 12 + 18 bytes, 4-aligned
    PutRecord(good, 32, ChangeAction::RenamedOldName, u"x\\\u00e9t\u00e9.txt");
    PutRecord(good, 0, ChangeAction::Removed, u"b");
    const std::optional<std::vector<ChangeNotice>> notices = ReadChangeRecords(good.data(), good.size(), AsciiOnly);
    ASSERT_TRUE(notices.has_value());
    ASSERT_EQ(notices->size(), 3u);
    EXPECT_EQ((*notices)[0].relative, "dir\\a.txt");
    EXPECT_EQ((*notices)[0].action, ChangeAction::Added);
    EXPECT_EQ((*notices)[1].relative, "x") << "a name the code page lacks: its folder";
    EXPECT_EQ((*notices)[1].action, ChangeAction::ListAgain);
    EXPECT_EQ((*notices)[2].relative, "b");

    struct Damaged {
        const char* what;
        std::vector<unsigned char> buffer;
    };
    std::vector<Damaged> cases;
    cases.push_back({"empty: the platform's buffer overflowed", {}});
    cases.push_back({"cut inside the header", {good.begin(), good.begin() + 8}});
    cases.push_back({"cut inside the name", {good.begin(), good.begin() + 20}});
    std::vector<unsigned char> buffer;
    PutRecord(buffer, 0, ChangeAction::Added, u"abc", 5);
    cases.push_back({"odd name length", buffer});
    buffer.clear();
    PutRecord(buffer, 0, ChangeAction::Added, u"", 0);
    cases.push_back({"no name", buffer});
    buffer.clear();
    PutRecord(buffer, 0, ChangeAction::Added, u"ab", 400);
    cases.push_back({"name past the end", buffer});
    buffer.clear();
    PutRecord(buffer, 4, ChangeAction::Added, u"ab");
    PutRecord(buffer, 0, ChangeAction::Added, u"cd");
    cases.push_back({"next record inside this one", buffer});
    buffer.clear();
    PutRecord(buffer, 18, ChangeAction::Added, u"ab");
    PutRecord(buffer, 0, ChangeAction::Added, u"cd");
    cases.push_back({"next record not aligned", buffer});
    buffer.clear();
    PutRecord(buffer, 64, ChangeAction::Added, u"ab");
    cases.push_back({"next record past the end", buffer});
    for (const char16_t* path : {u"a\\..\\b", u"\\a", u"a\\\\b", u"a\\.", u"a/b"}) {
        buffer.clear();
        PutRecord(buffer, 0, ChangeAction::Added, path);
        cases.push_back({"no path below the root", buffer});
    }
    buffer.clear();
    PutRecord(buffer, 0, ChangeAction::Added, u"\u00e9\\x.txt");
    cases.push_back({"a folder the code page cannot name", buffer});
    for (const Damaged& c : cases)
        EXPECT_FALSE(ReadChangeRecords(c.buffer.data(), c.buffer.size(), AsciiOnly).has_value()) << c.what;
}

// Searches of the index while another thread applies notices: the index's
// lock must keep every reader whole (run natively under the thread sanitizer
// too, see bench/BENCHMARKS.md).
TEST_F(IndexUpkeepTest, QueriesRunWhileChangesAreApplied)
{
    std::atomic<bool> done{false};
    platform::Thread changer;
    ASSERT_TRUE(changer.Start([&] {
        for (int round = 0; round < 40; ++round) {
            const std::string name = "f" + std::to_string(round % 7) + ".txt";
            if (round % 2 == 0) {
                tree.File("one/" + name, static_cast<std::uint64_t>(round));
                upkeep.Apply('X', {{ChangeAction::Added, "one\\" + name}});
            } else {
                std::filesystem::remove(tree.Host("one/" + name));
                upkeep.Apply('X', {{ChangeAction::Removed, "one\\" + name}});
            }
        }
        done = true;
    }));
    // The upkeep lists through the fixture's lister; searches get their own.
    RemappingLister searchLister(platform::SystemDirectoryLister());
    searchLister.Drive('X', tree.Path(), platform::DriveType::Fixed);
    CFolderTable notReady;
    SearchOptions options;
    options.fastFind = true;
    options.folderTable = &notReady;
    options.entryIndex = &index;
    CCondition criteria;
    criteria.SetFolder("X:\\");
    criteria.SetPatterns("*.txt");
    int searches = 0;
    while (!done || searches == 0) {
        searchtest::RecordingSink sink;
        std::atomic<int> searchState{WorkState::Running};
        CSearchEngine engine(searchLister, sink, searchState);
        EXPECT_EQ(engine.Run({&criteria}, options), SearchOutcome::Completed);
        EXPECT_TRUE(std::count(sink.paths.begin(), sink.paths.end(), "X:\\a.txt") == 1);
        ++searches;
    }
    changer.Join();
    EXPECT_EQ(Contents(index), FromDisk());
}

}  // namespace
