#pragma once
// The list of the open windows: close some or all, switch to one, or tile a
// chosen few.

// Framework
#include "ui/framework/Dialog.h"

// Standard library
#include <vector>

class CBasicWindow;

class CWindowsListDlg : public ui::Dialog {
public:
    CWindowsListDlg();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CBasicWindow*> Selected() const;
    void CloseSelected();
    void SwitchTo();
    void Tile(bool horizontally);
    void UpdateButtons();
    void DrawLine(const DRAWITEMSTRUCT& draw) const;
    HWND List() const;
};
