#include "core/app/ObjectList.h"

// Core
#include "core/app/SettingsStore.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_set>
#include <utility>

namespace {

constexpr char kObjectPrefix[] = "Object";
constexpr std::size_t kObjectPrefixLength = sizeof(kObjectPrefix) - 1;
constexpr int kMaxUniqueSuffix = 9999;
// Ends an enumeration that a broken key would never end.
constexpr std::uint32_t kMaxEnumeratedKeys = 100000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The n of a name "Object<n>" (the prefix without regard to case, as the
// registry compares names), or none.
std::optional<unsigned> RecordNumber(const std::string& name)
{
    if (name.size() <= kObjectPrefixLength ||
        !SameNameNoCase(name.substr(0, kObjectPrefixLength), kObjectPrefix))
        return std::nullopt;
    unsigned number = 0;
    for (std::size_t i = kObjectPrefixLength; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (!std::isdigit(c) || number > kMaxEnumeratedKeys) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string UpperName(std::string name)
{
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace

std::string TrimName(const std::string& name)
{
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && IsBlank(name[first])) ++first;
    while (last > first && IsBlank(name[last - 1])) --last;
    return name.substr(first, last - first);
}

bool SameNameNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// The registry returns sub-keys sorted without regard to case, so Object10
// comes before Object2. Loading in that order would shuffle every list of more
// than ten objects at its next save; the records are put back in the order of
// their numbers, and keys of other names follow in the registry's order.
void OrderRecordNames(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::optional<unsigned> na = RecordNumber(a);
        std::optional<unsigned> nb = RecordNumber(b);
        if (na && nb) return *na < *nb;
        return na.has_value() && !nb.has_value();
    });
}

CObjectList::CObjectList(CSettingsStore& store, ObjectFactory factory, int sectionId,
                         std::int32_t capacity)
    : m_sectionId(sectionId), m_factory(std::move(factory)), m_capacity(capacity), m_store(&store)
{
    if (m_factory) CObjectList::LoadAll();
}

CObjectList::~CObjectList()
{
    if (m_factory && m_savesOnDestruction) CObjectList::SaveAll();
    CObjectList::DeleteAll();
}

std::string CObjectList::ObjectKeyName(int index)
{
    return kObjectPrefix + std::to_string(index);
}

void CObjectList::SaveAll()
{
    m_store->ClearSection(m_sectionId);
    CRegistryKey* section = m_store->SectionKey(m_sectionId);
    if (!section || !section->Recreate()) return;
    for (std::size_t i = 0; i < m_objects.size() && i < kMaxObjects; ++i)
        m_objects[i]->SaveTo(*m_store, ObjectKeyName(static_cast<int>(i)), m_sectionId);
}

void CObjectList::LoadAll()
{
    DeleteAll();
    if (m_factory) LoadEntries(m_factory);
}

void CObjectList::DeleteAll() { m_objects.clear(); }

std::vector<std::string> CObjectList::EnumerateRecordNames() const
{
    std::vector<std::string> names;
    CRegistryKey* section = m_store->SectionKey(m_sectionId);
    if (!section || !section->IsOpen()) return names;
    for (std::uint32_t index = 0; index < kMaxEnumeratedKeys; ++index) {
        std::optional<std::string> name = section->EnumSubKey(index, kNameBufferChars);
        if (!name) break;
        // A name that does not fit the buffer cannot be opened: skipping it keeps
        // the list from reading the section key itself as a record.
        if (!name->empty()) names.push_back(std::move(*name));
    }
    OrderRecordNames(names);
    return names;
}

void CObjectList::LoadEntries(const ObjectFactory& factory)
{
    for (const std::string& name : EnumerateRecordNames()) {
        if (m_objects.size() >= kMaxObjects) break;
        std::unique_ptr<CBaseObj> object = factory();
        if (!object) continue;
        object->LoadFrom(*m_store, name, m_sectionId);
        m_objects.push_back(std::move(object));
    }
}

CBaseObj* CObjectList::Add(std::unique_ptr<CBaseObj> object)
{
    if (!object || m_objects.size() >= kMaxObjects) return nullptr;
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

std::unique_ptr<CBaseObj> CObjectList::RemoveAt(int index, bool deleteObject)
{
    if (index < 0 || index >= Count()) return nullptr;
    const auto slot = m_objects.begin() + index;
    std::unique_ptr<CBaseObj> object = std::move(*slot);
    m_objects.erase(slot);
    if (deleteObject) object.reset();
    return object;
}

bool CObjectList::Swap(int first, int second)
{
    if (first < 0 || second < 0 || first >= Count() || second >= Count()) return false;
    std::swap(m_objects[static_cast<std::size_t>(first)],
              m_objects[static_cast<std::size_t>(second)]);
    return true;
}

CBaseObj* CObjectList::At(int index) const
{
    return index >= 0 && index < Count() ? m_objects[static_cast<std::size_t>(index)].get()
                                         : nullptr;
}

CBaseObj* CObjectList::FindByName(const std::string& name) const
{
    for (const auto& object : m_objects)
        if (object->Name() == name) return object.get();
    return nullptr;
}

bool CObjectList::NameExists(const std::string& name) const
{
    return NameExistsExcept(nullptr, name);
}

bool CObjectList::NameExistsExcept(const CBaseObj* object, const std::string& name) const
{
    const std::string trimmed = TrimName(name);
    for (const auto& other : m_objects)
        if (other.get() != object && SameNameNoCase(other->Name(), trimmed)) return true;
    return false;
}

// NameExists for every candidate, with the names folded once rather than
// compared again for each of up to 10000 candidates.
std::string CObjectList::MakeUniqueName(const std::string& base) const
{
    std::unordered_set<std::string> taken;
    // Both sides trimmed: a base with a leading blank (" Report") must
    // still see the names it gave before.
    for (const auto& object : m_objects) taken.insert(UpperName(TrimName(object->Name())));
    for (int i = 0; i <= kMaxUniqueSuffix; ++i) {
        std::string candidate = base + std::to_string(i);
        if (!taken.count(UpperName(TrimName(candidate)))) return candidate;
    }
    return {};
}

int CObjectList::IndexOf(const CBaseObj* object) const
{
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i].get() == object) return static_cast<int>(i);
    return kNotFound;
}
