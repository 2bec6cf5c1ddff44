#include "ui/folders/FilesView.h"

// Core
#include "core/app/Settings.h"
#include "core/search/SearchSink.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/IconThread.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>

namespace {

constexpr char kClassName[] = "TrailmarkFilesView";
constexpr DWORD kModeStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
constexpr int kModeCount = 4;
constexpr int kListMode = 2;
// The shortest timer: it comes once the repaints due are done.
constexpr UINT kSoonestTimerMs = 0;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

}  // namespace

CFilesView::CFilesView()
    : m_iconRun(std::make_shared<IconRun>()),
      m_viewMode(std::make_shared<std::atomic<int>>(0))
{
}

CFilesView::~CFilesView()
{
    DestroyImageLists();
    if (m_iconThreadEnd) ::CloseHandle(m_iconThreadEnd);
}

bool CFilesView::Create(HWND parent, UINT id)
{
    static const bool registered = Window::RegisterWindowClass(kClassName, COLOR_BTNFACE);
    if (!registered) return false;
    int mode = Settings().GetSetting(Setting::ViewMode);
    if (mode < 0 || mode >= kModeCount) mode = CFilesView::kDetailsMode;
    m_viewMode->store(mode);
    m_sortMode = Settings().GetSetting(Setting::Arrangement);
    if (m_sortMode < 0 || m_sortMode >= static_cast<int>(ColumnKind::Count)) m_sortMode = 0;
    m_autoArrange = Settings().GetSetting(Setting::AutoArrange) == 1;
    HWND hwnd = ::CreateWindowExA(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleA(nullptr), this);
    if (!hwnd || !m_list.Create(*this, kModeStyles[mode] | (m_autoArrange ? LVS_AUTOARRANGE : 0)))
        return false;
    m_list.isExplorer = IsExplorer();

    m_extendedStyle = ListView_GetExtendedListViewStyle(m_list.Handle()) | LVS_EX_SUBITEMIMAGES;
    // Ghosted rows are drawn dimmed: the view answers for the cut state.
    ListView_SetCallbackMask(m_list.Handle(), LVIS_CUT);
    ApplyAppearance();
    ApplyFont();
    PrepareImageLists(false, true);
    ::SetTimer(Handle(), kCutMarkTimer, 1000, nullptr);
    return true;
}

void CFilesView::ApplyAppearance()
{
    DWORD extended = m_extendedStyle;
    CSettingsStore& settings = Settings();
    if (settings.GetSetting(Setting::FlatScrollBars)) extended |= LVS_EX_FLATSB;
    const bool oneClick = settings.GetSetting(Setting::SingleClickFiles) != 0;
    if (oneClick && settings.GetSetting(Setting::UnderlineTitles)) extended |= LVS_EX_TRACKSELECT | LVS_EX_UNDERLINEHOT;
    if (oneClick) extended |= LVS_EX_ONECLICKACTIVATE;
    if (settings.GetSetting(Setting::FullRowSelect)) extended |= LVS_EX_FULLROWSELECT;
    if (settings.GetSetting(Setting::DetailsGrid)) extended |= LVS_EX_GRIDLINES;
    // Set as a whole: a style the settings no longer ask for goes too.
    ::SendMessageA(m_list.Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(-1), static_cast<LPARAM>(extended));
    ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
}

void CFilesView::ApplyFont()
{
    CSettingsStore& settings = Settings();
    ListView_SetTextColor(m_list.Handle(), static_cast<COLORREF>(settings.GetSetting(Setting::FolderFontColor)));
    FontRecord record{};
    settings.GetFontSetting(Setting::FolderFont, record);
    LOGFONTA font = {};
    std::memcpy(&font, record.data(), sizeof(font));
    if (!font.lfFaceName[0]) return;
    HFONT created = ::CreateFontIndirectA(&font);
    if (!created) return;
    ::SendMessageA(m_list.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (m_font) ::DeleteObject(m_font);
    m_font = created;
}

POINT CFilesView::KeyboardMenuPoint() const
{
    // Below the focused row's icon, as a click there would have placed it;
    // without one, the list's corner.
    POINT point = {0, 0};
    const int focused = ListView_GetNextItem(m_list.Handle(), -1, LVNI_FOCUSED);
    RECT row = {};
    if (focused >= 0 && ListView_GetItemRect(m_list.Handle(), focused, &row, LVIR_ICON))
        point = {row.left + (row.right - row.left) / 2, row.bottom};
    ::ClientToScreen(m_list.Handle(), &point);
    return point;
}

CFileItem* CFilesView::ItemAt(int row) const
{
    if (row < 0 || row >= RowCount()) return nullptr;
    return m_rows[static_cast<std::size_t>(row)].item;
}

bool CFilesView::RowIsCut(int row) const
{
    return row >= 0 && row < RowCount() && m_rows[static_cast<std::size_t>(row)].cut;
}

int CFilesView::RowOfName(const std::string& name) const
{
    for (int row = 0; row < RowCount(); ++row) {
        const CFileItem* item = m_rows[static_cast<std::size_t>(row)].item;
        if (!item) continue;
        // Names the code page lost look alike ("??.txt"): their short names tell them apart.
        if (lstrcmpiA(item->name.c_str(), name.c_str()) == 0 ||
            (!item->shortName.empty() && lstrcmpiA(item->shortName.c_str(), name.c_str()) == 0))
            return row;
    }
    return -1;
}

std::vector<CFileItem*> CFilesView::AllItems() const
{
    std::vector<CFileItem*> items;
    if (!m_store) return items;
    for (const auto& item : m_store->items) items.push_back(item.get());
    return items;
}

ListingJobPtr CFilesView::BeginJob(ListingJobPtr job)
{
    m_job = job ? std::move(job) : std::make_shared<ListingJob>();
    return m_job;
}

bool CFilesView::TakeJobResult(ListingResult& result)
{
    if (!m_job || !m_job->delivered.load()) return false;
    result = std::move(m_job->result);
    m_job.reset();
    return true;
}

void CFilesView::SetRows(std::vector<ListRow> rows, ItemStorePtr store, bool sortFirst)
{
    m_rows = std::move(rows);
    m_store = std::move(store);
    m_iconRunTakesWanted = false;
    if (sortFirst) Sort();
    m_list.SetCount(RowCount());
    RecountSelection();
}

void CFilesView::SetFocusRow(int row)
{
    if (row >= 0 && row < RowCount()) m_list.SetState(row, LVIS_FOCUSED, LVIS_FOCUSED);
}

void CFilesView::ClearList()
{
    const bool hadRows = !m_rows.empty();
    DropRows();
    m_list.SetCount(0);
    // Both cost a repaint: only when there is something to take away.
    if (hadRows) ::UpdateWindow(m_list.Handle());
    // An empty list shows no scroll bars until the next fill needs them.
    if (::GetWindowLongPtrA(m_list.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))
        ::ShowScrollBar(m_list.Handle(), SB_BOTH, FALSE);
}

void CFilesView::DropRows()
{
    m_list.SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_rows.clear();
    m_sums = SelectionSums();
    if (m_ownsItems) m_store.reset();
    m_iconRunTakesWanted = false;
}

void CFilesView::CancelWork()
{
    if (m_job) StopWork(m_job->state);
    if (m_iconThreadRunning) RequestIconThreadStop();
}

bool CFilesView::StopIconThreadRequested() const { return m_iconRun->stop.load(); }

void CFilesView::RequestIconThreadStop() { m_iconRun->stop.store(true); }

// Only the last run's flag: a run once stopped stays stopped, and this one
// has ended or not begun when the views call it.
void CFilesView::ClearIconThreadStop() { m_iconRun->stop.store(false); }

void CFilesView::BeginIconRun()
{
    RequestIconThreadStop();
    const unsigned number = m_iconRun->number + 1;
    m_iconRun = std::make_shared<IconRun>();
    m_iconRun->number = number;
    m_iconRunTakesWanted = false;
    // The older thread ends alone; its store keeps its items alive.
    if (m_iconThreadEnd) ::CloseHandle(m_iconThreadEnd);
    m_iconThreadEnd = nullptr;
}

void CFilesView::StopIconThreadAndWait()
{
    RequestIconThreadStop();
    m_iconRunTakesWanted = false;
    if (m_iconThreadEnd) {
        // The thread sends nothing to this one: it stops after its item.
        ::WaitForSingleObject(m_iconThreadEnd, INFINITE);
        ::CloseHandle(m_iconThreadEnd);
        m_iconThreadEnd = nullptr;
    }
}

bool CFilesView::AnyDetailsPending() const
{
    platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
    for (const ListRow& row : m_rows)
        if (row.item && row.item->detailsPending) return true;
    return false;
}

bool CFilesView::StartIconThread(bool loadIcons)
{
    BeginIconRun();
    return LaunchIconThread(loadIcons);
}

bool CFilesView::LaunchIconThread(bool loadIcons)
{
    IconWork work;
    work.store = m_store;
    work.rows.reserve(m_rows.size());
    for (const ListRow& row : m_rows) work.rows.push_back(row.item);
    work.view = Handle();
    work.list = m_list.Handle();
    work.appIcon = CTrailmarkApp::Instance()->IconIndex(IconFile::App);
    work.showHidden = Settings().GetSetting(Setting::ShowHiddenFiles) != 0;
    work.loadIcons = loadIcons;
    work.run = m_iconRun;
    auto* thread = new CIconThread(std::move(work));
    HANDLE end = nullptr;
    if (!thread->CreateThread(&end)) {
        delete thread;
        return false;
    }
    m_iconThreadEnd = end;
    m_iconRunTakesWanted = true;
    m_iconThreadRunning = true;
    return true;
}

void CFilesView::AfterRowsShown(bool startIconThread)
{
    // Details mode shows what the details hold: a thread reads them, never the drawing.
    const bool readDetails = ViewMode() == kDetailsMode && AnyDetailsPending();
    if (startIconThread || readDetails) {
        BeginIconRun();
        // Rows drawn before the thread starts already queue their details for it.
        m_iconRunTakesWanted = true;
        m_iconLoadsIcons = startIconThread;
        m_iconStartDue = true;
        m_iconThreadRunning = true;
    }
    m_afterDrawDue = true;
    ::SetTimer(Handle(), kRowsDrawnTimer, kSoonestTimerMs, nullptr);
}

void CFilesView::OnListPainted()
{
    // Posted, so that the repaint itself holds nothing else.
    if (m_afterDrawDue) ::PostMessageA(Handle(), UWM_ROWSDRAWN, 0, 0);
}

void CFilesView::RunAfterRowsDrawn()
{
    ::KillTimer(Handle(), kRowsDrawnTimer);
    if (!m_afterDrawDue) return;
    m_afterDrawDue = false;
    if (m_iconStartDue) {
        m_iconStartDue = false;
        // Stopped before it began, or not begun at all: it ends as a stopped thread does.
        if (StopIconThreadRequested() || !LaunchIconThread(m_iconLoadsIcons))
            ::PostMessageA(Handle(), UWM_ICONSDONE, m_iconRun->number, 0);
    }
    AfterRowsDrawn();
}

void CFilesView::SetViewMode(int mode)
{
    if (mode < 0 || mode >= kModeCount) return;
    m_viewMode->store(mode);
    m_list.SetStyle(kModeStyles[mode]);
    // The list does not clear what the old mode drew beyond the new one's rows.
    ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
    if (m_resortOnModeChange) {
        Sort();
        m_resortOnModeChange = false;
    }
    // Rows listed in another mode may still lack the details this one shows.
    if (mode == kDetailsMode && !m_iconThreadRunning && !m_job && AnyDetailsPending()) StartIconThread(false);
}

void CFilesView::SelectAll(bool invert)
{
    if (!invert) {
        m_list.SetState(-1, LVIS_SELECTED, LVIS_SELECTED);
        return;
    }
    for (int row = 0; row < RowCount(); ++row)
        m_list.SetState(row, m_list.IsSelected(row) ? 0 : LVIS_SELECTED, LVIS_SELECTED);
}

void CFilesView::OnDestroy()
{
    ::KillTimer(Handle(), kCutMarkTimer);
    ::KillTimer(Handle(), kRowsDrawnTimer);
    m_afterDrawDue = m_iconStartDue = false;
    m_list.EndLabelEdit();
    SaveColumnWidths();
    CancelWork();
    m_rows.clear();
    if (m_font) ::DeleteObject(m_font);
    m_font = nullptr;
}

void CFilesView::Layout(int width, int height)
{
    ::MoveWindow(m_list.Handle(), 0, 0, width, height, TRUE);
}

LRESULT CFilesView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SETFOCUS:
    // The explorer bar's tree gives the keys back with Tab.
    case UWM_VIEWFORWARD1:
        ::SetFocus(m_list.Handle());
        return 0;
    case UWM_NEXTPANE: {
        // Tab goes to the view's next pane, past the last to the explorer
        // bar; Shift+Tab straight to the bar.
        HWND next = wParam ? PaneAfterList() : nullptr;
        if (next)
            ::SetFocus(next);
        else
            ::SendMessageA(CTrailmarkApp::Instance()->MainWindow(), UWM_FOCUSBAR, 0, 0);
        return 0;
    }
    case UWM_WORKDONE:
        OnWorkDone();
        return 0;
    case UWM_ICONSDONE:
        // An older run's end: the run now going is not done.
        if (static_cast<unsigned>(wParam) != m_iconRun->number) return 0;
        m_iconThreadRunning = false;
        m_iconRunTakesWanted = false;
        if (m_iconThreadEnd) ::CloseHandle(m_iconThreadEnd);
        m_iconThreadEnd = nullptr;
        // The details the thread has read give the exact sizes.
        RecountSelection();
        OnIconsDone();
        return 0;
    case UWM_ROWSDRAWN:
        RunAfterRowsDrawn();
        return 0;
    case UWM_REBUILDCOLUMNS:
        RebuildColumns();
        return 0;
    case UWM_OPERDONE:
        OnOperationDone(wParam != 0, static_cast<std::uint32_t>(lParam));
        return 0;
    case UWM_APPEARANCECHANGED:
        ApplyAppearance();
        return 0;
    case UWM_TEXTCOLORCHANGED:
        ApplyFont();
        ::InvalidateRect(m_list.Handle(), nullptr, TRUE);
        return 0;
    case WM_CONTEXTMENU:
        if (lParam == kKeyboardMenuPoint) {
            OnRowContextMenu(KeyboardMenuPoint());
            return 0;
        }
        break;
    case UWM_LABELEDITBEGIN:
        return CanEditLabel(static_cast<int>(wParam)) ? TRUE : FALSE;
    case UWM_LABELEDITEND:
        if (HIWORD(wParam) || !lParam) return FALSE;
        return RenameRow(static_cast<int>(static_cast<short>(LOWORD(wParam))), reinterpret_cast<const char*>(lParam))
                   ? TRUE
                   : FALSE;
    case WM_TIMER:
        if (wParam == kCutMarkTimer) {
            CheckCutMarks();
            return 0;
        }
        if (wParam == kRowsDrawnTimer) {
            RunAfterRowsDrawn();
            return 0;
        }
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
