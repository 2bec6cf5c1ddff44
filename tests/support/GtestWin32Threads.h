#pragma once
// Forced into every GoogleTest build for Windows. GoogleTest's thread-safe
// parts (which its Windows death tests need) name std::mutex and
// std::condition_variable, which the win32-thread C++ library we ship with
// lacks; these stand-ins on Windows primitives serve the tests only. The
// program itself uses the threads seam of src/platform.

#if defined(_WIN32) && !defined(_GLIBCXX_HAS_GTHREADS) && defined(__cplusplus)

// Standard library
#include <mutex>  // std::lock_guard and std::unique_lock exist without threads

// Windows
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace std {

class mutex {
public:
    mutex() { ::InitializeCriticalSection(&m_section); }
    ~mutex() { ::DeleteCriticalSection(&m_section); }
    mutex(const mutex&) = delete;
    mutex& operator=(const mutex&) = delete;
    void lock() { ::EnterCriticalSection(&m_section); }
    void unlock() { ::LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

// One event per wait, set by notify_all; callers notify holding the lock.
class condition_variable {
public:
    condition_variable() { ::InitializeCriticalSection(&m_section); }
    ~condition_variable() { ::DeleteCriticalSection(&m_section); }
    condition_variable(const condition_variable&) = delete;
    condition_variable& operator=(const condition_variable&) = delete;

    void wait(unique_lock<mutex>& lock)
    {
        HANDLE wake = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        ::EnterCriticalSection(&m_section);
        m_waiting[m_count < kMaxWaiters ? m_count++ : kMaxWaiters - 1] = wake;
        ::LeaveCriticalSection(&m_section);
        lock.unlock();
        ::WaitForSingleObject(wake, 50);  // bounded: a missed slot only polls
        lock.lock();
        ::CloseHandle(wake);
    }
    template <typename Predicate>
    void wait(unique_lock<mutex>& lock, Predicate ready)
    {
        while (!ready()) wait(lock);
    }
    void notify_all()
    {
        ::EnterCriticalSection(&m_section);
        for (int i = 0; i < m_count; ++i) ::SetEvent(m_waiting[i]);
        m_count = 0;
        ::LeaveCriticalSection(&m_section);
    }
    void notify_one() { notify_all(); }

private:
    static constexpr int kMaxWaiters = 64;
    CRITICAL_SECTION m_section;
    HANDLE m_waiting[kMaxWaiters] = {};
    int m_count = 0;
};

}  // namespace std

#endif
