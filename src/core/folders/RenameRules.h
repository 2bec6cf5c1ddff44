#pragma once
// The rules of renaming a listed item in place: which characters a name may
// not hold, the path the new name makes, and when the user is warned first.

// Standard library
#include <string>

// One of <>|"\/?*: — characters no file name may hold.
bool IsInvalidNameCharacter(char c);

// The new name without its surrounding blanks, or "" when it cannot name a
// file: empty, "." or "..", or holding an invalid character.
std::string CleanNewName(const std::string& typed);

// The path an item at `path`, shown as `displayedName`, gets when renamed to
// `newName`. The shell may hide known extensions: when the file name of the
// path differs from the displayed name (case ignored), the old extension is
// kept on the new name.
std::string RenameTarget(const std::string& path, const std::string& displayedName, const std::string& newName);

// Whether renaming a file from `path` to `target` changes its extension
// (case ignored): the user is asked first.
bool ExtensionChanges(const std::string& path, const std::string& target);
