// The bookmark list: one bookmark per number, windows attached and detached,
// renames, the numbers the texts carry, and what a restore does.

// Core
#include "core/app/SettingsStore.h"
#include "core/frame/BookMarks.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <memory>

// Gtest
#include <gtest/gtest.h>

namespace {

class BookMarks : public testing::Test {
protected:
    BookMarks() : m_registry(platform::DeleteSemantics::WindowsNT), m_store(m_registry, "0.0.0.42", true), m_list(m_store) {}

    CBookMark* Mark(const char* path, int number, void* window = nullptr, WindowKind kind = WindowKind::Folder)
    {
        return m_list.Add(std::make_unique<CBookMark>(path, window, kind, number));
    }

    platform::MemoryRegistry m_registry;
    CSettingsStore m_store;
    CBookMarkList m_list;
    int m_windowA = 0;
    int m_windowB = 0;
};

TEST_F(BookMarks, TheSameNumberTwiceKeepsOneBookmarkOnTheSecondWindowInItsPlace)
{
    Mark("C:\\One", 0);
    Mark("C:\\Three", 2, &m_windowA);
    Mark("C:\\Five", 4);
    CBookMark* second = Mark("C:\\Other", 2, &m_windowB);
    ASSERT_EQ(m_list.Count(), 3);
    EXPECT_EQ(m_list.MarkAt(1), second);
    EXPECT_EQ(m_list.FindByNumber(2)->Path(), "C:\\Other");
    EXPECT_EQ(m_list.FindByNumber(2)->Window(), &m_windowB);
    EXPECT_EQ(m_list.Find("C:\\Three", WindowKind::Folder), nullptr);
}

TEST_F(BookMarks, NumbersOutsideOneToNineAreRefused)
{
    EXPECT_EQ(Mark("C:\\x", -1), nullptr);
    EXPECT_EQ(Mark("C:\\x", kBookmarkCount), nullptr);
    EXPECT_EQ(m_list.Count(), 0);
}

TEST_F(BookMarks, FirstFreeNumberFillsGapsAndEndsWhenAllNineAreUsed)
{
    EXPECT_EQ(m_list.FirstFreeNumber(), 0);
    Mark("C:\\a", 0);
    Mark("C:\\b", 2);
    EXPECT_EQ(m_list.FirstFreeNumber(), 1);
    for (int n = 0; n < kBookmarkCount; ++n) Mark("C:\\all", n);
    EXPECT_EQ(m_list.Count(), kBookmarkCount);
    EXPECT_EQ(m_list.FirstFreeNumber(), kNoBookmark);
    EXPECT_TRUE(m_list.RemoveByNumber(5));
    EXPECT_FALSE(m_list.RemoveByNumber(5));
    EXPECT_EQ(m_list.FirstFreeNumber(), 5);
}

TEST_F(BookMarks, FindTakesExactPathAndKind)
{
    Mark("C:\\Data", 0, nullptr, WindowKind::Folder);
    Mark("C:\\Data", 1, nullptr, WindowKind::Personal);
    EXPECT_EQ(m_list.Find("C:\\Data", WindowKind::Personal)->Number(), 1);
    EXPECT_EQ(m_list.IndexOf("C:\\Data", WindowKind::Folder), 0);
    EXPECT_EQ(m_list.Find("c:\\data", WindowKind::Folder), nullptr);
    EXPECT_EQ(m_list.IndexOf("C:\\Data", WindowKind::Search), CObjectList::kNotFound);
}

TEST_F(BookMarks, WindowsAttachByPathAndKindAndDetachEverywhere)
{
    Mark("C:\\Data", 0);
    Mark("C:\\Data", 1, nullptr, WindowKind::Personal);
    Mark("C:\\Else", 2, &m_windowA);
    m_list.AttachWindow("C:\\Data", WindowKind::Folder, &m_windowA);
    EXPECT_EQ(m_list.FindByNumber(0)->Window(), &m_windowA);
    EXPECT_EQ(m_list.FindByNumber(1)->Window(), nullptr);
    m_list.DetachWindow(&m_windowA);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(m_list.FindByNumber(n)->Window(), nullptr) << n;
    // The bookmarks outlive their window.
    EXPECT_EQ(m_list.Count(), 3);
}

TEST_F(BookMarks, ARenamedFolderTakesItsFolderWindowsBookmarkAlong)
{
    Mark("C:\\Old", 3);
    Mark("C:\\Old", 4, nullptr, WindowKind::Personal);
    CBookMark* renamed = m_list.Rename("C:\\Old", "C:\\New");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->Number(), 3);
    EXPECT_EQ(m_list.FindByNumber(3)->Path(), "C:\\New");
    EXPECT_EQ(m_list.FindByNumber(4)->Path(), "C:\\Old");
    EXPECT_EQ(m_list.Rename("C:\\Missing", "C:\\x"), nullptr);
}

TEST_F(BookMarks, TextsShowNumberAndTitleAndGiveTheNumberBack)
{
    CBookMark* mark = Mark("C:\\Data\\Reports", 6);
    EXPECT_EQ(mark->DisplayText(false), "7) Reports");
    EXPECT_EQ(mark->DisplayText(true), "7) C:\\Data\\Reports");
    EXPECT_EQ(Mark("C:\\", 0)->DisplayText(false), "1) C:\\");
    const struct {
        const char* text;
        int number;
    } cases[] = {{"1) C:\\", 0}, {"9) x", 8}, {"0) x", kNoBookmark}, {"", kNoBookmark}, {"Bookmarks", kNoBookmark}};
    for (const auto& c : cases) EXPECT_EQ(BookmarkNumberOfText(c.text), c.number) << c.text;
    EXPECT_EQ(BookmarkNumberOfText(mark->DisplayText(true)), mark->Number());
}

TEST_F(BookMarks, NumberOrderAndClear)
{
    Mark("C:\\c", 5);
    Mark("C:\\a", 1);
    Mark("C:\\b", 3);
    std::vector<int> numbers;
    for (CBookMark* mark : m_list.InNumberOrder()) numbers.push_back(mark->Number());
    EXPECT_EQ(numbers, (std::vector<int>{1, 3, 5}));
    m_list.Clear();
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_EQ(m_list.FirstFreeNumber(), 0);
}

TEST(BookMarkRestore, ActivatesAnOpenWindowOutsideExplorerModeElseOpens)
{
    int window = 0;
    CBookMark attached("C:\\x", &window, WindowKind::Folder, 0);
    CBookMark closed("C:\\x", nullptr, WindowKind::Personal, 1);
    EXPECT_EQ(RestoreStepFor(nullptr, false), RestoreStep::Nothing);
    EXPECT_EQ(RestoreStepFor(&attached, false), RestoreStep::ActivateWindow);
    EXPECT_EQ(RestoreStepFor(&attached, true), RestoreStep::OpenWindow);
    EXPECT_EQ(RestoreStepFor(&closed, false), RestoreStep::OpenWindow);
    EXPECT_TRUE(CanBookmarkKind(WindowKind::Folder));
    EXPECT_TRUE(CanBookmarkKind(WindowKind::Personal));
    EXPECT_FALSE(CanBookmarkKind(WindowKind::Search));
    EXPECT_FALSE(CanBookmarkKind(WindowKind::Rule));
}

}  // namespace
