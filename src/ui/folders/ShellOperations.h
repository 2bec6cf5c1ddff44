#pragma once
// Shell calls of the file operations: the Recycle Bin's identity and
// shortcuts saved as files.

// Standard library
#include <string>

// Windows
#include <windows.h>
#include <shlobj.h>

namespace shell {

// Whether the identifier list names the Recycle Bin.
bool IsRecycleBin(LPCITEMIDLIST absolute);

// Saves a shortcut at linkPath to the item (its identifier list when given,
// else its path); false when the shell could not make or save it.
bool SaveShortcut(const std::string& targetPath, LPCITEMIDLIST absolute, const std::string& linkPath);

}  // namespace shell
