#pragma once
// The calls the program makes on the shell's name space: display names, icons
// and type names, binding and parsing, folder attributes.

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Standard library
#include <string>
#include <unordered_map>

// Windows
#include <windows.h>
#include <shlobj.h>

namespace shell {

// The desktop folder, the root of the name space.
ui::ComPtr<IShellFolder> Desktop();

// The folder object of an absolute identifier list (the desktop for an empty one).
ui::ComPtr<IShellFolder> BindFolder(LPCITEMIDLIST absolute);

// The absolute identifier list of a parsing name; empty when the shell does
// not know it.
ui::Pidl ParsePath(const std::string& path);
ui::Pidl ParseInFolder(IShellFolder* folder, const std::string& name);

// The shell's string return as ANSI text (at most 260 bytes); a wide string
// is freed with the shell allocator.
std::string StrRetText(STRRET& strret, LPCITEMIDLIST pidl);
std::string DisplayName(IShellFolder* folder, LPCITEMIDLIST relative, DWORD flags);

// Attributes asked of a folder for one of its items; 0 when the folder fails.
ULONG Attributes(IShellFolder* folder, LPCITEMIDLIST relative, ULONG query);
// The directory entry that a file-system item's identifier carries (read
// without touching the disk); false for items without one.
bool FindDataOf(IShellFolder* folder, LPCITEMIDLIST relative, WIN32_FIND_DATAA& data);

// System image-list indices; -1 when the shell has none.
int IconOfPidl(LPCITEMIDLIST absolute);
int IconOfPath(const std::string& path);
// By file attributes only ("*." + extension): the file is never opened.
int IconOfExtension(const std::string& extension);
int ExecutableIcon();
// The icon of a folder that has none of its own.
int PlainFolderIcon();
std::string TypeNameOfPidl(LPCITEMIDLIST absolute);
std::string TypeNameOfPath(const std::string& path);

// GetDriveTypeA of the drive a path lies on; unknown for paths without one.
UINT DriveTypeOf(const std::string& path);
// A removable or CD-ROM drive without a disk is not ready.
bool DriveReady(const std::string& path);
bool IsFolderPath(const std::string& path);
// Runs a context menu's command by its verb text, or by its offset from the
// first command id the menu was filled with.
bool InvokeMenuCommand(IContextMenu* menu, HWND owner, const char* verb);
bool InvokeMenuCommand(IContextMenu* menu, HWND owner, UINT offset);

}  // namespace shell

namespace shell {

// Answers of the shell that depend only on an item's class, asked once per
// extension and kept for the whole run. The shell of some platforms answers
// these slowly (it reads the registry for every item); a file's class is its
// extension, so listings ask once per extension. Refreshing a view forgets
// them, so that changed file types show. Safe on any thread.
class LookupCache {
public:
    // The name the shell shows for an item of a file-system folder: its file
    // name, without the extension when the shell hides that extension.
    // fileName, when given, gets the file name itself.
    std::string InFolderName(IShellFolder* folder, LPCITEMIDLIST relative, bool isFolder,
                             std::string* fileName = nullptr);
    // The item's exact icon. Items of a class whose icon is not their own
    // (not "per instance") share the first one's answer.
    int ExactIcon(IShellFolder* folder, LPCITEMIDLIST relative, LPCITEMIDLIST absolute,
                  const std::string& path, bool isFolder);
    // The icon of any file with the extension, by file attributes only.
    int ExtensionIcon(const std::string& extension);
    // The type description; files share theirs by extension.
    std::string TypeName(LPCITEMIDLIST absolute, const std::string& path, bool isFolder);

    // Forgets every kept answer.
    static void Forget();
};

}  // namespace shell
