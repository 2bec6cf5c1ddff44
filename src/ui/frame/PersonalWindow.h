#pragma once
// CPersonalWindow: a window showing a personal folder. Its view works on the
// folder itself; the window follows the folder in its title and icon, shows
// the Personal page when it opens, and does not close while the folder is
// being updated.

// Application
#include "ui/frame/QueryWindow.h"

class CPersonalFolder;
class CPersonalView;

class CPersonalWindow : public CQueryWindow {
public:
    // personal: the personal folder the window shows (a CPersonalFolder of
    // the application's list; may be null).
    CPersonalWindow(WindowState state, const void* personal);

    CPersonalFolder* Personal() const { return m_personal; }
    CPersonalView* PersonalView() const;
    bool CanCloseNow() const override;
    int GetIconIndex() const override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;
    // Shows another personal folder in this window.
    void SwitchTo(CPersonalFolder* folder);

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::unique_ptr<CFilesView> MakeView() override;
    DWORD ViewDropEffect(const DragRequest& request) override;
    DWORD ViewDrop(const DragRequest& request) override;

private:
    CPersonalFolder* m_personal;
};
