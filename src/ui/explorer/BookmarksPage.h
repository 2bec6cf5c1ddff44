#pragma once
// The Bookmarks page: a root "Bookmarks" with one item per bookmark, its
// number as item data. Opening an item restores its bookmark.

// Explorer
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>

class CBookMark;

class CBookmarksPage : public CExplorerPage {
public:
    CBookmarksPage() : CExplorerPage(m_bookmarkTree, false) {}

    // Rebuilds the root and one item per bookmark of the list.
    void Refill();
    // A bookmark was added: its number's item takes the new text, or a new
    // item goes in sorted under the root.
    void AddItem(const CBookMark& mark);
    void RemoveItem(int number);
    void SetItemText(int number, const std::string& text);
    HTREEITEM ItemOf(int number) const;
    // The selected bookmark's number, taken from its text; -1 for none.
    int SelectedNumber() const;

    void Restore();
    void Delete();
    void ClearAll();

    bool QueryBookmarks() const override;

protected:
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    bool ShowItemMenu(HTREEITEM item, POINT point) override;
    void OnPageCommand(UINT id) override;
    // The Delete key: on the root it clears the list, on a bookmark it removes that one.
    void DeleteSelection(bool toRecycleBin) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons();
    int FolderIcon() const;

    CExplorerTree m_bookmarkTree;
};
