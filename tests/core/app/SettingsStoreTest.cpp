// Core
#include "core/app/SettingsStore.h"

// Tests
#include "core/RegistryFixture.h"

// Standard library
#include <utility>
#include <vector>

namespace {

class SettingsStoreTest : public RegistryTest {
protected:
    // A new store; with a directory name, that user's keys are open.
    std::unique_ptr<CSettingsStore> NewStore(const char* userDir = nullptr)
    {
        auto store = std::make_unique<CSettingsStore>(Registry(), kTestVersion, WindowsNT());
        if (userDir) store->OpenUserKeys(userDir);
        return store;
    }

    static std::int32_t Word(const Bytes& block, int index)
    {
        std::uint32_t w = 0;
        for (int i = 3; i >= 0; --i) w = (w << 8) | block[static_cast<std::size_t>(index * 4 + i)];
        return static_cast<std::int32_t>(w);
    }
};

TEST_P(SettingsStoreTest, FirstRunWritesDefaultsUnderTheVersionedRoot)
{
    EXPECT_TRUE(CSettingsStore::IsNewInstallation(Registry(), kTestVersion));
    {
        auto store = NewStore();
        EXPECT_EQ(store->RootPath(), kRoot);
        store->LoadGlobalValues();
        store->OpenUserKeys("User1234");
        store->LoadSystemValues();
        EXPECT_TRUE(store->FontsMissing());
        store->SaveSystemValues();
    }
    EXPECT_FALSE(CSettingsStore::IsNewInstallation(Registry(), kTestVersion));

    const std::string system = kRoot + "\\User1234\\System";
    std::uint32_t type = 99;
    EXPECT_EQ(ReadRaw(system, "Startup Folder", &type), (Bytes{'C', ':', '\\', 0}));
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(ReadRaw(system, "WallPaper"), Bytes{0});
    const Bytes block = ReadRaw(system, "Properties", &type);
    ASSERT_EQ(block.size(), 800u);
    EXPECT_EQ(type, platform::kRegBinary);
    EXPECT_EQ(Word(block, Setting::ExplorerMode), 1);
    EXPECT_EQ(Word(block, Setting::MaxWindows), 15);
    EXPECT_EQ(Word(block, Setting::LastTip), -1);
    EXPECT_EQ(Word(block, Setting::BackgroundColor), 0x408080);
    EXPECT_EQ(Word(block, Setting::ColumnWidthFirst + 4), 150);
    EXPECT_EQ(ReadRaw(system, "Tree Font").size(), kFontRecordSize);

    // Global values: four raw bytes of value type 0.
    EXPECT_EQ(ReadRaw(kRoot + "\\System", "Default User", &type), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(type, platform::kRegNone);
    // The user's key stands beside "Users" and the global "System".
    EXPECT_TRUE(Exists(kRoot + "\\Users"));
    EXPECT_TRUE(Exists(kRoot + "\\User1234\\Rules"));
    EXPECT_TRUE(Exists(kRoot + "\\User1234\\Personal Folders"));
}

TEST_P(SettingsStoreTest, GlobalIdsAddressTheGlobalValuesOnly)
{
    {
        auto store = NewStore("User1");
        store->SetSetting(Setting::DefaultUser, 7);
        EXPECT_EQ(store->SetSetting(Setting::LastSelectedUser, 3), 3);
        store->SetSetting(Setting::PromptForUser, 1);
        EXPECT_EQ(store->GetSetting(Setting::DefaultUser), 7);
        store->SaveSystemValues();
    }
    const Bytes block = ReadRaw(kRoot + "\\User1\\System", "Properties");
    ASSERT_EQ(block.size(), 800u);
    EXPECT_EQ(Word(block, 1), 1);  // untouched default, not 3 or 7
    EXPECT_EQ(Word(block, 2), 0);
    EXPECT_EQ(Word(block, 3), 0x408080);

    auto store = NewStore();
    EXPECT_EQ(store->GetSetting(Setting::LastSelectedUser), 0);
    store->LoadGlobalValues();
    EXPECT_EQ(store->GetSetting(Setting::DefaultUser), 7);
    EXPECT_EQ(store->GetSetting(Setting::LastSelectedUser), 3);
    EXPECT_EQ(store->GetSetting(Setting::PromptForUser), 1);
}

TEST_P(SettingsStoreTest, StoredValuesReadBackAndUnknownWordsSurvive)
{
    {
        auto store = NewStore("User9");
        store->SetSetting(Setting::ViewMode, 3);
        store->SetSetting(150, 0x12345678);
        store->SetSetting(Setting::BlockCount - 1, -5);
        store->SetTextSetting(Setting::StartupFolder, "D:\\Work");
        store->SetTextSetting(Setting::Wallpaper, "Clouds.bmp");
        FontRecord font{};
        font[0] = 0xF3;
        font[59] = 0x7E;
        store->CaptureFonts(font, 0x112233);
        store->SaveSystemValues();
    }
    auto store = NewStore("User9");
    store->LoadSystemValues();
    EXPECT_FALSE(store->FontsMissing());
    for (auto [id, value] : {std::pair{Setting::ViewMode, 3}, {150, 0x12345678},
                             {Setting::BlockCount - 1, -5}, {Setting::FolderFontColor, 0x112233}})
        EXPECT_EQ(store->GetSetting(id), value) << id;
    std::string text;
    store->GetTextSetting(Setting::StartupFolder, text);
    EXPECT_EQ(text, "D:\\Work");
    store->GetTextSetting(Setting::Wallpaper, text);
    EXPECT_EQ(text, "Clouds.bmp");
    FontRecord font{};
    store->GetFontSetting(Setting::OldFont, font);
    EXPECT_EQ(font[0], 0xF3);
    EXPECT_EQ(font[59], 0x7E);
}

TEST_P(SettingsStoreTest, ShortOrDamagedSystemValuesKeepTheirDefaults)
{
    const std::string system = kRoot + "\\User5\\System";
    // Words 0 and 1 and the low half of word 2 only.
    WriteRaw(system, "Properties", platform::kRegBinary, {0, 0, 0, 0, 9, 0, 0, 0, 0xAA, 0xBB});
    WriteRaw(system, "Startup Folder", platform::kRegSz, Bytes(400, 'x'));
    WriteRaw(system, "WallPaper", platform::kRegBinary, {'a', 'b', 0});
    WriteRaw(system, "Tree Font", platform::kRegBinary, Bytes(59, 1));
    WriteRaw(system, "Folder Font", platform::kRegBinary, Bytes(61, 1));
    WriteRaw(system, "Old Font", platform::kRegBinary, Bytes(60, 1));

    auto store = NewStore("User5");
    store->LoadSystemValues();
    for (auto [id, value] : {std::pair{Setting::SaveDesktop, 0}, {Setting::OpenStartupFolder, 9},
                             {Setting::OwnBackground, 0xBBAA}, {Setting::BackgroundColor, 0x408080},
                             {Setting::MaxWindows, 15}})
        EXPECT_EQ(store->GetSetting(id), value) << id;
    std::string text;
    store->GetTextSetting(Setting::StartupFolder, text);
    EXPECT_EQ(text, "C:\\");
    store->GetTextSetting(Setting::Wallpaper, text);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(store->FontsMissing());
    FontRecord font{};
    store->GetFontSetting(Setting::OldFont, font);
    EXPECT_EQ(font[59], 1);
    store->GetFontSetting(Setting::TreeFont, font);
    EXPECT_EQ(font[0], 0);

    // A block longer than 800 bytes is refused whole.
    WriteRaw(system, "Properties", platform::kRegBinary, Bytes(801, 0xFF));
    auto again = NewStore("User5");
    again->LoadSystemValues();
    EXPECT_EQ(again->GetSetting(Setting::ExplorerMode), 1);
}

TEST_P(SettingsStoreTest, AccessorsIgnoreIdsOutsideTheirRange)
{
    auto store = NewStore();
    EXPECT_EQ(store->GetSetting(-1), 0);
    EXPECT_EQ(store->GetSetting(Setting::BlockCount), 0);
    EXPECT_EQ(store->SetSetting(500, 4), 4);
    EXPECT_EQ(store->GetSetting(500), 0);
    std::string text = "unchanged";
    store->GetTextSetting(Setting::TreeFont, text);
    EXPECT_EQ(text, "unchanged");
    store->SetTextSetting(Setting::StartupFolder, std::string(300, 'd'));
    store->GetTextSetting(Setting::StartupFolder, text);
    EXPECT_EQ(text.size(), kMaxTextChars);
    EXPECT_EQ(store->SectionKey(SectionId::Count), nullptr);
    EXPECT_EQ(store->SectionKey(-1), nullptr);
    ASSERT_NE(store->SectionKey(SectionId::Users), nullptr);
    EXPECT_EQ(store->SectionKey(SectionId::Rules), nullptr);  // no user yet
}

TEST_P(SettingsStoreTest, ClearSectionRemovesTheWholeTreeAndTheKeyCanBeRecreated)
{
    auto store = NewStore("User1234");
    CRegistryKey* rules = store->SectionKey(SectionId::Rules);
    ASSERT_NE(rules, nullptr);
    {
        CRegistryKey object(Registry(), rules->Handle(), "Object0");
        CRegistryKey deeper(Registry(), object.Handle(), "Criteria\\Object0");
        ASSERT_TRUE(deeper.WriteText("Name", "x"));
        CRegistryKey second(Registry(), rules->Handle(), "Object1");
    }
    store->ClearSection(SectionId::Rules);
    EXPECT_FALSE(Exists(kRoot + "\\User1234\\Rules"));
    EXPECT_TRUE(Exists(kRoot + "\\User1234\\Tools"));
    EXPECT_FALSE(rules->WriteText("Name", "lost"));  // the key is gone until recreated
    ASSERT_TRUE(rules->Recreate());
    EXPECT_TRUE(rules->WriteText("Name", "kept"));
    EXPECT_TRUE(Exists(kRoot + "\\User1234\\Rules"));

    if (GetParam() == RegistryKind::MemoryNT) {
        const std::string base = "HKEY_CURRENT_USER\\" + kRoot + "\\User1234\\Rules";
        EXPECT_EQ(Memory()->DeletedKeys(),
                  (std::vector<std::string>{base + "\\Object0\\Criteria\\Object0",
                                            base + "\\Object0\\Criteria", base + "\\Object0",
                                            base + "\\Object1", base}));
    }

    // Clearing the users leaves the root and its global values alone.
    WriteRawText(kRoot + "\\Users\\Object0", "Name", "Default User");
    store->ClearSection(SectionId::Users);
    EXPECT_FALSE(Exists(kRoot + "\\Users"));
    EXPECT_TRUE(Exists(kRoot + "\\System"));
}

TEST_P(SettingsStoreTest, DeleteUserKeyDeletesOnlyThatUsersTree)
{
    auto store = NewStore("User77");
    store->SaveSystemValues();
    CreateRawKey(kRoot + "\\User78\\Rules");

    EXPECT_FALSE(store->DeleteUserKey(""));
    EXPECT_FALSE(store->DeleteUserKey("User78\\Rules"));
    EXPECT_FALSE(store->DeleteUserKey("\\"));
    // The store's own keys are never a user's, whatever the case.
    for (const char* own : {"Users", "users", "System", "SYSTEM"}) EXPECT_FALSE(store->DeleteUserKey(own)) << own;
    EXPECT_TRUE(Exists(kRoot + "\\Users"));
    EXPECT_TRUE(Exists(kRoot + "\\System"));
    EXPECT_TRUE(Exists(kRoot + "\\User77\\System"));
    EXPECT_TRUE(Exists(kRoot + "\\User78\\Rules"));

    EXPECT_TRUE(store->DeleteUserKey("User78"));
    EXPECT_FALSE(Exists(kRoot + "\\User78"));
    EXPECT_TRUE(Exists(kRoot + "\\User77\\System"));
    EXPECT_TRUE(Exists(kRoot + "\\Users"));
}

TEST_P(SettingsStoreTest, AnEmptyDirectoryNameOpensNoUserKeys)
{
    auto store = NewStore("");
    EXPECT_EQ(store->SectionKey(SectionId::Desktop), nullptr);
    store->SetSetting(Setting::ViewMode, 2);
    store->SaveSystemValues();
    EXPECT_TRUE(ReadRaw(kRoot + "\\System", "Properties").empty());
    EXPECT_FALSE(Exists(kRoot + "\\Rules"));
}

TEST_P(SettingsStoreTest, InstallInfoAndToolbarProfileName)
{
    CSettingsStore::WriteInstallInfo(Registry(), kTestVersion, "C:\\Program Files\\Trailmark");
    {
        const CRegistryKey machine(Registry(), platform::kHkeyLocalMachine, kRoot);
        EXPECT_EQ(machine.ReadText("Directory", ""), "C:\\Program Files\\Trailmark");
        EXPECT_EQ(machine.ReadText("Version", ""), kTestVersion);
    }
    DeleteKeyTree(Registry(), platform::kHkeyLocalMachine, kRoot, true);

    EXPECT_EQ(NewStore("User4172")->ToolbarProfileName(), "0.0.0.42\\User4172\\Toolbars\\");
}

TEST(SettingsStoreRoot, VersionNamesTheRootKeyAndEveryOpenedKeyIsClosed)
{
    platform::MemoryRegistry registry;
    EXPECT_EQ(CSettingsStore(registry, "", true).RootPath(),
              "Software\\Norvane Software, Inc.\\Trailmark\\");
    {
        CSettingsStore store(registry, "1.0.0.0", true);
        EXPECT_EQ(store.RootPath(), "Software\\Norvane Software, Inc.\\Trailmark\\1.0.0.0");
        store.OpenUserKeys("User1");
        store.LoadSystemValues();
        store.SaveSystemValues();
        EXPECT_GT(registry.OpenHandleCount(), 10u);
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

INSTANTIATE_FOR_EVERY_REGISTRY(SettingsStoreTest);

}  // namespace
