#pragma once
// Modal and modeless dialogs made from dialog templates of the resources.

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace ui {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId) : m_templateId(templateId) {}

    // Runs the dialog; gives the code passed to EndDialog (IDOK, IDCANCEL ...).
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless; it stays until destroyed.
    bool CreateModeless(HWND parent);

    HWND Item(int id) const { return ::GetDlgItem(Handle(), id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    // The progress bar `id` counts from 0 to `range` in steps of one, from the start.
    void ResetProgress(int id, long range);
    // The most characters the user can type into an edit.
    void LimitText(int id, std::size_t chars)
    {
        ::SendMessageA(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(chars), 0);
    }

protected:
    // Return FALSE when the focus was set here.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A control's command; the default ends the dialog on IDOK and IDCANCEL.
    virtual bool OnCommand(int id, int code);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Messages other than WM_INITDIALOG and WM_COMMAND; TRUE when handled.
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    void End(INT_PTR result);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
};

}  // namespace ui
