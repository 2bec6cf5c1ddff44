#pragma once
// The file-system calls the core makes: status of a path, creating and
// deleting files and directories, and listing one directory. Paths are Windows
// paths ("C:\dir\file"); the posix side maps them to host paths (DriveMap.h).
// The names avoid those of the Win32 macros (CreateDirectory, DeleteFile …) so
// that a file including <windows.h> sees the same functions as the core.

// Standard library
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct DirectoryEntry {
    std::string name;  // without its folder
    bool isDirectory = false;
    // A symbolic link or reparse point: never entered by a walk, only removed.
    bool isLink = false;
};

bool IsDirectory(const std::string& path);
// True for a file, a directory or anything else that takes the name.
bool PathExists(const std::string& path);
// A symbolic link or reparse point itself (not followed).
bool IsLink(const std::string& path);
bool MakeDirectory(const std::string& path);
bool RemoveFile(const std::string& path);
// Removes a directory that is empty (or a link to one).
bool RemoveEmptyDirectory(const std::string& path);
// Clears read-only, hidden and system, as FILE_ATTRIBUTE_NORMAL does.
bool SetNormalAttributes(const std::string& path);
// Calls visit for every entry of directory except "." and "..", in the order
// the system lists them. False when the directory cannot be listed.
bool ForEachDirectoryEntry(const std::string& directory,
                           const std::function<void(const DirectoryEntry&)>& visit);

// A whole file's bytes; none when it cannot be opened or read to its end, or
// holds more than maxBytes.
std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes);
// Creates (or empties) the file and writes the bytes; true only when every
// byte was written and the file closed.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Renames a file; fails when `to` exists, as the oldest systems' call does.
bool RenameFile(const std::string& from, const std::string& to);

}  // namespace platform
