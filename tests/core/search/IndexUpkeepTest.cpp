// Core
#include "core/search/FolderListWalk.h"
#include "core/search/IndexUpkeep.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <filesystem>
#include <map>

namespace {

using searchtest::RemappingLister;
using searchtest::TempTree;

// Drive X: is a tree of the test's own. After each batch of notices the
// index must hold what a fresh walk of the disk gives.
class IndexUpkeepTest : public testing::Test {
protected:
    IndexUpkeepTest() : lister(platform::SystemDirectoryLister()), upkeep(lister, index, state)
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

}  // namespace
