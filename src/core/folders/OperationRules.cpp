#include "core/folders/OperationRules.h"

// Core
#include "core/folders/FileDetails.h"

// Standard library
#include <cctype>

namespace fileops {

namespace {

constexpr int kMaxFolderNumber = 9999;
constexpr std::uint32_t kDragKeys = kKeyShift | kKeyControl | kKeyAlt;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string WithoutClosingSlash(const std::string& path)
{
    // A drive's root keeps its "\": "C:" alone names the drive's current folder.
    if (path.size() > 1 && path.back() == '\\' && !IsDriveRoot(path)) return path.substr(0, path.size() - 1);
    return path;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Whether `path` is `folder` or lies below it.
bool Within(const std::string& path, const std::string& folder)
{
    const std::string inner = WithoutClosingSlash(path);
    const std::string outer = WithoutClosingSlash(folder);
    if (outer.empty() || inner.size() < outer.size()) return false;
    if (!EqualIgnoringCase(inner.substr(0, outer.size()), outer)) return false;
    return inner.size() == outer.size() || outer.back() == '\\' || inner[outer.size()] == '\\';
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsDriveRoot(const std::string& path)
{
    return (path.size() == 3 && path[1] == ':' && path[2] == '\\') || (path.size() == 2 && path[1] == '\\');
}

Effect DragOverEffect(bool recycleBin, bool acceptsDrops, const std::string& firstPath, std::uint32_t keyState)
{
    if (recycleBin) return Effect::Move;
    if (!acceptsDrops) return Effect::None;
    if (IsDriveRoot(firstPath)) return Effect::Link;
    switch (keyState & kDragKeys) {
    case 0:
    case kKeyShift: return Effect::Move;
    case kKeyControl: return Effect::Copy;
    case kKeyControl | kKeyShift: return Effect::Link;
    default: return Effect::None;
    }
}

std::string PathList(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths) {
        list += path;
        list += '\0';
    }
    list += '\0';
    return list;
}

bool SameFolder(const std::string& a, const std::string& b)
{
    return EqualIgnoringCase(WithoutClosingSlash(a), WithoutClosingSlash(b));
}

bool AnyPastedNew(const std::vector<std::string>& paths, const std::string& target,
                  const std::function<bool(const std::string& name)>& viewHasRow)
{
    for (const std::string& path : paths)
        if (!SameFolder(FolderPartOf(path), target) || !viewHasRow(NameOf(path))) return true;
    return false;
}

bool AnyDroppedNew(const std::vector<std::string>& paths, const std::string& target, bool ontoRow)
{
    if (ontoRow) return !paths.empty();
    for (const std::string& path : paths)
        if (!SameFolder(FolderPartOf(path), target)) return true;
    return false;
}

Check CheckRequest(Function function, const std::vector<std::string>& sources, const std::string& target,
                   const std::function<bool(const std::string& path)>& exists)
{
    if (sources.empty()) return {Refusal::EmptyList, {}};
    for (const std::string& source : sources)
        if (source.find_first_of("?*") != std::string::npos) return {Refusal::WildcardName, source};
    for (const std::string& source : sources)
        if (!exists(source)) return {Refusal::SourceMissing, source};
    if (function == Function::Copy || function == Function::Move)
        for (const std::string& source : sources)
            if (Within(target, source)) return {Refusal::TargetInsideSource, source};
    return {};
}

unsigned DeleteFlags(bool confirm, bool toRecycleBin)
{
    return (confirm ? kRenameOnCollision : kNoConfirmation) | (toRecycleBin ? kAllowUndo : 0u);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string ProposeFolderName(const std::string& base, const std::function<bool(const std::string& name)>& exists)
{
    for (int number = 1; number <= kMaxFolderNumber; ++number) {
        std::string name = base + std::to_string(number);
        if (!exists(name)) return name;
    }
    return {};
}

std::string WithExtension(const std::string& path, const std::string& extension)
{
    const std::size_t slash = path.find_last_of('\\');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    const std::string stem = dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot);
    return extension.empty() ? stem : stem + "." + extension;
}

}  // namespace fileops
