#pragma once
// The Personal page: a root "Personal" with "New Folder" and "Folders", one
// item per personal folder below "Folders". The personal folders themselves
// are kept elsewhere; the page shows the names it is given.

// Explorer
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>
#include <vector>

class CPersonalPage : public CExplorerPage {
public:
    CPersonalPage() : CExplorerPage(m_personalTree, false) {}

    HTREEITEM RootItem() const { return m_personalTree.Root(); }
    HTREEITEM NewFolderItem() const { return m_newFolder; }
    HTREEITEM FoldersItem() const { return m_folders; }

    // Shows these personal folders below "Folders", in this order.
    void SetFolders(const std::vector<std::string>& names);
    std::vector<std::string> FolderNames() const;
    HTREEITEM FolderItem(const std::string& name) const;
    bool SelectFolder(const std::string& name);
    // The name the next new personal folder gets; empty when none is free.
    std::string NewFolderName() const;
    void RenameFolder(const std::string& oldName, const std::string& newName);
    void RemoveFolder(const std::string& name);

protected:
    bool CreateTree() override;

private:
    HTREEITEM InsertItem(HTREEITEM parent, const std::string& text);

    CExplorerTree m_personalTree;
    HTREEITEM m_newFolder = nullptr;
    HTREEITEM m_folders = nullptr;
};
