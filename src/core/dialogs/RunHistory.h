#pragma once
// The rules behind the Run dialog, the tools and the favorites that need no
// window: building an entry from a typed command, the checks of the Add Tool
// dialog, what choosing a tool does, and the run history's order and length.
// What the file system and the shell say about a path comes in through
// PathFacts, so that the rules run without either.

// Core
#include "core/app/Tool.h"

// Standard library
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CObjectList;

// The run history keeps this many entries, newest first.
inline constexpr int kRunHistoryLimit = 25;
// The extension a bare program name is looked for with on the path.
inline constexpr char kProgramExtension[] = ".exe";

struct PathFacts {
    std::function<bool(const std::string&)> isDirectory;
    // A file or anything else that takes the name.
    std::function<bool(const std::string&)> exists;
    // The shell's name space knows the text as a folder item that is no
    // file-system directory (My Computer, the Control Panel ...); a plain file
    // is not such an item, so that it is never opened as a folder.
    std::function<bool(const std::string&)> shellParses;
    // The system path searched for a program name with ".exe"; none when absent.
    std::function<std::optional<std::string>(const std::string&)> searchPath;
};

std::string TrimBlanks(const std::string& text);

// The folder of a path, without its last backslash ("C:\" for a file in a
// root); "" when the path names no folder.
std::string FolderOf(const std::string& path);

// The file name of a path without its folder: what the shell shows as a
// program's title.
std::string DisplayTitleOf(const std::string& path);

// A run history entry or a tool made from the Run dialog's command.
// A directory or parsable item opens inside this program under its own text;
// anything else is a program found as typed or on the path, opened by the shell.
std::unique_ptr<CTool> BuildRunEntry(const std::string& command, const std::string& arguments,
                                     const PathFacts& facts);

// Puts `entry` at the top of the history after removing every entry with the
// same command (letters compared without regard to case); beyond the limit
// the oldest entries go.
void AddToRunHistory(CObjectList& history, std::unique_ptr<CTool> entry);

// Moves entry `index` to the top, the others keeping their order.
void MoveToTop(CObjectList& history, int index);

// Whether the Run dialog opens the command in a folder window: a folder the
// folder tree knows, or a network path ("\\" anywhere) that is not a file.
bool RunOpensFolder(const std::string& command, bool treeKnowsFolder, bool exists);

// The fields of the Add Tool dialog and what its OK makes of them.
struct ToolInput {
    std::string name;
    std::string command;
    std::string directory;
    std::string arguments;
};

enum class ToolCheck { Ok, InvalidPath, InvalidDirectory };

// The OK steps of the Add Tool dialog: the command trimmed, found on the path
// when it names nothing; the initial directory checked, or the program's folder
// when empty; an empty name the program's title. `input` holds the values to
// store when the answer is Ok.
ToolCheck CheckToolInput(ToolInput& input, const PathFacts& facts);

// The initial directory as stored: only a text with a backslash names one.
std::string StoredDirectory(const std::string& directory);

enum class ToolLaunch { OpenFolder, Run, PromptThenRun };

// What choosing a tool of the Go menu does. An existing folder or parsable
// item never prompts; it opens inside this program in open mode 1.
ToolLaunch PlanToolLaunch(const CTool& tool, const PathFacts& facts);

// The arguments after the prompt: the stored ones, a blank and the typed text.
std::string ArgumentsAfterPrompt(const std::string& stored, const std::string& typed);
