// Core
#include "core/app/RegistryKey.h"

// Tests
#include "core/RegistryFixture.h"

namespace {

class RegistryKeyTest : public RegistryTest {};

TEST_P(RegistryKeyTest, NumbersAreRawLittleEndianBytesOfValueTypeZero)
{
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Values");
    ASSERT_TRUE(key.IsOpen());
    ASSERT_TRUE(key.WriteNumber("Flag", 0x1FF, 1));
    ASSERT_TRUE(key.WriteNumber("Word", 0xA1B2C3D4u, 4));

    std::uint32_t type = 99;
    EXPECT_EQ(ReadRaw(kRoot + "\\Values", "Flag", &type), Bytes{0xFF});
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_EQ(ReadRaw(kRoot + "\\Values", "Word"), (Bytes{0xD4, 0xC3, 0xB2, 0xA1}));

    std::uint8_t flag = 0;
    EXPECT_TRUE(key.ReadByte("Flag", flag));
    EXPECT_EQ(flag, 0xFF);
    std::int32_t word = 0;
    EXPECT_TRUE(key.ReadNumber("Word", word));
    EXPECT_EQ(static_cast<std::uint32_t>(word), 0xA1B2C3D4u);
    // A one-byte value read as four bytes sets the low byte only.
    std::int32_t wide = 0x11223344;
    EXPECT_TRUE(key.ReadNumber("Flag", wide));
    EXPECT_EQ(wide, 0x112233FF);
    // A four-byte value does not fit a one-byte field: the field keeps its value.
    flag = 7;
    EXPECT_FALSE(key.ReadByte("Word", flag));
    EXPECT_EQ(flag, 7);
    EXPECT_FALSE(key.ReadNumber("Missing", word));
    EXPECT_EQ(static_cast<std::uint32_t>(word), 0xA1B2C3D4u);
}

TEST_P(RegistryKeyTest, TextsCarryTheirZeroAndFallBackWhenUnreadable)
{
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Texts");
    ASSERT_TRUE(key.WriteText("Name", "Notepad"));
    EXPECT_EQ(ReadRaw(kRoot + "\\Texts", "Name").size(), 8u);
    EXPECT_EQ(key.ReadText("Name", "x"), "Notepad");
    EXPECT_EQ(key.ReadText("Missing", "fallback"), "fallback");

    ASSERT_TRUE(key.WriteText("Long", std::string(kMaxTextChars, 'a')));
    EXPECT_EQ(key.ReadText("Long", "").size(), kMaxTextChars);
    ASSERT_TRUE(key.WriteText("TooLong", std::string(kMaxTextChars + 1, 'a')));
    EXPECT_EQ(key.ReadText("TooLong", "fallback"), "fallback");
    ASSERT_TRUE(key.WriteNumber("Number", 65, 4));
    EXPECT_EQ(key.ReadText("Number", "fallback"), "fallback");
    // A text stored without its terminating zero reads whole.
    ASSERT_EQ(Registry().SetValue(key.Handle(), "Bare", platform::kRegSz, "abc", 3), 0);
    EXPECT_EQ(key.ReadText("Bare", ""), "abc");
}

TEST_P(RegistryKeyTest, EnumerationEndsAtNoMoreItemsOrADeletedKey)
{
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kRoot + "\\List");
    for (const char* name : {"Object0", "Object1", "ObjectWithALongName"})
        CRegistryKey child(Registry(), key.Handle(), name);
    EXPECT_EQ(key.EnumSubKey(0, 10), std::optional<std::string>("Object0"));
    EXPECT_EQ(key.EnumSubKey(1, 10), std::optional<std::string>("Object1"));
    // A name too long for the buffer still counts as an entry.
    EXPECT_EQ(key.EnumSubKey(2, 10), std::optional<std::string>(""));
    EXPECT_EQ(key.EnumSubKey(3, 10), std::nullopt);

    ASSERT_TRUE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kRoot + "\\List", WindowsNT()));
    EXPECT_EQ(key.EnumSubKey(0, 10), std::nullopt);
    EXPECT_FALSE(key.WriteText("Name", "x"));
}

TEST_P(RegistryKeyTest, DeleteKeyTreeTakesEveryLevel)
{
    {
        CRegistryKey leaf(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Tree\\A\\B\\C");
        leaf.WriteText("v", "1");
        CRegistryKey sibling(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Tree\\A\\D");
        CRegistryKey kept(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Kept");
    }
    EXPECT_TRUE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Tree", WindowsNT()));
    EXPECT_FALSE(Exists(kRoot + "\\Tree"));
    EXPECT_TRUE(Exists(kRoot + "\\Kept"));
    EXPECT_FALSE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kRoot + "\\Tree", WindowsNT()));
}

TEST_P(RegistryKeyTest, NamesCompareWithoutCaseAndEnumerateSorted)
{
    for (const char* name : {"object2", "Object10", "OBJECT1"}) CreateRawKey(kRoot + "\\Root\\" + name);
    EXPECT_TRUE(Exists(kRoot + "\\rOOT\\Object2"));
    EXPECT_EQ(SubKeys(kRoot + "\\Root"), (std::vector<std::string>{"OBJECT1", "Object10", "object2"}));
    WriteRaw(kRoot + "\\Root", "Value", platform::kRegNone, {1});
    EXPECT_EQ(ReadRaw(kRoot + "\\ROOT", "VALUE"), Bytes{1});
}

INSTANTIATE_FOR_EVERY_REGISTRY(RegistryKeyTest);

TEST(MemoryRegistry, KeyDeletionFollowsThePlatform)
{
    for (auto semantics : {platform::DeleteSemantics::WindowsNT, platform::DeleteSemantics::Windows95}) {
        const bool nt = semantics == platform::DeleteSemantics::WindowsNT;
        platform::MemoryRegistry registry(semantics);
        platform::RegHandle key = platform::kNoKey;
        ASSERT_EQ(registry.CreateKey(platform::kHkeyCurrentUser, "A\\B", &key), 0);
        EXPECT_EQ(registry.DeleteKey(platform::kHkeyCurrentUser, "A"),
                  nt ? platform::kErrorAccessDenied : platform::kErrorSuccess);
        // Under Windows 95 the open handle now names a deleted key.
        EXPECT_EQ(registry.SetValue(key, "v", platform::kRegSz, "", 1),
                  nt ? platform::kErrorSuccess : platform::kErrorKeyDeleted);
        registry.CloseKey(key);
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
    }
}

}  // namespace
