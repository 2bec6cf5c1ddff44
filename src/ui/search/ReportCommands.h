#pragma once
// The commands of criteria, reports and rules that belong to no window: the
// three managers, the three Add commands and the rules of the Rules menu.

// Framework
#include "ui/framework/Command.h"

// Windows
#include <windows.h>

bool OnReportCommand(UINT id);
bool OnUpdateReportCommand(UINT id, ui::CommandState& state);
