#pragma once
// The Personal page: a root "Personal" with "New Folder" and "Folders", one
// item per personal folder below "Folders", in the order of the list. Its
// menus open, update, clear, delete and rename the folders; files dropped on
// a folder's item are added to that folder.

// Folders
#include "ui/folders/FileDrop.h"

// Explorer
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>
#include <vector>

class CPersonalPage : public CExplorerPage, private filedrop::DropHandler {
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
    // A folder's item, appended below "Folders".
    void AddFolder(const std::string& name);
    // Shows the application's personal folders.
    void Refill();
    // The commands of menus 231..234 on the selected item.
    void OnPageCommand(UINT id) override;

    bool QueryPaste() const override;
    bool QueryDelete() const override;
    bool QueryRename() const override;
    bool QueryProperties() const override;

    // The effect of a drag of files over the item: a folder's item takes
    // them as a copy (or a link) and never as a move, which would make the
    // source delete them.
    DWORD EffectOver(HTREEITEM item, DWORD allowed) const;
    // Adds the files to the folder of the item (after the question and the
    // filter); false when nothing was added.
    bool DropOnFolder(HTREEITEM item, const std::vector<std::string>& paths);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    bool ShowItemMenu(HTREEITEM item, POINT point) override;
    bool CanEditLabel(HTREEITEM item) override;
    bool OnLabelEdited(HTREEITEM item, const char* text) override;
    void PasteIntoSelection() override;
    void DeleteSelection(bool toRecycleBin) override;
    void SelectionProperties() override;

private:
    // filedrop::DropHandler: files dragged over the tree.
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;
    HTREEITEM ItemAt(POINTL screen) const;

    // The list's index of the folder the item shows; -1 for the other items.
    int FolderIndexOf(HTREEITEM item) const;
    void DeleteSelected();
    void DeleteAll();
    void NewFolder(bool open);

    CExplorerTree m_personalTree;
    HTREEITEM m_newFolder = nullptr;
    HTREEITEM m_folders = nullptr;
    filedrop::DropTarget* m_dropTarget = nullptr;  // registered on the tree
};
