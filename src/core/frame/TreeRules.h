#pragma once
// The folder tree's rules that need no window: how a drag near the page's
// edges scrolls the tree and when a hovered item opens, which drives a device
// change concerns, and which places an item that goes away takes with it.

// Standard library
#include <cstdint>
#include <string>

namespace treerules {

// --- A drag over the tree ------------------------------------------------------

// The page's edges in screen coordinates.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Which way the tree scrolls on a tick: one line up or down, one column left
// or right (a corner gives both).
struct DragScroll {
    int lines = 0;    // -1 up, +1 down
    int columns = 0;  // -1 left, +1 right
};
// Within 10 pixels of the top, or 20 of the bottom, a line; within 20 of
// either side, a column.
DragScroll DragScrollAt(int x, int y, const Edges& page);

// How many ticks the cursor waits on one item before it opens: 8 near the
// right edge, more the further left it is, never fewer than 1.
int HoverTicks(int x, int right);
// Whether this tick, the counter's value, opens the hovered item.
bool HoverOpensNow(int tick, int x, int right);

// --- Device changes ------------------------------------------------------------

// The drive letters of a unit mask (bit 0 is A), in order, upper case.
std::string DriveLetters(std::uint32_t unitMask);

// What the folder tree does on a device change.
enum class DriveChange {
    None,          // not a volume coming or going
    MediaChanged,  // a disk was put in or taken out: its drive's folders
    DrivesChanged  // drive letters came or went: My Computer lists again
};
// event: the change's code (0x8000 arrival, 0x8004 removal complete); the
// device type of its record (2 a volume) and the volume's flags (bit 0 media).
DriveChange ChangeOf(std::uint32_t event, std::uint32_t deviceType, std::uint32_t volumeFlags);

// --- Icons of listed folders -------------------------------------------------

// File attributes that matter here, as the platform numbers them.
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeSystem = 0x4;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

// Whether a listed item may show the plain folder icon instead of asking
// the shell for its own (slow for thousands of folders): a file-system folder
// below a drive or share, whose attributes the listing gave, and which is not
// marked read-only or system, the marks of a folder with an icon of its own.
bool TakesPlainFolderIcon(const std::string& parsingPath, bool attributesKnown, std::uint32_t attributes);

// --- Items that go away -------------------------------------------------------

// Whether the place ("C:\a\b") is the folder ("C:\a") or lies below it;
// letter case and trailing backslashes do not count, and an empty folder
// holds nothing.
bool PlaceIsAtOrBelow(const std::string& place, const std::string& folder);

}  // namespace treerules
