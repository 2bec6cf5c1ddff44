#pragma once
// CPersonalWindow: a window showing a personal folder. Its data side (what
// it lists, updating) belongs to the personal folders; here it behaves as a
// query window whose icon and closing follow its personal folder.

// Application
#include "ui/frame/QueryWindow.h"

class CPersonalWindow : public CQueryWindow {
public:
    // personal: the personal folder object the window shows (may be null).
    CPersonalWindow(WindowState state, const void* personal);

    const void* Personal() const { return m_personal; }

private:
    const void* m_personal;
};
