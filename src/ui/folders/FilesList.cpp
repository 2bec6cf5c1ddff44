#include "ui/folders/FilesList.h"

// Folders
#include "ui/folders/FilesView.h"
#include "ui/folders/FolderMessages.h"

// Core
#include "core/folders/RenameRules.h"

// Framework
#include "ui/framework/Application.h"

// Resources
#include "res/resource.h"

namespace {

constexpr DWORD kViewStyles = LVS_ICON | LVS_SMALLICON | LVS_LIST | LVS_REPORT;
constexpr char kListProperty[] = "TrailmarkFilesList";
constexpr int kMarkWidth = 9;
constexpr int kMarkHeight = 8;
constexpr COLORREF kMarkBackground = RGB(255, 0, 255);
enum MarkImage { kMarkUp = 0, kMarkDown = 1 };

// A small triangle pointing up or down, in the shadow colour of buttons.
HBITMAP MakeMarkBitmap(bool up)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kMarkWidth, kMarkHeight);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    const RECT all = {0, 0, kMarkWidth, kMarkHeight};
    HBRUSH background = ::CreateSolidBrush(kMarkBackground);
    ::FillRect(dc, &all, background);
    ::DeleteObject(background);
    const POINT upPoints[] = {{0, kMarkHeight - 2}, {kMarkWidth - 1, kMarkHeight - 2}, {kMarkWidth / 2, 1}};
    const POINT downPoints[] = {{0, 1}, {kMarkWidth - 1, 1}, {kMarkWidth / 2, kMarkHeight - 2}};
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetSysColorBrush(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Polygon(dc, up ? upPoints : downPoints, 3);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldBitmap);
    ::DeleteDC(dc);
    return bitmap;
}

}  // namespace

// --- Sort mark ---------------------------------------------------------------

CSortHeader::~CSortHeader()
{
    if (m_marks) ImageList_Destroy(m_marks);
}

void CSortHeader::Attach(HWND header)
{
    if (m_header || !header) return;
    m_header = header;
    m_marks = ImageList_Create(kMarkWidth, kMarkHeight, ILC_COLOR24 | ILC_MASK, 2, 0);
    for (bool up : {true, false}) {
        HBITMAP bitmap = MakeMarkBitmap(up);
        ImageList_AddMasked(m_marks, bitmap, kMarkBackground);
        ::DeleteObject(bitmap);
    }
    Header_SetImageList(m_header, m_marks);
}

void CSortHeader::SetMark(int column, bool ascending)
{
    if (!m_header) return;
    m_sortColumn = column;
    m_ascending = ascending;
    // Setting an item redraws the whole header, which a themed system draws
    // slowly: a mark the header shows already stays as it is.
    bool shownAscending = true;
    if (Header_GetImageList(m_header) == m_marks && HeaderMarkColumn(m_header, &shownAscending) == column &&
        (column < 0 || shownAscending == ascending))
        return;
    // The list hands its small icons to the header whenever they change.
    Header_SetImageList(m_header, m_marks);
    const int count = Header_GetItemCount(m_header);
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        Header_GetItem(m_header, i, &item);
        item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
        if (i == column) {
            item.mask |= HDI_IMAGE;
            item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
            item.iImage = ascending ? kMarkUp : kMarkDown;
        }
        Header_SetItem(m_header, i, &item);
    }
}

int HeaderMarkColumn(HWND header, bool* ascending)
{
    const int count = Header_GetItemCount(header);
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT | HDI_IMAGE;
        Header_GetItem(header, i, &item);
        if (!(item.fmt & HDF_IMAGE)) continue;
        if (ascending) *ascending = item.iImage == kMarkUp;
        return i;
    }
    return -1;
}

// --- List --------------------------------------------------------------------

bool CFilesList::Create(CFilesView& view, DWORD style)
{
    m_view = &view;
    // Clipping its children keeps the list's own repaints off its header,
    // which a themed system is slow to draw.
    HWND hwnd = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | LVS_OWNERDATA |
                                      LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_EDITLABELS | style,
                                  0, 0, 0, 0, view.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_FILES_LIST)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    // Subclassed: the control's own procedure stays the default.
    SubclassControl(hwnd);
    return true;
}

int CFilesList::Count() const { return ListView_GetItemCount(Handle()); }

void CFilesList::SetCount(int count)
{
    ListView_SetItemCountEx(Handle(), count, LVSICF_NOINVALIDATEALL);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

int CFilesList::SelectedCount() const { return ListView_GetSelectedCount(Handle()); }

int CFilesList::NextSelected(int after) const { return ListView_GetNextItem(Handle(), after, LVNI_SELECTED); }

bool CFilesList::IsSelected(int row) const
{
    return ListView_GetItemState(Handle(), row, LVIS_SELECTED) != 0;
}

void CFilesList::SetState(int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void CFilesList::SetStyle(DWORD viewStyle)
{
    const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(kViewStyles)) | viewStyle);
}

HWND CFilesList::Header() const { return ListView_GetHeader(Handle()); }

void CFilesList::BeginLabelEdit(HWND edit)
{
    EndLabelEdit();
    if (!edit) return;
    m_labelEdit = edit;
    editCancelled = false;
    ::SendMessageA(edit, EM_LIMITTEXT, MAX_PATH, 0);
    ::SetPropA(edit, kListProperty, this);
    m_labelEditProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelEditProc)));
    ui::Application::SetDirectKeyWindow(edit, ui::Application::IsTextEditingKey);
}

void CFilesList::EndLabelEdit()
{
    if (!m_labelEdit) return;
    if (::IsWindow(m_labelEdit)) {
        ::SetWindowLongPtrA(m_labelEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_labelEditProc));
        ::RemovePropA(m_labelEdit, kListProperty);
    }
    ui::Application::SetDirectKeyWindow(nullptr, nullptr);
    m_labelEdit = nullptr;
    m_labelEditProc = nullptr;
}

LRESULT CALLBACK CFilesList::LabelEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* list = static_cast<CFilesList*>(::GetPropA(edit, kListProperty));
    if (!list) return ::DefWindowProcA(edit, message, wParam, lParam);
    const WNDPROC original = list->m_labelEditProc;
    switch (message) {
    case WM_CHAR:
        if (IsInvalidNameCharacter(static_cast<char>(wParam))) return 0;
        if (wParam == VK_RETURN && ::GetWindowTextLengthA(edit) == 0) return 0;
        break;
    case WM_KEYDOWN:
        // An empty name cannot be committed.
        if (wParam == VK_RETURN && ::GetWindowTextLengthA(edit) == 0) return 0;
        if (wParam == VK_ESCAPE) list->editCancelled = true;
        break;
    case WM_NCDESTROY:
        list->EndLabelEdit();
        break;
    default:
        break;
    }
    return ::CallWindowProcA(original, edit, message, wParam, lParam);
}

void CFilesList::SetRedraw(bool redraw)
{
    HWND header = Header();
    if (!redraw) {
        ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
        if (m_undrawable || !(::GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VISIBLE)) return;
        // The control stays drawable by itself; the default handling makes it
        // not so. Sizing its scroll bars and header for the new rows then
        // draws nothing at each step (Wine draws every step through the X
        // server): the frame is drawn once, with the rows. A header change
        // still to be drawn is kept.
        m_headerDirty = header && ::GetUpdateRect(header, nullptr, FALSE);
        ::DefWindowProcA(Handle(), WM_SETREDRAW, FALSE, 0);
        m_undrawable = true;
        return;
    }
    ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    if (!m_undrawable) {
        ::InvalidateRect(Handle(), nullptr, TRUE);
        return;
    }
    ::DefWindowProcA(Handle(), WM_SETREDRAW, TRUE, 0);
    m_undrawable = false;
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    if (m_headerDirty) ::InvalidateRect(header, nullptr, TRUE);
    m_headerDirty = false;
}

LRESULT CFilesList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LVM_SETITEMA:
    case LVM_SETITEMW:
        // Rows are owned by the view: a request to change one is answered and ignored.
        return TRUE;
    case WM_SETCURSOR:
        if (m_view->HasWorker()) {
            ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            const bool shift = ::GetKeyState(VK_SHIFT) < 0;
            ::SendMessageA(m_view->Handle(), UWM_NEXTPANE, shift ? 0 : 1, 0);
            return 0;
        }
        break;
    case WM_KEYUP:
        // The menu key opens the menu here, once: the default would send its
        // own request up past the view.
        if (wParam == VK_APPS) {
            ::SendMessageA(m_view->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), kKeyboardMenuPoint);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // Shift+F10 comes with no point; a mouse click has its own menu (NM_RCLICK).
        if (lParam == kKeyboardMenuPoint) {
            ::SendMessageA(m_view->Handle(), WM_CONTEXTMENU, wParam, lParam);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return DefaultProc(message, wParam, lParam) | DLGC_WANTTAB;
    case WM_PAINT: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        // Work held until new rows are on the screen follows their first repaint.
        m_view->OnListPainted();
        return result;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
