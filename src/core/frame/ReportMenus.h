#pragma once
// The entries of the Tools menu's rule and report popups: which objects are
// offered and under which commands.

// Core
#include "core/frame/RunTimeMenus.h"

// Standard library
#include <string>
#include <vector>

class CReportList;
class CRuleList;

// One item per rule that can be executed (enabled, with a criteria, with an
// action or its window), command firstCommand + the rule's index in the list;
// then a separator and "Add Rule". Empty when no rule qualifies: the caller
// then leaves its item disabled.
std::vector<MenuEntry> RulePopupItems(const CRuleList& rules, unsigned firstCommand, const std::string& addText,
                                      unsigned addCommand);
// The same for the reports that hold at least one criteria.
std::vector<MenuEntry> ReportPopupItems(const CReportList& reports, unsigned firstCommand,
                                        const std::string& addText, unsigned addCommand);
