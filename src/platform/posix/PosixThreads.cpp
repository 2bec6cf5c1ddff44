// Platform
#include "platform/Threads.h"

// Standard library
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {

struct Lock::Impl {
    std::mutex mutex;
};

Lock::Lock() : m_impl(std::make_unique<Impl>()) {}
Lock::~Lock() = default;
void Lock::lock() { m_impl->mutex.lock(); }
void Lock::unlock() { m_impl->mutex.unlock(); }

struct Condition::Impl {
    std::condition_variable changed;
};

Condition::Condition() : m_impl(std::make_unique<Impl>()) {}
Condition::~Condition() = default;

void Condition::Wait(Lock& held)
{
    std::unique_lock<std::mutex> lock(held.m_impl->mutex, std::adopt_lock);
    m_impl->changed.wait(lock);
    lock.release();  // the caller still holds it
}

void Condition::NotifyAll()
{
    m_impl->changed.notify_all();
}

struct Event::Impl {
    std::mutex mutex;
    std::condition_variable changed;
    bool manualReset = false;
    bool set = false;
};

Event::Event(bool manualReset) : m_impl(std::make_unique<Impl>())
{
    m_impl->manualReset = manualReset;
}

Event::~Event() = default;

void Event::Set()
{
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->set = true;
    if (m_impl->manualReset)
        m_impl->changed.notify_all();
    else
        m_impl->changed.notify_one();
}

void Event::Reset()
{
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->set = false;
}

void Event::Wait()
{
    std::unique_lock<std::mutex> lock(m_impl->mutex);
    m_impl->changed.wait(lock, [this] { return m_impl->set; });
    if (!m_impl->manualReset) m_impl->set = false;
}

bool Event::WaitFor(unsigned milliseconds)
{
    std::unique_lock<std::mutex> lock(m_impl->mutex);
    if (!m_impl->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                  [this] { return m_impl->set; }))
        return false;
    if (!m_impl->manualReset) m_impl->set = false;
    return true;
}

struct Thread::Impl {
    std::thread thread;
};

Thread::Thread() = default;

Thread::~Thread()
{
    Join();
}

bool Thread::Start(std::function<void()> work)
{
    Join();
    auto impl = std::make_unique<Impl>();
    try {
        impl->thread = std::thread(std::move(work));
    } catch (const std::system_error&) {
        return false;
    }
    m_impl = std::move(impl);
    return true;
}

void Thread::Join()
{
    if (!m_impl) return;
    m_impl->thread.join();
    m_impl.reset();
}

unsigned ProcessorCount()
{
    unsigned count = std::thread::hardware_concurrency();
    return count ? count : 1;
}

}  // namespace platform
