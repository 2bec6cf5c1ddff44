// The compiler's support libraries call three wide-character functions of
// kernel32 that Windows 95 only carries as stubs that fail: CreateSemaphoreW
// (the runtime's own locks), GetModuleHandleW and LoadLibraryW (the C
// library's look-ups of optional functions). The program answers their
// import slots itself with the ANSI functions every target implements, so
// the exe imports no wide function of kernel32 at all. Linked into the
// program itself, ahead of the import libraries.

// Standard library
#include <string>

// Windows
#include <windows.h>

namespace {

// The names these callers pass are plain ASCII module names.
std::string Narrow(LPCWSTR text)
{
    std::string narrow;
    if (!text) return narrow;
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return narrow;
    narrow.resize(static_cast<std::size_t>(length));
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(length - 1));
    return narrow;
}

}  // namespace

extern "C" {

HANDLE WINAPI TrailmarkCreateSemaphoreW(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum, LPCWSTR name)
{
    const std::string narrow = Narrow(name);
    return ::CreateSemaphoreA(security, initial, maximum, name ? narrow.c_str() : nullptr);
}

HMODULE WINAPI TrailmarkGetModuleHandleW(LPCWSTR name)
{
    const std::string narrow = Narrow(name);
    return ::GetModuleHandleA(name ? narrow.c_str() : nullptr);
}

HMODULE WINAPI TrailmarkLoadLibraryW(LPCWSTR name)
{
    if (!name) return nullptr;
    return ::LoadLibraryA(Narrow(name).c_str());
}

// The import slots the libraries call through.
void* trailmarkCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16") =
    reinterpret_cast<void*>(&TrailmarkCreateSemaphoreW);
void* trailmarkGetModuleHandleW __asm__("__imp__GetModuleHandleW@4") =
    reinterpret_cast<void*>(&TrailmarkGetModuleHandleW);
void* trailmarkLoadLibraryW __asm__("__imp__LoadLibraryW@4") = reinterpret_cast<void*>(&TrailmarkLoadLibraryW);

}  // extern "C"
