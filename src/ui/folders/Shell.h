#pragma once
// The calls the program makes on the shell's name space: display names, icons
// and type names, binding and parsing, folder attributes.

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Standard library
#include <cstdint>
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

// The short (8.3) name of a file-system item whose long name holds
// characters the code page cannot: found through the item's wide name where
// the system has wide file calls, else taken from the item's identifier and
// checked against the disk. "" when neither gives a usable one. Reads the
// disk: for the few items that need it, off the interface thread.
std::string ShortNameOf(IShellFolder* folder, LPCITEMIDLIST relative, const std::string& path);

// The short path of a wide path, in plain characters; "" when the system
// has no wide file calls, the path has no short form or it still holds
// characters the code page lacks. Reads the disk.
std::string ShortPathOfWide(const std::wstring& path);
// The exact path of the file-system item `absolute` whose parsing path is
// `path` (see ActionPath): the path itself when it holds no pattern, else
// its short path; "" when none can be made. Reads the disk for such a path.
std::string ExactPathOf(LPCITEMIDLIST absolute, const std::string& path);

// System image-list indices; -1 when the shell has none.
int IconOfPidl(LPCITEMIDLIST absolute);
int IconOfPath(const std::string& path);
// By file attributes only ("*." + extension): the file is never opened.
int IconOfExtension(const std::string& extension);
int ExecutableIcon();
// The icon of a folder that has none of its own.
int PlainFolderIcon();
// The icon of a local folder shown beside the items it holds: a folder without
// an icon of its own (no read-only or system mark that lets it name one, not
// a drive root) shows the plain folder icon, asked once into `plainIcon`
// (-1 until then) instead of by path for every folder. Reads the folder's
// attributes: for workers.
int ContainingFolderIcon(const std::string& path, int& plainIcon);
std::string TypeNameOfPidl(LPCITEMIDLIST absolute);
std::string TypeNameOfPath(const std::string& path);

// GetDriveTypeA of the drive a path lies on; unknown for paths without one.
// A drive's type is asked once (under Wine it costs half a millisecond, and
// every listing wants it) until ForgetDriveTypes; any thread may ask.
UINT DriveTypeOf(const std::string& path);
// Drives came, went or were mapped (WM_DEVICECHANGE): their types are asked again.
void ForgetDriveTypes();
// A removable or CD-ROM drive without a disk is not ready.
bool DriveReady(const std::string& path);
bool IsFolderPath(const std::string& path);
// Runs a context menu's command by its verb text, or by its offset from the
// first command id the menu was filled with.
bool InvokeMenuCommand(IContextMenu* menu, HWND owner, const char* verb);
bool InvokeMenuCommand(IContextMenu* menu, HWND owner, UINT offset);
// Runs the default command of an item's context menu: the item is known by
// its identifier, whatever its path.
bool InvokeDefaultCommand(IShellFolder* folder, LPCITEMIDLIST relative, HWND owner);

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
    // The type of a plain file-system folder (see IsPlainFolder): every one
    // shares the first one's answer, asked once for this cache.
    std::string PlainFolderTypeName(const std::string& path);
    // A folder of the file system that no desktop.ini may dress up (neither
    // system nor read-only) and no drive's root.
    static bool IsPlainFolder(const std::string& path, std::uint32_t attributes);
    // The icon and link mark of a file whose class shares its icon, once an
    // earlier file of the class told both; false until then.
    bool ClassFacts(const std::string& path, int& icon, bool& link);
    // Keeps a bound file's link mark for its class, when ExactIcon found the
    // class's icon to be shared (a link mark belongs to the class as well).
    void KeepClassLink(const std::string& path, bool link);

    // Forgets every kept answer.
    static void Forget();

private:
    std::string m_plainFolderType;  // the owner's thread alone uses a cache
};

}  // namespace shell
