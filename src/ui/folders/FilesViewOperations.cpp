// What every files view does around a file operation: the selection check
// that chooses the operation items, and the clean-up once the operation ends.
#include "ui/folders/FilesView.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderOperThread.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Standard library
#include <algorithm>
#include <unordered_set>

namespace {

// The operation items grow in steps of this many.
constexpr std::size_t kOperationItemsStep = 50;

}  // namespace

bool CFilesView::ItemHasAttribute(const CFileItem& item, ULONG attribute)
{
    return shell::Attributes(item.folder, item.relativeId, attribute) != 0;
}

bool CFilesView::CheckSelection(ULONG attribute, UINT messageId)
{
    m_operationItems.clear();
    const std::size_t selected = static_cast<std::size_t>(m_list.SelectedCount());
    m_operationItems.reserve((selected / kOperationItemsStep + 1) * kOperationItemsStep);
    bool refused = false;
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row)) {
        CFileItem* item = ItemAt(row);
        // An item without an exact path is refused like one the shell refuses:
        // its listed path would be read as a pattern and reach other files.
        if (item && ItemHasAttribute(*item, attribute) && !ActionPathOf(*item).empty()) {
            m_operationItems.push_back(item);
            continue;
        }
        m_list.SetState(row, 0, LVIS_SELECTED);
        refused = refused || item != nullptr;
    }
    if (!refused) return true;
    return ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), messageId, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CFilesView::OnOperationDone(bool succeeded, std::uint32_t cutTicket)
{
    CutList::Instance().MoveDone(cutTicket, succeeded);
    // Only what the operation can have taken away is looked for on the disk:
    // its items and the rows cut for a move; the other rows wait for the
    // watcher's next listing.
    std::unordered_set<const CFileItem*> gone;
    auto checkGone = [&gone](const CFileItem* item) {
        if (!item || item->path.find('\\') == std::string::npos) return;
        // Without an exact path nothing can be said of the item: it stays.
        const std::string exact = ActionPathOf(*item);
        if (!exact.empty() && ::GetFileAttributesA(exact.c_str()) == INVALID_FILE_ATTRIBUTES) gone.insert(item);
    };
    for (const CFileItem* item : m_operationItems) checkGone(item);
    for (const ListRow& row : m_rows)
        if (row.cut && !row.ghosted) checkGone(row.item);
    if (gone.empty()) {
        RefreshTreeNode(DisplayPath());
        return;
    }
    HCURSOR oldCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    m_operationItems.erase(std::remove_if(m_operationItems.begin(), m_operationItems.end(),
                                          [&gone](const CFileItem* item) { return gone.count(item) != 0; }),
                           m_operationItems.end());
    // The rows that stay close up in one pass and keep their selection; the
    // sizes are read under the store's lock, which the icon thread writes them under.
    std::vector<char> wasSelected(m_rows.size(), 0);
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
        if (row < RowCount()) wasSelected[static_cast<std::size_t>(row)] = 1;
    const int focused = ListView_GetNextItem(m_list.Handle(), -1, LVNI_FOCUSED);
    int focusRow = -1;
    std::vector<int> selectedRows;
    {
        platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
        std::size_t kept = 0;
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            const CFileItem* item = m_rows[row].item;
            if (item && gone.count(item)) {
                // The item stays in the store, which the icon thread may still
                // read; it goes with the listing.
                if (!item->isDirectory) m_totalSize -= static_cast<double>(item->sizeBytes);
                continue;
            }
            if (wasSelected[row]) selectedRows.push_back(static_cast<int>(kept));
            if (static_cast<int>(row) == focused) focusRow = static_cast<int>(kept);
            if (kept != row) m_rows[kept] = m_rows[row];
            ++kept;
        }
        m_rows.resize(kept);
    }
    m_list.SetRedraw(false);
    m_list.SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetCount(RowCount());
    for (int row : selectedRows) m_list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    if (focusRow >= 0) m_list.SetState(focusRow, LVIS_FOCUSED, LVIS_FOCUSED);
    RecountSelection();
    RefreshTreeNode(DisplayPath());
    m_list.SetRedraw(true);
    ::SetCursor(oldCursor);
}
