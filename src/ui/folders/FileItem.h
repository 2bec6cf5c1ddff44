#pragma once
// CFileItem: one file or folder as listed or found, with the shell's
// references to it. The portable fields are those of FileItem; this class adds
// the shell folder objects, identifier lists and icon indices, and releases
// them when it goes.

// Core
#include "core/folders/FileDetails.h"
#include "core/folders/FileItem.h"

// Folders
#include "ui/folders/Shell.h"

// Standard library
#include <string>

// Windows
#include <windows.h>
#include <shlobj.h>

class CFileItem : public FileItem {
public:
    CFileItem() = default;
    // An unbound item with the fields of a core record (a search result).
    explicit CFileItem(const FileItem& record) : FileItem(record) {}
    virtual ~CFileItem();
    CFileItem(const CFileItem&) = delete;
    CFileItem& operator=(const CFileItem&) = delete;

    // Size, times, attributes and type from the shell and the file's status.
    // A cache lets items of one class share the shell's answers.
    void LoadDetails(bool computeVisibility, bool usePath, bool showHidden, shell::LookupCache* cache = nullptr);
    // The same read into a copy, for a thread that publishes it under a lock.
    struct Details {
        FileItem record;
        int iconIndex = -1;
    };
    static Details ReadDetails(FileItem record, int iconIndex, LPCITEMIDLIST absoluteId,
                               bool computeVisibility, bool usePath, bool showHidden,
                               shell::LookupCache* cache = nullptr);
    // The full path from absoluteId when the item is bound inside a folder,
    // else path; "" without a folder object.
    std::string PathQuery() const;
    void ReleaseShellReferences();
    // Copies every field; the copy owns its texts and is unbound.
    void CopyFrom(const CFileItem& other);
    // Binds the item inside `node` (a folder record whose `folder` is the
    // folder itself): finds its identifier by parsing its name, or by
    // enumerating the folder and comparing parsing names (display names with
    // byName). False without a node or a match.
    bool Bind(const CFileItem* node, bool byName, HWND owner);

    void Store(const StringWriter& write) const { StoreItemNames(*this, write); }
    bool Load(const StringReader& read) { return LoadItemNames(*this, read); }

    IShellFolder* parentFolder = nullptr;
    IShellFolder* folder = nullptr;
    LPITEMIDLIST relativeId = nullptr;
    LPITEMIDLIST absoluteId = nullptr;
    int iconIndex = -1;
    // The system list's image under the overlay composite iconIndex names in
    // a view's private lists; -1 when iconIndex is no composite. A private
    // list lives for one fill: the next fill starts again from this image.
    int systemIconIndex = -1;
    int folderIconIndex = -1;
    bool ownsParentRef = true;
    bool ownsAbsoluteId = true;

private:
    LPITEMIDLIST FindByEnumeration(const CFileItem& node, bool byName, HWND owner) const;
};
