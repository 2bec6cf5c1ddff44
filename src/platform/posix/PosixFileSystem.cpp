// Platform
#include "platform/FileSystem.h"
#include "platform/posix/DriveMap.h"

// Standard library
#include <cctype>
#include <map>

// POSIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::map<char, std::string>& Drives()
{
    static std::map<char, std::string> drives;
    return drives;
}

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

void MapDrive(char letter, const std::string& hostFolder)
{
    Drives()[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = hostFolder;
}

void UnmapAllDrives() { Drives().clear(); }

std::string HostPath(const std::string& windowsPath)
{
    if (!HasDriveLetter(windowsPath)) return Slashes(windowsPath);
    auto it = Drives().find(static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath[0]))));
    if (it == Drives().end()) return {};
    std::string rest = Slashes(windowsPath.substr(2));
    if (!rest.empty() && rest[0] != '/') rest.insert(rest.begin(), '/');
    return it->second + rest;
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

}  // namespace platform
