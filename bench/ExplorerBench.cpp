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
    double shown = 0;     // UWM_WORKDONE handled: rows set, sorted
    double drawn = 0;     // then the list's first repaint
    double iconsDone = 0; // UWM_ICONSDONE taken from the queue (0: no icon thread)
};

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
            const bool workDone = msg.message == UWM_WORKDONE && msg.hwnd == view->Handle();
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
    const Clock::time_point start = Clock::now();
    window.Navigate(path, nullptr);
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

    std::printf("| files | bare FindFirstFileA s | to UWM_WORKDONE s | ratio | list shown s | ratio | rows drawn s | "
                "ratio | to UWM_ICONSDONE s |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (int count : {1000, 15000}) {
        const std::string folder = MakeFolder(count);
        int entries = 0;
        BareEnumeration(folder, entries);  // warm the cache
        std::vector<double> bare, workDone, shown, drawn, icons;
        for (int run = 0; run < runs; ++run) {
            bare.push_back(BareEnumeration(folder, entries));
            const Timing timing = Listing(*window, folder, away);
            workDone.push_back(timing.workDone);
            shown.push_back(timing.shown);
            drawn.push_back(timing.drawn);
            icons.push_back(timing.iconsDone);
        }
        const double bareTime = Median(bare);
        std::printf("| %d | %.4f | %.4f | %.2fx | %.4f | %.2fx | %.4f | %.2fx | %.4f |\n", count, bareTime,
                    Median(workDone), Median(workDone) / bareTime, Median(shown), Median(shown) / bareTime,
                    Median(drawn), Median(drawn) / bareTime, Median(icons));
        std::fflush(stdout);
    }
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
