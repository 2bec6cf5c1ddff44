// Core
#include "core/folders/StatusTexts.h"

// Gtest
#include <gtest/gtest.h>

namespace {

StatusStrings Strings()
{
    return {"Object(s)", "Selected", "%.0f bytes", "%.1fKB", "%.1fMB", "0 bytes", "(Disk free space: "};
}

// Rows with the sizes given; the selected ones are marked by index.
struct Folder {
    std::vector<double> sizes;
    std::vector<StatusRow> rows;
    std::vector<std::size_t> asked;

    FolderStatus Status(std::initializer_list<std::size_t> selected, const std::string& freeSpace = "")
    {
        StatusInput input;
        input.freeSpace = freeSpace;
        for (double size : sizes) input.totalSize += size;
        rows.assign(sizes.size(), StatusRow{false, true});
        for (std::size_t i : selected) rows[i].selected = true;
        input.rows = rows;
        asked.clear();
        return MakeFolderStatus(input, Strings(), [this](std::size_t row) {
            asked.push_back(row);
            return sizes[row];
        });
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
    Folder folder{{100, 200, 300}};
    FolderStatus status = folder.Status({}, "12.0MB");
    EXPECT_EQ(status.countText, "3 Object(s)");
    EXPECT_EQ(status.sizeText, "600 bytes (Disk free space: 12.0MB)");
    EXPECT_TRUE(folder.asked.empty()) << "the view's total is used";
    status = folder.Status({0, 1, 2}, "12.0MB");
    EXPECT_EQ(status.countText, "3 Object(s)");
    EXPECT_EQ(status.sizeText, "600 bytes");
}

TEST(StatusTexts, FewSelectedAreAddedManySelectedAreSubtracted)
{
    Folder folder{{1000, 2000, 4000, 8000, 16000}};
    FolderStatus status = folder.Status({1, 3});
    EXPECT_EQ(status.countText, "2 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "9.8KB");
    EXPECT_EQ(folder.asked, (std::vector<std::size_t>{1, 3}));

    status = folder.Status({0, 1, 2, 4});
    EXPECT_EQ(status.countText, "4 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "22.5KB");
    EXPECT_EQ(folder.asked, (std::vector<std::size_t>{3})) << "only the unselected row is measured";
}

TEST(StatusTexts, AZeroSizeShowsZeroBytesOnlyForASummedFile)
{
    Folder files{{0, 0, 0, 10}};
    EXPECT_EQ(files.Status({0}).sizeText, "0 bytes");

    StatusInput input;
    input.rows = {{true, false}, {false, false}, {false, true}, {false, true}};
    input.totalSize = 10;
    const FolderStatus status = MakeFolderStatus(input, Strings(), [](std::size_t) { return 0.0; });
    EXPECT_EQ(status.sizeText, "") << "a selected folder alone shows no size";

    StatusInput empty;
    EXPECT_EQ(MakeFolderStatus(empty, Strings(), [](std::size_t) { return 0.0; }).sizeText, "");
}

TEST(StatusTexts, WhileReadingOnlyTheCountIsShown)
{
    StatusInput input;
    input.reading = true;
    input.totalSize = 500;
    input.rows.resize(7);
    input.rows[0].selected = true;
    input.freeSpace = "1.0MB";
    const FolderStatus status = MakeFolderStatus(input, Strings(), [](std::size_t) { return 1.0; });
    EXPECT_EQ(status.countText, "7 Object(s)");
    EXPECT_EQ(status.sizeText, "");
}

}  // namespace
