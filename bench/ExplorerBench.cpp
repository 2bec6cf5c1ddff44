// Listing a folder into a folder window, timed: from the navigation to the
// listing's completion message, to the list shown (the message handled: rows
// set, sorted), to the rows drawn (the list's first repaint after it), and to
// the icon thread's completion, beside a bare FindFirstFileA enumeration of
// the same folder in the same run.
//
// Usage: explorer_bench [-runs]   (Windows only; under Wine: wine explorer_bench.exe -5).
// The count is written as an option so that the program does not take it for
// a folder to open.

// Core
#include "core/app/Settings.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Benchmarks
#include "BenchTiming.h"
#include "AnswerStartQuestions.h"
#include "ui/frame/ExplorerWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string MakeFolder(int count)
{
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof(base), base);
    const std::string folder = std::string(base) + "tm-explorer-bench-" + std::to_string(count);
    if (::CreateDirectoryA(folder.c_str(), nullptr)) {
        for (int i = 0; i < count; ++i) {
            char name[64];
            // A spread of extensions, so that icons by extension are looked up more than once.
            std::snprintf(name, sizeof(name), "\\file%05d.%s", i, i % 4 == 0 ? "txt" : i % 4 == 1 ? "dat" : i % 4 == 2 ? "exe" : "doc");
            HANDLE file = ::CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
        }
    }
    return folder;
}

double BareEnumeration(const std::string& folder, int& entries)
{
    const Clock::time_point start = Clock::now();
    WIN32_FIND_DATAA data;
    entries = 0;
    HANDLE find = ::FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do ++entries;
        while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    return Seconds(start, Clock::now());
}

struct Timing {
    double workDone = 0;  // UWM_WORKDONE taken from the queue
    double shown = 0;     // UWM_WORKDONE handled, or a quick listing's fill done: rows set, sorted
    double returned = 0;  // the navigation returned
    double drawn = 0;     // then the list's first repaint
    double iconsDone = 0; // UWM_ICONSDONE taken from the queue (0: no icon thread)
};

// A listing the navigation waits for is filled within it; the view then goes
// on to its address box, the first thing after the fill: that moment is
// taken as the list shown.
// (A subclass of the box, not a hook: a hook costs every message.)
WNDPROC g_addressBoxProc = nullptr;
CExplorerView* g_view = nullptr;
bool g_filled = false;
Clock::time_point g_filledAt;

LRESULT CALLBACK NoteFillEnd(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT && !g_filled && g_view && !g_view->HasWorker() && g_view->RowCount() > 0) {
        g_filledAt = Clock::now();
        g_filled = true;
    }
    return ::CallWindowProcA(g_addressBoxProc, hwnd, message, wParam, lParam);
}

// Pumps until the view is idle, noting when the two completion messages arrive.
Timing Listing(CExplorerWindow& window, const std::string& path, const std::string& away)
{
    CExplorerView* view = window.ExplorerView();
    const HWND list = view->List().Handle();
    window.Navigate(away, nullptr);
    auto pumpIdle = [&](Timing* timing, Clock::time_point start) {
        MSG msg;
        // The window's icon and watchers follow its listing: a navigation is
        // over once they have.
        while (view->HasWorker() || view->HasIconThread() || view->NavigationPending() ||
               window.AfterListingPending() || (timing && timing->drawn == 0)) {
            if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
                continue;
            }
            const bool workDone = msg.message == UWM_WORKDONE && msg.hwnd == view->Handle() && view->HasWorker();
            const bool listPaint = msg.message == WM_PAINT && msg.hwnd == list;
            if (timing && workDone) timing->workDone = Seconds(start, Clock::now());
            if (timing && msg.message == UWM_ICONSDONE && msg.hwnd == view->Handle())
                timing->iconsDone = Seconds(start, Clock::now());
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            if (timing && workDone) timing->shown = Seconds(start, Clock::now());
            // Drawn at the list's first repaint after the rows were set, or once
            // nothing of it is left to paint (painted within a handler).
            if (timing && timing->shown > 0 && timing->drawn == 0 &&
                (listPaint || !::GetUpdateRect(list, nullptr, FALSE)))
                timing->drawn = Seconds(start, Clock::now());
        }
    };
    pumpIdle(nullptr, Clock::now());
    // Let the previous navigation's posted messages and repaints finish too:
    // the user starts the next one from a settled window.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    Timing timing;
    g_view = view;
    g_filled = false;
    const Clock::time_point start = Clock::now();
    window.Navigate(path, nullptr);
    timing.returned = Seconds(start, Clock::now());
    // A quick listing's report, still queued, is passed over.
    if (g_filled) timing.shown = Seconds(start, g_filledAt);
    g_view = nullptr;
    pumpIdle(&timing, start);
    return timing;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 && argv[1][0] == '-' ? std::max(1, std::atoi(argv[1] + 1)) : 5;
    CTrailmarkApp app;
    if (!StartForBenchmark(app)) return 1;
    StartWithoutWindowsInDetails(app);

    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof(base), base);
    const std::string away = std::string(base) + "tm-explorer-bench-away";
    ::CreateDirectoryA(away.c_str(), nullptr);
    auto* window = dynamic_cast<CExplorerWindow*>(
        CWindowList::Instance().OpenWindow(away, WindowKind::Folder, nullptr, 0));
    if (!window) return 1;
    const HWND addressBox = window->ExplorerView()->LocationBox().Handle();
    g_addressBoxProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(addressBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteFillEnd)));

    // A listing the navigation waited for has no UWM_WORKDONE of its own to time.
    std::printf("| files | bare FindFirstFileA s | shown within the navigation | to UWM_WORKDONE s (the others) | "
                "list shown s | ratio | navigation returned s | ratio | rows drawn s | ratio | to UWM_ICONSDONE s |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (int count : {1000, 15000}) {
        const std::string folder = MakeFolder(count);
        int entries = 0;
        BareEnumeration(folder, entries);  // warm the cache
        std::vector<double> bare, workDone, shown, returned, drawn, icons;
        for (int run = 0; run < runs; ++run) {
            bare.push_back(BareEnumeration(folder, entries));
            const Timing timing = Listing(*window, folder, away);
            if (timing.workDone > 0) workDone.push_back(timing.workDone);
            shown.push_back(timing.shown);
            returned.push_back(timing.returned);
            drawn.push_back(timing.drawn);
            icons.push_back(timing.iconsDone);
        }
        const double bareTime = Median(bare);
        char slow[32] = "-";
        if (!workDone.empty()) std::snprintf(slow, sizeof(slow), "%.4f", Median(workDone));
        std::printf("| %d | %.4f | %d of %d | %s | %.4f | %.2fx | %.4f | %.2fx | %.4f | %.2fx | %.4f |\n", count,
                    bareTime, runs - static_cast<int>(workDone.size()), runs, slow, Median(shown),
                    Median(shown) / bareTime, Median(returned), Median(returned) / bareTime, Median(drawn),
                    Median(drawn) / bareTime, Median(icons));
        std::fflush(stdout);
    }
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
