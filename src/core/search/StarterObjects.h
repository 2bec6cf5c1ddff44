#pragma once
// The reports, rule and personal folders a profile gets at its first start,
// made from the starter criteria.

// Standard library
#include <cstdint>
#include <string>

class CConditionList;
class CPersonalList;
class CReportList;
class CRuleList;

// One report per criteria 0..4 of `criteria`, each holding a copy of it and
// named after it, then one rule named `ruleName` holding a copy of criteria 4.
// Each list is saved after it is filled.
void CreateStarterReportsAndRule(const CConditionList& criteria, CReportList& reports, CRuleList& rules,
                                 const std::string& ruleName);

// One personal folder per criteria 0..4, holding a copy of it and named after
// it, created at `now`; the list is saved after it is filled.
void CreateStarterPersonalFolders(const CConditionList& criteria, CPersonalList& folders, std::uint32_t now);
