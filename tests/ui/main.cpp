// The UI tests run on the thread that owns their windows; no threads of gtest's own.

// Tests
#include "ui/UiTestSupport.h"

// Gtest
#include <gmock/gmock.h>

namespace {

HHOOK g_hook = nullptr;

// A fresh profile asks once how folders should open. Tests start fresh
// profiles all the time; unless a test answers itself, the question is
// answered with Cancel as a user in a hurry would. The tip window that a
// start shows is closed the same way.
LRESULT CALLBACK AnswerViewModeQuestion(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && uitest::AutoAnswerViewMode()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char title[64] = "";
        ::GetWindowTextA(window, title, sizeof(title));
        if (std::string(title) == "Choose View Mode") ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    if (code == HCBT_ACTIVATE && uitest::AutoCloseTips()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char title[64] = "";
        ::GetWindowTextA(window, title, sizeof(title));
        if (std::string(title) == "Welcome - Tip of the day") ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
    g_hook = ::SetWindowsHookExA(WH_CBT, AnswerViewModeQuestion, nullptr, ::GetCurrentThreadId());
    const int result = RUN_ALL_TESTS();
    if (g_hook) ::UnhookWindowsHookEx(g_hook);
    return result;
}
