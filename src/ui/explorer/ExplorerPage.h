#pragma once
// CExplorerPage: a view holding one explorer tree, the base of the explorer
// bar's pages and of the Open Folder dialog's pages. The tree fills the page
// and takes its focus; the page opens, renames and offers menus for the
// tree's items.

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/Window.h"

// Explorer
#include "ui/explorer/ExplorerTree.h"

// Standard library
#include <string>

// Windows
#include <windows.h>
#include <commctrl.h>

// The redraw after a rename, cut or delete from a context menu.
inline constexpr UINT_PTR kPageRedrawTimerId = 25;
inline constexpr UINT kPageRedrawDelayMs = 100;

// The explorer bar's own menu at a screen point; its commands go to the frame.
void ShowExplorerBarMenu(HWND owner, POINT point);

// While the page's tree has the focus the frame gives it the edit and file
// commands first; the rest go on to the active window.
class CExplorerPage : public ui::Window, public ui::CommandTarget {
public:
    // `tree` is the subclass's own tree, made when the page is.
    CExplorerPage(CExplorerTree& tree, bool dialogPage) : m_tree(tree), m_dialogPage(dialogPage) {}

    // Makes the page as a hidden child of parent.
    bool Create(HWND parent, const RECT& rect);
    CExplorerTree& Tree() { return m_tree; }
    bool IsDialogPage() const { return m_dialogPage; }

    // What the edit and file commands may do while the page has the focus.
    virtual bool QueryCut() const { return false; }
    virtual bool QueryCopy() const { return false; }
    virtual bool QueryPaste() const { return false; }
    virtual bool QueryDelete() const { return false; }
    virtual bool QueryRename() const { return false; }
    virtual bool QueryProperties() const { return false; }
    virtual bool QueryBookmarks() const { return false; }

    // A context command that renamed, cut or deleted: the tree is redrawn soon.
    void RedrawSoon();

    // ui::CommandTarget: cut, copy, paste, recycle and delete, rename,
    // properties and the command prompt act on the selected item, as far as
    // the queries allow; every other command goes on to the active window.
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;
    ui::CommandTarget* NextCommandTarget() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The tree is made inside the page's WM_CREATE.
    virtual bool CreateTree() = 0;
    virtual void OnOpenItem(HTREEITEM item) { (void)item; }
    virtual void OnTreeSelected(HTREEITEM item) { (void)item; }
    // Whether the label of the item may be edited.
    virtual bool CanEditLabel(HTREEITEM item) { (void)item; return false; }
    // The new label: true keeps it.
    virtual bool OnLabelEdited(HTREEITEM item, const char* text) { (void)item; (void)text; return false; }
    // The menu of an item at a screen point; false when the page has none.
    virtual bool ShowItemMenu(HTREEITEM item, POINT point) { (void)item; (void)point; return false; }
    // The menu of the page itself (not over an item): the bar's menu.
    virtual void ShowPageMenu(POINT point);
    virtual void OnPageCommand(UINT id) { (void)id; }

    // The edit and file commands on the selected item; each runs only when its
    // query said yes.
    virtual void CutSelection() {}
    virtual void CopySelection() {}
    virtual void PasteIntoSelection() {}
    virtual void DeleteSelection(bool toRecycleBin) { (void)toRecycleBin; }
    virtual void RenameSelection();
    virtual void SelectionProperties() {}
    // The folder a command prompt opens in; "" for the program's default.
    virtual std::string PromptFolder() const { return {}; }

private:
    void OnContextMenu(LPARAM lParam);

    CExplorerTree& m_tree;
    bool m_dialogPage;
};
