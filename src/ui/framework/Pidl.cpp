#include "ui/framework/Pidl.h"

// Standard library
#include <cstring>

namespace ui {
namespace {

// The shell's allocator: identifier lists handed to or from the shell must
// come from it.
IMalloc* Allocator()
{
    static IMalloc* allocator = [] {
        IMalloc* malloc = nullptr;
        ::SHGetMalloc(&malloc);
        return malloc;
    }();
    return allocator;
}

LPCITEMIDLIST Next(LPCITEMIDLIST pidl)
{
    return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(pidl) + pidl->mkid.cb);
}

LPITEMIDLIST Allocate(std::size_t bytes)
{
    IMalloc* allocator = Allocator();
    return allocator ? static_cast<LPITEMIDLIST>(allocator->Alloc(bytes)) : nullptr;
}

}  // namespace

std::size_t PidlSize(LPCITEMIDLIST pidl)
{
    std::size_t size = 0;
    for (; pidl && pidl->mkid.cb; pidl = Next(pidl)) size += pidl->mkid.cb;
    return size;
}

bool PidlIsEmpty(LPCITEMIDLIST pidl) { return !pidl || pidl->mkid.cb == 0; }

LPITEMIDLIST PidlAppend(LPCITEMIDLIST first, LPCITEMIDLIST second)
{
    const std::size_t firstSize = PidlSize(first);
    const std::size_t secondSize = PidlSize(second);
    LPITEMIDLIST result = Allocate(firstSize + secondSize + sizeof(USHORT));
    if (!result) return nullptr;
    BYTE* bytes = reinterpret_cast<BYTE*>(result);
    if (firstSize) std::memcpy(bytes, first, firstSize);
    if (secondSize) std::memcpy(bytes + firstSize, second, secondSize);
    // A zero 16-bit length ends the list.
    std::memset(bytes + firstSize + secondSize, 0, sizeof(USHORT));
    return result;
}

LPITEMIDLIST PidlClone(LPCITEMIDLIST pidl) { return PidlAppend(pidl, nullptr); }

LPCITEMIDLIST PidlLast(LPCITEMIDLIST pidl)
{
    LPCITEMIDLIST last = pidl;
    for (; pidl && pidl->mkid.cb; pidl = Next(pidl)) last = pidl;
    return last;
}

LPITEMIDLIST PidlParent(LPCITEMIDLIST pidl)
{
    if (PidlIsEmpty(pidl)) return nullptr;
    const std::size_t size = PidlSize(pidl) - PidlLast(pidl)->mkid.cb;
    LPITEMIDLIST result = Allocate(size + sizeof(USHORT));
    if (!result) return nullptr;
    BYTE* bytes = reinterpret_cast<BYTE*>(result);
    if (size) std::memcpy(bytes, pidl, size);
    std::memset(bytes + size, 0, sizeof(USHORT));
    return result;
}

void PidlFree(LPITEMIDLIST pidl) { ShellFree(pidl); }

void ShellFree(void* block)
{
    if (block)
        if (IMalloc* allocator = Allocator()) allocator->Free(block);
}

}  // namespace ui
