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
        // The identifiers never change once listed; path and kind are copied under the lock.
        std::string path;
        bool isFolder = false;
        {
            platform::LockGuard guard(m_work.store->lock);
            path = PlacePathOf(*item);
            isFolder = item->isDirectory;
        }
        const LPCITEMIDLIST absolute = item->ownsAbsoluteId ? item->absoluteId : nullptr;
        int icon = m_lookup.ExactIcon(item->folder, item->relativeId, absolute, path, isFolder);
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
        {
            platform::LockGuard guard(m_work.store->lock);
            if (!item->detailsPending) continue;
            record = *item;
            icon = item->iconIndex;
        }
        // Read outside the lock, then published at once.
        LPCITEMIDLIST absolute = item->ownsAbsoluteId ? item->absoluteId : nullptr;
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
