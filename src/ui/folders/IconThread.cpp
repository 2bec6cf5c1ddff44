#include "ui/folders/IconThread.h"

// Core
#include "core/folders/ActionPath.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

namespace {

// Icons and details arrive in batches; the list is redrawn after each.
constexpr std::size_t kRedrawEvery = 64;

}  // namespace

void IconRun::Want(CFileItem* item)
{
    platform::LockGuard guard(lock);
    // A row asks once for each of its cells.
    if (wanted.size() >= kMostWanted || (!wanted.empty() && wanted.back() == item)) return;
    wanted.push_back(item);
}

bool CIconThread::InitInstance()
{
    if (m_work.loadIcons) LoadIcons();
    LoadDetails();
    if (::IsWindow(m_work.view)) ::PostMessageA(m_work.view, UWM_ICONSDONE, m_work.run->number, 0);
    return false;
}

void CIconThread::LoadIcons()
{
    const int exeIcon = shell::ExecutableIcon();
    std::size_t done = 0;
    for (CFileItem* item : m_work.rows) {
        if (Stopped()) break;
        ServeWanted();
        if (!item) continue;
        // Path, kind and identifiers are copied under the lock: an item found
        // by path may be bound while this runs (the identifiers are set once
        // and live as long as the store).
        std::string path;
        bool isFolder = false;
        IShellFolder* folder = nullptr;
        LPCITEMIDLIST relative = nullptr;
        LPCITEMIDLIST absolute = nullptr;
        {
            platform::LockGuard guard(m_work.store->lock);
            path = PlacePathOf(*item);
            isFolder = item->isDirectory;
            folder = item->folder;
            relative = item->relativeId;
            absolute = item->ownsAbsoluteId ? item->absoluteId : nullptr;
        }
        int icon = m_lookup.ExactIcon(folder, relative, absolute, path, isFolder);
        if (icon == exeIcon && m_work.appIcon != -1) icon = m_work.appIcon;
        {
            platform::LockGuard guard(m_work.store->lock);
            item->iconIndex = icon;
            item->systemIconIndex = -1;
        }
        if (++done % kRedrawEvery == 0) ::InvalidateRect(m_work.list, nullptr, FALSE);
    }
    ::InvalidateRect(m_work.list, nullptr, FALSE);
}

void CIconThread::LoadDetails()
{
    std::size_t done = 0;
    for (CFileItem* item : m_work.rows) {
        if (Stopped()) break;
        ServeWanted();
        if (!item) continue;
        ReadItemDetails(item);
        if (++done % kRedrawEvery == 0) ::InvalidateRect(m_work.list, nullptr, FALSE);
    }
    ::InvalidateRect(m_work.list, nullptr, FALSE);
}

void CIconThread::ServeWanted()
{
    std::vector<CFileItem*> wanted;
    {
        platform::LockGuard guard(m_work.run->lock);
        wanted.swap(m_work.run->wanted);
    }
    if (wanted.empty()) return;
    for (CFileItem* item : wanted) {
        if (Stopped()) return;
        ReadItemDetails(item);
    }
    // The rows drawn without their details are drawn again with them.
    ::InvalidateRect(m_work.list, nullptr, FALSE);
}

void CIconThread::ReadItemDetails(CFileItem* item)
{
    FileItem record;
    int icon = -1;
    LPCITEMIDLIST absolute = nullptr;
    {
        platform::LockGuard guard(m_work.store->lock);
        if (!item->detailsPending) return;
        record = *item;
        icon = item->iconIndex;
        absolute = item->ownsAbsoluteId ? item->absoluteId : nullptr;
    }
    // Read outside the lock, then published at once.
    CFileItem::Details details =
        CFileItem::ReadDetails(std::move(record), icon, absolute, true, !absolute, m_work.showHidden, &m_lookup);
    // Only the fields read here are published: the view reads names and
    // paths without the lock, so their texts must never be replaced.
    platform::LockGuard guard(m_work.store->lock);
    if (!item->detailsPending) return;
    CopyDetails(*item, details.record);
    item->iconIndex = details.iconIndex;
}
