// Platform
#include "platform/FileSystem.h"

// Standard library
#include <memory>

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

namespace platform {
namespace {

struct FileCloser {
    void operator()(HANDLE file) const { ::CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, FileCloser>;

FileHandle OpenFile(const std::string& path, DWORD access, DWORD disposition)
{
    HANDLE file = ::CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes)
{
    FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) return std::nullopt;
    DWORD high = 0;
    const DWORD low = ::GetFileSize(file.get(), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
    const std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
    if (size > maxBytes) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    DWORD read = 0;
    if (size && (!::ReadFile(file.get(), &bytes[0], static_cast<DWORD>(size), &read, nullptr) || read != size))
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return false;
    DWORD written = 0;
    if (!bytes.empty() &&
        (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
         written != bytes.size()))
        return false;
    // The bytes are on the disk before the caller renames the file into place.
    if (!::FlushFileBuffers(file.get())) return false;
    return ::CloseHandle(file.release()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to) { return ::MoveFileA(from.c_str(), to.c_str()) != 0; }

}  // namespace platform
