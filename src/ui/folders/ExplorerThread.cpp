#include "ui/folders/ExplorerThread.h"

// Core
#include "core/folders/ActionPath.h"
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
#include <cstdint>
#include <optional>

namespace {

constexpr std::size_t kItemGrowth = 100;
// Wine reports hidden files as hidden, not as ghosted; both mean the same here.
constexpr ULONG kRowAttributes = SFGAO_GHOSTED | SFGAO_HIDDEN;
constexpr ULONG kListedAttributes = SFGAO_FOLDER | kRowAttributes;

}  // namespace

CExplorerThread::CExplorerThread(ExplorerListingRequest request, ListingJobPtr job)
    : CFolderThread(request.view, std::move(job), false), m_request(std::move(request))
{
}

CExplorerThread::CExplorerThread(HWND view)
    : CFolderThread(view, std::make_shared<ListingJob>(), false), m_waits(true)
{
}

bool CExplorerThread::Hand(ExplorerListingRequest request)
{
    // The thread reads the request only once the message has reached it.
    m_request = std::move(request);
    return PostThreadMessage(UWM_STARTWORK);
}

void CExplorerThread::Dismiss() { PostThreadMessage(WM_QUIT); }

bool CExplorerThread::InitInstance()
{
    if (m_waits) return true;
    ListAndReport();
    return false;
}

void CExplorerThread::OnThreadMessage(const MSG& msg)
{
    if (msg.message != UWM_STARTWORK) return;
    ListAndReport();
    Quit(0);
}

void CExplorerThread::ListAndReport()
{
    // The view waits for the report even when the listing was stopped before
    // it began: a navigation may be waiting behind it.
    m_job->result.completed = DoWork();
    m_job->delivered.store(true);
    if (::IsWindow(m_view)) ::PostMessageA(m_view, UWM_WORKDONE, 0, 0);
    if (m_job->reported) ::SetEvent(m_job->reported);
    SetState(WorkState::Finished);
    SetPriority(THREAD_PRIORITY_IDLE);
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
    while (items.size() < m_request.maxItems && !Abandoned() &&
           enumerator->Next(1, &relative, &fetched) == S_OK && fetched == 1) {
        const ULONG attributes = shell::Attributes(folder, relative, kListedAttributes);
        std::unique_ptr<CFileItem> item = MakeItem(relative, kind.virtualFolder, attributes);
        if (mask && !mask->Matches(FileNameOfItem(*item), {})) continue;
        if (m_request.filter && !PassesFilter(*item)) continue;
        items.push_back(std::move(item));
        m_attributes.push_back(attributes);
    }
    return true;
}

bool CExplorerThread::PassesFilter(CFileItem& item)
{
    // Sizes, dates and attributes are tested, so they are read now.
    item.LoadDetails(true, false, m_request.showHidden, &m_lookup);
    const ListingFilter& filter = *m_request.filter;
    return filter.criteria.MatchesListed(item, filter.alwaysAddFolders, filter.now);
}

std::unique_ptr<CFileItem> CExplorerThread::MakeItem(LPITEMIDLIST relative, bool virtualFolder, ULONG attributes)
{
    const CFileItem& folderItem = *m_request.folderItem;
    auto item = std::make_unique<CFileItem>();
    folderItem.folder->AddRef();
    item->folder = folderItem.folder;
    item->parentFolder = folderItem.folder;
    item->ownsParentRef = false;
    item->relativeId = relative;
    item->isDirectory = (attributes & SFGAO_FOLDER) != 0;
    if (virtualFolder || !IsFileSystemPath(m_request.folderPath)) {
        item->name = shell::DisplayName(item->folder, relative, SHGDN_INFOLDER);
        item->path = shell::DisplayName(item->folder, relative, SHGDN_FORPARSING);
        if (virtualFolder && item->path.empty()) item->path = item->name;
    } else {
        // In a file-system folder an item's parsing name is the folder's path and its file name.
        std::string fileName;
        item->name = m_lookup.InFolderName(item->folder, relative, item->isDirectory, &fileName);
        item->path.reserve(m_request.folderPath.size() + 1 + fileName.size());
        item->path = m_request.folderPath;
        if (item->path.back() != '\\') item->path += '\\';
        item->path += fileName;
    }
    // Only a name the code page could not hold needs its short name: the
    // others are acted on as listed, and the look-up reads the disk.
    if (HoldsPattern(FileNameOfItem(*item))) item->shortName = shell::ShortNameOf(item->folder, relative, item->path);
    item->absoluteId = ui::PidlAppend(folderItem.absoluteId, relative);
    item->folderPath = m_request.folderPath;
    // The shown name may lack a known extension; the file name has it.
    item->extension = ExtensionOf(FileNameOfItem(*item));
    item->iconIndex = -1;
    return item;
}

int CExplorerThread::ExtensionIcon(const std::string& extension) { return m_lookup.ExtensionIcon(extension); }

int CExplorerThread::ShareIcon(const CFileItem& item) const
{
    return listing::IsDriveRootPath(item.path) ? m_request.driveShareIcon : m_request.folderShareIcon;
}

void CExplorerThread::AssignItemIcon(CFileItem& item, listing::IconPlan plan, int exeIcon)
{
    using listing::IconPlan;
    ListingResult& result = m_job->result;
    if (plan == IconPlan::Quick) {
        item.iconIndex = item.isDirectory ? shell::IconOfPidl(item.absoluteId) : ExtensionIcon(item.extension);
        return;
    }
    if (plan == IconPlan::PerItem) {
        const ULONG attributes = shell::Attributes(item.folder, item.relativeId, SFGAO_LINK | SFGAO_SHARE);
        if (attributes & SFGAO_LINK) result.links.Add(&item);
        item.iconIndex = m_lookup.ExactIcon(item.folder, item.relativeId, item.absoluteId, item.path, item.isDirectory);
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
    for (std::size_t i = 0; i < result.store->items.size(); ++i) {
        if (Abandoned()) return false;
        CFileItem& item = *result.store->items[i];
        const bool ghosted = (m_attributes[i] & kRowAttributes) != 0;
        if (ghosted) item.hiddenOrSystem = true;
        item.visible = ItemVisible(m_request.showHidden, item.hiddenOrSystem);
        // Sizes and times travel in the shell's identifiers of file-system
        // items: the status texts and the total need no disk work.
        ListRow row{&item, ghosted, ghosted};
        WIN32_FIND_DATAA data;
        if (shell::FindDataOf(item.folder, item.relativeId, data)) {
            row.sized = true;
            row.plainFile = !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                            (data.ftLastWriteTime.dwLowDateTime || data.ftLastWriteTime.dwHighDateTime);
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                row.size = static_cast<double>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
            result.totalSize += row.size;
        }
        if (item.visible) result.rows.push_back(row);
    }
    return true;
}
