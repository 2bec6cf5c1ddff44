#pragma once
// CUpdateAllDlg: "Updating All Folders". It searches the queued personal
// folders one after the other: each search runs on its own worker and reports
// to the dialog, and its end starts the next. The upper bar follows the
// folders of the current search, the lower one the personal folders. "S&kip"
// stops the current search and goes on; "&Stop" stops it and the run. A
// folder whose search was stopped keeps the contents it had.

// Core
// Before the shell's headers, which declare a global "Folder".
#include "core/app/WindowState.h"

// Framework
#include "ui/framework/Dialog.h"

// Folders
#include "ui/folders/Listing.h"

// Standard library
#include <cstddef>
#include <vector>

class CPersonalFolder;

class CUpdateAllDlg : public ui::Dialog {
public:
    explicit CUpdateAllDlg(std::vector<CPersonalFolder*> queue);

    // After DoModal: the run was stopped.
    bool Stopped() const { return m_stopped; }
    std::size_t Updated() const { return m_updated; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override {}
    void OnCancel() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Starts the search of queue entry m_current; false when none could start.
    bool StartCurrent();
    void OnSearchStarted(long steps);
    // One folder searched, or `steps` of them told at once with the last one's text.
    void OnStatus(const char* text, long steps);
    void OnSearchEnded();
    void Finish();
    void ShowCounters();
    void StopSearch();

    std::vector<CPersonalFolder*> m_queue;
    std::size_t m_current = 0;
    ListingJobPtr m_job;  // the current search; null between searches
    bool m_skipped = false;
    bool m_stopped = false;
    std::size_t m_updated = 0;
    long m_foldersLeft = 0;
};

// "Update All": the open folders update in their windows, the others in the
// dialog; the information messages when nothing is left for the dialog and
// when it finished.
void UpdateAllPersonalFolders(HWND owner);
