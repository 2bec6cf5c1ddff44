#pragma once
// A fresh profile asks once how folders should open, and a start shows the
// tip of the day; the benchmarks answer both as a user in a hurry would, or
// they would wait for a user on their first run in a new prefix.

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
