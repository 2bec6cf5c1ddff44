#include "core/app/UserFiles.h"

// Platform
#include "platform/FileSystem.h"

// Standard library
#include <cctype>
#include <cstring>
#include <vector>

namespace {

// Deeper trees than this cannot be named in MAX_PATH anyway.
constexpr int kMaxDepth = 130;
constexpr std::size_t kMaxDirNameLength = 255;

bool IsDeviceName(const std::string& name)
{
    std::string stem = name.substr(0, name.find('.'));
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CLOCK$"})
        if (stem == device) return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           std::isdigit(static_cast<unsigned char>(stem[3]));
}

void DeleteTree(const std::string& directory, int depth)
{
    if (depth < kMaxDepth) {
        // Listed first and deleted after: deleting while a listing is open is
        // not something every file system promises to handle.
        std::vector<platform::DirectoryEntry> entries;
        platform::ForEachDirectoryEntry(
            directory, [&](const platform::DirectoryEntry& entry) { entries.push_back(entry); });
        for (const platform::DirectoryEntry& entry : entries) {
            const std::string path = directory + "\\" + entry.name;
            platform::SetNormalAttributes(path);
            if (entry.isDirectory && !entry.isLink)
                DeleteTree(path, depth + 1);
            else if (entry.isDirectory)
                platform::RemoveEmptyDirectory(path);
            else
                platform::RemoveFile(path);
        }
    }
    platform::RemoveEmptyDirectory(directory);
}

}  // namespace

bool IsSafeDirName(const std::string& dirName)
{
    if (dirName.empty() || dirName.size() > kMaxDirNameLength) return false;
    for (char c : dirName) {
        if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c)) return false;
    }
    const char last = dirName.back();
    return last != '.' && last != ' ' && !IsDeviceName(dirName);
}

std::string UserDirectoryPath(const std::string& programDirectory, const std::string& dirName)
{
    return programDirectory + "\\" + dirName;
}

bool DeleteUserFiles(const std::string& programDirectory, const std::string& dirName)
{
    if (programDirectory.empty() || !IsSafeDirName(dirName)) return false;
    const std::string directory = UserDirectoryPath(programDirectory, dirName);
    if (platform::IsLink(directory) || !platform::IsDirectory(directory)) return false;
    platform::SetNormalAttributes(directory);
    DeleteTree(directory, 0);
    return !platform::PathExists(directory);
}
