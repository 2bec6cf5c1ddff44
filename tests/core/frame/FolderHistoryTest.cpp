// Core
#include "core/frame/FolderHistory.h"
#include "core/frame/FolderTitle.h"

// Standard library
#include <string>

// Gtest
#include <gtest/gtest.h>

namespace {

using History = FolderHistory<std::string>;

std::vector<std::string> Entries(const History& history)
{
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < history.Count(); ++i) entries.push_back(history.At(i));
    return entries;
}

TEST(FolderHistory, HoldsNineDropsTheOldestAndRemovesEveryEntryOfAnItem)
{
    History back;
    for (int i = 0; i < 12; ++i) back.Add("p" + std::to_string(i % 4));
    EXPECT_EQ(Entries(back),
              (std::vector<std::string>{"p3", "p0", "p1", "p2", "p3", "p0", "p1", "p2", "p3"}));
    back.Remove("p3");
    EXPECT_EQ(Entries(back), (std::vector<std::string>{"p0", "p1", "p2", "p0", "p1", "p2"}));
    EXPECT_EQ(back.Newest(), "p2");

    History repeats;
    for (const char* p : {"a", "a", "b", "a"}) repeats.AddUnlessNewest(p);
    EXPECT_EQ(Entries(repeats), (std::vector<std::string>{"a", "b", "a"}));
}

TEST(FolderHistory, WalkingMovesNewerEntriesToTheOtherListWithoutRepeatingTheCurrentPlace)
{
    History back, forward;
    for (const char* p : {"A", "B", "C"}) back.Add(p);
    const std::string target = back.Walk(0, "D", forward);
    EXPECT_EQ(target, "A");
    EXPECT_TRUE(back.Empty());
    EXPECT_EQ(Entries(forward), (std::vector<std::string>{"D", "C", "B"}));

    // Forward again from A: the newest forward entry is the place after A.
    const std::string next = forward.Walk(forward.Count() - 1, target, back);
    EXPECT_EQ(next, "B");
    EXPECT_EQ(Entries(back), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Entries(forward), (std::vector<std::string>{"D", "C"}));

    History from, to;
    from.Add("A");
    to.Add("B");
    EXPECT_EQ(from.Walk(0, "B", to), "A");
    EXPECT_EQ(Entries(to), (std::vector<std::string>{"B"}));
}

TEST(FolderTitle, WithoutFullPathsTheTitleIsTheLastComponent)
{
    const struct {
        const char* path;
        bool fullPath, filtered;
        const char* title;
    } cases[] = {
        {"C:\\", false, false, "C:\\"},
        {"C:\\Data\\Letters", false, false, "Letters"},
        {"C:\\Data\\Letters", false, true, "Letters"},
        {"Control Panel", false, false, "Control Panel"},
        {"C:\\Data\\Letters", true, false, "C:\\Data\\Letters"},
        {"C:\\Data\\Letters", true, true, "C:\\Data\\Letters - Filtered"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderWindowTitle(c.path, c.fullPath, c.filtered, " - Filtered"), c.title) << c.path;
}

TEST(FolderTitle, PatternTargetsLieInsideTheCurrentFolderAndSamePathIgnoresCaseAndAFinalSeparator)
{
    EXPECT_TRUE(IsPatternTarget("c:\\data\\*.TXT", "C:\\Data"));
    EXPECT_TRUE(IsPatternTarget("C:\\Data\\a?c", "C:\\Data\\"));
    EXPECT_FALSE(IsPatternTarget("C:\\Other\\*.txt", "C:\\Data"));
    EXPECT_FALSE(IsPatternTarget("C:\\Data\\x", "C:\\Data"));
    EXPECT_FALSE(IsPatternTarget("C:\\Data\\*", ""));

    EXPECT_TRUE(SamePath("C:\\Data", "c:\\DATA\\"));
    EXPECT_TRUE(SamePath("C:\\", "c:\\"));
    EXPECT_FALSE(SamePath("C:\\", "C:"));
    EXPECT_FALSE(SamePath("C:\\Data", "C:\\Data2"));
}

}  // namespace
