// Platform
#include "platform/System.h"

// Standard library
#include <vector>

// Windows
#include <windows.h>

namespace platform {
namespace {

// 100-nanosecond ticks between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochTicks = 116444736000000000LL;
constexpr std::int64_t kTicksPerSecond = 10000000LL;

}  // namespace

std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    std::string::size_type slash = directory.find_last_of('\\');
    return slash == std::string::npos ? std::string() : directory.substr(0, slash);
}

std::string FileVersion(const std::string& path)
{
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    char root[] = "\\";
    if (!::VerQueryValueA(block.data(), root, reinterpret_cast<void**>(&info), &infoSize) ||
        !info || infoSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionLS));
}

bool IsWindowsNT()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

unsigned UtcMilliseconds()
{
    SYSTEMTIME now;
    ::GetSystemTime(&now);
    return now.wMilliseconds;
}

// The files view's conversion, so that a file shown on a day is found by a
// search for that day.
std::int64_t LocalCalendarSeconds(std::int64_t utcSeconds)
{
    const std::int64_t ticks = kEpochTicks + utcSeconds * kTicksPerSecond;
    if (ticks < 0) return utcSeconds;
    FILETIME utc;
    utc.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks));
    utc.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
    FILETIME local;
    if (!::FileTimeToLocalFileTime(&utc, &local)) return utcSeconds;
    const std::int64_t localTicks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
    return (localTicks - kEpochTicks) / kTicksPerSecond;
}

}  // namespace platform
