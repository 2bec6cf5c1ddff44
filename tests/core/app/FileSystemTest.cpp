// Platform
#include "platform/FileSystem.h"
#ifndef _WIN32
#include "platform/posix/DriveMap.h"
#endif

// Tests
#include "core/app/TempFolder.h"

// Standard library
#include <algorithm>
#include <fstream>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(FileSystem, BehavesAsTheWin32CallsDo)
{
    TempFolder temp;
    const std::string root = temp.Name();
    const std::string dir = root + "\\Dir";
    const std::string file = root + "\\File.txt";
    EXPECT_TRUE(platform::MakeDirectory(dir));
    EXPECT_FALSE(platform::MakeDirectory(dir));
    std::ofstream(temp.Path() / "File.txt") << "x";
    EXPECT_TRUE(platform::IsDirectory(dir));
    EXPECT_FALSE(platform::IsDirectory(file));
    EXPECT_TRUE(platform::PathExists(file));
    EXPECT_FALSE(platform::PathExists(root + "\\Missing"));
    EXPECT_FALSE(platform::IsLink(dir));

    std::vector<std::string> names;
    EXPECT_TRUE(platform::ForEachDirectoryEntry(root, [&](const platform::DirectoryEntry& e) {
        names.push_back(e.name + (e.isDirectory ? "/" : ""));
    }));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Dir/", "File.txt"}));
    EXPECT_FALSE(platform::ForEachDirectoryEntry(root + "\\Missing", [](const auto&) {}));

    fs::permissions(temp.Path() / "File.txt", fs::perms::owner_read);
    EXPECT_TRUE(platform::SetNormalAttributes(file));
    EXPECT_FALSE(platform::RemoveFile(dir));
    EXPECT_TRUE(platform::RemoveFile(file));
    std::ofstream(temp.Path() / "Dir" / "inner") << "x";
    EXPECT_FALSE(platform::RemoveEmptyDirectory(dir));
    EXPECT_TRUE(platform::RemoveFile(dir + "\\inner"));
    EXPECT_TRUE(platform::RemoveEmptyDirectory(dir));
    EXPECT_FALSE(platform::PathExists(dir));
}

#ifndef _WIN32
TEST(DriveMap, MapsDriveLettersToHostFolders)
{
    TempFolder temp;
    platform::MapDrive('t', temp.Name());
    EXPECT_EQ(platform::HostPath("T:\\a\\b"), temp.Name() + "/a/b");
    EXPECT_EQ(platform::HostPath("t:"), temp.Name());
    EXPECT_EQ(platform::HostPath("T:x"), temp.Name() + "/x");
    EXPECT_EQ(platform::HostPath("Q:\\a"), "");
    EXPECT_EQ(platform::HostPath("/host\\path"), "/host/path");
    EXPECT_TRUE(platform::MakeDirectory("T:\\Made"));
    EXPECT_TRUE(fs::is_directory(temp.Path() / "Made"));
    EXPECT_FALSE(platform::PathExists("Q:\\"));
    EXPECT_FALSE(platform::MakeDirectory("Q:\\Made"));
    platform::UnmapAllDrives();
    EXPECT_FALSE(platform::IsDirectory("T:\\Made"));
}
#endif

}  // namespace
