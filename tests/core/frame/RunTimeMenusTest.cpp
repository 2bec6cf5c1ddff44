// Core
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/app/Tool.h"
#include "core/frame/MenuPrompts.h"
#include "core/frame/RunTimeMenus.h"

// Tests
#include "core/app/StoreFixture.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <utility>

namespace {

std::string Shape(const std::vector<MenuEntry>& entries)
{
    std::string shape;
    for (const MenuEntry& entry : entries)
        shape += entry.kind == MenuEntry::Kind::Separator ? "|" : entry.text.substr(0, 1);
    return shape;
}

class RunTimeMenus : public StoreTest {};

TEST_P(RunTimeMenus, ToolsGetSeparatorsEveryNAndTheirIcons)
{
    CObjectList tools(Store(), nullptr, SectionId::Tools, 30);
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        auto tool = std::make_unique<CTool>();
        tool->SetName(name);
        tool->SetCommand(*name == 'c' ? "www.example.com" : "C:\\Bin\\" + std::string(name) + ".exe");
        tools.Add(std::move(tool));
    }
    EXPECT_EQ(Shape(ListItems(tools, ID_TOOL_FIRST, 2)), "ab|cd|e|");
    EXPECT_EQ(Shape(ListItems(tools, ID_TOOL_FIRST, 0)), "abcde|");
    EXPECT_EQ(Shape(ListItems(tools, ID_TOOL_FIRST, 12)), "abcde|");  // 12 reads as 9
    const std::vector<MenuEntry> items = ListItems(tools, ID_TOOL_FIRST, 4);
    EXPECT_EQ(Shape(items), "abcd|e|");
    EXPECT_EQ(items[4].kind, MenuEntry::Kind::Separator);
    EXPECT_EQ(items[5].command, ID_TOOL_FIRST + 4u);
    EXPECT_EQ(items[1].iconSource, "C:\\Bin\\b.exe");
    EXPECT_TRUE(items[2].internetImage);
    EXPECT_FALSE(items[1].internetImage);

    CObjectList empty(Store(), nullptr, SectionId::Tools, 30);
    EXPECT_TRUE(ListItems(empty, ID_TOOL_FIRST, 4).empty());
}

INSTANTIATE_FOR_EVERY_REGISTRY(RunTimeMenus);

TEST(RunTimeMenuRules, InternetAddressesAndSeparatorCounts)
{
    for (const char* address : {"http://x", "HTTP:x", "www.x.org", "WwW.y"})
        EXPECT_TRUE(IsInternetAddress(address)) << address;
    for (const char* other : {"", "htt", "C:\\www.exe", "ftp://x", " http://x"})
        EXPECT_FALSE(IsInternetAddress(other)) << other;
    for (auto [setting, every] : {std::pair{-1, 9}, {0, 0}, {9, 9}, {10, 9}})
        EXPECT_EQ(SeparatorEvery(setting), every) << setting;
}

TEST(RunTimeMenuRules, TheWindowMenuChecksTheActiveWindow)
{
    WindowMenuInput input;
    input.windowsListText = "&Windows List...\tCtrl+W";
    input.arrangeIconsText = "A&rrange Icons";
    std::vector<MenuEntry> items = WindowMenuItems(input);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].command, static_cast<unsigned>(ID_WINDOW_LIST));
    EXPECT_FALSE(items[1].enabled);

    input.titles = {"C:\\", "D:\\Work", "Search"};
    input.activeIndex = 1;
    input.taskbarHidden = true;
    input.anyMinimized = true;
    items = WindowMenuItems(input);
    EXPECT_EQ(Shape(items), "|A|CDS|&");
    EXPECT_FALSE(items[3].checked);
    EXPECT_TRUE(items[4].checked);
    EXPECT_EQ(items[5].command, ID_WINDOW_ACTIVATE_FIRST + 2u);
    EXPECT_TRUE(items.back().enabled);

    input.taskbarHidden = false;
    input.titles.assign(20, "w");
    items = WindowMenuItems(input);
    const auto windows = std::count_if(items.begin(), items.end(), [](const MenuEntry& e) {
        return e.command >= ID_WINDOW_ACTIVATE_FIRST && e.command <= ID_WINDOW_ACTIVATE_LAST;
    });
    EXPECT_EQ(windows, 16);
}

TEST(RunTimeMenuRules, TypingAMnemonicRunsOrCyclesThroughItsItems)
{
    const std::vector<std::string> texts = {"&Notepad", "&Regedit", "&notes", "Fish && &Chips", "plain"};
    auto choice = ChooseByMnemonic(texts, -1, 'r');
    EXPECT_EQ(choice.action, MnemonicChoice::Action::Execute);
    EXPECT_EQ(choice.index, 1);
    choice = ChooseByMnemonic(texts, -1, 'N');
    EXPECT_EQ(choice.action, MnemonicChoice::Action::Select);
    EXPECT_EQ(choice.index, 0);
    EXPECT_EQ(ChooseByMnemonic(texts, 0, 'n').index, 2);
    EXPECT_EQ(ChooseByMnemonic(texts, 2, 'n').index, 0);  // wraps to the first
    EXPECT_EQ(ChooseByMnemonic(texts, -1, 'c').index, 3);   // "&&" is no mnemonic
    EXPECT_EQ(ChooseByMnemonic(texts, -1, 'p').action, MnemonicChoice::Action::None);
    EXPECT_EQ(ChooseByMnemonic(texts, -1, '\0').action, MnemonicChoice::Action::None);
}

TEST(MenuPrompts, RangesShareTheirFirstItemsPrompt)
{
    struct Case { unsigned id, prompt; } cases[] = {
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

}  // namespace
