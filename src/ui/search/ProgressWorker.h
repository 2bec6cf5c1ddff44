#pragma once
// Work run on a worker thread under the progress dialog: loading a personal
// folder, removing items from one. The work reports through ProgressReport,
// which sends the dialog its messages; the caller gets control back only
// when the worker has let go of everything it was given.

// Folders
#include "ui/folders/Listing.h"

// Standard library
#include <functional>
#include <string>

// Windows
#include <windows.h>

class ProgressReport {
public:
    ProgressReport(HWND dialog, StateWord state) : m_dialog(dialog), m_state(std::move(state)) {}

    // The number of steps: the dialog's range.
    void Start(long steps);
    // One step, with the item it reached. The dialog hears of the steps
    // together, a few times a second, with the last item.
    void Status(const std::string& text);
    // Tells the dialog of the steps not told yet.
    void Flush();
    // The user pressed Stop.
    bool Stopped() const;
    const std::atomic<int>& State() const { return *m_state; }

private:
    void Send(UINT message, WPARAM wParam) const;

    HWND m_dialog;
    StateWord m_state;
    long m_pendingSteps = 0;  // steps the dialog has not heard of
    std::string m_lastText;   // the item of the last of them
    DWORD m_lastSent = 0;     // tick count of the last report
    bool m_sentAny = false;
};

struct ProgressTexts {
    std::string title;
    std::string verb;
    std::string counterLabel;
};

// Runs `work` under the dialog; false when the user stopped it. When no
// thread can be made the work runs here, without the dialog.
bool RunUnderProgressDialog(const ProgressTexts& texts, HWND owner, const std::function<void(ProgressReport&)>& work);

// Runs `work` on a worker while a small window shows `text` over the owner,
// which takes no input meanwhile but keeps painting. The report reaches no
// dialog. `shown` hears of the status window (null when none could be made)
// before the work starts and after it ended.
void RunUnderStatusWindow(const std::string& text, HWND owner, const std::function<void(ProgressReport&)>& work,
                          const std::function<void(HWND)>& shown);
