#pragma once
// Every entry of the indexed drives in memory, so that Fast Find can answer
// without listing a folder. Names live in one string pool and everything is
// linked by numbers, which keeps an entry near 44 bytes plus its names.
// One process-wide object: built by the folder-list worker, kept current by
// the index upkeep worker and read by searches.

// Platform
#include "platform/DirectoryLister.h"
#include "platform/Threads.h"

// Standard library
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CEntryIndex {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    // Names longer than this are cut; the platform's own limit is 259.
    static constexpr std::size_t kMaxNameLength = 0xFFFF;

    static CEntryIndex& Instance();

    CEntryIndex() = default;
    CEntryIndex(const CEntryIndex&) = delete;
    CEntryIndex& operator=(const CEntryIndex&) = delete;

    // --- Building and changes (the upkeep worker) -------------------------

    // Replaces the folder's entries with a fresh listing ("." and ".."
    // dropped). Sub-folders still listed keep what is known below them; the
    // others are forgotten. The folder must be a drive root or a known folder.
    bool SetListing(const std::string& folder, const std::vector<platform::FindEntry>& entries);
    // Adds the entry, or re-reads it when the folder holds the name already.
    bool PutEntry(const std::string& folder, const platform::FindEntry& entry);
    bool RemoveEntry(const std::string& folder, const std::string& name);
    // Moves an entry (and a folder's whole sub-tree) to a new name and folder.
    bool RenameEntry(const std::string& fromFolder, const std::string& fromName,
                     const std::string& toFolder, const std::string& toName);
    // Forgets a drive and everything on it.
    void ForgetDrive(char letter);
    // Marks a drive as wholly listed: searches below its root are answered here.
    void MarkCovered(char letter, bool covered);
    // Gives back the room the stores grew into while being filled.
    void Trim();
    // Takes over everything another index holds; the other is left empty.
    void TakeFrom(CEntryIndex& other);
    void Clear();

    // --- Reading (searches) -------------------------------------------------

    bool IsCovered(char letter) const;
    // Whether a walk of `folder` can be answered here: its drive is covered
    // and the folder is known.
    bool Covers(const std::string& folder) const;

    // Visits `folder` and every sub-folder below it depth first, sub-folders in
    // the order they were listed (links and junctions are entries, never walked
    // into). Each call gets the folder's path, made of `folder` as given and
    // the stored names, ending with "\", and its entries in listing order.
    // False from the visitor ends the walk. False when the folder is not known.
    using FolderVisitor =
        std::function<bool(const std::string& path, const std::vector<platform::FindEntry>& entries)>;
    bool VisitTree(const std::string& folder, const FolderVisitor& visit) const;

    // One folder's entries, in listing order; none when the folder is not known.
    [[nodiscard]] std::optional<std::vector<platform::FindEntry>> Listing(
        const std::string& folder) const;

    // Entries held; read without the lock, so the interface thread never
    // waits on upkeep.
    std::size_t Count() const { return m_count.load(std::memory_order_relaxed); }
    // Counts the times TakeFrom replaced the contents: upkeep applies again
    // what it applied to contents that a walk's new index has replaced.
    std::uint32_t Generation() const { return m_generation.load(); }
    std::size_t FolderCount() const;
    // Memory the entries, folders and names take.
    std::size_t BytesUsed() const;

private:
// 44 bytes on every compiler we build with: no padding after the names.
#pragma pack(push, 4)
    struct Entry {
        std::int64_t created;
        std::int64_t accessed;
        std::int64_t modified;
        std::uint64_t size;
        std::uint32_t attributes;
        std::uint32_t nameOffset;   // in m_pool: the name, then the short name
        std::uint16_t nameLength;
        std::uint8_t shortLength;
        std::uint8_t used;          // 0 on the free list
    };
#pragma pack(pop)
    struct Folder {
        std::uint32_t parent = kNone;  // kNone for a drive root
        std::uint32_t entry = kNone;   // its entry in the parent
        bool used = true;
        std::vector<std::uint32_t> entries;   // listing order
        std::vector<std::uint32_t> children;  // sub-folders walked into, listing order
    };

    std::uint32_t FindFolder(const std::string& folder) const;
    std::uint32_t FindChild(std::uint32_t folder, const char* name, std::size_t length) const;
    std::uint32_t FindEntry(std::uint32_t folder, const std::string& name) const;
    std::uint32_t NewEntry(const platform::FindEntry& found);
    void StoreNames(Entry& entry, const std::string& name, const std::string& shortName);
    void FreeEntry(std::uint32_t entry);
    std::uint32_t NewFolder(std::uint32_t parent, std::uint32_t entry);
    void FreeFolder(std::uint32_t folder);
    void ReadEntry(std::uint32_t entry, platform::FindEntry& out) const;
    bool NameIs(std::uint32_t entry, const char* name, std::size_t length) const;
    bool IsWalkedFolder(std::uint32_t entry) const;
    void CompactPoolIfWasteful();

    // m_mutex guards every field below it, except m_count, which is atomic
    // and written only under the lock.
    mutable platform::Lock m_mutex;
    std::vector<Entry> m_entries;
    std::vector<Folder> m_folders;
    std::vector<std::uint32_t> m_freeEntries;
    std::vector<std::uint32_t> m_freeFolders;
    std::string m_pool;
    std::size_t m_poolWaste = 0;  // bytes of names no entry uses
    std::array<std::uint32_t, 26> m_roots = FreshRoots();
    std::array<bool, 26> m_covered{};
    std::atomic<std::size_t> m_count{0};
    std::atomic<std::uint32_t> m_generation{0};

    static std::array<std::uint32_t, 26> FreshRoots();
};
