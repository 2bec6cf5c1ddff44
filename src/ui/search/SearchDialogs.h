#pragma once
// The small dialogs of searches: one line of text under a caption (a report's
// name, the text of Quick Find while the toolbar has no box for it) and the
// choice of where Quick Find searches.

// Standard library
#include <string>

// Windows
#include <windows.h>

// Shows `caption` with `text` selected for editing; on OK `text` is what was
// typed. True on OK.
bool AskText(HWND owner, const std::string& caption, std::string& text);

// The "Quick Find Settings" dialog on setting 80; true when OK stored a choice.
bool EditQuickFindSettings(HWND owner);
