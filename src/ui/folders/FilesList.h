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

// The list's header, drawing a mark on the column the rows are sorted by.
class CSortHeader {
public:
    CSortHeader() = default;
    ~CSortHeader();
    CSortHeader(const CSortHeader&) = delete;
    CSortHeader& operator=(const CSortHeader&) = delete;

    // Takes over the list's header, once.
    void Attach(HWND header);
    bool Attached() const { return m_header != nullptr; }
    // Puts the mark on `column`, pointing up when ascending; -1 takes it away.
    void SetMark(int column, bool ascending);

private:
    HWND m_header = nullptr;
    HIMAGELIST m_marks = nullptr;
    bool m_ascending = true;
    int m_sortColumn = -1;
};

// The column that shows the sort mark, read from the header control; -1 when
// none does. `ascending` tells which way the mark points.
int HeaderMarkColumn(HWND header, bool* ascending = nullptr);

// The point of WM_CONTEXTMENU when the keyboard asks for the menu.
inline constexpr LPARAM kKeyboardMenuPoint = -1;

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
    CSortHeader& SortHeader() { return m_sortHeader; }
    // The label edit box while a row's name is edited, else null.
    HWND LabelEdit() const { return m_labelEdit; }

    bool isExplorer = false;
    bool editCancelled = false;
    bool activated = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CFilesView;
    // The list's edit box for a row's name: keys of its own rules.
    static LRESULT CALLBACK LabelEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void BeginLabelEdit(HWND edit);
    void EndLabelEdit();

    CFilesView* m_view = nullptr;
    CSortHeader m_sortHeader;
    HWND m_labelEdit = nullptr;
    WNDPROC m_labelEditProc = nullptr;
    bool m_undrawable = false;   // from SetRedraw(false) to SetRedraw(true)
    bool m_headerDirty = false;  // the header had a change to draw when that began
};
