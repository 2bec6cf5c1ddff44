#pragma once
// The program's own window messages: those between worker threads and their
// windows, and those the folder windows and views understand.

// Windows
#include <windows.h>

// Thread to window.
inline constexpr UINT UWM_STARTWORK = WM_USER + 1053;
inline constexpr UINT UWM_WORKDONE = WM_USER + 1071;
inline constexpr UINT UWM_ICONSDONE = WM_USER + 1115;
inline constexpr UINT UWM_FOLDERCHANGED = WM_USER + 1043;
inline constexpr UINT UWM_FOLDERSIZECHANGED = WM_USER + 1111;
inline constexpr UINT UWM_TREENODECHANGED = WM_USER + 1095;
inline constexpr UINT UWM_TREENODEGONE = WM_USER + 1116;
inline constexpr UINT UWM_RESULTSCHANGED = WM_USER + 1089;
inline constexpr UINT UWM_SEARCHSTARTED = WM_USER + 1097;
inline constexpr UINT UWM_STATUSTEXT = WM_USER + 1084;
inline constexpr UINT UWM_OPERDONE = WM_USER + 1092;

// Folder windows. Some share their number with a thread message above: a
// window takes the number in the sense of its own table.
inline constexpr UINT UWM_NAVIGATE = WM_USER + 1030;           // wParam path text, lParam item list or 0
inline constexpr UINT UWM_PREVIEWCHANGED = WM_USER + 1035;
inline constexpr UINT UWM_REFRESHTITLE = WM_USER + 1038;
inline constexpr UINT UWM_COLORSCHANGED = WM_USER + 1039;
inline constexpr UINT UWM_VIEWFORWARD1 = WM_USER + 1040;       // passed on to the view unchanged
inline constexpr UINT UWM_VIEWFORWARD2 = WM_USER + 1050;       // passed on to the view unchanged
inline constexpr UINT UWM_FOCUSFILES = WM_USER + 1046;
inline constexpr UINT UWM_BACKMENU = WM_USER + 1076;
inline constexpr UINT UWM_FORWARDMENU = WM_USER + 1077;
inline constexpr UINT UWM_VIEWCOMMAND = WM_USER + 1081;        // wParam the command for the view
inline constexpr UINT UWM_LOADINGDONE = UWM_RESULTSCHANGED;    // hide the loading indicator
inline constexpr UINT UWM_LOADINGSTARTED = UWM_SEARCHSTARTED;  // show the loading indicator
inline constexpr UINT UWM_REFRESHVIEW = UWM_FOLDERCHANGED;     // the view lists its folder again
inline constexpr UINT UWM_DRAGOVER = WM_USER + 1108;
inline constexpr UINT UWM_DROP = WM_USER + 1109;

// Files views.
inline constexpr UINT UWM_BACKGROUNDMENU = WM_USER + 1044;
inline constexpr UINT UWM_NEXTPANE = WM_USER + 1045;           // wParam 1 without Shift
inline constexpr UINT UWM_LOCATIONCHOSEN = WM_USER + 1048;     // wParam path, lParam tree handle
inline constexpr UINT UWM_APPEARANCECHANGED = WM_USER + 1080;
inline constexpr UINT UWM_TEXTCOLORCHANGED = WM_USER + 1098;
inline constexpr UINT UWM_DRAGSTART = WM_USER + 1107;
inline constexpr UINT UWM_REBUILDCOLUMNS = WM_USER + 1113;
inline constexpr UINT UWM_LABELEDITEND = WM_USER + 1190;
inline constexpr UINT UWM_LABELEDITBEGIN = WM_USER + 1191;

// Main frame: the window taskbar follows a window's title (wParam the window).
inline constexpr UINT UWM_WINDOWTITLECHANGED = WM_USER + 1087;

// Private to the program's own windows (not stored, not sent by others).
inline constexpr UINT UWM_PAUSEWATCHERS = WM_APP + 1;   // a file operation starts in the folder
inline constexpr UINT UWM_RESUMEWATCHERS = WM_APP + 2;  // it ended
inline constexpr UINT UWM_FOLDERRENAMED = WM_APP + 3;   // wParam the new path of the shown folder
inline constexpr UINT UWM_ROWSDRAWN = WM_APP + 4;       // a files view's new rows are on the screen
inline constexpr UINT UWM_PREPAREWORKER = WM_APP + 5;   // an explorer view may start its next worker
inline constexpr UINT UWM_FOCUSBAR = WM_APP + 6;        // to the frame: the keys go to the explorer bar
inline constexpr UINT UWM_STATUSREPORT = WM_APP + 7;    // wParam a StatusReport, posted (StatusReport.h)
inline constexpr UINT UWM_RECYCLEBINCHANGED = WM_APP + 8;   // to the frame, posted: items went to the Recycle Bin
