#include "ui/explorer/ExplorerPage.h"

// Explorer
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

namespace {
constexpr char kPageClass[] = "TrailmarkExplorerPage";
// Where a command prompt opens when the selected item has no folder.
constexpr char kDefaultPromptFolder[] = "C:\\";
}

bool CExplorerPage::Create(HWND parent, const RECT& rect)
{
    if (!RegisterWindowClass(kPageClass, COLOR_WINDOW)) return false;
    return ::CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, "", WS_CHILD | WS_CLIPCHILDREN, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             ::GetModuleHandleA(nullptr), this) != nullptr;
}

void CExplorerPage::ShowPageMenu(POINT point) { ShowExplorerBarMenu(Handle(), point); }

void CExplorerPage::RedrawSoon() { ::SetTimer(Handle(), kPageRedrawTimerId, kPageRedrawDelayMs, nullptr); }

void CExplorerPage::RenameSelection()
{
    if (HTREEITEM selected = m_tree.Selected()) TreeView_EditLabel(m_tree, selected);
}

bool CExplorerPage::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    switch (id) {
    case ID_EDIT_CUT: state.enabled = QueryCut(); return true;
    case ID_EDIT_COPY: state.enabled = QueryCopy(); return true;
    case ID_EDIT_PASTE: state.enabled = QueryPaste(); return true;
    // The Delete key removes a bookmark on the Bookmarks page.
    case ID_FILE_RECYCLE:
    case ID_FILE_DELETE: state.enabled = QueryDelete() || QueryBookmarks(); return true;
    case ID_FILE_RENAME: state.enabled = QueryRename(); return true;
    case ID_FILE_PROPERTIES: state.enabled = QueryProperties(); return true;
    case ID_FILE_COMMAND_PROMPT: return true;
    default: return false;
    }
}

bool CExplorerPage::OnCommand(UINT id)
{
    // Keys reach here whatever the menus show: each command asks again.
    ui::CommandState state;
    if (!OnUpdateCommand(id, state)) return false;
    if (!state.enabled) return true;
    switch (id) {
    case ID_EDIT_CUT: CutSelection(); break;
    case ID_EDIT_COPY: CopySelection(); break;
    case ID_EDIT_PASTE: PasteIntoSelection(); break;
    case ID_FILE_RECYCLE: DeleteSelection(true); break;
    case ID_FILE_DELETE: DeleteSelection(false); break;
    case ID_FILE_RENAME: RenameSelection(); break;
    case ID_FILE_PROPERTIES: SelectionProperties(); break;
    case ID_FILE_COMMAND_PROMPT: {
        const std::string folder = PromptFolder();
        CTrailmarkApp::Instance()->CommandPromptIn(folder.empty() ? kDefaultPromptFolder : folder);
        break;
    }
    default: break;
    }
    return true;
}

ui::CommandTarget* CExplorerPage::NextCommandTarget()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    return app && app->MainFrame() ? app->MainFrame()->WindowCommandTarget() : nullptr;
}

void CExplorerPage::OnContextMenu(LPARAM lParam)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    POINT client = point;
    ::ScreenToClient(m_tree, &client);
    TVHITTESTINFO hit = {};
    hit.pt = client;
    HTREEITEM item = TreeView_HitTest(m_tree, &hit);
    if (!(hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) item = nullptr;
    // From the keyboard the selected item's menu.
    if (lParam == -1 || (!item && ::GetFocus() == m_tree.Handle() && ::GetKeyState(VK_RBUTTON) >= 0))
        item = m_tree.Selected();
    if (item && ShowItemMenu(item, point)) return;
    if (!m_dialogPage) ShowPageMenu(point);
}

LRESULT CExplorerPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return CreateTree() ? 0 : -1;
    case WM_SIZE:
        if (m_tree.Handle()) ::MoveWindow(m_tree, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (!m_tree.Handle()) return 0;
        // A dialog's page that gets the focus reports its selection as the choice.
        if (m_dialogPage) OnTreeSelected(m_tree.Selected());
        ::SetFocus(m_tree);
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header->hwndFrom == m_tree.Handle() && m_tree.OnNotify(*header, result)) return result;
        break;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(lParam);
        return 0;
    case WM_COMMAND:
        OnPageCommand(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kPageRedrawTimerId) {
            ::KillTimer(Handle(), kPageRedrawTimerId);
            ::InvalidateRect(m_tree, nullptr, TRUE);
            return 0;
        }
        break;
    case UWM_TREEOPENITEM:
        OnOpenItem(reinterpret_cast<HTREEITEM>(wParam));
        return 0;
    case UWM_TREESELECTED:
        OnTreeSelected(reinterpret_cast<HTREEITEM>(wParam));
        return 0;
    case UWM_TREEEDITSTART:
        return CanEditLabel(reinterpret_cast<HTREEITEM>(wParam)) ? 0 : 1;
    case UWM_TREEEDITEND:
        return OnLabelEdited(reinterpret_cast<HTREEITEM>(wParam), reinterpret_cast<const char*>(lParam)) ? TRUE
                                                                                                        : FALSE;
    case UWM_FOCUSPAGEPARENT:
        ::SetFocus(::GetParent(Handle()));
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
