#pragma once
// Owners of GDI objects and image lists: the handle is freed with its owner.

// Standard library
#include <utility>

// Windows
#include <windows.h>
#include <commctrl.h>

namespace ui {

// The system's message font, for fonts of the program's own made from it;
// all zero when the system does not say.
inline LOGFONTA MessageFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    LOGFONTA font = {};
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) font = metrics.lfMessageFont;
    return font;
}

// A bitmap, brush, font or pen; DeleteObject when the owner goes.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle) ::DeleteObject(m_handle);
        m_handle = handle;
    }
    [[nodiscard]] Handle Release() { return std::exchange(m_handle, nullptr); }

private:
    Handle m_handle = nullptr;
};

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST list) : m_list(list) {}
    ~ImageList() { Reset(); }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    HIMAGELIST Get() const { return m_list; }
    explicit operator bool() const { return m_list != nullptr; }
    void Reset(HIMAGELIST list = nullptr)
    {
        if (m_list) ::ImageList_Destroy(m_list);
        m_list = list;
    }

private:
    HIMAGELIST m_list = nullptr;
};

}  // namespace ui
