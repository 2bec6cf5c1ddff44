#pragma once
// The entries of the Tools menu's rule and report popups: which objects are
// offered and under which commands.

// Core
#include "core/app/WindowState.h"
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

// The Edit menu's Search popup for the active window: of `all` (the
// resource's items, in order) only the commands a window of `kind` carries
// out, with a separator only between two kept groups. A window that does not
// search gets nothing; the caller then disables the popup.
std::vector<MenuEntry> SearchPopupItems(const std::vector<MenuEntry>& all, WindowKind kind);
