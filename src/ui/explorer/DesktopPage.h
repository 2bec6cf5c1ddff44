#pragma once
// The Desktop page: the program's folder tree. Opening an item opens its
// folder in a window; labels rename folders; the context menu is the shell's
// with copy and move to a chosen folder.

// Core
// Before the shell's headers: their Folder interface would shadow the window kinds.
#include "core/app/WindowState.h"

// Explorer
#include "ui/explorer/DesktopDropPage.h"
#include "ui/explorer/DesktopTree.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

// The check whether the item cut from the tree is still the cut one.
inline constexpr UINT_PTR kCutGhostTimerId = 1100;
inline constexpr UINT kCutGhostCheckMs = 2000;

class CDesktopPage : public CDesktopDropPage {
public:
    CDesktopPage() : CDesktopDropPage(m_desktopTree, false) {}
    CDesktopTree& DesktopTree() { return m_desktopTree; }

    // The page is shown: in Explorer mode the single window follows the tree.
    void OnShown();
    // Copies or moves the item's folder into a folder the user chooses.
    void CopyOrMoveItem(HTREEITEM item, bool move);

    // Cuts the item's folder to the program's cut list (a paste moves it);
    // the item is drawn ghosted while the cut lasts.
    void CutItem(HTREEITEM item);
    // The folder drawn ghosted as cut, or empty.
    const std::string& CutPath() const { return m_cutPath; }
    // Drags the item's folder out of the tree; false when it has none.
    bool DragItem(HTREEITEM item);

    bool QueryCut() const override;
    bool QueryCopy() const override;
    bool QueryPaste() const override;
    bool QueryDelete() const override;
    bool QueryRename() const override;
    bool QueryProperties() const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    bool CanEditLabel(HTREEITEM item) override;
    bool OnLabelEdited(HTREEITEM item, const char* text) override;
    bool ShowItemMenu(HTREEITEM item, POINT point) override;
    void CutSelection() override;
    void CopySelection() override;
    void PasteIntoSelection() override;
    void DeleteSelection(bool toRecycleBin) override;
    void SelectionProperties() override;
    std::string PromptFolder() const override;

private:
    void OpenDesktop();
    void StartBrowser();
    // Ends the ghosting once the cut list or the clipboard moved on.
    void CheckCut();
    void SetGhosted(const std::string& path, bool ghosted);

    CDesktopTree m_desktopTree;
    // The cut this page made: its tag and the folder it took.
    std::string m_cutTag;
    std::string m_cutPath;
};
