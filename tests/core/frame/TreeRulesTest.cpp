// The folder tree's drag scrolling, hover wait and device-change rules.

// Core
#include "core/frame/TreeRules.h"

// Gtest
#include <gtest/gtest.h>

namespace {

using namespace treerules;

TEST(TreeRules, ADragNearAnEdgeScrollsTowardsIt)
{
    const Edges page{100, 200, 300, 600};
    const struct {
        int x, y, lines, columns;
    } cases[] = {
        {200, 400, 0, 0},    // the middle
        {200, 209, -1, 0},   // within 10 of the top
        {200, 210, 0, 0},    // just outside it
        {200, 581, 1, 0},    // within 20 of the bottom
        {200, 580, 0, 0},
        {119, 400, 0, -1},   // within 20 of the left
        {281, 400, 0, 1},    // within 20 of the right
        {280, 400, 0, 0},
        {105, 205, -1, -1},  // a corner scrolls both ways
    };
    for (const auto& c : cases) {
        const DragScroll scroll = DragScrollAt(c.x, c.y, page);
        EXPECT_EQ(scroll.lines, c.lines) << c.x << "," << c.y;
        EXPECT_EQ(scroll.columns, c.columns) << c.x << "," << c.y;
    }
}

TEST(TreeRules, TheHoverWaitGrowsAwayFromTheRightEdgeAndNeverFallsBelowOne)
{
    const int right = 300;
    const struct {
        int x, ticks;
    } cases[] = {
        {290, 8},   // (290 - 300 + 10) / 20 = 0
        {271, 8},   // -19 / 20 truncates to 0
        {270, 9},   // -20 / 20
        {100, 17},  // -190 / 20 = -9
        {500, 1},   // right of the edge: 8 - 10 would be below one
        {410, 2},   // 120 / 20 = 6
    };
    for (const auto& c : cases) EXPECT_EQ(HoverTicks(c.x, right), c.ticks) << c.x;
    // Every ninth tick at 270; never on the ticks between.
    EXPECT_TRUE(HoverOpensNow(9, 270, right));
    EXPECT_TRUE(HoverOpensNow(18, 270, right));
    EXPECT_FALSE(HoverOpensNow(8, 270, right));
    EXPECT_TRUE(HoverOpensNow(5, 500, right));
}

TEST(TreeRules, DeviceChangesOfVolumesTellMediaFromDriveLetters)
{
    const struct {
        std::uint32_t event, type, flags;
        DriveChange change;
    } cases[] = {
        {0x8000, 2, 0, DriveChange::DrivesChanged},
        {0x8004, 2, 0, DriveChange::DrivesChanged},
        {0x8000, 2, 1, DriveChange::MediaChanged},
        {0x8004, 2, 1, DriveChange::MediaChanged},
        {0x8000, 3, 0, DriveChange::None},       // a port, not a volume
        {0x8001, 2, 0, DriveChange::None},       // a query, nothing changed yet
        {0x0007, 0, 0, DriveChange::None},       // the devices changed, unnamed
    };
    for (const auto& c : cases) EXPECT_EQ(ChangeOf(c.event, c.type, c.flags), c.change) << std::hex << c.event;
    EXPECT_EQ(DriveLetters(0), "");
    EXPECT_EQ(DriveLetters(0x1), "A");
    EXPECT_EQ(DriveLetters(0x14), "CE");
    EXPECT_EQ(DriveLetters(0x2000000), "Z");
    // Bits above Z name no drive.
    EXPECT_EQ(DriveLetters(0xFC000000u | 0x8), "D");
}

}  // namespace

namespace {

TEST(TreeRules, OnlyPlainFileSystemFoldersTakeThePlainFolderIcon)
{
    using treerules::TakesPlainFolderIcon;
    constexpr std::uint32_t folder = treerules::kAttributeDirectory;
    const struct {
        const char* path;
        bool known;
        std::uint32_t attributes;
        bool plain;
    } cases[] = {
        {"C:\\Data", true, folder, true},
        {"C:\\Data\\Deep", true, folder | 0x20 | 0x400, true},  // archive, junction: still plain
        {"C:\\Data", false, folder, false},                     // the listing gave no attributes
        {"C:\\Data", true, folder | treerules::kAttributeReadOnly, false},  // marked: an icon of its own
        {"C:\\Data", true, folder | treerules::kAttributeSystem, false},
        {"C:\\Data.zip", true, 0x20, false},                    // a file the shell lists as a folder
        {"C:\\", true, folder, false},                          // a drive
        {"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", true, folder, false},
        {"\\\\server\\share", true, folder, false},             // a share
        {"\\\\server\\share\\", true, folder, false},
        {"\\\\server", true, folder, false},
        {"\\\\server\\share\\Data", true, folder, true},
    };
    for (const auto& c : cases) EXPECT_EQ(TakesPlainFolderIcon(c.path, c.known, c.attributes), c.plain) << c.path;
}

TEST(TreeRules, AFolderThatGoesTakesItselfAndWhatLiesBelowIt)
{
    using treerules::PlaceIsAtOrBelow;
    const struct {
        const char* place;
        const char* folder;
        bool taken;
    } cases[] = {
        {"C:\\Data", "C:\\Data", true},
        {"c:\\data\\", "C:\\DATA", true},          // case and a trailing backslash
        {"C:\\Data\\Sub\\Deep", "C:\\Data", true},
        {"C:\\Data\\Sub", "C:\\Data\\", true},
        {"C:\\Database", "C:\\Data", false},         // a sibling that only starts alike
        {"C:\\Dat", "C:\\Data", false},
        {"C:\\Other", "C:\\Data", false},
        {"Q:\\", "Q:\\", true},                      // a drive that went takes its folders
        {"Q:\\Sub", "Q:\\", true},
        {"QR:\\Sub", "Q:", false},
        {"\\\\server\\share\\x", "\\\\server", true},
        {"C:\\Data", "", false},                      // a virtual item names no folder
        {"", "C:\\Data", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceIsAtOrBelow(c.place, c.folder), c.taken) << c.place << " in " << c.folder;
}

}  // namespace

