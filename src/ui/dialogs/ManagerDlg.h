#pragma once
// The common dialog that edits one object list: a multi-selection list of the
// objects' names with Add, Edit and Delete, and where the template has them,
// Enable and Disable with a mark on every entry, and arrows that move an
// entry. Entry i always shows object i. OK saves the list; Cancel reloads it,
// throwing away every change made here.

// Core
#include "core/dialogs/ManagerList.h"

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/GdiObject.h"

// Dialogs
#include "ui/dialogs/ManagerListBox.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

class CObjectList;

class CManagerDlg : public ui::Dialog {
public:
    CManagerDlg(UINT templateId, CObjectList& list);
    ~CManagerDlg() override;

    CObjectList& List() const { return *m_list; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The concrete manager opens its sheet.
    virtual void OnAdd() {}
    virtual void OnEdit() {}
    // May entry `index` be deleted: IDYES, IDNO or IDCANCEL.
    virtual int ConfirmDelete(int index);
    // An entry that refuses keeps Delete disabled while it is selected.
    virtual bool CanDelete(int index) const;
    // The item data an entry starts with: with an Enable button the enabled
    // or disabled mark, else 0.
    virtual LPARAM InitialMark(int index) const;
    // The list draws the default entry in bold.
    virtual bool IsDefaultEntry(int index) const;
    // Entries may show an icon of a 16-pixel image list before their text.
    virtual HIMAGELIST EntryIcons() const { return nullptr; }
    virtual int EntryIcon(int /*index*/) const { return -1; }
    virtual void OnListChanged() {}
    // After every change of selection or content, once the buttons are set.
    virtual void OnButtonsUpdated() {}
    virtual void OnDeleted() {}

    int EntryCount() const;
    std::vector<int> SelectedEntries() const;
    LPARAM EntryMark(int index) const;
    void SetEntryMark(int index, LPARAM mark);
    // After an edit: the entry shows its object's name again, keeps its mark,
    // and is the one selected.
    void RefreshEntry(int index);
    // Shows the list's last object as a new entry, selected alone.
    void AppendEntry(LPARAM mark);
    void SelectOnly(int index);
    ManagerButtons UpdateButtons();
    HWND ListBox() const { return m_listBox.Handle(); }
    bool HasEnableButton() const { return m_enableButton != nullptr; }
    // Gives a message's answer from the dialog procedure.
    INT_PTR Answer(LRESULT value);

private:
    void LookUpButtons();
    void LoadMarks();
    void LoadArrows();
    void SetEntryHeight();
    void Fill();
    void SetEntry(int index, const std::string& text, LPARAM mark);
    void DeleteSelected();
    void SetSelectedEnabled(bool enabled);
    void ToggleSelected();
    void Move(MoveDirection direction, bool fromButton);
    void SelectAll();
    void DrawEntry(const DRAWITEMSTRUCT& item);
    void DrawArrow(const DRAWITEMSTRUCT& item);
    void FocusAwayFromDisabled();

    CObjectList* m_list;
    HWND m_addButton = nullptr;
    HWND m_editButton = nullptr;
    HWND m_deleteButton = nullptr;
    HWND m_enableButton = nullptr;
    HWND m_disableButton = nullptr;
    CManagerListBox m_listBox;
    HWND m_moveUpButton = nullptr;
    HWND m_moveDownButton = nullptr;
    ui::ImageList m_arrows;
    ui::ImageList m_marks;
    ui::GdiObject<HFONT> m_defaultFont;
};
