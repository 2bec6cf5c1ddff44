#include "core/frame/ReportMenus.h"

// Core
#include "core/search/Report.h"
#include "core/search/Rule.h"

namespace {

MenuEntry Item(const std::string& text, unsigned command)
{
    MenuEntry entry;
    entry.text = text;
    entry.command = command;
    return entry;
}

// The offered objects, then a separator and the add item; nothing when none
// is offered.
template <typename Offered>
std::vector<MenuEntry> PopupItems(int count, Offered offered, unsigned firstCommand, const std::string& addText,
                                  unsigned addCommand)
{
    std::vector<MenuEntry> entries;
    for (int i = 0; i < count; ++i)
        if (const CReport* object = offered(i)) entries.push_back(Item(object->Name(), firstCommand + i));
    if (entries.empty()) return entries;
    entries.push_back(MenuEntry::Separator());
    entries.push_back(Item(addText, addCommand));
    return entries;
}

}  // namespace

std::vector<MenuEntry> RulePopupItems(const CRuleList& rules, unsigned firstCommand, const std::string& addText,
                                      unsigned addCommand)
{
    auto offered = [&rules](int i) -> const CReport* {
        const CRule* rule = rules.RuleAt(i);
        return rule && rule->CanExecute() ? rule : nullptr;
    };
    return PopupItems(rules.Count(), offered, firstCommand, addText, addCommand);
}

std::vector<MenuEntry> ReportPopupItems(const CReportList& reports, unsigned firstCommand,
                                        const std::string& addText, unsigned addCommand)
{
    auto offered = [&reports](int i) -> const CReport* {
        const CReport* report = reports.ReportAt(i);
        return report && report->CriteriaCount() > 0 ? report : nullptr;
    };
    return PopupItems(reports.Count(), offered, firstCommand, addText, addCommand);
}
