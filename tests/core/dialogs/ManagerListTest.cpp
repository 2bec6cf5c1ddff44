// Core
#include "core/dialogs/ManagerList.h"

// Standard library
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

ManagerButtons Buttons(const std::vector<int>& selected, int count,
                       const std::vector<bool>& enabled = {})
{
    auto isEnabled = [&enabled](int i) {
        return enabled.empty() || enabled[static_cast<std::size_t>(i)];
    };
    return ComputeManagerButtons(selected, count, isEnabled);
}

TEST(ManagerButtons, FollowTheSelection)
{
    struct Case { std::vector<int> selected; int count; bool del, edit, up, down; };
    const Case cases[] = {
        {{}, 0, false, false, false, false},   {{}, 3, false, false, false, false},
        {{0}, 3, true, true, false, true},     {{1}, 3, true, true, true, true},
        {{2}, 3, true, true, true, false},     {{0}, 1, true, true, false, false},
        {{0, 1}, 3, true, false, false, false}, {{0, 1, 2}, 3, true, false, false, false},
    };
    for (const Case& c : cases) {
        const ManagerButtons b = Buttons(c.selected, c.count);
        const std::string at = "selected " + std::to_string(c.selected.size()) + " of " +
                               std::to_string(c.count);
        EXPECT_EQ(b.canDelete, c.del) << at;
        EXPECT_EQ(b.canEdit, c.edit) << at;
        EXPECT_EQ(b.canMoveUp, c.up) << at;
        EXPECT_EQ(b.canMoveDown, c.down) << at;
    }
}

TEST(ManagerButtons, EnableAndDisableLookAtEverySelectedObject)
{
    struct Case { std::vector<int> selected; bool enable, disable; };
    const Case cases[] = {{{0, 2}, false, true}, {{1}, true, false}, {{0, 1}, true, true}, {{}, false, false}};
    for (const Case& c : cases) {
        const ManagerButtons b = Buttons(c.selected, 3, {true, false, true});
        EXPECT_EQ(b.canEnable, c.enable) << c.selected.size();
        EXPECT_EQ(b.canDisable, c.disable) << c.selected.size();
    }
}

TEST(ManagerButtons, OneUndeletableSelectedEntryDisablesDelete)
{
    auto enabled = [](int) { return true; };
    auto notTheSecond = [](int i) { return i != 1; };
    EXPECT_TRUE(ComputeManagerButtons({0, 2}, 3, enabled, notTheSecond).canDelete);
    EXPECT_FALSE(ComputeManagerButtons({0, 1}, 3, enabled, notTheSecond).canDelete);
    EXPECT_FALSE(ComputeManagerButtons({1}, 3, enabled, notTheSecond).canDelete);
    EXPECT_TRUE(ComputeManagerButtons({1}, 3, enabled, notTheSecond).canEdit);
}

TEST(ManagerMove, OnlyASingleEntryWithANeighbourMoves)
{
    EXPECT_EQ(MovePartner({1}, 3, MoveDirection::Up), 0);
    EXPECT_EQ(MovePartner({1}, 3, MoveDirection::Down), 2);
    EXPECT_FALSE(MovePartner({0}, 3, MoveDirection::Up));
    EXPECT_FALSE(MovePartner({2}, 3, MoveDirection::Down));
    EXPECT_FALSE(MovePartner({0, 1}, 3, MoveDirection::Down));
    EXPECT_FALSE(MovePartner({}, 3, MoveDirection::Down));
    EXPECT_FALSE(MovePartner({5}, 3, MoveDirection::Up)) << "an entry past the list";
}

TEST(ManagerMove, FocusStaysOnTheArrowWhileItCanStillMove)
{
    // Moving the second of three up makes it the first: up is spent, down remains.
    ManagerButtons atTop = Buttons({0}, 3);
    EXPECT_EQ(FocusAfterMove(atTop, MoveDirection::Up), MoveFocus::OtherButton);
    EXPECT_EQ(FocusAfterMove(Buttons({1}, 3), MoveDirection::Up), MoveFocus::SameButton);
    EXPECT_EQ(FocusAfterMove(Buttons({2}, 3), MoveDirection::Down), MoveFocus::OtherButton);
    EXPECT_EQ(FocusAfterMove(Buttons({0}, 1), MoveDirection::Down), MoveFocus::List);
}

// Deletes from a list of names with scripted answers; gives the names left.
struct DeleteRun {
    std::vector<std::string> names;
    std::vector<bool> selected;
    std::vector<DeleteAnswer> answers;
    std::vector<std::string> asked;

    int Run()
    {
        std::size_t next = 0;
        return RunDeleteLoop(
            selected,
            [&](int index) {
                asked.push_back(names[static_cast<std::size_t>(index)]);
                return next < answers.size() ? answers[next++] : DeleteAnswer::Yes;
            },
            [&](int index) { names.erase(names.begin() + index); });
    }
};

TEST(ManagerDelete, AsksAboutEachSelectedEntryInOrderUntilCancel)
{
    DeleteRun run{{"a", "b", "c", "d"}, {false, true, true, true}, {DeleteAnswer::Yes,
                  DeleteAnswer::No, DeleteAnswer::Yes}, {}};
    EXPECT_EQ(run.Run(), 2);
    EXPECT_EQ(run.asked, (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(run.names, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(run.selected, (std::vector<bool>{false, false}));

    DeleteRun first{{"a", "b", "c"}, {true, true, true}, {DeleteAnswer::Cancel}, {}};
    EXPECT_EQ(first.Run(), 0);
    EXPECT_EQ(first.asked, (std::vector<std::string>{"a"}));
    EXPECT_EQ(first.names.size(), 3u);
    DeleteRun second{{"a", "b", "c"}, {true, true, true}, {DeleteAnswer::Yes, DeleteAnswer::Cancel}, {}};
    EXPECT_EQ(second.Run(), 1);
    EXPECT_EQ(second.names, (std::vector<std::string>{"b", "c"}));
}

TEST(UserMarks, ComeFromTheTwoSettingsAndGoBackToThem)
{
    EXPECT_EQ(MakeUserMarks(3, 2, 0), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(MakeUserMarks(3, 1, 1), (std::vector<int>{0, 3, 0}));
    EXPECT_EQ(MakeUserMarks(2, 5, -1), (std::vector<int>{0, 0})) << "indices past the list";

    const MarkedUserPositions both = PositionsFromMarks({0, 3, 0});
    EXPECT_EQ(both.defaultIndex, 1);
    EXPECT_EQ(both.lastSelectedIndex, 1);

    // Deleting the first entry moves both marks down with their entries.
    std::vector<int> marks = MakeUserMarks(3, 2, 1);
    marks.erase(marks.begin());
    const MarkedUserPositions moved = PositionsFromMarks(marks);
    EXPECT_EQ(moved.defaultIndex, 1);
    EXPECT_EQ(moved.lastSelectedIndex, 0);

    const MarkedUserPositions none = PositionsFromMarks({0, 2});
    EXPECT_EQ(none.defaultIndex, 0) << "no default mark left: the first user";
    EXPECT_EQ(none.lastSelectedIndex, 1);
    EXPECT_FALSE(PositionsFromMarks({1, 0}).lastSelectedIndex);
}

}  // namespace
