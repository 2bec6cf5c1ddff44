// Core
#include "core/app/RegistryKey.h"

// Tests
#include "core/RegistryFixture.h"

namespace {

const std::string kBase = "Software\\Norvane Software, Inc.\\Trailmark\\0.0.0.42";

class RegistryKeyTest : public RegistryTest {};

TEST_P(RegistryKeyTest, NumbersAreRawLittleEndianBytesOfValueTypeZero)
{
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kBase + "\\Values");
    ASSERT_TRUE(key.IsOpen());
    ASSERT_TRUE(key.WriteNumber("Flag", 0x1FF, 1));
    ASSERT_TRUE(key.WriteNumber("Word", 0xA1B2C3D4u, 4));

    std::uint8_t bytes[8] = {};
    std::uint32_t size = sizeof(bytes);
    std::uint32_t type = 99;
    ASSERT_EQ(Registry().QueryValue(key.Handle(), "Flag", &type, bytes, &size), 0);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_EQ(bytes[0], 0xFF);
    size = sizeof(bytes);
    ASSERT_EQ(Registry().QueryValue(key.Handle(), "Word", &type, bytes, &size), 0);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(bytes[0], 0xD4);
    EXPECT_EQ(bytes[3], 0xA1);

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
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kBase + "\\Texts");
    ASSERT_TRUE(key.WriteText("Name", "Notepad"));
    std::uint32_t size = 0;
    ASSERT_EQ(Registry().QueryValue(key.Handle(), "Name", nullptr, nullptr, &size), 0);
    EXPECT_EQ(size, 8u);
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
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kBase + "\\List");
    for (const char* name : {"Object0", "Object1", "ObjectWithALongName"})
        CRegistryKey child(Registry(), key.Handle(), name);
    EXPECT_EQ(key.EnumSubKey(0, 10), std::optional<std::string>("Object0"));
    EXPECT_EQ(key.EnumSubKey(1, 10), std::optional<std::string>("Object1"));
    // A name too long for the buffer still counts as an entry.
    EXPECT_EQ(key.EnumSubKey(2, 10), std::optional<std::string>(""));
    EXPECT_EQ(key.EnumSubKey(3, 10), std::nullopt);

    ASSERT_TRUE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kBase + "\\List", WindowsNT()));
    EXPECT_EQ(key.EnumSubKey(0, 10), std::nullopt);
    EXPECT_FALSE(key.WriteText("Name", "x"));
}

TEST_P(RegistryKeyTest, DeleteKeyTreeTakesEveryLevel)
{
    {
        CRegistryKey leaf(Registry(), platform::kHkeyCurrentUser, kBase + "\\Tree\\A\\B\\C");
        leaf.WriteText("v", "1");
        CRegistryKey sibling(Registry(), platform::kHkeyCurrentUser, kBase + "\\Tree\\A\\D");
        CRegistryKey kept(Registry(), platform::kHkeyCurrentUser, kBase + "\\Kept");
    }
    EXPECT_TRUE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kBase + "\\Tree", WindowsNT()));
    EXPECT_FALSE(Exists(kBase + "\\Tree"));
    EXPECT_TRUE(Exists(kBase + "\\Kept"));
    EXPECT_FALSE(DeleteKeyTree(Registry(), platform::kHkeyCurrentUser, kBase + "\\Tree", WindowsNT()));
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryKeyTest, testing::ValuesIn(AllRegistryKinds()),
                         RegistryKindName);

TEST(MemoryRegistry, KeyDeletionFollowsThePlatform)
{
    for (auto semantics : {platform::DeleteSemantics::WindowsNT, platform::DeleteSemantics::Windows95}) {
        platform::MemoryRegistry registry(semantics);
        platform::RegHandle key = platform::kNoKey;
        ASSERT_EQ(registry.CreateKey(platform::kHkeyCurrentUser, "A\\B", &key), 0);
        const long rc = registry.DeleteKey(platform::kHkeyCurrentUser, "A");
        if (semantics == platform::DeleteSemantics::WindowsNT) {
            EXPECT_EQ(rc, platform::kErrorAccessDenied);
            EXPECT_EQ(registry.SetValue(key, "v", platform::kRegSz, "", 1), 0);
        } else {
            EXPECT_EQ(rc, platform::kErrorSuccess);
            // The open handle now names a deleted key.
            EXPECT_EQ(registry.SetValue(key, "v", platform::kRegSz, "", 1), platform::kErrorKeyDeleted);
        }
        registry.CloseKey(key);
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
    }
}

TEST(MemoryRegistry, NamesCompareWithoutCaseAndEnumerateSorted)
{
    platform::MemoryRegistry registry;
    platform::RegHandle key = platform::kNoKey;
    ASSERT_EQ(registry.CreateKey(platform::kHkeyCurrentUser, "Root", &key), 0);
    for (const char* name : {"object2", "Object10", "OBJECT1"}) {
        platform::RegHandle child = platform::kNoKey;
        registry.CreateKey(key, name, &child);
        registry.CloseKey(child);
    }
    platform::RegHandle same = platform::kNoKey;
    EXPECT_EQ(registry.OpenKey(platform::kHkeyCurrentUser, "rOOT\\Object2", &same), 0);
    registry.CloseKey(same);

    std::vector<std::string> names;
    char name[32];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = sizeof(name);
        if (registry.EnumKey(key, i, name, &length) != 0) break;
        names.emplace_back(name, length);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"OBJECT1", "Object10", "object2"}));

    std::uint8_t byte = 1;
    registry.SetValue(key, "Value", platform::kRegNone, &byte, 1);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.QueryValue(key, "VALUE", nullptr, nullptr, &size), 0);
    EXPECT_EQ(size, 1u);
    registry.CloseKey(key);
}

}  // namespace
