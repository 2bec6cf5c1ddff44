#pragma once
// Starting programs, documents and folders for the tools, the favorites and
// the Run dialog, and what the system says about the paths they name.

// Core
#include "core/dialogs/RunHistory.h"

// Standard library
#include <functional>
#include <optional>
#include <string>

// Windows
#include <windows.h>

class CTool;

// Hands the command to the shell ("open", shown normally); when that fails,
// invokes it as an item of the shell's name space; when that fails too, says
// so (268) and gives false.
bool RunProgram(const std::string& command, const std::string& arguments, const std::string& directory);

// The file chosen in the system's open dialog; none when cancelled.
inline constexpr char kProgramFilter[] = "Programs\0*.exe;*.com;*.bat;*.pif\0All Files\0*.*\0";
std::optional<std::string> BrowseForFile(HWND owner, const char* filter, const std::string& title = {});

// The real file system, shell and search path.
PathFacts SystemPathFacts();

// Whether the shell's name space can parse the text at all (files included).
bool ShellCanParse(const std::string& path);

// Opens a folder or name-space item in a folder window; false when none opened.
bool OpenInFolderWindow(const std::string& path);

// Whether the folder tree of the explorer bar knows the folder. Until the tree
// answers through SetFolderTreeQuery, an existing directory counts as known.
bool FolderTreeKnowsFolder(const std::string& path);
void SetFolderTreeQuery(std::function<bool(const std::string&)> query);

// Chooses a tool of the Go menu: opens its folder, or runs it, asking for
// arguments first when it says so.
void ChooseTool(HWND owner, const CTool& tool);
// Chooses a favorite: opens it inside the program or hands it to the shell (272).
void ChooseFavorite(const CFavorite& favorite);
// Chooses a run history entry, then moves it to the top of the history.
void ChooseHistoryEntry(CObjectList& history, int index);
