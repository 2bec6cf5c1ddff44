#include "core/search/Report.h"

// Core
#include "core/app/RegistryKey.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Standard library
#include <optional>

namespace {

// Sub-keys of a report's key that hold criteria; a report never holds more
// than a list can store.
constexpr std::uint32_t kMaxCriteriaKeys = CObjectList::kMaxObjects;

}  // namespace

CReport::CReport(const CReport& other) : CBaseObj(other) { *this = other; }

CReport& CReport::operator=(const CReport& other)
{
    if (this == &other) return *this;
    SetName(other.Name());
    SetEnabled(other.Enabled());
    m_criteria.clear();
    for (const auto& criteria : other.m_criteria) m_criteria.push_back(std::make_unique<CCondition>(*criteria));
    return *this;
}

CCondition* CReport::CriteriaAt(int index) const
{
    if (index < 0 || index >= CriteriaCount()) return nullptr;
    return m_criteria[static_cast<std::size_t>(index)].get();
}

CCondition& CReport::AddCriteria(const CCondition& criteria)
{
    m_criteria.push_back(std::make_unique<CCondition>(criteria));
    return *m_criteria.back();
}

bool CReport::RemoveCriteriaAt(int index)
{
    if (index < 0 || index >= CriteriaCount()) return false;
    m_criteria.erase(m_criteria.begin() + index);
    return true;
}

void CReport::ReplaceCriteria(const std::vector<CCondition>& criteria)
{
    m_criteria.clear();
    for (const CCondition& each : criteria) m_criteria.push_back(std::make_unique<CCondition>(each));
}

std::vector<const CCondition*> CReport::CriteriaArray() const
{
    std::vector<const CCondition*> array;
    for (const auto& criteria : m_criteria) array.push_back(criteria.get());
    return array;
}

void CReport::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    m_keyName = keyName;
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    LoadName(*key);
    m_criteria.clear();
    std::vector<std::string> names;
    for (std::uint32_t index = 0; index < kMaxCriteriaKeys; ++index) {
        std::optional<std::string> name = key->EnumSubKey(index, CObjectList::kNameBufferChars);
        if (!name) break;
        if (!name->empty()) names.push_back(std::move(*name));
    }
    // Registry order is text order ("Object10" before "Object2"); the saved
    // order is the numbered one.
    OrderRecordNames(names);
    for (const std::string& name : names) {
        CRegistryKey criteriaKey(store.Registry(), key->Handle(), name);
        if (!criteriaKey.IsOpen()) continue;
        auto criteria = std::make_unique<CCondition>();
        criteria->LoadRecord(criteriaKey);
        m_criteria.push_back(std::move(criteria));
    }
}

void CReport::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    m_keyName = keyName;
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    SaveName(*key);
    std::size_t i = 0;
    for (; i < m_criteria.size() && i < kMaxCriteriaKeys; ++i) {
        CRegistryKey criteriaKey(store.Registry(), key->Handle(), CObjectList::ObjectKeyName(static_cast<int>(i)));
        if (criteriaKey.IsOpen()) m_criteria[i]->SaveRecord(criteriaKey);
    }
    // A record saved again after criteria were taken away keeps no keys of
    // those: they would come back at the next load.
    for (; i < kMaxCriteriaKeys; ++i) {
        const std::string name = CObjectList::ObjectKeyName(static_cast<int>(i));
        platform::RegHandle stale = platform::kNoKey;
        if (store.Registry().OpenKey(key->Handle(), name.c_str(), &stale) != platform::kErrorSuccess) break;
        store.Registry().CloseKey(stale);
        DeleteKeyTree(store.Registry(), key->Handle(), name, store.IsWindowsNT());
    }
}

void CReport::Reload(CSettingsStore& store, int sectionId)
{
    if (!m_keyName.empty()) LoadFrom(store, m_keyName, sectionId);
}

CReportList::CReportList(CSettingsStore& store) : CObjectList(store, nullptr, SectionId::Reports, kMaxReports) {}

void CReportList::LoadAll()
{
    DeleteAll();
    LoadEntries([] { return std::make_unique<CReport>(); });
    while (Count() > kMaxReports) RemoveAt(Count() - 1, true);
}

CReport* CReportList::AddReport(std::unique_ptr<CReport> report)
{
    if (IsFull()) return nullptr;
    return static_cast<CReport*>(Add(std::move(report)));
}

CReport* CReportList::ReportAt(int index) const { return static_cast<CReport*>(At(index)); }

std::unique_ptr<CReport> CReportList::MakeReport() const
{
    return std::make_unique<CReport>(MakeUniqueName(kReportNameBase));
}
