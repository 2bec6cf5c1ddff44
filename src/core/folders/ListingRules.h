#pragma once
// The decisions of a folder listing that do not need the shell: how many
// items are kept, how icons are found, which rows get overlays, and the sum
// of the file sizes shown in the status bar.

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <array>
#include <cstddef>
#include <string>

namespace listing {

inline constexpr std::size_t kMaxItems = 15000;
// From this many items on, a local folder gets icons by extension first.
inline constexpr std::size_t kQuickIconThreshold = 100;
inline constexpr std::size_t kMaxLinkItems = 100;
inline constexpr std::size_t kMaxSharedItems = 30;

enum class IconPlan {
    Quick,    // folders by their identifier, files by extension only: no file access
    PerItem,  // each item's own icon, shortcuts and shares collected for overlays
    Network   // shares by the prepared indices, files by extension
};

struct FolderKind {
    bool virtualFolder = false;  // the folder's path holds no "\"
    bool networkFolder = false;  // below the network or on a remote drive
    bool slowMedia = false;      // network, CD-ROM or removable drive
};

IconPlan ChooseIconPlan(const FolderKind& kind, std::size_t itemCount);
// Exact icons and details come later from the icon thread.
bool NeedsIconThread(const FolderKind& kind, std::size_t itemCount);
FolderKind ClassifyFolder(const std::string& folderPath, platform::DriveType driveType,
                          bool belowNetwork);

// A drive root as a share: "C:\" (three characters ending in ":\") or two
// characters ending in "\".
bool IsDriveRootPath(const std::string& path);

// A fixed array that keeps its last slot for the newest entry once full: when
// the count reaches the capacity it is set back by one, so the slot is
// overwritten by every later entry and that entry is not counted.
template <typename T, std::size_t Capacity>
class CappedSlots {
public:
    void Add(T value)
    {
        m_slots[m_count++] = value;
        if (m_count == Capacity) m_count = Capacity - 1;
    }
    std::size_t Count() const { return m_count; }
    const T& operator[](std::size_t index) const { return m_slots[index]; }
    const T& Slot(std::size_t index) const { return m_slots[index]; }
    void Clear() { m_count = 0; }

private:
    std::array<T, Capacity> m_slots{};
    std::size_t m_count = 0;
};

// The sum of the sizes of the files (not folders) that "folder\pattern"
// lists; the folder may end in "\" or not.
double SumFileSizes(platform::DirectoryLister& lister, const std::string& folder,
                    const std::string& pattern);

// "folder\pattern": the folder (with its final "\") and the pattern after the
// last "\". False when the text has no "\" or its last part no wildcard.
bool SplitMaskPath(const std::string& path, std::string& folder, std::string& pattern);

}  // namespace listing
