#include "core/search/RuleActions.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/search/ConditionList.h"

namespace {

constexpr std::size_t kMinDestinationChars = 2;

}  // namespace

RulePlan PlanRule(const CRule& rule, const std::vector<ItemAbilities>& items)
{
    RulePlan plan;
    const bool deletes = rule.Delete().On() && !rule.Move().On();
    for (const ItemAbilities& item : items) {
        // The shell would read the path as a pattern and reach other files.
        if (HoldsPattern(item.path)) {
            plan.leftOut.push_back(item.path);
            continue;
        }
        if (rule.Copy().On() && item.canCopy) plan.copy.push_back(item.path);
        if (rule.Move().On() && item.canMove) plan.move.push_back(item.path);
        if (deletes && item.canDelete) plan.del.push_back(item.path);
    }
    return plan;
}

std::vector<std::string> CriteriaListLines(const CReport& report)
{
    std::vector<std::string> lines;
    for (int i = 0; i < report.CriteriaCount(); ++i) {
        const CCondition& criteria = *report.CriteriaAt(i);
        lines.push_back(i + 1 < report.CriteriaCount() ? criteria.Description() : criteria.Name());
    }
    return lines;
}

std::string DestinationButtonText(const std::string& destination, const std::string& notSetText)
{
    return destination.size() >= kMinDestinationChars ? destination : notSetText;
}

std::vector<MenuEntry> AddCriteriaMenuItems(const CConditionList& criteria, const std::string& newText,
                                            unsigned newCommand, unsigned firstCommand, int maxEntries)
{
    std::vector<MenuEntry> entries;
    MenuEntry item;
    item.text = newText;
    item.command = newCommand;
    entries.push_back(item);
    const int count = criteria.Count() < maxEntries ? criteria.Count() : maxEntries;
    if (count > 0) entries.push_back(MenuEntry::Separator());
    for (int i = 0; i < count; ++i) {
        item.text = criteria.ConditionAt(i)->Name();
        item.command = firstCommand + static_cast<unsigned>(i);
        entries.push_back(item);
    }
    return entries;
}
