#pragma once
// CSearchThread: the worker of a query view whose work is the search. It runs
// the core engine over the view's criteria, gives each result its shell
// identity and icons, and hands the results to the view as the rows of one
// fill; the window hears of the run through the thread-to-window messages.

// Core
#include "core/search/Condition.h"

// Folders
#include "ui/folders/BaseThread.h"

// Standard library
#include <atomic>
#include <vector>

// Windows
#include <windows.h>

struct SearchRequest {
    // Copies: a new search may replace the view's criteria while this one
    // is still winding down.
    std::vector<CCondition> criteria;
    HWND view = nullptr;     // gets UWM_WORKDONE
    HWND window = nullptr;   // gets the run messages; owner of the message boxes
    bool folderIcons = true;  // each result also gets its folder's icon ("In Folder")
    bool singleLevel = false;
    bool fastFind = false;
};

class CSearchThread : public CFolderThread {
public:
    CSearchThread(SearchRequest request, ListingJobPtr job);

    // Fast Find when the option is on, the system is NT and no criteria
    // looks at a network folder; the walking search otherwise.
    static bool ChooseFastFind(const std::vector<CCondition>& criteria, bool optionOn, bool windowsNT);

    // The window hears of the folders searched at most this often (the
    // folders in between are counted in the next report); 0 reports each
    // folder as it is entered. For searches started after the call.
    static void SetStatusInterval(DWORD milliseconds);
    static DWORD StatusInterval();

protected:
    void OnThreadMessage(const MSG& msg) override;
    bool DoWork() override;

private:
    SearchRequest m_request;
};
