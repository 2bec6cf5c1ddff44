#pragma once
// A registry that passes every call on and notes the names of the values
// written, so that tests can check the writing order of records.

// Platform
#include "platform/Registry.h"

// Standard library
#include <string>
#include <vector>

class RecordingRegistry final : public platform::Registry {
public:
    explicit RecordingRegistry(platform::Registry& inner) : m_inner(inner) {}

    long CreateKey(platform::RegHandle parent, const char* subKey,
                   platform::RegHandle* result) override
    {
        return m_inner.CreateKey(parent, subKey, result);
    }
    long OpenKey(platform::RegHandle parent, const char* subKey,
                 platform::RegHandle* result) override
    {
        return m_inner.OpenKey(parent, subKey, result);
    }
    long CloseKey(platform::RegHandle key) override { return m_inner.CloseKey(key); }
    long QueryValue(platform::RegHandle key, const char* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override
    {
        return m_inner.QueryValue(key, name, type, data, size);
    }
    long SetValue(platform::RegHandle key, const char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override
    {
        written.emplace_back(name ? name : "");
        return m_inner.SetValue(key, name, type, data, size);
    }
    long EnumKey(platform::RegHandle key, std::uint32_t index, char* name,
                 std::uint32_t* nameSize) override
    {
        return m_inner.EnumKey(key, index, name, nameSize);
    }
    long DeleteValue(platform::RegHandle key, const char* name) override
    {
        return m_inner.DeleteValue(key, name);
    }
    long DeleteKey(platform::RegHandle parent, const char* subKey) override
    {
        return m_inner.DeleteKey(parent, subKey);
    }

    std::vector<std::string> written;

private:
    platform::Registry& m_inner;
};
