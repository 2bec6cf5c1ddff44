#pragma once
// A user's directory below the program's directory: which names may address
// one, and deleting it with everything in it.

// Standard library
#include <string>

// True for a name that addresses exactly one directory directly below the
// program's: not empty, no separators, drive colons or wildcards, not "." or
// "..", and no trailing dot or blank (Windows drops those, so "..." would name
// the program's directory itself), no device name.
bool IsSafeDirName(const std::string& dirName);

// programDirectory + "\" + dirName.
std::string UserDirectoryPath(const std::string& programDirectory, const std::string& dirName);

// Deletes every file and directory below the user's directory, depth first,
// each made normal (not read-only) before it is deleted, then the directory
// itself. Links are removed, never followed. A name that is not safe, an empty
// program directory, or a user directory that is a link deletes nothing.
// True when the directory is gone afterwards.
bool DeleteUserFiles(const std::string& programDirectory, const std::string& dirName);
