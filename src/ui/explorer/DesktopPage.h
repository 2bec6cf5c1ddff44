#pragma once
// The Desktop page: the program's folder tree. Opening an item opens its
// folder in a window; labels rename folders; the context menu is the shell's
// with copy and move to a chosen folder.

// Core
// Before the shell's headers: their Folder interface would shadow the window kinds.
#include "core/app/WindowState.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

class CDesktopPage : public CExplorerPage {
public:
    CDesktopPage() : CExplorerPage(m_desktopTree, false) {}
    CDesktopTree& DesktopTree() { return m_desktopTree; }

    // The page is shown: in Explorer mode the single window follows the tree.
    void OnShown();
    // Copies or moves the item's folder into a folder the user chooses.
    void CopyOrMoveItem(HTREEITEM item, bool move);

    bool QueryRename() const override;
    bool QueryProperties() const override;

protected:
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    bool CanEditLabel(HTREEITEM item) override;
    bool OnLabelEdited(HTREEITEM item, const char* text) override;
    bool ShowItemMenu(HTREEITEM item, POINT point) override;

private:
    void OpenDesktop();
    void StartBrowser();

    CDesktopTree m_desktopTree;
};
