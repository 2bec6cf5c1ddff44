#include "ui/folders/IconThread.h"

// Core
#include "core/folders/ActionPath.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

namespace {

// Icons arrive in batches; the list is redrawn after each.
constexpr std::size_t kRedrawEvery = 64;
constexpr int kDetailsMode = 3;

}  // namespace

bool CIconThread::InitInstance()
{
    LoadIcons();
    LoadDetails();
    if (::IsWindow(m_work.view)) ::PostMessageA(m_work.view, UWM_ICONSDONE, 0, 0);
    return false;
}

void CIconThread::LoadIcons()
{
    const int exeIcon = shell::ExecutableIcon();
    std::size_t done = 0;
    for (CFileItem* item : m_work.rows) {
        if (Stopped()) break;
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
        }
        if (++done % kRedrawEvery == 0) ::InvalidateRect(m_work.list, nullptr, FALSE);
    }
    ::InvalidateRect(m_work.list, nullptr, FALSE);
}

void CIconThread::LoadDetails()
{
    for (CFileItem* item : m_work.rows) {
        if (Stopped() || (m_work.viewMode && m_work.viewMode->load() == kDetailsMode)) break;
        if (!item) continue;
        FileItem record;
        int icon = -1;
        LPCITEMIDLIST absolute = nullptr;
        {
            platform::LockGuard guard(m_work.store->lock);
            if (!item->detailsPending) continue;
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
        if (!item->detailsPending) continue;
        CopyDetails(*item, details.record);
        item->iconIndex = details.iconIndex;
    }
}
