// Core
#include "core/search/Condition.h"
#include "core/search/ConditionList.h"
#include "core/search/FindTypeList.h"

// Tests
#include "core/app/StoreFixture.h"
#include "core/search/SearchTestSupport.h"

// Platform
#include "platform/System.h"

// Standard library
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kMB = 1048576;
constexpr std::uint64_t kGiB = 1073741824;

TEST(SizeCondition, BoundsAreInclusiveAndSixtyFourBitWide)
{
    struct SizeCase { std::uint32_t kind, unit, low, high; std::uint64_t size; bool passes; };
    const SizeCase cases[] = {
        {SizeKind::None, 0, 0, 1, 12345, true},
        {SizeKind::Greater, SizeUnit::Megabytes, 2, 1, 2097152, true},  // "Big Files"
        {SizeKind::Greater, SizeUnit::Megabytes, 2, 1, 2097151, false},
        {SizeKind::Greater, SizeUnit::Megabytes, 2, 1, 5 * kGiB, true},  // past 4 GB
        {SizeKind::Equal, SizeUnit::Kilobytes, 0, 1, 0, true},           // "Zero Sized Files"
        {SizeKind::Equal, SizeUnit::Kilobytes, 0, 1, 4 * kGiB, false},   // low bits are 0
        {SizeKind::Smaller, SizeUnit::Megabytes, 0, 4095, 4095 * kMB, true},
        {SizeKind::Smaller, SizeUnit::Megabytes, 0, 4095, 5 * kGiB, false},
        {SizeKind::Smaller, SizeUnit::Megabytes, 0, 4096, 3 * kGiB, true},  // no wrap to 0
        // Greater-than bounds of 4 GB and more, which 32 bits would wrap to 0 and 1 MB.
        {SizeKind::Greater, SizeUnit::Megabytes, 4096, 1, 1, false},
        {SizeKind::Greater, SizeUnit::Megabytes, 4097, 1, 2 * kMB, false},
        {SizeKind::Greater, SizeUnit::Megabytes, 4097, 1, 4097 * kMB, true},
        {SizeKind::Greater, SizeUnit::Kilobytes, 4194304, 1, 1024, false},
        {SizeKind::Between, SizeUnit::Megabytes, 5, 3, 4 * kMB, false},
        {SizeKind::Between, SizeUnit::Kilobytes, 1, 2, 1024, true},
        {SizeKind::Between, SizeUnit::Kilobytes, 1, 2, 2048, true},
        {SizeKind::Between, SizeUnit::Kilobytes, 1, 2, 2049, false},
        {SizeKind::Equal, 7, 1, 1, 1024, true},  // an unknown unit counts as kilobytes
        {9, SizeUnit::Kilobytes, 0, 1, 0, false},
    };
    for (const SizeCase& c : cases) {
        CSizeCondition size(c.kind);
        size.unit = c.unit;
        size.low = c.low;
        size.high = c.high;
        EXPECT_EQ(size.Matches(c.size), c.passes)
            << "kind " << c.kind << " unit " << c.unit << " " << c.low << ".." << c.high
            << " size " << c.size;
    }
}

// A test without "all files" that passes the attributes ticked here.
CAttributeCondition Ticked(bool hidden, bool directory)
{
    CAttributeCondition a;
    a.allFiles = 0;
    a.hidden = hidden;
    a.directory = directory;
    a.RecomputeMask();
    return a;
}

TEST(AttributeCondition, MaskAndBothFormsPassAnyTickedAttribute)
{
    const CAttributeCondition hiddenOnly = Ticked(true, false);
    EXPECT_TRUE(hiddenOnly.MatchesAttributes(platform::kAttrHidden | platform::kAttrReadOnly));
    EXPECT_FALSE(hiddenOnly.MatchesAttributes(platform::kAttrReadOnly));
    EXPECT_TRUE(hiddenOnly.MatchesListed("rh", false));
    EXPECT_FALSE(hiddenOnly.MatchesListed("R", false));

    const CAttributeCondition none = Ticked(false, false);
    EXPECT_FALSE(none.MatchesAttributes(0xFF));
    EXPECT_FALSE(none.MatchesListed("RHSA", true));

    EXPECT_TRUE(Ticked(false, true).MatchesListed("", true));
    EXPECT_TRUE(CAttributeCondition().MatchesAttributes(0));
}

TEST(AttributeCondition, EachFlagSetsItsOwnBitAlone)
{
    struct FlagCase { std::uint8_t CAttributeCondition::*flag; std::uint32_t bit; };
    const FlagCase cases[] = {
        {&CAttributeCondition::readOnly, platform::kAttrReadOnly},
        {&CAttributeCondition::archive, platform::kAttrArchive},
        {&CAttributeCondition::hidden, platform::kAttrHidden},
        {&CAttributeCondition::system, platform::kAttrSystem},
        {&CAttributeCondition::directory, platform::kAttrDirectory},
    };
    const std::uint32_t everyBit = 0xFFFF;
    for (const FlagCase& c : cases) {
        CAttributeCondition a;
        a.allFiles = 0;
        a.*c.flag = 1;
        a.RecomputeMask();
        EXPECT_EQ(a.Mask(), c.bit);
        EXPECT_TRUE(a.MatchesAttributes(c.bit)) << c.bit;
        EXPECT_FALSE(a.MatchesAttributes(everyBit & ~c.bit)) << c.bit;
    }
    CAttributeCondition system;
    system.allFiles = 0;
    system.system = 1;
    system.RecomputeMask();
    EXPECT_TRUE(system.MatchesListed("S", false));
    EXPECT_FALSE(system.MatchesListed("RHA", true));
}

TEST(DateCondition, WindowsIncludeTheirBounds)
{
    const std::int64_t day = CDateCondition::kSecondsPerDay;
    const std::int64_t now = 1700000000;
    CDateCondition date;
    EXPECT_TRUE(date.Matches(0, 0, 0, now));  // always

    date.always = 0;
    date.window = DateWindow::Between;
    date.lowDate = now - day;
    date.highDate = now;
    EXPECT_TRUE(date.Matches(now - day, 0, 0, now));
    EXPECT_TRUE(date.Matches(now, 0, 0, now));
    EXPECT_FALSE(date.Matches(now + 1, 0, 0, now));
    date.whichDate = DateField::Created;
    EXPECT_TRUE(date.Matches(0, now, 0, now));
    EXPECT_FALSE(date.Matches(now, 0, now, now));

    date.whichDate = DateField::Modified;
    date.window = DateWindow::PreviousDays;
    date.days = 3;
    EXPECT_TRUE(date.Matches(now - 3 * day, 0, 0, now));
    EXPECT_FALSE(date.Matches(now - 3 * day - 1, 0, 0, now));

    date.window = 17;
    EXPECT_TRUE(date.Matches(0, 0, 0, now));
}

TEST(DateCondition, MonthsCountBackCalendarMonths)
{
    // 2024-03-31 12:00:00 UTC.
    const std::int64_t march31 = 1711886400;
    EXPECT_EQ(CDateCondition::MonthsBefore(march31, 1), 1709208000);   // 2024-02-29 12:00
    EXPECT_EQ(CDateCondition::MonthsBefore(march31, 13), 1677585600);  // 2023-02-28 12:00
    CDateCondition date;
    date.always = 0;
    date.window = DateWindow::PreviousMonths;
    date.months = 1;
    EXPECT_TRUE(date.Matches(1709208000, 0, 0, march31));
    EXPECT_FALSE(date.Matches(1709207999, 0, 0, march31));
}

TEST(DateConditionInTokyo, BetweenDaysAreTheLocalCalendarDays)
{
    searchtest::TokyoTime zone;
    if (!searchtest::TokyoTime::Active()) GTEST_SKIP() << "runs with TZ=Asia/Tokyo";
    constexpr std::int64_t kHour = 3600;
    const std::int64_t day = CDateCondition::kSecondsPerDay;
    // The date page's window from 11 March 2026 to 12 March 2026: local midnights.
    const std::int64_t march11 = DaysFromCivil({2026, 3, 11}) * day;
    CDateCondition date;
    date.always = 0;
    date.window = DateWindow::Between;
    date.lowDate = march11;
    date.highDate = march11 + day;
    EXPECT_EQ(platform::LocalCalendarSeconds(march11), march11 + 9 * kHour);

    struct DateCase { std::int64_t utc; bool passes; const char* local; };
    const DateCase cases[] = {
        {march11 - 9 * kHour, true, "11 March 00:00"},
        {march11 - 9 * kHour - 1, false, "10 March 23:59:59"},
        {march11 + day - 9 * kHour, true, "12 March 00:00"},
        {march11 + day - 9 * kHour + 1, false, "12 March 00:00:01"},
        {march11 + 12 * kHour, true, "11 March 21:00"},
        {march11 + 20 * kHour, false, "12 March 05:00"},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(date.Matches(c.utc, 0, 0, c.utc), c.passes) << c.local;
        FileItem item;  // the files view's filter tests listed times the same way
        item.name = "x";
        item.modified = c.utc;
        CCondition criteria;
        criteria.Date() = date;
        EXPECT_EQ(criteria.MatchesListed(item, false, c.utc), c.passes) << c.local;
    }
}

platform::FindEntry Entry(std::uint32_t attributes, std::uint64_t size)
{
    platform::FindEntry entry;
    entry.name = "x";
    entry.attributes = attributes;
    entry.size = size;
    return entry;
}

TEST(Condition, FoundFoldersFailSizeTestsButListedFoldersAreMeasured)
{
    CCondition damaged;
    damaged.SetSizeSelector(12);  // a damaged record passes nothing rather than reading past
    EXPECT_FALSE(damaged.SelectedSize().Matches(0));

    CCondition criteria;
    const std::int64_t now = CDateCondition::Now();
    EXPECT_TRUE(criteria.MatchesFound(Entry(platform::kAttrDirectory, 0), now));
    criteria.SetSizeSelector(SizeKind::Greater);  // greater than 0 KB: everything
    EXPECT_TRUE(criteria.MatchesFound(Entry(platform::kAttrArchive, 0), now));
    EXPECT_FALSE(criteria.MatchesFound(Entry(platform::kAttrDirectory, 0), now));

    FileItem folder;
    folder.name = "Sub";
    folder.isDirectory = true;
    folder.sizeBytes = 0;
    EXPECT_TRUE(criteria.MatchesListed(folder, false, now));
    criteria.Size(SizeKind::Greater).low = 1;
    EXPECT_FALSE(criteria.MatchesListed(folder, false, now));
    folder.sizeBytes = 4096;
    EXPECT_TRUE(criteria.MatchesListed(folder, false, now));
}

TEST(Condition, ListedItemsMatchAnyPatternUnlessFoldersAreAlwaysAdded)
{
    CCondition criteria;
    criteria.SetPatterns(" *.txt , *.doc ");
    const std::int64_t now = CDateCondition::Now();
    FileItem item;
    item.name = "Notes.DOC";
    EXPECT_TRUE(criteria.MatchesListed(item, false, now));
    item.name = "a.b.txt";
    EXPECT_FALSE(criteria.MatchesListed(item, false, now));
    item.name = "Folder";
    item.isDirectory = true;
    EXPECT_FALSE(criteria.MatchesListed(item, false, now));
    EXPECT_TRUE(criteria.MatchesListed(item, true, now));
    criteria.Attributes() = Ticked(true, false);
    EXPECT_FALSE(criteria.MatchesListed(item, true, now));  // the later tests still apply
}

TEST(Condition, IsRemoteForNetworkPathsAndDrives)
{
    searchtest::FolderSetLister lister;
    CCondition criteria;
    criteria.SetFolder("C:\\data");
    EXPECT_FALSE(criteria.IsRemote(lister));
    for (const char* folder : {"\\\\server\\share", "N:\\data"}) {
        criteria.SetFolder(folder);
        EXPECT_TRUE(criteria.IsRemote(lister)) << folder;
    }
    criteria.SetSearchLocalDrives(true);
    EXPECT_FALSE(criteria.IsRemote(lister));
}

// --- Storage ----------------------------------------------------------------

class ConditionStoreTest : public StoreTest {
protected:
    const std::string kCriteria = SectionPath("Criteria");
};

TEST_P(ConditionStoreTest, RoundTripKeepsWidthsAndWritesOnlyOwnSizeValues)
{
    CCondition criteria("Logs");
    criteria.SetPatterns("*.log,*.txt");
    criteria.SetSizeSelector(SizeKind::Between);
    criteria.Size(SizeKind::Between).unit = SizeUnit::Megabytes;
    criteria.Size(SizeKind::Between).high = 4000000000u;
    criteria.Size(SizeKind::Smaller).high = 77;
    criteria.Attributes().allFiles = 0;
    criteria.Attributes().hidden = 1;
    criteria.Attributes().directory = 1;
    criteria.Date().always = 0;
    criteria.SaveTo(Store(), "Object0", SectionId::Criteria);

    const std::string key = kCriteria + "\\Object0";
    EXPECT_EQ(ReadRawText(key, "Files To Search For"), std::string("*.log,*.txt") + '\0');
    EXPECT_EQ(ReadRaw(key, "Current Size Condition"), (Bytes{SizeKind::Between, 0, 0, 0}));
    EXPECT_EQ(ReadRaw(key, "Between High"), (Bytes{0x00, 0x28, 0x6B, 0xEE}));  // 4,000,000,000
    EXPECT_EQ(ReadRaw(key, "Smaller Than"), (Bytes{77, 0, 0, 0}));
    EXPECT_FALSE(HasValue(key, "Smaller Than Low"));
    EXPECT_FALSE(HasValue(key, "Days"));  // the date part stays in memory

    CCondition loaded;
    loaded.LoadFrom(Store(), "Object0", SectionId::Criteria);
    EXPECT_EQ(loaded.Size(SizeKind::Between).high, 4000000000u);
    EXPECT_EQ(loaded.Size(SizeKind::Smaller).high, 77u);
    EXPECT_EQ(loaded.Attributes().Mask(), platform::kAttrHidden | platform::kAttrDirectory);
    EXPECT_EQ(loaded.Date().always, 1);
}

TEST_P(ConditionStoreTest, MissingValuesKeepDefaultsAndTheMaskFollowsLoadedFlags)
{
    const std::string key = kCriteria + "\\Object0";
    WriteRawText(key, "Name", "Partial");
    WriteRaw(key, "Attribute Condition All Files", platform::kRegNone, {0});
    WriteRaw(key, "Read Only", platform::kRegNone, {1});
    WriteRaw(key, "Greater Than", platform::kRegNone, {5, 0});  // short value: low bytes only
    CCondition loaded;
    loaded.LoadFrom(Store(), "Object0", SectionId::Criteria);
    EXPECT_EQ(loaded.Patterns(), "*.*");
    EXPECT_EQ(loaded.Size(SizeKind::Greater).low, 5u);
    EXPECT_EQ(loaded.Size(SizeKind::Between).high, 1u);
    EXPECT_EQ(loaded.Attributes().Mask(), platform::kAttrReadOnly);
}

TEST_P(ConditionStoreTest, StarterCriteriaAreSavedInOrderAndFindWhatTheySay)
{
    {
        CConditionList list(Store());
        list.CreateStarterCriteria();
    }
    CConditionList list(Store());
    list.LoadAll();
    ASSERT_EQ(list.Count(), 5);
    const char* names[] = {"Big Files", "Text Files", "Bitmaps", "Executables",
                           "Zero Sized Files"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.ConditionAt(i)->Name(), names[i]);
        EXPECT_EQ(list.ConditionAt(i)->Folder(), "C:\\");
    }
    const std::int64_t now = CDateCondition::Now();
    EXPECT_TRUE(list.ConditionAt(0)->MatchesFound(Entry(0x20, 2097152), now));
    EXPECT_FALSE(list.ConditionAt(0)->MatchesFound(Entry(0x20, 2097151), now));
    EXPECT_TRUE(list.ConditionAt(4)->MatchesFound(Entry(0x20, 0), now));
    EXPECT_FALSE(list.ConditionAt(4)->MatchesFound(Entry(0x20, 1), now));
    EXPECT_FALSE(list.ConditionAt(4)->MatchesFound(Entry(platform::kAttrDirectory, 0), now));
    EXPECT_EQ(SubKeys(kCriteria), (std::vector<std::string>{"Object0", "Object1", "Object2",
                                                            "Object3", "Object4"}));
}

TEST_P(ConditionStoreTest, FindTypesKeepTheNewestTwentyFiveWithoutCaseDuplicates)
{
    CFindTypeList types(Store());
    for (int i = 0; i < 30; ++i) types.AddToFront("*.t" + std::to_string(i));
    types.AddToFront("*.T20");
    std::vector<std::string> texts = types.Texts();
    ASSERT_EQ(texts.size(), 25u);
    EXPECT_EQ(texts[0], "*.T20");
    EXPECT_EQ(texts[1], "*.t29");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "*.t20"), 0);
    EXPECT_EQ(texts[24], "*.t5");  // the old *.t20 left a gap for it
    types.SaveAll();

    CFindTypeList loaded(Store());
    loaded.LoadAll();
    EXPECT_EQ(loaded.Texts(), texts);
}

INSTANTIATE_FOR_EVERY_REGISTRY(ConditionStoreTest);

}  // namespace
