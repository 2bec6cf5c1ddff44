#include "ui/explorer/ExplorerTree.h"

// Core
#include "core/app/Settings.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Explorer
#include "ui/explorer/TreeMessages.h"

// Framework
#include "ui/framework/Application.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Standard library
#include <cstring>
#include <vector>

namespace {

// Characters a file name cannot hold; typed into a label they are dropped.
constexpr char kInvalidNameChars[] = "<>|\"\\/?*:";

bool SettingOn(int id)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    return app && app->HasSettings() && app->Settings().GetSetting(id) != 0;
}

// The character Ctrl+A types; the edit field selects all on the key instead.
constexpr WPARAM kCharSelectAll = 1;

// The label's edit field: it takes every editing key, even inside a dialog
// and before the frame's shortcuts, and refuses the characters no file name
// may hold.
class LabelEdit : public ui::Window {
public:
    explicit LabelEdit(bool& cancelled) : m_cancelled(cancelled) {}
    void Subclass(HWND edit)
    {
        SubclassControl(edit);
        ui::Application::SetDirectKeyWindow(edit, ui::Application::IsTextEditingKey);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DefaultProc(message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) m_cancelled = true;
            if (wParam == VK_RETURN && ::GetWindowTextLengthA(Handle()) == 0) return 0;
            // Older edit fields know no Ctrl+A.
            if (wParam == 'A' && ::GetKeyState(VK_CONTROL) < 0) {
                ::SendMessageA(Handle(), EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == kCharSelectAll) return 0;
            if (wParam != 0 && std::strchr(kInvalidNameChars, static_cast<int>(wParam))) return 0;
            break;
        case WM_NCDESTROY: {
            if (ui::Application::DirectKeyWindow() == Handle()) ui::Application::SetDirectKeyWindow(nullptr, nullptr);
            const LRESULT result = DefaultProc(message, wParam, lParam);
            Detach();
            delete this;
            return result;
        }
        default:
            break;
        }
        return DefaultProc(message, wParam, lParam);
    }

private:
    bool& m_cancelled;
};

}  // namespace

CExplorerTree::~CExplorerTree()
{
    // The items' data goes with the items while the object still stands.
    if (Handle()) {
        TreeView_DeleteAllItems(Handle());
        ::DestroyWindow(Detach());
    }
}

bool CExplorerTree::Create(HWND page, bool dialogMode)
{
    m_dialogMode = dialogMode;
    HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                      TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                                  0, 0, 0, 0, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kExplorerTreeId)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!tree) return false;
    SubclassControl(tree);
    return true;
}

LPARAM CExplorerTree::ItemData(HTREEITEM item) const
{
    TVITEMA data = {};
    data.mask = TVIF_PARAM | TVIF_HANDLE;
    data.hItem = item;
    return item && TreeView_GetItem(Handle(), &data) ? data.lParam : 0;
}

std::string CExplorerTree::ItemText(HTREEITEM item) const
{
    char text[MAX_PATH] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    return item && TreeView_GetItem(Handle(), &data) ? std::string(text) : std::string();
}

void CExplorerTree::SetItemText(HTREEITEM item, const std::string& text)
{
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = const_cast<char*>(text.c_str());
    TreeView_SetItem(Handle(), &data);
}

bool CExplorerTree::IsExpanded(HTREEITEM item) const
{
    return item && (TreeView_GetItemState(Handle(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void CExplorerTree::DeleteChildren(HTREEITEM item)
{
    while (HTREEITEM child = FirstChild(item)) TreeView_DeleteItem(Handle(), child);
}

HTREEITEM CExplorerTree::AppendItem(HTREEITEM parent, const std::string& text)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    return TreeView_InsertItem(Handle(), &insert);
}

void CExplorerTree::OpenItem(HTREEITEM item)
{
    if (item) ::SendMessageA(Page(), UWM_TREEOPENITEM, reinterpret_cast<WPARAM>(item), 0);
}

bool CExplorerTree::OpensOnSelection(UINT action) const
{
    const bool explorerMode = SettingOn(Setting::ExplorerMode);
    // A click opens at once (the button press below); the keyboard, and in
    // Explorer mode anything but the mouse, opens after the wait.
    const bool byKeyboard = explorerMode ? action != TVC_BYMOUSE : action == TVC_BYKEYBOARD;
    return byKeyboard && (explorerMode || SettingOn(Setting::SingleClickBar));
}

void CExplorerTree::OnBeginDrag(HTREEITEM item)
{
    Select(item);
    ::SendMessageA(Page(), UWM_TREEDRAGSTART, reinterpret_cast<WPARAM>(item), 0);
}

HTREEITEM CExplorerTree::ItemAtClick(LPARAM lParam) const
{
    TVHITTESTINFO hit = {};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    HTREEITEM item = TreeView_HitTest(Handle(), &hit);
    return (hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) ? item : nullptr;
}

void CExplorerTree::OnContextMenu(LPARAM lParam)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        // From the keyboard: the menu of the selected item, at its label.
        RECT rect = {};
        if (HTREEITEM selected = Selected()) TreeView_GetItemRect(Handle(), selected, &rect, TRUE);
        point = {rect.left, rect.bottom};
        ::ClientToScreen(Handle(), &point);
        ::SendMessageA(Page(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(point.x, point.y));
        return;
    }
    POINT client = point;
    ::ScreenToClient(Handle(), &client);
    HTREEITEM hit = ItemAtClick(MAKELPARAM(client.x, client.y));
    HTREEITEM before = Selected();
    // The item under the cursor is the menu's for the time of the menu only;
    // neither selection is the user's walk, so neither opens anything.
    const bool borrowed = hit && hit != before;
    if (borrowed) SelectQuietly(hit);
    ::SendMessageA(Page(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(point.x, point.y));
    if (borrowed && ::IsWindow(Handle())) SelectQuietly(before);
}

void CExplorerTree::SelectQuietly(HTREEITEM item)
{
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    TreeView_SelectItem(Handle(), item);
    m_quiet = wasQuiet;
}

bool CExplorerTree::OnKeyDown(WPARAM key)
{
    if (key == VK_RETURN) {
        HTREEITEM item = Selected();
        if (!item) return true;
        OpenItem(item);
        if (::IsWindow(Handle())) Expand(item, TVE_TOGGLE);
        return true;
    }
    if (key == VK_TAB && !m_dialogMode) {
        CTrailmarkApp* app = CTrailmarkApp::Instance();
        HWND active = app && app->MainFrame() ? app->MainFrame()->ActiveDocument() : nullptr;
        if (!active || ::IsIconic(active)) return true;
        const bool shift = ::GetKeyState(VK_SHIFT) < 0;
        ::SendMessageA(active, shift ? UWM_FOCUSFILES : UWM_VIEWFORWARD1, 0, 0);
        return true;
    }
    return false;
}

bool CExplorerTree::OnNotify(NMHDR& header, LRESULT& result)
{
    switch (header.code) {
    case TVN_SELCHANGEDA: {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        if (m_dialogMode) {
            ::SendMessageA(Page(), UWM_TREESELECTED, reinterpret_cast<WPARAM>(change.itemNew.hItem), 0);
        } else if (!m_quiet && OpensOnSelection(change.action)) {
            // A new selection starts the second again.
            ::SetTimer(Handle(), kTreeOpenTimerId, kTreeOpenDelayMs, nullptr);
        } else {
            ::KillTimer(Handle(), kTreeOpenTimerId);
        }
        result = 0;
        return true;
    }
    case TVN_ITEMEXPANDINGA: {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        if (change.action & TVE_EXPAND) OnExpanding(change.itemNew.hItem);
        result = FALSE;
        return true;
    }
    case TVN_DELETEITEMA: {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        OnDeleteItem(change.itemOld.hItem, change.itemOld.lParam);
        result = 0;
        return true;
    }
    case TVN_BEGINDRAGA:
    case TVN_BEGINRDRAGA:
        OnBeginDrag(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
        result = 0;
        return true;
    case TVN_BEGINLABELEDITA: {
        const auto& edit = reinterpret_cast<const NMTVDISPINFOA&>(header);
        result = ::SendMessageA(Page(), UWM_TREEEDITSTART, reinterpret_cast<WPARAM>(edit.item.hItem), 0);
        if (!result) {
            m_editing = true;
            m_editCancelled = false;
            if (HWND field = TreeView_GetEditControl(Handle())) (new LabelEdit(m_editCancelled))->Subclass(field);
        }
        return true;
    }
    case TVN_ENDLABELEDITA: {
        const auto& edit = reinterpret_cast<const NMTVDISPINFOA&>(header);
        m_editing = false;
        result = FALSE;
        if (edit.item.pszText && !m_editCancelled)
            result = ::SendMessageA(Page(), UWM_TREEEDITEND, reinterpret_cast<WPARAM>(edit.item.hItem),
                                    reinterpret_cast<LPARAM>(edit.item.pszText));
        return true;
    }
    case NM_RCLICK: {
        DWORD pos = ::GetMessagePos();
        OnContextMenu(MAKELPARAM(LOWORD(pos), HIWORD(pos)));
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

LRESULT CExplorerTree::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Enter opens, in a dialog too; Tab stays the dialog's there.
        return DefaultProc(message, wParam, lParam) | (m_dialogMode ? 0 : DLGC_WANTTAB) |
               (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
        if (!m_editing && OnKeyDown(wParam)) return 0;
        break;
    case WM_CHAR:
        if (wParam == VK_RETURN || (wParam == VK_TAB && !m_dialogMode)) return 0;  // no beep
        break;
    case WM_TIMER:
        if (wParam == kTreeOpenTimerId) {
            ::KillTimer(Handle(), kTreeOpenTimerId);
            OpenItem(Selected());
            return 0;
        }
        break;
    case WM_LBUTTONDOWN: {
        HTREEITEM item = ItemAtClick(lParam);
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (item && !m_dialogMode && ::IsWindow(Handle()) &&
            (SettingOn(Setting::ExplorerMode) || SettingOn(Setting::SingleClickBar)))
            OpenItem(item);
        return result;
    }
    case WM_LBUTTONDBLCLK:
        if (HTREEITEM item = ItemAtClick(lParam)) {
            OpenItem(item);
            if (::IsWindow(Handle())) Expand(item, TVE_TOGGLE);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // While the bar is hidden the request belongs to the document area.
        if (!::IsWindowVisible(Handle())) {
            CTrailmarkApp* app = CTrailmarkApp::Instance();
            if (app && app->MainFrame())
                return ::SendMessageA(app->MainFrame()->MdiClient(), message, wParam, lParam);
            return 0;
        }
        OnContextMenu(lParam);
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
