#pragma once
// Folders searched, told to a window without waiting for it. A search that
// waited for its window to draw every report would spend more time waiting
// than searching: the report is posted (UWM_STATUSREPORT), the window that
// takes it frees it, and only one is on its way at a time; the folders
// searched meanwhile are counted into the next.

// Folders
#include "ui/folders/FolderMessages.h"

// Standard library
#include <atomic>
#include <memory>
#include <string>

struct StatusReport {
    std::string text;    // the last folder's, shown after "Searching "; else as it is
    bool asIs = false;
    long steps = 0;      // the status messages this report stands for
    // Set by the sender when it posts; cleared by the receiver when it takes
    // the report. Shared, as either may end first.
    std::shared_ptr<std::atomic<bool>> onItsWay;
};

// Takes a posted report: the caller owns it from here, and the sender may
// post the next.
inline std::unique_ptr<StatusReport> TakeStatusReport(WPARAM wParam)
{
    std::unique_ptr<StatusReport> report(reinterpret_cast<StatusReport*>(wParam));
    if (report && report->onItsWay) report->onItsWay->store(false);
    return report;
}
