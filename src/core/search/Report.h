#pragma once
// A report: a named, stored search made of its own copies of criteria, and the
// list of at most 30 reports kept in the "Reports" section.

// Core
#include "core/app/ObjectList.h"
#include "core/search/Condition.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

inline constexpr char kReportNameBase[] = " Report";

class CReport : public CBaseObj {
public:
    CReport() = default;
    explicit CReport(std::string name) : CBaseObj(std::move(name), true) {}
    // Deep copies: the criteria of a report are never shared.
    CReport(const CReport& other);
    CReport& operator=(const CReport& other);

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    // Reads the record it was last loaded from or saved to again; nothing when
    // it has none.
    void Reload(CSettingsStore& store, int sectionId) override;

    const std::string& KeyName() const { return m_keyName; }
    int CriteriaCount() const { return static_cast<int>(m_criteria.size()); }
    CCondition* CriteriaAt(int index) const;
    // Appends a copy of `criteria`.
    CCondition& AddCriteria(const CCondition& criteria);
    // Deletes the criteria at `index`; false for a bad index.
    bool RemoveCriteriaAt(int index);
    // Copies of `criteria` in place of the report's own.
    void ReplaceCriteria(const std::vector<CCondition>& criteria);
    // The criteria in order, as a search takes them.
    std::vector<const CCondition*> CriteriaArray() const;

private:
    std::string m_keyName;
    std::vector<std::unique_ptr<CCondition>> m_criteria;
};

class CReportList : public CObjectList {
public:
    static constexpr int kMaxReports = 30;

    // Does not load; the application calls LoadAll when it creates the list.
    explicit CReportList(CSettingsStore& store);

    // Loads at most kMaxReports reports.
    void LoadAll() override;
    bool IsFull() const { return Count() >= kMaxReports; }
    // Appends; null (the report deleted) when the list is full.
    CReport* AddReport(std::unique_ptr<CReport> report);
    CReport* ReportAt(int index) const;
    // A new report with the first free default name (" Report0", " Report1", ...).
    std::unique_ptr<CReport> MakeReport() const;
};
