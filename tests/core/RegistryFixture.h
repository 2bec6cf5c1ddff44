#pragma once
// Runs a test against each registry the core can meet: the memory registry with
// Windows NT and with Windows 95 key deletion, and under Wine also the system's.

// Core
#include "core/app/RegistryKey.h"

// Platform
#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

enum class RegistryKind { MemoryNT, Memory95, System };

inline std::string RegistryKindName(const testing::TestParamInfo<RegistryKind>& info)
{
    switch (info.param) {
    case RegistryKind::MemoryNT: return "MemoryNT";
    case RegistryKind::Memory95: return "Memory95";
    default: return "System";
    }
}

inline std::vector<RegistryKind> AllRegistryKinds()
{
    std::vector<RegistryKind> kinds{RegistryKind::MemoryNT, RegistryKind::Memory95};
#ifdef _WIN32
    kinds.push_back(RegistryKind::System);
#endif
    return kinds;
}

class RegistryTest : public testing::TestWithParam<RegistryKind> {
protected:
    // A version of our own keeps tests off any real profile of the program.
    static constexpr char kTestVersion[] = "0.0.0.42";

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

    // Opens a key below HKEY_CURRENT_USER for inspection; kNoKey when missing.
    platform::RegHandle Open(const std::string& path)
    {
        platform::RegHandle key = platform::kNoKey;
        m_registry->OpenKey(platform::kHkeyCurrentUser, path.c_str(), &key);
        m_opened.push_back(key);
        return key;
    }

    bool Exists(const std::string& path)
    {
        platform::RegHandle key = platform::kNoKey;
        if (m_registry->OpenKey(platform::kHkeyCurrentUser, path.c_str(), &key) != 0)
            return false;
        m_registry->CloseKey(key);
        return true;
    }

    ~RegistryTest() override
    {
        for (platform::RegHandle key : m_opened)
            if (key != platform::kNoKey) m_registry->CloseKey(key);
    }

private:
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
    std::vector<platform::RegHandle> m_opened;
};
