#include "core/dialogs/DiskErase.h"

// Platform
#include "platform/FileSystem.h"

// Standard library
#include <cctype>

namespace {

// Deeper trees cannot be named in MAX_PATH anyway.
constexpr int kMaxDepth = 130;

std::string RootOf(char letter)
{
    return std::string(1, letter) + ":\\";
}

void NoteFailure(EraseResult& result, const std::string& path)
{
    ++result.failureCount;
    if (result.failures.size() < kMaxReportedFailures) result.failures.push_back(path);
}

// `folder` ends without a backslash, except a root.
std::string Join(const std::string& folder, const std::string& name)
{
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

void EraseContents(const std::string& folder, int depth, EraseResult& result)
{
    // Listed first and deleted after: deleting while a listing is open is not
    // something every file system promises to handle.
    std::vector<platform::DirectoryEntry> entries;
    platform::ForEachDirectoryEntry(folder,
                                    [&](const platform::DirectoryEntry& entry) { entries.push_back(entry); });
    for (const platform::DirectoryEntry& entry : entries) {
        const std::string path = Join(folder, entry.name);
        platform::SetNormalAttributes(path);
        bool removed = false;
        if (!entry.isDirectory) {
            removed = platform::RemoveFile(path);
        } else if (entry.isLink) {
            // A link or junction may lead off the diskette: it goes itself, and
            // what it points at stays untouched.
            removed = platform::RemoveEmptyDirectory(path) || platform::RemoveFile(path);
        } else {
            if (depth < kMaxDepth) EraseContents(path, depth + 1, result);
            removed = platform::RemoveEmptyDirectory(path);
        }
        if (!removed && platform::PathExists(path)) NoteFailure(result, path);
    }
}

}  // namespace

std::vector<std::string> DriveRoots(platform::DirectoryLister& lister, DriveKinds kinds)
{
    std::vector<std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = RootOf(letter);
        const platform::DriveType type = lister.QueryDriveType(root);
        if (type == platform::DriveType::Removable ||
            (kinds == DriveKinds::RemovableAndFixed && type == platform::DriveType::Fixed))
            roots.push_back(root);
    }
    return roots;
}

std::optional<std::string> SoleRemovableDrive(platform::DirectoryLister& lister)
{
    const std::vector<std::string> roots = DriveRoots(lister, DriveKinds::RemovableOnly);
    if (roots.size() != 1) return std::nullopt;
    return roots.front();
}

bool IsDriveRoot(const std::string& path)
{
    return path.size() == 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           path[2] == '\\';
}

bool IsErasableRoot(const std::string& root, platform::DirectoryLister& lister)
{
    return IsDriveRoot(root) && lister.QueryDriveType(root) == platform::DriveType::Removable;
}

EraseResult EraseDrive(const std::string& root, platform::DirectoryLister& lister)
{
    EraseResult result;
    if (!IsErasableRoot(root, lister)) {
        result.refused = true;
        return result;
    }
    EraseContents(root, 0, result);
    return result;
}
