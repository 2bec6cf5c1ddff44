// Framework
#include "ui/framework/SystemFunctions.h"

// Standard library
#include <vector>

// Gtest
#include <gtest/gtest.h>

// Windows
#include <windows.h>

namespace {

// Windows of the test's own, destroyed with it.
class Windows {
public:
    ~Windows()
    {
        for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) ::DestroyWindow(*it);
    }
    HWND Make(DWORD style, HWND parentOrOwner)
    {
        HWND window = ::CreateWindowExA(0, "STATIC", "", style, 0, 0, 50, 50, parentOrOwner, nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr);
        if (window) m_made.push_back(window);
        return window;
    }

private:
    std::vector<HWND> m_made;
};

TEST(SystemFunctions, FindsWhatTheSystemHasAndNothingElse)
{
    EXPECT_EQ(ui::SystemFunction("kernel32.dll", "GetTickCount"),
              reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetTickCount")));
    EXPECT_EQ(ui::SystemFunction("kernel32.dll", "NoSuchFunctionAnywhere"), nullptr);
    EXPECT_EQ(ui::SystemFunction("no-such-module.dll", "GetTickCount"), nullptr);
    // Wine's shell is newer than the IE 4 update: it can empty the bins.
    EXPECT_TRUE(ui::CanEmptyRecycleBin());
}

TEST(SystemFunctions, TheParentWalkFindsTheRootAsGetAncestorDoes)
{
    Windows windows;
    HWND top = windows.Make(WS_OVERLAPPEDWINDOW, nullptr);
    HWND child = windows.Make(WS_CHILD, top);
    HWND grandchild = windows.Make(WS_CHILD, child);
    // An owned pop-up is a root of its own although GetParent names its owner.
    HWND popup = windows.Make(WS_POPUP, top);
    HWND popupChild = windows.Make(WS_CHILD, popup);
    ASSERT_TRUE(top && child && grandchild && popup && popupChild);

    struct Case { HWND window, root; };
    const Case cases[] = {
        {top, top}, {child, top}, {grandchild, top}, {popup, popup}, {popupChild, popup},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::RootWindowByParents(c.window), c.root);
        EXPECT_EQ(::GetAncestor(c.window, GA_ROOT), c.root) << "the table agrees with the system";
        EXPECT_EQ(ui::RootWindow(c.window), c.root);
    }
    EXPECT_EQ(ui::RootWindowByParents(nullptr), nullptr);
}

}  // namespace
