#include "core/frame/MenuPrompts.h"

// Resources
#include "res/resource.h"

namespace {

struct PromptRange {
    unsigned first;
    unsigned count;
    unsigned prompt;
};

// The window range has one more command than it has a prompt for: the 16th
// window's item falls back to its own (missing) string.
constexpr PromptRange kRanges[] = {
    {ID_WINDOW_ACTIVATE_FIRST, 15, ID_WINDOW_ACTIVATE_FIRST},
    {ID_RULE_FIRST, 30, ID_RULE_FIRST},
    {ID_REPORT_FIRST, 30, ID_REPORT_FIRST},
    {ID_FAVORITE_FIRST, 30, ID_FAVORITE_FIRST},
    {ID_TOOL_FIRST, 30, ID_TOOL_FIRST},
    {ID_APPLET_FIRST, 50, ID_APPLET_FIRST},
    {ID_BOOKMARK_CREATE_FIRST, 9, ID_EDIT_CREATE_BOOKMARK},
    {ID_BOOKMARK_RESTORE_FIRST, 9, ID_EDIT_RESTORE_BOOKMARK},
};

}  // namespace

unsigned PromptStringFor(unsigned id)
{
    for (const PromptRange& range : kRanges)
        if (id >= range.first && id < range.first + range.count) return range.prompt;
    return id;
}
