#pragma once
// What the personal folders do outside their own window: opening one,
// updating one from the Personal page or all together, adding items to
// one, removing items, and keeping the Personal page in step.

// Search
#include "ui/search/PersonalFolder.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

class CPersonalPage;
class CBasicWindow;

// The application's personal folder of that name (exact), or null.
CPersonalFolder* FindPersonalFolder(const char* name);
CPersonalFolder* PersonalFolderAt(int index);
// The Personal page, or null before the frame exists.
CPersonalPage* PersonalPage();
// Shows the Personal tab (turning its option on) and selects the folder.
void ShowPersonalPageFor(const CPersonalFolder* folder);
// The folder's node follows its contents (after an update or a change).
void PersonalFolderChanged(const CPersonalFolder& folder);

CBasicWindow* OpenPersonalFolder(CPersonalFolder& folder);
// The folder's open window updates it (or stops its update); false when the
// folder is not open.
bool UpdateInItsWindow(CPersonalFolder& folder);
// Starts a search over the folder's criteria that reports to the dialog
// and hands its results to the job.
bool StartPersonalSearch(const CPersonalFolder& folder, HWND dialog, const ListingJobPtr& job);
// "Update" of the Personal page: the open window updates itself; otherwise
// the search runs under the progress dialog.
void UpdatePersonalFolder(CPersonalFolder& folder, HWND owner);
// "Clear" of the Personal page: in the open window, else here after the
// question.
void ClearPersonalFolder(CPersonalFolder& folder, HWND owner);
// Adds the paths (after the question and the filter); false when nothing
// was added.
bool AddToPersonalFolder(CPersonalFolder& folder, const std::vector<std::string>& paths, HWND owner);
// A new store of the items whose `keep` entry is set (those past its end
// too); `source` keeps only the others, alive while anything holds it.
ItemStorePtr SplitItems(ItemStore& source, const std::vector<char>& keep);
// A new store of the folder's items without those paths, found on a worker
// under the "Removing..." dialog; the folder's old store keeps only the
// removed ones, alive until the caller has listed the new store.
ItemStorePtr RemovePersonalItems(const CPersonalFolder& folder, const std::vector<std::string>& paths, HWND owner);
