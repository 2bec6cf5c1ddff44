#include "ui/explorer/OpenFolderDlg.h"

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/MessageBox.h"

// Explorer
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <commctrl.h>

bool COpenDesktopPage::CreateTree() { return m_desktopTree.Create(Handle(), true); }

void COpenDesktopPage::OnTreeSelected(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    m_request.path = node ? node->path : std::string();
}

void COpenDesktopPage::OnOpenItem(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    if (!node) return;
    if (node->path.empty()) {
        // A place without a folder on disk (My Computer, the network) only opens below.
        m_desktopTree.Expand(item, TVE_EXPAND);
        return;
    }
    m_request.path = node->path;
    ::EndDialog(::GetParent(Handle()), IDOK);
}

LRESULT COpenDesktopPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A page that gets the focus reports its selection.
    if (message == WM_SETFOCUS && m_desktopTree.Handle()) OnTreeSelected(m_desktopTree.Selected());
    return CExplorerPage::WindowProc(message, wParam, lParam);
}

COpenFolderDlg::COpenFolderDlg(OpenFolderRequest& request)
    : ui::Dialog(IDD_OPEN_FOLDER), m_request(request), m_desktopPage(request)
{
}

void COpenFolderDlg::AddTab(UINT captionId)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    const bool captions = app && app->HasSettings() && app->Settings().GetSetting(Setting::TextInTabs) != 0;
    std::string caption = captions ? ui::LoadString(captionId) : std::string();
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(caption.c_str());
    HWND tabs = Item(IDC_OPEN_FOLDER_TABS);
    TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &tab);
}

BOOL COpenFolderDlg::OnInitDialog()
{
    ::SetWindowTextA(Handle(), m_request.title.c_str());
    m_request.path.clear();
    HWND tabs = Item(IDC_OPEN_FOLDER_TABS);
    AddTab(IDS_TAB_DESKTOP);
    // The personal folders' tab waits for the personal folders themselves.
    RECT area;
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    if (!m_desktopPage.Create(Handle(), area)) {
        End(IDCANCEL);
        return TRUE;
    }
    // Above the tab control, which would otherwise paint over it.
    ::SetWindowPos(m_desktopPage, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (!m_request.initialFolder.empty()) m_desktopPage.DesktopTree().SelectPath(m_request.initialFolder);
    TabCtrl_SetCurSel(tabs, 0);
    ShowCurrentPage();
    ::SetFocus(m_desktopPage.Tree());
    return FALSE;
}

void COpenFolderDlg::ShowCurrentPage()
{
    // One page so far: the Desktop tab's.
    ::ShowWindow(m_desktopPage, SW_SHOW);
}

void COpenFolderDlg::OnOK()
{
    CExplorerTree& tree = m_desktopPage.Tree();
    tree.OpenItem(tree.Selected());
}

INT_PTR COpenFolderDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_OPEN_FOLDER_TABS && header->code == TCN_SELCHANGE) {
            ShowCurrentPage();
            return TRUE;
        }
    }
    return ui::Dialog::DialogProc(message, wParam, lParam);
}

std::string ChooseFolder(HWND owner, const std::string& title, const std::string& initialFolder)
{
    OpenFolderRequest request;
    request.title = title;
    request.initialFolder = initialFolder;
    COpenFolderDlg dialog(request);
    return dialog.DoModal(owner) == IDOK ? request.path : std::string();
}
