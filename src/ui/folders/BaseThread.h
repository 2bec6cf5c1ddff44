#pragma once
// The program's worker threads: CBaseThread carries the state word that the
// owner writes to stop it; CFolderThread fills a files view from an item
// array when UWM_STARTWORK arrives and reports with UWM_WORKDONE.

// Framework
#include "ui/framework/WorkerThread.h"

// Folders
#include "ui/folders/Listing.h"

// Windows
#include <windows.h>

class CBaseThread : public ui::WorkerThread {
public:
    CBaseThread() = default;
    explicit CBaseThread(StateWord state) : m_state(std::move(state)) {}

    int State() const { return m_state->load(); }
    void SetState(int state) { m_state->store(state); }
    const StateWord& StateHandle() const { return m_state; }

protected:
    StateWord m_state = MakeStateWord();
};

class CFolderThread : public CBaseThread {
public:
    // A worker for a view: the listing's result goes to the job, which the
    // view holds too; view is the view's window (null for none).
    CFolderThread(HWND view, ListingJobPtr job, bool collectOverlays);
    // A worker over a bare item array, without a view.
    explicit CFolderThread(ItemStorePtr items);

    const ListingJobPtr& Job() const { return m_job; }
    // Creates the thread and posts UWM_STARTWORK; on failure the worker is
    // deleted and false returned.
    static bool Start(CFolderThread* worker);

protected:
    void OnThreadMessage(const MSG& msg) override;
    // Fills the rows from the item array; true when it ran to the end.
    virtual bool DoWork();
    // Whether the work was asked to stop without a result.
    bool Abandoned() const;
    void Finish(bool postDone);

    HWND m_view = nullptr;
    ListingJobPtr m_job;
    bool m_collectOverlays = false;
    bool m_deferIcons = false;
    bool m_fillFolderIcons = true;

private:
    void StartWork();
    void CollectOverlays();
};
