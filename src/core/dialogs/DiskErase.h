#pragma once
// The drives the disk commands offer and the erasing of a diskette, the most
// dangerous command of the program: it only ever empties the root of a drive
// whose type is removable, checks that again right before deleting, removes
// links without entering them, and says which entries it could not delete.

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <optional>
#include <string>
#include <vector>

enum class DriveKinds { RemovableOnly, RemovableAndFixed };

// The roots ("A:\" .. "Z:\") of the drives of the allowed types, in letter order.
std::vector<std::string> DriveRoots(platform::DirectoryLister& lister, DriveKinds kinds);

// The root of the only removable drive; none when there are none or several.
std::optional<std::string> SoleRemovableDrive(platform::DirectoryLister& lister);

// A drive root exactly: one letter, a colon and a backslash.
bool IsDriveRoot(const std::string& path);

// The root of a removable drive, and nothing else, may be erased.
bool IsErasableRoot(const std::string& root, platform::DirectoryLister& lister);

struct EraseResult {
    bool refused = false;  // not the root of a removable drive: nothing was touched
    // Entries still there afterwards, at most kMaxReportedFailures of them.
    std::vector<std::string> failures;
    int failureCount = 0;
};

inline constexpr std::size_t kMaxReportedFailures = 10;

// Checks the drive once more, then deletes everything below its root depth
// first, each entry made normal before it goes.
EraseResult EraseDrive(const std::string& root, platform::DirectoryLister& lister);
