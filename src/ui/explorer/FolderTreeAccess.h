#pragma once
// What the rest of the program asks of the explorer bar's folder tree and of
// the bookmarks, without the bar's own headers.

// Standard library
#include <string>

// Windows
#include <windows.h>

class CBookMarkList;
class CDesktopTree;
class CExplorerBar;
struct ShellTreeItem;

// The program's explorer bar and its folder tree; null while the frame has none.
CExplorerBar* ExplorerBar();
// The program's bookmarks; null while the frame has no explorer bar.
CBookMarkList* BookmarkList();
CDesktopTree* FolderTree();
// The selected node of the folder tree while the explorer bar has the focus
// (the Find commands search there), else null.
ShellTreeItem* FolderTreeFocusedNode();
// Whether the folder tree lists the folder.
bool FolderTreeKnows(const std::string& path);
// A file operation ended in the folder: its tree item, when listed, lists its
// folders again.
void FolderTreeOperationDone(const std::string& folder);
// The favorites were added to or edited: the Favorites page lists them again.
void FavoritesChanged();
// The trees' font of setting 206 (the caller's to delete; null when none is
// stored) and their text colour of setting 49.
HFONT CreateTreeFont();
COLORREF TreeTextColor();
