#pragma once
// The arithmetic of the window taskbar: how wide its buttons are, which system
// commands a button's menu offers, and how a window's path is shortened to fit
// its button.

// Standard library
#include <functional>
#include <string>

inline constexpr int kMaxTaskbarButtonWidth = 200;

// Each of n buttons gets width / (n + 1), never more than 200 pixels.
int TaskbarButtonWidth(int barWidth, int buttonCount);

// Which items of a button's menu (Restore, Move, Size, Minimize, Maximize,
// Close) are enabled for the button's window.
struct TaskbarMenuState {
    bool restore = false;
    bool move = false;
    bool size = false;
    bool minimize = false;
    bool maximize = false;
    bool close = true;
};
TaskbarMenuState TaskbarButtonMenu(bool minimized, bool maximized, bool maximizeMode);

// The text as it fits into `width` (measured by `measure`): whole when it
// fits, else with "..." in place of the middle of the path, keeping as much
// of its start and all of its last component that the room allows.
std::string FitPathMiddle(const std::string& text, int width, const std::function<int(const std::string&)>& measure);
