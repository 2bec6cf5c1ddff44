#pragma once
// Makes sure one copy of the program runs: a named mutex, and a window class of
// the same name that the main frame uses so that a second copy can find it.

// Standard library
#include <functional>
#include <string>

// Windows
#include <windows.h>

class SingleInstanceGuard {
public:
    SingleInstanceGuard() = default;
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when start-up goes on: this is the first copy, or the first copy
    // could not be brought to the top. False after activating the first copy.
    bool Create(HINSTANCE instance, const std::string& appTitle);

    // The mutex name, which is also the main frame's window class.
    const std::string& Name() const { return m_name; }
    bool HoldsMutex() const { return m_mutex != nullptr; }

    // Replaced by tests to make bringing the first copy to the top fail.
    std::function<BOOL(HWND)> bringToTop = ::BringWindowToTop;

private:
    bool RegisterFrameClass(HINSTANCE instance);
    bool ActivateFirstCopy(HWND first);

    HANDLE m_mutex = nullptr;
    std::string m_name;
    HINSTANCE m_instance = nullptr;
    bool m_registeredClass = false;
};
