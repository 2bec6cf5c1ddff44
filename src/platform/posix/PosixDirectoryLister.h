#pragma once
// The native directory lister: host folders reached through a drive-letter map
// ("T:\a\b" is <host folder of T>/a/b), listed with FindFirstFileA's pattern
// rules. Host file systems have no 8.3 aliases, so short names stay empty.
// A symbolic link to a directory is listed as Wine lists it: a directory that
// is a reparse point.

// Platform
#include "platform/Threads.h"
#include "platform/DirectoryLister.h"

// Standard library
#include <array>
#include <optional>
#include <string>

namespace platform {

class PosixDirectoryLister final : public DirectoryLister {
public:
    PosixDirectoryLister();

    // Maps a drive letter to a host folder with a drive type; an empty folder
    // removes the drive. Z: maps to "/" until changed.
    void MapDrive(char letter, const std::string& hostFolder, DriveType type);

    bool List(const std::string& spec, const FindVisitor& visit) override;
    DriveType QueryDriveType(const std::string& root) override;
    bool CanEnterFolder(const std::string& folder) override;

    // The host path of a program path, or none when its drive is not mapped.
    std::optional<std::string> HostPath(const std::string& path) const;

private:
    struct Drive {
        std::string hostFolder;
        DriveType type = DriveType::NoRootDir;
    };
    static constexpr std::size_t kLetters = 26;

    std::optional<Drive> DriveOf(char letter) const;

    mutable platform::Lock m_mutex;
    std::array<Drive, kLetters> m_drives;
};

// The process-wide native lister (the one SystemDirectoryLister gives).
PosixDirectoryLister& SystemPosixLister();

}  // namespace platform
