// The program's stand-ins for kernel32's wide functions, linked into this
// test as into the program: calls through the import slots reach them.

// Gtest
#include <gtest/gtest.h>

// Windows
#include <windows.h>

extern "C" HANDLE WINAPI TrailmarkCreateSemaphoreW(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR);
extern "C" void* trailmarkCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16");

namespace {

TEST(WideImports, TheSlotsLeadToTheAnsiFunctions)
{
    EXPECT_EQ(trailmarkCreateSemaphoreW, reinterpret_cast<void*>(&TrailmarkCreateSemaphoreW));

    // A semaphore that counts: one release lets exactly one wait through.
    HANDLE semaphore = ::CreateSemaphoreW(nullptr, 0, 2, nullptr);
    ASSERT_NE(semaphore, nullptr);
    EXPECT_EQ(::WaitForSingleObject(semaphore, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(::ReleaseSemaphore(semaphore, 1, nullptr));
    EXPECT_EQ(::WaitForSingleObject(semaphore, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(::WaitForSingleObject(semaphore, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ::CloseHandle(semaphore);

    // A named one is found again by its ANSI name.
    HANDLE named = ::CreateSemaphoreW(nullptr, 1, 1, L"TrailmarkWideImportsTest");
    ASSERT_NE(named, nullptr);
    HANDLE same = ::OpenSemaphoreA(SYNCHRONIZE, FALSE, "TrailmarkWideImportsTest");
    EXPECT_NE(same, nullptr);
    if (same) ::CloseHandle(same);
    ::CloseHandle(named);

    EXPECT_EQ(::GetModuleHandleW(L"kernel32.dll"), ::GetModuleHandleA("kernel32.dll"));
    EXPECT_EQ(::GetModuleHandleW(nullptr), ::GetModuleHandleA(nullptr));
    EXPECT_EQ(::GetModuleHandleW(L"no-such-module.dll"), nullptr);
    HMODULE version = ::LoadLibraryW(L"version.dll");
    EXPECT_NE(version, nullptr);
    EXPECT_EQ(version, ::GetModuleHandleA("version.dll"));
    EXPECT_EQ(::LoadLibraryW(nullptr), nullptr);
}

}  // namespace
