// What a folder window's view costs on the interface thread between listings,
// in a folder of 15,000 files, timed: a sort with every row selected, the end
// of a file operation on 100 of the rows, and the toolbar's update of the
// commands that ask the disk, the shell or the clipboard (with every row
// selected and a cut pending), per update.
//
// Usage: view_upkeep_bench [-runs]   (Windows only; under Wine: wine view_upkeep_bench.exe -5).

// Core
#include "core/app/Settings.h"
#include "core/folders/CutList.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Benchmarks
#include "BenchTiming.h"
#include "AnswerStartQuestions.h"
#include "ui/frame/ExplorerWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Standard library
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 15000;
constexpr int kOperationRows = 100;
constexpr int kUpdates = 100;
constexpr int kSizeSort = 3;

std::string MakeFolder()
{
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof(base), base);
    const std::string folder = std::string(base) + "tm-upkeep-bench";
    if (::CreateDirectoryA(folder.c_str(), nullptr)) {
        for (int i = 0; i < kFiles; ++i) {
            char name[64];
            std::snprintf(name, sizeof(name), "\\file%05d.txt", i);
            HANDLE file = ::CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
        }
    }
    return folder;
}

void PumpUntilIdle(CExplorerWindow& window)
{
    CExplorerView* view = window.ExplorerView();
    MSG msg;
    while (view->HasWorker() || view->HasIconThread() || view->NavigationPending() || window.AfterListingPending() ||
           ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 && argv[1][0] == '-' ? std::max(1, std::atoi(argv[1] + 1)) : 5;
    CTrailmarkApp app;
    if (!StartForBenchmark(app)) return 1;
    StartWithoutWindowsInDetails(app);
    const std::string folder = MakeFolder();
    auto* window = dynamic_cast<CExplorerWindow*>(
        CWindowList::Instance().OpenWindow(folder, WindowKind::Folder, nullptr, 0));
    if (!window) return 1;
    PumpUntilIdle(*window);
    // Only the benchmark changes the folder's rows.
    ::SendMessageA(window->Handle(), UWM_PAUSEWATCHERS, 0, 0);
    CExplorerView* view = window->ExplorerView();
    CFilesList& list = view->List();

    std::vector<double> sorts, operations, updates;
    for (int run = 0; run < runs; ++run) {
        list.SetState(-1, LVIS_SELECTED, LVIS_SELECTED);
        Clock::time_point start = Clock::now();
        view->OnCommand(ID_VIEW_ARRANGE_FIRST + kSizeSort);
        sorts.push_back(Seconds(start, Clock::now()));

        view->Cut();
        start = Clock::now();
        for (int update = 0; update < kUpdates; ++update)
            for (UINT id : {ID_EDIT_PASTE, ID_EDIT_COPY, ID_FILE_RECYCLE, ID_FILE_RENAME, ID_FILE_OPEN_WITH}) {
                ui::CommandState state;
                view->OnUpdateCommand(id, state);
            }
        updates.push_back(Seconds(start, Clock::now()) / kUpdates);
        CutList::Instance().Clear();

        list.SetState(-1, 0, LVIS_SELECTED);
        for (int row = 1; row <= kOperationRows; ++row) list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
        view->CheckSelection(SFGAO_CANDELETE, IDS_CANNOT_DELETE_SOME);
        start = Clock::now();
        ::SendMessageA(view->Handle(), UWM_OPERDONE, 1, 0);
        operations.push_back(Seconds(start, Clock::now()));
        PumpUntilIdle(*window);
    }
    std::printf("| rows | sort, all selected, s | operation end, %d items, s | toolbar update, all selected, ms |\n",
                kOperationRows);
    std::printf("|---|---|---|---|\n");
    std::printf("| %d | %.4f | %.4f | %.3f |\n", view->RowCount(), Median(sorts), Median(operations),
                Median(updates) * 1000);
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
