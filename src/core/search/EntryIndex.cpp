#include "core/search/EntryIndex.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr std::size_t kDriveRootLength = 3;  // "C:\"
constexpr int kLetterCount = 26;
constexpr std::size_t kMaxShortLength = 0xFF;
// The pool is rewritten once this much of it, and half of it, is unused.
constexpr std::size_t kCompactWaste = 256 * 1024;

int LetterIndex(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return -1;
    const int letter = std::toupper(static_cast<unsigned char>(path[0]));
    return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}

int LetterIndex(char letter)
{
    const int upper = std::toupper(static_cast<unsigned char>(letter));
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

bool SameName(const char* a, const char* b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

CEntryIndex& CEntryIndex::Instance()
{
    static CEntryIndex index;
    return index;
}

std::array<std::uint32_t, 26> CEntryIndex::FreshRoots()
{
    std::array<std::uint32_t, 26> roots{};
    roots.fill(kNone);
    return roots;
}

// --- Finding ------------------------------------------------------------------

std::uint32_t CEntryIndex::FindFolder(const std::string& folder) const
{
    const int letter = LetterIndex(folder);
    if (letter < 0 || folder.size() < kDriveRootLength - 1) return kNone;
    if (folder.size() > 2 && folder[2] != '\\') return kNone;
    std::uint32_t current = m_roots[static_cast<std::size_t>(letter)];
    std::size_t start = kDriveRootLength;
    while (current != kNone && start < folder.size()) {
        std::size_t end = folder.find('\\', start);
        if (end == std::string::npos) end = folder.size();
        if (end > start) current = FindChild(current, folder.data() + start, end - start);
        start = end + 1;
    }
    return current;
}

std::uint32_t CEntryIndex::FindChild(std::uint32_t folder, const char* name,
                                     std::size_t length) const
{
    for (std::uint32_t child : m_folders[folder].children)
        if (NameIs(m_folders[child].entry, name, length)) return child;
    return kNone;
}

std::uint32_t CEntryIndex::FindEntry(std::uint32_t folder, const std::string& name) const
{
    for (std::uint32_t entry : m_folders[folder].entries)
        if (NameIs(entry, name.data(), name.size())) return entry;
    return kNone;
}

bool CEntryIndex::NameIs(std::uint32_t entry, const char* name, std::size_t length) const
{
    const Entry& stored = m_entries[entry];
    return stored.nameLength == length && SameName(m_pool.data() + stored.nameOffset, name, length);
}

bool CEntryIndex::IsWalkedFolder(std::uint32_t entry) const
{
    const std::uint32_t attributes = m_entries[entry].attributes;
    return (attributes & (platform::kAttrDirectory | platform::kAttrReparsePoint)) ==
           platform::kAttrDirectory;
}

// --- Storage ------------------------------------------------------------------

void CEntryIndex::StoreNames(Entry& entry, const std::string& name, const std::string& shortName)
{
    const std::size_t nameLength = std::min(name.size(), kMaxNameLength);
    const std::size_t shortLength = std::min(shortName.size(), kMaxShortLength);
    entry.nameOffset = static_cast<std::uint32_t>(m_pool.size());
    entry.nameLength = static_cast<std::uint16_t>(nameLength);
    entry.shortLength = static_cast<std::uint8_t>(shortLength);
    m_pool.append(name, 0, nameLength);
    m_pool.append(shortName, 0, shortLength);
}

std::uint32_t CEntryIndex::NewEntry(const platform::FindEntry& found)
{
    Entry entry{};
    entry.created = found.created;
    entry.accessed = found.accessed;
    entry.modified = found.modified;
    entry.size = found.size;
    entry.attributes = found.attributes;
    entry.used = 1;
    StoreNames(entry, found.name, found.shortName);
    std::uint32_t id;
    if (!m_freeEntries.empty()) {
        id = m_freeEntries.back();
        m_freeEntries.pop_back();
        m_entries[id] = entry;
    } else {
        id = static_cast<std::uint32_t>(m_entries.size());
        m_entries.push_back(entry);
    }
    m_count.store(m_count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    return id;
}

void CEntryIndex::FreeEntry(std::uint32_t entry)
{
    Entry& stored = m_entries[entry];
    m_poolWaste += stored.nameLength + stored.shortLength;
    stored.used = 0;
    m_freeEntries.push_back(entry);
    m_count.store(m_count.load(std::memory_order_relaxed) - 1, std::memory_order_relaxed);
}

std::uint32_t CEntryIndex::NewFolder(std::uint32_t parent, std::uint32_t entry)
{
    std::uint32_t id;
    if (!m_freeFolders.empty()) {
        id = m_freeFolders.back();
        m_freeFolders.pop_back();
    } else {
        id = static_cast<std::uint32_t>(m_folders.size());
        m_folders.emplace_back();
    }
    Folder& folder = m_folders[id];
    folder.parent = parent;
    folder.entry = entry;
    folder.used = true;
    return id;
}

void CEntryIndex::FreeFolder(std::uint32_t folder)
{
    std::vector<std::uint32_t> entries, children;
    entries.swap(m_folders[folder].entries);
    children.swap(m_folders[folder].children);
    for (std::uint32_t entry : entries) FreeEntry(entry);
    for (std::uint32_t child : children) FreeFolder(child);
    m_folders[folder].used = false;
    m_folders[folder].parent = kNone;
    m_folders[folder].entry = kNone;
    m_freeFolders.push_back(folder);
}

void CEntryIndex::ReadEntry(std::uint32_t entry, platform::FindEntry& out) const
{
    const Entry& stored = m_entries[entry];
    const char* names = m_pool.data() + stored.nameOffset;
    out.name.assign(names, stored.nameLength);
    out.shortName.assign(names + stored.nameLength, stored.shortLength);
    out.attributes = stored.attributes;
    out.size = stored.size;
    out.created = stored.created;
    out.accessed = stored.accessed;
    out.modified = stored.modified;
}

// Removed and renamed entries leave their names behind; a long-running
// program rewrites the pool before the waste outgrows what is used.
void CEntryIndex::CompactPoolIfWasteful()
{
    if (m_poolWaste < kCompactWaste || m_poolWaste * 2 < m_pool.size()) return;
    std::string pool;
    pool.reserve(m_pool.size() - m_poolWaste);
    for (Entry& entry : m_entries) {
        if (!entry.used) continue;
        const std::uint32_t offset = static_cast<std::uint32_t>(pool.size());
        pool.append(m_pool, entry.nameOffset, entry.nameLength + entry.shortLength);
        entry.nameOffset = offset;
    }
    m_pool.swap(pool);
    m_poolWaste = 0;
}

// --- Changes --------------------------------------------------------------------

bool CEntryIndex::SetListing(const std::string& folder,
                             const std::vector<platform::FindEntry>& entries)
{
    platform::LockGuard lock(m_mutex);
    std::uint32_t id = FindFolder(folder);
    if (id == kNone) {
        const int letter = LetterIndex(folder);
        if (letter < 0 || folder.size() > kDriveRootLength) return false;
        if (folder.size() == kDriveRootLength && folder[2] != '\\') return false;
        id = NewFolder(kNone, kNone);
        m_roots[static_cast<std::size_t>(letter)] = id;
    }
    std::vector<std::uint32_t> oldEntries, oldChildren;
    oldEntries.swap(m_folders[id].entries);
    oldChildren.swap(m_folders[id].children);
    std::vector<std::uint32_t> newEntries, newChildren;
    newEntries.reserve(entries.size());
    for (const platform::FindEntry& found : entries) {
        if (IsDotEntry(found.name)) continue;
        const std::uint32_t entry = NewEntry(found);
        newEntries.push_back(entry);
        if (!platform::IsFolderToDescend(found)) continue;
        // A sub-folder listed again keeps what is known below it.
        auto kept = std::find_if(oldChildren.begin(), oldChildren.end(), [&](std::uint32_t child) {
            return child != kNone && NameIs(m_folders[child].entry, found.name.data(), found.name.size());
        });
        if (kept != oldChildren.end()) {
            m_folders[*kept].entry = entry;
            newChildren.push_back(*kept);
            *kept = kNone;
        } else {
            newChildren.push_back(NewFolder(id, entry));
        }
    }
    for (std::uint32_t entry : oldEntries) FreeEntry(entry);
    for (std::uint32_t child : oldChildren)
        if (child != kNone) FreeFolder(child);
    m_folders[id].entries.swap(newEntries);
    m_folders[id].children.swap(newChildren);
    CompactPoolIfWasteful();
    return true;
}

bool CEntryIndex::PutEntry(const std::string& folder, const platform::FindEntry& found)
{
    if (IsDotEntry(found.name)) return false;
    platform::LockGuard lock(m_mutex);
    const std::uint32_t id = FindFolder(folder);
    if (id == kNone) return false;
    const std::uint32_t existing = FindEntry(id, found.name);
    if (existing == kNone) {
        const std::uint32_t entry = NewEntry(found);
        m_folders[id].entries.push_back(entry);
        if (platform::IsFolderToDescend(found)) {
            const std::uint32_t made = NewFolder(id, entry);  // may move m_folders
            m_folders[id].children.push_back(made);
        }
        return true;
    }
    const bool wasWalked = IsWalkedFolder(existing);
    Entry& stored = m_entries[existing];
    m_poolWaste += stored.nameLength + stored.shortLength;
    StoreNames(stored, found.name, found.shortName);
    stored.attributes = found.attributes;
    stored.size = found.size;
    stored.created = found.created;
    stored.accessed = found.accessed;
    stored.modified = found.modified;
    const bool walked = IsWalkedFolder(existing);
    std::vector<std::uint32_t>& children = m_folders[id].children;
    if (wasWalked && !walked) {
        auto child = std::find_if(children.begin(), children.end(),
                                  [&](std::uint32_t c) { return m_folders[c].entry == existing; });
        if (child != children.end()) {
            const std::uint32_t gone = *child;
            children.erase(child);
            FreeFolder(gone);
        }
    } else if (!wasWalked && walked) {
        const std::uint32_t made = NewFolder(id, existing);
        m_folders[id].children.push_back(made);
    }
    CompactPoolIfWasteful();
    return true;
}

bool CEntryIndex::RemoveEntry(const std::string& folder, const std::string& name)
{
    platform::LockGuard lock(m_mutex);
    const std::uint32_t id = FindFolder(folder);
    if (id == kNone) return false;
    const std::uint32_t entry = FindEntry(id, name);
    if (entry == kNone) return false;
    std::vector<std::uint32_t>& entries = m_folders[id].entries;
    entries.erase(std::find(entries.begin(), entries.end(), entry));
    std::vector<std::uint32_t>& children = m_folders[id].children;
    auto child = std::find_if(children.begin(), children.end(),
                              [&](std::uint32_t c) { return m_folders[c].entry == entry; });
    if (child != children.end()) {
        const std::uint32_t gone = *child;
        children.erase(child);
        FreeFolder(gone);
    }
    FreeEntry(entry);
    CompactPoolIfWasteful();
    return true;
}

bool CEntryIndex::RenameEntry(const std::string& fromFolder, const std::string& fromName,
                              const std::string& toFolder, const std::string& toName)
{
    if (IsDotEntry(toName) || toName.empty()) return false;
    platform::LockGuard lock(m_mutex);
    const std::uint32_t from = FindFolder(fromFolder);
    const std::uint32_t to = FindFolder(toFolder);
    if (from == kNone || to == kNone) return false;
    const std::uint32_t entry = FindEntry(from, fromName);
    if (entry == kNone) return false;
    // A name the target already holds is replaced, as a move over it does.
    const std::uint32_t replaced = FindEntry(to, toName);
    if (replaced != kNone && replaced != entry) {
        std::vector<std::uint32_t>& entries = m_folders[to].entries;
        entries.erase(std::find(entries.begin(), entries.end(), replaced));
        std::vector<std::uint32_t>& children = m_folders[to].children;
        auto child = std::find_if(children.begin(), children.end(),
                                  [&](std::uint32_t c) { return m_folders[c].entry == replaced; });
        if (child != children.end()) {
            const std::uint32_t gone = *child;
            children.erase(child);
            FreeFolder(gone);
        }
        FreeEntry(replaced);
    }
    Entry& stored = m_entries[entry];
    const std::string shortName;  // the old alias belongs to the old name
    m_poolWaste += stored.nameLength + stored.shortLength;
    StoreNames(stored, toName, shortName);
    if (from != to) {
        std::vector<std::uint32_t>& entries = m_folders[from].entries;
        entries.erase(std::find(entries.begin(), entries.end(), entry));
        m_folders[to].entries.push_back(entry);
        std::vector<std::uint32_t>& children = m_folders[from].children;
        auto child = std::find_if(children.begin(), children.end(),
                                  [&](std::uint32_t c) { return m_folders[c].entry == entry; });
        if (child != children.end()) {
            const std::uint32_t moved = *child;
            children.erase(child);
            m_folders[moved].parent = to;
            m_folders[to].children.push_back(moved);
        }
    }
    CompactPoolIfWasteful();
    return true;
}

void CEntryIndex::ForgetDrive(char letter)
{
    const int index = LetterIndex(letter);
    if (index < 0) return;
    platform::LockGuard lock(m_mutex);
    const std::size_t slot = static_cast<std::size_t>(index);
    m_covered[slot] = false;
    if (m_roots[slot] == kNone) return;
    FreeFolder(m_roots[slot]);
    m_roots[slot] = kNone;
    CompactPoolIfWasteful();
}

void CEntryIndex::MarkCovered(char letter, bool covered)
{
    const int index = LetterIndex(letter);
    if (index < 0) return;
    platform::LockGuard lock(m_mutex);
    m_covered[static_cast<std::size_t>(index)] = covered && m_roots[static_cast<std::size_t>(index)] != kNone;
}

void CEntryIndex::Trim()
{
    platform::LockGuard lock(m_mutex);
    m_entries.shrink_to_fit();
    m_folders.shrink_to_fit();
    m_pool.shrink_to_fit();
    for (Folder& folder : m_folders) {
        folder.entries.shrink_to_fit();
        folder.children.shrink_to_fit();
    }
}

void CEntryIndex::TakeFrom(CEntryIndex& other)
{
    if (&other == this) return;
    platform::LockGuard lock(m_mutex);
    platform::LockGuard otherLock(other.m_mutex);
    m_entries.swap(other.m_entries);
    m_folders.swap(other.m_folders);
    m_freeEntries.swap(other.m_freeEntries);
    m_freeFolders.swap(other.m_freeFolders);
    m_pool.swap(other.m_pool);
    std::swap(m_poolWaste, other.m_poolWaste);
    std::swap(m_roots, other.m_roots);
    std::swap(m_covered, other.m_covered);
    const std::size_t count = m_count.load();
    m_count.store(other.m_count.load());
    other.m_count.store(count);
    other.m_entries = {};
    other.m_folders = {};
    other.m_freeEntries = {};
    other.m_freeFolders = {};
    other.m_pool = {};
    other.m_poolWaste = 0;
    other.m_roots = FreshRoots();
    other.m_covered = {};
    other.m_count.store(0);
    m_generation.fetch_add(1);
}

void CEntryIndex::Clear()
{
    CEntryIndex empty;
    TakeFrom(empty);
}

// --- Reading ----------------------------------------------------------------------

bool CEntryIndex::IsCovered(char letter) const
{
    const int index = LetterIndex(letter);
    if (index < 0) return false;
    platform::LockGuard lock(m_mutex);
    return m_covered[static_cast<std::size_t>(index)];
}

bool CEntryIndex::Covers(const std::string& folder) const
{
    const int index = LetterIndex(folder);
    if (index < 0) return false;
    platform::LockGuard lock(m_mutex);
    return m_covered[static_cast<std::size_t>(index)] && FindFolder(folder) != kNone;
}

bool CEntryIndex::VisitTree(const std::string& folder, const FolderVisitor& visit) const
{
    platform::LockGuard lock(m_mutex);
    const std::uint32_t start = FindFolder(folder);
    if (start == kNone) return false;
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    // One buffer for every folder: the visitor is done with it before the
    // walk goes down, and most of its strings keep their room.
    std::vector<platform::FindEntry> buffer;
    std::function<bool(std::uint32_t)> walk = [&](std::uint32_t id) {
        const Folder& current = m_folders[id];
        buffer.resize(current.entries.size());
        for (std::size_t i = 0; i < buffer.size(); ++i) ReadEntry(current.entries[i], buffer[i]);
        if (!visit(path, buffer)) return false;
        for (std::uint32_t child : current.children) {
            const Entry& entry = m_entries[m_folders[child].entry];
            const std::size_t length = path.size();
            path.append(m_pool, entry.nameOffset, entry.nameLength);
            path += '\\';
            const bool goOn = walk(child);
            path.resize(length);
            if (!goOn) return false;
        }
        return true;
    };
    walk(start);
    return true;
}

std::optional<std::vector<platform::FindEntry>> CEntryIndex::Listing(const std::string& folder) const
{
    platform::LockGuard lock(m_mutex);
    const std::uint32_t id = FindFolder(folder);
    if (id == kNone) return std::nullopt;
    std::vector<platform::FindEntry> entries(m_folders[id].entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) ReadEntry(m_folders[id].entries[i], entries[i]);
    return entries;
}

std::size_t CEntryIndex::FolderCount() const
{
    platform::LockGuard lock(m_mutex);
    return m_folders.size() - m_freeFolders.size();
}

std::size_t CEntryIndex::BytesUsed() const
{
    platform::LockGuard lock(m_mutex);
    std::size_t bytes = m_entries.capacity() * sizeof(Entry) + m_pool.capacity() +
                        m_folders.capacity() * sizeof(Folder) +
                        (m_freeEntries.capacity() + m_freeFolders.capacity()) * sizeof(std::uint32_t);
    for (const Folder& folder : m_folders)
        bytes += (folder.entries.capacity() + folder.children.capacity()) * sizeof(std::uint32_t);
    return bytes;
}
