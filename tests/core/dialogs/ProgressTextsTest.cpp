// Core
#include "core/dialogs/ProgressTexts.h"

// Gtest
#include <gtest/gtest.h>

TEST(ProgressTexts, CounterTextPutsOneBlankAfterTheLabel)
{
    EXPECT_EQ(CounterText("Files left ", 12), "Files left  12");
    EXPECT_EQ(CounterText("Folders left ", 0), "Folders left  0");
}

TEST(ProgressTexts, ShortensInTheMiddleToTheWidth)
{
    struct Case {
        const char* path;
        std::size_t width;  // in characters
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\short.txt", 40, "C:\\short.txt"},
        {"C:\\Program Files\\Trailmark\\Trailmark.exe", 20, "C:\\Progra...mark.exe"},
        {"C:\\Program Files\\Trailmark\\Trailmark.exe", 21, "C:\\Progra...lmark.exe"},
        {"C:\\abcdef", 4, "C..."},
        {"C:\\abcdef", 2, "..."},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        const std::size_t width = c.width;
        EXPECT_EQ(ShortenPathMiddle(c.path, [width](const std::string& text) { return text.size() <= width; }),
                  c.expected)
            << c.path << " in " << c.width;
    }
}
