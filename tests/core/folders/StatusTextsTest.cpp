// Core
#include "core/folders/StatusTexts.h"

// Gtest
#include <gtest/gtest.h>

namespace {

StatusStrings Strings()
{
    return {"Object(s)", "Selected", "%.0f bytes", "%.1fKB", "%.1fMB", "0 bytes", "(Disk free space: "};
}

// Rows with the sizes given (plain files unless said); the selected ones are
// marked by index, selected one by one as a user's clicks do.
struct Folder {
    std::vector<double> sizes;
    std::vector<bool> files = std::vector<bool>(sizes.size(), true);

    FolderStatus Status(std::initializer_list<std::size_t> selected, const std::string& freeSpace = "") const
    {
        StatusInput input;
        input.freeSpace = freeSpace;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            input.totalSize += sizes[i];
            input.sums.AddRow(sizes[i], files[i], false);
        }
        for (std::size_t i : selected) input.sums.Select(sizes[i], files[i], true);
        return MakeFolderStatus(input, Strings());
    }
};

TEST(StatusTexts, SizesAreShownInBytesKilobytesOrMegabytes)
{
    const struct {
        double size;
        const char* text;
    } cases[] = {
        {0, "0 bytes"},        {1023, "1023 bytes"},       {1024, "1.0KB"},
        {1536, "1.5KB"},       {1048575, "1024.0KB"},      {1048576, "1.0MB"},
        {5368709120.0, "5120.0MB"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatStatusSize(c.size, Strings()), c.text) << c.size;
}

TEST(StatusTexts, NothingOrEverythingSelectedCountsAllAndOnlyNothingShowsTheFreeSpace)
{
    const Folder folder{{100, 200, 300}};
    FolderStatus status = folder.Status({}, "12.0MB");
    EXPECT_EQ(status.countText, "3 Object(s)");
    EXPECT_EQ(status.sizeText, "600 bytes (Disk free space: 12.0MB)");
    status = folder.Status({0, 1, 2}, "12.0MB");
    EXPECT_EQ(status.countText, "3 Object(s)");
    EXPECT_EQ(status.sizeText, "600 bytes");
}

TEST(StatusTexts, FewSelectedAreAddedManySelectedAreTheTotalLessTheOthers)
{
    const Folder folder{{1000, 2000, 4000, 8000, 16000}};
    FolderStatus status = folder.Status({1, 3});
    EXPECT_EQ(status.countText, "2 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "9.8KB");

    status = folder.Status({0, 1, 2, 4});
    EXPECT_EQ(status.countText, "4 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "22.5KB");

    // The total may hold what has no row (hidden files): many selected keep it.
    StatusInput input;
    input.totalSize = 10000;
    for (double size : {1000.0, 2000.0, 3000.0}) input.sums.AddRow(size, true, true);
    input.sums.AddRow(500, true, false);
    EXPECT_EQ(MakeFolderStatus(input, Strings()).sizeText, "9.3KB") << "10000 less the 500 not selected";
}

TEST(StatusTexts, RunningSumsFollowSelectionsAndRowsThatGo)
{
    SelectionSums sums;
    sums.AddRow(100, true, false);
    sums.AddRow(200, false, true);
    sums.AddRow(400, true, true);
    EXPECT_EQ(sums.count, 3u);
    EXPECT_EQ(sums.selected, 2u);
    EXPECT_EQ(sums.selectedSize, 600.0);
    EXPECT_EQ(sums.selectedFiles, 1u);
    sums.Select(400, true, false);
    sums.Select(100, true, true);
    EXPECT_EQ(sums.selectedSize, 300.0);
    EXPECT_EQ(sums.selectedFiles, 1u);
    sums.RemoveRow(200, false, true);
    EXPECT_EQ(sums.count, 2u);
    EXPECT_EQ(sums.rowsSize, 500.0);
    EXPECT_EQ(sums.selected, 1u);
    EXPECT_EQ(sums.selectedSize, 100.0);
}

TEST(StatusTexts, AZeroSizeShowsZeroBytesOnlyForASummedFile)
{
    const Folder files{{0, 0, 0, 10}};
    EXPECT_EQ(files.Status({0}).sizeText, "0 bytes");

    const Folder folders{{0, 0, 0, 10}, {false, false, true, true}};
    EXPECT_EQ(folders.Status({0}).sizeText, "") << "a selected folder alone shows no size";
    EXPECT_EQ(MakeFolderStatus(StatusInput(), Strings()).sizeText, "");
}

TEST(StatusTexts, WhileReadingOnlyTheCountIsShown)
{
    StatusInput input;
    input.reading = true;
    input.totalSize = 500;
    for (int i = 0; i < 7; ++i) input.sums.AddRow(1, true, i == 0);
    input.freeSpace = "1.0MB";
    const FolderStatus status = MakeFolderStatus(input, Strings());
    EXPECT_EQ(status.countText, "7 Object(s)");
    EXPECT_EQ(status.sizeText, "");
}

}  // namespace
