#pragma once
// A fresh profile asks once how folders should open, and a start shows the
// tip of the day; the benchmarks answer both as a user in a hurry would, or
// they would wait for a user on their first run in a new prefix. Every
// benchmark starts the program the same way (StartForBenchmark).

// Core
#include "core/app/Settings.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Windows of the program
#include "ui/folders/FilesView.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/WindowList.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

inline LRESULT CALLBACK AnswerStartQuestions(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char title[64] = "";
        ::GetWindowTextA(window, title, sizeof(title));
        const std::string text = title;
        if (text == "Choose View Mode") ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        if (text == "Welcome - Tip of the day") ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Starts the program in this process with the start's questions answered,
// folders in windows of their own and no desktop saved at the end.
inline bool StartForBenchmark(CTrailmarkApp& app)
{
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, AnswerStartQuestions, nullptr, ::GetCurrentThreadId());
    const bool started = app.InitInstance();
    if (hook) ::UnhookWindowsHookEx(hook);
    if (!started) return false;
    app.Settings().SetSetting(Setting::ExplorerMode, 0);
    app.Settings().SetSetting(Setting::SaveDesktop, 0);
    return true;
}

// New folder windows in Details mode, sorted by name (through the shell
// folder's comparison), and none of the windows the profile reopened: a
// navigation to a folder one of them shows would activate it instead.
inline void StartWithoutWindowsInDetails(CTrailmarkApp& app)
{
    app.Settings().SetSetting(Setting::ViewMode, CFilesView::kDetailsMode);
    app.Settings().SetSetting(Setting::Arrangement, 0);
    while (!CWindowList::Instance().Windows().empty()) {
        CBasicWindow* window = CWindowList::Instance().Windows().front();
        ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
}
