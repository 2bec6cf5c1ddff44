#pragma once
// A settings store with the keys of user "User1234" open, over each registry
// of RegistryTest.

// Core
#include "core/app/SettingsStore.h"

// Tests
#include "core/RegistryFixture.h"

// Standard library
#include <memory>
#include <string>

class StoreTest : public RegistryTest {
protected:
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
        return kRoot + (section == "Users" ? "" : std::string("\\") + kUserDir) + "\\" + section;
    }

private:
    std::unique_ptr<CSettingsStore> m_store;
};
