#pragma once
// Functions that only later systems export. The program must load on
// Windows 95 and NT 4, which refuse an exe importing a function they lack, so
// these are never imported: each is looked up by name when asked for, and its
// caller takes a fallback when the system has none.

// Windows
#include <windows.h>

namespace ui {

// The function `name` of the system module `module` (loaded when it is not
// yet); null when the system has no such module or function.
void* SystemFunction(const char* module, const char* name);

template <typename Function>
Function SystemFunctionAs(const char* module, const char* name)
{
    return reinterpret_cast<Function>(SystemFunction(module, name));
}

// The top-level window that `window` is a child of, itself when it is none:
// what GetAncestor(GA_ROOT) answers on the systems that have it.
HWND RootWindow(HWND window);
// The same by walking up the parents, for systems without GetAncestor.
HWND RootWindowByParents(HWND window);

// Whether the shell can empty the recycle bins (its shell32 exports the call).
bool CanEmptyRecycleBin();
// Empties every drive's recycle bin, after the shell's own confirmation;
// false when the shell cannot or did not.
bool EmptyRecycleBin(HWND owner);

}  // namespace ui
