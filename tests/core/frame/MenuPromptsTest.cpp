// Core
#include "core/frame/MenuPrompts.h"

// Resources
#include "res/resource.h"

// Gtest
#include <gtest/gtest.h>

TEST(MenuPrompts, RangesShareTheirFirstItemsPrompt)
{
    struct Case {
        unsigned id;
        unsigned prompt;
    } cases[] = {
        {3059, 3059}, {3073, 3059}, {3074, 3074},      // sixteenth window: its own
        {4098, 4098}, {4127, 4098}, {4128, 4128},      // rules
        {6216, 6216}, {6245, 6216}, {6246, 6246},      // reports
        {7270, 7270}, {7299, 7270},                    // favorites
        {5152, 5152}, {5181, 5152}, {5182, 5182},      // tools
        {60000, 60000}, {60049, 60000}, {60050, 60050},  // control panel applets
        {32801, 32800}, {32809, 32800},                // create bookmark n
        {32810, 32823}, {32818, 32823}, {32819, 32819},  // restore bookmark n
        {ID_APP_ABOUT, ID_APP_ABOUT},
    };
    for (const Case& c : cases) EXPECT_EQ(PromptStringFor(c.id), c.prompt) << c.id;
}
