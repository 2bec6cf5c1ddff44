#include "ui/folders/FileItem.h"

// Core
#include "core/folders/ActionPath.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/Shell.h"

CFileItem::~CFileItem() { ReleaseShellReferences(); }

void CFileItem::ReleaseShellReferences()
{
    // A list the item does not own may still be the same block as relativeId.
    if (relativeId != absoluteId || ownsAbsoluteId) ui::PidlFree(relativeId);
    if (ownsAbsoluteId && absoluteId != relativeId) ui::PidlFree(absoluteId);
    relativeId = nullptr;
    absoluteId = nullptr;
    if (parentFolder && ownsParentRef) parentFolder->Release();
    parentFolder = nullptr;
    if (folder) folder->Release();
    folder = nullptr;
}

CFileItem::Details CFileItem::ReadDetails(FileItem record, int iconIndex, LPCITEMIDLIST absoluteId,
                                          bool computeVisibility, bool usePath, bool showHidden,
                                          shell::LookupCache* cache)
{
    Details details{std::move(record), iconIndex};
    // The shell reads a path with a lost character as a pattern or not at all.
    const std::string path = PlacePathOf(details.record);
    DetailsRequest request;
    request.computeVisibility = computeVisibility;
    request.showHidden = showHidden;
    const bool byPath = usePath || !absoluteId;
    const LPCITEMIDLIST byList = byPath ? nullptr : absoluteId;
    if (details.iconIndex == -1)
        details.iconIndex = byPath ? shell::IconOfPath(path) : shell::IconOfPidl(absoluteId);
    // The status first: a virtual item has no type, and a plain folder's is
    // every plain folder's, asked once for the cache rather than per row.
    if (LoadFileDetails(details.record, platform::SystemDirectoryLister(), request) != DetailsOutcome::Loaded)
        return details;
    const FileItem& status = details.record;
    std::string type;
    if (cache && shell::LookupCache::IsPlainFolder(path, status.attributes)) type = cache->PlainFolderTypeName(path);
    else if (cache) type = cache->TypeName(byList, path, status.isDirectory);
    else type = byPath ? shell::TypeNameOfPath(path) : shell::TypeNameOfPidl(absoluteId);
    if (!type.empty()) details.record.typeName = type;
    return details;
}

void CFileItem::LoadDetails(bool computeVisibility, bool usePath, bool showHidden, shell::LookupCache* cache)
{
    Details details = ReadDetails(*this, iconIndex, ownsAbsoluteId ? absoluteId : nullptr,
                                  computeVisibility, usePath, showHidden, cache);
    CopyDetails(*this, details.record);
    iconIndex = details.iconIndex;
}

std::string CFileItem::PathQuery() const
{
    if (!folder) return {};
    if (relativeId == absoluteId || !absoluteId) return path;
    char full[MAX_PATH] = "";
    if (::SHGetPathFromIDListA(absoluteId, full) && full[0]) return full;
    return path;
}

void CFileItem::CopyFrom(const CFileItem& other)
{
    ReleaseShellReferences();
    static_cast<FileItem&>(*this) = static_cast<const FileItem&>(other);
    iconIndex = other.iconIndex;
    systemIconIndex = other.systemIconIndex;
    folderIconIndex = other.folderIconIndex;
    ownsParentRef = other.ownsParentRef;
    ownsAbsoluteId = other.ownsAbsoluteId;
}

LPITEMIDLIST CFileItem::FindByEnumeration(const CFileItem& node, bool byName, HWND owner) const
{
    ui::ComPtr<IEnumIDList> enumerator;
    const DWORD flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (node.folder->EnumObjects(owner, flags, enumerator.Out()) != S_OK || !enumerator) return nullptr;
    const std::string& wanted = byName ? name : path;
    // Names the code page lost can look alike ("??.txt"): such a name binds
    // only when one child alone bears it.
    const bool mayRepeat = HoldsPattern(wanted);
    LPITEMIDLIST found = nullptr;
    LPITEMIDLIST child = nullptr;
    ULONG fetched = 0;
    while (enumerator->Next(1, &child, &fetched) == S_OK && fetched == 1) {
        const DWORD nameFlags = byName ? SHGDN_INFOLDER : SHGDN_FORPARSING;
        const std::string childName = shell::DisplayName(node.folder, child, nameFlags);
        if (lstrcmpiA(childName.c_str(), wanted.c_str()) != 0) {
            ui::PidlFree(child);
            continue;
        }
        if (!mayRepeat) return child;
        if (found) {
            ui::PidlFree(found);
            ui::PidlFree(child);
            return nullptr;
        }
        found = child;
    }
    return found;
}

bool CFileItem::Bind(const CFileItem* node, bool byName, HWND owner)
{
    if (!node || !node->folder) return false;
    ReleaseShellReferences();
    node->folder->AddRef();
    folder = node->folder;
    node->folder->AddRef();
    parentFolder = node->folder;
    ownsParentRef = true;

    // A name the code page lost is parsed by its short name, which names this entry alone.
    const std::string exact = ActionPathOf(*this);
    if (!exact.empty() && (shell::IsFolderPath(exact) || ::GetFileAttributesA(exact.c_str()) != INVALID_FILE_ATTRIBUTES))
        relativeId = shell::ParseInFolder(folder, exact == path ? name : exact.substr(exact.rfind('\\') + 1)).Release();
    if (!relativeId) relativeId = FindByEnumeration(*node, byName, owner);
    if (!relativeId) return false;
    absoluteId = ui::PidlAppend(node->absoluteId, relativeId);
    ownsAbsoluteId = true;
    return absoluteId != nullptr;
}
