// Core
#include "core/app/Settings.h"
#include "core/frame/FrameBackground.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <fstream>

// Gtest
#include <gtest/gtest.h>

namespace {

// Paints the document area's background into a bitmap and reads it back.
class PaintedArea {
public:
    explicit PaintedArea(HWND area)
    {
        ::GetClientRect(area, &m_rect);
        HDC screen = ::GetDC(area);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, m_rect.right, m_rect.bottom);
        ::ReleaseDC(area, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        ::SendMessageA(area, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_dc), 0);
    }
    ~PaintedArea()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Width() const { return m_rect.right; }
    int Height() const { return m_rect.bottom; }

private:
    RECT m_rect = {};
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

class FrameBackground : public testing::Test {
protected:
    void SetUp() override
    {
        uitest::WipeProgramKeys();
        ASSERT_TRUE(m_app.InitInstance());
        m_area = m_app.MainFrame()->MdiClient();
    }
    void TearDown() override
    {
        ::PostMessageA(m_app.MainWindow(), WM_CLOSE, 0, 0);
        m_app.RunMessageLoop();
        m_app.ExitInstance();
        uitest::WipeProgramKeys();
    }
    uitest::MessageRecorder m_messages;
    CTrailmarkApp m_app;
    HWND m_area = nullptr;
};

TEST_F(FrameBackground, EveryScanLineHasItsGradientBand)
{
    CSettingsStore& settings = m_app.Settings();
    settings.SetSetting(Setting::OwnBackground, 1);
    settings.SetSetting(Setting::GradientFill, 1);
    for (int style : {0, 3, 6}) {
        settings.SetSetting(Setting::GradientStyle, style);
        PaintedArea painted(m_area);
        ASSERT_GT(painted.Height(), 64);
        for (int y = 0; y < painted.Height(); ++y) {
            const COLORREF expected = GradientBandColor(style, GradientBandForLine(y, painted.Height()));
            ASSERT_EQ(painted.At(painted.Width() / 2, y), expected) << "style " << style << " line " << y;
        }
    }
}

TEST_F(FrameBackground, SolidColourAndTiledWallpaper)
{
    CSettingsStore& settings = m_app.Settings();
    settings.SetSetting(Setting::OwnBackground, 1);
    settings.SetSetting(Setting::BackgroundColor, 0x123456);
    {
        PaintedArea painted(m_area);
        EXPECT_EQ(painted.At(3, 3), 0x123456u);
        EXPECT_EQ(painted.At(painted.Width() - 1, painted.Height() - 1), 0x123456u);
    }

    // A 2x2 bitmap of four colours tiles the whole area.
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof(temp), temp);
    const std::string path = std::string(temp) + "trailmark-wallpaper.bmp";
    {
        const unsigned char bmp[] = {
            'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
            40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
            0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,        // bottom row: red, green
            0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,        // top row: blue, white
        };
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof(bmp));
    }
    settings.SetTextSetting(Setting::Wallpaper, path);
    settings.SetSetting(Setting::UseWallpaper, 1);
    settings.SetSetting(Setting::WallpaperDisplay, 0);
    {
        PaintedArea painted(m_area);
        EXPECT_EQ(painted.At(0, 0), RGB(0, 0, 255));
        EXPECT_EQ(painted.At(1, 0), RGB(255, 255, 255));
        EXPECT_EQ(painted.At(2, 1), RGB(255, 0, 0));
        EXPECT_EQ(painted.At(3, 3), RGB(0, 255, 0));
    }
    // A wallpaper that cannot be loaded leaves the system's colour, not garbage.
    settings.SetTextSetting(Setting::Wallpaper, std::string(temp) + "missing.bmp");
    {
        PaintedArea painted(m_area);
        EXPECT_EQ(painted.At(5, 5), ::GetSysColor(COLOR_APPWORKSPACE));
    }
    ::DeleteFileA(path.c_str());
}

}  // namespace
