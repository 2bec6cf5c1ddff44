#include "core/dialogs/ProgressTexts.h"

// Standard library
#include <cstdio>

namespace {

constexpr char kEllipsis[] = "...";
constexpr std::size_t kCounterChars = 32;

// The path without `removed` characters of its middle.
std::string Elided(const std::string& path, std::size_t removed)
{
    const std::size_t kept = path.size() - removed;
    const std::size_t head = (kept + 1) / 2;
    return path.substr(0, head) + kEllipsis + path.substr(path.size() - (kept - head));
}

}  // namespace

std::string CounterText(const std::string& label, long count)
{
    char number[kCounterChars] = "";
    std::snprintf(number, sizeof(number), "%ld", count);
    return label + " " + number;
}

std::string ShortenPathMiddle(const std::string& path, const std::function<bool(const std::string&)>& fits)
{
    if (fits(path)) return path;
    // The fewest characters taken out that make it fit: a binary search, as
    // the measure may cost a call to the display each time.
    std::size_t low = 1, high = path.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (fits(Elided(path, middle))) high = middle;
        else low = middle + 1;
    }
    if (low >= path.size()) return kEllipsis;
    return Elided(path, low);
}
