#pragma once
// The commands of the tools, the favorites, the Run dialog, the tip window,
// the disk utilities and the options sheet. The application object hands
// them here before its own.

// Framework
#include "ui/framework/Command.h"

// Windows
#include <windows.h>

bool OnToolCommand(UINT id);
bool OnUpdateToolCommand(UINT id, ui::CommandState& state);

// The tip window, shown modally over the main window.
void ShowTipOfTheDay();
