#include "core/frame/TreeRules.h"

// Standard library
#include <algorithm>
#include <cctype>

namespace treerules {

namespace {
constexpr int kTopBand = 10;
constexpr int kBottomBand = 20;
constexpr int kSideBand = 20;
// The hover wait: kHoverBase ticks at kHoverReach pixels from the right
// edge, one more for every kHoverStep pixels further left.
constexpr int kHoverBase = 8;
constexpr int kHoverReach = 10;
constexpr int kHoverStep = 20;

constexpr std::uint32_t kDeviceArrival = 0x8000;
constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
constexpr std::uint32_t kVolumeDevice = 2;
constexpr std::uint32_t kMediaFlag = 0x0001;
constexpr int kDriveLetterCount = 26;
}  // namespace

DragScroll DragScrollAt(int x, int y, const Edges& page)
{
    DragScroll scroll;
    if (y < page.top + kTopBand)
        scroll.lines = -1;
    else if (y > page.bottom - kBottomBand)
        scroll.lines = 1;
    if (x < page.left + kSideBand)
        scroll.columns = -1;
    else if (x > page.right - kSideBand)
        scroll.columns = 1;
    return scroll;
}

int HoverTicks(int x, int right)
{
    // The division truncates towards zero, as the integer division does.
    const int ticks = kHoverBase - (x - right + kHoverReach) / kHoverStep;
    return ticks < 1 ? 1 : ticks;
}

bool HoverOpensNow(int tick, int x, int right) { return tick % HoverTicks(x, right) == 0; }

std::string DriveLetters(std::uint32_t unitMask)
{
    std::string letters;
    for (int i = 0; i < kDriveLetterCount; ++i)
        if (unitMask & (std::uint32_t{1} << i)) letters += static_cast<char>('A' + i);
    return letters;
}

DriveChange ChangeOf(std::uint32_t event, std::uint32_t deviceType, std::uint32_t volumeFlags)
{
    if ((event != kDeviceArrival && event != kDeviceRemoveComplete) || deviceType != kVolumeDevice)
        return DriveChange::None;
    return (volumeFlags & kMediaFlag) ? DriveChange::MediaChanged : DriveChange::DrivesChanged;
}

bool TakesPlainFolderIcon(const std::string& parsingPath, bool attributesKnown, std::uint32_t attributes)
{
    if (!attributesKnown || !(attributes & kAttributeDirectory)) return false;
    if (attributes & (kAttributeReadOnly | kAttributeSystem)) return false;
    // "C:\x", or "\\server\share\x": the drives and shares themselves have icons of their own.
    const bool drivePath = parsingPath.size() > 3 && parsingPath[1] == ':' && parsingPath[2] == '\\';
    if (drivePath) return true;
    if (parsingPath.compare(0, 2, "\\\\") != 0) return false;
    const std::size_t server = parsingPath.find('\\', 2);
    const std::size_t share = server == std::string::npos ? server : parsingPath.find('\\', server + 1);
    return share != std::string::npos && share + 1 < parsingPath.size();
}

namespace {

std::string WithoutTrailingSlashes(std::string path)
{
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool SameLetters(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

bool PlaceIsAtOrBelow(const std::string& place, const std::string& folder)
{
    // "C:\" becomes "C:", whose places all start "C:\".
    const std::string base = WithoutTrailingSlashes(folder);
    const std::string at = WithoutTrailingSlashes(place);
    if (base.empty() || at.size() < base.size()) return false;
    if (!std::equal(base.begin(), base.end(), at.begin(), SameLetters)) return false;
    return at.size() == base.size() || at[base.size()] == '\\';
}

}  // namespace treerules
