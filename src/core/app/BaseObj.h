#pragma once
// The base of every object the program keeps between runs: a name and an
// enabled flag, and the virtual steps that read and write its record in a
// numbered sub-key of a settings-store section.

// Core
#include "core/app/RegistryKey.h"

// Standard library
#include <memory>
#include <string>

class CSettingsStore;

class CBaseObj {
public:
    CBaseObj() = default;
    CBaseObj(std::string name, bool enabled);
    virtual ~CBaseObj();
    CBaseObj(const CBaseObj&) = default;
    CBaseObj& operator=(const CBaseObj&) = default;

    // Read or write the record in sub-key keyName of the section. The base
    // stores nothing; a class that stores itself overrides both and calls the
    // shared name step first.
    virtual void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId);
    // Cancelling an edit: a class that remembers where it was loaded from reads
    // itself again. The base does nothing.
    virtual void Reload(CSettingsStore& store, int sectionId);
    virtual void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId);

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

protected:
    // Opens (creating when missing) the record's key under the section key.
    // Null when the section is not open or keyName is empty or names a deeper
    // key: both would address a key that is not this record's.
    static std::unique_ptr<CRegistryKey> OpenRecordKey(CSettingsStore& store,
                                                       const std::string& keyName,
                                                       int sectionId);
    // The shared step: "Name" (missing: "").
    void LoadName(const CRegistryKey& key);
    void SaveName(CRegistryKey& key) const;

private:
    std::string m_name;
    bool m_enabled = true;
};
