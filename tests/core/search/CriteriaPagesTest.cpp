// Core
#include "core/app/SettingsStore.h"
#include "core/search/CriteriaPages.h"
#include "core/search/FindTypeList.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Resources
#include "res/resource.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <tuple>

namespace {

using searchtest::FolderSetLister;

class CriteriaPagesHistory : public testing::Test {
protected:
    platform::MemoryRegistry m_registry{platform::DeleteSemantics::WindowsNT};
    CSettingsStore m_store{m_registry, "0.0.0.42", true};
    CFindTypeList m_history{m_store};
};

TEST(CriteriaPagesFileTypes, OpeningFillsEmptyTextsAndCutsLongOnes)
{
    struct Case {
        std::string patterns, folder;
        std::vector<std::string> history;
        std::string shownPatterns, shownFolder;
    };
    const std::string longText(300, 'x');
    const std::string cut(kCriteriaTextLimit, 'x');
    const Case cases[] = {
        {"", "", {"*.cpp", "*.h"}, "*.cpp", "C:\\"},
        {"", "", {}, "*.*", "C:\\"},
        {longText, longText, {}, cut, cut},
        {"", "", {longText}, cut, "C:\\"},
    };
    for (const Case& c : cases) {
        CCondition criteria(std::string(60, 'n'));
        criteria.SetPatterns(c.patterns);
        criteria.SetFolder(c.folder);
        const FileTypesFields fields = OpenFileTypesPage(criteria, c.history);
        EXPECT_EQ(fields.patterns, c.shownPatterns) << c.patterns;
        EXPECT_EQ(fields.folder, c.shownFolder) << c.folder;
        EXPECT_EQ(fields.name, std::string(kCriteriaNameLimit, 'n'));
    }
}

TEST(CriteriaPagesFileTypes, LeavingTrimsTheFolderAndRefusesOneThatCannotBeEntered)
{
    struct Case { std::string typed; bool localDrives; std::string folder; bool asked, passes; };
    const Case cases[] = {
        {"  D:\\docs \t", false, "D:\\docs", true, true},
        {"", false, "C:\\", true, true},
        {"D:\\gone", false, "D:\\gone", true, false},
        // All local drives: the folder is not the one searched, so it is not checked.
        {"D:\\gone", true, "D:\\gone", false, true},
    };
    for (const Case& c : cases) {
        FolderSetLister lister({"C:\\", "D:\\docs"});
        FileTypesFields fields;
        fields.folder = c.typed;
        fields.localDrives = c.localDrives;
        const PageCheck check = LeaveFileTypesPage(fields, lister);
        EXPECT_EQ(fields.folder, c.folder) << c.typed;
        EXPECT_EQ(lister.asked, c.asked ? std::vector<std::string>{c.folder} : std::vector<std::string>{})
            << c.typed;
        EXPECT_EQ(check.Passed(), c.passes) << c.typed;
        if (!c.passes) {
            EXPECT_EQ(check.messageId, static_cast<unsigned>(IDS_FOLDER_INVALID));
            EXPECT_EQ(check.field, PageField::LookIn);
        }
    }
}

TEST_F(CriteriaPagesHistory, OkStoresTrimmedTextsAndPutsThePatternsFirstInTheHistory)
{
    m_history.AddToFront("*.doc");
    m_history.AddToFront("*.TXT");
    struct Case { std::string typed, stored; std::vector<std::string> history; };
    const Case cases[] = {
        {" *.txt , *.wri ", "*.txt , *.wri", {"*.txt , *.wri", "*.TXT", "*.doc"}},
        {"*.doc", "*.doc", {"*.doc", "*.txt , *.wri", "*.TXT"}},
        {" \t", "*.*", {"*.*", "*.doc", "*.txt , *.wri", "*.TXT"}},
        {"*.txt", "*.txt", {"*.txt", "*.*", "*.doc", "*.txt , *.wri"}},  // the same text in any case goes
    };
    for (const Case& c : cases) {
        CCondition criteria("Old");
        // Name, patterns, folder, without sub-folders, all local drives.
        FileTypesFields fields{"  Letters \t", c.typed, " D:\\docs ", false, true};
        ApplyFileTypesPage(fields, true, criteria, &m_history);
        EXPECT_EQ(criteria.Patterns(), c.stored);
        EXPECT_EQ(m_history.Texts(), c.history) << c.typed;
        EXPECT_EQ(criteria.Name(), "Letters");
        EXPECT_EQ(criteria.Folder(), "D:\\docs");
    }
}

TEST_F(CriteriaPagesHistory, FolderTypesKeepTheHistoryAndPagesWithoutANameKeepTheName)
{
    m_history.AddToFront("*.doc");
    CCondition criteria("Keep me");
    FileTypesFields fields = OpenFileTypesPage(criteria, {});
    fields.name = "Other";
    fields.patterns = "";
    fields.folder = " ";
    ApplyFileTypesPage(fields, false, criteria, nullptr);
    EXPECT_EQ(criteria.Name(), "Keep me");
    EXPECT_EQ(criteria.Patterns(), "*.*");
    EXPECT_EQ(criteria.Folder(), "C:\\");
    EXPECT_EQ(m_history.Texts(), std::vector<std::string>{"*.doc"});
}

TEST(CriteriaPagesLookIn, TheLocalDrivesEntrySetsTheFlagAndEverythingElseClearsIt)
{
    const LookInList list = MakeLookInList({"A:\\", "C:\\", "D:\\"}, "Local hard drives");
    ASSERT_EQ(list.entries.size(), 4u);
    EXPECT_EQ(list.localDrivesIndex, 3u);

    FileTypesFields fields;
    fields.folder = "C:\\Windows";
    EXPECT_EQ(LookInText(fields, list), "C:\\Windows");

    ChooseLookInEntry(fields, list, list.localDrivesIndex);
    EXPECT_TRUE(fields.localDrives);
    EXPECT_EQ(fields.folder, "C:\\Windows");  // kept for when a folder is chosen again
    EXPECT_EQ(LookInText(fields, list), "Local hard drives");

    ChooseLookInEntry(fields, list, 2);
    EXPECT_FALSE(fields.localDrives);
    EXPECT_EQ(fields.folder, "D:\\");

    TypeLookIn(fields, list, " LOCAL hard drives ");
    EXPECT_TRUE(fields.localDrives);
    EXPECT_EQ(fields.folder, "D:\\");
    TypeLookIn(fields, list, "c:\\");
    EXPECT_FALSE(fields.localDrives);
    EXPECT_EQ(LookInSelection(fields, list), 1);

    ChooseLookInEntry(fields, list, list.localDrivesIndex);
    BrowsedLookIn(fields, "E:\\Music");
    EXPECT_FALSE(fields.localDrives);
    EXPECT_EQ(fields.folder, "E:\\Music");

    ChooseLookInEntry(fields, list, 9);  // no such entry
    EXPECT_EQ(fields.folder, "E:\\Music");
}

TEST(CriteriaPagesNumbers, TypedCountsReadDigitsUpToTheLimit)
{
    struct Case { const char* text; std::uint32_t max, value; };
    const Case cases[] = {
        {"", 99, 0},     {"  12", 99, 12}, {"12abc", 99, 12}, {"100", 99, 99}, {"-5", 99, 0},
        {"99999999999999999999999", kMaxSizeValue, kMaxSizeValue},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCount(c.text, c.max), c.value) << c.text;
}

TEST(CriteriaPagesSize, LeavingMendsSmallerThanZeroAndRefusesAnEmptyBetween)
{
    struct Case { std::uint32_t selector, smaller, low, high, smallerAfter; bool passes; };
    const Case cases[] = {
        {SizeKind::Smaller, 0, 0, 1, 1, true},
        {SizeKind::Equal, 0, 0, 1, 1, true},
        {SizeKind::Between, 7, 5, 5, 7, false},
        {SizeKind::Between, 7, 6, 5, 7, false},
        {SizeKind::Between, 7, 4, 5, 7, true},
        {SizeKind::Greater, 7, 5, 5, 7, true},  // a between test not chosen is not checked
    };
    for (const Case& c : cases) {
        SizeFields fields;
        fields.selector = c.selector;
        fields.tests[SizeKind::Smaller].high = c.smaller;
        fields.tests[SizeKind::Between].low = c.low;
        fields.tests[SizeKind::Between].high = c.high;
        const PageCheck check = LeaveSizePage(fields);
        EXPECT_EQ(fields.tests[SizeKind::Smaller].high, c.smallerAfter);
        EXPECT_EQ(check.Passed(), c.passes) << c.selector << " " << c.low << ".." << c.high;
        if (!c.passes) {
            EXPECT_EQ(check.messageId, static_cast<unsigned>(IDS_BETWEEN_INVALID));
            EXPECT_EQ(check.field, PageField::BetweenLow);
        }
    }
}

TEST(CriteriaPagesSize, OkWritesEachTestsOwnValuesAndKeepsTheOthers)
{
    CCondition criteria;
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        criteria.Size(kind).low = 100 + kind;
        criteria.Size(kind).high = 200 + kind;
    }
    SizeFields fields = OpenSizePage(criteria);
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        fields.tests[kind].unit = SizeUnit::Megabytes;
        fields.tests[kind].low = 10 + kind;
        fields.tests[kind].high = 20 + kind;
    }
    fields.selector = SizeKind::Between;
    ApplySizePage(fields, criteria);
    struct Expected { std::uint32_t kind, low, high; };
    const Expected expected[] = {
        {SizeKind::Equal, 11, 201}, {SizeKind::Greater, 12, 202},
        {SizeKind::Smaller, 103, 23}, {SizeKind::Between, 14, 24},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(criteria.Size(e.kind).unit, SizeUnit::Megabytes) << e.kind;
        EXPECT_EQ(criteria.Size(e.kind).low, e.low) << e.kind;
        EXPECT_EQ(criteria.Size(e.kind).high, e.high) << e.kind;
    }
    // The stored test now passes what the page showed: 14 MB to 24 MB.
    EXPECT_TRUE(criteria.SelectedSize().Matches(14ull * 1048576));
    EXPECT_FALSE(criteria.SelectedSize().Matches(24ull * 1048576 + 1));
}

TEST(CriteriaPages, DamagedValuesOpenAsThePagesCanShowThem)
{
    CCondition criteria;
    criteria.SetSizeSelector(9);
    criteria.Size(SizeKind::Equal).unit = 5;
    criteria.Size(SizeKind::Greater).low = 4000000000u;
    criteria.Date().whichDate = 7;
    criteria.Date().window = 5;
    criteria.Date().months = 150;
    const SizeFields size = OpenSizePage(criteria);
    EXPECT_EQ(size.selector, SizeKind::None);
    EXPECT_EQ(size.tests[SizeKind::Equal].unit, SizeUnit::Kilobytes);
    EXPECT_EQ(size.tests[SizeKind::Greater].low, kMaxSizeValue);
    const DateFields date = OpenDatePage(criteria);
    EXPECT_EQ(date.whichDate, DateField::Modified);
    EXPECT_EQ(date.months, kMaxDateCount);
}

TEST(CriteriaPagesDate, DaysAndMidnightsConvertBothWays)
{
    struct Case { std::int64_t seconds; CalendarDay day; std::int64_t midnight; };
    const Case cases[] = {
        {0, {1970, 1, 1}, 0},
        {1709164800 + 45296, {2024, 2, 29}, 1709164800},
        {-1, {1969, 12, 31}, -86400},
        {4102444800 + 86399, {2100, 1, 1}, 4102444800},
    };
    for (const Case& c : cases) {
        const CalendarDay day = DayOfTime(c.seconds);
        EXPECT_EQ(std::tie(day.year, day.month, day.day), std::tie(c.day.year, c.day.month, c.day.day))
            << c.seconds;
        EXPECT_EQ(MidnightOf(day), c.midnight) << c.seconds;
    }
}

TEST(CriteriaPagesDate, LeavingRefusesAFirstDateAfterTheSecondOnly)
{
    struct Case { bool always; std::uint32_t window; CalendarDay low, high; bool passes; };
    const Case cases[] = {
        {false, DateWindow::Between, {2024, 5, 7}, {2024, 5, 7}, true},
        {false, DateWindow::Between, {2024, 5, 8}, {2024, 5, 7}, false},
        {false, DateWindow::Between, {2025, 1, 1}, {2024, 12, 31}, false},
        {true, DateWindow::Between, {2024, 5, 8}, {2024, 5, 7}, true},
        {false, DateWindow::PreviousDays, {2024, 5, 8}, {2024, 5, 7}, true},
    };
    for (const Case& c : cases) {
        DateFields fields;
        fields.always = c.always;
        fields.window = c.window;
        fields.low = c.low;
        fields.high = c.high;
        const PageCheck check = LeaveDatePage(fields);
        EXPECT_EQ(check.Passed(), c.passes) << c.low.year << "-" << c.low.month << "-" << c.low.day;
        if (!c.passes) {
            EXPECT_EQ(check.messageId, static_cast<unsigned>(IDS_DATES_REVERSED));
            EXPECT_EQ(check.field, PageField::LowDate);
        }
    }
}

TEST(CriteriaPagesDate, OkStoresMidnightsSoTheSecondDayEndsAtItsStart)
{
    CCondition criteria;
    DateFields fields = OpenDatePage(criteria);
    fields.always = false;
    fields.whichDate = DateField::Created;
    fields.window = DateWindow::Between;
    fields.low = {2024, 5, 7};
    fields.high = {2024, 5, 7};
    ASSERT_TRUE(LeaveDatePage(fields).Passed());
    ApplyDatePage(fields, criteria);
    const CDateCondition& date = criteria.Date();
    const std::int64_t midnight = 1715040000;  // 2024-05-07 00:00:00
    EXPECT_EQ(date.lowDate, midnight);
    EXPECT_EQ(date.highDate, midnight);
    EXPECT_TRUE(date.Matches(0, midnight, 0, midnight));
    EXPECT_FALSE(date.Matches(0, midnight + 1, 0, midnight));  // later that day
    EXPECT_FALSE(date.Matches(midnight, midnight - 1, midnight, midnight));

    const DateFields reopened = OpenDatePage(criteria);
    EXPECT_EQ(reopened.low.day, 7u);
    EXPECT_EQ(reopened.high.month, 5u);
}

}  // namespace
