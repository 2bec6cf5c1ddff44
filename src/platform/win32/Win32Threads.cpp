// Platform
#include "platform/Threads.h"

// Standard library
#include <algorithm>
#include <vector>

// Windows
#include <windows.h>

namespace platform {

struct Lock::Impl {
    CRITICAL_SECTION section;
};

Lock::Lock() : m_impl(std::make_unique<Impl>())
{
    ::InitializeCriticalSection(&m_impl->section);
}

Lock::~Lock()
{
    ::DeleteCriticalSection(&m_impl->section);
}

void Lock::lock()
{
    ::EnterCriticalSection(&m_impl->section);
}

void Lock::unlock()
{
    ::LeaveCriticalSection(&m_impl->section);
}

// Windows 95 and NT 4 have no condition variables. Each waiter parks on an
// event of its own, listed under the caller's lock, so a wake-up meant for
// one waiter can never be taken by a thread that starts waiting later.
struct Condition::Impl {
    std::vector<HANDLE> waiting;  // guarded by the lock the waiters hold
};

Condition::Condition() : m_impl(std::make_unique<Impl>()) {}

Condition::~Condition() = default;

void Condition::Wait(Lock& held)
{
    HANDLE wake = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!wake) {
        // No event to park on: let go of the lock for a moment, so the
        // caller's loop polls rather than spins with the lock held.
        held.unlock();
        ::Sleep(1);
        held.lock();
        return;
    }
    m_impl->waiting.push_back(wake);
    held.unlock();
    ::WaitForSingleObject(wake, INFINITE);
    held.lock();
    ::CloseHandle(wake);
}

void Condition::NotifyAll()
{
    for (HANDLE wake : m_impl->waiting) ::SetEvent(wake);
    m_impl->waiting.clear();
}

struct Event::Impl {
    HANDLE handle = nullptr;
};

Event::Event(bool manualReset) : m_impl(std::make_unique<Impl>())
{
    m_impl->handle = ::CreateEventA(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr);
}

Event::~Event()
{
    if (m_impl->handle) ::CloseHandle(m_impl->handle);
}

void Event::Set()
{
    ::SetEvent(m_impl->handle);
}

void Event::Reset()
{
    ::ResetEvent(m_impl->handle);
}

void Event::Wait()
{
    ::WaitForSingleObject(m_impl->handle, INFINITE);
}

bool Event::WaitFor(unsigned milliseconds)
{
    return ::WaitForSingleObject(m_impl->handle, milliseconds) == WAIT_OBJECT_0;
}

struct Thread::Impl {
    std::function<void()> work;
    HANDLE handle = nullptr;
};

namespace {

DWORD WINAPI RunThread(void* parameter)
{
    static_cast<std::function<void()>*>(parameter)->operator()();
    return 0;
}

}  // namespace

Thread::Thread() = default;

Thread::~Thread()
{
    Join();
}

bool Thread::Start(std::function<void()> work)
{
    Join();
    auto impl = std::make_unique<Impl>();
    impl->work = std::move(work);
    DWORD id = 0;
    impl->handle = ::CreateThread(nullptr, 0, RunThread, &impl->work, 0, &id);
    if (!impl->handle) return false;
    m_impl = std::move(impl);
    return true;
}

void Thread::Join()
{
    if (!m_impl) return;
    ::WaitForSingleObject(m_impl->handle, INFINITE);
    ::CloseHandle(m_impl->handle);
    m_impl.reset();
}

unsigned ProcessorCount()
{
    SYSTEM_INFO info = {};
    ::GetSystemInfo(&info);
    return std::max<unsigned>(1, info.dwNumberOfProcessors);
}

}  // namespace platform
