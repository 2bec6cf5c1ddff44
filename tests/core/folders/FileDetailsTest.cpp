// Core
#include "core/folders/FileDetails.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(FileDetails, AttributeLettersComeInTheirFixedOrder)
{
    struct Case {
        std::uint32_t attributes;
        const char* text;
    } const cases[] = {
        {0, ""},
        {platform::kAttrArchive | platform::kAttrReadOnly, "RA"},
        {platform::kAttrSystem | platform::kAttrHidden, "HS"},
        {platform::kAttrArchive | platform::kAttrSystem | platform::kAttrHidden | platform::kAttrReadOnly, "RHSA"},
        {platform::kAttrDirectory | platform::kAttrNormal, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(AttributesText(c.attributes), c.text) << c.attributes;
}

TEST(FileDetails, ExtensionAndFolderPartFollowTheLastSeparator)
{
    EXPECT_EQ(ExtensionOf("Report.Final.TXT"), "txt");
    EXPECT_EQ(ExtensionOf("Makefile"), "");
    EXPECT_EQ(ExtensionOf("trailing."), "");
    EXPECT_EQ(ExtensionOf(".profile"), "profile");

    EXPECT_EQ(FolderPartOf("C:\\a\\b.txt"), "C:\\a");
    EXPECT_EQ(FolderPartOf("C:\\b.txt"), "C:\\");
    EXPECT_EQ(FolderPartOf("C:\\"), "C:\\");
    EXPECT_EQ(FolderPartOf("\\\\server\\share"), "\\\\server");
    EXPECT_EQ(FolderPartOf("Desktop"), "");
}

class LoadFileDetailsTest : public testing::Test {
protected:
    FileItem ItemFor(const std::string& relative)
    {
        FileItem item;
        item.path = m_tree.Path(relative);
        item.name = item.path.substr(item.path.rfind('\\') + 1);
        return item;
    }
    searchtest::TempTree m_tree;
    platform::DirectoryLister& m_lister = platform::SystemDirectoryLister();
};

TEST_F(LoadFileDetailsTest, AFileOrFolderGetsItsStatusAndVisibility)
{
    m_tree.File("Notes.Text", 3000);
    FileItem item = ItemFor("Notes.Text");
    ASSERT_TRUE(item.detailsPending);
    DetailsRequest request;
    request.shellTypeName = "Text Document";
    request.computeVisibility = true;
    EXPECT_EQ(LoadFileDetails(item, m_lister, request), DetailsOutcome::Loaded);
    EXPECT_FALSE(item.detailsPending);
    EXPECT_EQ(item.sizeBytes, 3000u);
    EXPECT_EQ(item.sizeKB, 2);
    EXPECT_EQ(item.typeName, "Text Document");
    EXPECT_EQ(item.extension, "text");
    EXPECT_EQ(item.folderPath, m_tree.Folder());
    EXPECT_NE(item.modified, 0);
    EXPECT_FALSE(item.isDirectory);
    EXPECT_TRUE(item.visible);

    m_tree.Dir("Sub");
    FileItem folder = ItemFor("Sub");
    EXPECT_EQ(LoadFileDetails(folder, m_lister, {}), DetailsOutcome::Loaded);
    EXPECT_TRUE(folder.isDirectory);
    EXPECT_NE(folder.modified, 0);
}

TEST_F(LoadFileDetailsTest, SmallFilesCountOneKilobyteAndEmptyOnesNone)
{
    m_tree.File("one.bin", 1);
    m_tree.File("empty.bin", 0);
    m_tree.File("exact.bin", 1024);
    for (const auto& c : {std::pair{"one.bin", 1}, {"empty.bin", 0}, {"exact.bin", 1}}) {
        FileItem item = ItemFor(c.first);
        LoadFileDetails(item, m_lister, {});
        EXPECT_EQ(item.sizeKB, c.second) << c.first;
        EXPECT_EQ(item.typeName, "BIN File") << "no shell name: derived from the extension";
    }
}

TEST_F(LoadFileDetailsTest, DrivesAndMissingFilesAreVirtual)
{
    m_tree.File("real.txt", 10);
    FileItem drive = ItemFor("real.txt");
    drive.name = "Local Disk (C:)";
    FileItem gone = ItemFor("gone.txt");
    gone.sizeKB = 5;
    gone.modified = 77;
    gone.attributesText = "A";
    for (FileItem* item : {&drive, &gone}) {
        DetailsRequest request;
        request.shellTypeName = "Something";
        EXPECT_EQ(LoadFileDetails(*item, m_lister, request), DetailsOutcome::Virtual) << item->name;
        EXPECT_EQ(item->sizeKB, 0);
        EXPECT_EQ(item->sizeBytes, 0u);
        EXPECT_EQ(item->modified, 0);
        EXPECT_TRUE(item->typeName.empty());
        EXPECT_TRUE(item->attributesText.empty());
        EXPECT_FALSE(item->detailsPending);
    }
}

TEST(FileDetails, ANameTheCodePageLostIsReadThroughItsShortNameAndNeverAsAPattern)
{
    searchtest::LostNamesLister lister;
    lister.Add("Z:\\data\\", "??.txt", "__~~~2CT.TXT", false, 10);
    lister.Add("Z:\\data\\", "ab.txt", "", false, 1);
    FileItem item;
    item.name = "??.txt";
    item.path = "Z:\\data\\??.txt";
    item.shortName = "__~~~2CT.TXT";
    EXPECT_EQ(LoadFileDetails(item, lister, {}), DetailsOutcome::Loaded);
    EXPECT_EQ(item.sizeBytes, 10u);
    EXPECT_EQ(item.name, "??.txt");
    EXPECT_EQ(item.folderPath, "Z:\\data");

    // Without a short name, "??.txt" would list ab.txt too: nothing is read.
    item.shortName.clear();
    item.sizeBytes = 99;
    EXPECT_EQ(LoadFileDetails(item, lister, {}), DetailsOutcome::Virtual);
    EXPECT_EQ(lister.listed, std::vector<std::string>{"Z:\\data\\__~~~2CT.TXT"});
    EXPECT_EQ(item.sizeBytes, 0u);
}

TEST(FileDetails, AHiddenEntryIsHiddenOrSystem)
{
    FileItem item;
    item.name = "x.sys";
    item.path = "C:\\x.sys";
    platform::FindEntry entry;
    entry.attributes = platform::kAttrSystem | platform::kAttrReadOnly;
    entry.size = 5000000000ull;
    ApplyFindEntry(item, entry);
    EXPECT_TRUE(item.hiddenOrSystem);
    EXPECT_EQ(item.attributesText, "RS");
    EXPECT_EQ(item.sizeBytes, 5000000000ull) << "sizes past 4 GB are kept whole";
    EXPECT_EQ(item.sizeKB, 4882812);
}

TEST(FileDetails, TheExtensionComesFromTheFileNameNotFromAShownNameWithoutIt)
{
    struct Case {
        const char* path;
        const char* name;
        const char* fileName;
    } const cases[] = {
        {"C:\\Docs\\Report.TXT", "Report", "Report.TXT"},  // the shell hides a known extension
        {"\\\\server\\share\\a.b.log", "a.b", "a.b.log"},
        {"C:\\", "Local Disk (C:)", "Local Disk (C:)"},      // a drive: no file name in the path
        {"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "My Computer", "My Computer"},
    };
    for (const Case& c : cases) {
        FileItem item;
        item.path = c.path;
        item.name = c.name;
        EXPECT_EQ(FileNameOfItem(item), c.fileName) << c.path;
    }

    FileItem item;
    item.path = "C:\\Docs\\Report.TXT";
    item.name = "Report";
    platform::FindEntry entry;
    entry.name = "Report.TXT";
    entry.modified = 1;
    ApplyFindEntry(item, entry);
    EXPECT_EQ(item.extension, "txt");
    EXPECT_EQ(item.name, "Report") << "the shown name stays";
}

TEST(FileDetails, CopyingDetailsLeavesNamesAndPathsAlone)
{
    // Texts too long to be kept inside the string object: replacing them would free them.
    FileItem listed;
    listed.name = "A report of many words";
    listed.path = "C:\\Docs\\A report of many words.txt";
    listed.folderPath = "C:\\Docs";
    listed.extension = "txt";
    const char* const namePointer = listed.name.c_str();
    FileItem read = listed;
    read.name = "other";
    read.path = "other";
    read.folderPath = "other";
    read.extension = "other";
    read.sizeBytes = 5000;
    read.sizeKB = 4;
    read.modified = read.accessed = read.created = 77;
    read.attributes = platform::kAttrHidden;
    read.attributesText = "H";
    read.typeName = "Text Document";
    read.hiddenOrSystem = true;
    read.visible = false;
    read.detailsPending = false;
    CopyDetails(listed, read);
    EXPECT_EQ(listed.name.c_str(), namePointer) << "the name's text is not replaced";
    EXPECT_EQ(listed.name, "A report of many words");
    EXPECT_EQ(listed.path, "C:\\Docs\\A report of many words.txt");
    EXPECT_EQ(listed.folderPath, "C:\\Docs");
    EXPECT_EQ(listed.extension, "txt");
    EXPECT_EQ(listed.sizeBytes, 5000u);
    EXPECT_EQ(listed.sizeKB, 4);
    EXPECT_EQ(listed.created, 77);
    EXPECT_EQ(listed.attributesText, "H");
    EXPECT_EQ(listed.typeName, "Text Document");
    EXPECT_TRUE(listed.hiddenOrSystem);
    EXPECT_FALSE(listed.visible);
    EXPECT_FALSE(listed.detailsPending);
}

TEST(FileDetails, KilobyteCellsHoldSizesOfTerabytesWhole)
{
    struct Case {
        std::int64_t kilobytes;
        const char* text;
    } const cases[] = {
        {0, "0KB"},
        {1, "1KB"},
        {2147483647LL, "2147483647KB"},
        {2147483648LL, "2147483648KB"},  // 2 TB
        {5LL << 30, "5368709120KB"},     // 5 TB
    };
    for (const Case& c : cases) EXPECT_EQ(FormatKilobytes("%dKB", c.kilobytes), c.text) << c.kilobytes;
}

TEST(FileDetails, NamesRoundTripAndAShortArchiveStopsTheLoad)
{
    FileItem stored;
    stored.path = "C:\\Docs\\Plan.DOC";
    stored.name = "Plan.DOC";
    std::vector<std::string> archive;
    StoreItemNames(stored, [&](const std::string& text) { archive.push_back(text); });
    EXPECT_EQ(archive, (std::vector<std::string>{"C:\\Docs\\Plan.DOC", "Plan.DOC"}));

    std::size_t next = 0;
    auto reader = [&](std::string& text) {
        if (next == archive.size()) return false;
        text = archive[next++];
        return true;
    };
    FileItem loaded;
    ASSERT_TRUE(LoadItemNames(loaded, reader));
    EXPECT_EQ(loaded.name, "Plan.DOC");
    EXPECT_EQ(loaded.extension, "doc");
    EXPECT_EQ(loaded.folderPath, "C:\\Docs");

    // A name the code page lost is stored by its short name, shown as listed.
    FileItem lost;
    lost.path = "C:\\Docs\\??.txt";
    lost.name = "??.txt";
    lost.shortName = "__~~~2CT.TXT";
    std::vector<std::string> lostArchive;
    StoreItemNames(lost, [&](const std::string& text) { lostArchive.push_back(text); });
    EXPECT_EQ(lostArchive, (std::vector<std::string>{"C:\\Docs\\__~~~2CT.TXT", "??.txt"}));

    archive.pop_back();
    next = 0;
    FileItem truncated;
    EXPECT_FALSE(LoadItemNames(truncated, reader));
    EXPECT_EQ(truncated.path, "C:\\Docs\\Plan.DOC");
    EXPECT_TRUE(truncated.name.empty());
}

}  // namespace
