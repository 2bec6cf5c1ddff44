#pragma once
// Runs a test against each registry the core can meet: the memory registry with
// Windows NT and with Windows 95 key deletion, and under Wine also the system's.
// Helpers read and plant raw values below HKEY_CURRENT_USER.

// Core
#include "core/app/RegistryKey.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

enum class RegistryKind { MemoryNT, Memory95, System };

inline std::string RegistryKindName(const testing::TestParamInfo<RegistryKind>& info)
{
    const char* names[] = {"MemoryNT", "Memory95", "System"};
    return names[static_cast<int>(info.param)];
}

inline std::vector<RegistryKind> AllRegistryKinds()
{
    std::vector<RegistryKind> kinds{RegistryKind::MemoryNT, RegistryKind::Memory95};
#ifdef _WIN32
    kinds.push_back(RegistryKind::System);
#endif
    return kinds;
}

#define INSTANTIATE_FOR_EVERY_REGISTRY(suite)                                              \
    INSTANTIATE_TEST_SUITE_P(Registries, suite, testing::ValuesIn(AllRegistryKinds()), \
                             RegistryKindName)

using Bytes = std::vector<std::uint8_t>;

class RegistryTest : public testing::TestWithParam<RegistryKind> {
protected:
    // A version of our own keeps tests off any real profile of the program.
    static constexpr char kTestVersion[] = "0.0.0.42";
    inline static const std::string kRoot =
        "Software\\Norvane Software, Inc.\\Trailmark\\0.0.0.42";

    void SetUp() override
    {
        if (GetParam() == RegistryKind::System) {
            m_registry = &platform::SystemRegistry();
            WipeTestKeys();
        } else {
            m_memory = std::make_unique<platform::MemoryRegistry>(
                GetParam() == RegistryKind::MemoryNT ? platform::DeleteSemantics::WindowsNT
                                                     : platform::DeleteSemantics::Windows95);
            m_registry = m_memory.get();
        }
    }

    void TearDown() override
    {
        if (GetParam() == RegistryKind::System) WipeTestKeys();
    }

    bool WindowsNT() const { return GetParam() != RegistryKind::Memory95; }
    platform::Registry& Registry() { return *m_registry; }
    platform::MemoryRegistry* Memory() { return m_memory.get(); }

    bool Exists(const std::string& path)
    {
        return WithKey(path, [](platform::RegHandle) {});
    }

    Bytes ReadRaw(const std::string& path, const char* name, std::uint32_t* type = nullptr)
    {
        Bytes bytes;
        WithKey(path, [&](platform::RegHandle key) {
            std::uint32_t size = 0;
            if (Registry().QueryValue(key, name, type, nullptr, &size) != 0) return;
            bytes.resize(size);
            Registry().QueryValue(key, name, type, bytes.data(), &size);
        });
        return bytes;
    }

    std::string ReadRawText(const std::string& path, const char* name)
    {
        const Bytes bytes = ReadRaw(path, name);
        return std::string(bytes.begin(), bytes.end());
    }

    bool HasValue(const std::string& path, const char* name)
    {
        bool found = false;
        WithKey(path, [&](platform::RegHandle key) {
            std::uint32_t size = 0;
            found = Registry().QueryValue(key, name, nullptr, nullptr, &size) == 0;
        });
        return found;
    }

    void WriteRaw(const std::string& path, const char* name, std::uint32_t type, const Bytes& bytes)
    {
        platform::RegHandle key = platform::kNoKey;
        Registry().CreateKey(platform::kHkeyCurrentUser, path.c_str(), &key);
        if (name)
            Registry().SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        Registry().CloseKey(key);
    }

    void WriteRawText(const std::string& path, const char* name, const std::string& text)
    {
        Bytes bytes(text.begin(), text.end());
        bytes.push_back(0);
        WriteRaw(path, name, platform::kRegSz, bytes);
    }

    void CreateRawKey(const std::string& path) { WriteRaw(path, nullptr, 0, {}); }

    // Sub-key names of a key, in enumeration order.
    std::vector<std::string> SubKeys(const std::string& path)
    {
        std::vector<std::string> names;
        WithKey(path, [&](platform::RegHandle key) {
            char name[300];
            for (std::uint32_t i = 0;; ++i) {
                std::uint32_t length = sizeof(name);
                if (Registry().EnumKey(key, i, name, &length) != 0) break;
                names.emplace_back(name, length);
            }
        });
        return names;
    }

private:
    // Opens an existing key for inspection; false when it is missing.
    bool WithKey(const std::string& path, const std::function<void(platform::RegHandle)>& use)
    {
        platform::RegHandle key = platform::kNoKey;
        if (m_registry->OpenKey(platform::kHkeyCurrentUser, path.c_str(), &key) != 0) return false;
        use(key);
        m_registry->CloseKey(key);
        return true;
    }

    void WipeTestKeys()
    {
        const std::string app = "Software\\Norvane Software, Inc.\\Trailmark";
        platform::RegHandle key = platform::kNoKey;
        if (m_registry->OpenKey(platform::kHkeyCurrentUser, app.c_str(), &key) == 0) {
            DeleteKeyTree(*m_registry, key, kTestVersion, true);
            m_registry->CloseKey(key);
        }
    }

    std::unique_ptr<platform::MemoryRegistry> m_memory;
    platform::Registry* m_registry = nullptr;
};
