#pragma once
// The path the program hands to the shell or the file system when it acts on
// a listed item. A name the ANSI code page cannot hold reaches the program
// with "?" in place of each lost character, and "?" and "*" are patterns to
// the shell's file operation and to FindFirstFileA: "C:\\Work\\??.txt" names
// "ab.txt" as well. Such an item is reached through its short (8.3) name,
// which the file system keeps in plain characters; the long name stays the
// one shown.

// Core
#include "core/folders/FileItem.h"

// Standard library
#include <string>
#include <vector>

// Whether the text holds "?" or "*". No file name holds either, so in a
// listed name they always stand for characters the code page lost.
bool HoldsPattern(const std::string& text);

// Whether a text can be an entry's short name: 1 to 12 characters, none of
// them a separator, a pattern, a control or another character no file name
// may hold. A listing that has no real one gives garbage or nothing.
bool IsUsableShortName(const std::string& shortName);

// The exact path of the entry at `path` whose short name is `shortName`
// (empty when unknown): the path itself when it holds no pattern; the path
// with its last part replaced by the short name when only that part does;
// "" when no exact path can be made (no usable short name, or a pattern in
// the folder part).
std::string ActionPath(const std::string& path, const std::string& shortName);

// The same for a listed item, from its path and its short name.
inline std::string ActionPathOf(const FileItem& item) { return ActionPath(item.path, item.shortName); }

// The exact path when there is one, else the path as listed: for what only
// shows, finds or goes to the item (its place, its icon), never for an action.
inline std::string PlacePathOf(const FileItem& item)
{
    std::string exact = ActionPathOf(item);
    return exact.empty() ? item.path : exact;
}

// Takes the paths that hold a pattern out of `paths` (the others keep their
// order) and gives them back: what another program put on the clipboard or
// dropped may name such an item, and those are left out of the operation.
std::vector<std::string> TakePatternPaths(std::vector<std::string>& paths);
