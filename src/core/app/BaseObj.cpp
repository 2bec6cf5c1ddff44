#include "core/app/BaseObj.h"

// Core
#include "core/app/SettingsStore.h"

// Standard library
#include <utility>

namespace {
constexpr char kValueName[] = "Name";
}  // namespace

CBaseObj::CBaseObj(std::string name, bool enabled) : m_name(std::move(name)), m_enabled(enabled)
{
}

CBaseObj::~CBaseObj() = default;

void CBaseObj::LoadFrom(CSettingsStore&, const std::string&, int) {}

void CBaseObj::Reload(CSettingsStore&, int) {}

void CBaseObj::SaveTo(CSettingsStore&, const std::string&, int) {}

std::unique_ptr<CRegistryKey> CBaseObj::OpenRecordKey(CSettingsStore& store,
                                                      const std::string& keyName, int sectionId)
{
    CRegistryKey* section = store.SectionKey(sectionId);
    if (!section || !section->IsOpen() || keyName.empty() ||
        keyName.find('\\') != std::string::npos)
        return nullptr;
    auto key = std::make_unique<CRegistryKey>(store.Registry(), section->Handle(), keyName);
    if (!key->IsOpen()) return nullptr;
    return key;
}

void CBaseObj::LoadName(const CRegistryKey& key) { m_name = key.ReadText(kValueName, ""); }

void CBaseObj::SaveName(CRegistryKey& key) const { key.WriteText(kValueName, m_name); }
