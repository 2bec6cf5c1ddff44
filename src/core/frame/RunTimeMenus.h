#pragma once
// The menus the frame builds each time they open, as plain entries: the tools
// of the Go menu, the favorites, the open windows; and the keyboard choice in
// menus whose items the program draws itself.

// Standard library
#include <string>
#include <vector>

class CObjectList;

struct MenuEntry {
    enum class Kind { Command, Separator };
    Kind kind = Kind::Command;
    std::string text;
    unsigned command = 0;
    bool enabled = true;
    bool checked = false;
    // The program, folder or address whose icon the item shows; "" for none.
    std::string iconSource;
    bool internetImage = false;  // an internet address shows the fixed image instead

    static MenuEntry Separator() { return MenuEntry{Kind::Separator, {}, 0, true, false, {}, false}; }
};

// Settings 70 and 71: a separator after every n entries, 0..9, anything else 9.
int SeparatorEvery(int setting);

// An address the browser opens: upper-cased, it starts with "HTTP:" or "WWW.".
bool IsInternetAddress(const std::string& command);

// One item per object of the list (command first + index, the object's name and
// the icon of its command), a separator before every n-th; then a separator
// when there was any object.
std::vector<MenuEntry> ListItems(const CObjectList& list, unsigned firstCommand, int separatorSetting);

// The Window menu after its own items: a separator; "A&rrange Icons" and a
// separator when the taskbar is hidden and a window is minimized; one item per
// window (the active one checked) and a separator; the Windows List item,
// disabled without windows.
struct WindowMenuInput {
    std::vector<std::string> titles;
    int activeIndex = -1;
    bool taskbarHidden = false;
    bool anyMinimized = false;
    std::string arrangeIconsText;
    std::string windowsListText;
};
std::vector<MenuEntry> WindowMenuItems(const WindowMenuInput& input);

// What typing a character in a menu of drawn items does.
struct MnemonicChoice {
    enum class Action { None, Execute, Select };
    Action action = Action::None;
    int index = -1;
};
// Items whose text has the character after an "&" (without regard to case):
// one such item is carried out; of several, the next after `current` is selected.
MnemonicChoice ChooseByMnemonic(const std::vector<std::string>& texts, int current, char typed);
