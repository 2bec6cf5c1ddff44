#pragma once
// Items found by path (search results, records of a personal folder) are
// shown without the shell's identity: binding one costs the shell a parse of
// its name, and the folders above it as well. CItemBinder binds them when the
// shell is about to act on them, or when the shell alone can say what they
// show (a class whose icon each file names itself).

// Folders
#include "ui/folders/FileItem.h"
#include "ui/folders/Listing.h"

// Standard library
#include <string>
#include <vector>

class CItemBinder {
public:
    // Gives an unbound item its folder and identifiers; an item already bound
    // is left as it is. False when its folder or its name will not bind (the
    // file is gone, or its name lost characters and it has no short name).
    bool Bind(CFileItem& item);
    // The same for an item other threads may read: its references are set
    // under the store's lock.
    bool Bind(CFileItem& item, ItemStore& store);

private:
    // One folder of the path from the first folder bound down to the one
    // holding the items being bound.
    struct BoundFolder {
        std::string path;
        ui::Pidl id;  // absolute
        ui::ComPtr<IShellFolder> folder;
    };

    bool BindContaining(const std::string& containing);
    bool BindWhole(const std::string& path);
    bool BindBelow(const std::string& containing);

    // Folders are bound depth first, each below the nearest one above it
    // already bound: items of one folder, and the folders of one branch,
    // cost the shell one name each.
    std::vector<BoundFolder> m_chain;
};

// What the list shows of an item: its icon and the shell's marks.
struct ShownFacts {
    int icon = -1;
    bool link = false;
    bool share = false;
    bool ghosted = false;
};

// The icon and marks of items, binding only those the shell must see: a
// folder (its own icon, shared or not) and the first file of each class,
// whose icon and link mark then serve every file of that class unbound. A
// file whose icon is its own (a program, an icon file) is bound. Items on a
// network drive are never bound: icons by extension, no marks.
class CShownFacts {
public:
    ShownFacts Of(CFileItem& item, bool remote);

private:
    CItemBinder m_binder;
    shell::LookupCache m_lookup;
};
