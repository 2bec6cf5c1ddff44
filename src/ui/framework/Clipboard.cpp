#include "ui/framework/Clipboard.h"

// Framework
#include "ui/framework/SystemFunctions.h"

// Standard library
#include <cstring>

namespace ui {

bool SetClipboardText(HWND owner, const std::string& text)
{
    if (!::OpenClipboard(owner)) return false;
    ::EmptyClipboard();
    bool placed = false;
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1)) {
        if (void* bytes = ::GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            ::GlobalUnlock(memory);
            placed = ::SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        // The clipboard owns the memory only once it took it.
        if (!placed) ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return placed;
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

ClipboardMark CurrentClipboardMark()
{
    using SequenceProc = DWORD(WINAPI*)();
    static const SequenceProc sequence = SystemFunctionAs<SequenceProc>("user32.dll", "GetClipboardSequenceNumber");
    ClipboardMark mark;
    if (sequence) mark.sequence = sequence();
    mark.owner = ::GetClipboardOwner();
    mark.formats = ::CountClipboardFormats();
    return mark;
}

}  // namespace ui
