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
    void OpenOriginalFolder();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWorkDone() override;
    // The criteria the next search runs over: the view's own one.
    virtual void FillRequest(SearchRequest& request) const;
    void OnRowContextMenu(POINT screen) override;
    void OnOpen(int row) override;

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
