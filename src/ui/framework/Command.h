#pragma once
// Command routing: a command or an enable/check query walks a chain of targets
// (view, document window, frame, application) until one answers.

// Windows
#include <windows.h>

namespace ui {

struct CommandState {
    bool enabled = true;
    bool checked = false;
    bool radio = false;   // draw the check as a radio mark
    bool handled = false; // some target answered
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when the target carried out the command.
    virtual bool OnCommand(UINT id) { (void)id; return false; }
    // True when the target answered for the command; it sets the state.
    virtual bool OnUpdateCommand(UINT id, CommandState& state) { (void)id; (void)state; return false; }
    // The next target of the chain, or null.
    virtual CommandTarget* NextCommandTarget() { return nullptr; }
};

bool RouteCommand(CommandTarget* first, UINT id);
CommandState QueryCommand(CommandTarget* first, UINT id);
// Enables and checks the items of a menu that is about to open.
void UpdateMenuItems(HMENU menu, CommandTarget* first);

}  // namespace ui
