#pragma once
// Facts about the running program and system that the core asks for.

// Standard library
#include <cstdint>
#include <string>

namespace platform {

// The folder the program file lies in, without a trailing backslash.
std::string ProgramDirectory();

// The fixed file version of a program file as "a.b.c.d", or "" when the file
// has no readable version block.
std::string FileVersion(const std::string& path);

// True on the Windows NT platform.
bool IsWindowsNT();

// The milliseconds part of the current UTC time (0..999); seeds the random numbers.
unsigned UtcMilliseconds();

// A time in seconds since 1970 (UTC) moved to the local calendar: the seconds
// since 1970 at which a UTC clock would show what a local clock shows then.
// The offset is the one the files view uses to show file times.
std::int64_t LocalCalendarSeconds(std::int64_t utcSeconds);

}  // namespace platform
