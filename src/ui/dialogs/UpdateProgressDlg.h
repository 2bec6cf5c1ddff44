#pragma once
// CUpdateProgressDlg: the modal dialog under which personal-folder updates,
// loads and removals and hidden rules run. The worker talks to it with the
// thread-to-window messages: UWM_SEARCHSTARTED (wParam: the number of steps)
// sets the range, each UWM_STATUSTEXT (wParam: the current item's text, sent)
// advances it, UWM_PROGRESSSTEPS (wParam: the text, sent; lParam: a number
// of steps) advances it by that many at once, and UWM_WORKDONE closes it.
// "&Stop" asks the worker to stop (state 1) and closes the dialog at once.

// Framework
#include "ui/framework/Dialog.h"

// Folders
#include "ui/folders/Listing.h"

// Standard library
#include <functional>
#include <string>

// Windows
#include <windows.h>

// Several steps told at once: a worker with thousands of quick steps would
// spend most of its time waiting for the dialog to draw each one.
inline constexpr UINT UWM_PROGRESSSTEPS = WM_USER + 1302;

class CUpdateProgressDlg : public ui::Dialog {
public:
    // Starts the work once the dialog exists; gets the dialog's window, to
    // which the worker reports. False closes the dialog at once (IDABORT).
    using Starter = std::function<bool(HWND dialog)>;

    CUpdateProgressDlg(std::string title, std::string verb, std::string counterLabel);

    void SetStarter(Starter start) { m_start = std::move(start); }
    // The worker's state word, which "&Stop" sets to 1. The starter may set it.
    void SetWorkState(StateWord state) { m_state = std::move(state); }

    // After DoModal: IDOK when the work ended, IDCANCEL when it was stopped.
    bool Stopped() const { return m_stopped; }
    long Range() const { return m_range; }
    long Remaining() const { return m_remaining; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnStarted(long steps);
    void OnStatus(const char* text, long steps);
    void ShowCounter();
    // The verb and the item, the item shortened to the control's width.
    std::string ItemLine(const std::string& item) const;

    std::string m_title;
    std::string m_verb;
    std::string m_counterLabel;
    Starter m_start;
    StateWord m_state;
    long m_range = 0;
    long m_remaining = 0;
    bool m_stopped = false;
};
