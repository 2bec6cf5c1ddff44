#pragma once
// The Edit menu's search commands: Quick Find, Find and Find Folder, Find
// Computer and the Quick Find settings.

// Standard library
#include <string>

// Windows
#include <windows.h>

class CQueryWindow;

// Quick Find on the typed text: the one entry point of the command and of the
// main toolbar's box. Searches where setting 80 says, puts the text first in
// the find types history and opens the search window; null when the trimmed
// text is empty or no window could be opened.
CQueryWindow* QuickFind(const std::string& typedText);

// Where Quick Find searches for a value of setting 80: "" for all local hard
// drives, else a folder. `activeFolder` is the folder of the focused window
// ("" for none).
std::string QuickFindFolder(int place, const std::string& activeFolder);

// The folder the Find commands start from: the folder tree's selected folder
// while the explorer bar has the focus, else the active folder window's, or "".
std::string CurrentFolder();

// "&Quick Find" without the toolbar's box: asks for the text, then QuickFind.
void RunQuickFindCommand(HWND owner);
// "&Find..." and "Find Fol&der".
void RunFindCommand(HWND owner, bool folderMode);
// "&Find Computer...": the network neighbourhood's own entry of that name.
// HasFindComputer tells whether the shell offers one.
bool RunFindComputer(HWND owner);
bool HasFindComputer();
// Removes "&Find Computer..." from a menu about to open when the shell has no
// such entry.
void PrepareFindComputerItem(HMENU menu);
