#pragma once
// Shell item identifier lists: an owner that frees its list with the shell
// allocator, and the few operations the program does on lists.

// Standard library
#include <cstddef>
#include <utility>

// Windows
#include <windows.h>
#include <shlobj.h>

namespace ui {

// Bytes of a list without its terminating zero length; 0 for null.
std::size_t PidlSize(LPCITEMIDLIST pidl);
// The shell allocator's own copies (null when out of memory).
LPITEMIDLIST PidlClone(LPCITEMIDLIST pidl);
LPITEMIDLIST PidlAppend(LPCITEMIDLIST first, LPCITEMIDLIST second);
// The list without its last identifier; null for an empty list.
LPITEMIDLIST PidlParent(LPCITEMIDLIST pidl);
// The last identifier (inside the list, not a copy).
LPCITEMIDLIST PidlLast(LPCITEMIDLIST pidl);
bool PidlIsEmpty(LPCITEMIDLIST pidl);
void PidlFree(LPITEMIDLIST pidl);
// Frees any block the shell allocated (wide names of STRRET answers).
void ShellFree(void* block);

class Pidl {
public:
    Pidl() = default;
    explicit Pidl(LPITEMIDLIST owned) : m_pidl(owned) {}
    ~Pidl() { PidlFree(m_pidl); }
    Pidl(Pidl&& other) noexcept : m_pidl(std::exchange(other.m_pidl, nullptr)) {}
    Pidl& operator=(Pidl&& other) noexcept
    {
        if (this != &other) {
            PidlFree(m_pidl);
            m_pidl = std::exchange(other.m_pidl, nullptr);
        }
        return *this;
    }
    Pidl(const Pidl&) = delete;
    Pidl& operator=(const Pidl&) = delete;

    LPITEMIDLIST Get() const { return m_pidl; }
    explicit operator bool() const { return m_pidl != nullptr; }
    [[nodiscard]] LPITEMIDLIST Release() { return std::exchange(m_pidl, nullptr); }
    LPITEMIDLIST* Out()
    {
        PidlFree(std::exchange(m_pidl, nullptr));
        return &m_pidl;
    }

private:
    LPITEMIDLIST m_pidl = nullptr;
};

}  // namespace ui
