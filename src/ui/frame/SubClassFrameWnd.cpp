#include "ui/frame/SubClassFrameWnd.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Application
#include "ui/app/TrailmarkApp.h"

CSubClassFrameWnd::~CSubClassFrameWnd()
{
    // The MDI client belongs to the frame: give it back rather than destroy it.
    Detach();
    if (m_wallpaper) ::DeleteObject(m_wallpaper);
}

void CSubClassFrameWnd::Subclass(HWND mdiClient)
{
    SubclassControl(mdiClient);
}

void CSubClassFrameWnd::ReloadWallpaper()
{
    if (m_wallpaper) ::DeleteObject(m_wallpaper);
    m_wallpaper = nullptr;
    m_wallpaperPath.clear();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CSubClassFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE:
        // Bands and centred pictures depend on the whole size: a resize repaints all.
        ::InvalidateRect(Handle(), nullptr, TRUE);
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CSubClassFrameWnd::EraseBackground(HDC dc)
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    const BackgroundPlan plan = PlanBackground(CTrailmarkApp::Instance()->Settings());
    switch (plan.fill) {
    case BackgroundFill::Solid: {
        HBRUSH brush = ::CreateSolidBrush(plan.color);
        ::FillRect(dc, &area, brush);
        ::DeleteObject(brush);
        break;
    }
    case BackgroundFill::Gradient:
        FillGradient(dc, area, plan.gradientStyle);
        break;
    case BackgroundFill::Default:
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_APPWORKSPACE));
        break;
    case BackgroundFill::None:
        break;
    }
    if (plan.wallpaper != WallpaperMode::None && !DrawWallpaper(dc, area, plan.wallpaper) &&
        plan.fill == BackgroundFill::None)
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_APPWORKSPACE));
}

void CSubClassFrameWnd::FillGradient(HDC dc, const RECT& area, int style)
{
    const int height = area.bottom - area.top;
    HBRUSH brushes[kGradientBands];
    for (int band = 0; band < kGradientBands; ++band)
        brushes[band] = ::CreateSolidBrush(GradientBandColor(style, band));
    // Runs of lines that share a band are filled at once.
    int y = 0;
    while (y < height) {
        const int band = GradientBandForLine(y, height);
        int end = y + 1;
        while (end < height && GradientBandForLine(end, height) == band) ++end;
        RECT run = {area.left, area.top + y, area.right, area.top + end};
        ::FillRect(dc, &run, brushes[band]);
        y = end;
    }
    for (HBRUSH brush : brushes) ::DeleteObject(brush);
}

HBITMAP CSubClassFrameWnd::Wallpaper()
{
    std::string path;
    CTrailmarkApp::Instance()->Settings().GetTextSetting(Setting::Wallpaper, path);
    if (path != m_wallpaperPath) {
        if (m_wallpaper) ::DeleteObject(m_wallpaper);
        m_wallpaper = path.empty() ? nullptr
                                   : static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP,
                                                                       0, 0, LR_LOADFROMFILE));
        m_wallpaperPath = path;
    }
    return m_wallpaper;
}

bool CSubClassFrameWnd::DrawWallpaper(HDC dc, const RECT& area, WallpaperMode mode)
{
    HBITMAP bitmap = Wallpaper();
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, bitmap);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    switch (mode) {
    case WallpaperMode::Tile:
        for (int y = 0; y < height; y += info.bmHeight)
            for (int x = 0; x < width; x += info.bmWidth)
                ::BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        break;
    case WallpaperMode::Center:
        ::BitBlt(dc, (width - info.bmWidth) / 2, (height - info.bmHeight) / 2, info.bmWidth,
                 info.bmHeight, source, 0, 0, SRCCOPY);
        break;
    case WallpaperMode::Stretch:
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        break;
    case WallpaperMode::None:
        break;
    }
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return true;
}
