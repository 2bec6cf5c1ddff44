#pragma once
// CDesktopDropPage: a page whose folder tree takes dropped files. A drag over
// the tree highlights the item under the cursor; near the page's edges the
// tree scrolls, and resting on an item's expand button opens or closes it.
// Dropped files are copied, moved or linked into the item's folder by the
// rules of a drop on a files view, with the effect menu after a drag with
// the right button.

// Core
#include "core/frame/TreeRules.h"

// Folders
#include "ui/folders/FileDrop.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

// The tick of a drag over the tree: scrolling and the hover wait.
inline constexpr UINT_PTR kTreeDragTimerId = 20;
inline constexpr UINT kTreeDragTickMs = 75;

class CDesktopDropPage : public CExplorerPage, private filedrop::DropHandler {
public:
    CDesktopDropPage(CDesktopTree& tree, bool dialogPage) : CExplorerPage(tree, dialogPage), m_shellTree(tree) {}

    // Carries out a drop of files on the item with the effect; gives the
    // effect started, none when nothing was done.
    DWORD DropOnItem(HTREEITEM item, const std::vector<std::string>& paths, DWORD effect);
    // The effect a drag of these files over the item would have.
    DWORD EffectOver(HTREEITEM item, const std::vector<std::string>& paths, DWORD keyState, DWORD allowed) const;
    // The item highlighted as the drop's target, or null.
    HTREEITEM DropHighlight() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;

    void OnDragTick();
    void StartDragTimer();
    void StopDragTimer();
    HTREEITEM ItemAt(POINT screen, UINT* flags = nullptr) const;
    void HighlightDropItem(HTREEITEM item);
    // The item that shows last in the tree's window.
    HTREEITEM LastVisibleItem() const;

    CDesktopTree& m_shellTree;
    filedrop::DropTarget* m_dropTarget = nullptr;  // registered on the tree
    HTREEITEM m_dropItem = nullptr;                // the highlight the last tick saw
    int m_dragTicks = 0;
    bool m_dragTimerRunning = false;
    bool m_dragOver = false;   // a drag is over the page
    bool m_rightDrag = false;  // it uses the right button: the drop offers the menu
};
