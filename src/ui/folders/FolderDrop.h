#pragma once
// Files dropped on a folder, wherever the folder is shown (a files view, a
// node of the folder tree): the menu after a drag with the right button, and
// the drop itself: a copy or move request on a worker, a delete into the
// Recycle Bin, or shortcuts.

// Core
#include "core/folders/OperationRules.h"

// Standard library
#include <cstdint>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <ole2.h>

namespace folderdrop {

// Where the files go.
struct Target {
    std::string folder;       // the folder's path (the Recycle Bin: none needed)
    bool recycleBin = false;  // a drop there deletes
    bool ontoRow = false;     // dropped on a folder's row (or tree node), not on the open folder
};

// The menu after a drag with the right button: the user picks the effect;
// the one the keys would give is the default, those the source refuses are
// grey. None when the menu was dismissed.
DWORD ChooseEffect(HWND owner, POINTL point, DWORD proposed, DWORD allowed);

// Carries out the drop of `paths` with `effect` (asking what the settings
// say to ask); gives the effect that was started, none when the user or a
// check refused.
DWORD Drop(const std::vector<std::string>& paths, const Target& target, DWORD effect);

// Shortcuts to the paths in the folder, named after each file with ".lnk".
void LinkFiles(const std::vector<std::string>& paths, const std::string& folder);

// Leaves out the paths (from another program) that the shell would read as
// patterns and tells the user which; true when any path is left.
bool KeepExactPaths(std::vector<std::string>& paths);
void TellLeftOut(const std::vector<std::string>& leftOut);

// The refusal of a request's check told to the user; true when there was none.
bool Accepted(const fileops::Check& check);
// What a paste brings: the files on the clipboard, copied, or the program's
// current cut, moved.
struct PasteSource {
    std::vector<std::string> paths;  // none: nothing to paste
    fileops::Function function = fileops::Function::Copy;
    HWND notifyWindow = nullptr;     // told when the copy or move is done
    std::string secondFolder;        // the folder a move takes them from
};
PasteSource ClipboardPaste(HWND owner);

// A copy or move of the paths into the target folder on a worker of its own,
// after the request's checks; false when refused or not started.
bool StartCopyOrMove(fileops::Function function, const std::vector<std::string>& paths, const std::string& target,
                     unsigned flags, HWND notifyWindow, const std::string& secondFolder, std::uint32_t cutTicket);

}  // namespace folderdrop
