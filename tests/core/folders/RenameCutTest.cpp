// Core
#include "core/folders/CutList.h"
#include "core/folders/RenameRules.h"

// Standard library
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(RenameRules, NewNamesLoseBlanksAndNeverLeadElsewhere)
{
    EXPECT_EQ(CleanNewName("  notes.txt \t"), "notes.txt");
    for (const char* bad : {"", "   ", ".", "..", "a\\b", "a/b", "c:x", "what?", "*.txt", "a<b", "a>b", "a|b", "say\"hi\""})
        EXPECT_EQ(CleanNewName(bad), "") << bad;
    EXPECT_FALSE(IsInvalidNameCharacter('\0'));
    EXPECT_FALSE(IsInvalidNameCharacter('.'));
}

TEST(RenameRules, AHiddenExtensionStaysOnTheNewName)
{
    // Shown with its extension: the new name is taken as typed.
    EXPECT_EQ(RenameTarget("C:\\Docs\\plan.txt", "plan.txt", "goal.doc"), "C:\\Docs\\goal.doc");
    EXPECT_EQ(RenameTarget("C:\\Docs\\plan.txt", "PLAN.TXT", "goal"), "C:\\Docs\\goal");
    // The shell showed "plan" only: ".txt" is kept.
    EXPECT_EQ(RenameTarget("C:\\Docs\\plan.txt", "plan", "goal"), "C:\\Docs\\goal.txt");
    EXPECT_EQ(RenameTarget("C:\\Docs\\Makefile", "Build file", "Rules"), "C:\\Docs\\Rules");

    EXPECT_TRUE(ExtensionChanges("C:\\a\\plan.txt", "C:\\a\\plan.doc"));
    EXPECT_TRUE(ExtensionChanges("C:\\a\\plan.txt", "C:\\a\\plan"));
    EXPECT_FALSE(ExtensionChanges("C:\\a\\plan.txt", "C:\\a\\goal.TXT"));
    EXPECT_FALSE(ExtensionChanges("C:\\a.b\\plan", "C:\\a.b\\goal"));
}

TEST(CutList, TagIsTenLeadingDigitsAndACutEndsWithOtherClipboardText)
{
    std::vector<int> numbers = {28471, 5, 0, 999, 1, 31000, 72, 4, 60606, 8};
    std::size_t next = 0;
    CutList& list = CutList::Instance();
    const std::string tag = list.Begin(42, [&] { return numbers[next++ % numbers.size()]; });
    EXPECT_EQ(tag, "2509137468");
    list.Add("C:\\a.txt");
    EXPECT_EQ(list.Owner(), 42u);
    EXPECT_TRUE(list.IsCurrent("2509137468"));
    EXPECT_FALSE(list.IsCurrent("something copied later"));

    // A new cut forgets the paths of the last one.
    list.Begin(7, [] { return 3; });
    EXPECT_TRUE(list.Paths().empty());
    EXPECT_EQ(list.Tag(), "3333333333");
    list.Clear();
    EXPECT_FALSE(list.IsCurrent(""));
}

TEST(CutList, OnlyASucceededMoveOfTheCurrentCutClearsIt)
{
    CutList& list = CutList::Instance();
    list.Begin(1, [] { return 5; });
    list.Add("C:\\a.txt");
    // A failed move keeps the cut for another try.
    std::uint32_t ticket = list.BeginMove();
    list.MoveDone(ticket, false);
    EXPECT_TRUE(list.IsCurrent("5555555555"));
    // A move that ends after a newer cut leaves the newer one alone.
    ticket = list.BeginMove();
    list.Begin(2, [] { return 6; });
    list.MoveDone(ticket, true);
    EXPECT_TRUE(list.IsCurrent("6666666666"));
    // Nor does a second report of a finished move, or a report without a ticket.
    list.MoveDone(0, true);
    EXPECT_TRUE(list.IsCurrent("6666666666"));
    ticket = list.BeginMove();
    list.MoveDone(ticket, true);
    EXPECT_FALSE(list.IsCurrent("6666666666"));
    EXPECT_TRUE(list.Paths().empty());
}

}  // namespace
