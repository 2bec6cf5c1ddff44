#pragma once
// CLocationBox: the editable drop-down list of places. In address mode it
// lists the desktop, the drives and the desktop's other folders for browsing;
// in search-scope mode an entry for all local hard drives and each drive. It
// draws its items (small icon, name indented by depth) itself, tells its
// parent which item was chosen (UWM_LOCATIONCHOSEN) and gives its edit field
// the editing keys. Its places are the folder tree's own items while the
// program has one (the box lets go of one when told it is deleted, and lists
// the tree's items again whenever its list opens); without a tree it reads
// them from the shell and keeps them.

// Core
#include "core/folders/LocationRules.h"

// Framework
#include "ui/framework/GdiObject.h"
#include "ui/framework/Window.h"

// Folders
#include "ui/folders/NameSpaceNode.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

// Windows
#include <windows.h>

class CLocationBox {
public:
    using Mode = location::BoxMode;
    // The tree handle UWM_LOCATIONCHOSEN carries for the local drives entry.
    static constexpr LPARAM kLocalDrivesHandle = 1;

    CLocationBox();
    CLocationBox(const CLocationBox&) = delete;
    CLocationBox& operator=(const CLocationBox&) = delete;

    // Makes the box as a hidden child of parent; dropHeight is its height with
    // the list open. Fills the list.
    bool Create(HWND parent, UINT id, Mode mode, int dropHeight);
    // Takes over a box of a dialog template; the template gives it the styles
    // CBS_DROPDOWN, CBS_OWNERDRAWFIXED and CBS_HASSTRINGS.
    bool Attach(HWND combo, Mode mode);
    // Lists the places again: the folder tree's, else the shell's.
    void Fill();
    // The folder tree's item is about to be deleted: every entry of it goes.
    void Forget(const NameSpaceNode* node);
    // Whether the places are the folder tree's items.
    bool SharesTreeNodes() const { return m_shared; }

    // The parent hands WM_MEASUREITEM, WM_DRAWITEM and WM_COMMAND here first;
    // true when the message was the box's.
    bool OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND Handle() const { return m_combo; }
    HWND Edit() const { return m_edit.Handle(); }
    Mode BoxMode() const { return m_mode; }
    int ItemCount() const;
    std::string ItemText(int index) const;
    // The item's node; null for the local drives entry or a wrong index.
    const NameSpaceNode* ItemNode(int index) const;
    int ItemDepth(int index) const;
    int ItemIcon(int index) const;
    int ItemHeight() const;
    // Tells the parent that the item was chosen.
    void Choose(int index);

    std::string Text() const;
    void SetText(const std::string& text);
    void SelectAllText();
    void Copy();
    void Cut();
    // A key press pastes once: the character its key goes on to produce
    // does not paste again.
    void Paste();

    // Enter: the trimmed text is a path; a folder's drive must be ready; the
    // active window (else the fallback window) is told to go there, and on
    // success the whole text is selected. True when the window went there.
    bool GoToText();
    // Tab: the focus goes to the file list of the active window.
    void FocusFiles();
    // The explorer bar while it is shown, else the files.
    void FocusBarOrFiles();
    // The window told to navigate, and given the focus, when the frame has no
    // active document window.
    void SetFallbackWindow(HWND window) { m_fallback = window; }

private:
    // The box's edit field: the keys of the box arrive here.
    class EditField : public ui::Window {
    public:
        explicit EditField(CLocationBox& box) : m_box(box) {}
        ~EditField() override { Detach(); }
        void Subclass(HWND edit);

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        bool OnKeyDown(UINT key);
        CLocationBox& m_box;
        // The character a handled key press produces next, swallowed.
        WPARAM m_swallowChar = 0;
    };

    struct Entry {
        std::string text;
        const NameSpaceNode* node = nullptr;  // null for the local drives entry
        int depth = 0;
        int icon = -1;
    };

    void Prepare(Mode mode);
    void FillAddress();
    void FillSearchScope();
    void AddEntry(Entry entry);
    // Appends the listed nodes of those read (the tree's, or the shell's
    // kept in m_ownNodes).
    void AddNodes(const std::vector<const NameSpaceNode*>& read, const std::vector<location::ListedNode>& listed);
    void Measure(MEASUREITEMSTRUCT& measure) const;
    void Draw(const DRAWITEMSTRUCT& draw) const;
    const Entry* EntryAt(int index) const;
    HWND TargetWindow() const;

    HWND m_combo = nullptr;
    UINT m_id = 0;
    Mode m_mode = Mode::Address;
    EditField m_edit;
    ui::GdiObject<HFONT> m_font;
    HIMAGELIST m_images = nullptr;  // the system's small icons; not ours to free
    // The places read from the shell when there is no folder tree to share.
    std::vector<std::unique_ptr<NameSpaceNode>> m_ownNodes;
    bool m_shared = false;
    std::vector<Entry> m_entries;
    HWND m_fallback = nullptr;
};
