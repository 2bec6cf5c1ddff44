#include "ui/framework/Clipboard.h"

// Standard library
#include <cstring>

namespace ui {

bool SetClipboardText(HWND owner, const std::string& text)
{
    if (!::OpenClipboard(owner)) return false;
    ::EmptyClipboard();
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1)) {
        if (void* bytes = ::GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            ::GlobalUnlock(memory);
            if (!::SetClipboardData(CF_TEXT, memory)) ::GlobalFree(memory);
        } else {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
    return true;
}

std::string ClipboardText(HWND owner)
{
    std::string text;
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(owner)) return text;
    if (HANDLE memory = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(memory))) {
            text.assign(bytes, strnlen(bytes, ::GlobalSize(memory)));
            ::GlobalUnlock(memory);
        }
    }
    ::CloseClipboard();
    return text;
}

}  // namespace ui
