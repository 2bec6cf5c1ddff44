#include "ui/explorer/PersonalPage.h"

// Core
#include "core/app/ObjectList.h"
#include "core/frame/ExplorerTabs.h"

// Core
#include "core/search/Personal.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/PersonalWindow.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/PersonalDialogs.h"
#include "ui/search/UpdateAllDlg.h"

// Standard library
#include <ctime>

// Resources
#include "res/resource.h"

bool CPersonalPage::CreateTree()
{
    if (!m_personalTree.Create(Handle(), false)) return false;
    HTREEITEM root = m_personalTree.AppendItem(TVI_ROOT, ui::LoadString(IDS_PERSONAL_ROOT));
    m_newFolder = m_personalTree.AppendItem(root, ui::LoadString(IDS_PERSONAL_NEW_FOLDER));
    m_folders = m_personalTree.AppendItem(root, ui::LoadString(IDS_PERSONAL_FOLDERS));
    Refill();
    m_personalTree.Expand(root, TVE_EXPAND);
    return root && m_newFolder && m_folders;
}

void CPersonalPage::Refill()
{
    std::vector<std::string> names;
    if (CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders())
        for (int i = 0; i < list->Count(); ++i) names.push_back(list->FolderAt(i)->Name());
    SetFolders(names);
}

void CPersonalPage::AddFolder(const std::string& name)
{
    m_personalTree.AppendItem(m_folders, name);
    m_personalTree.Expand(m_folders, TVE_EXPAND);
}

int CPersonalPage::FolderIndexOf(HTREEITEM item) const
{
    if (!item || m_personalTree.Parent(item) != m_folders) return -1;
    int index = 0;
    for (HTREEITEM each = m_personalTree.FirstChild(m_folders); each && each != item;
         each = m_personalTree.NextSibling(each))
        ++index;
    return index;
}

void CPersonalPage::OnOpenItem(HTREEITEM item)
{
    if (item == m_newFolder) {
        NewFolder(true);
        return;
    }
    if (CPersonalFolder* folder = PersonalFolderAt(FolderIndexOf(item))) OpenPersonalFolder(*folder);
}

bool CPersonalPage::ShowItemMenu(HTREEITEM item, POINT point)
{
    UINT menuId = IDR_PERSONAL_FOLDER_MENU;
    if (item == RootItem()) menuId = IDR_PERSONAL_ROOT_MENU;
    else if (item == m_newFolder) menuId = IDR_PERSONAL_NEW_MENU;
    else if (item == m_folders) menuId = IDR_PERSONAL_FOLDERS_MENU;
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (!resource) return false;
    HMENU menu = ::GetSubMenu(resource, 0);
    if (const CPersonalFolder* folder = PersonalFolderAt(FolderIndexOf(item)))
        if (!folder->HasCriteria()) ::EnableMenuItem(menu, ID_PERSONAL_UPDATE, MF_BYCOMMAND | MF_GRAYED);
    m_personalTree.Select(item);
    const UINT chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
    ::DestroyMenu(resource);
    if (chosen) OnPageCommand(chosen);
    return true;
}

void CPersonalPage::OnPageCommand(UINT id)
{
    HWND owner = CTrailmarkApp::Instance()->MainWindow();
    CPersonalFolder* folder = PersonalFolderAt(FolderIndexOf(m_personalTree.Selected()));
    switch (id) {
    case ID_PERSONAL_OPEN:
        if (folder) OpenPersonalFolder(*folder);
        break;
    case ID_PERSONAL_NEW: NewFolder(false); break;
    case ID_PERSONAL_NEW_OPEN: NewFolder(true); break;
    case ID_PERSONAL_UPDATE:
        if (folder) UpdatePersonalFolder(*folder, owner);
        break;
    case ID_PERSONAL_CLEAR:
        if (folder) ClearPersonalFolder(*folder, owner);
        break;
    case ID_PERSONAL_DELETE: DeleteSelected(); break;
    case ID_PERSONAL_REMOVE_ALL: DeleteAll(); break;
    case ID_PERSONAL_UPDATE_ALL: UpdateAllPersonalFolders(owner); break;
    case ID_PERSONAL_PROPERTIES:
        if (folder) ShowPersonalProperties(*folder, CTrailmarkApp::Instance()->Settings(), owner);
        break;
    case ID_PERSONAL_RENAME:
        if (folder) TreeView_EditLabel(m_personalTree.Handle(), m_personalTree.Selected());
        break;
    default:
        ::SendMessageA(owner, WM_COMMAND, id, 0);
        break;
    }
}

void CPersonalPage::DeleteSelected()
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    const int index = FolderIndexOf(m_personalTree.Selected());
    CPersonalFolder* folder = PersonalFolderAt(index);
    if (!list || !folder) return;
    const std::string name = folder->Name();
    const std::string question = ui::LoadString(IDS_CONFIRM_REMOVE_PERSONAL) + name +
                                 ui::LoadString(IDS_CONFIRM_REMOVE_PERSONAL_END);
    if (ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), question, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (folder->window) ::SendMessageA(folder->window->Handle(), WM_CLOSE, 0, 0);
    // A window that could not close yet keeps showing the folder: it stays.
    if (folder->window) return;
    list->RemoveFolder(index);
    list->SaveAll();
    RemoveFolder(name);
}

void CPersonalPage::DeleteAll()
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    if (!list || list->Count() == 0) return;
    if (ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), IDS_CONFIRM_REMOVE_ALL_PERSONAL,
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    for (int index = list->Count() - 1; index >= 0; --index) {
        auto* folder = static_cast<CPersonalFolder*>(list->FolderAt(index));
        if (folder->window) ::SendMessageA(folder->window->Handle(), WM_CLOSE, 0, 0);
        if (!folder->window) list->RemoveFolder(index);
    }
    list->SaveAll();
    Refill();
}

void CPersonalPage::NewFolder(bool open)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CPersonalList* list = app->PersonalFolders();
    if (!list) return;
    CNewPersonalDlg dialog(*list, open ? IDS_OPEN_NEW_PERSONAL : IDS_CREATE_NEW_PERSONAL, NewFolderName());
    if (dialog.DoModal(app->MainWindow()) != IDOK) return;
    const std::string name = dialog.Name();
    std::unique_ptr<CPersonal> made = list->MakeFolder(static_cast<std::uint32_t>(std::time(nullptr)));
    made->SetName(name);
    for (const CCondition& criteria : dialog.Criteria()) made->AddCriteria(criteria);
    // Without criteria there is nothing to search: the folder starts empty.
    made->SetLoaded(!made->HasCriteria());
    auto* folder = static_cast<CPersonalFolder*>(list->Append(std::move(made)));
    if (!folder) return;
    list->SaveAll();
    AddFolder(name);
    SelectFolder(name);
    if (open) OpenPersonalFolder(*folder);
}

DWORD CPersonalPage::EffectOver(HTREEITEM item, DWORD allowed) const
{
    if (FolderIndexOf(item) < 0) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_LINK;
}

bool CPersonalPage::DropOnFolder(HTREEITEM item, const std::vector<std::string>& paths)
{
    CPersonalFolder* folder = PersonalFolderAt(FolderIndexOf(item));
    if (!folder || paths.empty()) return false;
    return AddToPersonalFolder(*folder, paths, CTrailmarkApp::Instance()->MainWindow());
}

HTREEITEM CPersonalPage::ItemAt(POINTL screen) const
{
    TVHITTESTINFO hit = {};
    hit.pt = {screen.x, screen.y};
    ::ScreenToClient(m_personalTree.Handle(), &hit.pt);
    HTREEITEM item = TreeView_HitTest(m_personalTree.Handle(), &hit);
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

DWORD CPersonalPage::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    (void)keyState;
    (void)enter;
    HTREEITEM item = ItemAt(point);
    const DWORD effect = filedrop::PathsOf(data).empty() ? DROPEFFECT_NONE : EffectOver(item, allowed);
    TreeView_SelectDropTarget(m_personalTree.Handle(), effect != DROPEFFECT_NONE ? item : nullptr);
    return effect;
}

void CPersonalPage::OnDragLeave() { TreeView_SelectDropTarget(m_personalTree.Handle(), nullptr); }

DWORD CPersonalPage::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    (void)keyState;
    TreeView_SelectDropTarget(m_personalTree.Handle(), nullptr);
    HTREEITEM item = ItemAt(point);
    const DWORD effect = EffectOver(item, allowed);
    if (effect == DROPEFFECT_NONE) return DROPEFFECT_NONE;
    // The drag's source waits for the drop to end: the question and the
    // adding run with the frame in front, as after any drop on the bar.
    HWND frame = CTrailmarkApp::Instance()->MainWindow();
    ::SetForegroundWindow(frame);
    return DropOnFolder(item, filedrop::PathsOf(data)) ? effect : DROPEFFECT_NONE;
}

LRESULT CPersonalPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CExplorerPage::WindowProc(message, wParam, lParam);
        if (result == 0 && m_personalTree.Handle())
            m_dropTarget = filedrop::RegisterTarget(m_personalTree.Handle(), *this);
        return result;
    }
    case WM_DESTROY:
        filedrop::RevokeTarget(m_personalTree.Handle(), m_dropTarget);
        break;
    default:
        break;
    }
    return CExplorerPage::WindowProc(message, wParam, lParam);
}

bool CPersonalPage::CanEditLabel(HTREEITEM item) { return FolderIndexOf(item) >= 0; }

bool CPersonalPage::OnLabelEdited(HTREEITEM item, const char* text)
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    CPersonalFolder* folder = PersonalFolderAt(FolderIndexOf(item));
    if (!list || !folder || !text) return false;
    const std::string name = TrimName(text);
    if (name.empty() || name == folder->Name()) return false;
    if (list->NameExistsExcept(folder, name)) {
        ui::ShowMessage(CTrailmarkApp::Instance()->MainWindow(), IDS_PERSONAL_RENAME_EXISTS, MB_OK | MB_ICONSTOP);
        return false;
    }
    folder->SetName(name);
    folder->SaveValues(CTrailmarkApp::Instance()->Settings());
    if (folder->window) folder->window->SetTitle(name);
    m_personalTree.SetItemText(item, name);
    return true;
}

void CPersonalPage::SetFolders(const std::vector<std::string>& names)
{
    m_personalTree.DeleteChildren(m_folders);
    for (const std::string& name : names) m_personalTree.AppendItem(m_folders, name);
    m_personalTree.Expand(m_folders, TVE_EXPAND);
}

std::vector<std::string> CPersonalPage::FolderNames() const
{
    std::vector<std::string> names;
    for (HTREEITEM item = m_personalTree.FirstChild(m_folders); item; item = m_personalTree.NextSibling(item))
        names.push_back(m_personalTree.ItemText(item));
    return names;
}

HTREEITEM CPersonalPage::FolderItem(const std::string& name) const
{
    for (HTREEITEM item = m_personalTree.FirstChild(m_folders); item; item = m_personalTree.NextSibling(item))
        if (SameNameNoCase(m_personalTree.ItemText(item), name)) return item;
    return nullptr;
}

bool CPersonalPage::SelectFolder(const std::string& name)
{
    HTREEITEM item = FolderItem(name);
    if (item) m_personalTree.SelectQuietly(item);
    return item != nullptr;
}

std::string CPersonalPage::NewFolderName() const
{
    return NewPersonalFolderName(ui::LoadString(IDS_PERSONAL_NAME_FORMAT), FolderNames());
}

void CPersonalPage::RenameFolder(const std::string& oldName, const std::string& newName)
{
    if (HTREEITEM item = FolderItem(oldName)) m_personalTree.SetItemText(item, newName);
}

void CPersonalPage::RemoveFolder(const std::string& name)
{
    if (HTREEITEM item = FolderItem(name)) TreeView_DeleteItem(m_personalTree, item);
}
