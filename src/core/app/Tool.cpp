#include "core/app/Tool.h"

// Core
#include "core/app/SettingsStore.h"

namespace {
constexpr char kValueDir[] = "Dir";
constexpr char kValueArgs[] = "Args";
constexpr char kValuePrompt[] = "Prompt";
}  // namespace

void CTool::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    LoadFavoriteRecord(*key);
    m_directory = key->ReadText(kValueDir, m_directory);
    m_arguments = key->ReadText(kValueArgs, m_arguments);
    key->ReadByte(kValuePrompt, m_prompt);
}

void CTool::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    SaveFavoriteRecord(*key);
    key->WriteText(kValueDir, m_directory);
    key->WriteText(kValueArgs, m_arguments);
    key->WriteNumber(kValuePrompt, m_prompt, 1);
}
