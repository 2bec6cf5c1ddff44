#pragma once
// One file or folder as listed or found: the portable part of the program's
// file-item record. The window side adds shell identifiers and icons to it.

// Standard library
#include <cstdint>
#include <string>

struct FileItem {
    std::string name;
    std::string path;
    std::string folderPath;
    std::string shortName;       // 8.3 alias; empty when the name is one already
    std::string attributesText;  // "R", "H", "S", "A" in this order
    std::string extension;       // after the last ".", lower case
    std::uint32_t attributes = 0;
    std::uint64_t sizeBytes = 0;
    std::int64_t sizeKB = -1;  // -1 until known
    // Seconds since 1970 (UTC).
    std::int64_t modified = 0;
    std::int64_t accessed = 0;
    std::int64_t created = 0;
    bool isDirectory = false;
    // What a listing adds: the shell's type description and whether the row is shown.
    std::string typeName;
    bool hiddenOrSystem = false;  // hidden or system attribute, or ghosted in the shell
    bool visible = true;          // shown in lists (see ItemVisible)
    bool detailsPending = true;   // size, times, attributes and type not read yet
};

// Whole kilobytes, but 1 for any size from 1 to 1023 bytes.
inline std::int64_t SizeInKB(std::uint64_t sizeBytes)
{
    constexpr std::uint64_t kKilobyte = 1024;
    if (sizeBytes == 0) return 0;
    return sizeBytes < kKilobyte ? 1 : static_cast<std::int64_t>(sizeBytes / kKilobyte);
}
