// Platform
#include "platform/FileSystem.h"

// Windows
#include <windows.h>

namespace platform {
namespace {

// Reparse points (junctions) came with NT 5; older headers lack the name.
constexpr DWORD kAttributeReparsePoint = 0x400;

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

}  // namespace

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsLink(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kAttributeReparsePoint);
}

bool MakeDirectory(const std::string& path) { return ::CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

bool RemoveEmptyDirectory(const std::string& path) { return ::RemoveDirectoryA(path.c_str()) != 0; }

bool SetNormalAttributes(const std::string& path)
{
    return ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool ForEachDirectoryEntry(const std::string& directory,
                           const std::function<void(const DirectoryEntry&)>& visit)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((directory + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        DirectoryEntry entry;
        entry.name = name;
        entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isLink = (data.dwFileAttributes & kAttributeReparsePoint) != 0;
        visit(entry);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return true;
}

}  // namespace platform
