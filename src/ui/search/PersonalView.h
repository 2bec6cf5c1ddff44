#pragma once
// CPersonalView: the files view of a personal folder window. It works on the
// personal folder itself: its criteria are the folder's, its items the
// folder's. "Update" searches the criteria again and the results become the
// contents; "Clear" and "&Remove From  Folder" take items out of the folder,
// never off the disk.

// Search
#include "ui/search/PersonalFolder.h"
#include "ui/search/SearchView.h"

// Standard library
#include <string>
#include <vector>

class CPersonalView : public CSearchView {
public:
    explicit CPersonalView(CQueryWindow* window) : CSearchView(window) {}

    // Shows the folder; a running search is abandoned first and the folder
    // shown once it has ended.
    void OpenFolder(CPersonalFolder* folder);
    CPersonalFolder* Folder() const { return m_folder; }

    void Update();
    void Clear();
    void RemoveSelected();
    // Lists the folder's items again.
    void Fill();

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;
    void CancelWork() override;

protected:
    void OnWorkDone() override;
    void FillRequest(SearchRequest& request) const override;
    UINT AddRowMenuItems(HMENU popup, UINT position) override;
    bool OnRowMenuCommand(UINT command) override;
    std::string PersonalNameProposal() const override;
    std::vector<CCondition> PersonalCriteria() const override;

private:
    bool RefusedWhileBusy() const;
    void ShowFolder();
    std::vector<std::string> SelectedPaths() const;

    CPersonalFolder* m_folder = nullptr;
    CPersonalFolder* m_pendingFolder = nullptr;  // shown when the abandoned search has ended
    bool m_searching = false;                    // the running work is an update, not a fill
};
