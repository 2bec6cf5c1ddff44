// The progress dialog of updates and loads: its range from the first
// message, one step per status text, its counter and Stop.

// Core
// Before the shell's headers, which declare a global "Folder".
#include "core/app/WindowState.h"
#include "core/search/SearchSink.h"

// Dialogs
#include "ui/dialogs/UpdateProgressDlg.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Tests
#include "ui/UserDialogDriver.h"

// Standard library
#include <vector>

// Windows
#include <commctrl.h>

namespace {

using namespace uitest;

class UpdateProgressDlgTest : public AppTest {};

constexpr char kLongPath[] =
    "C:\\A folder with a rather long name\\and another one below it\\and a third one\\the file.txt";

// Posts the worker's messages: the range, then `statuses` items.
CUpdateProgressDlg::Starter Worker(long range, int statuses, bool done)
{
    return [=](HWND dialog) {
        ::PostMessageA(dialog, UWM_SEARCHSTARTED, static_cast<WPARAM>(range), 0);
        for (int i = 0; i < statuses; ++i)
            ::PostMessageA(dialog, UWM_STATUSTEXT, reinterpret_cast<WPARAM>(kLongPath), 0);
        if (done) ::PostMessageA(dialog, UWM_WORKDONE, 0, 0);
        return true;
    };
}

TEST_F(UpdateProgressDlgTest, CountsDownAndStopAsksTheWorkerToStop)
{
    CUpdateProgressDlg dialog("Loading Folder Mine", "Reading ", "Files left ");
    dialog.SetStarter(Worker(5, 2, false));
    StateWord state = MakeStateWord();
    dialog.SetWorkState(state);
    std::string title, item, counter;
    int position = -1;
    DialogScript script;
    script.Then(IDC_PROGRESS_COUNTER, [&](HWND hwnd) {
        PumpUntil([&] { return WindowText(FindControl(hwnd, IDC_PROGRESS_COUNTER)) == "Files left  3"; }, 5000);
        title = WindowText(hwnd);
        item = WindowText(FindControl(hwnd, IDC_PROGRESS_ITEM));
        counter = WindowText(FindControl(hwnd, IDC_PROGRESS_COUNTER));
        position = static_cast<int>(::SendMessageA(FindControl(hwnd, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0));
        Click(hwnd, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(Frame().Handle()), IDCANCEL);
    script.ExpectDone();
    EXPECT_EQ(title, "Loading Folder Mine");
    EXPECT_EQ(counter, "Files left  3");
    EXPECT_EQ(position, 2);
    // The long path is shortened in its middle: its start and its name stay.
    EXPECT_EQ(item.rfind("Reading C:\\A folder", 0), 0u) << item;
    EXPECT_NE(item.find("..."), std::string::npos) << item;
    EXPECT_EQ(item.substr(item.size() - 12), "the file.txt");
    EXPECT_TRUE(dialog.Stopped());
    EXPECT_EQ(state->load(), WorkState::Stop);
}

TEST_F(UpdateProgressDlgTest, ClosesWhenTheWorkEndsAndNeverCountsBelowZero)
{
    CUpdateProgressDlg dialog("Updating Folder Mine", "Searching ", "Folders left ");
    dialog.SetStarter(Worker(2, 4, true));
    StateWord state = MakeStateWord();
    dialog.SetWorkState(state);
    EXPECT_EQ(dialog.DoModal(Frame().Handle()), IDOK);
    EXPECT_FALSE(dialog.Stopped());
    EXPECT_EQ(dialog.Range(), 2);
    EXPECT_EQ(dialog.Remaining(), 0);
    EXPECT_EQ(state->load(), WorkState::Running);
}

TEST_F(UpdateProgressDlgTest, StepsToldTogetherCountDownByTheirNumber)
{
    struct Case {
        std::vector<long> steps;
        long remaining;
    };
    for (const Case& each : {Case{{4}, 6}, Case{{4, 5}, 1}, Case{{4, 9}, 0}, Case{{0, -3}, 10}}) {
        CUpdateProgressDlg dialog("Loading Folder Mine", "Reading ", "Files left ");
        dialog.SetStarter([&](HWND hwnd) {
            ::PostMessageA(hwnd, UWM_SEARCHSTARTED, 10, 0);
            for (long steps : each.steps)
                ::PostMessageA(hwnd, UWM_PROGRESSSTEPS, reinterpret_cast<WPARAM>(kLongPath), steps);
            ::PostMessageA(hwnd, UWM_WORKDONE, 0, 0);
            return true;
        });
        EXPECT_EQ(dialog.DoModal(Frame().Handle()), IDOK);
        EXPECT_EQ(dialog.Remaining(), each.remaining) << each.steps.size();
    }
}

TEST_F(UpdateProgressDlgTest, AStarterThatFailsClosesTheDialog)
{
    CUpdateProgressDlg dialog("Removing...", "Removing ", "Files left ");
    dialog.SetStarter([](HWND) { return false; });
    EXPECT_EQ(dialog.DoModal(Frame().Handle()), IDABORT);
}

}  // namespace
