#include "core/folders/ActionPath.h"

// Standard library
#include <algorithm>
#include <iterator>

namespace {

constexpr std::size_t kMaxShortNameLength = 12;  // eight, the dot and three
constexpr char kPatternCharacters[] = "?*";
constexpr char kRefusedCharacters[] = "\\/:*?\"<>|";
constexpr char kSeparator = '\\';

}  // namespace

bool HoldsPattern(const std::string& text) { return text.find_first_of(kPatternCharacters) != std::string::npos; }

bool IsUsableShortName(const std::string& shortName)
{
    if (shortName.empty() || shortName.size() > kMaxShortNameLength) return false;
    if (shortName == "." || shortName == "..") return false;
    for (char c : shortName)
        if (static_cast<unsigned char>(c) < ' ' || std::string(kRefusedCharacters).find(c) != std::string::npos)
            return false;
    return true;
}

std::string ActionPath(const std::string& path, const std::string& shortName)
{
    if (!HoldsPattern(path)) return path;
    const std::size_t slash = path.rfind(kSeparator);
    if (slash == std::string::npos || slash + 1 == path.size()) return {};
    const std::string folder = path.substr(0, slash + 1);
    if (HoldsPattern(folder) || !IsUsableShortName(shortName)) return {};
    return folder + shortName;
}

std::vector<std::string> TakePatternPaths(std::vector<std::string>& paths)
{
    std::vector<std::string> taken;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(taken), HoldsPattern);
    paths.erase(std::remove_if(paths.begin(), paths.end(), HoldsPattern), paths.end());
    return taken;
}
