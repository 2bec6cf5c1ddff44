#include "core/app/SettingsStore.h"

// Core
#include "core/app/ObjectList.h"

// Platform
#include "platform/System.h"

// Standard library
#include <utility>

namespace {

struct Default {
    int id;
    std::int32_t value;
};

// Every numbered setting whose default is not 0.
constexpr Default kDefaults[] = {
    {Setting::SaveDesktop, 1},
    {Setting::OpenStartupFolder, 1},
    {Setting::BackgroundColor, 0x408080},
    {Setting::GradientStyle, 1},
    {Setting::ConfirmOperations, 1},
    {Setting::Arrangement, 4},
    {Setting::AutoArrange, 1},
    {Setting::ShowTips, 1},
    {Setting::LastTip, -1},
    {Setting::ExplorerMode, 1},
    {Setting::RecentFileCount, 4},
    {Setting::ShowAddressBar, 1},
    {Setting::ShowPersonalTab, 1},
    {Setting::FullPathInTitle, 1},
    {Setting::RegularFolderColor, 0x808000},
    {Setting::PersonalFolderColor, 0xFFFFFF},
    {Setting::ExplorerBarHeight, 550},
    {Setting::MenuBitmaps, 1},
    {Setting::TaskbarVisible, 1},
    {Setting::FrameCommandChecked, 1},
    {Setting::BrowseInSameWindow, 1},
    {Setting::ToolbarTextLabels, 1},
    {Setting::SingleClickFiles, 1},
    {Setting::SingleClickBar, 1},
    // Columns Ext, Size, Type, Modified, Time, Attr.
    {Setting::ShowColumnFirst + 1, 1},
    {Setting::ShowColumnFirst + 2, 1},
    {Setting::ShowColumnFirst + 3, 1},
    // Column widths Name .. Attr.
    {Setting::ColumnWidthFirst + 0, 150},
    {Setting::ColumnWidthFirst + 1, 50},
    {Setting::ColumnWidthFirst + 2, 70},
    {Setting::ColumnWidthFirst + 3, 40},
    {Setting::ColumnWidthFirst + 4, 150},
    {Setting::ColumnWidthFirst + 5, 70},
    {Setting::ColumnWidthFirst + 6, 100},
    {Setting::ColumnWidthFirst + 7, 50},
    {Setting::ArrangeMode, 1},
    {Setting::MaxWindows, 15},
    {Setting::ToolSeparatorEvery, 4},
    {Setting::FavoriteSeparatorEvery, 4},
    {Setting::IdleWhenMinimized, 1},
    {Setting::ReleaseMemoryWhenMinimized, 1},
    {Setting::FolderListRefreshMinutes, 15},
    {Setting::TextInTabs, 1},
};

constexpr char kDefaultStartupFolder[] = "C:\\";

// Value names of the "System" keys.
constexpr char kValuePromptForUser[] = "Prompt For User";
constexpr char kValueDefaultUser[] = "Default User";
constexpr char kValueLastSelectedUser[] = "Last Selected User";
constexpr char kValueStartupFolder[] = "Startup Folder";
constexpr char kValueWallpaper[] = "WallPaper";
constexpr char kValueTreeFont[] = "Tree Font";
constexpr char kValueFolderFont[] = "Folder Font";
constexpr char kValueOldFont[] = "Old Font";
constexpr char kValueProperties[] = "Properties";

constexpr char kKeySystem[] = "System";
constexpr char kKeyUsers[] = "Users";

std::string Clip(const std::string& text)
{
    return text.size() > kMaxTextChars ? text.substr(0, kMaxTextChars) : text;
}

}  // namespace

CSettingsStore::CSettingsStore(platform::Registry& registry, std::string version, bool windowsNT)
    : m_registry(&registry), m_windowsNT(windowsNT), m_version(std::move(version))
{
    SetDefaults();
    m_rootPath = AppKeyPath() + "\\" + m_version;
    m_root = std::make_unique<CRegistryKey>(registry, platform::kHkeyCurrentUser, m_rootPath);
    m_users = OpenUnder(m_root, kKeyUsers);
    m_globalSystem = OpenUnder(m_root, kKeySystem);
}

// Closes the per-user keys before the root they live under.
CSettingsStore::~CSettingsStore()
{
    for (int id = 0; id < SectionId::Count; ++id) KeySlot(id).reset();
    m_userSystem.reset();
    m_user.reset();
    m_globalSystem.reset();
    m_root.reset();
}

void CSettingsStore::SetDefaults()
{
    m_settings.fill(0);
    for (const Default& d : kDefaults) m_settings[static_cast<std::size_t>(d.id)] = d.value;
    m_startupFolder = kDefaultStartupFolder;
    m_wallpaper.clear();
}

std::string CSettingsStore::ProgramVersion()
{
    return platform::FileVersion(platform::ProgramDirectory() + "\\" + kAppName + ".exe");
}

std::string CSettingsStore::AppKeyPath()
{
    return std::string("Software\\") + kMakerName + "\\" + kAppName;
}

bool CSettingsStore::IsNewInstallation(platform::Registry& registry, const std::string& version)
{
    for (const std::string& path : {AppKeyPath(), AppKeyPath() + "\\" + version}) {
        platform::RegHandle key = platform::kNoKey;
        if (registry.OpenKey(platform::kHkeyCurrentUser, path.c_str(), &key) !=
            platform::kErrorSuccess)
            return true;
        registry.CloseKey(key);
    }
    return false;
}

void CSettingsStore::WriteInstallInfo(platform::Registry& registry, const std::string& version,
                                      const std::string& programDirectory)
{
    CRegistryKey key(registry, platform::kHkeyLocalMachine, AppKeyPath() + "\\" + version);
    key.WriteText("Directory", programDirectory);
    key.WriteText("Version", version);
}

std::unique_ptr<CRegistryKey> CSettingsStore::OpenUnder(
    const std::unique_ptr<CRegistryKey>& parent, const char* name)
{
    const platform::RegHandle handle = parent ? parent->Handle() : platform::kNoKey;
    return std::make_unique<CRegistryKey>(*m_registry, handle, name);
}

void CSettingsStore::LoadGlobalValues()
{
    m_globalSystem->ReadNumber(kValuePromptForUser, m_promptForUser);
    m_globalSystem->ReadNumber(kValueDefaultUser, m_defaultUser);
    m_globalSystem->ReadNumber(kValueLastSelectedUser, m_lastSelectedUser);
}

void CSettingsStore::OpenUserKeys(const std::string& dirName)
{
    // Without a name the keys would land on the root beside the global ones.
    if (dirName.empty()) return;
    m_userDirName = dirName;
    m_user = OpenUnder(m_root, dirName.c_str());
    m_rules = OpenUnder(m_user, "Rules");
    m_desktop = OpenUnder(m_user, "Desktop");
    m_userSystem = OpenUnder(m_user, kKeySystem);
    m_criteria = OpenUnder(m_user, "Criteria");
    m_tools = OpenUnder(m_user, "Tools");
    m_reports = OpenUnder(m_user, "Reports");
    m_favorites = OpenUnder(m_user, "Favorites");
    m_runs = OpenUnder(m_user, "Runs");
    m_findTypes = OpenUnder(m_user, "Find Types");
    m_toolbars = OpenUnder(m_user, "Toolbars");
    m_personalFolders = OpenUnder(m_user, "Personal Folders");
}

void CSettingsStore::LoadSystemValues()
{
    if (!m_userSystem) return;
    m_startupFolder = m_userSystem->ReadText(kValueStartupFolder, m_startupFolder);
    m_wallpaper = m_userSystem->ReadText(kValueWallpaper, m_wallpaper);
    for (auto [name, font] : {std::pair{kValueTreeFont, &m_treeFont},
                              std::pair{kValueFolderFont, &m_folderFont},
                              std::pair{kValueOldFont, &m_oldFont}}) {
        // A font of the wrong length is as good as none.
        FontRecord stored{};
        std::optional<std::size_t> read = m_userSystem->ReadBlock(name, stored.data(), stored.size());
        if (read && *read == kFontRecordSize)
            *font = stored;
        else
            m_fontsMissing = true;
    }
    // A shorter block sets only the words it covers.
    std::uint8_t block[kPropertiesSize];
    std::optional<std::size_t> read = m_userSystem->ReadBlock(kValueProperties, block, sizeof(block));
    if (!read) return;
    for (std::size_t i = 0; i < *read; ++i) {
        auto& word = reinterpret_cast<std::uint32_t&>(m_settings[i / 4]);
        const unsigned shift = 8 * (i % 4);
        word = (word & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(block[i]) << shift);
    }
}

void CSettingsStore::SaveSystemValues()
{
    if (m_userSystem && m_userSystem->IsOpen()) {
        m_userSystem->WriteText(kValueStartupFolder, m_startupFolder);
        m_userSystem->WriteText(kValueWallpaper, m_wallpaper);
        m_userSystem->WriteBlock(kValueTreeFont, m_treeFont.data(), m_treeFont.size());
        m_userSystem->WriteBlock(kValueFolderFont, m_folderFont.data(), m_folderFont.size());
        m_userSystem->WriteBlock(kValueOldFont, m_oldFont.data(), m_oldFont.size());
        std::uint8_t block[kPropertiesSize];
        for (std::size_t i = 0; i < kPropertiesSize; ++i)
            block[i] = static_cast<std::uint8_t>(
                static_cast<std::uint32_t>(m_settings[i / 4]) >> (8 * (i % 4)));
        m_userSystem->WriteBlock(kValueProperties, block, sizeof(block));
    }
    m_globalSystem->WriteNumber(kValuePromptForUser, static_cast<std::uint32_t>(m_promptForUser), 4);
    m_globalSystem->WriteNumber(kValueDefaultUser, static_cast<std::uint32_t>(m_defaultUser), 4);
    m_globalSystem->WriteNumber(kValueLastSelectedUser,
                                static_cast<std::uint32_t>(m_lastSelectedUser), 4);
}

std::int32_t CSettingsStore::GetSetting(int id) const
{
    switch (id) {
    case Setting::PromptForUser: return m_promptForUser;
    case Setting::DefaultUser: return m_defaultUser;
    case Setting::LastSelectedUser: return m_lastSelectedUser;
    default:
        return id >= 0 && id < Setting::BlockCount ? m_settings[static_cast<std::size_t>(id)] : 0;
    }
}

std::int32_t CSettingsStore::SetSetting(int id, std::int32_t value)
{
    switch (id) {
    case Setting::PromptForUser: m_promptForUser = value; break;
    case Setting::DefaultUser: m_defaultUser = value; break;
    case Setting::LastSelectedUser: m_lastSelectedUser = value; break;
    default:
        if (id >= 0 && id < Setting::BlockCount) m_settings[static_cast<std::size_t>(id)] = value;
        break;
    }
    return value;
}

void CSettingsStore::GetTextSetting(int id, std::string& out) const
{
    if (id == Setting::StartupFolder) out = m_startupFolder;
    if (id == Setting::Wallpaper) out = m_wallpaper;
}

void CSettingsStore::SetTextSetting(int id, const std::string& text)
{
    if (id == Setting::StartupFolder) m_startupFolder = Clip(text);
    if (id == Setting::Wallpaper) m_wallpaper = Clip(text);
}

void CSettingsStore::GetFontSetting(int id, FontRecord& out) const
{
    if (id == Setting::TreeFont) out = m_treeFont;
    if (id == Setting::FolderFont) out = m_folderFont;
    if (id == Setting::OldFont) out = m_oldFont;
}

void CSettingsStore::SetFontSetting(int id, const FontRecord& font)
{
    if (id == Setting::TreeFont) m_treeFont = font;
    if (id == Setting::FolderFont) m_folderFont = font;
    if (id == Setting::OldFont) m_oldFont = font;
}

void CSettingsStore::CaptureFonts(const FontRecord& font, std::int32_t textColor)
{
    m_oldFont = m_treeFont = m_folderFont = font;
    SetSetting(Setting::TreeFontColor, textColor);
    SetSetting(Setting::FolderFontColor, textColor);
    SetSetting(Setting::OldFontColor, textColor);
    m_fontsMissing = false;
}

std::unique_ptr<CRegistryKey>& CSettingsStore::KeySlot(int sectionId)
{
    switch (sectionId) {
    case SectionId::Desktop: return m_desktop;
    case SectionId::Criteria: return m_criteria;
    case SectionId::Users: return m_users;
    case SectionId::Rules: return m_rules;
    case SectionId::Tools: return m_tools;
    case SectionId::Reports: return m_reports;
    case SectionId::Favorites: return m_favorites;
    case SectionId::Runs: return m_runs;
    case SectionId::PersonalFolders: return m_personalFolders;
    case SectionId::FindTypes: return m_findTypes;
    default: return m_toolbars;
    }
}

CRegistryKey* CSettingsStore::SectionKey(int sectionId) const
{
    if (sectionId < 0 || sectionId >= SectionId::Count) return nullptr;
    return const_cast<CSettingsStore*>(this)->KeySlot(sectionId).get();
}

void CSettingsStore::ClearSection(int sectionId)
{
    CRegistryKey* key = SectionKey(sectionId);
    if (!key || key->Parent() == platform::kNoKey) return;
    DeleteKeyTree(*m_registry, key->Parent(), key->SubKey(), m_windowsNT);
}

bool CSettingsStore::DeleteUserKey(const std::string& dirName)
{
    // An empty name would address the root itself, a separator a key outside the
    // user's own: both come only from damaged data and must not delete anything.
    if (dirName.empty() || dirName.find('\\') != std::string::npos || !m_root->IsOpen())
        return false;
    // The registry compares key names without regard to case: a damaged name
    // such as "users" would take every profile's record with it.
    for (const char* own : {kKeyUsers, kKeySystem})
        if (SameNameNoCase(dirName, own)) return false;
    return DeleteKeyTree(*m_registry, m_root->Handle(), dirName, m_windowsNT);
}

bool CSettingsStore::UserKeyExists(const std::string& dirName) const
{
    if (dirName.empty() || !m_root->IsOpen()) return false;
    platform::RegHandle key = platform::kNoKey;
    if (m_registry->OpenKey(m_root->Handle(), dirName.c_str(), &key) != platform::kErrorSuccess)
        return false;
    m_registry->CloseKey(key);
    return true;
}

std::string CSettingsStore::ToolbarProfileName() const
{
    return m_version + "\\" + m_userDirName + "\\Toolbars\\";
}
