#include "ui/search/ProgressWorker.h"

// Core
#include "core/search/SearchSink.h"

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/FolderMessages.h"

// Dialogs
#include "ui/dialogs/UpdateProgressDlg.h"

// Standard library
#include <memory>

namespace {

struct ProgressJob {
    std::function<void(ProgressReport&)> work;
    HWND dialog = nullptr;
    std::atomic<bool> finished{false};
};

class CProgressThread : public CBaseThread {
public:
    CProgressThread(std::shared_ptr<ProgressJob> job, StateWord state)
        : CBaseThread(std::move(state)), m_job(std::move(job))
    {
    }

protected:
    void OnThreadMessage(const MSG& msg) override
    {
        if (msg.message != UWM_STARTWORK) return;
        ProgressReport report(m_job->dialog, m_state);
        m_job->work(report);
        report.Flush();
        if (::IsWindow(m_job->dialog)) ::PostMessageA(m_job->dialog, UWM_WORKDONE, 0, 0);
        // Last: the caller may free what the work used once it sees this.
        m_job->finished.store(true);
        Quit(0);
    }

private:
    std::shared_ptr<ProgressJob> m_job;
};

// Starts the job's work on a worker of its own; false when none could be made.
bool StartProgressThread(const std::shared_ptr<ProgressJob>& job, const StateWord& state)
{
    auto* worker = new CProgressThread(job, state);
    if (!worker->CreateThread()) {
        delete worker;
        return false;
    }
    worker->PostThreadMessage(UWM_STARTWORK);
    return true;
}

HWND ShowStatusWindow(const std::string& text, HWND owner)
{
    RECT frame = {};
    ::GetWindowRect(owner, &frame);
    constexpr int kWidth = 160, kHeight = 48;
    HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", text.c_str(),
                                    WS_POPUP | WS_BORDER | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                                    (frame.left + frame.right - kWidth) / 2, (frame.top + frame.bottom - kHeight) / 2,
                                    kWidth, kHeight, owner, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (window) ::UpdateWindow(window);
    return window;
}

// Dispatches the thread's messages until the job has finished; a quit
// request is kept for the loop that owns it.
void PumpUntilFinished(const ProgressJob& job)
{
    constexpr DWORD kWaitMs = 20;
    bool quit = false;
    int quitCode = 0;
    while (!job.finished.load()) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) ::Sleep(kWaitMs);
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (quit) ::PostQuitMessage(quitCode);
}

}  // namespace

void ProgressReport::Send(UINT message, WPARAM wParam) const
{
    // Sent, so that a text lives until the dialog has shown it; a stopped
    // dialog is gone and hears nothing more.
    if (!Stopped() && ::IsWindow(m_dialog)) ::SendMessageA(m_dialog, message, wParam, 0);
}

void ProgressReport::Start(long steps) { Send(UWM_SEARCHSTARTED, static_cast<WPARAM>(steps)); }

void ProgressReport::Status(const std::string& text)
{
    // Drawing the dialog for every step costs far more than a quick step.
    constexpr DWORD kReportIntervalMs = 50;
    ++m_pendingSteps;
    m_lastText = text;
    const DWORD now = ::GetTickCount();
    if (!m_sentAny || now - m_lastSent >= kReportIntervalMs) Flush();
}

void ProgressReport::Flush()
{
    if (m_pendingSteps == 0) return;
    // Sent, so that the text lives until the dialog has shown it; a stopped
    // dialog is gone and hears nothing more.
    if (!Stopped() && ::IsWindow(m_dialog))
        ::SendMessageA(m_dialog, UWM_PROGRESSSTEPS, reinterpret_cast<WPARAM>(m_lastText.c_str()),
                       static_cast<LPARAM>(m_pendingSteps));
    m_pendingSteps = 0;
    m_sentAny = true;
    m_lastSent = ::GetTickCount();
}

bool ProgressReport::Stopped() const { return m_state->load() != WorkState::Running; }

bool RunUnderProgressDialog(const ProgressTexts& texts, HWND owner, const std::function<void(ProgressReport&)>& work)
{
    auto job = std::make_shared<ProgressJob>();
    job->work = work;
    StateWord state = MakeStateWord();
    CUpdateProgressDlg dialog(texts.title, texts.verb, texts.counterLabel);
    dialog.SetWorkState(state);
    dialog.SetStarter([&](HWND hwnd) {
        job->dialog = hwnd;
        return StartProgressThread(job, state);
    });
    if (dialog.DoModal(owner) == IDABORT) {
        ProgressReport report(nullptr, state);
        work(report);
        return true;
    }
    // The dialog is gone, so the worker sends it nothing more: waiting here
    // cannot hold it up. A stopped worker ends at its next step.
    while (!job->finished.load()) ::Sleep(1);
    return !dialog.Stopped();
}

void RunUnderStatusWindow(const std::string& text, HWND owner, const std::function<void(ProgressReport&)>& work,
                          const std::function<void(HWND)>& shown)
{
    auto job = std::make_shared<ProgressJob>();
    job->work = work;
    StateWord state = MakeStateWord();
    HWND status = ShowStatusWindow(text, owner);
    if (shown) shown(status);
    // Like a modal dialog: nothing else is started on the owner meanwhile.
    const bool wasEnabled = owner && !::EnableWindow(owner, FALSE);
    if (StartProgressThread(job, state)) {
        PumpUntilFinished(*job);
    } else {
        ProgressReport report(nullptr, state);
        work(report);
    }
    if (wasEnabled) ::EnableWindow(owner, TRUE);
    if (status) ::DestroyWindow(status);
    if (shown) shown(nullptr);
}
