#pragma once
// The Favorites page: a root "Favorites" with one item per favorite of the
// Favorites menu, in the menu's order, its place in the list as item data.
// Opening an item does what choosing it in the menu does.

// Explorer
#include "ui/explorer/ExplorerPage.h"

class CFavoritesPage : public CExplorerPage {
public:
    CFavoritesPage() : CExplorerPage(m_favoritesTree, false) {}

    // Lists the favorites again; the selected one stays selected.
    void Refill();

protected:
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;

private:
    CExplorerTree m_favoritesTree;
};
