#pragma once
// A multiple-document frame on the native MDICLIENT, with a status bar and
// command routing through its menus.

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/StatusBar.h"
#include "ui/framework/Window.h"

// Standard library
#include <vector>

// Windows
#include <windows.h>

namespace ui {

class ControlBar;
class DialogBar;

class MdiFrame : public Window, public CommandTarget {
public:
    // Creates the frame hidden, with the class (already registered with
    // StaticWindowProc) and the menu resource given.
    bool Create(const char* className, const char* title, DWORD style, UINT menuId);

    HWND MdiClient() const { return m_mdiClient; }
    StatusBar& Status() { return m_statusBar; }
    // The active document window, or null; `maximized` tells whether it is.
    HWND ActiveDocument(bool* maximized = nullptr) const;
    // The first target of the command chain: the active document's, else the frame.
    virtual CommandTarget* FirstCommandTarget() { return this; }
    // Docks a bar along the bottom, above the status bar and the bars added before.
    void AddBottomBar(DialogBar* bar);
    // Lays a docking bar out with the frame, before the document area; bars
    // added first sit outermost.
    void AddControlBar(ControlBar* bar);
    void RemoveControlBar(ControlBar* bar);
    // Lays out the bars and gives the rest to the MDI client.
    virtual void RecalcLayout();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual bool OnCreate();
    // The frame's own close request; the default destroys the window.
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    // The text shown while a menu item is highlighted (the string of its id).
    virtual void ShowMenuPrompt(UINT id, UINT flags);

    // A menu is about to open: fills and updates its items.
    virtual bool InitMenuPopup(HMENU menu);

private:
    // The frame's own timer that shows the floating bars again above it.
    static constexpr UINT_PTR kFloatingBarsTimerId = 0xF100;
    void ReshowFloatingBars();

    HWND m_mdiClient = nullptr;
    StatusBar m_statusBar;
    std::vector<DialogBar*> m_bottomBars;
    std::vector<ControlBar*> m_controlBars;
};

}  // namespace ui
