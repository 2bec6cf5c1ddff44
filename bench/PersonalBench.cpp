// A personal folder of every file below a tree, timed: from the open command
// to its list shown (the results file read on a worker under the progress
// dialog, each record's details read from the disk, the list filled), beside
// a bare loop that reads each record's size, times and attributes with
// FindFirstFileA on its path, in the same run.
//
// Usage: personal_bench FOLDER [-runs [-hold]]   (Windows only; under Wine:
// wine personal_bench.exe 'Z:\tmp\tm-personal-tree' -5). "bench/run_bench.sh personal"
// makes the tree: 15,000 files in 1,500 folders. With a hold in seconds the
// folder's window stays up that long, then "Update All" runs over a second
// folder searching the tree and is stopped after the same time, for a look
// at both.

// Core
#include "core/app/Settings.h"
#include "core/search/ResultsFile.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Benchmarks
#include "BenchTiming.h"
#include "AnswerStartQuestions.h"
#include "ui/frame/PersonalWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/PersonalView.h"
#include "ui/search/UpdateAllDlg.h"

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Every file below `folder`, in the order of a walk: folder by folder.
void CollectFiles(const std::string& folder, std::vector<std::string>& files)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> subfolders;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) subfolders.push_back(folder + "\\" + name);
        else files.push_back(folder + "\\" + name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    for (const std::string& subfolder : subfolders) CollectFiles(subfolder, files);
}

double BareLoop(const std::vector<std::string>& files, double& sum)
{
    const Clock::time_point start = Clock::now();
    sum = 0;
    for (const std::string& path : files) {
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(path.c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        ::FindClose(find);
        sum += static_cast<double>(data.nFileSizeLow) + data.ftLastWriteTime.dwLowDateTime % 2 + data.dwFileAttributes % 2;
    }
    return Seconds(start, Clock::now());
}

void Pump(const std::function<bool()>& done)
{
    MSG msg;
    while (!done()) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The results file read alone, under its dialog.
double LoadAlone(CPersonalFolder& folder, HWND owner)
{
    folder.DiscardItems();
    folder.SetLoaded(false);
    const Clock::time_point start = Clock::now();
    folder.LoadResults(owner);
    return Seconds(start, Clock::now());
}

// Opens the folder and waits for its list; the window closes after. A folder
// not loaded is read first.
double OpenAndShow(CPersonalFolder& folder, int& rows, bool keepOpen, bool loaded)
{
    if (!loaded) {
        folder.DiscardItems();
        folder.SetLoaded(false);
    }
    const Clock::time_point start = Clock::now();
    auto* window = dynamic_cast<CPersonalWindow*>(OpenPersonalFolder(folder));
    if (!window) return 0;
    CPersonalView* view = window->PersonalView();
    Pump([&] { return !view->HasWorker() && !folder.RefreshPending(); });
    // The list draws the rows it shows before the user sees them.
    ::UpdateWindow(view->List().Handle());
    const double seconds = Seconds(start, Clock::now());
    rows = view->RowCount();
    if (!keepOpen) ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    return seconds;
}

void Hold(int seconds)
{
    const Clock::time_point until = Clock::now() + std::chrono::seconds(seconds);
    Pump([&] { return Clock::now() >= until; });
}

void CALLBACK StopUpdateAll(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND dialog = ::FindWindowA(nullptr, "Updating All Folders");
    if (dialog) ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: personal_bench FOLDER [-runs [-hold]]\n");
        return 2;
    }
    const std::string tree = argv[1];
    const int runs = argc > 2 && argv[2][0] == '-' ? std::max(1, std::atoi(argv[2] + 1)) : 3;
    const int holdSeconds = argc > 3 && argv[3][0] == '-' ? std::max(0, std::atoi(argv[3] + 1)) : 0;
    CTrailmarkApp app;
    if (!StartForBenchmark(app)) return 1;
    ui::SetMessageHook([](const std::string& text, UINT) {
        std::printf("message: %s\n", text.c_str());
        return IDOK;
    });
    app.Settings().SetSetting(Setting::ViewMode, CFilesView::kDetailsMode);

    std::vector<std::string> files;
    CollectFiles(tree, files);
    CPersonalList& list = *app.PersonalFolders();
    list.RemoveAllFolders();
    std::unique_ptr<CPersonal> made = list.MakeFolder(0);
    made->SetName("Bench");
    auto* folder = static_cast<CPersonalFolder*>(list.Append(std::move(made)));
    ResultsWriter writer;
    for (const std::string& path : files) {
        FileItem item;
        item.path = path;
        item.name = path.substr(path.find_last_of('\\') + 1);
        writer.Add(item);
    }
    if (!SaveResultsFile(folder->ResultsFile(), writer.Bytes())) return 1;

    double sum = 0;
    BareLoop(files, sum);  // warm the cache
    std::vector<double> bare, shown, load, fill;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(BareLoop(files, sum));
        load.push_back(LoadAlone(*folder, app.MainWindow()));
        fill.push_back(OpenAndShow(*folder, rows, false, true));
        shown.push_back(OpenAndShow(*folder, rows, holdSeconds > 0 && run == runs - 1, false));
    }
    std::printf("| records | bare loop s | open to list shown s | ratio | of which: read s | list filled s |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| %d (file %zu) | %.3f | %.3f | %.2fx | %.3f | %.3f |\n", rows, files.size(), Median(bare),
                Median(shown), Median(shown) / Median(bare), Median(load), Median(fill));
    std::fflush(stdout);
    if (holdSeconds > 0) {
        ::ShowWindow(app.MainWindow(), SW_MAXIMIZE);
        Hold(holdSeconds);
        std::unique_ptr<CPersonal> searching = list.MakeFolder(0);
        searching->SetName("Texts");
        CCondition criteria("Texts");
        criteria.SetFolder(tree);
        criteria.SetPatterns("*.txt");
        searching->AddCriteria(criteria);
        list.Append(std::move(searching));
        ::SetTimer(nullptr, 0, static_cast<UINT>(holdSeconds) * 1000, StopUpdateAll);
        UpdateAllPersonalFolders(app.MainWindow());
    }
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
