#pragma once
// The list box of a manager dialog: turns its keys and double-clicks into the
// manager's messages (Insert adds, Delete deletes, Space toggles, Ctrl+A
// selects all, Ctrl+Up and Ctrl+Down move, a double-click edits).

// Framework
#include "ui/framework/Window.h"

// Windows
#include <windows.h>

class CManagerListBox : public ui::Window {
public:
    // Takes over the list box of the dialog's template.
    void Subclass(HWND listBox);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // True when the key became a message to the manager.
    bool OnKeyDown(UINT key);
    LRESULT Notify(UINT message) const;
};
