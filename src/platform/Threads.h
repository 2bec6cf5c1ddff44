#pragma once
// Threads, locks and conditions for the core and the program. The Windows
// side uses only what Windows 95 and NT 4 offer (critical sections, events,
// CreateThread); the native side uses the standard library.

// Standard library
#include <functional>
#include <memory>

namespace platform {

// A non-recursive lock.
class Lock {
public:
    Lock();
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    void lock();
    void unlock();

private:
    friend class Condition;
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Holds a lock for its scope; a null lock holds nothing.
class LockGuard {
public:
    explicit LockGuard(Lock& lock) : m_lock(&lock) { m_lock->lock(); }
    explicit LockGuard(Lock* lock) : m_lock(lock)
    {
        if (m_lock) m_lock->lock();
    }
    ~LockGuard()
    {
        if (m_lock) m_lock->unlock();
    }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

private:
    Lock* m_lock;
};

// Threads wait here, holding a lock, until another thread changes what the
// lock guards and wakes them. Waits may also end without a wake-up: always
// wait in a loop over the condition (or use the predicate form).
class Condition {
public:
    Condition();
    ~Condition();
    Condition(const Condition&) = delete;
    Condition& operator=(const Condition&) = delete;

    // Releases `held` (locked by the caller), waits, and locks it again.
    void Wait(Lock& held);
    template <typename Predicate>
    void Wait(Lock& held, Predicate ready)
    {
        while (!ready()) Wait(held);
    }
    // Wakes every thread waiting now. Call it holding the lock the waiters
    // use, after changing what they wait for.
    void NotifyAll();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// An event that threads wait for: manual-reset events stay set until
// Reset(); auto-reset events release one waiter and clear themselves.
class Event {
public:
    explicit Event(bool manualReset);
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    void Wait();
    // False when the time ran out first.
    bool WaitFor(unsigned milliseconds);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// A joinable thread. It must be joined (or never started) before it is
// destroyed; the destructor joins a thread still running.
class Thread {
public:
    Thread();
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts `work` on a new thread; false when no thread could be made.
    [[nodiscard]] bool Start(std::function<void()> work);
    bool Joinable() const { return m_impl != nullptr; }
    void Join();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The number of processors the system runs threads on (at least 1).
unsigned ProcessorCount();

}  // namespace platform
