#pragma once
// A list of stored objects belonging to one section of the settings store. Each
// object lives in a sub-key named "Object" + its position; saving erases the
// section and rewrites it, so the stored numbering always equals the list order.

// Core
#include "core/app/BaseObj.h"

// Standard library
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CSettingsStore;

// Makes an empty object of a list's element class.
using ObjectFactory = std::function<std::unique_ptr<CBaseObj>()>;

// Name comparisons for uniqueness: white space trimmed at both ends, letters
// compared without regard to case.
std::string TrimName(const std::string& name);
bool SameNameNoCase(const std::string& a, const std::string& b);

// Puts sub-key names "Object<n>" in the order of n (the registry enumerates
// them sorted as text); other names follow in their given order.
void OrderRecordNames(std::vector<std::string>& names);

class CObjectList {
public:
    // Sub-key names are read with a buffer of 10 characters, which holds the
    // names Object0..Object999 and nothing longer.
    static constexpr std::uint32_t kNameBufferChars = 10;
    static constexpr std::size_t kMaxObjects = 1000;
    static constexpr std::int32_t kNoCapacity = -1;
    static constexpr int kNotFound = -1;

    // With a factory the list loads its section at once and saves it when it is
    // destroyed. Without one (bookmarks, or lists with their own loading) it
    // touches the registry only when told to.
    // Note: the constructor and destructor run the base LoadAll and SaveAll; a
    // derived list whose overrides must run then calls them itself.
    CObjectList(CSettingsStore& store, ObjectFactory factory, int sectionId,
                std::int32_t capacity);
    virtual ~CObjectList();
    CObjectList(const CObjectList&) = delete;
    CObjectList& operator=(const CObjectList&) = delete;

    // Erases the section, recreates its key and writes Object0..Object(n-1).
    virtual void SaveAll();
    // Replaces the contents by the stored objects (needs a factory).
    virtual void LoadAll();
    virtual void DeleteAll();

    // Appends. Gives the object, or null (and deletes it) when the list already
    // holds kMaxObjects, the most that can be stored and read back.
    CBaseObj* Add(std::unique_ptr<CBaseObj> object);
    // Removes slot `index`; later objects move down one. The object is deleted
    // when asked, else handed back to the caller. Null for a bad index.
    std::unique_ptr<CBaseObj> RemoveAt(int index, bool deleteObject);
    // Exchanges two objects (the managers' move up and down).
    bool Swap(int first, int second);

    // Exact, case-sensitive comparison.
    CBaseObj* FindByName(const std::string& name) const;
    // Trimmed, without regard to case.
    bool NameExists(const std::string& name) const;
    bool NameExistsExcept(const CBaseObj* object, const std::string& name) const;
    // base + 0..9999, the first that NameExists refuses; "" when all are taken.
    std::string MakeUniqueName(const std::string& base) const;
    int IndexOf(const CBaseObj* object) const;

    int Count() const { return static_cast<int>(m_objects.size()); }
    CBaseObj* At(int index) const;
    int Section() const { return m_sectionId; }
    std::int32_t Capacity() const { return m_capacity; }
    bool HasElementFactory() const { return static_cast<bool>(m_factory); }
    CSettingsStore& Store() const { return *m_store; }

    static std::string ObjectKeyName(int index);

    // Off for a list that must leave its section as it found it (a start-up
    // that failed), or that saves itself in a derived destructor.
    void SetSavesOnDestruction(bool saves) { m_savesOnDestruction = saves; }

protected:
    // The body of LoadAll with a given factory (appends; does not clear).
    void LoadEntries(const ObjectFactory& factory);
    std::vector<std::unique_ptr<CBaseObj>>& Objects() { return m_objects; }

private:
    std::vector<std::string> EnumerateRecordNames() const;

    std::vector<std::unique_ptr<CBaseObj>> m_objects;
    int m_sectionId;
    ObjectFactory m_factory;
    std::int32_t m_capacity;
    CSettingsStore* m_store;
    bool m_savesOnDestruction = true;
};
