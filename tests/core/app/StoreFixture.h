#pragma once
// A settings store with the keys of user "User1234" open, over each registry
// of RegistryTest, with helpers that read and plant raw records.

// Core
#include "core/app/SettingsStore.h"

// Tests
#include "core/RegistryFixture.h"

// Standard library
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class StoreTest : public RegistryTest {
protected:
    static constexpr char kRoot[] = "Software\\Norvane Software, Inc.\\Trailmark\\0.0.0.42";
    static constexpr char kUserDir[] = "User1234";

    void SetUp() override
    {
        RegistryTest::SetUp();
        m_store = std::make_unique<CSettingsStore>(Registry(), kTestVersion, WindowsNT());
        m_store->OpenUserKeys(kUserDir);
    }

    void TearDown() override
    {
        m_store.reset();
        RegistryTest::TearDown();
    }

    CSettingsStore& Store() { return *m_store; }

    // Path of a section key below HKEY_CURRENT_USER.
    static std::string SectionPath(const std::string& section)
    {
        return section == "Users" ? std::string(kRoot) + "\\Users"
                                  : std::string(kRoot) + "\\" + kUserDir + "\\" + section;
    }

    std::vector<std::uint8_t> ReadRaw(const std::string& path, const char* name,
                                      std::uint32_t* type = nullptr)
    {
        platform::RegHandle key = Open(path);
        std::uint32_t size = 0;
        std::uint32_t valueType = 0;
        if (key == platform::kNoKey ||
            Registry().QueryValue(key, name, &valueType, nullptr, &size) != 0)
            return {};
        std::vector<std::uint8_t> bytes(size);
        Registry().QueryValue(key, name, &valueType, bytes.data(), &size);
        if (type) *type = valueType;
        return bytes;
    }

    std::string ReadRawText(const std::string& path, const char* name)
    {
        std::vector<std::uint8_t> bytes = ReadRaw(path, name);
        return std::string(bytes.begin(), bytes.end());
    }

    bool HasValue(const std::string& path, const char* name)
    {
        platform::RegHandle key = Open(path);
        std::uint32_t size = 0;
        return key != platform::kNoKey &&
               Registry().QueryValue(key, name, nullptr, nullptr, &size) == 0;
    }

    void WriteRaw(const std::string& path, const char* name, std::uint32_t type,
                  const std::vector<std::uint8_t>& bytes)
    {
        platform::RegHandle key = platform::kNoKey;
        Registry().CreateKey(platform::kHkeyCurrentUser, path.c_str(), &key);
        Registry().SetValue(key, name, type, bytes.data(),
                            static_cast<std::uint32_t>(bytes.size()));
        Registry().CloseKey(key);
    }

    void WriteRawText(const std::string& path, const char* name, const std::string& text)
    {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        WriteRaw(path, name, platform::kRegSz, bytes);
    }

    void CreateRawKey(const std::string& path)
    {
        platform::RegHandle key = platform::kNoKey;
        Registry().CreateKey(platform::kHkeyCurrentUser, path.c_str(), &key);
        Registry().CloseKey(key);
    }

    // Sub-key names of a key, in enumeration order.
    std::vector<std::string> SubKeys(const std::string& path)
    {
        std::vector<std::string> names;
        platform::RegHandle key = Open(path);
        if (key == platform::kNoKey) return names;
        char name[300];
        for (std::uint32_t i = 0;; ++i) {
            std::uint32_t length = sizeof(name);
            if (Registry().EnumKey(key, i, name, &length) != 0) break;
            names.emplace_back(name, length);
        }
        return names;
    }

private:
    std::unique_ptr<CSettingsStore> m_store;
};
