#pragma once
// Plain text on the clipboard.

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace ui {

// Empties the clipboard and puts the text on it; false when the clipboard
// could not be opened or did not take the text.
bool SetClipboardText(HWND owner, const std::string& text);
// The clipboard's plain text; "" when there is none.
std::string ClipboardText(HWND owner);

}  // namespace ui
