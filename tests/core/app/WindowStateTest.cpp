// Core
#include "core/app/WindowState.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <tuple>

namespace {

class WindowStateTest : public StoreTest {
protected:
    const std::string m_desktop = SectionPath("Desktop");
};

auto Fields(const WindowState& w) { return std::tie(w.path, w.rect, w.showState); }

TEST(DefaultFrameRect, TakesATenthOfTheWorkAreaAsMargin)
{
    struct Case { WindowRect workArea, expected; };
    const Case cases[] = {
        {{0, 0, 1024, 738}, {102, 73, 922, 665}},
        {{0, 0, 640, 480}, {64, 48, 576, 432}},
        {{0, 0, 9, 9}, {0, 0, 9, 9}},
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
        // Toward zero on the negative side too.
        {{0, 0, -1024, -738}, {-102, -73, -922, -665}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultFrameRect(c.workArea), c.expected) << c.workArea.right << "x" << c.workArea.bottom;
    EXPECT_EQ(DefaultFrameState({0, 0, 1024, 738}).showState, kShowMaximized);
}

TEST_P(WindowStateTest, TheDesktopRoundTrips)
{
    WindowState frame = DefaultFrameState({0, 0, 1024, 738});
    frame.showState = 1;
    WindowState first;
    first.path = "C:\\Windows";
    first.rect = {1, 2, 300, 400};
    first.showState = 2;
    WindowState second;
    second.path = "D:\\";
    second.rect = {-5, -6, 7, 8};
    second.showState = 3;

    ClearDesktop(Store());
    SaveFrameState(Store(), frame);
    SaveWindowState(Store(), 0, first);
    SaveWindowState(Store(), 4, second);

    std::uint32_t type = 99;
    EXPECT_EQ(ReadRaw(m_desktop, "Rect", &type),
              (Bytes{102, 0, 0, 0, 73, 0, 0, 0, 0x9A, 3, 0, 0, 0x99, 2, 0, 0}));
    EXPECT_EQ(type, platform::kRegBinary);
    EXPECT_EQ(ReadRaw(m_desktop, "State", &type), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(type, platform::kRegNone);
    EXPECT_EQ(SubKeys(m_desktop), (std::vector<std::string>{"Object0", "Object4"}));
    EXPECT_EQ(ReadRaw(m_desktop + "\\Object4", "Rect"),
              (Bytes{0xFB, 0xFF, 0xFF, 0xFF, 0xFA, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0, 8, 0, 0, 0}));

    WindowState loadedFrame = DefaultFrameState({0, 0, 640, 480});
    LoadFrameState(Store(), loadedFrame);
    EXPECT_EQ(Fields(loadedFrame), Fields(frame));
    const std::vector<WindowState> windows = LoadSavedWindowStates(Store());
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(Fields(windows[0]), Fields(first));
    EXPECT_EQ(Fields(windows[1]), Fields(second));

    // Saving again starts from an empty section.
    ClearDesktop(Store());
    SaveWindowState(Store(), 1, first);
    EXPECT_EQ(SubKeys(m_desktop), (std::vector<std::string>{"Object1"}));
    EXPECT_FALSE(HasValue(m_desktop, "Rect"));
}

TEST_P(WindowStateTest, FifteenWindowsComeBackInTheirOrder)
{
    ClearDesktop(Store());
    for (int i = 0; i < 15; ++i) {
        WindowState window;
        window.path = "C:\\W" + std::to_string(i);
        SaveWindowState(Store(), i, window);
    }
    const std::vector<WindowState> windows = LoadSavedWindowStates(Store());
    ASSERT_EQ(windows.size(), 15u);
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(windows[i].path, "C:\\W" + std::to_string(i));
}

TEST_P(WindowStateTest, DamagedValuesLoadDefaults)
{
    WriteRaw(m_desktop, "Rect", platform::kRegBinary, {1, 0, 0, 0, 2, 0, 0, 0});
    WriteRaw(m_desktop, "State", platform::kRegNone, {7});
    WindowState frame = DefaultFrameState({0, 0, 1024, 738});
    LoadFrameState(Store(), frame);
    EXPECT_EQ(frame.rect, (WindowRect{102, 73, 922, 665}));
    EXPECT_EQ(frame.showState, kShowMaximized);

    WriteRaw(m_desktop + "\\Object0", "Path", platform::kRegBinary, {'C', ':', 0});
    WriteRaw(m_desktop + "\\Object0", "Rect", platform::kRegBinary, Bytes(20, 1));
    WriteRaw(m_desktop + "\\Object0", "State", platform::kRegNone, {3, 0, 0, 0, 0});
    CreateRawKey(m_desktop + "\\Object1");
    WriteRawText(m_desktop + "\\A name of sixteen", "Path", "C:\\Long");
    WriteRawText(m_desktop + "\\Fourteen chars", "Path", "C:\\Fits");
    std::vector<WindowState> windows = LoadSavedWindowStates(Store());
    ASSERT_EQ(windows.size(), 3u);
    for (const WindowState& w : {windows[0], windows[1]}) EXPECT_EQ(Fields(w), Fields(WindowState{}));
    EXPECT_EQ(windows[2].path, "C:\\Fits");
}

INSTANTIATE_FOR_EVERY_REGISTRY(WindowStateTest);

}  // namespace
