// Platform
#include "platform/Registry.h"

// Windows
#include <windows.h>

namespace platform {
namespace {

HKEY ToHkey(RegHandle key) { return reinterpret_cast<HKEY>(key); }

class Win32Registry final : public Registry {
public:
    long CreateKey(RegHandle parent, const char* subKey, RegHandle* result) override
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        char emptyClass[] = "";
        LONG rc = ::RegCreateKeyExA(ToHkey(parent), subKey, 0, emptyClass,
                                    REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                    &disposition);
        *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegHandle>(key) : kNoKey;
        return rc;
    }

    long OpenKey(RegHandle parent, const char* subKey, RegHandle* result) override
    {
        HKEY key = nullptr;
        LONG rc = ::RegOpenKeyExA(ToHkey(parent), subKey, 0, KEY_ALL_ACCESS, &key);
        *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegHandle>(key) : kNoKey;
        return rc;
    }

    long CloseKey(RegHandle key) override { return ::RegCloseKey(ToHkey(key)); }

    long QueryValue(RegHandle key, const char* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override
    {
        DWORD valueType = 0;
        DWORD byteCount = size ? *size : 0;
        LONG rc = ::RegQueryValueExA(ToHkey(key), name, nullptr, &valueType,
                                     static_cast<BYTE*>(data), size ? &byteCount : nullptr);
        if (type) *type = valueType;
        if (size) *size = byteCount;
        return rc;
    }

    long SetValue(RegHandle key, const char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override
    {
        return ::RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data),
                                size);
    }

    long EnumKey(RegHandle key, std::uint32_t index, char* name,
                 std::uint32_t* nameSize) override
    {
        DWORD length = *nameSize;
        FILETIME written;
        LONG rc = ::RegEnumKeyExA(ToHkey(key), index, name, &length, nullptr, nullptr,
                                  nullptr, &written);
        *nameSize = length;
        return rc;
    }

    long DeleteValue(RegHandle key, const char* name) override
    {
        return ::RegDeleteValueA(ToHkey(key), name);
    }

    long DeleteKey(RegHandle parent, const char* subKey) override
    {
        return ::RegDeleteKeyA(ToHkey(parent), subKey);
    }
};

}  // namespace

Registry& SystemRegistry()
{
    static Win32Registry registry;
    return registry;
}

}  // namespace platform
