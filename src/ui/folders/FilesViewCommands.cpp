// The notifications of a files view's list, its commands and its status texts.
#include "ui/folders/FilesView.h"

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

StatusStrings LoadStatusStrings()
{
    return {ui::LoadString(IDS_OBJECTS),         ui::LoadString(IDS_SELECTED),
            ui::LoadString(IDS_SIZE_BYTES_FORMAT), ui::LoadString(IDS_SIZE_KB_FORMAT),
            ui::LoadString(IDS_SIZE_MB_FORMAT),    ui::LoadString(IDS_ZERO_BYTES),
            ui::LoadString(IDS_DISK_FREE_SPACE)};
}

}  // namespace

LRESULT CFilesView::OnNotify(NMHDR& header)
{
    if (header.hwndFrom != m_list.Handle()) return 0;
    switch (header.code) {
    case LVN_GETDISPINFOA:
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA&>(header));
        return 0;
    case LVN_ITEMCHANGED:
        OnItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
        return 0;
    case LVN_ODSTATECHANGED: {
        // A range selected with Shift: each row is asked once.
        const NMLVODSTATECHANGE& range = reinterpret_cast<NMLVODSTATECHANGE&>(header);
        for (int row = range.iFrom < 0 ? 0 : range.iFrom; row <= range.iTo && row < RowCount(); ++row)
            MarkSelected(row, m_list.IsSelected(row));
        return 0;
    }
    case LVN_ITEMACTIVATE:
        // A double click comes as an activation too: only this one opens.
        m_list.activated = true;
        OnOpen(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        return 0;
    case NM_CLICK: {
        CFileItem* item = ItemAt(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        if (item && m_store && item->sizeKB == -1) {
            platform::LockGuard guard(m_store->lock);
            item->LoadDetails(true, !item->ownsAbsoluteId, Settings().GetSetting(Setting::ShowHiddenFiles) != 0, &m_lookup);
        }
        return 0;
    }
    case NM_RCLICK: {
        POINT cursor;
        ::GetCursorPos(&cursor);
        OnRowContextMenu(cursor);
        return 0;
    }
    case LVN_BEGINLABELEDITA:
        return OnBeginLabelEdit(reinterpret_cast<NMLVDISPINFOA&>(header));
    case LVN_ENDLABELEDITA:
        return OnEndLabelEdit(reinterpret_cast<NMLVDISPINFOA&>(header));
    case LVN_COLUMNCLICK:
        OnColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
        return 0;
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
        ::SendMessageA(Handle(), UWM_DRAGSTART, static_cast<WPARAM>(reinterpret_cast<NMLISTVIEW&>(header).iItem),
                       header.code == LVN_BEGINRDRAG);
        return 0;
    case LVN_ODFINDITEMA: {
        // Typing a name's first letters finds its row.
        const NMLVFINDITEMA& find = reinterpret_cast<NMLVFINDITEMA&>(header);
        if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
        const std::size_t length = std::strlen(find.lvfi.psz);
        for (int step = 0; step < RowCount(); ++step) {
            const int row = (find.iStart + step) % RowCount();
            const CFileItem* item = ItemAt(row);
            if (item && _strnicmp(item->name.c_str(), find.lvfi.psz, length) == 0) return row;
        }
        return -1;
    }
    default:
        return 0;
    }
}

bool CFilesView::OnCommand(UINT id)
{
    if (id >= ID_VIEW_MODE_FIRST && id <= ID_VIEW_MODE_LAST) {
        const int mode = static_cast<int>(id - ID_VIEW_MODE_FIRST);
        Settings().SetSetting(Setting::ViewMode, mode);
        SetViewMode(mode);
        return true;
    }
    if (id >= ID_VIEW_ARRANGE_FIRST && id <= ID_VIEW_ARRANGE_LAST) {
        OnSortCommand(static_cast<int>(id - ID_VIEW_ARRANGE_FIRST));
        return true;
    }
    if (id >= ID_VIEW_COLUMN_FIRST && id <= ID_VIEW_COLUMN_LAST) {
        const int setting = Setting::ShowColumnFirst + static_cast<int>(id - ID_VIEW_COLUMN_FIRST);
        Settings().SetSetting(setting, Settings().GetSetting(setting) ? 0 : 1);
        ::SendMessageA(Handle(), UWM_REBUILDCOLUMNS, 0, 0);
        return true;
    }
    switch (id) {
    case ID_VIEW_AUTO_ARRANGE: {
        m_autoArrange = !m_autoArrange;
        const LONG_PTR style = ::GetWindowLongPtrA(m_list.Handle(), GWL_STYLE);
        ::SetWindowLongPtrA(m_list.Handle(), GWL_STYLE,
                            m_autoArrange ? style | LVS_AUTOARRANGE : style & ~static_cast<LONG_PTR>(LVS_AUTOARRANGE));
        return true;
    }
    case ID_EDIT_SELECT_ALL: SelectAll(false); return true;
    case ID_EDIT_INVERT_SELECTION: SelectAll(true); return true;
    case ID_FILES_SELECT_BY_FILTER:
    case ID_EDIT_SELECT_BY_FILTER: SelectByFilter(); return true;
    case ID_FILES_FILTER:
    case ID_EDIT_SET_FILTER: FilterFolder(); return true;
    case ID_FILES_REMOVE_FILTER:
    case ID_EDIT_REMOVE_FILTER: RemoveFilter(); return true;
    case ID_FILES_CUT:
    case ID_EDIT_CUT: Cut(); return true;
    case ID_VIEW_RESIZE_COLUMNS: ResizeColumns(); return true;
    default: return false;
    }
}

bool CFilesView::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (id >= ID_VIEW_MODE_FIRST && id <= ID_VIEW_MODE_LAST) {
        state.radio = true;
        state.checked = ViewMode() == static_cast<int>(id - ID_VIEW_MODE_FIRST);
        return true;
    }
    if (id >= ID_VIEW_ARRANGE_FIRST && id <= ID_VIEW_ARRANGE_LAST) {
        state.radio = true;
        state.checked = m_sortMode == static_cast<int>(id - ID_VIEW_ARRANGE_FIRST);
        return true;
    }
    if (id >= ID_VIEW_COLUMN_FIRST && id <= ID_VIEW_COLUMN_LAST) {
        state.checked = Settings().GetSetting(Setting::ShowColumnFirst + static_cast<int>(id - ID_VIEW_COLUMN_FIRST)) != 0;
        return true;
    }
    switch (id) {
    case ID_VIEW_AUTO_ARRANGE:
        state.checked = m_autoArrange;
        return true;
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_INVERT_SELECTION:
    case ID_FILES_SELECT_BY_FILTER:
    case ID_EDIT_SELECT_BY_FILTER:
        state.enabled = RowCount() > 0;
        return true;
    case ID_FILES_FILTER:
    case ID_EDIT_SET_FILTER:
        state.enabled = !HasWorker();
        return true;
    case ID_FILES_REMOVE_FILTER:
    case ID_EDIT_REMOVE_FILTER:
        state.enabled = m_filtered && !HasWorker();
        return true;
    case ID_FILES_CUT:
    case ID_EDIT_CUT:
        state.enabled = m_list.SelectedCount() > 0;
        return true;
    case ID_VIEW_RESIZE_COLUMNS:
        state.enabled = ViewMode() == kDetailsMode;
        return true;
    default:
        return false;
    }
}

FolderStatus CFilesView::Status(const std::string& freeSpace)
{
    // The sums follow the list's notifications; rows set or dropped without
    // one show in the counts, and then the rows are counted again.
    const bool hasUpRow = !m_rows.empty() && !m_rows.front().item;
    const std::size_t upSelected = hasUpRow && m_rows.front().selected ? 1 : 0;
    if (m_sums.count + (hasUpRow ? 1 : 0) != m_rows.size() ||
        m_sums.selected + upSelected != static_cast<std::size_t>(m_list.SelectedCount()))
        RecountSelection();
    StatusInput input;
    input.reading = HasWorker();
    input.totalSize = m_totalSize;
    input.sums = m_sums;
    input.freeSpace = freeSpace;
    return MakeFolderStatus(input, LoadStatusStrings());
}
