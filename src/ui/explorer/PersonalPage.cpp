#include "ui/explorer/PersonalPage.h"

// Core
#include "core/app/ObjectList.h"
#include "core/frame/ExplorerTabs.h"

// Framework
#include "ui/framework/MessageBox.h"

// Resources
#include "res/resource.h"

bool CPersonalPage::CreateTree()
{
    if (!m_personalTree.Create(Handle(), false)) return false;
    HTREEITEM root = InsertItem(TVI_ROOT, ui::LoadString(IDS_PERSONAL_ROOT));
    m_newFolder = InsertItem(root, ui::LoadString(IDS_PERSONAL_NEW_FOLDER));
    m_folders = InsertItem(root, ui::LoadString(IDS_PERSONAL_FOLDERS));
    m_personalTree.Expand(root, TVE_EXPAND);
    return root && m_newFolder && m_folders;
}

HTREEITEM CPersonalPage::InsertItem(HTREEITEM parent, const std::string& text)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    return TreeView_InsertItem(m_personalTree, &insert);
}

void CPersonalPage::SetFolders(const std::vector<std::string>& names)
{
    m_personalTree.DeleteChildren(m_folders);
    for (const std::string& name : names) InsertItem(m_folders, name);
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
    if (item) m_personalTree.Select(item);
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
