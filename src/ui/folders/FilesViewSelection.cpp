// What a files view does with its rows beyond showing them: selecting and
// filtering by criteria, cut marks, editing names and fitting the columns.
#include "ui/folders/FilesView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstdlib>
#include <ctime>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

}  // namespace

// --- Selection sums ----------------------------------------------------------

void CFilesView::SizeRow(ListRow& row) const
{
    // Details once read are exact: a listed entry may hold only the low 32
    // bits of a size.
    if (!row.item || row.item->detailsPending) return;
    row.sized = true;
    row.plainFile = !row.item->isDirectory && row.item->modified != 0;
    row.size = row.item->isDirectory ? 0 : static_cast<double>(row.item->sizeBytes);
}

void CFilesView::RecountSelection()
{
    m_sums = SelectionSums();
    {
        platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
        for (ListRow& row : m_rows) {
            row.selected = false;
            if (!row.item) continue;
            const bool listed = row.sized;
            const double before = row.size;
            SizeRow(row);
            // The listing's total holds the listed sizes: it follows them.
            if (listed) m_totalSize += row.size - before;
            m_sums.AddRow(row.size, row.plainFile, false);
        }
    }
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row)) MarkSelected(row, true);
}

void CFilesView::MarkSelected(int row, bool selected)
{
    if (row < 0 || row >= RowCount()) return;
    ListRow& listRow = m_rows[static_cast<std::size_t>(row)];
    if (listRow.selected == selected) return;
    listRow.selected = selected;
    if (listRow.item) m_sums.Select(listRow.size, listRow.plainFile, selected);
}

void CFilesView::OnItemChanged(const NMLISTVIEW& change)
{
    if (!(change.uChanged & LVIF_STATE)) return;
    // Row -1 is every row at once (select all, deselect all).
    if (change.iItem == -1) RecountSelection();
    else if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)
        MarkSelected(change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
}

// --- Filter ------------------------------------------------------------------

void CFilesView::SelectByFilter()
{
    if (!EditCriteria(Handle(), CriteriaSheetVariant::SelectByFilter, m_criteria)) return;
    m_list.SetState(-1, 0, LVIS_SELECTED);
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    const bool showHidden = Settings().GetSetting(Setting::ShowHiddenFiles) != 0;
    int first = -1;
    {
        platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
        for (int row = 0; row < RowCount(); ++row) {
            CFileItem* item = ItemAt(row);
            if (!item) continue;
            if (item->detailsPending) item->LoadDetails(true, !item->ownsAbsoluteId, showHidden, &m_lookup);
            if (!m_criteria.MatchesListed(*item, false, now)) continue;
            m_list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
            if (first == -1) first = row;
        }
    }
    if (first == -1) {
        ui::ShowMessage(Handle(), IDS_NO_ITEMS_SELECTED, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ListView_EnsureVisible(m_list.Handle(), first, FALSE);
}

void CFilesView::FilterFolder()
{
    if (!EditCriteria(Handle(), CriteriaSheetVariant::FilterFolder, m_criteria, std::string(), &m_alwaysAddFolders))
        return;
    RequestIconThreadStop();
    m_filtered = true;
    ListAgain();
}

void CFilesView::RemoveFilter()
{
    m_filtered = false;
    m_criteria = CCondition();
    m_alwaysAddFolders = false;
    RequestIconThreadStop();
    ListAgain();
}

// --- Cut marks ---------------------------------------------------------------

void CFilesView::ClearCutMarks()
{
    bool changed = false;
    for (ListRow& row : m_rows) {
        if (!row.cut || row.ghosted) continue;
        row.cut = false;
        changed = true;
    }
    m_cutClipboardTag.clear();
    if (changed) ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
}

void CFilesView::Cut()
{
    if (!m_cutClipboardTag.empty()) ClearCutMarks();
    CutList& cutList = CutList::Instance();
    const std::string tag = cutList.Begin(reinterpret_cast<std::uintptr_t>(Handle()), [] { return std::rand(); });
    ui::SetClipboardText(Handle(), tag);
    for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row)) {
        CFileItem* item = ItemAt(row);
        // The paste moves what the list names: only an exact path goes on it.
        const std::string exact = item ? ActionPathOf(*item) : std::string();
        if (exact.empty() || !CanCut(*item)) continue;
        m_rows[static_cast<std::size_t>(row)].cut = true;
        cutList.Add(exact);
    }
    m_cutClipboardTag = tag;
    ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
}

void CFilesView::CheckCutMarks()
{
    if (m_cutClipboardTag.empty()) return;
    const CutList& cutList = CutList::Instance();
    // A later cut, or anything else put on the clipboard, ends this one. The
    // clipboard is opened only when its content changed since the last look.
    const ui::ClipboardMark mark = ui::CurrentClipboardMark();
    if (cutList.Tag() == m_cutClipboardTag && mark == m_cutCheckMark) return;
    m_cutCheckMark = mark;
    if (cutList.Tag() != m_cutClipboardTag || !cutList.IsCurrent(ui::ClipboardText(Handle()))) ClearCutMarks();
}

// --- Label editing -----------------------------------------------------------

void CFilesView::EditLabel(int row)
{
    if (row < 0 || row >= RowCount()) return;
    ::SetFocus(m_list.Handle());
    ListView_EditLabel(m_list.Handle(), row);
}

LRESULT CFilesView::OnBeginLabelEdit(NMLVDISPINFOA& info)
{
    if (!::SendMessageA(Handle(), UWM_LABELEDITBEGIN, static_cast<WPARAM>(info.item.iItem), 0)) return TRUE;
    m_list.BeginLabelEdit(ListView_GetEditControl(m_list.Handle()));
    return FALSE;
}

LRESULT CFilesView::OnEndLabelEdit(NMLVDISPINFOA& info)
{
    const bool cancelled = m_list.editCancelled || !info.item.pszText;
    m_list.EndLabelEdit();
    const LRESULT accepted = ::SendMessageA(Handle(), UWM_LABELEDITEND, MAKEWPARAM(info.item.iItem, cancelled ? 1 : 0),
                                            cancelled ? 0 : reinterpret_cast<LPARAM>(info.item.pszText));
    m_list.editCancelled = false;
    return accepted;
}

// --- Columns -----------------------------------------------------------------

void CFilesView::ResizeColumns()
{
    if (ViewMode() != kDetailsMode || m_columns.empty()) return;
    HWND list = m_list.Handle();
    // Every column fits its widest text (and its title, but for the last
    // column, which that would stretch to the edge); the name then takes
    // what the window has left.
    const int count = static_cast<int>(m_columns.size());
    int used = 0;
    for (int column = 0; column < count; ++column) {
        ListView_SetColumnWidth(list, column, column == count - 1 ? LVSCW_AUTOSIZE : LVSCW_AUTOSIZE_USEHEADER);
        if (column > 0) used += ListView_GetColumnWidth(list, column);
    }
    RECT client = {};
    ::GetClientRect(list, &client);
    const int left = client.right - used;
    if (left > ListView_GetColumnWidth(list, 0)) ListView_SetColumnWidth(list, 0, left);
}
