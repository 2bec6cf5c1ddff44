#pragma once
// Helpers of the search tests: a real folder tree in the temporary directory,
// a sink that records what the search tells its window, and listers at the
// seam (drive remapping, synthetic folders).

// Core
#include "core/search/SearchEngine.h"

// Tests
#include "core/app/TempFolder.h"

// Platform
#include "platform/DirectoryLister.h"
#ifndef _WIN32
#include "platform/posix/PosixDirectoryLister.h"
#endif

// Standard library
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace searchtest {

namespace fs = std::filesystem;

// A folder tree made for one test and removed after it. Natively it is reached
// as drive T:, under Windows by its real path.
class TempTree {
public:
    TempTree()
    {
#ifdef _WIN32
        m_root = m_host.Name() + "\\";
#else
        platform::SystemPosixLister().MapDrive('T', m_host.Name(), platform::DriveType::Fixed);
        m_root = "T:\\";
#endif
    }

    // The program's path of a relative path ("a/b.txt").
    std::string Path(const std::string& relative = "") const
    {
        std::string path = m_root + relative;
        for (char& c : path)
            if (c == '/') c = '\\';
        return path;
    }
    // The folder text a criteria names (no final "\").
    std::string Folder(const std::string& relative = "") const
    {
        return StatusFolderText(Path(relative));
    }

    void File(const std::string& relative, std::uint64_t size = 0) const
    {
        const fs::path path = m_host.Path() / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).put('x');
        fs::resize_file(path, size);
    }
    void Dir(const std::string& relative) const { fs::create_directories(m_host.Path() / relative); }
    // Where a relative path lies on the host, for changes made behind the
    // program's back.
    fs::path Host(const std::string& relative) const { return m_host.Path() / relative; }
    // A symbolic link to a directory; the target is relative to the link's folder.
    void Link(const std::string& relative, const std::string& target) const
    {
        fs::create_directory_symlink(target, m_host.Path() / relative);
    }
    void ReadOnly(const std::string& relative) const
    {
        fs::permissions(m_host.Path() / relative,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

private:
    TempFolder m_host;
    std::string m_root;
};

// Records what the search tells its window; `log` names every call in order.
class RecordingSink : public SearchSink {
public:
    void SearchStarted(std::uint32_t steps) override
    {
        startedSteps.push_back(steps);
        log.push_back("started");
    }
    void StatusText(const std::string& text, bool) override
    {
        statuses.push_back(text);
        log.push_back("text");
    }
    void ResultsChanged() override { log.push_back("changed"); }
    void ShowMessage(const std::string& text, MessageIcon) override
    {
        messages.push_back(text);
        log.push_back("message");
    }
    bool AdoptResult(FileItem& item) override
    {
        ++adopted;
        if (stopAfter && adopted >= stopAfter && state) state->store(WorkState::Stop);
        return dropName.empty() || item.name != dropName;
    }
    void DeliverResults(SearchResults results) override
    {
        for (auto& item : results) paths.push_back(item->path);
        items = std::move(results);
        log.push_back("deliver");
    }
    long Count(const char* call) const { return std::count(log.begin(), log.end(), call); }
    // Forgets what was recorded; the hooks stay.
    void Clear()
    {
        for (auto* list : {&statuses, &messages, &log, &paths}) list->clear();
        startedSteps.clear();
        items.clear();
        adopted = 0;
    }

    std::vector<std::uint32_t> startedSteps;
    std::vector<std::string> statuses, messages, log, paths;
    SearchResults items;
    // Test hooks: set the state word to Stop after this many results; drop a name.
    int adopted = 0;
    int stopAfter = 0;
    std::atomic<int>* state = nullptr;
    std::string dropName;
};

// Passes listings to another lister, counting them; drive roots named in the
// map are redirected to folders of the other lister and typed as given.
class RemappingLister : public platform::DirectoryLister {
public:
    explicit RemappingLister(platform::DirectoryLister& inner) : m_inner(inner) {}

    // Target folders end with "\\".
    void Drive(char letter, const std::string& target, platform::DriveType type)
    {
        m_drives[letter] = {target, type};
    }
    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        ++listings;
        return m_inner.List(Map(spec), visit);
    }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        auto it = m_drives.find(Letter(root));
        return it != m_drives.end() ? it->second.second : platform::DriveType::NoRootDir;
    }
    bool CanEnterFolder(const std::string& folder) override
    {
        return m_inner.CanEnterFolder(Map(folder));
    }
    // Counted by the search's helper threads too.
    std::atomic<int> listings{0};

private:
    struct Target {
        std::string folder;  // ends with "\"
        platform::DriveType type;
    };
    std::string Map(const std::string& path) const
    {
        auto it = m_drives.find(Letter(path));
        if (it == m_drives.end() || path.size() < 2 || path[1] != ':') return path;
        const std::size_t skip = path.size() > 2 && path[2] == '\\' ? 3 : 2;
        return it->second.first + path.substr(skip);
    }
    static char Letter(const std::string& path)
    {
        return path.empty() ? '?' : static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    }
    platform::DirectoryLister& m_inner;
    std::map<char, std::pair<std::string, platform::DriveType>> m_drives;
};

// Folders as a listing gives names the code page lost: "??" for each, told
// apart only by their short names. A pattern in a folder part lists
// nothing, as on the platform. Records every spec listed.
class LostNamesLister : public platform::DirectoryLister {
public:
    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        listed.push_back(spec);
        const std::size_t slash = spec.rfind('\\');
        const std::string folder = spec.substr(0, slash + 1);
        const platform::FindMask mask(spec.substr(slash + 1));
        if (folder.find('?') != std::string::npos) return false;
        bool found = false;
        for (const platform::FindEntry& entry : m_folders[folder]) {
            if (!mask.Matches(entry.name, entry.shortName)) continue;
            found = true;
            if (!visit(entry)) break;
        }
        return found;
    }
    platform::DriveType QueryDriveType(const std::string&) override { return platform::DriveType::Fixed; }
    bool CanEnterFolder(const std::string&) override { return true; }
    // `folder` ends with "\\".
    void Add(const std::string& folder, const std::string& name, const std::string& shortName,
             bool directory = false, std::uint64_t size = 0)
    {
        platform::FindEntry entry;
        entry.name = name;
        entry.shortName = shortName;
        entry.size = size;
        entry.attributes = directory ? platform::kAttrDirectory : platform::kAttrArchive;
        m_folders[folder].push_back(entry);
    }
    std::vector<std::string> listed;

private:
    std::map<std::string, std::vector<platform::FindEntry>> m_folders;
};

// Lists nothing; only the folders it is given can be entered, and drive N: is
// a network drive. Records the folders asked about.
class FolderSetLister : public platform::DirectoryLister {
public:
    explicit FolderSetLister(std::set<std::string> folders = {}) : m_folders(std::move(folders)) {}
    bool List(const std::string&, const platform::FindVisitor&) override { return false; }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        return root == "N:\\" ? platform::DriveType::Remote : platform::DriveType::Fixed;
    }
    bool CanEnterFolder(const std::string& folder) override
    {
        asked.push_back(folder);
        return m_folders.count(folder) != 0;
    }
    std::vector<std::string> asked;

private:
    std::set<std::string> m_folders;
};

// Drive S: holds `files` empty files named f0, f1, … and `folders` empty
// sub-folders named d0, d1, …; every sub-folder is empty.
class SyntheticLister : public platform::DirectoryLister {
public:
    SyntheticLister(int files, int folders) : m_files(files), m_folders(folders) {}
    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        const std::size_t slash = spec.rfind('\\');
        const platform::FindMask mask(spec.substr(slash + 1));
        const bool root = slash == 2;
        bool found = false;
        platform::FindEntry entry;
        auto offer = [&](const std::string& name, bool directory) {
            if (!mask.Matches(name, "")) return true;
            found = true;
            entry.name = name;
            entry.attributes = directory ? platform::kAttrDirectory : platform::kAttrArchive;
            return visit(entry);
        };
        if (!root) {
            if (offer(".", true)) offer("..", true);
            return found;
        }
        for (int i = 0; i < m_files; ++i)
            if (!offer("f" + std::to_string(i), false)) return true;
        for (int i = 0; i < m_folders; ++i)
            if (!offer("d" + std::to_string(i), true)) return true;
        return found;
    }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        return root == "S:\\" ? platform::DriveType::Fixed : platform::DriveType::NoRootDir;
    }
    bool CanEnterFolder(const std::string& folder) override { return !folder.empty(); }

private:
    int m_files;
    int m_folders;
};

// The search as the platform's FindFirstFileA does it: each pattern listed on
// its own, then "*.*" for the sub-folders. The engine must give the same
// results in the same order.
inline void ReferenceWalk(platform::DirectoryLister& lister, const std::string& folder,
                          const std::vector<std::string>& patterns, const CCondition& criteria,
                          std::vector<std::string>& out, std::map<std::string, bool>& seen)
{
    const std::int64_t now = CDateCondition::Now();
    for (const std::string& pattern : patterns)
        lister.List(folder + pattern, [&](const platform::FindEntry& entry) {
            const std::string path = folder + entry.name;
            if (entry.name != "." && entry.name != ".." && !seen[path] &&
                criteria.MatchesFound(entry, now)) {
                seen[path] = true;
                out.push_back(path);
            }
            return true;
        });
    std::vector<std::string> children;
    lister.List(folder + "*.*", [&](const platform::FindEntry& entry) {
        if (platform::IsFolderToDescend(entry)) children.push_back(folder + entry.name + "\\");
        return true;
    });
    for (const std::string& child : children)
        ReferenceWalk(lister, child, patterns, criteria, out, seen);
}

// Runs a test in a time zone nine hours ahead of UTC all year. Natively the
// zone is set here; a Windows process takes its zone when it starts, so there
// CTest runs these tests once more with TZ set (tests/CMakeLists.txt).
class TokyoTime {
public:
    TokyoTime()
    {
#ifndef _WIN32
        const char* previous = std::getenv("TZ");
        m_hadZone = previous != nullptr;
        if (previous) m_previous = previous;
        ::setenv("TZ", kZone, 1);
        ::tzset();
#endif
    }
    ~TokyoTime()
    {
#ifndef _WIN32
        if (m_hadZone) ::setenv("TZ", m_previous.c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
#endif
    }
    TokyoTime(const TokyoTime&) = delete;
    TokyoTime& operator=(const TokyoTime&) = delete;
    static bool Active()
    {
        const char* zone = std::getenv("TZ");
        return zone && std::string(zone) == kZone;
    }

private:
    static constexpr char kZone[] = "Asia/Tokyo";
    bool m_hadZone = false;
    std::string m_previous;
};

}  // namespace searchtest
