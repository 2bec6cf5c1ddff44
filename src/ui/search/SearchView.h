#pragma once
// CSearchView: the files view of a search window. It owns one criteria, runs
// it through CSearchThread and shows the results in the order found, with the
// folder of each beside its name. Its commands start a new search, change the
// criteria, search again or stop, keep the criteria as a report and open the
// folder that holds a result.

// Core
// Before the shell's headers, which declare a global "Folder".
#include "core/app/WindowState.h"
#include "core/search/Condition.h"

// Folders
#include "ui/folders/FilesView.h"

// Standard library
#include <string>

class CQueryWindow;
struct SearchRequest;

class CSearchView : public CFilesView {
public:
    explicit CSearchView(CQueryWindow* window) : m_window(window) { m_showsFolderColumn = true; }

    bool Create(HWND parent, UINT id) override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    // Copies the criteria and starts; refused with a message while a search
    // runs. Folder mode makes later sheets show only the folder page.
    bool StartWith(const CCondition& criteria, bool folderMode);
    // Starts the search of the view's criteria; false while one runs.
    bool Start();
    // Asks a running search to stop; the results found so far are shown.
    void Stop();
    bool Running() const { return HasWorker(); }
    bool RestartPending() const { return m_restart; }
    const CCondition& SearchCriteria() const { return m_searchCriteria; }

    void NewSearch();
    void Properties();
    void AddToReports();
    // "A&dd to Personal...": the shown results become a new personal folder
    // holding the view's criteria, named as the user says (`name` proposed).
    void AddToPersonal(const std::string& name);
    void OpenOriginalFolder();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWorkDone() override;
    // The criteria the next search runs over: the view's own one.
    virtual void FillRequest(SearchRequest& request) const;
    void OnRowContextMenu(POINT screen) override;
    void OnOpen(int row) override;
    // Shows a finished search's or fill's rows.
    void ShowResult(ListingResult& result);
    // The view kind's own items of a row's menu, inserted at `position`; how
    // many were inserted. A command of theirs goes to OnRowMenuCommand.
    virtual UINT AddRowMenuItems(HMENU popup, UINT position) { (void)popup; (void)position; return 0; }
    virtual bool OnRowMenuCommand(UINT command) { (void)command; return false; }
    // A command of the shell's part of a row's menu, by its verb ("delete",
    // "cut", ...), before the shell carries it out: true when the view has
    // dealt with it itself and the shell is not to.
    virtual bool OnRowShellVerb(const std::string& verb) { (void)verb; return false; }
    // The selected items (or all) are about to be handed to the shell: those
    // not bound yet are bound in their folders.
    void PrepareSelectedItems() { BindItems(true); }
    void BindItems(bool selectedOnly);
    // The name "A&dd to Personal..." proposes: empty for a search.
    virtual std::string PersonalNameProposal() const { return {}; }
    // The criteria a new personal folder takes from the view.
    virtual std::vector<CCondition> PersonalCriteria() const { return {m_searchCriteria}; }

private:
    bool ButtonsEnabled() const;
    std::vector<CFileItem*> SelectedItems() const;

    CQueryWindow* m_window;
    CCondition m_searchCriteria;
    bool m_folderMode = false;
    bool m_restart = false;  // a new search waits for the running one to end
};

// "Search time: " and the time of day, the title of a new search window.
std::string SearchWindowTitle();
