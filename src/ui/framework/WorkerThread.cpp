#include "ui/framework/WorkerThread.h"

// Windows
#include <objbase.h>

namespace ui {

WorkerThread::~WorkerThread()
{
    if (m_thread) ::CloseHandle(m_thread);
}

bool WorkerThread::CreateThread(HANDLE* endHandle)
{
    m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!m_ready) return false;
    HANDLE ready = m_ready;
    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &threadId);
    if (!thread) {
        ::CloseHandle(ready);
        m_ready = nullptr;
        return false;
    }
    // Taken while the thread is suspended: it cannot have ended and closed its own yet.
    if (endHandle &&
        !::DuplicateHandle(::GetCurrentProcess(), thread, ::GetCurrentProcess(), endHandle, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        *endHandle = nullptr;
    m_thread = thread;
    m_threadId = threadId;
    ::ResumeThread(thread);
    // The thread may end and delete this object as soon as its queue is ready.
    ::WaitForSingleObject(ready, INFINITE);
    ::CloseHandle(ready);
    return true;
}

bool WorkerThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostThreadMessageA(m_threadId, message, wParam, lParam) != FALSE;
}

void WorkerThread::Quit(int exitCode)
{
    m_exitCode = exitCode;
    ::PostQuitMessage(exitCode);
}

void WorkerThread::SetPriority(int priority) { ::SetThreadPriority(::GetCurrentThread(), priority); }

DWORD WINAPI WorkerThread::ThreadProc(void* parameter)
{
    return static_cast<WorkerThread*>(parameter)->Run();
}

DWORD WorkerThread::Run()
{
    MSG msg;
    // Makes the queue before the creator is told it may post.
    ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const bool com = SUCCEEDED(::CoInitialize(nullptr));
    ::SetEvent(m_ready);

    int exitCode = 0;
    try {
        if (InitInstance()) {
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
                if (msg.hwnd) ::DispatchMessageA(&msg);
                else OnThreadMessage(msg);
            }
        }
        exitCode = ExitInstance();
    } catch (...) {
        // Nothing may leave a thread's entry; the thread ends as if stopped.
        exitCode = -1;
    }
    // The object's references are released while COM is still open on this thread.
    delete this;
    if (com) ::CoUninitialize();
    return static_cast<DWORD>(exitCode);
}

}  // namespace ui
