#include "ui/framework/FolderPicker.h"

// Windows
#include <shlobj.h>

namespace ui {
namespace {

struct PickerStart {
    const std::string* title;
    const std::string* folder;
};

// The picker's own caption is fixed by the shell; ours replaces it once the
// window exists, and the tree opens at the given folder.
int CALLBACK PickerCallback(HWND hwnd, UINT message, LPARAM, LPARAM data)
{
    if (message != BFFM_INITIALIZED) return 0;
    const auto* start = reinterpret_cast<const PickerStart*>(data);
    ::SetWindowTextA(hwnd, start->title->c_str());
    if (!start->folder->empty())
        ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder->c_str()));
    return 0;
}

void FreeShellBlock(void* block)
{
    IMalloc* allocator = nullptr;
    if (block && SUCCEEDED(::SHGetMalloc(&allocator))) {
        allocator->Free(block);
        allocator->Release();
    }
}

}  // namespace

std::optional<std::string> PickFolder(HWND owner, const std::string& title,
                                      const std::string& initialFolder)
{
    char displayName[MAX_PATH] = "";
    PickerStart start{&title, &initialFolder};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = PickerCallback;
    info.lParam = reinterpret_cast<LPARAM>(&start);
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = "";
    const bool hasPath = ::SHGetPathFromIDListA(chosen, path) != FALSE;
    FreeShellBlock(chosen);
    if (!hasPath || path[0] == '\0') return std::nullopt;
    return std::string(path);
}

}  // namespace ui
