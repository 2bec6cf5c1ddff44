#include "ui/framework/MessageBox.h"

// Framework
#include "ui/framework/Application.h"

namespace ui {
namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

// The program's title, string 90 of the resources.
constexpr UINT kTitleString = 90;

}  // namespace

void SetMessageHook(MessageHook hook) { Hook() = std::move(hook); }

std::string LoadString(UINT id)
{
    char text[1024] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof(text));
    return text;
}

int ShowMessage(HWND owner, const std::string& text, UINT flags)
{
    if (Hook()) return Hook()(text, flags);
    return ::MessageBoxA(owner, text.c_str(), LoadString(kTitleString).c_str(), flags);
}

int ShowMessage(HWND owner, UINT id, UINT flags)
{
    return ShowMessage(owner, LoadString(id), flags);
}

}  // namespace ui
