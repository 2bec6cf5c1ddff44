#include "core/search/IndexUpkeep.h"

// Core
#include "core/search/FolderListWalk.h"
#include "core/search/PatternMatch.h"

// Standard library
#include <algorithm>

namespace {

constexpr std::size_t kRecordHeader = 12;  // next offset, action, name length
constexpr std::size_t kRecordAlignment = 4;

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

// The folder holding a path (ending with "\") and the path's last name.
void Split(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t slash = path.rfind('\\');
    folder = path.substr(0, slash + 1);
    name = path.substr(slash + 1);
}

std::uint32_t ReadWord(const unsigned char* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// A path below the root: names that are neither empty nor "." nor "..".
bool IsRelativePath(const std::u16string& path)
{
    std::size_t start = 0;
    for (;;) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string::npos) end = path.size();
        const std::u16string name = path.substr(start, end - start);
        if (name.empty() || name == u"." || name == u".." || name.find(u'/') != std::u16string::npos)
            return false;
        if (end == path.size()) return true;
        start = end + 1;
    }
}

}  // namespace

std::optional<std::vector<ChangeNotice>> ReadChangeRecords(const unsigned char* data,
                                                           std::size_t size,
                                                           const NarrowName& narrow)
{
    if (!data || size == 0) return std::nullopt;
    std::vector<ChangeNotice> notices;
    std::size_t offset = 0;
    for (;;) {
        if (size - offset < kRecordHeader) return std::nullopt;
        const std::uint32_t next = ReadWord(data + offset);
        const std::uint32_t action = ReadWord(data + offset + 4);
        const std::uint32_t nameBytes = ReadWord(data + offset + 8);
        const std::size_t room = size - offset - kRecordHeader;
        if (nameBytes == 0 || nameBytes % 2 != 0 || nameBytes > room) return std::nullopt;
        if (next != 0 && (next % kRecordAlignment != 0 || next < kRecordHeader + nameBytes ||
                          next >= size - offset))
            return std::nullopt;
        std::u16string wide(nameBytes / 2, u'\0');
        const unsigned char* name = data + offset + kRecordHeader;
        for (std::size_t i = 0; i < wide.size(); ++i)
            wide[i] = static_cast<char16_t>(name[2 * i] | name[2 * i + 1] << 8);
        if (!IsRelativePath(wide)) return std::nullopt;
        ChangeNotice notice{action, {}};
        if (!narrow(wide, notice.relative)) {
            // Its folder is listed again as the walk lists it.
            const std::size_t slash = wide.rfind(u'\\');
            notice.action = ChangeAction::ListAgain;
            notice.relative.clear();
            if (slash != std::u16string::npos && !narrow(wide.substr(0, slash), notice.relative))
                return std::nullopt;  // a folder we cannot name either: the whole drive
        }
        notices.push_back(std::move(notice));
        if (next == 0) return notices;
        offset += next;
    }
}

IndexUpkeep::IndexUpkeep(platform::DirectoryLister& lister, CEntryIndex& index,
                         const std::atomic<int>& state, std::function<bool()> walkRunning)
    : m_lister(lister),
      m_index(index),
      m_state(state),
      m_walkRunning(walkRunning ? std::move(walkRunning) : FolderListWalk::IsRunning),
      m_generation(index.Generation())
{
}

void IndexUpkeep::Apply(char letter, const std::vector<ChangeNotice>& notices)
{
    for (const ChangeNotice& notice : notices) {
        Journal(letter, &notice);
        if (m_index.IsCovered(letter)) ApplyOne(letter, notice);
    }
}

void IndexUpkeep::ApplyOne(char letter, const ChangeNotice& notice)
{
    if (notice.action == ChangeAction::ListAgain) {
        RelistFolder(Root(letter) + notice.relative);
        return;
    }
    std::string folder, name;
    Split(Root(letter) + notice.relative, folder, name);
    if (name.empty()) return;
    switch (notice.action) {
    case ChangeAction::Added:
        ReRead(folder, name, true);
        break;
    case ChangeAction::Modified:
        ReRead(folder, name, false);
        break;
    case ChangeAction::Removed:
        m_index.RemoveEntry(folder, name);  // absent already: nothing to do
        break;
    case ChangeAction::RenamedOldName:
        m_renamedFrom = folder + name;
        break;
    case ChangeAction::RenamedNewName: {
        std::string fromFolder, fromName;
        Split(m_renamedFrom, fromFolder, fromName);
        m_renamedFrom.clear();
        // A rename whose old name never came, or that the index cannot
        // follow, is a removal and an addition.
        if (fromName.empty() || !m_index.RenameEntry(fromFolder, fromName, folder, name)) {
            if (!fromName.empty()) m_index.RemoveEntry(fromFolder, fromName);
            ReRead(folder, name, true);
        } else {
            ReRead(folder, name, false);  // the new name's alias and times
        }
        break;
    }
    default:
        RelistDrive(letter);
        break;
    }
}

// The entry as the disk has it now: a notice may be long out of date.
void IndexUpkeep::ReRead(const std::string& folder, const std::string& name, bool added)
{
    platform::FindEntry found;
    bool exists = false;
    m_lister.List(folder + name, [&](const platform::FindEntry& entry) {
        found = entry;
        exists = true;
        return false;
    });
    if (!exists) {
        m_index.RemoveEntry(folder, name);
        return;
    }
    if (!m_index.PutEntry(folder, found)) {
        RelistNearestKnown(folder);
        return;
    }
    // A folder made (or moved in) with its contents: list what it holds.
    if (added && platform::IsFolderToDescend(found))
        FolderListWalk::IndexTree(m_lister, m_state, folder + found.name, m_index);
}

// The folder's own listing again; sub-folders it did not hold before are
// listed whole, the others keep what is known below them.
void IndexUpkeep::RelistFolder(const std::string& folder)
{
    std::string path = folder;
    if (path.back() != '\\') path += '\\';
    const std::optional<std::vector<platform::FindEntry>> before = m_index.Listing(path);
    if (!before) {
        RelistNearestKnown(path);
        return;
    }
    std::vector<platform::FindEntry> entries;
    m_lister.List(path + kAllFilesPattern, [&](const platform::FindEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    ++m_relisted;
    m_index.SetListing(path, entries);
    for (const platform::FindEntry& entry : entries) {
        if (!platform::IsFolderToDescend(entry)) continue;
        const bool known = std::any_of(before->begin(), before->end(), [&](const platform::FindEntry& old) {
            return old.name == entry.name && platform::IsFolderToDescend(old);
        });
        if (!known) FolderListWalk::IndexTree(m_lister, m_state, path + entry.name, m_index);
    }
}

void IndexUpkeep::RelistNearestKnown(const std::string& folder)
{
    std::string known = folder;
    while (known.size() > 3 && !m_index.Listing(known)) {
        known.pop_back();
        known.erase(known.rfind('\\') + 1);
    }
    ++m_relisted;
    FolderListWalk::IndexTree(m_lister, m_state, known, m_index);
}

void IndexUpkeep::RelistDrive(char letter)
{
    Journal(letter, nullptr);
    ++m_relisted;
    m_renamedFrom.clear();
    m_index.MarkCovered(letter, FolderListWalk::IndexTree(m_lister, m_state, Root(letter), m_index));
}

void IndexUpkeep::NoticesLost(char letter)
{
    Journal(letter, nullptr);
    if (m_index.IsCovered(letter)) RelistDrive(letter);
}

// Kept only while a walk may replace the index: a walk that starts later
// lists the disk as these notices left it.
void IndexUpkeep::Journal(char letter, const ChangeNotice* notice)
{
    if (!m_walkRunning() && m_index.Generation() == m_generation) {
        m_journal.clear();
        m_journalRelist.clear();
        return;
    }
    const bool relisted = std::find(m_journalRelist.begin(), m_journalRelist.end(), letter) !=
                          m_journalRelist.end();
    if (relisted) return;
    if (!notice || m_journal.size() >= kMaxJournal) {
        m_journalRelist.push_back(letter);
        return;
    }
    m_journal.push_back({letter, *notice});
}

void IndexUpkeep::CatchUp()
{
    const std::uint32_t generation = m_index.Generation();
    if (generation == m_generation) return;
    m_generation = generation;
    std::vector<Applied> journal;
    std::vector<char> relist;
    journal.swap(m_journal);
    relist.swap(m_journalRelist);
    m_renamedFrom.clear();
    for (const Applied& applied : journal)
        if (m_index.IsCovered(applied.letter)) ApplyOne(applied.letter, applied.notice);
    for (char letter : relist)
        if (m_index.IsCovered(letter)) RelistDrive(letter);
}
