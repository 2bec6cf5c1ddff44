// Core
#include "core/search/FolderTableSchedule.h"

// Gtest
#include <gtest/gtest.h>

// Standard library
#include <set>
#include <vector>

namespace {

// The minutes at which a walk starts, with the folder tree reporting a
// change at each minute of `reports` and something else at work until
// `busyUntil`.
std::vector<int> WalkMinutes(int refreshMinutes, int total, const std::set<int>& reports, int busyUntil = 0)
{
    FolderTableSchedule schedule;
    std::vector<int> walks;
    for (int minute = 1; minute <= total; ++minute) {
        if (reports.count(minute) && schedule.FoldersChanged(minute <= busyUntil)) {
            walks.push_back(minute);
            schedule.WalkStarted(true);
        }
        if (schedule.MinutePassed(refreshMinutes, minute <= busyUntil)) {
            walks.push_back(minute);
            schedule.WalkStarted();
        }
    }
    return walks;
}

TEST(FolderTableSchedule, ATickWalksOnlyAfterTheTreeReportedChangesAndNothingElseRuns)
{
    // Nothing reported: nothing new to find.
    EXPECT_TRUE(WalkMinutes(15, 100, {}).empty());
    EXPECT_EQ(WalkMinutes(15, 45, {3, 20, 44}), (std::vector<int>{15, 30, 45}));
    EXPECT_EQ(WalkMinutes(1, 3, {1, 2, 3}), (std::vector<int>{1, 2, 3}));
    // A report waits for the next tick, not for the period counted from itself.
    EXPECT_EQ(WalkMinutes(15, 40, {16}), (std::vector<int>{30}));
    EXPECT_TRUE(WalkMinutes(0, 100, {1, 50}).empty());
    EXPECT_TRUE(WalkMinutes(-5, 100, {1, 50}).empty());
    // Busy at the first tick: the report is kept for the next one.
    EXPECT_EQ(WalkMinutes(15, 40, {2}, 20), (std::vector<int>{30}));
}

TEST(FolderTableSchedule, MoreThanTenTreeReportsWalkAtOnceAndTheNextTickComesFifteenMinutesLater)
{
    FolderTableSchedule schedule;
    for (int report = 1; report <= 10; ++report) EXPECT_FALSE(schedule.FoldersChanged(false)) << report;
    // Not over a running walk; the reports keep counting.
    EXPECT_FALSE(schedule.FoldersChanged(true));
    EXPECT_TRUE(schedule.FoldersChanged(false));
    schedule.WalkStarted(true);
    EXPECT_EQ(schedule.Changes(), 0);
    // With a period of 60 minutes the next tick still comes after 15; it walks for a report since.
    EXPECT_FALSE(schedule.FoldersChanged(false));
    for (int minute = 1; minute < 15; ++minute) EXPECT_FALSE(schedule.MinutePassed(60, false)) << minute;
    EXPECT_TRUE(schedule.MinutePassed(60, false));
    schedule.WalkStarted();
    // Then the period again.
    EXPECT_FALSE(schedule.FoldersChanged(false));
    for (int minute = 1; minute < 60; ++minute) ASSERT_FALSE(schedule.MinutePassed(60, false)) << minute;
    EXPECT_TRUE(schedule.MinutePassed(60, false));
}

}  // namespace
