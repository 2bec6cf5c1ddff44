#pragma once
// The worker that carries out a rule's actions: one shell file-operation
// request per action, run one after the other, so that a move never takes the
// files away from a copy still reading them. The windows of the target
// folders have their watchers paused for the time of the run and are told
// with UWM_OPERDONE when it ends.

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/RunningThreads.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

// One action's request: the shell's function and flags, the paths, and the
// target folder (empty for a delete).
struct RuleRequest {
    unsigned function = 0;
    unsigned flags = 0;
    std::vector<std::string> paths;
    std::string target;
};

class CRuleOperThread : public CBaseThread {
public:
    // Registers with the frame's running threads; call on the interface thread.
    explicit CRuleOperThread(std::vector<RuleRequest> requests);
    // Pauses the watchers and starts the thread, which deletes itself when
    // done; on failure the watchers resume, the worker is deleted, false.
    static bool Start(CRuleOperThread* worker);

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    // Written by the constructor, read-only while the worker runs.
    std::vector<RuleRequest> m_requests;
    std::vector<HWND> m_windows;  // found on the interface thread
    RunningThreadsPtr m_threads;
    RunningThreads::Token m_token = 0;
    // Written by the worker, read by ExitInstance on the same thread.
    std::vector<bool> m_succeeded;
};
