#pragma once
// CWindowList: the one list of open document windows. It opens windows for
// paths (finding one that shows the path already, keeping to the limit,
// navigating in place in Explorer mode), finds them and brings them forward.
// It does not own the windows: each adds itself when created and leaves when
// destroyed.

// Core
#include "core/app/WindowState.h"

// Standard library
#include <cstdint>
#include <string>
#include <vector>

// Windows
#include <windows.h>

class CBasicWindow;

class CWindowList {
public:
    static CWindowList& Instance();

    // The window for the path, existing or new; null when nothing was opened.
    // extra: the item identifier list of a folder (kind 0), the personal folder
    // (kind 1), else null.
    CBasicWindow* OpenWindow(const std::string& path, WindowKind kind, const void* extra, std::uint8_t flag);
    // The open window of the kind whose path is the path (case ignored).
    CBasicWindow* FindOpenWindow(const std::string& path, WindowKind kind) const;
    // Brings the window forward and makes it the active one.
    void ActivateWindow(CBasicWindow* window);

    void Add(CBasicWindow* window);
    void Remove(CBasicWindow* window);
    const std::vector<CBasicWindow*>& Windows() const { return m_windows; }
    CBasicWindow* FromHandle(HWND hwnd) const;
    CBasicWindow* Active() const;
    bool HasRoom() const;
    // Tiles or cascades the windows after a change, as setting 67 says.
    void Arrange();

private:
    CBasicWindow* MakeWindow(const WindowState& state, const void* extra);
    bool ConfirmRoom();

    std::vector<CBasicWindow*> m_windows;
};
