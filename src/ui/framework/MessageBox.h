#pragma once
// Message boxes of the program. Tests replace the box with an answering hook.

// Standard library
#include <functional>
#include <string>

// Windows
#include <windows.h>

namespace ui {

// Shows `text` with the flags of MessageBoxA and the program's title; gives the
// button pressed (IDYES, IDNO ...).
int ShowMessage(HWND owner, const std::string& text, UINT flags);
// Shows the string resource `id`.
int ShowMessage(HWND owner, UINT id, UINT flags);

// A loaded string resource, "" when missing.
std::string LoadString(UINT id);

using MessageHook = std::function<int(const std::string& text, UINT flags)>;
// While a hook is set, no box appears: the hook answers in its place.
void SetMessageHook(MessageHook hook);

}  // namespace ui
