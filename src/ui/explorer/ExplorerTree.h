#pragma once
// CExplorerTree: the tree control of every explorer page. It opens the item on
// which a keyboard walk rests for a second, opens items on a click or double
// click, asks its page before and after a label edit, selects the item under a
// right click for the time of its menu, and keeps the editing keys to the edit
// field.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>

// Windows
#include <windows.h>
#include <commctrl.h>

// The one-second wait before a selection the keyboard made is opened.
inline constexpr UINT_PTR kTreeOpenTimerId = 100;
inline constexpr UINT kTreeOpenDelayMs = 1000;

class CExplorerTree : public ui::Window {
public:
    CExplorerTree() = default;
    ~CExplorerTree() override;

    // Makes the tree (id 1001) filling its page. A dialog page's tree tells
    // the page of every selection change and never moves the focus on Tab.
    bool Create(HWND page, bool dialogMode);
    bool DialogMode() const { return m_dialogMode; }

    HTREEITEM Root() const { return TreeView_GetRoot(Handle()); }
    HTREEITEM Selected() const { return TreeView_GetSelection(Handle()); }
    HTREEITEM Parent(HTREEITEM item) const { return TreeView_GetParent(Handle(), item); }
    HTREEITEM FirstChild(HTREEITEM item) const { return TreeView_GetChild(Handle(), item); }
    HTREEITEM NextSibling(HTREEITEM item) const { return TreeView_GetNextSibling(Handle(), item); }
    LPARAM ItemData(HTREEITEM item) const;
    std::string ItemText(HTREEITEM item) const;
    void SetItemText(HTREEITEM item, const std::string& text);
    bool IsExpanded(HTREEITEM item) const;
    void Select(HTREEITEM item) { TreeView_SelectItem(Handle(), item); }
    // The program's own selection: it opens nothing, in Explorer mode neither.
    void SelectQuietly(HTREEITEM item)
    {
        m_quiet = true;
        Select(item);
        m_quiet = false;
    }
    void Expand(HTREEITEM item, UINT how) { TreeView_Expand(Handle(), item, how); }
    void DeleteChildren(HTREEITEM item);
    // A new last child of parent (TVI_ROOT for a root) with the text.
    HTREEITEM AppendItem(HTREEITEM parent, const std::string& text);
    // Asks the page to open the item (as a click would).
    void OpenItem(HTREEITEM item);

    // The page hands the tree's notifications here; true with `result` set
    // when the tree answered.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // An item is about to expand for the first time or again.
    virtual void OnExpanding(HTREEITEM item) { (void)item; }
    // An item's data is about to go with the item.
    virtual void OnDeleteItem(HTREEITEM item, LPARAM data) { (void)item; (void)data; }
    virtual void OnBeginDrag(HTREEITEM item);
    // Whether a selection change should open its item after the wait.
    bool OpensOnSelection(UINT action) const;
    HWND Page() const { return ::GetParent(Handle()); }

    // Set while the program itself moves the selection: nothing opens.
    bool m_quiet = false;

private:
    bool OnKeyDown(WPARAM key);
    void OnContextMenu(LPARAM lParam);
    HTREEITEM ItemAtClick(LPARAM lParam) const;

    bool m_dialogMode = false;
    // Set while a label is edited, and when Escape cancelled it.
    bool m_editing = false;
    bool m_editCancelled = false;
};
