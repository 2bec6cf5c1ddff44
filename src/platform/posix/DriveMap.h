#pragma once
// Native builds only: how Windows paths reach the host's file system. A path
// that starts with a drive letter ("X:" or "X:\...") is looked up in the
// native lister's drive map, which tests set (an unmapped drive does not
// exist; Z: is the host's root); every other path is taken as a host path.
// Backslashes become slashes.

// Standard library
#include <string>

namespace platform {

void MapDrive(char letter, const std::string& hostFolder);
void UnmapAllDrives();
// The host path, or "" for a drive that is not mapped.
std::string HostPath(const std::string& windowsPath);

}  // namespace platform
