// Core
#include "core/frame/TaskbarLayout.h"

// Standard library
#include <tuple>

// Gtest
#include <gtest/gtest.h>

namespace {

// Every character 7 pixels wide, as a fixed-pitch font would draw it.
int Measure(const std::string& text) { return static_cast<int>(text.size()) * 7; }

TEST(TaskbarLayout, ButtonsShareTheWidthUpTo200Pixels)
{
    for (auto [width, count, expected] : {std::tuple{1000, 9, 100}, {1000, 1, 200}, {1000, 0, 200},
                                          {1000, 4, 200}, {1000, 5, 166}, {300, 14, 20}, {0, 3, 0}})
        EXPECT_EQ(TaskbarButtonWidth(width, count), expected) << width << " " << count;
}

TEST(TaskbarLayout, ButtonMenuOffersOnlyWhatTheWindowCanDo)
{
    struct Row {
        bool minimized, maximized, maximizeMode;
        TaskbarMenuState expected;
    };
    // restore, move, size, minimize, maximize, close
    const Row rows[] = {
        {false, false, false, {false, true, true, true, true, true}},
        {true, false, false, {true, false, false, false, true, true}},
        {false, true, false, {true, false, false, true, false, true}},
        {true, false, true, {false, false, false, false, true, true}},
        {false, true, true, {false, false, false, true, false, true}},
    };
    for (const Row& row : rows) {
        const TaskbarMenuState state = TaskbarButtonMenu(row.minimized, row.maximized, row.maximizeMode);
        const auto fields = [](const TaskbarMenuState& s) {
            return std::tuple{s.restore, s.move, s.size, s.minimize, s.maximize, s.close};
        };
        EXPECT_EQ(fields(state), fields(row.expected)) << row.minimized << row.maximized << row.maximizeMode;
    }
}

TEST(TaskbarLayout, LongPathsLoseTheirMiddleAndKeepTheLastFolder)
{
    const std::string path = "C:\\Program Files\\Common\\Target";
    EXPECT_EQ(FitPathMiddle(path, Measure(path), Measure), path);
    EXPECT_EQ(FitPathMiddle(path, Measure("C:\\Prog...\\Target"), Measure), "C:\\Prog...\\Target");
    EXPECT_EQ(FitPathMiddle(path, Measure("C:\\Prog...\\Target") - 1, Measure), "C:\\Pro...\\Target");
    EXPECT_EQ(FitPathMiddle(path, Measure("...\\Target"), Measure), "...\\Target");
    // Too narrow for the last component: its end stays.
    EXPECT_EQ(FitPathMiddle(path, Measure("...rget"), Measure), "...rget");
    EXPECT_EQ(FitPathMiddle(path, 5, Measure), "...");
    // A root's own backslash is not taken for a separator.
    EXPECT_EQ(FitPathMiddle("C:\\", 0, Measure), "...");
    EXPECT_EQ(FitPathMiddle("A long search name", Measure("...name"), Measure), "...name");
}

}  // namespace
