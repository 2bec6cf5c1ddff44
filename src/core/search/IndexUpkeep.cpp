#include "core/search/IndexUpkeep.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/search/FolderListWalk.h"

namespace {

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

// The folder holding a path (ending with "\") and the path's last name.
void Split(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t slash = path.rfind('\\');
    folder = path.substr(0, slash + 1);
    name = path.substr(slash + 1);
}

}  // namespace

IndexUpkeep::IndexUpkeep(platform::DirectoryLister& lister, CEntryIndex& index,
                         const std::atomic<int>& state)
    : m_lister(lister), m_index(index), m_state(state)
{
}

void IndexUpkeep::Apply(char letter, const std::vector<ChangeNotice>& notices)
{
    for (const ChangeNotice& notice : notices) {
        std::string folder, name;
        Split(Root(letter) + notice.relative, folder, name);
        if (name.empty()) continue;
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
            return;
        }
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
    // A folder made (or moved in) with its contents: list what it holds,
    // by its short name when the code page lost its own.
    if (added && platform::IsFolderToDescend(found))
        if (const std::string made = ActionPath(folder + found.name, found.shortName); !made.empty())
            FolderListWalk::IndexTree(m_lister, m_state, made, m_index);
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
    ++m_relisted;
    m_renamedFrom.clear();
    m_index.MarkCovered(letter, FolderListWalk::IndexTree(m_lister, m_state, Root(letter), m_index));
}
