#pragma once
// A rule: a report whose matches are copied, moved or deleted, and the list of
// at most 30 rules kept in the "Rules" section.

// Core
#include "core/search/Report.h"

// Standard library
#include <cstdint>
#include <memory>
#include <string>

inline constexpr char kRuleNameBase[] = " Rule";

// One action of a rule: a folder (unused for Delete) and whether it is on.
struct RuleAction {
    std::string destination;
    std::uint8_t enabled = 0;

    bool On() const { return enabled != 0; }
};

class CRule : public CReport {
public:
    CRule() = default;
    explicit CRule(std::string name) : CReport(std::move(name)) {}
    CRule(const CRule& other) = default;
    CRule& operator=(const CRule& other) = default;

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;

    RuleAction& Copy() { return m_copy; }
    const RuleAction& Copy() const { return m_copy; }
    RuleAction& Move() { return m_move; }
    const RuleAction& Move() const { return m_move; }
    RuleAction& Delete() { return m_delete; }
    const RuleAction& Delete() const { return m_delete; }
    bool ShowWindow() const { return m_showWindow != 0; }
    void SetShowWindow(bool show) { m_showWindow = show ? 1 : 0; }

    bool HasNoAction() const { return !m_copy.On() && !m_move.On() && !m_delete.On(); }
    // Offered under "Execute Rule": enabled, with a criteria, and with
    // something to do or to show.
    bool CanExecute() const { return Enabled() && CriteriaCount() > 0 && (!HasNoAction() || ShowWindow()); }
    // The text the Rules Manager shows: what the rule finds, then what it does.
    std::string Description() const;

private:
    RuleAction m_copy;
    RuleAction m_move;
    RuleAction m_delete;
    std::uint8_t m_showWindow = 1;
};

class CRuleList : public CObjectList {
public:
    static constexpr int kMaxRules = 30;

    // Does not load; the application calls LoadAll when it creates the list.
    explicit CRuleList(CSettingsStore& store);

    // Loads at most kMaxRules rules.
    void LoadAll() override;
    bool IsFull() const { return Count() >= kMaxRules; }
    // Appends; null (the rule deleted) when the list is full.
    CRule* AddRule(std::unique_ptr<CRule> rule);
    CRule* RuleAt(int index) const;
    // A new rule with the first free default name (" Rule0", " Rule1", ...).
    std::unique_ptr<CRule> MakeRule() const;
};
