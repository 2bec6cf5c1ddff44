#pragma once
// The frame's toolbars: CFlatToolBar, a docking bar holding a flat toolbar
// control with optional text labels; CAppToolBar, one built from a toolbar
// resource; CMainToolBar, the main toolbar with its quick-find box.

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/ControlBar.h"
#include "ui/framework/GdiObject.h"

// Standard library
#include <functional>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

class CFlatToolBar : public ui::ControlBar {
public:
    // What a toolbar asks of the frame: a drop-down button was pressed (its
    // command and its rectangle on the screen); the mouse rests on a button
    // (its command; 0 when it left the buttons).
    using DropDownHandler = std::function<void(CFlatToolBar& bar, UINT command, const RECT& button)>;
    using FlyByHandler = std::function<void(UINT command)>;

    CFlatToolBar();
    ~CFlatToolBar() override;

    // Makes the bar, hidden, docked at `side`, with an empty toolbar control.
    bool CreateToolBar(ui::MdiFrame& frame, UINT barId, const std::string& title, unsigned dockSides,
                       ui::DockSide side, DWORD extraStyle = 0);
    HWND ToolBarControl() const { return m_toolbar; }

    // Labels under (or beside) the buttons: on with setting 37 or `force`;
    // the first frame of a new profile on a narrow screen turns them off.
    virtual void UpdateTextLabels(bool force);
    bool LabelsShown() const { return m_labels; }
    // Gives the button the drop-down style.
    void SetDropDown(UINT command);
    void SetDropDownHandler(DropDownHandler handler) { m_dropDown = std::move(handler); }
    void SetFlyByHandler(FlyByHandler handler) { m_flyBy = std::move(handler); }
    void EnableToolTips(bool enable);

    // Enables and checks the buttons by the commands' states.
    void UpdateButtons(ui::CommandTarget* first);
    int ButtonCount() const;
    TBBUTTON ButtonAt(int index) const;
    // The button's text as shown ("" without labels).
    std::string ButtonText(int index) const;
    // The button's rectangle on the screen.
    RECT ButtonScreenRect(UINT command) const;

    // The context menu of one toolbar: align, float, hide; its items enabled
    // and checked for this bar (the caller destroys it).
    HMENU NewContextMenu() const;
    void ShowContextMenu(POINT screen);
    // Carries out one of that menu's commands; false for any other command.
    bool OnBarCommand(UINT id);
    // Whether the menu item is enabled and checked for this bar.
    ui::CommandState BarCommandState(UINT id) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LayoutContent(const RECT& area) override;
    SIZE ContentSize() const override;
    void OnPlaceChanged() override;

    // The buttons as the bar holds them; the toolbar control is refilled from them.
    std::vector<TBBUTTON> m_buttons;
    void RebuildButtons();
    // The label of a button: the last line of its command's prompt.
    virtual std::string LabelFor(UINT command) const;
    // Whether labels stand beside the images (else under them).
    virtual bool LabelsBeside() const { return false; }
    int m_buttonWidth = 24;
    int m_buttonHeight = 22;

private:
    void OnDropDown(const NMTOOLBARA& notify);
    void OnToolTipText(NMHDR* header);

    HWND m_toolbar = nullptr;
    bool m_labels = false;
    bool m_toolTips = true;
    DropDownHandler m_dropDown;
    FlyByHandler m_flyBy;
    std::string m_toolTipText;
};

class CAppToolBar : public CFlatToolBar {
public:
    // Loads the toolbar resource: its bitmap and its button layout; labels
    // are updated (not forced) and the buttons sized.
    bool Load(UINT resourceId);
    UINT ResourceId() const { return m_resourceId; }

protected:
    // The embedded child of the toolbar (the main toolbar's combo box).
    HWND m_child = nullptr;

private:
    UINT m_resourceId = 0;
};

// The main toolbar: an application toolbar with the quick-find box over the
// place of its button 33232.
class CMainToolBar : public CAppToolBar {
public:
    CMainToolBar();
    ~CMainToolBar() override;
    // Makes the combo box and loads the toolbar.
    bool CreateMain(ui::MdiFrame& frame, UINT barId, const std::string& title, unsigned dockSides);
    HWND QuickFindBox() const { return m_child; }
    // Fills the box's list from the quick-find history.
    void RefillQuickFind();
    // Runs the quick search on the box's text; true when a search started.
    bool StartQuickSearch();
    void UpdateTextLabels(bool force) override;
    // The keys the box's edit field takes before the frame's accelerators:
    // all but function keys and Alt keys, and of the Ctrl keys those that edit text.
    static bool TakesKey(const MSG& msg);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LayoutContent(const RECT& area) override;

private:
    class QuickFindEdit;
    void PlaceQuickFindBox();

    QuickFindEdit* m_edit = nullptr;
    // The list was opened: a choice in it starts the search.
    bool m_listOpen = false;
    ui::GdiObject<HFONT> m_boldFont;
};

// The drives toolbar: one button per drive, labelled with its letter, in
// letter order; commands 33400..33425 with the letter as the button's data.
class CDrivesToolBar : public CAppToolBar {
public:
    CDrivesToolBar();
    ~CDrivesToolBar() override;
    bool CreateDrives(ui::MdiFrame& frame, UINT barId, const std::string& title);
    // Lists the drives again.
    void UpdateDrives();
    // A drive came or went; false when nothing changed (a new drive without an image).
    bool DriveChanged(char letter, bool removed);
    // The letters of the buttons, in order.
    std::string Letters() const;
    // Where the drives' types come from: the system's drive type of the
    // letter, 1 (no root) for a letter without a drive.
    using DriveTypeSource = unsigned (*)(char letter);
    void SetDriveTypeSource(DriveTypeSource source) { m_driveType = source; }
    static unsigned SystemDriveType(char letter);
    void UpdateTextLabels(bool force) override;

protected:
    bool LabelsBeside() const override;

private:
    TBBUTTON DriveButton(char letter, int image) const;
    HIMAGELIST m_driveImages = nullptr;
    DriveTypeSource m_driveType = SystemDriveType;
};
