// Platform
#include "platform/FileSystem.h"
#include "platform/posix/DriveMap.h"
#include "platform/posix/PosixDirectoryLister.h"

// Standard library
#include <cctype>
#include <cstdio>
#include <memory>

// POSIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool HasDriveLetter(const std::string& path)
{
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':';
}

std::string Slashes(std::string path)
{
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool LStat(const std::string& path, struct stat& status)
{
    const std::string host = HostPath(path);
    return !host.empty() && ::lstat(host.c_str(), &status) == 0;
}

}  // namespace

// One map for the whole native platform: the lister's, so that files the
// program writes and folders it lists are the same ones.
void MapDrive(char letter, const std::string& hostFolder)
{
    SystemPosixLister().MapDrive(letter, hostFolder, DriveType::Fixed);
}

// Back to the start: only Z:, the host's root.
void UnmapAllDrives()
{
    for (char letter = 'A'; letter <= 'Y'; ++letter) SystemPosixLister().MapDrive(letter, {}, DriveType::NoRootDir);
    SystemPosixLister().MapDrive('Z', "/", DriveType::Fixed);
}

std::string HostPath(const std::string& windowsPath)
{
    if (!HasDriveLetter(windowsPath)) return Slashes(windowsPath);
    return SystemPosixLister().HostPath(windowsPath).value_or(std::string());
}

bool IsDirectory(const std::string& path)
{
    const std::string host = HostPath(path);
    struct stat status;
    return !host.empty() && ::stat(host.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool PathExists(const std::string& path)
{
    struct stat status;
    return LStat(path, status);
}

bool IsLink(const std::string& path)
{
    struct stat status;
    return LStat(path, status) && S_ISLNK(status.st_mode);
}

bool MakeDirectory(const std::string& path)
{
    const std::string host = HostPath(path);
    return !host.empty() && ::mkdir(host.c_str(), 0777) == 0;
}

bool RemoveFile(const std::string& path)
{
    struct stat status;
    // DeleteFileA does not delete directories.
    if (!LStat(path, status) || S_ISDIR(status.st_mode)) return false;
    return ::unlink(HostPath(path).c_str()) == 0;
}

bool RemoveEmptyDirectory(const std::string& path)
{
    struct stat status;
    if (!LStat(path, status)) return false;
    const std::string host = HostPath(path);
    if (S_ISLNK(status.st_mode)) return ::unlink(host.c_str()) == 0;
    return ::rmdir(host.c_str()) == 0;
}

bool SetNormalAttributes(const std::string& path)
{
    struct stat status;
    if (!LStat(path, status)) return false;
    // chmod follows links: a link's target is not ours to change.
    if (S_ISLNK(status.st_mode)) return true;
    const mode_t wanted = S_ISDIR(status.st_mode) ? S_IRWXU : (S_IRUSR | S_IWUSR);
    return ::chmod(HostPath(path).c_str(), status.st_mode | wanted) == 0;
}

bool ForEachDirectoryEntry(const std::string& directory,
                           const std::function<void(const DirectoryEntry&)>& visit)
{
    const std::string host = HostPath(directory);
    DIR* listing = host.empty() ? nullptr : ::opendir(host.c_str());
    if (!listing) return false;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat status;
        DirectoryEntry item;
        item.name = name;
        if (::lstat((host + "/" + name).c_str(), &status) == 0) {
            item.isDirectory = S_ISDIR(status.st_mode);
            item.isLink = S_ISLNK(status.st_mode);
        }
        visit(item);
    }
    ::closedir(listing);
    return true;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes)
{
    struct stat status;
    if (!LStat(path, status) || !S_ISREG(status.st_mode)) return std::nullopt;
    if (static_cast<std::uint64_t>(status.st_size) > maxBytes) return std::nullopt;
    FilePtr file(std::fopen(HostPath(path).c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    if (!bytes.empty() && std::fread(&bytes[0], 1, bytes.size(), file.get()) != bytes.size()) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    struct stat status;
    if (LStat(path, status) && S_ISDIR(status.st_mode)) return false;
    const std::string host = HostPath(path);
    if (host.empty()) return false;
    FilePtr file(std::fopen(host.c_str(), "wb"));
    if (!file) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    if (std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0) return false;
    return std::fclose(file.release()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to)
{
    struct stat status;
    // rename() would replace `to`; the Windows call refuses.
    if (!LStat(from, status) || LStat(to, status)) return false;
    const std::string hostFrom = HostPath(from), hostTo = HostPath(to);
    return !hostFrom.empty() && !hostTo.empty() && std::rename(hostFrom.c_str(), hostTo.c_str()) == 0;
}

}  // namespace platform
