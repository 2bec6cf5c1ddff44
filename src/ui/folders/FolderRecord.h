#pragma once
// Folder records: a CFileItem that stands for a folder of the name space, its
// `folder` bound to the folder itself so that the folder can be listed. The
// explorer view lists through it and the folder windows keep it as their
// current place and in their history.

// Folders
#include "ui/folders/FileItem.h"

// Standard library
#include <memory>

// The record of an absolute identifier list; null when the shell cannot bind
// it as a folder.
std::shared_ptr<CFileItem> MakeFolderRecord(LPCITEMIDLIST absolute, IShellFolder* knownParent = nullptr);
// The path a window shows for the record: its parsing name when that is a
// file-system path (its exact path, see ActionPath, when it has one), else
// its display name.
std::string DisplayPathOf(const CFileItem& record);
bool HasParentFolder(const CFileItem& record);
