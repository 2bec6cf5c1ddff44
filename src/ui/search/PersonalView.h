#pragma once
// CPersonalView: the files view of a personal folder window. It works on the
// personal folder itself: its criteria are the folder's, its items the
// folder's. "Update" searches the criteria again and the results become the
// contents; "Clear" and "&Remove From  Folder" take items out of the folder,
// never off the disk. Files dropped or pasted on it are added to the folder;
// deleting or moving its items acts on the disk, after a warning.

// Folders
#include "ui/folders/FileDrop.h"

// Search
#include "ui/search/PersonalFolder.h"
#include "ui/search/SearchView.h"

// Standard library
#include <string>
#include <vector>

class CPersonalView : public CSearchView, private filedrop::DropHandler {
public:
    explicit CPersonalView(CQueryWindow* window) : CSearchView(window) {}

    bool Create(HWND parent, UINT id) override;

    // Shows the folder; a running search is abandoned first and the folder
    // shown once it has ended.
    void OpenFolder(CPersonalFolder* folder);
    CPersonalFolder* Folder() const { return m_folder; }

    void Update();
    void Clear();
    void RemoveSelected();
    // Lists the folder's items again.
    void Fill();
    // Adds the files (dropped or pasted) after the question; false when
    // nothing was added.
    bool AddFiles(const std::vector<std::string>& paths);
    // A drag of files over the view or the window's taskbar button: the
    // effect a drop would have; the drop itself.
    DWORD DropEffect(IDataObject* data, DWORD allowed) const;
    DWORD DropFiles(IDataObject* data, DWORD allowed);
    void Paste();
    // Deletes the selected items from the disk after the warning; they
    // leave the folder when the delete has ended.
    void DeleteSelected(bool toRecycleBin);

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;
    void CancelWork() override;

protected:
    void OnDestroy() override;
    void OnOperationDone(bool succeeded, std::uint32_t cutTicket) override;
    void OnWorkDone() override;
    void FillRequest(SearchRequest& request) const override;
    UINT AddRowMenuItems(HMENU popup, UINT position) override;
    bool OnRowMenuCommand(UINT command) override;
    bool OnRowShellVerb(const std::string& verb) override;
    std::string PersonalNameProposal() const override;
    std::vector<CCondition> PersonalCriteria() const override;

private:
    // filedrop::DropHandler: files dragged over the view.
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override {}
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;

    bool RefusedWhileBusy() const;
    void ShowFolder();
    std::vector<std::string> SelectedPaths() const;

    CPersonalFolder* m_folder = nullptr;
    CPersonalFolder* m_pendingFolder = nullptr;  // shown when the abandoned search has ended
    bool m_searching = false;                    // the running work is an update, not a fill
    filedrop::DropTarget* m_dropTarget = nullptr;  // registered on the view
    DWORD m_dragEffect = DROPEFFECT_NONE;          // of the drag over the view, found as it came in
};
