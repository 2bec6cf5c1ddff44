#include "ui/folders/FilesList.h"

// Folders
#include "ui/folders/FilesView.h"
#include "ui/folders/FolderMessages.h"

// Resources
#include "res/resource.h"

namespace {
constexpr DWORD kViewStyles = LVS_ICON | LVS_SMALLICON | LVS_LIST | LVS_REPORT;
}

bool CFilesList::Create(CFilesView& view, DWORD style)
{
    m_view = &view;
    HWND hwnd = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_OWNERDATA |
                                      LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | style,
                                  0, 0, 0, 0, view.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_FILES_LIST)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    // Subclassed: the control's own procedure stays the default.
    Attach(hwnd);
    SetDefaultProc(reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Window::StaticWindowProc))));
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

void CFilesList::SetRedraw(bool redraw)
{
    ::SendMessageA(Handle(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) ::InvalidateRect(Handle(), nullptr, TRUE);
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
    case WM_GETDLGCODE:
        return DefaultProc(message, wParam, lParam) | DLGC_WANTTAB;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
