// The edit and file commands of the Personal page while its tree has the
// focus: they act on the selected personal folder as its menu's commands do.
#include "ui/explorer/PersonalPage.h"

// Framework
#include "ui/framework/ComPtr.h"

// Folders
#include "ui/folders/FileDrop.h"

// Resources
#include "res/resource.h"

bool CPersonalPage::QueryPaste() const
{
    return FolderIndexOf(m_personalTree.Selected()) >= 0 && ::IsClipboardFormatAvailable(CF_HDROP);
}

bool CPersonalPage::QueryDelete() const { return FolderIndexOf(m_personalTree.Selected()) >= 0; }

bool CPersonalPage::QueryRename() const { return FolderIndexOf(m_personalTree.Selected()) >= 0; }

bool CPersonalPage::QueryProperties() const { return FolderIndexOf(m_personalTree.Selected()) >= 0; }

void CPersonalPage::PasteIntoSelection()
{
    // Pasted files join the folder's list as dropped ones do; nothing moves on the disk.
    ui::ComPtr<IDataObject> data;
    if (FAILED(::OleGetClipboard(data.Out()))) return;
    const std::vector<std::string> paths = filedrop::PathsOf(data.Get());
    if (!paths.empty()) DropOnFolder(m_personalTree.Selected(), paths);
}

void CPersonalPage::DeleteSelection(bool toRecycleBin)
{
    (void)toRecycleBin;  // a personal folder is only a list: it goes from the program alone
    OnPageCommand(ID_PERSONAL_DELETE);
}

void CPersonalPage::SelectionProperties() { OnPageCommand(ID_PERSONAL_PROPERTIES); }
