#pragma once
// Start-up refuses to run on common controls too old for the program, offering
// to install the update that lies beside it.

// Standard library
#include <string>

// Windows
#include <windows.h>

// True when start-up goes on. `comctl` is the loaded common-controls library,
// or null when the process has not loaded it.
bool CheckCommonControls(HMODULE comctl, const std::string& programDirectory);
