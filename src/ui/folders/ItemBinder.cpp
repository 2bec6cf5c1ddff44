#include "ui/folders/ItemBinder.h"

// Core
#include "core/folders/ActionPath.h"

// Standard library
#include <algorithm>

namespace {

// Wine reports hidden files as hidden, not as ghosted; both mean the same here.
constexpr ULONG kGhostAttributes = SFGAO_GHOSTED | SFGAO_HIDDEN;

bool IsWithin(const std::string& path, const std::string& folder)
{
    if (path.size() < folder.size() || ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, path.c_str(),
                                                         static_cast<int>(folder.size()), folder.c_str(),
                                                         static_cast<int>(folder.size())) != CSTR_EQUAL)
        return false;
    return path.size() == folder.size() || folder.back() == '\\' || path[folder.size()] == '\\';
}

// The drive root or "\\\\server\\share" of a path; the path itself otherwise.
std::string RootOf(const std::string& path)
{
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return path.substr(0, 3);
    if (path.compare(0, 2, "\\\\") != 0) return path;
    const std::size_t server = path.find('\\', 2);
    if (server == std::string::npos) return path;
    return path.substr(0, std::min(path.find('\\', server + 1), path.size()));
}

}  // namespace

bool CItemBinder::Bind(CFileItem& item)
{
    if (item.folder) return true;
    // A name the code page lost would be parsed as another entry or none:
    // the short name is exact. Without one the entry cannot be reached.
    const std::string exact = ActionPathOf(item);
    if (exact.empty() || item.folderPath.empty() || !BindContaining(item.folderPath)) return false;
    const BoundFolder& folder = m_chain.back();
    ui::Pidl relative = shell::ParseInFolder(folder.folder.Get(), exact == item.path ? item.name : item.shortName);
    if (!relative) return false;
    LPITEMIDLIST absolute = ui::PidlAppend(folder.id.Get(), relative.Get());
    if (!absolute) return false;
    item.relativeId = relative.Release();
    item.absoluteId = absolute;
    item.ownsAbsoluteId = true;
    // One reference, released with the item; the parent is the same folder.
    folder.folder->AddRef();
    item.folder = folder.folder.Get();
    item.parentFolder = folder.folder.Get();
    item.ownsParentRef = false;
    return true;
}

bool CItemBinder::Bind(CFileItem& item, ItemStore& store)
{
    {
        platform::LockGuard guard(store.lock);
        if (item.folder) return true;
    }
    // Bound into a copy outside the lock (the shell may take its time), then
    // handed over whole; only this thread binds, so nobody else sets them.
    CFileItem bound;
    static_cast<FileItem&>(bound) = static_cast<const FileItem&>(item);
    if (!Bind(bound)) return false;
    platform::LockGuard guard(store.lock);
    item.folder = std::exchange(bound.folder, nullptr);
    item.parentFolder = std::exchange(bound.parentFolder, nullptr);
    item.relativeId = std::exchange(bound.relativeId, nullptr);
    item.absoluteId = std::exchange(bound.absoluteId, nullptr);
    item.ownsParentRef = bound.ownsParentRef;
    item.ownsAbsoluteId = bound.ownsAbsoluteId;
    return true;
}

bool CItemBinder::BindContaining(const std::string& containing)
{
    while (!m_chain.empty() && !IsWithin(containing, m_chain.back().path)) m_chain.pop_back();
    if (m_chain.empty()) BindWhole(RootOf(containing));
    if (!m_chain.empty() && BindBelow(containing)) return true;
    // A path that will not bind one name at a time is parsed whole.
    m_chain.clear();
    return BindWhole(containing);
}

bool CItemBinder::BindWhole(const std::string& path)
{
    BoundFolder top;
    top.path = path;
    top.id = shell::ParsePath(path);
    if (!top.id) return false;
    top.folder = shell::BindFolder(top.id.Get());
    if (!top.folder) return false;
    m_chain.push_back(std::move(top));
    return true;
}

bool CItemBinder::BindBelow(const std::string& containing)
{
    while (containing.size() > m_chain.back().path.size()) {
        const BoundFolder& parent = m_chain.back();
        std::size_t from = parent.path.size();
        if (containing[from] == '\\') ++from;
        const std::size_t end = std::min(containing.find('\\', from), containing.size());
        BoundFolder child;
        child.path = containing.substr(0, end);
        ui::Pidl relative = shell::ParseInFolder(parent.folder.Get(), containing.substr(from, end - from));
        if (!relative) return false;
        if (FAILED(parent.folder->BindToObject(relative.Get(), nullptr, IID_IShellFolder, child.folder.OutVoid())))
            return false;
        child.id = ui::Pidl(ui::PidlAppend(parent.id.Get(), relative.Get()));
        if (!child.id || !child.folder) return false;
        m_chain.push_back(std::move(child));
    }
    return true;
}

ShownFacts CShownFacts::Of(CFileItem& item, bool remote)
{
    ShownFacts facts;
    facts.ghosted = (item.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    const std::string place = PlacePathOf(item);
    if (remote) {
        // Files on the network are not touched: icons by extension; the list asks later.
        facts.icon = item.isDirectory ? shell::IconOfPath(place) : m_lookup.ExtensionIcon(item.extension);
        return facts;
    }
    if (!item.isDirectory && m_lookup.ClassFacts(item.path, facts.icon, facts.link)) return facts;
    m_binder.Bind(item);
    facts.icon = m_lookup.ExactIcon(item.folder, item.relativeId, item.absoluteId, place, item.isDirectory);
    const ULONG attributes = shell::Attributes(item.folder, item.relativeId, SFGAO_LINK | SFGAO_SHARE | kGhostAttributes);
    facts.link = (attributes & SFGAO_LINK) != 0;
    facts.share = (attributes & SFGAO_SHARE) != 0;
    facts.ghosted = facts.ghosted || (attributes & kGhostAttributes) != 0;
    if (!item.isDirectory && item.folder) m_lookup.KeepClassLink(item.path, facts.link);
    return facts;
}
