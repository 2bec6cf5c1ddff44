#pragma once
// The settings of the current profile and the open keys of the registry layout.

// Core
#include "core/app/RegistryKey.h"
#include "core/app/Settings.h"

// Platform
#include "platform/Registry.h"

// Standard library
#include <array>
#include <cstdint>
#include <memory>
#include <string>

// A LOGFONTA as stored: 60 bytes.
inline constexpr std::size_t kFontRecordSize = 60;
using FontRecord = std::array<std::uint8_t, kFontRecordSize>;

inline constexpr char kMakerName[] = "Norvane Software, Inc.";
inline constexpr char kAppName[] = "Trailmark";
inline constexpr std::size_t kPropertiesSize = Setting::BlockCount * 4;

class CSettingsStore {
public:
    // Sets every default, then opens the root, "Users" and the global "System"
    // key under HKEY_CURRENT_USER. `version` is the program's file version.
    CSettingsStore(platform::Registry& registry, std::string version, bool windowsNT);
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    // The program file's version ("1.0.0.0"), or "" when it cannot be read.
    static std::string ProgramVersion();
    static std::string AppKeyPath();  // "Software\<maker>\<application>"
    static bool IsNewInstallation(platform::Registry& registry, const std::string& version);
    static void WriteInstallInfo(platform::Registry& registry, const std::string& version,
                                 const std::string& programDirectory);

    void LoadGlobalValues();
    void OpenUserKeys(const std::string& dirName);
    void LoadSystemValues();
    void SaveSystemValues();

    std::int32_t GetSetting(int id) const;
    std::int32_t SetSetting(int id, std::int32_t value);
    void GetTextSetting(int id, std::string& out) const;
    void SetTextSetting(int id, const std::string& text);
    void GetFontSetting(int id, FontRecord& out) const;
    void SetFontSetting(int id, const FontRecord& font);

    // The open key of a section, or null (ids above 10, or keys not yet opened).
    CRegistryKey* SectionKey(int sectionId) const;
    // Deletes the section's key and everything below it. The key object stays;
    // callers recreate it before writing.
    void ClearSection(int sectionId);
    // Deletes a user's key tree under the root. A name that is empty, reaches
    // outside its own key or names one of the store's own keys deletes nothing.
    bool DeleteUserKey(const std::string& dirName);
    // Whether a key of that name lies under the root (opened, never created).
    bool UserKeyExists(const std::string& dirName) const;

    std::string ToolbarProfileName() const;
    const std::string& RootPath() const { return m_rootPath; }
    const std::string& Version() const { return m_version; }
    const std::string& UserDirName() const { return m_userDirName; }
    bool FontsMissing() const { return m_fontsMissing; }
    // The first use of a profile takes the current fonts as all three fonts and
    // the window-text colour as their colours.
    void CaptureFonts(const FontRecord& font, std::int32_t textColor);
    platform::Registry& Registry() const { return *m_registry; }
    bool IsWindowsNT() const { return m_windowsNT; }

private:
    std::unique_ptr<CRegistryKey>& KeySlot(int sectionId);
    std::unique_ptr<CRegistryKey> OpenUnder(const std::unique_ptr<CRegistryKey>& parent,
                                            const char* name);
    void SetDefaults();

    platform::Registry* m_registry;
    bool m_windowsNT;
    std::string m_version;
    std::string m_userDirName;

    std::unique_ptr<CRegistryKey> m_root;
    std::unique_ptr<CRegistryKey> m_desktop;
    std::unique_ptr<CRegistryKey> m_userSystem;
    std::unique_ptr<CRegistryKey> m_globalSystem;
    std::unique_ptr<CRegistryKey> m_criteria;
    std::unique_ptr<CRegistryKey> m_rules;
    std::unique_ptr<CRegistryKey> m_reports;
    std::unique_ptr<CRegistryKey> m_tools;
    std::unique_ptr<CRegistryKey> m_users;
    std::unique_ptr<CRegistryKey> m_runs;
    std::unique_ptr<CRegistryKey> m_personalFolders;
    std::unique_ptr<CRegistryKey> m_favorites;
    std::unique_ptr<CRegistryKey> m_user;
    std::unique_ptr<CRegistryKey> m_findTypes;
    std::unique_ptr<CRegistryKey> m_toolbars;

    std::string m_wallpaper;
    std::string m_startupFolder;
    FontRecord m_treeFont{};
    FontRecord m_folderFont{};
    FontRecord m_oldFont{};
    std::array<std::int32_t, Setting::BlockCount> m_settings{};
    std::int32_t m_promptForUser = 0;
    std::int32_t m_defaultUser = 0;
    std::int32_t m_lastSelectedUser = 0;
    std::string m_rootPath;
    bool m_fontsMissing = false;
};
