// Core
#include "core/search/FolderTableSchedule.h"

// Gtest
#include <gtest/gtest.h>

// Standard library
#include <vector>

namespace {

// The minutes, counted from a walk's start, at which a new walk starts.
std::vector<int> WalkMinutes(int refreshMinutes, int total, int runningUntil = 0)
{
    FolderTableSchedule schedule;
    std::vector<int> walks;
    for (int minute = 1; minute <= total; ++minute) {
        if (schedule.MinutePassed(refreshMinutes, minute <= runningUntil)) {
            walks.push_back(minute);
            schedule.WalkStarted();
        }
    }
    return walks;
}

TEST(FolderTableSchedule, WalksEveryNMinutesButNotOverARunningWalk)
{
    EXPECT_EQ(WalkMinutes(15, 45), (std::vector<int>{15, 30, 45}));
    EXPECT_EQ(WalkMinutes(1, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(WalkMinutes(0, 100).empty());
    EXPECT_TRUE(WalkMinutes(-5, 100).empty());
    // A first walk that takes 20 minutes: the due walk waits for it to end.
    EXPECT_EQ(WalkMinutes(15, 40, 20), (std::vector<int>{21, 36}));
}

}  // namespace

namespace {

TEST(FolderTableSchedule, MoreThanTenTreeReportsWalkAtOnceAndTheNextTimedWalkComesFifteenMinutesLater)
{
    FolderTableSchedule schedule;
    for (int report = 1; report <= 10; ++report) EXPECT_FALSE(schedule.FoldersChanged(false)) << report;
    // Not over a running walk; the reports keep counting.
    EXPECT_FALSE(schedule.FoldersChanged(true));
    EXPECT_TRUE(schedule.FoldersChanged(false));
    schedule.WalkStarted(true);
    EXPECT_EQ(schedule.Changes(), 0);
    // With a period of 60 minutes the next walk still comes after 15.
    for (int minute = 1; minute < 15; ++minute) EXPECT_FALSE(schedule.MinutePassed(60, false)) << minute;
    EXPECT_TRUE(schedule.MinutePassed(60, false));
    schedule.WalkStarted();
    for (int minute = 1; minute < 60; ++minute) ASSERT_FALSE(schedule.MinutePassed(60, false)) << minute;
    EXPECT_TRUE(schedule.MinutePassed(60, false));
}

}  // namespace
