#pragma once
// CFilesList: the list control of a files view (control 200). It is an
// owner-data list: the rows live in the view, and the control asks the view
// for each cell's text and image as it draws.

// Framework
#include "ui/framework/Window.h"

// Windows
#include <windows.h>
#include <commctrl.h>

class CFilesView;

class CFilesList : public ui::Window {
public:
    bool Create(CFilesView& view, DWORD style);

    int Count() const;
    void SetCount(int count);
    int SelectedCount() const;
    int NextSelected(int after) const;
    bool IsSelected(int row) const;
    void SetState(int row, UINT state, UINT mask);
    void SetStyle(DWORD viewStyle);
    HWND Header() const;
    void SetRedraw(bool redraw);

    bool isExplorer = false;
    bool editCancelled = false;
    bool activated = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CFilesView* m_view = nullptr;
};
