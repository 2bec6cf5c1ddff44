#pragma once
// Counts the calls the program's code makes to a system function on the
// calling thread: the function's entry in this test program's import table
// (the program's code is linked into it) is pointed at a counting stand-in
// while the counter lives. Calls from other threads (the workers, the
// watchers) pass through uncounted.

// Standard library
#include <atomic>
#include <cstdint>

// Windows
#include <windows.h>

namespace uitest {

namespace importcount {

// The import table entry of `target` in this program, null when it imports no such function.
inline void** EntryOf(void* target)
{
    auto* base = reinterpret_cast<std::uint8_t*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress) return nullptr;
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); module->Name;
         ++module) {
        for (auto* entry = reinterpret_cast<void**>(base + module->FirstThunk); *entry; ++entry)
            if (*entry == target) return entry;
    }
    return nullptr;
}

inline void Replace(void** entry, void* with)
{
    DWORD oldProtection = 0;
    ::VirtualProtect(entry, sizeof(*entry), PAGE_READWRITE, &oldProtection);
    *entry = with;
    ::VirtualProtect(entry, sizeof(*entry), oldProtection, &oldProtection);
}

// One stand-in per counted function; Tag tells apart functions of one signature.
template <typename Tag, typename Result, typename... Args>
struct StandIn {
    static inline Result(WINAPI* original)(Args...) = nullptr;
    static inline std::atomic<int> calls{0};
    static inline DWORD thread = 0;
    static Result WINAPI Call(Args... args)
    {
        if (::GetCurrentThreadId() == thread) ++calls;
        return original(args...);
    }
};

}  // namespace importcount

// Counter<Tag, Result, Args...> counter("kernel32.dll", "GetFileAttributesA");
template <typename Tag, typename Result, typename... Args>
class ImportCounter {
    using Slot = importcount::StandIn<Tag, Result, Args...>;

public:
    ImportCounter(const char* module, const char* function)
    {
        HMODULE loaded = ::GetModuleHandleA(module);
        void* target = loaded ? reinterpret_cast<void*>(::GetProcAddress(loaded, function)) : nullptr;
        m_entry = target ? importcount::EntryOf(target) : nullptr;
        if (!m_entry) return;
        Slot::original = reinterpret_cast<Result(WINAPI*)(Args...)>(target);
        Slot::thread = ::GetCurrentThreadId();
        Slot::calls = 0;
        importcount::Replace(m_entry, reinterpret_cast<void*>(&Slot::Call));
    }
    ~ImportCounter()
    {
        if (m_entry) importcount::Replace(m_entry, reinterpret_cast<void*>(Slot::original));
    }
    ImportCounter(const ImportCounter&) = delete;
    ImportCounter& operator=(const ImportCounter&) = delete;

    // Whether the program imports the function (else nothing can be counted).
    bool Installed() const { return m_entry != nullptr; }
    int Calls() const { return Slot::calls.load(); }
    void Reset() { Slot::calls = 0; }

private:
    void** m_entry = nullptr;
};

struct FileAttributesTag;
struct OpenClipboardTag;
struct SpecialFolderTag;
struct DragQueryFileTag;
using FileAttributesCounter = ImportCounter<FileAttributesTag, DWORD, LPCSTR>;
using OpenClipboardCounter = ImportCounter<OpenClipboardTag, BOOL, HWND>;
using SpecialFolderCounter = ImportCounter<SpecialFolderTag, HRESULT, HWND, int, LPITEMIDLIST*>;
using DragQueryFileCounter = ImportCounter<DragQueryFileTag, UINT, HDROP, UINT, LPSTR, UINT>;

}  // namespace uitest
