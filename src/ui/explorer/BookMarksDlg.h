#pragma once
// The Bookmarks List: every bookmark's text; switch to one, or delete the
// chosen ones.

// Framework
#include "ui/framework/Dialog.h"

// Standard library
#include <vector>

class CBookMarksDlg : public ui::Dialog {
public:
    CBookMarksDlg();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND Lines() const;
    std::vector<int> SelectedLines() const;
    // The bookmark number a line's text starts with.
    int NumberOfLine(int line) const;
    void DeleteSelected();
    void SwitchTo();
    void UpdateButtons();
};
