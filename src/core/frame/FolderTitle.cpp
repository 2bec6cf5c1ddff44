#include "core/frame/FolderTitle.h"

// Standard library
#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string WithoutFinalSlash(std::string path)
{
    const bool driveRoot = path.size() == 3 && path[1] == ':';
    if (!driveRoot && path.size() > 1 && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

std::string FolderWindowTitle(const std::string& path, bool fullPath, bool filtered,
                              const std::string& filteredSuffix)
{
    if (fullPath) return filtered ? path + filteredSuffix : path;
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash + 1 == path.size()) return path;
    return path.substr(slash + 1);
}

bool IsPatternTarget(const std::string& target, const std::string& currentPath)
{
    if (target.find_first_of("*?") == std::string::npos || currentPath.empty()) return false;
    return Lower(target).find(Lower(WithoutFinalSlash(currentPath))) != std::string::npos;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return Lower(WithoutFinalSlash(a)) == Lower(WithoutFinalSlash(b));
}
