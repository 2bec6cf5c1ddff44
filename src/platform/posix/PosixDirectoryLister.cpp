// Platform
#include "platform/posix/PosixDirectoryLister.h"

// Standard library
#include <cctype>
#include <memory>

// POSIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

int LetterIndex(char letter)
{
    const int upper = std::toupper(static_cast<unsigned char>(letter));
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

bool IsDriveRoot(const std::string& folder)
{
    return (folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\')) && folder[1] == ':';
}

// Patterns the platform takes apart before matching: trailing dots and blanks
// are dropped.
std::string MaskOf(const std::string& pattern)
{
    std::string mask = pattern;
    while (!mask.empty() && (mask.back() == '.' || mask.back() == ' ')) mask.pop_back();
    return mask;
}

void FillFromStat(const struct stat& status, const std::string& name, FindEntry& entry)
{
    entry.name = name;
    entry.shortName.clear();
    const bool directory = S_ISDIR(status.st_mode);
    entry.attributes = directory ? kAttrDirectory : kAttrArchive;
    if (!(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) entry.attributes |= kAttrReadOnly;
    // As on Wine: a name starting with a dot is hidden.
    if (name.size() > 1 && name[0] == '.' && name != "..") entry.attributes |= kAttrHidden;
    entry.size = directory ? 0 : static_cast<std::uint64_t>(status.st_size);
    entry.modified = static_cast<std::int64_t>(status.st_mtime);
    entry.accessed = static_cast<std::int64_t>(status.st_atime);
    // Host file systems keep no creation time that stat reports.
    entry.created = entry.modified;
}

// The directory's own entry type answers without another system call where
// the file system gives one.
bool IsSymbolicLink(int dirFd, const std::string& name, unsigned char type)
{
    if (type != DT_UNKNOWN) return type == DT_LNK;
    struct stat status {};
    return ::fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(status.st_mode);
}

bool SameNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Windows file systems find names without regard to case: each component
// below the drive's folder that does not exist as written is looked up.
std::string MatchCase(const std::string& driveFolder, const std::string& host)
{
    std::string resolved = driveFolder;
    std::size_t start = driveFolder.size();
    while (start < host.size()) {
        if (host[start] == '/') {
            ++start;
            continue;
        }
        std::size_t end = host.find('/', start);
        if (end == std::string::npos) end = host.size();
        std::string component = host.substr(start, end - start);
        if (!resolved.empty() && resolved.back() != '/') resolved += '/';
        struct stat status {};
        if (::stat((resolved + component).c_str(), &status) != 0) {
            if (DirHandle dir{::opendir(resolved.empty() ? "/" : resolved.c_str())})
                while (const dirent* item = ::readdir(dir.get()))
                    if (SameNoCase(item->d_name, component)) {
                        component = item->d_name;
                        break;
                    }
        }
        resolved += component;
        start = end;
    }
    if (!host.empty() && host.back() == '/' && resolved.back() != '/') resolved += '/';
    return resolved;
}

}  // namespace

PosixDirectoryLister::PosixDirectoryLister()
{
    m_drives[static_cast<std::size_t>('Z' - 'A')] = Drive{"/", DriveType::Fixed};
}

void PosixDirectoryLister::MapDrive(char letter, const std::string& hostFolder, DriveType type)
{
    const int index = LetterIndex(letter);
    if (index < 0) return;
    platform::LockGuard lock(m_mutex);
    m_drives[static_cast<std::size_t>(index)] =
        hostFolder.empty() ? Drive{} : Drive{hostFolder, type};
}

std::optional<PosixDirectoryLister::Drive> PosixDirectoryLister::DriveOf(char letter) const
{
    const int index = LetterIndex(letter);
    if (index < 0) return std::nullopt;
    platform::LockGuard lock(m_mutex);
    const Drive& drive = m_drives[static_cast<std::size_t>(index)];
    if (drive.hostFolder.empty()) return std::nullopt;
    return drive;
}

std::optional<std::string> PosixDirectoryLister::HostPath(const std::string& path) const
{
    if (path.size() < 2 || path[1] != ':') return std::nullopt;
    const std::optional<Drive> drive = DriveOf(path[0]);
    if (!drive) return std::nullopt;
    std::string host = drive->hostFolder;
    // "T:x" is relative to the drive's root here: there is no current folder.
    if (path.size() > 2 && path[2] != '\\' && path[2] != '/' && (host.empty() || host.back() != '/')) host += '/';
    for (std::size_t i = 2; i < path.size(); ++i) {
        const char c = path[i] == '\\' ? '/' : path[i];
        if (c == '/' && !host.empty() && host.back() == '/') continue;
        host += c;
    }
    struct stat status {};
    if (::stat(host.c_str(), &status) == 0) return host;
    return MatchCase(drive->hostFolder, host);
}

bool PosixDirectoryLister::List(const std::string& spec, const FindVisitor& visit)
{
    const std::size_t slash = spec.rfind('\\');
    if (slash == std::string::npos) return false;
    const std::string folder = spec.substr(0, slash + 1);
    const std::optional<std::string> host = HostPath(folder);
    if (!host) return false;
    DirHandle dir(::opendir(host->c_str()));
    if (!dir) return false;

    const FindMask mask(MaskOf(spec.substr(slash + 1)));
    const bool root = IsDriveRoot(folder);
    bool found = false;
    FindEntry entry;
    const int dirFd = ::dirfd(dir.get());
    auto offer = [&](const std::string& name, unsigned char type) {
        if (!mask.Matches(name, std::string())) return true;
        struct stat status {};
        // A link that leads nowhere is not listed, as on Wine.
        if (::fstatat(dirFd, name.c_str(), &status, 0) != 0) return true;
        found = true;
        FillFromStat(status, name, entry);
        // Wine shows a link to a directory as a reparse point, as Windows
        // shows junctions: directory and reparse-point bits together.
        if (S_ISDIR(status.st_mode) && IsSymbolicLink(dirFd, name, type))
            entry.attributes |= kAttrReparsePoint;
        return visit(entry);
    };
    // The platform gives "." and ".." first, and not at all in a drive root.
    if (!root && (!offer(".", DT_DIR) || !offer("..", DT_DIR))) return true;
    while (const dirent* item = ::readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        if (!offer(name, item->d_type)) break;
    }
    return found;
}

DriveType PosixDirectoryLister::QueryDriveType(const std::string& root)
{
    if (root.size() < 2 || root[1] != ':') return DriveType::NoRootDir;
    const std::optional<Drive> drive = DriveOf(root[0]);
    return drive ? drive->type : DriveType::NoRootDir;
}

bool PosixDirectoryLister::CanEnterFolder(const std::string& folder)
{
    if (folder.empty()) return false;
    const std::optional<std::string> host = HostPath(folder);
    struct stat status {};
    return host && ::stat(host->c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           ::access(host->c_str(), X_OK) == 0;
}

PosixDirectoryLister& SystemPosixLister()
{
    static PosixDirectoryLister lister;
    return lister;
}

DirectoryLister& SystemDirectoryLister() { return SystemPosixLister(); }

}  // namespace platform
