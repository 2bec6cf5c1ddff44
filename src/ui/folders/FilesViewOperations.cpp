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
    HCURSOR oldCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    m_list.SetRedraw(false);
    for (int row = RowCount() - 1; row >= 0; --row) {
        CFileItem* item = ItemAt(row);
        if (!item || item->path.find('\\') == std::string::npos) continue;
        // Without an exact path nothing can be said of the item: it stays.
        const std::string exact = ActionPathOf(*item);
        if (exact.empty() || ::GetFileAttributesA(exact.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        ListView_DeleteItem(m_list.Handle(), row);
        m_rows.erase(m_rows.begin() + row);
        m_operationItems.erase(std::remove(m_operationItems.begin(), m_operationItems.end(), item),
                               m_operationItems.end());
        // The item stays in the store, which the icon thread may still read;
        // it goes with the listing.
        if (!item->isDirectory) m_totalSize -= static_cast<double>(item->sizeBytes);
    }
    m_list.SetCount(RowCount());
    RefreshTreeNode(DisplayPath());
    m_list.SetRedraw(true);
    ::SetCursor(oldCursor);
}
