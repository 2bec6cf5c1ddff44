#pragma once
// The registry seam: the calls the program makes on the registry, with Win32
// result codes and value types, so that the core can run against the real
// registry or against an in-memory one.

// Standard library
#include <cstdint>

namespace platform {

// An open key. The two predefined roots keep their Win32 values.
using RegHandle = std::uintptr_t;
inline constexpr RegHandle kNoKey = 0;
inline constexpr RegHandle kHkeyCurrentUser = 0x80000001u;
inline constexpr RegHandle kHkeyLocalMachine = 0x80000002u;

// Win32 result codes the program looks at.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;
inline constexpr long kErrorKeyDeleted = 1018;

// Value types. Numbers are stored with type RegNone and their raw bytes.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    // Creates the sub-key (and missing keys on its path) or opens it.
    virtual long CreateKey(RegHandle parent, const char* subKey, RegHandle* result) = 0;
    virtual long OpenKey(RegHandle parent, const char* subKey, RegHandle* result) = 0;
    virtual long CloseKey(RegHandle key) = 0;

    // As RegQueryValueExA: data may be null to ask for type and size only;
    // a buffer that is too small gives kErrorMoreData and the needed size.
    virtual long QueryValue(RegHandle key, const char* name, std::uint32_t* type,
                            void* data, std::uint32_t* size) = 0;
    virtual long SetValue(RegHandle key, const char* name, std::uint32_t type,
                          const void* data, std::uint32_t size) = 0;

    // As RegEnumKeyExA: nameSize is the buffer size in characters on entry and
    // the name's length without its terminating zero on success.
    virtual long EnumKey(RegHandle key, std::uint32_t index, char* name,
                         std::uint32_t* nameSize) = 0;

    // As RegDeleteValueA.
    virtual long DeleteValue(RegHandle key, const char* name) = 0;

    // As RegDeleteKeyA. Windows NT refuses a key that has sub-keys; Windows 95
    // deletes the whole tree.
    virtual long DeleteKey(RegHandle parent, const char* subKey) = 0;
};

// The registry the program runs against: the system's on Windows, a process-wide
// in-memory registry elsewhere.
Registry& SystemRegistry();

}  // namespace platform
