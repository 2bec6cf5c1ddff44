#pragma once
// Keeps the entry index current from a drive's change notices: each notice
// names a path below the drive root and what happened to it. Entries are read
// again from the disk rather than trusted from the notice, and whatever cannot
// be applied (a notice for a folder the index does not know, a lost buffer)
// is made good by listing the folders again.

// Core
#include "core/search/EntryIndex.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a change notice says happened; the platform's own numbers.
namespace ChangeAction {
inline constexpr std::uint32_t Added = 1;
inline constexpr std::uint32_t Removed = 2;
inline constexpr std::uint32_t Modified = 3;
inline constexpr std::uint32_t RenamedOldName = 4;
inline constexpr std::uint32_t RenamedNewName = 5;
// Ours: something in the folder named by the notice changed, under a name
// the program cannot hold; the folder is listed again.
inline constexpr std::uint32_t ListAgain = 0x100;
}  // namespace ChangeAction

struct ChangeNotice {
    std::uint32_t action = 0;
    std::string relative;  // below the drive root, "\"-separated, no leading "\"
};

// Turns a name as the platform reports it (UTF-16) into the program's code
// page; false when the code page cannot hold it.
using NarrowName = std::function<bool(const std::u16string& wide, std::string& narrow)>;

// Reads a change buffer as the platform fills it: records of a next-record
// offset, an action and a name length (32 bits each, little-endian), then the
// UTF-16 name; records start on 4-byte boundaries. None when a record does
// not fit, overlaps or names no path below the root: a damaged buffer is as
// good as a lost one. An empty buffer is a lost one too (the platform's
// buffer overflowed), so it gives none as well.
[[nodiscard]] std::optional<std::vector<ChangeNotice>> ReadChangeRecords(
    const unsigned char* data, std::size_t size, const NarrowName& narrow);

class IndexUpkeep {
public:
    // `walkRunning` says whether a folder-list walk builds a new index aside
    // (null: the process's walk).
    IndexUpkeep(platform::DirectoryLister& lister, CEntryIndex& index,
                const std::atomic<int>& state, std::function<bool()> walkRunning = {});

    // Applies one batch of notices of a drive, in order. Drives the index
    // does not cover are left alone: searches list them on disk.
    void Apply(char letter, const std::vector<ChangeNotice>& notices);
    // Every folder of the drive is listed again.
    void RelistDrive(char letter);
    // The drive's notices were lost (the buffer overflowed or came damaged):
    // a covered drive is listed again, and so is the drive in a walk's new index.
    void NoticesLost(char letter);
    // Notices applied while a walk built a new index aside are applied again
    // once that index has replaced the one they went to. Call it between
    // batches; it is cheap when nothing was replaced.
    void CatchUp();

    // Folders listed again since construction, for tests and the benchmark.
    int Relisted() const { return m_relisted; }

    // Notices kept for a walk's new index before the drives are listed again instead.
    static constexpr std::size_t kMaxJournal = 65536;

private:
    void ApplyOne(char letter, const ChangeNotice& notice);
    void ReRead(const std::string& folder, const std::string& name, bool added);
    void RelistFolder(const std::string& folder);
    void RelistNearestKnown(const std::string& folder);
    void Journal(char letter, const ChangeNotice* notice);

    struct Applied {
        char letter;
        ChangeNotice notice;
    };

    platform::DirectoryLister& m_lister;
    CEntryIndex& m_index;
    const std::atomic<int>& m_state;
    std::function<bool()> m_walkRunning;
    // The old name of a rename, until its new name arrives.
    std::string m_renamedFrom;
    int m_relisted = 0;
    // What was applied since the index's contents were last replaced, while
    // a walk may replace them; drives whose notices overflowed it.
    std::vector<Applied> m_journal;
    std::vector<char> m_journalRelist;
    std::uint32_t m_generation = 0;
};
