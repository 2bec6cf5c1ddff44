// Expanding a folder-tree item whose folder holds 2,000 folders, timed
// beside a bare FindFirstFileA enumeration of the same folder in the same
// run; then, with that item expanded and watched, a folder made inside it:
// the longest the interface thread spends on one message until the new
// folder shows in the tree.
//
// Usage: tree_bench [-runs]   (Windows only; under Wine: wine tree_bench.exe -5).

// Core
#include "core/app/Settings.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Benchmarks
#include "BenchTiming.h"
#include "AnswerStartQuestions.h"
#include "ui/explorer/ExplorerBar.h"
#include "ui/folders/NameSpaceNode.h"
#include "ui/folders/Shell.h"
#include "ui/framework/ComPtr.h"
#include "ui/frame/WindowList.h"

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kFolders = 2000;

// %TEMP%\tm-tree-bench\big with the folders; made once.
std::string MakeFolders(std::string& parent)
{
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof(base), base);
    parent = std::string(base) + "tm-tree-bench";
    ::CreateDirectoryA(parent.c_str(), nullptr);
    const std::string folder = parent + "\\big";
    if (::CreateDirectoryA(folder.c_str(), nullptr)) {
        for (int i = 0; i < kFolders; ++i) {
            char name[32];
            std::snprintf(name, sizeof(name), "\\dir%05d", i);
            ::CreateDirectoryA((folder + name).c_str(), nullptr);
        }
    }
    return folder;
}

double BareEnumeration(const std::string& folder, int& folders)
{
    const Clock::time_point start = Clock::now();
    WIN32_FIND_DATAA data;
    folders = 0;
    HANDLE find = ::FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != '.') ++folders;
        while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    return Seconds(start, Clock::now());
}

// Dispatches what is queued; gives the longest single dispatch in seconds.
double PumpQueued()
{
    double longest = 0;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const Clock::time_point start = Clock::now();
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        longest = std::max(longest, Seconds(start, Clock::now()));
    }
    return longest;
}

int ChildCount(CDesktopTree& tree, HTREEITEM item)
{
    int count = 0;
    for (HTREEITEM child = tree.FirstChild(item); child; child = tree.NextSibling(child)) ++count;
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 && argv[1][0] == '-' ? std::max(1, std::atoi(argv[1] + 1)) : 5;
    CTrailmarkApp app;
    if (!StartForBenchmark(app)) return 1;
    CDesktopTree* tree = FolderTree();
    if (!tree) return 1;

    std::string parent;
    const std::string folder = MakeFolders(parent);
    int folders = 0;
    BareEnumeration(folder, folders);  // warm the cache
    std::vector<double> bare, expand, shown, blocked, appeared;
    for (int run = 0; run < runs; ++run) {
        PumpQueued();
        bare.push_back(BareEnumeration(folder, folders));
        // The parent listed again: its "big" item is new and not yet listed.
        HTREEITEM parentItem = tree->FindOrListPath(parent);
        if (!parentItem) return 1;
        tree->RefreshItem(parentItem);
        HTREEITEM item = tree->FindOrListPath(folder);
        if (!item) return 1;
        PumpQueued();
        const Clock::time_point start = Clock::now();
        tree->Expand(item, TVE_EXPAND);
        expand.push_back(Seconds(start, Clock::now()));
        ::UpdateWindow(tree->Handle());
        PumpQueued();
        shown.push_back(Seconds(start, Clock::now()));
        if (ChildCount(*tree, item) != folders) {
            std::printf("the tree shows %d folders of %d\n", ChildCount(*tree, item), folders);
            return 1;
        }

        // A folder comes while the item is watched.
        const std::string added = folder + "\\added" + std::to_string(run);
        const Clock::time_point made = Clock::now();
        ::CreateDirectoryA(added.c_str(), nullptr);
        double longest = 0;
        while (!tree->FindPath(added) && Seconds(made, Clock::now()) < 20) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            longest = std::max(longest, PumpQueued());
        }
        appeared.push_back(tree->FindPath(added) ? Seconds(made, Clock::now()) : -1);
        blocked.push_back(longest);
        ::RemoveDirectoryA(added.c_str());
        // Its removal reported and listed before the next run.
        const Clock::time_point removed = Clock::now();
        while (tree->FindPath(added) && Seconds(removed, Clock::now()) < 20) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            PumpQueued();
        }
    }
    // Where the time goes: the listing as the tree makes it, and the same
    // listing asking the shell for every item's own icon, as it once did.
    {
        NameSpaceNode node;
        node.absoluteId = ui::Pidl(ui::PidlClone(tree->NodeOf(tree->FindOrListPath(folder))->absoluteId.Get()));
        Clock::time_point start = Clock::now();
        std::vector<NameSpaceNode> nodes = ChildNodes(node, nullptr);
        std::printf("listing as the tree makes it: %.4f s for %zu folders\n", Seconds(start, Clock::now()), nodes.size());
        ui::ComPtr<IShellFolder> shellFolder = shell::BindFolder(node.absoluteId.Get());
        ui::ComPtr<IEnumIDList> items;
        start = Clock::now();
        int named = 0;
        double icons = 0;
        if (shellFolder && shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS, items.Out()) == S_OK && items) {
            for (;;) {
                ui::Pidl relative;
                ULONG fetched = 0;
                if (items->Next(1, relative.Out(), &fetched) != S_OK || fetched != 1) break;
                shell::DisplayName(shellFolder.Get(), relative.Get(), SHGDN_INFOLDER);
                shell::DisplayName(shellFolder.Get(), relative.Get(), SHGDN_FORPARSING);
                ui::Pidl absolute(ui::PidlAppend(node.absoluteId.Get(), relative.Get()));
                const Clock::time_point icon = Clock::now();
                shell::IconOfPidl(absolute.Get());
                icons += Seconds(icon, Clock::now());
                ++named;
            }
        }
        std::printf("listing with each item's own icon: %.4f s, of which the icons %.4f s, for %d folders\n",
                    Seconds(start, Clock::now()), icons, named);
    }
    const double bareTime = Median(bare);
    std::printf("| folders | bare FindFirstFileA s | expand s | ratio | shown s | ratio | new folder shown s | "
                "longest message while it came s |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    std::printf("| %d | %.4f | %.4f | %.1fx | %.4f | %.1fx | %.3f | %.3f |\n", folders, bareTime, Median(expand),
                Median(expand) / bareTime, Median(shown), Median(shown) / bareTime, Median(appeared),
                Median(blocked));
    std::fflush(stdout);
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    return app.ExitInstance();
}
