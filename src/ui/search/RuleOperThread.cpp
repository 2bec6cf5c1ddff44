#include "ui/search/RuleOperThread.h"

// Core
#include "core/folders/OperationRules.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderOperThread.h"

// Standard library
#include <algorithm>

// Windows
#include <shellapi.h>

CRuleOperThread::CRuleOperThread(std::vector<RuleRequest> requests)
    : m_requests(std::move(requests)), m_threads(FrameThreadList())
{
    for (const RuleRequest& request : m_requests) {
        HWND window = FolderWindowShowing(request.target);
        if (window && std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end())
            m_windows.push_back(window);
    }
    const std::string path = m_requests.empty() ? std::string() : m_requests.front().target;
    if (m_threads) m_token = m_threads->Add(ThreadKind::FileChange, m_state, path);
}

bool CRuleOperThread::Start(CRuleOperThread* worker)
{
    for (HWND window : worker->m_windows) ::SendMessageA(window, UWM_PAUSEWATCHERS, 0, 0);
    if (worker->CreateThread()) return true;
    worker->ExitInstance();
    delete worker;
    return false;
}

bool CRuleOperThread::InitInstance()
{
    SetPriority(THREAD_PRIORITY_NORMAL);
    for (const RuleRequest& rule : m_requests) {
        // The shell reads the lists until their double zero.
        const std::string from = fileops::PathList(rule.paths);
        std::string to;
        unsigned flags = rule.flags;
        if (rule.function == static_cast<unsigned>(fileops::Function::Move)) {
            // Wine: a move of several files into one folder is cancelled;
            // one target path per file is understood everywhere.
            std::vector<std::string> targets;
            for (const std::string& path : rule.paths)
                targets.push_back(fileops::JoinPath(rule.target, path.substr(path.find_last_of('\\') + 1)));
            to = fileops::PathList(targets);
            flags |= FOF_MULTIDESTFILES;
        } else if (!rule.target.empty()) {
            to = fileops::PathList({rule.target});
        }
        SHFILEOPSTRUCTA request = {};
        request.wFunc = rule.function;
        request.fFlags = static_cast<FILEOP_FLAGS>(flags);
        request.pFrom = from.c_str();
        request.pTo = to.empty() ? nullptr : to.c_str();
        m_succeeded.push_back(RequestSucceeded(::SHFileOperationA(&request), request));
    }
    return false;
}

int CRuleOperThread::ExitInstance()
{
    if (m_threads) m_threads->Remove(m_token);
    // A request that failed or was aborted is not reported as done.
    const bool allDone = m_succeeded.size() == m_requests.size() &&
                         std::find(m_succeeded.begin(), m_succeeded.end(), false) == m_succeeded.end();
    for (HWND window : m_windows) {
        ::PostMessageA(window, UWM_RESUMEWATCHERS, 0, 0);
        ::PostMessageA(window, UWM_OPERDONE, allDone ? 1 : 0, 0);
    }
    return allDone ? 0 : 1;
}
