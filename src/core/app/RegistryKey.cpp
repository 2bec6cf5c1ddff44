#include "core/app/RegistryKey.h"

// Standard library
#include <cstring>
#include <utility>
#include <vector>

CRegistryKey::CRegistryKey(platform::Registry& registry, platform::RegHandle parent,
                           std::string subKey)
    : m_registry(&registry), m_parent(parent), m_subKey(std::move(subKey))
{
    if (m_parent != platform::kNoKey) registry.CreateKey(m_parent, m_subKey.c_str(), &m_key);
}

CRegistryKey::~CRegistryKey()
{
    if (IsOpen()) m_registry->CloseKey(m_key);
}

bool CRegistryKey::Recreate()
{
    if (IsOpen()) m_registry->CloseKey(m_key);
    m_key = platform::kNoKey;
    if (m_parent == platform::kNoKey) return false;
    return m_registry->CreateKey(m_parent, m_subKey.c_str(), &m_key) == platform::kErrorSuccess;
}

bool CRegistryKey::WriteText(const char* name, const std::string& text)
{
    return m_registry->SetValue(m_key, name, platform::kRegSz, text.c_str(),
                                static_cast<std::uint32_t>(text.size() + 1)) ==
           platform::kErrorSuccess;
}

bool CRegistryKey::WriteNumber(const char* name, std::uint32_t value, int width)
{
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    const auto size = static_cast<std::uint32_t>(width == 1 ? 1 : 4);
    return m_registry->SetValue(m_key, name, platform::kRegNone, bytes, size) ==
           platform::kErrorSuccess;
}

bool CRegistryKey::WriteBlock(const char* name, const void* data, std::size_t size)
{
    return m_registry->SetValue(m_key, name, platform::kRegBinary, data,
                                static_cast<std::uint32_t>(size)) == platform::kErrorSuccess;
}

bool CRegistryKey::DeleteValue(const char* name)
{
    return m_registry->DeleteValue(m_key, name) == platform::kErrorSuccess;
}

std::string CRegistryKey::ReadText(const char* name, const std::string& fallback) const
{
    char buffer[kMaxTextChars + 1];
    std::uint32_t size = sizeof(buffer);
    std::uint32_t type = 0;
    if (m_registry->QueryValue(m_key, name, &type, buffer, &size) != platform::kErrorSuccess ||
        type != platform::kRegSz)
        return fallback;
    // A stored text need not carry its terminating zero.
    return std::string(buffer, ::strnlen(buffer, size));
}

std::optional<std::size_t> CRegistryKey::ReadBlock(const char* name, void* data,
                                                   std::size_t capacity) const
{
    std::uint32_t size = 0;
    if (m_registry->QueryValue(m_key, name, nullptr, nullptr, &size) != platform::kErrorSuccess)
        return std::nullopt;
    // A longer value fails as it does with the real call; a shorter one fills
    // only what it covers.
    std::vector<std::uint8_t> buffer(capacity);
    size = static_cast<std::uint32_t>(capacity);
    if (m_registry->QueryValue(m_key, name, nullptr, buffer.data(), &size) !=
            platform::kErrorSuccess ||
        size > capacity)
        return std::nullopt;
    if (size) std::memcpy(data, buffer.data(), size);
    return size;
}

bool CRegistryKey::ReadNumber(const char* name, std::uint32_t& value, int width) const
{
    std::uint8_t bytes[4] = {};
    const std::size_t capacity = width == 1 ? 1 : 4;
    std::optional<std::size_t> read = ReadBlock(name, bytes, capacity);
    if (!read) return false;
    for (std::size_t i = 0; i < *read; ++i) {
        value &= ~(0xFFu << (8 * i));
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    return true;
}

bool CRegistryKey::ReadNumber(const char* name, std::int32_t& value) const
{
    auto bits = static_cast<std::uint32_t>(value);
    if (!ReadNumber(name, bits, 4)) return false;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool CRegistryKey::ReadByte(const char* name, std::uint8_t& value) const
{
    std::uint32_t bits = value;
    if (!ReadNumber(name, bits, 1)) return false;
    value = static_cast<std::uint8_t>(bits);
    return true;
}

std::optional<std::string> CRegistryKey::EnumSubKey(std::uint32_t index,
                                                    std::uint32_t bufferChars) const
{
    std::vector<char> name(bufferChars + 1, '\0');
    std::uint32_t length = bufferChars;
    long rc = m_registry->EnumKey(m_key, index, name.data(), &length);
    if (rc == platform::kErrorNoMoreItems || rc == platform::kErrorKeyDeleted) return std::nullopt;
    if (rc != platform::kErrorSuccess) return std::string();
    return std::string(name.data(), ::strnlen(name.data(), bufferChars));
}

bool DeleteKeyTree(platform::Registry& registry, platform::RegHandle parent,
                   const std::string& subKey, bool windowsNT)
{
    if (!windowsNT) return registry.DeleteKey(parent, subKey.c_str()) == platform::kErrorSuccess;

    platform::RegHandle key = platform::kNoKey;
    if (registry.OpenKey(parent, subKey.c_str(), &key) != platform::kErrorSuccess) return false;
    // Always take sub-key 0 again: deleting renumbers the rest. A child that
    // cannot be deleted ends the walk rather than looping on it.
    char name[kMaxTextChars + 1];
    for (;;) {
        std::uint32_t length = sizeof(name) - 1;
        if (registry.EnumKey(key, 0, name, &length) != platform::kErrorSuccess) break;
        name[length] = '\0';
        if (!DeleteKeyTree(registry, key, name, true)) break;
    }
    registry.CloseKey(key);
    return registry.DeleteKey(parent, subKey.c_str()) == platform::kErrorSuccess;
}
