// Platform
#include "platform/System.h"

// Standard library
#include <fstream>

// Gtest
#include <gtest/gtest.h>

// Windows
#include <windows.h>

TEST(System, TheProgramFileCarriesItsVersion)
{
    const std::string directory = platform::ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_EQ(platform::FileVersion(directory + "\\Trailmark.exe"), "1.0.0.0");

    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof(temp), temp);
    const std::string plain = std::string(temp) + "trailmark-no-version.txt";
    std::ofstream(plain) << "no version here";
    EXPECT_EQ(platform::FileVersion(plain), "");
    EXPECT_EQ(platform::FileVersion(directory + "\\missing.exe"), "");
    ::DeleteFileA(plain.c_str());
}
