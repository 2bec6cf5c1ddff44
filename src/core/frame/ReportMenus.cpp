#include "core/frame/ReportMenus.h"

// Core
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <initializer_list>

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

// The search commands each kind of query window carries out; a report
// window builds again instead of searching anew, a rule window updates and
// executes.
bool Carries(WindowKind kind, unsigned command)
{
    const auto among = [command](std::initializer_list<unsigned> commands) {
        return std::find(commands.begin(), commands.end(), command) != commands.end();
    };
    const bool shared = among({ID_SEARCH_ADD_TO_PERSONAL, ID_FILE_FIND_TARGET, ID_SEARCH_PROPERTIES});
    switch (kind) {
    case WindowKind::Search: return shared || among({ID_SEARCH_NEW, ID_SEARCH_AGAIN, ID_SEARCH_ADD_TO_REPORTS});
    case WindowKind::Report: return shared || command == ID_REPORT_AGAIN;
    case WindowKind::Rule: return shared || among({ID_RULE_UPDATE, ID_RULE_EXECUTE});
    default: return false;
    }
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

std::vector<MenuEntry> SearchPopupItems(const std::vector<MenuEntry>& all, WindowKind kind)
{
    std::vector<MenuEntry> entries;
    bool separatorDue = false;
    for (const MenuEntry& entry : all) {
        if (entry.kind == MenuEntry::Kind::Separator) {
            separatorDue = !entries.empty();
            continue;
        }
        if (!Carries(kind, entry.command)) continue;
        if (separatorDue) entries.push_back(MenuEntry::Separator());
        separatorDue = false;
        entries.push_back(entry);
    }
    return entries;
}
