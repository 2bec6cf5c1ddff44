#include "ui/folders/ExplorerThread.h"

// Core
#include "core/search/SearchSink.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Standard library
#include <optional>

namespace {

constexpr std::size_t kItemGrowth = 100;
constexpr ULONG kRowAttributes = SFGAO_GHOSTED | SFGAO_HIDDEN;

}  // namespace

CExplorerThread::CExplorerThread(ExplorerListingRequest request, ListingJobPtr job)
    : CFolderThread(request.view, std::move(job), false), m_request(std::move(request))
{
}

bool CExplorerThread::InitInstance()
{
    m_job->result.completed = DoWork();
    m_job->delivered.store(true);
    if (::IsWindow(m_view)) ::PostMessageA(m_view, UWM_WORKDONE, 0, 0);
    SetState(WorkState::Finished);
    SetPriority(THREAD_PRIORITY_IDLE);
    return false;
}

bool CExplorerThread::DoWork()
{
    ListingResult& result = m_job->result;
    result.store = std::make_shared<ItemStore>();
    result.totalSize = 0;
    const listing::FolderKind kind = listing::ClassifyFolder(
        m_request.folderPath,
        static_cast<platform::DriveType>(shell::DriveTypeOf(m_request.folderPath)),
        m_request.belowNetwork);
    if (!Enumerate(kind)) {
        result.needIconThread = kind.networkFolder;
        result.noOverlays = false;
        return false;
    }
    AssignIcons(kind);
    if (Abandoned()) return false;
    result.needIconThread = listing::NeedsIconThread(kind, result.store->items.size());
    result.noOverlays = result.links.Count() == 0 && result.shares.Count() == 0;
    return MakeRows();
}

bool CExplorerThread::Enumerate(const listing::FolderKind& kind)
{
    IShellFolder* folder = m_request.folderItem ? m_request.folderItem->folder : nullptr;
    if (!folder) return false;
    DWORD flags = SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (!m_request.onlyFiles) flags |= SHCONTF_FOLDERS;
    ui::ComPtr<IEnumIDList> enumerator;
    if (folder->EnumObjects(m_request.owner, flags, enumerator.Out()) != S_OK || !enumerator)
        return false;

    std::optional<platform::FindMask> mask;
    if (!m_request.mask.empty()) mask.emplace(m_request.mask);
    auto& items = m_job->result.store->items;
    items.reserve(kItemGrowth);
    LPITEMIDLIST relative = nullptr;
    ULONG fetched = 0;
    while (items.size() < listing::kMaxItems && !Abandoned() &&
           enumerator->Next(1, &relative, &fetched) == S_OK && fetched == 1) {
        std::unique_ptr<CFileItem> item = MakeItem(relative, kind.virtualFolder);
        if (mask && !mask->Matches(item->name, {})) continue;
        items.push_back(std::move(item));
    }
    return true;
}

std::unique_ptr<CFileItem> CExplorerThread::MakeItem(LPITEMIDLIST relative, bool virtualFolder) const
{
    const CFileItem& folderItem = *m_request.folderItem;
    auto item = std::make_unique<CFileItem>();
    folderItem.folder->AddRef();
    item->folder = folderItem.folder;
    item->parentFolder = folderItem.folder;
    item->ownsParentRef = false;
    item->relativeId = relative;
    item->name = shell::DisplayName(item->folder, relative, SHGDN_INFOLDER);
    item->path = shell::DisplayName(item->folder, relative, SHGDN_FORPARSING);
    if (virtualFolder && item->path.empty()) item->path = item->name;
    item->absoluteId = ui::PidlAppend(folderItem.absoluteId, relative);
    item->folderPath = m_request.folderPath;
    item->extension = ExtensionOf(item->name);
    item->iconIndex = -1;
    return item;
}

int CExplorerThread::ExtensionIcon(const std::string& extension)
{
    const auto found = m_extensionIcons.find(extension);
    if (found != m_extensionIcons.end()) return found->second;
    const int icon = shell::IconOfExtension(extension);
    m_extensionIcons.emplace(extension, icon);
    return icon;
}

int CExplorerThread::ShareIcon(const CFileItem& item) const
{
    return listing::IsDriveRootPath(item.path) ? m_request.driveShareIcon : m_request.folderShareIcon;
}

void CExplorerThread::AssignItemIcon(CFileItem& item, listing::IconPlan plan, int exeIcon)
{
    using listing::IconPlan;
    ListingResult& result = m_job->result;
    if (plan == IconPlan::Quick) {
        const bool isFolder = shell::Attributes(item.folder, item.relativeId, SFGAO_FOLDER) != 0;
        item.iconIndex = isFolder ? shell::IconOfPidl(item.absoluteId) : ExtensionIcon(item.extension);
        return;
    }
    if (plan == IconPlan::PerItem) {
        const ULONG attributes = shell::Attributes(item.folder, item.relativeId, SFGAO_LINK | SFGAO_SHARE);
        if (attributes & SFGAO_LINK) result.links.Add(&item);
        item.iconIndex = shell::IconOfPidl(item.absoluteId);
        if (attributes & SFGAO_SHARE) {
            const int shareIcon = ShareIcon(item);
            if (shareIcon != -1) item.iconIndex = shareIcon;
            else result.shares.Add(&item);
        }
        if (item.iconIndex == exeIcon && m_request.appIcon != -1) item.iconIndex = m_request.appIcon;
        return;
    }
    const ULONG attributes = shell::Attributes(item.folder, item.relativeId, SFGAO_SHARE | SFGAO_FOLDER);
    const int shareIcon = (attributes & SFGAO_SHARE) ? ShareIcon(item) : -1;
    if (shareIcon != -1) item.iconIndex = shareIcon;
    else if (!(attributes & SFGAO_FOLDER)) item.iconIndex = ExtensionIcon(item.extension);
    else item.iconIndex = shell::IconOfPidl(item.absoluteId);
}

void CExplorerThread::AssignIcons(const listing::FolderKind& kind)
{
    ListingResult& result = m_job->result;
    const int exeIcon = shell::ExecutableIcon();
    result.iconPlan = listing::ChooseIconPlan(kind, result.store->items.size());
    for (const auto& item : result.store->items) {
        if (Abandoned()) return;
        AssignItemIcon(*item, result.iconPlan, exeIcon);
    }
}

bool CExplorerThread::MakeRows()
{
    ListingResult& result = m_job->result;
    result.rows.reserve(result.store->items.size());
    for (const auto& item : result.store->items) {
        if (Abandoned()) return false;
        // Wine reports hidden files as hidden, not as ghosted; both mean the same here.
        const bool ghosted = shell::Attributes(item->folder, item->relativeId, kRowAttributes) != 0;
        if (ghosted) item->hiddenOrSystem = true;
        item->visible = ItemVisible(m_request.showHidden, item->hiddenOrSystem);
        if (item->visible) result.rows.push_back({item.get(), ghosted});
    }
    return true;
}
