#pragma once
// Drives modal dialogs from inside their own message loop: a thread timer
// looks for the dialog each step names (by a control it holds) and runs the
// step with it. Steps post their clicks, so a dialog that a click opens runs
// its loop without the step on the stack.

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <deque>
#include <functional>
#include <string>

// Windows
#include <windows.h>

// Gtest
#include <gtest/gtest.h>

namespace uitest {

struct ControlSearch {
    int id;
    HWND found;
};

inline BOOL CALLBACK MatchControl(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

// A control with `id` anywhere below `root` (pages of a sheet included).
inline HWND FindControl(HWND root, int id)
{
    if (HWND direct = ::GetDlgItem(root, id)) return direct;
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(root, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline bool IsDialogWindow(HWND hwnd)
{
    char className[16] = "";
    ::GetClassNameA(hwnd, className, sizeof(className));
    return std::string(className) == "#32770";
}

inline BOOL CALLBACK MatchActiveDialog(HWND hwnd, LPARAM data)
{
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (!IsDialogWindow(hwnd) || !::IsWindowVisible(hwnd) || !::IsWindowEnabled(hwnd) ||
        !FindControl(hwnd, search->id))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The visible, enabled dialog of this thread that holds control `id`: the one
// the user can work with now (a dialog under a modal one is disabled).
inline HWND FindActiveDialogWith(int id)
{
    ControlSearch search{id, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchActiveDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline BOOL CALLBACK CancelDialog(HWND hwnd, LPARAM)
{
    if (IsDialogWindow(hwnd) && ::IsWindowEnabled(hwnd)) ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

inline bool ControlEnabled(HWND dialog, int id) { return ::IsWindowEnabled(FindControl(dialog, id)) != FALSE; }

// Types into an edit; the edit tells its dialog at once (EN_CHANGE).
inline void Type(HWND dialog, int id, const char* text) { ::SetWindowTextA(FindControl(dialog, id), text); }

// Clicks a button, check box or radio button at once, with its notification.
inline void ClickNow(HWND dialog, int id) { ::SendMessageA(FindControl(dialog, id), BM_CLICK, 0, 0); }

// Clicks a button once the running step has returned.
inline void Click(HWND dialog, int id) { ::PostMessageA(FindControl(dialog, id), BM_CLICK, 0, 0); }

// Selects list box entries as a click would, with the notification.
inline void SelectEntries(HWND dialog, int listId, std::initializer_list<int> entries, bool multiple)
{
    HWND list = FindControl(dialog, listId);
    if (multiple) {
        ::SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int entry : entries) ::SendMessageA(list, LB_SETSEL, TRUE, entry);
    } else {
        ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(*entries.begin()), 0);
    }
    ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

class DialogScript {
public:
    using Step = std::function<void(HWND dialog)>;

    DialogScript()
    {
        s_active = this;
        m_timer = ::SetTimer(nullptr, 0, kTickMs, Tick);
    }
    ~DialogScript()
    {
        ::KillTimer(nullptr, m_timer);
        s_active = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The next step runs with the first active dialog holding `controlId`.
    DialogScript& Then(int controlId, Step step)
    {
        m_steps.push_back({controlId, std::move(step)});
        return *this;
    }

    // Every step ran, and the script never had to cancel a dialog that no
    // step found or that outlived the script.
    void ExpectDone() const
    {
        EXPECT_TRUE(m_steps.empty());
        EXPECT_FALSE(m_gaveUp);
    }

private:
    static constexpr UINT kTickMs = 20;
    // Ticks without a step before the script cancels the open dialogs; only
    // keeps a broken test from hanging.
    static constexpr int kPatienceTicks = 500;

    struct Pending {
        int controlId;
        Step step;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_active) s_active->OnTick();
    }

    void OnTick()
    {
        if (m_running) return;
        if (!m_steps.empty()) {
            if (HWND dialog = FindActiveDialogWith(m_steps.front().controlId)) {
                Pending next = std::move(m_steps.front());
                m_steps.pop_front();
                m_idleTicks = 0;
                m_running = true;
                next.step(dialog);
                m_running = false;
                return;
            }
        }
        if (++m_idleTicks < kPatienceTicks) return;
        m_gaveUp = true;
        m_idleTicks = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialog, 0);
    }

    inline static DialogScript* s_active = nullptr;
    UINT_PTR m_timer = 0;
    std::deque<Pending> m_steps;
    bool m_running = false;
    bool m_gaveUp = false;
    int m_idleTicks = 0;
};

}  // namespace uitest
