#pragma once
// The record a document window is made from and saved as, and its registry
// form in the "Desktop" section: the main frame's "State" and "Rect" directly
// in the section key, one sub-key "Object" + window index per saved window.

// Standard library
#include <cstdint>
#include <string>
#include <vector>

class CSettingsStore;

enum class WindowKind : std::int32_t { Folder = 0, Personal = 1, Search = 2, Report = 3, Rule = 4 };

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

inline bool operator==(const WindowRect& a, const WindowRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline constexpr std::int32_t kShowMaximized = 3;

struct WindowState {
    std::string path;
    WindowRect rect;
    std::int32_t showState = 0;
    std::uint8_t flag = 0;  // passed through by whoever creates the window
    WindowKind kind = WindowKind::Folder;
};

// Sub-key names of saved windows are read with a buffer of 15 characters.
inline constexpr std::uint32_t kWindowNameBufferChars = 15;

// The frame's record when nothing is stored: a margin of a tenth of the work
// area's right and bottom coordinates (truncated toward zero), maximized.
WindowRect DefaultFrameRect(const WindowRect& workArea);
WindowState DefaultFrameState(const WindowRect& workArea);

// Reads "Rect" (exactly 16 bytes) and "State" (exactly 4 bytes) into frame;
// a missing or damaged value leaves its field as it was.
void LoadFrameState(const CSettingsStore& store, WindowState& frame);
// Every saved window, in the order of its number (see OrderRecordNames), each
// starting from a default record of kind Folder.
std::vector<WindowState> LoadSavedWindowStates(const CSettingsStore& store);

// Empties the section and creates its key again, before a save.
void ClearDesktop(CSettingsStore& store);
void SaveFrameState(CSettingsStore& store, const WindowState& frame);
// Writes sub-key "Object" + index with "Path", "Rect" and "State".
void SaveWindowState(CSettingsStore& store, int index, const WindowState& window);
