#pragma once
// The planning rules of the file operations: what a drag over a folder does,
// which pasted or dropped items are new to their target, the path lists the
// shell's file operation reads, the checks made before a request is issued,
// and the names proposed for a new folder.

// Standard library
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fileops {

// The shell's file-operation functions and flags, by their numbers.
enum class Function : unsigned { Move = 1, Copy = 2, Delete = 3, Rename = 4 };
inline constexpr unsigned kRenameOnCollision = 0x008;
inline constexpr unsigned kNoConfirmation = 0x010;
inline constexpr unsigned kAllowUndo = 0x040;
inline constexpr unsigned kNoErrorInterface = 0x400;

// Drop effects and the key-state bits of a drag, by their numbers.
enum class Effect : std::uint32_t { None = 0, Copy = 1, Move = 2, Link = 4 };
inline constexpr std::uint32_t kKeyShift = 0x04;
inline constexpr std::uint32_t kKeyControl = 0x08;
inline constexpr std::uint32_t kKeyAlt = 0x20;

// "C:\" or a two-character "X\": a drive's root, which can only be linked to.
bool IsDriveRoot(const std::string& path);

// What a drag does over a view of a folder: always a move into the Recycle
// Bin, nothing where the folder takes no drops, a link to a dragged drive,
// else by the Ctrl, Shift and Alt keys held.
Effect DragOverEffect(bool recycleBin, bool acceptsDrops, const std::string& firstPath, std::uint32_t keyState);

// The paths as the shell reads them: each ended by a zero, the list by a
// further zero.
std::string PathList(const std::vector<std::string>& paths);

// Whether a path names the folder (case ignored, a closing "\" aside).
bool SameFolder(const std::string& a, const std::string& b);

// Whether any pasted path is new to the target folder: a path is not new
// when it lies in the target itself and the view shows a row of its name.
bool AnyPastedNew(const std::vector<std::string>& paths, const std::string& target,
                  const std::function<bool(const std::string& name)>& viewHasRow);
// Whether any dropped path is new: dropped onto a folder's row, every path
// is; onto the view, only those from another folder are.
bool AnyDroppedNew(const std::vector<std::string>& paths, const std::string& target, bool ontoRow);

// Why a request is not issued.
enum class Refusal {
    None,
    EmptyList,           // nothing to work on
    SourceMissing,       // a source is gone since it was chosen
    TargetInsideSource,  // a folder would be copied or moved into itself
    WildcardName         // the shell would read a "?" or "*" in a source as a pattern
};
struct Check {
    Refusal refusal = Refusal::None;
    std::string path;  // the source concerned
};
// The checks made before a move, copy or delete of `sources` (to `target`).
Check CheckRequest(Function function, const std::vector<std::string>& sources, const std::string& target,
                   const std::function<bool(const std::string& path)>& exists);

// The flags of a delete: the shell asks for confirmation unless the user
// turned the program's confirmations off; the Recycle Bin keeps the items.
unsigned DeleteFlags(bool confirm, bool toRecycleBin);

// folder + "\" + name, without doubling a closing "\".
std::string JoinPath(const std::string& folder, const std::string& name);

// The first of base + "1" .. base + "9999" that `exists` does not know; ""
// when all are taken.
std::string ProposeFolderName(const std::string& base, const std::function<bool(const std::string& name)>& exists);

// The path with its extension replaced by `extension` (given without the
// dot; empty takes the extension away). Folders in the path keep theirs.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace fileops
