#pragma once
// One open registry key and the value operations every stored object uses.

// Platform
#include "platform/Registry.h"

// Standard library
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::size_t kMaxTextChars = 260;  // longest text a read returns

class CRegistryKey {
public:
    // Creates the sub-key under parent, or opens it when it exists.
    CRegistryKey(platform::Registry& registry, platform::RegHandle parent, std::string subKey);
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool IsOpen() const { return m_key != platform::kNoKey; }
    platform::RegHandle Handle() const { return m_key; }
    platform::RegHandle Parent() const { return m_parent; }
    const std::string& SubKey() const { return m_subKey; }
    platform::Registry& Registry() const { return *m_registry; }

    // Closes the handle and creates the key again, after it was deleted.
    bool Recreate();

    bool WriteText(const char* name, const std::string& text);
    // Writes the lowest `width` bytes (1 or 4) of value, little-endian, type 0.
    bool WriteNumber(const char* name, std::uint32_t value, int width);
    bool WriteBlock(const char* name, const void* data, std::size_t size);
    bool DeleteValue(const char* name);

    // A text of at most kMaxTextChars characters; fallback when the value is
    // missing, too long or not a text.
    std::string ReadText(const char* name, const std::string& fallback) const;
    // Reads at most `capacity` bytes into data after testing that the value
    // exists. Gives the number of bytes read; data is untouched on failure.
    std::optional<std::size_t> ReadBlock(const char* name, void* data,
                                         std::size_t capacity) const;
    // Reads at most `width` bytes into the low bytes of value.
    bool ReadNumber(const char* name, std::uint32_t& value, int width) const;
    bool ReadNumber(const char* name, std::int32_t& value) const;
    bool ReadByte(const char* name, std::uint8_t& value) const;

    // Sub-key `index` with a name buffer of `bufferChars` characters. Empty at the
    // end of the enumeration (no more items, or the key was deleted); any other
    // failure still counts as an entry and gives an empty name.
    std::optional<std::string> EnumSubKey(std::uint32_t index, std::uint32_t bufferChars) const;

private:
    platform::Registry* m_registry;
    platform::RegHandle m_key = platform::kNoKey;
    platform::RegHandle m_parent;
    std::string m_subKey;
};

// Deletes `subKey` under parent with all keys below it. On Windows NT a key with
// sub-keys cannot be deleted, so the tree is removed depth first.
bool DeleteKeyTree(platform::Registry& registry, platform::RegHandle parent,
                   const std::string& subKey, bool windowsNT);
