#pragma once
// Titles of folder windows and the path rules of navigating in place.

// Standard library
#include <string>

// With the full-path option: the path, and the suffix when the view is
// filtered. Without it: the part after the last "\", or the whole path when
// "\" is its last character or it has none.
std::string FolderWindowTitle(const std::string& path, bool fullPath, bool filtered,
                              const std::string& filteredSuffix);

// A target naming a file pattern inside the current folder: it holds "*" or
// "?" and holds the current folder's path (case ignored).
bool IsPatternTarget(const std::string& target, const std::string& currentPath);

// Whether two paths name the same place: case ignored, a final "\" ignored
// except on a drive root.
bool SamePath(const std::string& a, const std::string& b);
