#pragma once
// What executing a rule does with the items it found, and how its editor
// shows the rule: pure steps the rule window and the rule page share.

// Core
#include "core/frame/RunTimeMenus.h"
#include "core/search/Rule.h"

// Standard library
#include <string>
#include <vector>

// What the shell allows for one listed item.
struct ItemAbilities {
    std::string path;  // the item's exact path (ActionPathOf) where it has one
    bool canCopy = false;
    bool canMove = false;
    bool canDelete = false;
};

// The paths each action takes, in list order. Items the shell does not allow
// an action are left out of it; Delete is planned only when Move is not set,
// so a rule never deletes what it was told to move. A path the shell would
// read as a pattern takes no action and is named in leftOut, for the user.
struct RulePlan {
    std::vector<std::string> copy;
    std::vector<std::string> move;
    std::vector<std::string> del;
    std::vector<std::string> leftOut;
};
RulePlan PlanRule(const CRule& rule, const std::vector<ItemAbilities>& items);

// The lines of a report's criteria list: each criteria by its description
// ("name  And"), the last by its name alone.
std::vector<std::string> CriteriaListLines(const CReport& report);

// The drop-down of a report page's "Add" button: the new-criteria item, then,
// after a separator, every entry of `criteria` by name under firstCommand +
// its index (at most `maxEntries` of them).
class CConditionList;
std::vector<MenuEntry> AddCriteriaMenuItems(const CConditionList& criteria, const std::string& newText,
                                            unsigned newCommand, unsigned firstCommand, int maxEntries);

// A destination button shows the folder once it has two characters at least;
// otherwise it shows `notSetText`.
std::string DestinationButtonText(const std::string& destination, const std::string& notSetText);
