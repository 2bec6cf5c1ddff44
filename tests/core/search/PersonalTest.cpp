// Personal folders: the summary texts, the stored values, the results file
// each folder gets and loses, and the contents operations.

// Core
#include "core/app/Random.h"
#include "core/app/Settings.h"
#include "core/search/Personal.h"
#include "core/search/ResultsFile.h"

// Platform
#include "platform/FileSystem.h"

// Tests
#include "core/app/StoreFixture.h"
#include "core/app/TempFolder.h"
#include "core/search/SearchTestSupport.h"

// Standard library
#include <set>
#include <string>
#include <vector>

namespace {

PersonalStrings Strings()
{
    PersonalStrings strings;
    strings.bytesFormat = "%.0f bytes";
    strings.kilobytesFormat = "%.1fKB";
    strings.megabytesFormat = "%.1fMB";
    strings.containsFormat = "%d %s, %d %s";
    strings.file = "File";
    strings.files = "Files";
    strings.folder = "Folder";
    strings.folders = "Folders";
    return strings;
}

FileItem Item(std::uint64_t size, bool directory = false, bool visible = true)
{
    FileItem item;
    item.sizeBytes = size;
    item.isDirectory = directory;
    item.visible = visible;
    return item;
}

PersonalSummary Summary(const std::vector<FileItem>& items)
{
    std::vector<const FileItem*> pointers;
    for (const FileItem& item : items) pointers.push_back(&item);
    return MakePersonalSummary(pointers, Strings());
}

TEST(PersonalSummary, SizesAndCountsReadAsTheFolderShowsThem)
{
    struct Case {
        std::vector<FileItem> items;
        const char* size;
        const char* contains;
    };
    const Case cases[] = {
        {{}, "0 bytes", "0 File, 0 Folder"},
        {{Item(1023)}, "1023 bytes", "1 File, 0 Folder"},
        {{Item(1000), Item(24)}, "1.0KB", "2 Files, 0 Folder"},
        {{Item(0, true)}, "0 bytes", "0 File, 1 Folder"},
        {{Item(1048576), Item(0, true), Item(0, true)}, "1.0MB", "1 File, 2 Folders"},
        // Hidden items add their size but are not counted.
        {{Item(512), Item(512, false, false), Item(0, true, false)}, "1.0KB", "1 File, 0 Folder"},
        {{Item(5ull * 1024 * 1024 * 1024)}, "5120.0MB", "1 File, 0 Folder"},
    };
    for (const Case& c : cases) {
        const PersonalSummary summary = Summary(c.items);
        EXPECT_EQ(summary.size, c.size);
        EXPECT_EQ(summary.contains, c.contains);
    }
}

std::string Encode(int records)
{
    ResultsWriter writer;
    for (int i = 0; i < records; ++i) {
        FileItem item;
        item.name = "f" + std::to_string(i) + ".txt";
        item.path = "C:\\d\\" + item.name;
        writer.Add(item);
    }
    return writer.Bytes();
}

TEST(PersonalTimeInTokyo, DatesReadInTheLocalZoneAndNeverIsEmpty)
{
    searchtest::TokyoTime zone;
    if (!searchtest::TokyoTime::Active()) GTEST_SKIP() << "runs with TZ=Asia/Tokyo";
    const std::string format = "%A, %B %d, %Y %I:%M:%S %p";
    // 15:04:05 on 5 March 2026 in UTC is past midnight of the 6th in Tokyo.
    EXPECT_EQ(FormatPersonalTime(1772723045, format), "Friday, March 06, 2026 12:04:05 AM");
    EXPECT_EQ(FormatPersonalTime(0, format), "");
    EXPECT_EQ(FormatPersonalTime(1772723045, std::string(300, 'x')), "");
}

TEST(PersonalLoading, OneHundredRecordsOrMoreLoadUnderTheDialog)
{
    EXPECT_FALSE(LoadsUnderDialog(ResultsReader(Encode(0))));
    EXPECT_FALSE(LoadsUnderDialog(ResultsReader(Encode(99))));
    EXPECT_TRUE(LoadsUnderDialog(ResultsReader(Encode(100))));
    // A count that the file cannot hold decides nothing.
    std::string damaged = Encode(3);
    damaged[0] = '\x64';
    EXPECT_FALSE(LoadsUnderDialog(ResultsReader(damaged)));
}

TEST(PersonalContents, AddingKeepsNewExistingPathsOnce)
{
    const std::set<std::string> onDisk = {"C:\\a.txt", "C:\\B.txt", "C:\\c.txt"};
    const auto exists = [&](const std::string& path) { return onDisk.count(path) > 0; };
    EXPECT_EQ(FilterNewPaths({"C:\\a.txt", "C:\\B.txt", "C:\\gone.txt", "C:\\c.txt", "c:\\C.TXT"}, {"c:\\b.TXT"},
                             exists),
              (std::vector<std::string>{"C:\\a.txt", "C:\\c.txt"}));
    EXPECT_TRUE(FilterNewPaths({"C:\\a.txt"}, {"C:\\A.TXT"}, exists).empty());
}

TEST(PersonalContents, RemovingByPathIgnoresCaseAndDroppingMissingAsksEachPath)
{
    std::vector<std::unique_ptr<FileItem>> items;
    for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt"}) {
        items.push_back(std::make_unique<FileItem>());
        items.back()->path = path;
    }
    EXPECT_EQ(RemoveItemsByPath(items, {"c:\\B.TXT", "C:\\nothing"}), 1u);
    EXPECT_EQ(DropMissingItems<FileItem>(items, [](const std::string& path) { return path != "C:\\c.txt"; }), 1u);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->path, "C:\\a.txt");
    EXPECT_EQ(items[1]->path, "C:\\d.txt");
}

class PersonalStoreTest : public StoreTest {
protected:
    std::string Folder() const { return m_results.Name(); }
    const std::string m_section = SectionPath("Personal Folders");
    TempFolder m_results;
};

TEST_P(PersonalStoreTest, ValuesComeBackWithTheirWidthsAndCriteria)
{
    CPersonalList list(Store(), Folder(), nullptr);
    std::unique_ptr<CPersonal> folder = list.MakeFolder(1700000000);
    folder->SetName("Mine");
    folder->SetUpdated(1700000123);
    CCondition criteria("Texts");
    criteria.SetPatterns("*.txt");
    folder->AddCriteria(criteria);
    folder->SetSummary(Summary({Item(1024)}));
    CPersonal* stored = list.Append(std::move(folder));
    const std::string resultsFile = stored->ResultsFile();
    list.SaveAll();

    EXPECT_EQ(ReadRaw(m_section + "\\Object0", "Created"), (Bytes{0x00, 0xF1, 0x53, 0x65}));
    EXPECT_EQ(ReadRaw(m_section + "\\Object0", "Updated").size(), 4u);
    EXPECT_EQ(ReadRawText(m_section + "\\Object0", "Folder Name"), resultsFile + std::string(1, '\0'));
    EXPECT_EQ(ReadRawText(m_section + "\\Object0", "Size"), std::string("1.0KB", 6));
    EXPECT_EQ(ReadRawText(m_section + "\\Object0", "Contains"), std::string("1 File, 0 Folder", 17));

    CPersonalList loaded(Store(), Folder(), nullptr);
    loaded.LoadAll();
    ASSERT_EQ(loaded.Count(), 1);
    const CPersonal& back = *loaded.FolderAt(0);
    EXPECT_EQ(back.Name(), "Mine");
    EXPECT_EQ(back.Created(), 1700000000u);
    EXPECT_EQ(back.Updated(), 1700000123u);
    EXPECT_EQ(back.ResultsFile(), resultsFile);
    EXPECT_EQ(back.SizeText(), "1.0KB");
    ASSERT_EQ(back.CriteriaCount(), 1);
    EXPECT_EQ(back.CriteriaAt(0)->Patterns(), "*.txt");
    EXPECT_FALSE(back.Loaded());
    EXPECT_TRUE(back.CanUpdate());
}

TEST_P(PersonalStoreTest, CriteriaEditedOnAStoredFolderComeBackAsEditedWithNoneOfTheOldOnes)
{
    CPersonalList list(Store(), Folder(), nullptr);
    CPersonal* folder = list.Append(list.MakeFolder(0));
    folder->SetName("Mine");
    for (const char* patterns : {"*.txt", "*.doc", "*.bmp"}) {
        CCondition criteria(patterns);
        criteria.SetPatterns(patterns);
        folder->AddCriteria(criteria);
    }
    list.SaveAll();

    // Fewer criteria than were stored, saved into the folder's own key only.
    CCondition edited("Logs");
    edited.SetPatterns("*.log");
    folder->ReplaceCriteria({edited});
    folder->SaveValues(Store());
    CPersonalList loaded(Store(), Folder(), nullptr);
    loaded.LoadAll();
    ASSERT_EQ(loaded.Count(), 1);
    ASSERT_EQ(loaded.FolderAt(0)->CriteriaCount(), 1);
    EXPECT_EQ(loaded.FolderAt(0)->CriteriaAt(0)->Name(), "Logs");
    EXPECT_EQ(loaded.FolderAt(0)->CriteriaAt(0)->Patterns(), "*.log");

    // None at all: the folder no longer searches.
    folder->ReplaceCriteria({});
    folder->SaveValues(Store());
    loaded.LoadAll();
    EXPECT_FALSE(loaded.FolderAt(0)->HasCriteria());
    EXPECT_EQ(loaded.FolderAt(0)->Name(), "Mine");
}

TEST_P(PersonalStoreTest, NewResultsFilesArePerAndFiveDigitsAndNeverShared)
{
    CPersonalList list(Store(), Folder(), nullptr);
    SeedRandom(4242);
    CPersonal* first = list.Append(list.MakeFolder(0));
    // The same draws again: the first folder's name is taken though its
    // file is not written yet.
    SeedRandom(4242);
    CPersonal* second = list.Append(list.MakeFolder(0));
    for (const CPersonal* folder : {first, second}) {
        const std::string& path = folder->ResultsFile();
        ASSERT_EQ(path.size(), Folder().size() + 13) << path;
        EXPECT_EQ(path.substr(0, Folder().size() + 4), Folder() + "\\Per");
        EXPECT_EQ(path.substr(path.size() - 4), ".fld");
        EXPECT_EQ(path.substr(Folder().size() + 4, 5).find_first_not_of("0123456789"), std::string::npos);
    }
    EXPECT_NE(first->ResultsFile(), second->ResultsFile());

    // A stored folder without a results file gets one when it loads.
    list.SaveAll();
    ASSERT_TRUE(Store().SectionKey(SectionId::PersonalFolders));
    CRegistryKey key(Registry(), Store().SectionKey(SectionId::PersonalFolders)->Handle(), "Object0");
    key.WriteText("Folder Name", "");
    CPersonalList loaded(Store(), Folder(), nullptr);
    loaded.LoadAll();
    EXPECT_EQ(loaded.FolderAt(0)->ResultsFile().substr(0, Folder().size() + 4), Folder() + "\\Per");
    EXPECT_NE(loaded.FolderAt(0)->ResultsFile(), second->ResultsFile());
}

TEST_P(PersonalStoreTest, RemovingAFolderDeletesItsResultsFile)
{
    CPersonalList list(Store(), Folder(), nullptr);
    CPersonal* kept = list.Append(list.MakeFolder(0));
    CPersonal* removed = list.Append(list.MakeFolder(0));
    const std::string keptFile = kept->ResultsFile(), removedFile = removed->ResultsFile();
    ASSERT_TRUE(SaveResultsFile(keptFile, Encode(1)));
    ASSERT_TRUE(SaveResultsFile(removedFile, Encode(2)));
    list.RemoveFolder(1);
    EXPECT_FALSE(platform::PathExists(removedFile));
    EXPECT_TRUE(platform::PathExists(keptFile));
    list.RemoveAllFolders();
    EXPECT_FALSE(platform::PathExists(keptFile));
    EXPECT_EQ(list.Count(), 0);
}

INSTANTIATE_FOR_EVERY_REGISTRY(PersonalStoreTest);

}  // namespace
