#include "core/app/Favorite.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

namespace {
constexpr char kValueCommand[] = "Command";
constexpr char kValueOpenMode[] = "Open Mode";
}  // namespace

void CFavorite::LoadFrom(CSettingsStore& store, const std::string& keyName, int)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, SectionId::Favorites);
    if (key) LoadFavoriteRecord(*key);
}

void CFavorite::SaveTo(CSettingsStore& store, const std::string& keyName, int)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, SectionId::Favorites);
    if (key) SaveFavoriteRecord(*key);
}

void CFavorite::LoadFavoriteRecord(const CRegistryKey& key)
{
    LoadName(key);
    m_command = key.ReadText(kValueCommand, m_command);
    key.ReadByte(kValueOpenMode, m_openMode);
}

void CFavorite::SaveFavoriteRecord(CRegistryKey& key) const
{
    SaveName(key);
    key.WriteText(kValueCommand, m_command);
    key.WriteNumber(kValueOpenMode, m_openMode, 1);
}
