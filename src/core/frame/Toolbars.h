#pragma once
// The rules of the toolbars that need no window: button labels taken from
// command prompts, when labels show, the drive buttons' images and order, the
// room a flat bar's edges take, and how docked bars share an edge of the frame.

// Standard library
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A button's label: the last line of its command's prompt ("Opens a folder\nOpen"
// gives "Open").
std::string ButtonLabel(const std::string& prompt);

// Screens narrower than this start a new profile without labels.
inline constexpr int kNarrowScreenWidth = 750;

struct TextLabelChoice {
    bool labels = false;
    // Setting 37 is to be stored as 0 (the narrow-screen rule fired).
    bool clearSetting = false;
};
// Labels show when setting 37 is 1 or `force` is set; but the frame created for
// the first time on a screen narrower than 750 pixels starts without them.
TextLabelChoice ChooseTextLabels(int setting37, bool force, bool firstCreation, int screenWidth);

// The drive strip's images, by kind of drive.
inline constexpr int kDriveImageFloppy = 0;
inline constexpr int kDriveImageFixed = 1;
inline constexpr int kDriveImageCdRom = 2;
inline constexpr int kDriveImageRamDisk = 3;
inline constexpr int kDriveImageRemote = 4;
inline constexpr int kDriveImageRemovable = 5;
inline constexpr int kNoDriveImage = -1;

// The image of a drive from its letter and the system's drive type (0 unknown,
// 1 no root, 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk): "a" and "b"
// are diskettes; a drive of unknown type or without a root gets none.
int DriveImageFor(char letter, unsigned driveType);
// The letter in lower case; 0 for anything but a letter.
char DriveLetterKey(char letter);
// Where a drive's button goes among buttons carrying their letters in order:
// before the first greater letter, else at the end.
std::size_t DriveInsertPosition(const std::vector<std::uint32_t>& buttonLetters, char letter);

// Sides of the frame a bar docks at (the framework's order).
enum class BarSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };
inline bool IsVerticalSide(BarSide side) { return side == BarSide::Left || side == BarSide::Right; }

// The edges a flat toolbar draws around its buttons: the gripper and the
// etched edge when docked, a thin border when floating.
struct BarEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
BarEdges FlatBarEdges(BarSide side, bool floating);

// One docked bar as the edge's layout sees it: its length along the edge and
// its thickness across it. A stretching bar (the explorer bar) takes a row of
// its own, as long as the edge.
struct DockRequest {
    int length = 0;
    int thickness = 0;
    bool stretch = false;
};
// Where a bar lands: `offset` along the edge, `depth` from the edge inwards.
struct DockPlace {
    int offset = 0;
    int depth = 0;
    int length = 0;
    int thickness = 0;
};
// Lays the bars of one edge out in rows, in order: a bar goes on the current
// row while it fits in `edgeLength` (a row always takes its first bar), else
// it starts the next row inwards. `depthUsed` is the thickness of all rows.
std::vector<DockPlace> PackDockRows(const std::vector<DockRequest>& bars, int edgeLength, int& depthUsed);

// A toolbar's button layout as the resource stores it: little-endian 16-bit
// words version (1), image width, image height, count, then `count` commands,
// 0 for a separator.
struct ToolbarLayout {
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<unsigned> commands;
};
// None when the data is shorter than its count says or of another version.
std::optional<ToolbarLayout> ParseToolbarLayout(const unsigned char* data, std::size_t size);
