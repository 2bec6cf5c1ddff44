#pragma once
// The shell's folder picker, titled by the caller and opened at a folder.

// Standard library
#include <optional>
#include <string>

// Windows
#include <windows.h>

namespace ui {

// The chosen file-system folder, or none when the picker was cancelled or the
// choice has no path (a printer, the network neighbourhood).
std::optional<std::string> PickFolder(HWND owner, const std::string& title,
                                      const std::string& initialFolder);

}  // namespace ui
