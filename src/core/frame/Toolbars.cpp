#include "core/frame/Toolbars.h"

// Standard library
#include <algorithm>

namespace {

// The system's drive types.
constexpr unsigned kDriveRemovable = 2;
constexpr unsigned kDriveFixed = 3;
constexpr unsigned kDriveRemote = 4;
constexpr unsigned kDriveCdRom = 5;
constexpr unsigned kDriveRamDisk = 6;

// The gripper's width and the etched edge around a docked flat bar.
constexpr int kGripperRoom = 10;
constexpr int kEdge = 2;
// A docked bar gets this much more along its length beyond the edge and gripper.
constexpr int kHorizontalExtra = 4;
constexpr int kVerticalExtra = 6;

}  // namespace

std::string ButtonLabel(const std::string& prompt)
{
    const std::size_t lastBreak = prompt.rfind('\n');
    return lastBreak == std::string::npos ? prompt : prompt.substr(lastBreak + 1);
}

TextLabelChoice ChooseTextLabels(int setting37, bool force, bool firstCreation, int screenWidth)
{
    TextLabelChoice choice;
    choice.labels = setting37 == 1 || force;
    if (firstCreation && screenWidth < kNarrowScreenWidth) {
        choice.labels = false;
        choice.clearSetting = true;
    }
    return choice;
}

int DriveImageFor(char letter, unsigned driveType)
{
    const char key = DriveLetterKey(letter);
    if (!key) return kNoDriveImage;
    switch (driveType) {
    case kDriveRemovable: return key == 'a' || key == 'b' ? kDriveImageFloppy : kDriveImageRemovable;
    case kDriveFixed: return kDriveImageFixed;
    case kDriveRemote: return kDriveImageRemote;
    case kDriveCdRom: return kDriveImageCdRom;
    case kDriveRamDisk: return kDriveImageRamDisk;
    default: return kNoDriveImage;
    }
}

char DriveLetterKey(char letter)
{
    if (letter >= 'A' && letter <= 'Z') return static_cast<char>(letter - 'A' + 'a');
    return letter >= 'a' && letter <= 'z' ? letter : '\0';
}

std::size_t DriveInsertPosition(const std::vector<std::uint32_t>& buttonLetters, char letter)
{
    const auto key = static_cast<std::uint32_t>(static_cast<unsigned char>(DriveLetterKey(letter)));
    const auto greater = std::find_if(buttonLetters.begin(), buttonLetters.end(),
                                      [key](std::uint32_t data) { return data > key; });
    return static_cast<std::size_t>(greater - buttonLetters.begin());
}

BarEdges FlatBarEdges(BarSide side, bool floating)
{
    if (floating) return {kEdge, kEdge, kEdge, kEdge};
    if (IsVerticalSide(side))
        return {kEdge, kGripperRoom + kVerticalExtra, kEdge, kEdge + kVerticalExtra};
    return {kGripperRoom + kHorizontalExtra, kEdge, kEdge + kHorizontalExtra, kEdge};
}

std::vector<DockPlace> PackDockRows(const std::vector<DockRequest>& bars, int edgeLength, int& depthUsed)
{
    std::vector<DockPlace> places;
    places.reserve(bars.size());
    int rowDepth = 0;
    int rowThickness = 0;
    int offset = 0;
    bool rowEmpty = true;
    for (const DockRequest& bar : bars) {
        const int length = bar.stretch ? edgeLength : std::max(0, bar.length);
        if (!rowEmpty && (bar.stretch || offset + length > edgeLength)) {
            rowDepth += rowThickness;
            rowThickness = 0;
            offset = 0;
            rowEmpty = true;
        }
        places.push_back({offset, rowDepth, length, std::max(0, bar.thickness)});
        offset += length;
        rowThickness = std::max(rowThickness, std::max(0, bar.thickness));
        rowEmpty = false;
        // A stretching bar fills its row.
        if (bar.stretch) offset = edgeLength + 1;
    }
    depthUsed = rowDepth + rowThickness;
    return places;
}

std::optional<ToolbarLayout> ParseToolbarLayout(const unsigned char* data, std::size_t size)
{
    constexpr unsigned kVersion = 1;
    constexpr std::size_t kHeaderWords = 4;
    const auto word = [data](std::size_t index) {
        return static_cast<unsigned>(data[2 * index]) | static_cast<unsigned>(data[2 * index + 1]) << 8;
    };
    if (!data || size < 2 * kHeaderWords || word(0) != kVersion) return std::nullopt;
    const std::size_t count = word(3);
    if (size < 2 * (kHeaderWords + count)) return std::nullopt;
    ToolbarLayout layout;
    layout.imageWidth = static_cast<int>(word(1));
    layout.imageHeight = static_cast<int>(word(2));
    for (std::size_t i = 0; i < count; ++i) layout.commands.push_back(word(kHeaderWords + i));
    return layout;
}
