#include "core/folders/ListingRules.h"

namespace listing {

IconPlan ChooseIconPlan(const FolderKind& kind, std::size_t itemCount)
{
    if (!kind.slowMedia && !kind.virtualFolder && itemCount >= kQuickIconThreshold)
        return IconPlan::Quick;
    return kind.networkFolder ? IconPlan::Network : IconPlan::PerItem;
}

bool NeedsIconThread(const FolderKind& kind, std::size_t itemCount)
{
    return kind.networkFolder || itemCount >= kQuickIconThreshold;
}

FolderKind ClassifyFolder(const std::string& folderPath, platform::DriveType driveType,
                          bool belowNetwork)
{
    FolderKind kind;
    kind.virtualFolder = folderPath.find('\\') == std::string::npos;
    kind.networkFolder = belowNetwork || driveType == platform::DriveType::Remote;
    kind.slowMedia = kind.networkFolder || driveType == platform::DriveType::CdRom ||
                     driveType == platform::DriveType::Removable;
    return kind;
}

bool IsDriveRootPath(const std::string& path)
{
    if (path.size() == 3) return path[1] == ':' && path[2] == '\\';
    return path.size() == 2 && path[1] == '\\';
}

double SumFileSizes(platform::DirectoryLister& lister, const std::string& folder,
                    const std::string& pattern)
{
    std::string spec = folder;
    if (!spec.empty() && spec.back() != '\\') spec += '\\';
    spec += pattern;
    double total = 0;
    lister.List(spec, [&](const platform::FindEntry& entry) {
        if (!(entry.attributes & platform::kAttrDirectory)) total += static_cast<double>(entry.size);
        return true;
    });
    return total;
}

bool SplitMaskPath(const std::string& path, std::string& folder, std::string& pattern)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return false;
    // A plain name (a file, or a folder that is gone) is no pattern: it would
    // show a folder with one row or none as if that were its contents.
    const std::string last = path.substr(slash + 1);
    if (last.find_first_of("*?") == std::string::npos) return false;
    folder = path.substr(0, slash + 1);
    pattern = last;
    return true;
}

}  // namespace listing
