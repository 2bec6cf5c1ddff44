#pragma once
// Messages between a manager dialog, its list box, an object sheet and the
// sheet's pages.

// Windows
#include <windows.h>

// Page → sheet.
inline constexpr UINT UWM_SHEETCANCEL = WM_USER + 1000;
inline constexpr UINT UWM_ISACTIVEPAGE = WM_USER + 1001;  // wParam: the page
inline constexpr UINT UWM_SHEETOK = WM_USER + 1002;
inline constexpr UINT UWM_PAGEACTIVE = WM_USER + 1003;    // wParam: the page

// List box → manager, and the manager to itself.
inline constexpr UINT UWM_MGR_EDIT = WM_USER + 1010;
inline constexpr UINT UWM_MGR_ADD = WM_USER + 1011;
inline constexpr UINT UWM_MGR_DELETE = WM_USER + 1012;
inline constexpr UINT UWM_MGR_CHANGED = WM_USER + 1013;
inline constexpr UINT UWM_MGR_TOGGLE = WM_USER + 1014;
// wParam: the entry; answers IDYES, IDNO or IDCANCEL.
inline constexpr UINT UWM_MGR_CONFIRMDELETE = WM_USER + 1016;
inline constexpr UINT UWM_MGR_DELETED = WM_USER + 1017;
// wParam: the entry; answers nonzero when it carries the default mark.
inline constexpr UINT UWM_MGR_ISDEFAULTENTRY = WM_USER + 1070;
inline constexpr UINT UWM_MGR_SELECTALL = WM_USER + 1088;
inline constexpr UINT UWM_MGR_MOVEUP = WM_USER + 1193;
inline constexpr UINT UWM_MGR_MOVEDOWN = WM_USER + 1194;
