// The cells of a files view: texts and images asked by the list as it draws,
// the columns, sorting and the image lists.
#include "ui/folders/FilesView.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/RunSort.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/IconThread.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <cstring>

namespace {

constexpr int kListMode = 2;
constexpr std::int64_t kEpochOffsetSeconds = 11644473600LL;  // 1601 to 1970
constexpr std::int64_t kFileTimeUnitsPerSecond = 10000000LL;
constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;
constexpr int kColorBitsWithOverlays = 8;

struct ColumnInfo {
    ColumnKind kind;
    UINT title;
    int widthSetting;
    int defaultWidth;
    int format;
    int showSetting;  // -1: always (Name) or never in explorer views (In Folder)
};

constexpr ColumnInfo kColumnInfo[] = {
    {ColumnKind::Name, IDS_COLUMN_NAME, 59, 150, LVCFMT_LEFT, -1},
    {ColumnKind::InFolder, IDS_COLUMN_IN_FOLDER, 63, 150, LVCFMT_LEFT, -1},
    {ColumnKind::Ext, IDS_COLUMN_EXT, 60, 50, LVCFMT_LEFT, Setting::ShowColumnFirst},
    {ColumnKind::Size, IDS_COLUMN_SIZE, 62, 40, LVCFMT_RIGHT, Setting::ShowColumnFirst + 1},
    {ColumnKind::Type, IDS_COLUMN_TYPE, 61, 70, LVCFMT_LEFT, Setting::ShowColumnFirst + 2},
    {ColumnKind::Modified, IDS_COLUMN_MODIFIED, 64, 70, LVCFMT_CENTER, Setting::ShowColumnFirst + 3},
    {ColumnKind::Time, IDS_COLUMN_TIME, 65, 100, LVCFMT_CENTER, Setting::ShowColumnFirst + 4},
    {ColumnKind::Attr, IDS_COLUMN_ATTR, 66, 50, LVCFMT_CENTER, Setting::ShowColumnFirst + 5},
};

const ColumnInfo& InfoOf(ColumnKind kind) { return kColumnInfo[static_cast<int>(kind)]; }

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

bool LocalTime(std::int64_t seconds, SYSTEMTIME& local)
{
    const std::int64_t units = (seconds + kEpochOffsetSeconds) * kFileTimeUnitsPerSecond;
    FILETIME utc = {static_cast<DWORD>(units & 0xFFFFFFFF), static_cast<DWORD>(units >> 32)};
    FILETIME localFile = {};
    return ::FileTimeToLocalFileTime(&utc, &localFile) && ::FileTimeToSystemTime(&localFile, &local);
}

std::string DateText(std::int64_t seconds, bool time)
{
    SYSTEMTIME local = {};
    if (seconds == 0 || !LocalTime(seconds, local)) return {};
    char text[64] = "";
    if (time) ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &local, nullptr, text, sizeof(text));
    else ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, text, sizeof(text));
    return text;
}

// A copy of a system image list that the view may add composites to.
HIMAGELIST CopyImageList(HIMAGELIST source, int size)
{
    HIMAGELIST copy = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, ImageList_GetImageCount(source), 16);
    if (!copy) return nullptr;
    ImageList_SetBkColor(copy, CLR_NONE);
    for (int i = 0; i < ImageList_GetImageCount(source); ++i) {
        HICON icon = ImageList_GetIcon(source, i, ILD_TRANSPARENT);
        ImageList_ReplaceIcon(copy, -1, icon);
        if (icon) ::DestroyIcon(icon);
    }
    return copy;
}

// Adds image `index` of list with `overlay` drawn over it; -1 on failure.
int AddComposite(HIMAGELIST list, int index, HICON overlay, int size)
{
    HIMAGELIST overlayList = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 0);
    if (!overlayList) return -1;
    ImageList_ReplaceIcon(overlayList, -1, overlay);
    int added = -1;
    if (HIMAGELIST merged = ImageList_Merge(list, index, overlayList, 0, 0, 0)) {
        HICON icon = ImageList_GetIcon(merged, 0, ILD_TRANSPARENT);
        added = ImageList_ReplaceIcon(list, -1, icon);
        if (icon) ::DestroyIcon(icon);
        ImageList_Destroy(merged);
    }
    ImageList_Destroy(overlayList);
    return added;
}

HICON LoadSizedIcon(UINT id, int size)
{
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
}

}  // namespace

int ColumnWidthSetting(ColumnKind kind) { return InfoOf(kind).widthSetting; }
int DefaultColumnWidth(ColumnKind kind) { return InfoOf(kind).defaultWidth; }

// --- Cells -------------------------------------------------------------------

std::string CFilesView::CellTextLocked(CFileItem& item, const ListRow& row, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Name: return item.name;
    case ColumnKind::InFolder: return item.folderPath;
    case ColumnKind::Ext: return item.extension;
    default: break;
    }
    if (item.detailsPending) {
        // Drawing reads no disk: the icon thread reads the details, these
        // first, and the row is drawn again with them. Until then it shows
        // what the listing knows: the size its identifier carries.
        if (m_iconRunTakesWanted) m_iconRun->Want(&item);
        if (kind == ColumnKind::Size && row.sized && row.plainFile)
            return FormatKilobytes(ui::LoadString(IDS_CELL_KB_FORMAT), SizeInKB(static_cast<std::uint64_t>(row.size)));
        return {};
    }
    switch (kind) {
    case ColumnKind::Size: {
        if (item.modified == 0 || item.isDirectory) return {};
        return FormatKilobytes(ui::LoadString(IDS_CELL_KB_FORMAT), item.sizeKB);
    }
    case ColumnKind::Type: return item.typeName;
    case ColumnKind::Modified: return DateText(item.modified, false);
    case ColumnKind::Time: return DateText(item.modified, true);
    case ColumnKind::Attr: return item.attributesText;
    default: return {};
    }
}

std::string CFilesView::CellText(int row, int column)
{
    CFileItem* item = ItemAt(row);
    if (!item || column < 0 || column >= static_cast<int>(m_columns.size())) return {};
    platform::LockGuard guard(m_store->lock);
    return CellTextLocked(*item, m_rows[static_cast<std::size_t>(row)], m_columns[static_cast<std::size_t>(column)]);
}

int CFilesView::CellImage(int row)
{
    if (row < 0 || row >= RowCount()) return -1;
    CFileItem* item = ItemAt(row);
    if (!item) return UpImage();
    platform::LockGuard guard(m_store->lock);
    return item->iconIndex;
}

void CFilesView::OnGetDispInfo(NMLVDISPINFOA& info)
{
    LVITEMA& cell = info.item;
    if (cell.iItem < 0 || cell.iItem >= RowCount()) return;
    if (cell.mask & LVIF_TEXT) {
        const std::string text = CellText(cell.iItem, cell.iSubItem);
        if (cell.pszText && cell.cchTextMax > 0) lstrcpynA(cell.pszText, text.c_str(), cell.cchTextMax);
    }
    if (cell.mask & LVIF_IMAGE) {
        // Other cells show no image, except the folder's beside "In Folder".
        cell.iImage = -1;
        if (cell.iSubItem == 0) {
            cell.iImage = CellImage(cell.iItem);
        } else if (cell.iSubItem < static_cast<int>(m_columns.size()) &&
                   m_columns[static_cast<std::size_t>(cell.iSubItem)] == ColumnKind::InFolder) {
            if (const CFileItem* item = ItemAt(cell.iItem)) cell.iImage = item->folderIconIndex;
        }
    }
    if (cell.mask & LVIF_STATE) {
        if (RowIsCut(cell.iItem)) cell.state |= LVIS_CUT;
        cell.stateMask |= LVIS_CUT;
    }
}

int CFilesView::UpImage()
{
    if (m_upImage != -1) return m_upImage;
    const int prepared = CTrailmarkApp::Instance()->IconIndex(IconFile::Up);
    if (prepared != -1) return m_upImage = prepared;
    // The system lists are the process's own for its whole run: the image
    // goes into them once, not at every listing.
    static int systemUpImage = -1;
    if (m_usesSystemImageLists && systemUpImage != -1) return m_upImage = systemUpImage;
    HICON small = LoadSizedIcon(IDI_UP_SMALL, kSmallIconSize);
    HICON large = LoadSizedIcon(IDI_UP_LARGE, kLargeIconSize);
    m_upImage = ImageList_ReplaceIcon(m_smallImages, -1, small);
    ImageList_ReplaceIcon(m_largeImages, -1, large);
    if (small) ::DestroyIcon(small);
    if (large) ::DestroyIcon(large);
    if (m_usesSystemImageLists) systemUpImage = m_upImage;
    return m_upImage;
}

// --- Columns -----------------------------------------------------------------

void CFilesView::AddColumn(ColumnKind kind)
{
    const ColumnInfo& info = InfoOf(kind);
    int width = Settings().GetSetting(info.widthSetting);
    if (width == 0) width = info.defaultWidth;
    const std::string title = ui::LoadString(info.title);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = info.format;
    column.cx = width;
    column.pszText = const_cast<char*>(title.c_str());
    column.iSubItem = static_cast<int>(m_columns.size());
    ListView_InsertColumn(m_list.Handle(), static_cast<int>(m_columns.size()), &column);
    m_columns.push_back(kind);
}

std::size_t CFilesView::FixedColumnCount() const { return m_showsFolderColumn ? 2 : 1; }

void CFilesView::BuildColumns(bool realFolder)
{
    if (m_columns.empty()) AddColumn(ColumnKind::Name);
    // Result views show where each item lies next to its name.
    if (m_showsFolderColumn && m_columns.size() == 1) AddColumn(ColumnKind::InFolder);
    if (!realFolder) {
        // A virtual folder shows names only.
        while (m_columns.size() > 1) {
            ListView_DeleteColumn(m_list.Handle(), static_cast<int>(m_columns.size()) - 1);
            m_columns.pop_back();
        }
        m_list.SortHeader().Attach(m_list.Header());
        UpdateSortMark();
        return;
    }
    if (m_columns.size() > FixedColumnCount()) return;  // built already
    m_sortMode = Settings().GetSetting(Setting::Arrangement);
    if (m_sortMode < 0 || m_sortMode >= static_cast<int>(ColumnKind::Count)) m_sortMode = 0;
    for (ColumnKind kind : {ColumnKind::Ext, ColumnKind::Size, ColumnKind::Type, ColumnKind::Modified,
                            ColumnKind::Time, ColumnKind::Attr})
        if (Settings().GetSetting(InfoOf(kind).showSetting)) AddColumn(kind);
    m_list.SortHeader().Attach(m_list.Header());
    UpdateSortMark();
}

void CFilesView::RebuildColumns()
{
    while (m_columns.size() > FixedColumnCount()) {
        ListView_DeleteColumn(m_list.Handle(), static_cast<int>(m_columns.size()) - 1);
        m_columns.pop_back();
    }
    BuildColumns(true);
}

void CFilesView::SaveColumnWidths()
{
    if (ViewMode() != kDetailsMode || !m_list.Handle()) return;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const int width = ListView_GetColumnWidth(m_list.Handle(), static_cast<int>(i));
        Settings().SetSetting(InfoOf(m_columns[i]).widthSetting, width);
    }
}

// --- Sorting -----------------------------------------------------------------

namespace {

constexpr int kSizeSort = 3;
constexpr int kTypeSort = 4;
constexpr int kTimeSort = 6;

// The size or modified time the listing's identifier carries, read without
// touching the disk; the item's own details when the shell has none.
SortKey SizeOrDateKey(const CFileItem& item, bool bySize)
{
    WIN32_FIND_DATAA data;
    if (shell::FindDataOf(item.folder, item.relativeId, data)) {
        const bool isFile = !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (bySize) return {isFile, (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, {}};
        return {isFile,
                (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime,
                {}};
    }
    if (item.detailsPending) return {!item.isDirectory, 0, {}};
    return {!item.isDirectory, bySize ? item.sizeBytes : static_cast<std::uint64_t>(item.modified), {}};
}

// The type's text; files share it by extension, so a listing not yet
// detailed asks the shell once per extension.
SortKey TypeKey(const CFileItem& item, shell::LookupCache& lookup)
{
    if (!item.detailsPending) return {!item.isDirectory, 0, item.typeName};
    if (item.isDirectory) return {false, 0, {}};
    return {true, 0, lookup.TypeName(nullptr, item.path, false)};
}

int Order(bool less, bool greater) { return less ? -1 : greater ? 1 : 0; }

}  // namespace

int CFilesView::CompareRows(const ListRow& a, const ListRow& b, const SortKey* keyA, const SortKey* keyB) const
{
    // The up row comes before everything.
    if (!a.item || !b.item) return (a.item ? 1 : 0) - (b.item ? 1 : 0);
    IShellFolder* folder = a.item->folder;
    auto shellCompare = [&](LPARAM column, const CFileItem& x, const CFileItem& y) {
        // Results come from many folders and are bound only when the shell acts
        // on them: by name, folders first, as a file-system folder orders them.
        if (m_showsFolderColumn) {
            if (x.isDirectory != y.isDirectory) return x.isDirectory ? -1 : 1;
            const int order = lstrcmpiA(x.name.c_str(), y.name.c_str());
            return order < 0 ? -1 : order > 0 ? 1 : 0;
        }
        if (!folder || !x.relativeId || !y.relativeId) return 0;
        const HRESULT result = folder->CompareIDs(column, x.relativeId, y.relativeId);
        return FAILED(result) ? 0 : static_cast<int>(static_cast<short>(HRESULT_CODE(result)));
    };
    auto byName = [&] { return m_ascending ? shellCompare(0, *a.item, *b.item) : -shellCompare(0, *a.item, *b.item); };
    const bool textMode = m_sortMode == 1 || m_sortMode == 2 || m_sortMode == 7;
    if (textMode) {
        auto key = [this](const CFileItem& item) -> std::string {
            if (m_sortMode == 1) return item.folderPath;
            if (m_sortMode == 7) return item.attributesText;
            return item.extension.empty() ? ExtensionOf(FileNameOfItem(item)) : item.extension;
        };
        const int order = std::strcmp(key(*a.item).c_str(), key(*b.item).c_str());
        if (order != 0) return (order > 0) == m_ascending ? 1 : -1;
        return byName();
    }
    if (keyA && keyB) {
        // Sizes, types and dates are compared here, not by the shell: not every
        // shell's comparison honours the column it is given.
        const SortKey& x = m_ascending ? *keyA : *keyB;
        const SortKey& y = m_ascending ? *keyB : *keyA;
        int order = x.isFile != y.isFile ? Order(!x.isFile, !y.isFile) : Order(x.value < y.value, x.value > y.value);
        if (order == 0) order = Order(lstrcmpiA(x.text.c_str(), y.text.c_str()) < 0, lstrcmpiA(x.text.c_str(), y.text.c_str()) > 0);
        return order != 0 ? order : byName();
    }
    const LPARAM column = m_sortMode == 0 ? 0 : m_sortMode == 3 ? 1 : m_sortMode == 4 ? 2 : 3;
    return m_ascending ? shellCompare(column, *a.item, *b.item) : shellCompare(column, *b.item, *a.item);
}

void CFilesView::Sort()
{
    Settings().SetSetting(Setting::Arrangement, m_sortMode);
    // The selection belongs to the rows, not to their places: the rows carry
    // their selected mark, read from the list, through the sort.
    const bool anySelected = m_list.SelectedCount() > 0;
    if (anySelected) {
        for (ListRow& row : m_rows) row.selected = false;
        for (int row = m_list.NextSelected(-1); row != -1; row = m_list.NextSelected(row))
            if (row < RowCount()) m_rows[static_cast<std::size_t>(row)].selected = true;
    }
    {
        platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
        // A stable sort stays in bounds even when the shell's answers are not
        // consistent; listings mostly come in name order, which the run sort
        // takes as it is, with one call into the shell per row.
        if (m_sortMode >= kSizeSort && m_sortMode <= kTimeSort) {
            std::vector<std::pair<ListRow, SortKey>> rows;
            rows.reserve(m_rows.size());
            for (const ListRow& row : m_rows) {
                SortKey key;
                if (row.item)
                    key = m_sortMode == kTypeSort ? TypeKey(*row.item, m_lookup)
                                                  : SizeOrDateKey(*row.item, m_sortMode == kSizeSort);
                rows.emplace_back(row, std::move(key));
            }
            StableRunSort(rows.begin(), rows.end(), [this](const auto& a, const auto& b) {
                return CompareRows(a.first, b.first, &a.second, &b.second) < 0;
            });
            for (std::size_t i = 0; i < rows.size(); ++i) m_rows[i] = rows[i].first;
        } else {
            StableRunSort(m_rows.begin(), m_rows.end(), [this](const ListRow& a, const ListRow& b) {
                return CompareRows(a, b, nullptr, nullptr) < 0;
            });
        }
    }
    m_resortOnModeChange = ViewMode() >= kListMode;
    UpdateSortMark();
    if (anySelected) {
        std::vector<int> selectedRows;
        for (int row = 0; row < RowCount(); ++row)
            if (m_rows[static_cast<std::size_t>(row)].selected) selectedRows.push_back(row);
        m_list.SetState(-1, 0, LVIS_SELECTED);
        for (int row : selectedRows) m_list.SetState(row, LVIS_SELECTED, LVIS_SELECTED);
        // The sums follow the list, however it told of the changes.
        RecountSelection();
    }
    ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
}

void CFilesView::UpdateSortMark()
{
    // The sort modes follow the column kinds: the key's column, if shown.
    int column = -1;
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (static_cast<int>(m_columns[i]) == m_sortMode) column = static_cast<int>(i);
    m_list.SortHeader().SetMark(column, m_ascending);
}

void CFilesView::OnSortCommand(int mode)
{
    if (mode != m_sortMode) {
        m_sortMode = mode;
        m_ascending = true;
    } else {
        m_ascending = !m_ascending;
    }
    Sort();
}

void CFilesView::OnColumnClick(int column)
{
    if (column < 0 || column >= static_cast<int>(m_columns.size())) return;
    const int mode = static_cast<int>(m_columns[static_cast<std::size_t>(column)]);
    // Another column keeps the direction; the sorted one flips it.
    if (mode == m_sortMode) m_ascending = !m_ascending;
    m_sortMode = mode;
    Sort();
}

// --- Image lists -------------------------------------------------------------

void CFilesView::DestroyImageLists()
{
    if (!m_usesSystemImageLists) {
        if (m_smallImages) ImageList_Destroy(m_smallImages);
        if (m_largeImages) ImageList_Destroy(m_largeImages);
    }
    m_smallImages = m_largeImages = nullptr;
}

void CFilesView::PrepareImageLists(bool needIconThread, bool noOverlays)
{
    m_needIconThread = needIconThread;
    DestroyImageLists();
    HDC screen = ::GetDC(nullptr);
    const int bits = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    const bool systemCanDraw =
        CTrailmarkApp::Instance()->IsWindowsNT() && bits > kColorBitsWithOverlays && !m_privateListsOnNT;
    m_usesSystemImageLists = noOverlays || systemCanDraw;
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    if (m_usesSystemImageLists) {
        m_smallImages = app->SmallImages();
        m_largeImages = app->LargeImages();
    } else {
        m_smallImages = CopyImageList(app->SmallImages(), kSmallIconSize);
        m_largeImages = CopyImageList(app->LargeImages(), kLargeIconSize);
    }
    // The up image belongs to the lists it was added to.
    m_upImage = -1;
    // The same lists again would hand the header the small icons, and its
    // sort mark would have to be set, and the header drawn, anew.
    if (ListView_GetImageList(m_list.Handle(), LVSIL_SMALL) != m_smallImages)
        ListView_SetImageList(m_list.Handle(), m_smallImages, LVSIL_SMALL);
    if (ListView_GetImageList(m_list.Handle(), LVSIL_NORMAL) != m_largeImages)
        ListView_SetImageList(m_list.Handle(), m_largeImages, LVSIL_NORMAL);
    UpdateSortMark();
}

void CFilesView::ApplyOverlays(const std::vector<CFileItem*>& links, const std::vector<CFileItem*>& shares)
{
    if (m_usesSystemImageLists) return;
    auto apply = [this](const std::vector<CFileItem*>& items, UINT smallId, UINT largeId) {
        HICON small = LoadSizedIcon(smallId, kSmallIconSize);
        HICON large = LoadSizedIcon(largeId, kLargeIconSize);
        for (CFileItem* item : items) {
            if (item->iconIndex < 0) continue;
            // A second overlay goes over the first one's composite.
            const int added = AddComposite(m_smallImages, item->iconIndex, small, kSmallIconSize);
            AddComposite(m_largeImages, item->iconIndex, large, kLargeIconSize);
            if (added < 0) continue;
            if (item->systemIconIndex < 0) item->systemIconIndex = item->iconIndex;
            item->iconIndex = added;
        }
        if (small) ::DestroyIcon(small);
        if (large) ::DestroyIcon(large);
    };
    apply(links, IDI_LINK_OVERLAY_SMALL, IDI_LINK_OVERLAY_LARGE);
    apply(shares, IDI_SHARE_OVERLAY, IDI_SHARE_OVERLAY);
}
