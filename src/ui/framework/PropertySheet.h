#pragma once
// Property sheets on PropertySheetA, with pages made from dialog templates.
// A page hears the sheet's notifications as virtual calls: becoming active,
// leaving (validation), OK or Apply, Cancel.

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/Window.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

namespace ui {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(UINT templateId) : Dialog(templateId), m_templateId(templateId) {}

    // The sheet window around the page (valid while the page exists).
    HWND Sheet() const { return ::GetParent(Handle()); }
    // Enables or disables the sheet's OK button.
    void EnableSheetOK(bool enable);

protected:
    virtual void OnSetActive() {}
    // The page is being left (other page, OK or Apply): false keeps it.
    virtual bool OnKillActive() { return true; }
    // OK or Apply: false keeps the sheet open on this page.
    virtual bool OnApply() { return true; }
    // The sheet is being cancelled.
    virtual void OnReset() {}
    // Cancel was pressed: false keeps the sheet open.
    virtual bool OnQueryCancel() { return true; }

    // A page never ends itself: the sheet owns OK and Cancel.
    void OnOK() override {}
    void OnCancel() override {}

private:
    friend class PropertySheet;
    static INT_PTR CALLBACK StaticPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Answers a notification of the sheet; false when it is none of ours.
    bool OnSheetNotify(const NMHDR& header);

    UINT m_templateId;
    PropertySheet* m_owner = nullptr;
};

class PropertySheet : public Window {
public:
    explicit PropertySheet(std::string title) : m_title(std::move(title)) {}

    // The page must live as long as the sheet runs.
    void AddPage(PropertyPage& page);
    // Without one the sheet has no Apply button.
    void SetApplyButton(bool shown) { m_applyButton = shown; }
    // The "?" button in the caption.
    void SetContextHelp(bool shown) { m_contextHelp = shown; }
    // The page shown first (0 unless set).
    void SetStartPage(int index) { m_startPage = index; }

    // Runs the sheet; IDOK when it was closed with OK, else IDCANCEL.
    virtual INT_PTR DoModal(HWND parent);

    void EnableOK(bool enable);
    const std::string& Title() const { return m_title; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class PropertyPage;
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    void Subclass(HWND hwnd);
    void AddContextHelpStyle(void* dialogTemplate) const;
    void CenterOverOwner();

    std::string m_title;
    std::vector<PropertyPage*> m_pages;
    bool m_applyButton = false;
    bool m_contextHelp = false;
    int m_startPage = 0;
    bool m_placed = false;
    // The outcome of the pages' last OK: every page accepted it.
    bool m_accepted = false;
};

}  // namespace ui
