// Platform
#include "platform/Threads.h"

// Gtest
#include <gtest/gtest.h>

// Standard library
#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kPatienceMs = 5000;

// Waits until `done` holds, looking every few milliseconds; false when the
// patience ran out first.
template <typename Predicate>
bool WaitUntil(Predicate done, unsigned milliseconds = kPatienceMs)
{
    platform::Event never(true);
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (Clock::now() > end) return false;
        never.WaitFor(2);
    }
    return true;
}

long ElapsedMs(Clock::time_point since)
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

TEST(Threads, ALockLetsOneThreadAtATimeIn)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    platform::Lock lock;
    long counter = 0;  // guarded by lock
    std::vector<std::unique_ptr<platform::Thread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.push_back(std::make_unique<platform::Thread>());
        ASSERT_TRUE(threads.back()->Start([&] {
            for (int i = 0; i < kRounds; ++i) {
                platform::LockGuard guard(lock);
                // A read and a write apart, so that two threads inside at once lose counts.
                const long seen = counter;
                counter = seen + 1;
            }
        }));
    }
    for (auto& thread : threads) thread->Join();
    EXPECT_EQ(counter, static_cast<long>(kThreads) * kRounds);
}

TEST(Threads, NotifyAllWakesEveryWaiter)
{
    constexpr int kWaiters = 4;
    platform::Lock lock;
    platform::Condition changed;
    int waiting = 0;     // guarded by lock
    bool go = false;     // guarded by lock
    std::atomic<int> woken{0};
    std::vector<std::unique_ptr<platform::Thread>> threads;
    for (int t = 0; t < kWaiters; ++t) {
        threads.push_back(std::make_unique<platform::Thread>());
        ASSERT_TRUE(threads.back()->Start([&] {
            platform::LockGuard guard(lock);
            ++waiting;
            changed.NotifyAll();
            changed.Wait(lock, [&] { return go; });
            ++woken;
        }));
    }
    {
        // Each waiter counts itself under the lock and lets go of it only
        // inside Wait: at kWaiters every one of them is parked.
        platform::LockGuard guard(lock);
        changed.Wait(lock, [&] { return waiting == kWaiters; });
        go = true;
        changed.NotifyAll();
    }
    EXPECT_TRUE(WaitUntil([&] { return woken.load() == kWaiters; })) << woken.load() << " woke";
    // Should some sleep on, more wake-ups let them end so the test can.
    for (int i = 0; i < kWaiters && woken.load() < kWaiters; ++i) {
        platform::LockGuard guard(lock);
        changed.NotifyAll();
    }
    for (auto& thread : threads) thread->Join();
}

TEST(Threads, NoWakeUpIsLostBetweenTwoThreadsTakingTurns)
{
    constexpr int kRounds = 500;
    platform::Lock lock;
    platform::Condition changed;
    int turn = 0;  // guarded by lock: even for the first thread, odd for the second
    auto player = [&](int parity) {
        for (int i = 0; i < kRounds; ++i) {
            platform::LockGuard guard(lock);
            changed.Wait(lock, [&] { return turn % 2 == parity; });
            ++turn;
            changed.NotifyAll();
        }
    };
    platform::Thread first, second;
    ASSERT_TRUE(first.Start([&] { player(0); }));
    ASSERT_TRUE(second.Start([&] { player(1); }));
    EXPECT_TRUE(WaitUntil([&] {
        platform::LockGuard guard(lock);
        return turn == 2 * kRounds;
    }));
    first.Join();
    second.Join();
}

TEST(Threads, AManualResetEventStaysSetUntilReset)
{
    platform::Event event(true);
    EXPECT_FALSE(event.WaitFor(0));
    event.Set();
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_TRUE(event.WaitFor(0)) << "a wait does not clear it";
    event.Wait();
    event.Reset();
    EXPECT_FALSE(event.WaitFor(10));

    // One Set releases every thread waiting.
    constexpr int kWaiters = 3;
    std::atomic<int> released{0};
    event.Reset();
    std::vector<std::unique_ptr<platform::Thread>> threads;
    for (int t = 0; t < kWaiters; ++t) {
        threads.push_back(std::make_unique<platform::Thread>());
        ASSERT_TRUE(threads.back()->Start([&] {
            event.Wait();
            ++released;
        }));
    }
    event.Set();
    EXPECT_TRUE(WaitUntil([&] { return released.load() == kWaiters; }));
    for (auto& thread : threads) thread->Join();
}

TEST(Threads, AnAutoResetEventReleasesOneWaiterPerSet)
{
    platform::Event event(false);
    event.Set();
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_FALSE(event.WaitFor(10)) << "the wait that took it cleared it";

    std::atomic<int> released{0};
    platform::Thread first, second;
    auto waiter = [&] {
        event.Wait();
        ++released;
    };
    ASSERT_TRUE(first.Start(waiter));
    ASSERT_TRUE(second.Start(waiter));
    event.Set();
    EXPECT_TRUE(WaitUntil([&] { return released.load() == 1; }));
    // The second waiter has to stay parked until the next Set.
    EXPECT_FALSE(WaitUntil([&] { return released.load() > 1; }, 100));
    event.Set();
    EXPECT_TRUE(WaitUntil([&] { return released.load() == 2; }));
    first.Join();
    second.Join();
}

TEST(Threads, WaitForEndsAtItsTimeOrAtTheSet)
{
    platform::Event event(true);
    Clock::time_point start = Clock::now();
    EXPECT_FALSE(event.WaitFor(60));
    // Timers on some systems tick in steps of 10 to 16 milliseconds.
    EXPECT_GE(ElapsedMs(start), 40);

    platform::Thread setter;
    ASSERT_TRUE(setter.Start([&] {
        platform::Event pause(true);
        pause.WaitFor(20);
        event.Set();
    }));
    start = Clock::now();
    EXPECT_TRUE(event.WaitFor(kPatienceMs));
    EXPECT_LT(ElapsedMs(start), static_cast<long>(kPatienceMs));
    setter.Join();
}

TEST(Threads, JoinWaitsForTheWorkAndTheDestructorJoinsToo)
{
    std::atomic<int> done{0};
    auto slowWork = [&] {
        platform::Event pause(true);
        pause.WaitFor(30);
        ++done;
    };
    platform::Thread thread;
    EXPECT_FALSE(thread.Joinable());
    ASSERT_TRUE(thread.Start(slowWork));
    EXPECT_TRUE(thread.Joinable());
    thread.Join();
    EXPECT_EQ(done.load(), 1);
    EXPECT_FALSE(thread.Joinable());
    thread.Join();  // a second join is harmless

    // Starting again first joins the thread before.
    ASSERT_TRUE(thread.Start(slowWork));
    ASSERT_TRUE(thread.Start(slowWork));
    EXPECT_GE(done.load(), 2);
    {
        platform::Thread scoped;
        ASSERT_TRUE(scoped.Start(slowWork));
    }
    EXPECT_GE(done.load(), 3);
    thread.Join();
    EXPECT_EQ(done.load(), 4);
}

}  // namespace
