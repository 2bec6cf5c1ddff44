// A search window over a generated tree, timed: from the start of the search
// to the engine's end ("Adding Results..." reaches the window), to the run's
// end (UWM_RESULTSCHANGED handled) and to the results shown (UWM_WORKDONE
// handled: rows set, list filled), beside the engine alone on the same search
// in the same run.
//
// Usage: search_window_bench FOLDER [-runs [-hold]]   (Windows only; under
// Wine: wine search_window_bench.exe 'Z:\tmp\tm-bench-tree' -5). The tree is
// the one search_bench generates. With a hold in seconds the window stays up
// with its results that long afterwards, for a look at it.
//
// search_window_bench quick FOLDER [-runs] times Quick Find instead, with Fast
// Find answered from the entry index of FOLDER: from the command to the
// engine's end in the window and to the results shown, for a pattern with many
// results and a name with few, beside the engine alone on the same index (a
// name without a joker is walked, not answered from the index). Fast Find is
// left off in the profile: on at start, it would walk every fixed drive.

// Core
#include "core/app/Settings.h"
#include "core/search/SearchEngine.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/StatusReport.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Benchmarks
#include "BenchTiming.h"
#include "AnswerStartQuestions.h"
#include "BenchIndex.h"
#include "ui/frame/QueryWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/SearchCommands.h"
#include "ui/search/SearchView.h"

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kPattern[] = "*.txt";

class QuietSink : public SearchSink {
public:
    void SearchStarted(std::uint32_t) override {}
    void StatusText(const std::string&, bool) override {}
    void ResultsChanged() override {}
    void ShowMessage(const std::string&, MessageIcon) override {}
    void DeliverResults(SearchResults results) override { count = results.size(); }
    std::size_t count = 0;
};

CCondition Criteria(const std::string& folder)
{
    CCondition criteria;
    criteria.SetFolder(folder);
    criteria.SetPatterns(kPattern);
    return criteria;
}

double EngineAlone(const std::string& folder, std::size_t& found, const char* pattern = kPattern,
                  bool fastFind = false)
{
    QuietSink sink;
    std::atomic<int> state{WorkState::Running};
    CCondition criteria = Criteria(folder);
    criteria.SetPatterns(pattern);
    SearchOptions options;
    options.fastFind = fastFind;
    const Clock::time_point start = Clock::now();
    CSearchEngine engine(platform::SystemDirectoryLister(), sink, state);
    engine.Run({&criteria}, options);
    found = sink.count;
    return Seconds(start, Clock::now());
}

struct Timing {
    double engineEnd = 0;  // "Adding Results..." reached the window
    double runEnded = 0;   // UWM_RESULTSCHANGED handled
    double shown = 0;      // UWM_WORKDONE handled: the list filled
    int rows = 0;
};

// The window's texts arrive as posted reports or sent messages: a subclass
// notes the one that says the engine has ended, as the window takes it.
Clock::time_point g_engineEnd;
WNDPROC g_windowProc = nullptr;

LRESULT CALLBACK NoteEngineEnd(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const char* text = nullptr;
    if (message == UWM_STATUSTEXT && lParam == 1) text = reinterpret_cast<const char*>(wParam);
    const auto* report = reinterpret_cast<const StatusReport*>(wParam);
    if (message == UWM_STATUSREPORT && report && report->asIs) text = report->text.c_str();
    if (text && std::strcmp(text, kAddingResultsText) == 0) g_engineEnd = Clock::now();
    return ::CallWindowProcA(g_windowProc, hwnd, message, wParam, lParam);
}

Timing SearchInWindow(CQueryWindow& window, CSearchView& view, const std::string& folder)
{
    Timing timing;
    bool ended = false, shown = false;
    const Clock::time_point start = Clock::now();
    view.StartWith(Criteria(folder), false);
    MSG msg;
    while (!ended || !shown) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        const bool runEnd = msg.message == UWM_RESULTSCHANGED && msg.hwnd == window.Handle();
        const bool workDone = msg.message == UWM_WORKDONE && msg.hwnd == view.Handle();
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (runEnd) {
            ended = true;
            timing.runEnded = Seconds(start, Clock::now());
        }
        if (workDone) {
            // The list draws the rows it shows before the user sees them.
            ::UpdateWindow(view.List().Handle());
            shown = true;
            timing.shown = Seconds(start, Clock::now());
        }
    }
    timing.engineEnd = Seconds(start, g_engineEnd);
    timing.rows = view.RowCount();
    return timing;
}

// Pumps until the view's UWM_WORKDONE is handled and its rows drawn.
void PumpUntilShown(CSearchView& view)
{
    MSG msg;
    for (;;) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        const bool workDone = msg.message == UWM_WORKDONE && msg.hwnd == view.Handle();
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (workDone) {
            ::UpdateWindow(view.List().Handle());
            return;
        }
    }
}

void PumpFor(int milliseconds)
{
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(milliseconds);
    MSG msg;
    while (Clock::now() < until) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

int QuickFindFromTheIndex(CTrailmarkApp& app, std::string folder, int runs)
{
    if (folder.back() != '\\') folder += '\\';
    const Clock::time_point built = Clock::now();
    const std::size_t entries = BuildIndex(platform::SystemDirectoryLister(), folder, CEntryIndex::Instance());
    std::printf("index: %zu entries in %.3f s, %.1f bytes per entry\n", entries, Seconds(built, Clock::now()),
                static_cast<double>(CEntryIndex::Instance().BytesUsed()) / entries);
    app.Settings().SetSetting(Setting::FastFind, 1);
    app.Settings().SetSetting(Setting::QuickFindPlace, 2);
    const std::string shown = StatusFolderText(folder);
    if (!CWindowList::Instance().OpenWindow(shown, WindowKind::Folder, nullptr, 0)) return 1;
    PumpFor(3000);
    std::printf("| Quick Find | results | engine from the index s | command to engine end in the window s | "
                "command to results shown s |\n|---|---|---|---|---|\n");
    for (const char* pattern : {kPattern, "mid.dir3"}) {
        std::size_t found = 0;
        std::vector<double> engine, engineEnd, total;
        int rows = 0;
        for (int run = 0; run < runs; ++run) {
            engine.push_back(EngineAlone(shown, found, pattern, true));
            const Clock::time_point start = Clock::now();
            CQueryWindow* window = QuickFind(pattern);
            auto* view = window ? dynamic_cast<CSearchView*>(window->View()) : nullptr;
            if (!view) return 1;
            // The engine's texts are sent from its thread: they reach the
            // subclass only while this thread pumps, after it is in place.
            g_windowProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(window->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteEngineEnd)));
            g_engineEnd = start;
            PumpUntilShown(*view);
            total.push_back(Seconds(start, Clock::now()));
            engineEnd.push_back(Seconds(start, g_engineEnd));
            rows = view->RowCount();
            ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
            PumpFor(500);
        }
        std::printf("| %s | %d (engine %zu) | %.3f | %.3f | %.3f |\n", pattern, rows, found, Median(engine),
                    Median(engineEnd), Median(total));
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Each row is seen as it is measured, not when the program ends.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const bool quick = argc > 2 && std::strcmp(argv[1], "quick") == 0;
    if (quick) {
        --argc;
        ++argv;
    }
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: search_window_bench [quick] FOLDER [-runs]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 && argv[2][0] == '-' ? std::max(1, std::atoi(argv[2] + 1)) : 3;
    const int holdSeconds = argc > 3 && argv[3][0] == '-' ? std::max(0, std::atoi(argv[3] + 1)) : 0;
    // A message box would wait for a user, start-up's included: each is
    // printed and answered.
    ui::SetMessageHook([](const std::string& text, UINT) {
        std::printf("message: %s\n", text.c_str());
        return IDOK;
    });
    // The program reads its own command line at start and would open the
    // benchmark's words as a folder: it is given a plain start.
    __argc = 1;
    CTrailmarkApp app;
    if (!StartForBenchmark(app)) return 1;
    app.Settings().SetSetting(Setting::FastFind, 0);
    app.Settings().SetSetting(Setting::ViewMode, CFilesView::kDetailsMode);
    if (quick) {
        // A walk of every fixed drive (under Wine the whole host) would
        // compete with the runs and replace the tree's index when it ends.
        // The option is turned off in the profile for the next start.
        // (Its worker waits for the drives' watches before the walk begins.)
        const std::shared_ptr<std::atomic<int>> walk = app.FastFindState();
        const bool walking = walk && walk->load() == WorkState::Running;
        if (walking)
            std::fprintf(stderr, "Fast Find was on in the profile and walks every fixed drive: run again\n");
        const int result = walking ? 1 : QuickFindFromTheIndex(app, folder, runs);
        app.Settings().SetSetting(Setting::FastFind, 0);
        ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
        app.RunMessageLoop();
        app.ExitInstance();
        return result;
    }

    auto* window = dynamic_cast<CQueryWindow*>(
        CWindowList::Instance().OpenWindow("Search Bench", WindowKind::Search, nullptr, 0));
    auto* view = window ? dynamic_cast<CSearchView*>(window->View()) : nullptr;
    if (!view) return 1;
    g_windowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteEngineEnd)));

    std::size_t found = 0;
    EngineAlone(folder, found);  // warm the cache
    std::vector<double> engine, engineEnd, runEnded, shown, fill;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        engine.push_back(EngineAlone(folder, found));
        const Timing timing = SearchInWindow(*window, *view, folder);
        engineEnd.push_back(timing.engineEnd);
        runEnded.push_back(timing.runEnded);
        shown.push_back(timing.shown);
        fill.push_back(timing.shown - timing.engineEnd);
        rows = timing.rows;
    }
    const double engineTime = Median(engine);
    std::printf("| results | engine alone s | window: engine end s | run ended s | list shown s | ratio | shown after engine end s |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    std::printf("| %d (engine %zu) | %.3f | %.3f | %.3f | %.3f | %.2fx | %.3f |\n", rows, found, engineTime,
                Median(engineEnd), Median(runEnded), Median(shown), Median(shown) / engineTime, Median(fill));
    std::fflush(stdout);
    if (holdSeconds > 0) {
        ::ShowWindow(app.MainWindow(), SW_MAXIMIZE);
        ::SendMessageA(::GetParent(window->Handle()), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        const Clock::time_point until = Clock::now() + std::chrono::seconds(holdSeconds);
        MSG msg;
        while (Clock::now() < until) {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
