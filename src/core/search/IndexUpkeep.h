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
#include <cstdint>
#include <string>
#include <vector>

// What a change notice says happened; the platform's own numbers.
namespace ChangeAction {
inline constexpr std::uint32_t Added = 1;
inline constexpr std::uint32_t Removed = 2;
inline constexpr std::uint32_t Modified = 3;
inline constexpr std::uint32_t RenamedOldName = 4;
inline constexpr std::uint32_t RenamedNewName = 5;
}  // namespace ChangeAction

struct ChangeNotice {
    std::uint32_t action = 0;
    std::string relative;  // below the drive root, "\"-separated, no leading "\"
};

class IndexUpkeep {
public:
    IndexUpkeep(platform::DirectoryLister& lister, CEntryIndex& index,
                const std::atomic<int>& state);

    // Applies one batch of notices of a drive, in order.
    void Apply(char letter, const std::vector<ChangeNotice>& notices);
    // The notices were lost (the buffer overflowed or the watch failed):
    // every folder of the drive is listed again.
    void RelistDrive(char letter);

    // Folders listed again since construction, for tests and the benchmark.
    int Relisted() const { return m_relisted; }

private:
    void ReRead(const std::string& folder, const std::string& name, bool added);
    void RelistNearestKnown(const std::string& folder);

    platform::DirectoryLister& m_lister;
    CEntryIndex& m_index;
    const std::atomic<int>& m_state;
    // The old name of a rename, until its new name arrives.
    std::string m_renamedFrom;
    int m_relisted = 0;
};
