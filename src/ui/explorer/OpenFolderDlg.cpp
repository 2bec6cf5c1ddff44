#include "ui/explorer/OpenFolderDlg.h"

// Core
#include "core/app/Settings.h"

// Framework
#include "ui/framework/MessageBox.h"

// Explorer
#include "ui/explorer/FolderTreeAccess.h"
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/PersonalCommands.h"

// Resources
#include "res/resource.h"

// Windows
#include <commctrl.h>

bool COpenDesktopPage::CreateTree()
{
    if (!m_desktopTree.Create(Handle(), true)) return false;
    // It looks like the bar's folder tree.
    m_font.Reset(CreateTreeFont());
    if (m_font.Get()) ::SendMessageA(m_desktopTree, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    TreeView_SetTextColor(m_desktopTree, TreeTextColor());
    return true;
}

void COpenDesktopPage::OnTreeSelected(HTREEITEM item)
{
    const ShellTreeItem* node = m_desktopTree.NodeOf(item);
    m_request.path = node ? node->path : std::string();
    m_request.personalFolder.clear();
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
    m_request.personalFolder.clear();
    ::EndDialog(::GetParent(Handle()), IDOK);
}

bool COpenPersonalPage::CreateTree()
{
    if (!m_personalTree.Create(Handle(), true)) return false;
    HTREEITEM root = m_personalTree.AppendItem(TVI_ROOT, ui::LoadString(IDS_PERSONAL_ROOT));
    if (!root) return false;
    if (CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders())
        for (int i = 0; i < list->Count(); ++i) m_personalTree.AppendItem(root, list->FolderAt(i)->Name());
    m_personalTree.Expand(root, TVE_EXPAND);
    m_personalTree.Select(root);
    return true;
}

std::string COpenPersonalPage::FolderName(HTREEITEM item) const
{
    return item && m_personalTree.Parent(item) ? m_personalTree.ItemText(item) : std::string();
}

void COpenPersonalPage::OnTreeSelected(HTREEITEM item)
{
    m_request.personalFolder = FolderName(item);
    m_request.path.clear();
}

void COpenPersonalPage::OnOpenItem(HTREEITEM item)
{
    const std::string name = FolderName(item);
    if (name.empty()) {
        // The root chooses nothing: it only opens or closes.
        if (item) m_personalTree.Expand(item, TVE_TOGGLE);
        return;
    }
    m_request.personalFolder = name;
    m_request.path.clear();
    ::EndDialog(::GetParent(Handle()), IDOK);
}

COpenFolderDlg::COpenFolderDlg(OpenFolderRequest& request)
    : ui::Dialog(IDD_OPEN_FOLDER), m_request(request), m_desktopPage(request), m_personalPage(request)
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

bool COpenFolderDlg::AddPage(CExplorerPage& page, const RECT& area)
{
    if (!page.Create(Handle(), area)) return false;
    // Above the tab control, which would otherwise paint over it, and below
    // the pages of the tabs before it.
    HWND after = m_pages.empty() ? HWND_TOP : m_pages.back()->Handle();
    ::SetWindowPos(page, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_pages.push_back(&page);
    return true;
}

BOOL COpenFolderDlg::OnInitDialog()
{
    ::SetWindowTextA(Handle(), m_request.title.c_str());
    m_request.path.clear();
    m_request.personalFolder.clear();
    HWND tabs = Item(IDC_OPEN_FOLDER_TABS);
    const bool personal = m_request.personalAllowed && CTrailmarkApp::Instance()->PersonalFolders();
    AddTab(IDS_TAB_DESKTOP);
    if (personal) AddTab(IDS_TAB_PERSONAL);
    RECT area;
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    if (!AddPage(m_desktopPage, area)) {
        End(IDCANCEL);
        return TRUE;
    }
    if (personal && !AddPage(m_personalPage, area)) TabCtrl_DeleteItem(tabs, 1);
    if (!m_request.initialFolder.empty()) m_desktopPage.DesktopTree().SelectPath(m_request.initialFolder);
    TabCtrl_SetCurSel(tabs, 0);
    ShowCurrentPage();
    return FALSE;
}

void COpenFolderDlg::ShowCurrentPage()
{
    const int current = TabCtrl_GetCurSel(Item(IDC_OPEN_FOLDER_TABS));
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        ::ShowWindow(*m_pages[i], static_cast<int>(i) == current ? SW_SHOW : SW_HIDE);
    // The page that gets the focus reports its selection as the choice.
    if (current >= 0 && static_cast<std::size_t>(current) < m_pages.size()) ::SetFocus(*m_pages[current]);
}

void COpenFolderDlg::OnOK()
{
    const int current = TabCtrl_GetCurSel(Item(IDC_OPEN_FOLDER_TABS));
    if (current < 0 || static_cast<std::size_t>(current) >= m_pages.size()) return;
    CExplorerTree& tree = m_pages[current]->Tree();
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

FolderChoice ChooseTargetFolder(HWND owner, const std::string& title, const std::string& initialFolder)
{
    OpenFolderRequest request;
    request.title = title;
    request.initialFolder = initialFolder;
    request.personalAllowed = true;
    COpenFolderDlg dialog(request);
    if (dialog.DoModal(owner) != IDOK) return {};
    return {request.path, request.personalFolder};
}

bool AddToChosenPersonal(const FolderChoice& choice, const std::vector<std::string>& paths, HWND owner)
{
    if (choice.personalFolder.empty()) return false;
    // The list may have lost the folder while the dialog was up.
    if (CPersonalFolder* folder = FindPersonalFolder(choice.personalFolder.c_str()))
        AddToPersonalFolder(*folder, paths, owner);
    return true;
}
