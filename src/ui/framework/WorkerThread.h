#pragma once
// A worker thread with a message queue of its own. It runs InitInstance and,
// when that asks for it, a message loop that hands thread messages to
// OnThreadMessage; then ExitInstance. The object deletes itself when the
// thread ends, so its creator must not touch it after creation unless it
// knows the thread is still waiting for a message.

// Windows
#include <windows.h>

namespace ui {

class WorkerThread {
public:
    WorkerThread() = default;
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts the thread; its queue exists when this returns, so messages can
    // be posted to it at once. On failure the object is still the caller's.
    // With `endHandle`, the caller also gets a handle of its own on the thread
    // (it closes it), to wait for the thread's end after the object is gone.
    bool CreateThread(HANDLE* endHandle = nullptr);
    DWORD ThreadId() const { return m_threadId; }
    bool PostThreadMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    // True enters the message loop; false ends the thread.
    virtual bool InitInstance() { return true; }
    virtual void OnThreadMessage(const MSG& msg) { (void)msg; }
    virtual int ExitInstance() { return m_exitCode; }
    // Ends the message loop with an exit code.
    void Quit(int exitCode);
    void SetPriority(int priority);

    int m_exitCode = 0;

private:
    static DWORD WINAPI ThreadProc(void* parameter);
    DWORD Run();

    HANDLE m_thread = nullptr;
    HANDLE m_ready = nullptr;
    DWORD m_threadId = 0;
};

}  // namespace ui
