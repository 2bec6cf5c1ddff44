#pragma once
// The frame's document area (the MDI client), subclassed to paint its own
// background and wallpaper.

// Core
#include "core/frame/FrameBackground.h"

// Framework
#include "ui/framework/Window.h"

// Standard library
#include <string>

class CSubClassFrameWnd : public ui::Window {
public:
    CSubClassFrameWnd() = default;
    ~CSubClassFrameWnd() override;

    // Takes over the document area's messages.
    void Subclass(HWND mdiClient);
    // Drops the cached wallpaper so that the next paint loads it again.
    void ReloadWallpaper();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EraseBackground(HDC dc);
    void FillGradient(HDC dc, const RECT& area, int style);
    // False when the wallpaper could not be drawn.
    bool DrawWallpaper(HDC dc, const RECT& area, WallpaperMode mode);
    HBITMAP Wallpaper();

    HBITMAP m_wallpaper = nullptr;
    std::string m_wallpaperPath;
};
