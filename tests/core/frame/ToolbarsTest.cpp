// Core
#include "core/frame/Toolbars.h"

// Standard library
#include <tuple>

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(Toolbars, TheLabelIsTheLastLineOfThePrompt)
{
    for (auto [prompt, label] : {std::pair{"Opens a folder\nOpen", "Open"}, {"Goes back\nBack", "Back"},
                                 {"a\nb\nc", "c"}, {"No second line", "No second line"}, {"Ends\n", ""}, {"", ""}})
        EXPECT_EQ(ButtonLabel(prompt), label) << prompt;
}

TEST(Toolbars, LabelsFollowTheSettingUnlessANewProfileMeetsANarrowScreen)
{
    struct Row {
        int setting;
        bool force, first;
        int width;
        bool labels, clear;
    };
    const Row rows[] = {
        {1, false, false, 1024, true, false}, {0, false, false, 1024, false, false},
        {0, true, false, 640, true, false},   {1, false, false, 640, true, false},
        {1, false, true, 749, false, true},   {1, true, true, 640, false, true},
        {1, false, true, 750, true, false},   {2, false, false, 1024, false, false},
    };
    for (const Row& row : rows) {
        const TextLabelChoice choice = ChooseTextLabels(row.setting, row.force, row.first, row.width);
        EXPECT_EQ(std::tuple(choice.labels, choice.clearSetting), std::tuple(row.labels, row.clear))
            << row.setting << " " << row.force << " " << row.first << " " << row.width;
    }
}

TEST(Toolbars, DriveImagesGoByTypeAndDisketteLetters)
{
    for (auto [letter, type, image] :
         {std::tuple{'a', 2u, kDriveImageFloppy}, {'B', 2u, kDriveImageFloppy}, {'e', 2u, kDriveImageRemovable},
          {'c', 3u, kDriveImageFixed}, {'d', 5u, kDriveImageCdRom}, {'r', 6u, kDriveImageRamDisk},
          {'n', 4u, kDriveImageRemote}, {'x', 0u, kNoDriveImage}, {'y', 1u, kNoDriveImage},
          {'1', 3u, kNoDriveImage}, {'z', 7u, kNoDriveImage}})
        EXPECT_EQ(DriveImageFor(letter, type), image) << letter << " " << type;
}

TEST(Toolbars, ADriveButtonGoesBeforeTheFirstGreaterLetter)
{
    const std::vector<std::uint32_t> letters = {'a', 'c', 'd', 'f'};
    EXPECT_EQ(DriveInsertPosition(letters, 'e'), 3u);
    EXPECT_EQ(DriveInsertPosition(letters, 'E'), 3u);
    EXPECT_EQ(DriveInsertPosition(letters, 'b'), 1u);
    EXPECT_EQ(DriveInsertPosition(letters, 'z'), 4u);
    EXPECT_EQ(DriveInsertPosition({}, 'c'), 0u);
    EXPECT_EQ(DriveLetterKey('Q'), 'q');
    EXPECT_EQ(DriveLetterKey('?'), '\0');
}

TEST(Toolbars, FlatEdgesLeaveRoomForTheGripperOnTheDockedSide)
{
    const BarEdges top = FlatBarEdges(BarSide::Top, false);
    const BarEdges left = FlatBarEdges(BarSide::Left, false);
    const BarEdges floating = FlatBarEdges(BarSide::Left, true);
    // Horizontal bars carry the gripper at their left end, vertical ones at their top.
    EXPECT_GT(top.left, top.top);
    EXPECT_EQ(top.right - top.bottom, 4);
    EXPECT_GT(left.top, left.left);
    EXPECT_EQ(left.bottom - left.right, 6);
    EXPECT_EQ(std::tuple(floating.left, floating.top), std::tuple(floating.right, floating.bottom));
    EXPECT_LT(floating.left, top.left);
}

TEST(Toolbars, DockedBarsShareRowsAndStretchingBarsTakeTheirOwn)
{
    int depth = 0;
    // Two bars fit side by side in 500 pixels; the third wraps to a second row.
    std::vector<DockPlace> places = PackDockRows({{200, 30, false}, {250, 26, false}, {100, 40, false}}, 500, depth);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(std::tuple(places[0].offset, places[0].depth), std::tuple(0, 0));
    EXPECT_EQ(std::tuple(places[1].offset, places[1].depth, places[1].thickness), std::tuple(200, 0, 26));
    EXPECT_EQ(std::tuple(places[2].offset, places[2].depth), std::tuple(0, 30));
    EXPECT_EQ(depth, 70);

    // A bar longer than the edge still gets a row; a stretching one spans the edge alone.
    places = PackDockRows({{50, 20, false}, {180, 200, true}, {900, 24, false}, {10, 24, false}}, 300, depth);
    ASSERT_EQ(places.size(), 4u);
    EXPECT_EQ(std::tuple(places[1].offset, places[1].depth, places[1].length), std::tuple(0, 20, 300));
    EXPECT_EQ(std::tuple(places[2].offset, places[2].depth, places[2].length), std::tuple(0, 220, 900));
    EXPECT_EQ(std::tuple(places[3].offset, places[3].depth), std::tuple(0, 244));
    EXPECT_EQ(depth, 268);

    EXPECT_TRUE(PackDockRows({}, 300, depth).empty());
    EXPECT_EQ(depth, 0);
}

TEST(Toolbars, ALayoutIsReadOnlyAsFarAsItsData)
{
    const unsigned char layout[] = {1, 0, 16, 0, 15, 0, 3, 0, 0x2B, 0x81, 0, 0, 0xD0, 0x80};
    const std::optional<ToolbarLayout> read = ParseToolbarLayout(layout, sizeof(layout));
    ASSERT_TRUE(read);
    EXPECT_EQ(std::tuple(read->imageWidth, read->imageHeight), std::tuple(16, 15));
    EXPECT_EQ(read->commands, (std::vector<unsigned>{33067, 0, 32976}));
    // A count beyond the data, a cut header or another version is no layout.
    EXPECT_FALSE(ParseToolbarLayout(layout, sizeof(layout) - 1));
    EXPECT_FALSE(ParseToolbarLayout(layout, 6));
    const unsigned char version2[] = {2, 0, 16, 0, 16, 0, 0, 0};
    EXPECT_FALSE(ParseToolbarLayout(version2, sizeof(version2)));
    EXPECT_FALSE(ParseToolbarLayout(nullptr, 0));
}

}  // namespace
