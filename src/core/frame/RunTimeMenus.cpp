#include "core/frame/RunTimeMenus.h"

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <cctype>

namespace {

constexpr int kMaxSeparatorEvery = 9;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    std::size_t i = 0;
    for (; prefix[i]; ++i)
        if (i >= text.size() || Upper(text[i]) != prefix[i]) return false;
    return true;
}

// The character after the first single "&" ("&&" is a literal ampersand), or 0.
char MnemonicOf(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return Upper(text[i + 1]);
        ++i;
    }
    return 0;
}

}  // namespace

int SeparatorEvery(int setting)
{
    return setting >= 0 && setting <= kMaxSeparatorEvery ? setting : kMaxSeparatorEvery;
}

bool IsInternetAddress(const std::string& command)
{
    return StartsWithNoCase(command, "HTTP:") || StartsWithNoCase(command, "WWW.");
}

std::vector<MenuEntry> ListItems(const CObjectList& list, unsigned firstCommand, int separatorSetting)
{
    const int every = SeparatorEvery(separatorSetting);
    std::vector<MenuEntry> entries;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0 && every > 0 && i % every == 0) entries.push_back(MenuEntry::Separator());
        MenuEntry item;
        item.text = list.At(i)->Name();
        item.command = firstCommand + static_cast<unsigned>(i);
        if (const auto* favorite = dynamic_cast<const CFavorite*>(list.At(i))) {
            item.iconSource = favorite->Command();
            item.internetImage = IsInternetAddress(favorite->Command());
        }
        entries.push_back(item);
    }
    if (!entries.empty()) entries.push_back(MenuEntry::Separator());
    return entries;
}

std::vector<MenuEntry> WindowMenuItems(const WindowMenuInput& input)
{
    std::vector<MenuEntry> entries{MenuEntry::Separator()};
    if (input.taskbarHidden && input.anyMinimized) {
        MenuEntry arrange;
        arrange.text = input.arrangeIconsText;
        arrange.command = ID_WINDOW_ARRANGE;
        entries.push_back(arrange);
        entries.push_back(MenuEntry::Separator());
    }
    // The activation commands stop at the sixteenth window.
    const int count = std::min<int>(static_cast<int>(input.titles.size()), ID_WINDOW_ACTIVATE_COUNT);
    for (int i = 0; i < count; ++i) {
        MenuEntry item;
        item.text = input.titles[static_cast<std::size_t>(i)];
        item.command = ID_WINDOW_ACTIVATE_FIRST + static_cast<unsigned>(i);
        item.checked = i == input.activeIndex;
        entries.push_back(item);
    }
    if (count > 0) entries.push_back(MenuEntry::Separator());
    MenuEntry list;
    list.text = input.windowsListText;
    list.command = ID_WINDOW_LIST;
    list.enabled = !input.titles.empty();
    entries.push_back(list);
    return entries;
}

MnemonicChoice ChooseByMnemonic(const std::vector<std::string>& texts, int current, char typed)
{
    std::vector<int> matches;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        if (Upper(typed) != 0 && MnemonicOf(texts[static_cast<std::size_t>(i)]) == Upper(typed))
            matches.push_back(i);
    if (matches.empty()) return {};
    if (matches.size() == 1) return {MnemonicChoice::Action::Execute, matches.front()};
    for (int index : matches)
        if (index > current) return {MnemonicChoice::Action::Select, index};
    return {MnemonicChoice::Action::Select, matches.front()};
}
