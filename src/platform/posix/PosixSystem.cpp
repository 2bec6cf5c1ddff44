// Platform
#include "platform/System.h"

// Standard library
#include <chrono>
#include <ctime>

// POSIX
#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ProgramDirectory()
{
    char path[PATH_MAX] = {};
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return {};
    std::string directory(path, static_cast<std::size_t>(length));
    std::string::size_type slash = directory.find_last_of('/');
    return slash == std::string::npos ? std::string() : directory.substr(0, slash);
}

// Native builds carry no version resources.
std::string FileVersion(const std::string&) { return {}; }

bool IsWindowsNT() { return true; }

unsigned UtcMilliseconds()
{
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<unsigned>(ms % 1000);
}

std::int64_t LocalCalendarSeconds(std::int64_t utcSeconds)
{
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (!::localtime_r(&time, &local)) return utcSeconds;
    return utcSeconds + local.tm_gmtoff;
}

}  // namespace platform
