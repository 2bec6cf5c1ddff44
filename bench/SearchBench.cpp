// Times the search engine over a generated tree: the walking search with one
// and two listing threads, Fast Find with a ready folder table, each for a
// name pattern and a size test, beside a bare walk that only lists "*.*" in
// every folder (what the platform cannot go below). Fast Find from the entry
// index is timed beside them, with the cost of building the index and its
// memory per entry.
//
//   search_bench generate HOSTDIR     makes the tree (about 200,000 files)
//   search_bench run FOLDER [RUNS]    times every mode, median of RUNS
//
// Natively FOLDER is a host folder (reached as drive T:); under Windows it is
// the folder's own path.

// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderListWalk.h"
#include "core/search/FolderTable.h"
#include "core/search/SearchEngine.h"

// Platform
#include "platform/DirectoryLister.h"
#ifndef _WIN32
#include "platform/posix/PosixDirectoryLister.h"
#endif

// Benchmarks
#include "BenchIndex.h"

// Standard library
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kTopFolders = 20;
constexpr int kMiddleFolders = 20;
constexpr int kLeafFolders = 50;
constexpr int kFilesPerLeaf = 10;
constexpr int kDefaultRuns = 3;

// Names that make a matcher work: no extension, several dots, leading dots,
// long extensions, upper case. Even leaves hold the one real "*.txt" file of
// their row and the one big file, so that both timed searches find 10,000
// files (below the result limit) and still walk the whole tree. Long
// extensions that begin with "txt" are also found through their 8.3 names
// where the platform makes them, so they sit in every 25th leaf only.
const char* const kEvenNames[kFilesPerLeaf] = {"notes.txt", "README", "archive.tar.gz",
                                               ".hidden.text", "page.tx2", "index.htmlx",
                                               "REPORT.TXX", "a.b.c.d", "photo.jpeg",
                                               "data.tix"};
const char* const kOddNames[kFilesPerLeaf] = {"notes.text", "README", "archive.tar.gz",
                                              ".hidden", "page.tx2", "index.htmlx",
                                              "REPORT.TXX", "a.b.c.d", "photo.jpeg",
                                              "data.tix"};
const char* const kTxtLookalikes[kFilesPerLeaf] = {"notes.text", "README", "archive.tar.gz",
                                                   ".hidden", "page.txt2", "index.htmlx",
                                                   "REPORT.TXTX", "a.b.c.d", "photo.jpeg",
                                                   "data.txtx"};
constexpr int kLookalikeEvery = 25;
constexpr int kBigFile = 2;
constexpr std::uintmax_t kBigSize = 65536;  // sparse; "greater than 48 KB" finds these
constexpr std::uint32_t kSizeTestKB = 48;

int Generate(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    long files = 0;
    for (int top = 0; top < kTopFolders; ++top)
        for (int middle = 0; middle < kMiddleFolders; ++middle)
            for (int leaf = 0; leaf < kLeafFolders; ++leaf) {
                const fs::path folder = root / ("Top" + std::to_string(top)) /
                                        ("mid.dir" + std::to_string(middle)) /
                                        ("leaf" + std::to_string(leaf));
                fs::create_directories(folder);
                const bool even = leaf % 2 == 0;
                const char* const* names = even ? kEvenNames
                                           : leaf % kLookalikeEvery == 1 ? kTxtLookalikes
                                                                         : kOddNames;
                for (int i = 0; i < kFilesPerLeaf; ++i) {
                    const fs::path file = folder / (std::to_string(i) + names[i]);
                    std::ofstream(file, std::ios::binary) << std::string(static_cast<std::size_t>(i * 97), 'x');
                    if (even && i == kBigFile) fs::resize_file(file, kBigSize);
                    ++files;
                }
            }
    std::printf("generated %ld files under %s\n", files, root.string().c_str());
    return 0;
}

class CountingSink : public SearchSink {
public:
    void SearchStarted(std::uint32_t) override {}
    void StatusText(const std::string&, bool) override {}
    void ResultsChanged() override {}
    void ShowMessage(const std::string& text, MessageIcon) override
    {
        std::printf("message: %s\n", text.c_str());
    }
    void DeliverResults(SearchResults results) override { count = results.size(); }
    std::size_t count = 0;
};

struct Timing {
    double seconds;
    std::size_t found;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Timing TimeIt(int runs, const std::function<std::size_t()>& work)
{
    std::vector<double> times;
    std::size_t found = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        found = work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return {Median(times), found};
}

// Lists "*.*" in every folder, nothing else.
std::size_t BareWalk(platform::DirectoryLister& lister, const std::string& folder,
                     std::vector<std::string>* folders)
{
    if (folders) folders->push_back(folder);
    std::size_t entries = 0;
    std::vector<std::string> children;
    lister.List(folder + "*.*", [&](const platform::FindEntry& entry) {
        if (entry.name == "." || entry.name == "..") return true;
        ++entries;
        if (entry.attributes & platform::kAttrDirectory) children.push_back(folder + entry.name + "\\");
        return true;
    });
    for (const std::string& child : children) entries += BareWalk(lister, child, folders);
    return entries;
}

// The search as the platform alone would do it: the pattern listed in each
// folder, then "*.*" for the sub-folders (two listings per folder).
std::size_t PerPatternWalk(platform::DirectoryLister& lister, const std::string& folder,
                           const std::string& pattern)
{
    std::size_t found = 0;
    lister.List(folder + pattern, [&](const platform::FindEntry& entry) {
        found += entry.name != "." && entry.name != "..";
        return true;
    });
    std::vector<std::string> children;
    lister.List(folder + "*.*", [&](const platform::FindEntry& entry) {
        if ((entry.attributes & platform::kAttrDirectory) && entry.name != "." && entry.name != "..")
            children.push_back(folder + entry.name + "\\");
        return true;
    });
    for (const std::string& child : children) found += PerPatternWalk(lister, child, pattern);
    return found;
}

int Run(const std::string& hostFolder, int runs)
{
    platform::DirectoryLister& lister = platform::SystemDirectoryLister();
#ifdef _WIN32
    std::string folder = hostFolder;
#else
    platform::SystemPosixLister().MapDrive('T', hostFolder, platform::DriveType::Fixed);
    std::string folder = "T:\\";
#endif
    if (folder.back() != '\\') folder += '\\';

    std::vector<std::string> folders;
    const std::size_t entries = BareWalk(lister, folder, &folders);
    CFolderTable table;
    table.Fill(folders);
    table.MarkReady();
    std::printf("tree: %zu entries in %zu folders\n", entries, folders.size());
    CEntryIndex index;
    BuildIndex(lister, folder, index);
    std::printf("index: %zu entries, %zu bytes, %.1f bytes per entry\n", index.Count(),
                index.BytesUsed(), static_cast<double>(index.BytesUsed()) / index.Count());

    CCondition text;
    text.SetFolder(StatusFolderText(folder));
    text.SetPatterns("*.txt");
    CCondition size = text;
    size.SetPatterns("*.*");
    size.SetSizeSelector(SizeKind::Greater);
    size.Size(SizeKind::Greater).unit = SizeUnit::Kilobytes;
    size.Size(SizeKind::Greater).low = kSizeTestKB;

    auto search = [&](const CCondition& criteria, bool fast, bool twoThreads,
                      bool fromIndex = false) {
        return [&, fast, twoThreads, fromIndex] {
            std::atomic<int> state{WorkState::Running};
            CountingSink sink;
            CSearchEngine engine(lister, sink, state);
            SearchOptions options;
            options.fastFind = fast;
            options.secondThread = twoThreads;
            options.folderTable = &table;
            options.useEntryIndex = fromIndex;
            options.entryIndex = &index;
            engine.Run({&criteria}, options);
            return sink.count;
        };
    };
    struct Mode {
        const char* name;
        std::function<std::size_t()> work;
    };
    const Mode modes[] = {
        {"bare walk, *.* listing only", [&] { return BareWalk(lister, folder, nullptr); }},
        {"per-pattern listing walk *.txt", [&] { return PerPatternWalk(lister, folder, "*.txt"); }},
        {"walk *.txt, 1 thread", search(text, false, false)},
        {"walk *.txt, 2 threads", search(text, false, true)},
        {"walk size > 48 KB, 1 thread", search(size, false, false)},
        {"walk size > 48 KB, 2 threads", search(size, false, true)},
        {"fast find *.txt, 1 thread", search(text, true, false)},
        {"fast find *.txt, 2 threads", search(text, true, true)},
        {"fast find size > 48 KB, 2 threads", search(size, true, true)},
        {"folder-list walk (folders only)", [&] {
             std::vector<std::string> walked;
             BareWalk(lister, folder, &walked);
             return walked.size();
         }},
        {"index build (walk and store)", [&] { return BuildIndex(lister, folder, index); }},
        {"index *.txt", search(text, true, false, true)},
        {"index size > 48 KB", search(size, true, false, true)},
    };
    double bare = 0;
    for (const Mode& mode : modes) {
        const Timing timing = TimeIt(runs, mode.work);
        if (bare == 0) bare = timing.seconds;
        std::printf("%-34s %8.3f s  %8zu found  %10.0f entries/s  %5.2fx bare\n", mode.name,
                    timing.seconds, timing.found, static_cast<double>(entries) / timing.seconds,
                    timing.seconds / bare);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "generate" && argc > 2) return Generate(argv[2]);
    if (command == "run" && argc > 2) return Run(argv[2], argc > 3 ? std::atoi(argv[3]) : kDefaultRuns);
    std::fprintf(stderr, "usage: search_bench generate HOSTDIR | run FOLDER [RUNS]\n");
    return 2;
}
