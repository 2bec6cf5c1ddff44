#pragma once
// Messages between the explorer trees, their pages and the explorer bar. A
// page takes these numbers in the sense of this table; other windows give some
// of them other meanings.

// Windows
#include <windows.h>

inline constexpr UINT UWM_TREEOPENITEM = WM_USER + 1181;     // wParam the tree item
inline constexpr UINT UWM_TREEEDITSTART = WM_USER + 1190;    // wParam the item; non-zero cancels
inline constexpr UINT UWM_TREEEDITEND = WM_USER + 1191;      // wParam the item, lParam the new text
inline constexpr UINT UWM_TREESELECTED = WM_USER + 1192;     // wParam the item (dialog pages)
inline constexpr UINT UWM_TREEDRAGSTART = WM_USER + 1107;    // the selected item is dragged
inline constexpr UINT UWM_FOCUSPAGEPARENT = WM_USER + 1092;  // the focus goes to the page's parent
inline constexpr UINT UWM_REFILLBOOKMARKS = WM_USER + 1038;  // the Bookmarks page refills

// The tree control of every page.
inline constexpr UINT kExplorerTreeId = 1001;
