#pragma once
// The rules by which a listed item gets its details: attribute letters,
// extension, folder part, visibility, and the details read from the file's
// status when the shell has listed it first.

// Core
#include "core/folders/FileItem.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <cstdint>
#include <functional>
#include <string>

// "R", "H", "S", "A" for read-only, hidden, system and archive, in this order.
std::string AttributesText(std::uint32_t attributes);

// The text after the last "." of a name, in lower case; "" without a ".".
std::string ExtensionOf(const std::string& name);

// A drive path ("C:\\...") or a network path ("\\\\server\\..."), whose last
// part is a file name; a name-space item's parsing name is neither.
bool IsFileSystemPath(const std::string& path);

// An item's own file name: the last part of its file-system path, which
// keeps the extension that a display name may hide; the name itself for an
// item without such a path (a drive, a name-space item).
std::string FileNameOfItem(const FileItem& item);

// Copies what reading an item's details gives (sizes, times, attributes,
// type, visibility) and nothing else: a listed item's names and paths never
// change, so that a reader of them needs no lock.
void CopyDetails(FileItem& to, const FileItem& from);

// A size cell: the format's "%d" replaced by the kilobytes, whole, however large.
std::string FormatKilobytes(const std::string& format, std::int64_t kilobytes);

// The text before the last "\" of a path; a lone drive ("C:") keeps its "\".
// A path without "\" gives "".
std::string FolderPartOf(const std::string& path);

// Whether a name is one the shell gives to a drive ("Local Disk (C:)", "C:\").
bool IsDriveDisplayName(const std::string& name);

// Hidden and system items are shown only when the user asked for them.
inline bool ItemVisible(bool showHidden, bool hiddenOrSystem) { return showHidden || !hiddenOrSystem; }

// A type description for an extension the shell has no name for: "TXT File",
// or "File" without an extension.
std::string TypeNameFromExtension(const std::string& extension);

enum class DetailsOutcome {
    Virtual,  // no file behind the item (a drive, a name-space item, a file gone)
    Loaded    // read from the file's status
};

struct DetailsRequest {
    bool computeVisibility = false;
    bool showHidden = false;         // setting 24
    std::string shellTypeName;       // the shell's answer; may be empty
};

// Clears detailsPending and fills the item from the file's status, which is
// read through the lister (FindFirstFileA on the item's exact path, see
// ActionPath; an item without one is virtual). A virtual item
// gets zero sizes and times and empty type and attribute texts.
DetailsOutcome LoadFileDetails(FileItem& item, platform::DirectoryLister& lister,
                               const DetailsRequest& request);

// Fills the item from one directory entry, as LoadFileDetails does once it
// has the entry; the path must already be set.
void ApplyFindEntry(FileItem& item, const platform::FindEntry& entry);

// The stored form of an item in a personal folder's results: its exact path
// (see ActionPath; the path as listed when there is none), then its name,
// each as one string of the caller's archive.
using StringWriter = std::function<void(const std::string&)>;
using StringReader = std::function<bool(std::string&)>;
void StoreItemNames(const FileItem& item, const StringWriter& write);
// Reads path and name and derives the extension and folder part; false when
// the archive ends early (the item keeps what was read).
bool LoadItemNames(FileItem& item, const StringReader& read);
