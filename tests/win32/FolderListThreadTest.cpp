// Core
#include "core/search/EntryIndex.h"
#include "core/search/FolderTable.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/Threads.h"

// Application
#include "ui/app/FolderListThread.h"

// Standard library
#include <atomic>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

// Windows
#include <windows.h>

namespace {

constexpr DWORD kPatienceMs = 10000;

// One fixed drive, C:, with the folders A and B. Listing the root holds the
// walk until the test opens the gate, so the test sees the worker mid-walk.
class GatedLister : public platform::DirectoryLister {
public:
    platform::Event entered{true};
    platform::Event gate{true};
    std::atomic<int> listings{0};
    std::atomic<int> inside{0};

    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        ++listings;
        ++inside;
        const bool root = spec.rfind("C:\\*", 0) == 0;
        if (root) {
            entered.Set();
            gate.Wait();
        }
        bool found = false;
        if (root) {
            for (const char* name : {".", "..", "A", "B"}) {
                platform::FindEntry entry;
                entry.name = name;
                entry.attributes = platform::kAttrDirectory;
                found = true;
                if (!visit(entry)) break;
            }
        }
        --inside;
        return found;
    }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        return root == "C:\\" ? platform::DriveType::Fixed : platform::DriveType::NoRootDir;
    }
    bool CanEnterFolder(const std::string& folder) override { return !folder.empty(); }
};

// A worker started on the gated lister, held in the root's listing.
class HeldWalk : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(worker.Start(threads, lister));
        ASSERT_TRUE(lister.entered.WaitFor(kPatienceMs));
    }
    // Whatever the test did, the worker must be gone before the lister it reads.
    void TearDown() override
    {
        lister.gate.Set();
        EXPECT_TRUE(worker.StopAndWait(kPatienceMs));
    }

    GatedLister lister;
    RunningThreadsPtr threads = std::make_shared<RunningThreads>();
    FolderListWorker worker;
};

TEST_F(HeldWalk, RunsBelowNormalListedAmongTheRunningThreads)
{
    EXPECT_EQ(threads->Count(), 1u);
    ASSERT_NE(worker.Thread(), nullptr);
    EXPECT_EQ(::GetThreadPriority(worker.Thread()), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_EQ(worker.State()->load(), WorkState::Running);

    lister.gate.Set();
    ASSERT_TRUE(worker.StopAndWait(kPatienceMs));
    EXPECT_EQ(threads->Count(), 0u) << "it leaves the list when it ends";
}

TEST_F(HeldWalk, AStopWaitsForTheWorkersEndAndLeavesTheTableNotReady)
{
    // The frame's close cancels every listed thread; the worker is still in
    // the root's listing, so a short wait cannot see it end.
    threads->CancelAll();
    EXPECT_FALSE(worker.StopAndWait(50));
    EXPECT_EQ(lister.inside.load(), 1);

    lister.gate.Set();
    ASSERT_TRUE(worker.StopAndWait(kPatienceMs));
    EXPECT_EQ(lister.inside.load(), 0) << "nothing of the walk runs after the wait";
    EXPECT_EQ(lister.listings.load(), 1) << "the stop came before the first folder below";
    EXPECT_EQ(threads->Count(), 0u);
    EXPECT_FALSE(CFolderTable::Instance().IsReady());
    EXPECT_TRUE(worker.StopAndWait(0)) << "a second stop finds nothing to wait for";
}

TEST(FolderListWorker, AWalkToTheEndFillsTheTable)
{
    GatedLister lister;
    lister.gate.Set();
    FolderListWorker worker;
    EXPECT_TRUE(worker.StopAndWait(0)) << "nothing started, nothing to wait for";
    ASSERT_TRUE(worker.Start(nullptr, lister));
    const StateWord state = worker.State();
    ASSERT_NE(::WaitForSingleObject(worker.Thread(), kPatienceMs), WAIT_TIMEOUT);
    EXPECT_EQ(state->load(), WorkState::Finished);
    ASSERT_TRUE(CFolderTable::Instance().IsReady());
    const auto folders = CFolderTable::Instance().Query("C:\\");
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(*folders, (std::vector<std::string>{"C:\\", "C:\\A\\", "C:\\B\\"}));
    EXPECT_TRUE(worker.StopAndWait(0));
    // The same walk filled the process's entry index and marked the drive whole.
    CEntryIndex& index = CEntryIndex::Instance();
    EXPECT_EQ(index.Count(), 2u);
    EXPECT_TRUE(index.Covers("C:\\B"));
    index.Clear();
}

}  // namespace
