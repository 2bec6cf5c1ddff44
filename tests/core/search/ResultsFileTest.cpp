// The results file of a personal folder: its counted strings in their three
// length forms, damaged files, the replacing save, and random and mutated
// files read under the sanitizers.

// Core
#include "core/search/ResultsFile.h"

// Platform
#include "platform/FileSystem.h"

// Tests
#include "core/app/TempFolder.h"

// Standard library
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

FileItem Record(const std::string& path)
{
    FileItem item;
    item.path = path;
    item.name = path.substr(path.find_last_of('\\') + 1);
    return item;
}

std::vector<FileItem> ReadAll(const std::string& bytes, bool* damaged = nullptr)
{
    ResultsReader reader(bytes);
    std::vector<FileItem> items;
    FileItem item;
    while (reader.Next(item)) items.push_back(item);
    if (damaged) *damaged = reader.Damaged();
    return items;
}

std::string Encode(const std::vector<FileItem>& items)
{
    ResultsWriter writer;
    for (const FileItem& item : items) writer.Add(item);
    return writer.Bytes();
}

std::string LE(std::uint32_t value, int width)
{
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

TEST(ResultsFile, CountedStringsTakeTheirThreeLengthForms)
{
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, LE(0, 1)},
        {254, LE(254, 1)},
        {255, "\xFF" + LE(255, 2)},
        {65533, "\xFF" + LE(65533, 2)},
        {65534, "\xFF" + LE(0xFFFF, 2) + LE(65534, 4)},
        {70000, "\xFF" + LE(0xFFFF, 2) + LE(70000, 4)},
    };
    for (const Case& c : cases) {
        std::string bytes;
        AppendCountedString(bytes, std::string(c.length, 'a'));
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
    }
}

TEST(ResultsFile, LongPathsComeBackWithTheirDerivedFields)
{
    std::vector<FileItem> items;
    for (std::size_t length : {254u, 255u, 65533u, 65534u, 70000u}) {
        const std::string name = "f" + std::to_string(length) + ".TXT";
        items.push_back(Record("C:\\" + std::string(length - 4 - name.size(), 'd') + "\\" + name));
        ASSERT_EQ(items.back().path.size(), length);
    }
    items.push_back(Record("C:\\boot.ini"));
    const std::vector<FileItem> read = ReadAll(Encode(items));
    ASSERT_EQ(read.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(read[i].path, items[i].path) << i;
        EXPECT_EQ(read[i].name, items[i].name) << i;
    }
    EXPECT_EQ(read[0].path.size(), 254u);
    EXPECT_EQ(read[4].path.size(), 70000u);
    EXPECT_EQ(read[0].extension, "txt");
    EXPECT_EQ(read.back().folderPath, "C:\\");  // a drive root keeps its backslash
    EXPECT_EQ(read.back().extension, "ini");
}

TEST(ResultsFile, DamageStopsTheReadingAndKeepsWhatCameBefore)
{
    const std::string good = Encode({Record("C:\\a.txt"), Record("C:\\dir\\b.doc")});
    const std::string records = good.substr(4);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t kept;
        bool damaged;
    };
    const Case cases[] = {
        {"empty file", "", 0, false},
        {"count cut short", LE(2, 3), 0, true},
        {"count above the records", LE(5, 4) + records, 2, true},
        {"length past the end", good.substr(0, good.size() - 3), 1, true},
        {"4-byte length of gigabytes", LE(2, 4) + records.substr(0, 15) + "\xFF" + LE(0xFFFF, 2) + LE(0xC0000000, 4),
         1, true},
        {"garbage after the count", LE(3, 4) + std::string("\x05\x01\x02\x03\x04\x05\x03\x00\x00\x00", 10), 0, true},
        {"records beyond the count are ignored", LE(1, 4) + records, 1, false},
    };
    for (const Case& c : cases) {
        bool damaged = false;
        const std::vector<FileItem> read = ReadAll(c.bytes, &damaged);
        EXPECT_EQ(read.size(), c.kept) << c.what;
        EXPECT_EQ(damaged, c.damaged) << c.what;
        if (!read.empty()) {
            EXPECT_EQ(read[0].path, "C:\\a.txt") << c.what;
        }
    }
    EXPECT_LE(ResultsReader(LE(0xFFFFFFFF, 4) + "ab").PossibleCount(), 1u);
}

class ResultsFileOnDisk : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder.Name() + "\\" + name; }
    TempFolder m_folder;
};

TEST_F(ResultsFileOnDisk, ASaveReplacesTheFileAndLeavesNothingBeside)
{
    const std::string path = Path("Per12345.fld");
    ASSERT_TRUE(SaveResultsFile(path, Encode({Record("C:\\one.txt")})));
    ASSERT_TRUE(SaveResultsFile(path, Encode({Record("C:\\two.txt"), Record("C:\\three.txt")})));
    const std::optional<std::string> bytes = ReadResultsFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(ReadAll(*bytes).size(), 2u);
    EXPECT_FALSE(platform::PathExists(ResultsTempPath(path)));
    EXPECT_FALSE(platform::PathExists(ResultsBackupPath(path)));
    EXPECT_FALSE(ReadResultsFile(Path("Per99999.fld")));
}

TEST_F(ResultsFileOnDisk, AFailedWriteKeepsTheOldFile)
{
    const std::string path = Path("Per12345.fld");
    const std::string old = Encode({Record("C:\\one.txt")});
    ASSERT_TRUE(SaveResultsFile(path, old));
    // Something else holds the temporary file's name: the write cannot happen.
    ASSERT_TRUE(platform::MakeDirectory(ResultsTempPath(path)));
    EXPECT_FALSE(SaveResultsFile(path, Encode({Record("C:\\two.txt")})));
    EXPECT_EQ(ReadResultsFile(path).value_or(""), old);
}

TEST_F(ResultsFileOnDisk, ASaveCutShortBeforeTheNewFileWasInPlaceReadsTheOldOne)
{
    const std::string path = Path("Per12345.fld");
    const std::string old = Encode({Record("C:\\one.txt")});
    // The state a crash leaves between the two renames.
    ASSERT_TRUE(platform::WriteWholeFile(ResultsBackupPath(path), old));
    ASSERT_TRUE(platform::WriteWholeFile(ResultsTempPath(path), "\x01\x00"));
    EXPECT_EQ(ReadResultsFile(path).value_or(""), old);
    EXPECT_TRUE(platform::PathExists(path));
    ASSERT_TRUE(SaveResultsFile(path, Encode({Record("C:\\two.txt")})));
    EXPECT_FALSE(platform::PathExists(ResultsTempPath(path)));
}

// What every read must keep to, whatever the bytes: it ends, it takes no
// more than the file holds, and what it gives reads back the same.
void ExpectSoundRead(const std::string& bytes, unsigned seed)
{
    ResultsReader reader(bytes);
    std::vector<FileItem> items;
    std::size_t textBytes = 0;
    FileItem item;
    while (reader.Next(item)) {
        textBytes += item.path.size() + item.name.size();
        items.push_back(item);
        ASSERT_LE(items.size(), bytes.size()) << seed;
    }
    EXPECT_LE(items.size(), reader.DeclaredCount()) << seed;
    EXPECT_LE(textBytes, bytes.size()) << seed;
    const std::vector<FileItem> again = ReadAll(Encode(items));
    ASSERT_EQ(again.size(), items.size()) << seed;
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(again[i].path, items[i].path) << seed;
}

TEST(ResultsFileFuzz, RandomAndMutatedFilesReadSoundly)
{
    std::mt19937 random(20261207);
    std::vector<FileItem> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(Record("C:\\folder" + std::to_string(i % 7) + "\\" + std::string(i * 13 % 120 + 1, 'n') +
                                 ".txt"));
    const std::string valid = Encode(records);
    for (unsigned round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 3 == 0) {
            bytes.resize(random() % 600);
            for (char& c : bytes) c = static_cast<char>(random());
        } else {
            bytes = valid;
            const unsigned mutations = 1 + random() % 8;
            for (unsigned m = 0; m < mutations; ++m) {
                const std::size_t at = random() % bytes.size();
                switch (random() % 4) {
                case 0: bytes[at] = static_cast<char>(random()); break;
                case 1: bytes[at] = '\xFF'; break;
                case 2: bytes.erase(at, random() % 40); break;
                default: bytes.insert(at, std::string(random() % 8, static_cast<char>(random()))); break;
                }
                if (bytes.empty()) break;
            }
            if (round % 5 == 0) bytes.resize(bytes.size() / 2);
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSoundRead(bytes, round));
    }
}

}  // namespace
