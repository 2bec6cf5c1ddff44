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

// What tells one content of the clipboard from the next without opening it:
// the system's change count where it keeps one (not Windows 95 or NT 4),
// else the window that last emptied it and the number of its formats.
struct ClipboardMark {
    DWORD sequence = 0;
    HWND owner = nullptr;
    int formats = 0;
    bool operator==(const ClipboardMark& other) const
    {
        return sequence == other.sequence && owner == other.owner && formats == other.formats;
    }
    bool operator!=(const ClipboardMark& other) const { return !(*this == other); }
};
ClipboardMark CurrentClipboardMark();

}  // namespace ui
