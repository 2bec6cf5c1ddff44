#pragma once
// An owning pointer to a COM interface: one reference, released on
// destruction. Move-only; Attach takes over a reference the caller holds.

// Standard library
#include <utility>

namespace ui {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference of its own.
    explicit ComPtr(T* pointer) : m_pointer(pointer)
    {
        if (m_pointer) m_pointer->AddRef();
    }
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    // Takes over a reference the caller already holds.
    static ComPtr Attach(T* pointer)
    {
        ComPtr result;
        result.m_pointer = pointer;
        return result;
    }
    [[nodiscard]] T* Release() { return std::exchange(m_pointer, nullptr); }
    void Reset()
    {
        if (m_pointer) std::exchange(m_pointer, nullptr)->Release();
    }

    T* Get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For functions that hand out a new reference: the old one is released first.
    T** Out()
    {
        Reset();
        return &m_pointer;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

private:
    T* m_pointer = nullptr;
};

}  // namespace ui
