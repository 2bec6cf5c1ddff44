#include "core/folders/RenameRules.h"

// Core
#include "core/folders/FileDetails.h"

// Standard library
#include <cctype>
#include <cstring>

namespace {

constexpr char kInvalidNameCharacters[] = "<>|\"\\/?*:";
constexpr char kBlanks[] = " \t";

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

bool IsInvalidNameCharacter(char c) { return c != '\0' && std::strchr(kInvalidNameCharacters, c) != nullptr; }

std::string CleanNewName(const std::string& typed)
{
    const std::size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    const std::string name = typed.substr(first, typed.find_last_not_of(kBlanks) - first + 1);
    if (name == "." || name == "..") return {};
    for (char c : name)
        if (IsInvalidNameCharacter(c)) return {};
    return name;
}

std::string RenameTarget(const std::string& path, const std::string& displayedName, const std::string& newName)
{
    const std::size_t slash = path.find_last_of('\\');
    std::string target = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    target += newName;
    const std::string fileName = FileNameOf(path);
    const std::size_t dot = fileName.find_last_of('.');
    if (!EqualIgnoringCase(fileName, displayedName) && dot != std::string::npos) target += fileName.substr(dot);
    return target;
}

bool ExtensionChanges(const std::string& path, const std::string& target)
{
    return !EqualIgnoringCase(ExtensionOf(FileNameOf(path)), ExtensionOf(FileNameOf(target)));
}
