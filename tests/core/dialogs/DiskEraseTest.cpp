// Core
#include "core/dialogs/DiskErase.h"

// Platform
#include "platform/DirectoryLister.h"

// Tests
#include "core/app/TempFolder.h"

// Standard library
#include <filesystem>
#include <fstream>
#include <map>

#ifndef _WIN32
#include "platform/posix/PosixDirectoryLister.h"
#include <unistd.h>
#endif

// Gtest
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using platform::DriveType;

// Drive types as a test lays them out; no drive lists anything.
class TypedDrives : public platform::DirectoryLister {
public:
    explicit TypedDrives(std::map<char, DriveType> types) : m_types(std::move(types)) {}
    bool List(const std::string&, const platform::FindVisitor&) override { return false; }
    DriveType QueryDriveType(const std::string& root) override
    {
        ++queries;
        const auto it = m_types.find(root.empty() ? '?' : root[0]);
        return it == m_types.end() ? DriveType::NoRootDir : it->second;
    }
    bool CanEnterFolder(const std::string&) override { return false; }

    int queries = 0;

private:
    std::map<char, DriveType> m_types;
};

TEST(DriveRoots, OnlyTheAllowedTypesInLetterOrder)
{
    TypedDrives drives({{'A', DriveType::Removable}, {'B', DriveType::Removable}, {'C', DriveType::Fixed},
                        {'D', DriveType::CdRom}, {'F', DriveType::Remote}, {'G', DriveType::Fixed}});
    EXPECT_EQ(DriveRoots(drives, DriveKinds::RemovableOnly), (std::vector<std::string>{"A:\\", "B:\\"}));
    EXPECT_EQ(DriveRoots(drives, DriveKinds::RemovableAndFixed),
              (std::vector<std::string>{"A:\\", "B:\\", "C:\\", "G:\\"}));
}

// Two diskette drives always need the chooser; a single one never does.
TEST(SoleRemovableDrive, OnlyWithExactlyOneDisketteDrive)
{
    TypedDrives two({{'A', DriveType::Removable}, {'B', DriveType::Removable}, {'C', DriveType::Fixed}});
    EXPECT_FALSE(SoleRemovableDrive(two));
    TypedDrives one({{'A', DriveType::Removable}, {'C', DriveType::Fixed}});
    EXPECT_EQ(SoleRemovableDrive(one), std::optional<std::string>("A:\\"));
    TypedDrives none({{'C', DriveType::Fixed}});
    EXPECT_FALSE(SoleRemovableDrive(none));
}

TEST(EraseDrive, RefusesAnythingButTheRootOfARemovableDrive)
{
    TypedDrives drives({{'A', DriveType::Removable}, {'C', DriveType::Fixed}, {'D', DriveType::CdRom},
                        {'N', DriveType::Remote}, {'R', DriveType::RamDisk}});
    for (const char* path : {"C:\\", "D:\\", "N:\\", "R:\\", "Q:\\", "A:", "A:\\Sub", "A:\\\\", "A:/", "", "\\",
                             "\\\\server\\share\\", "AB:\\"}) {
        EXPECT_FALSE(IsErasableRoot(path, drives)) << path;
        const EraseResult result = EraseDrive(path, drives);
        EXPECT_TRUE(result.refused) << path;
        EXPECT_EQ(result.failureCount, 0);
    }
    EXPECT_TRUE(IsErasableRoot("A:\\", drives));
}

#ifndef _WIN32
// A removable drive mapped onto a test folder, with a sibling folder outside
// it that links on the "diskette" point into.
class EraseOnMappedDrive : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(m_disk / "Docs" / "Deep");
        fs::create_directories(m_outside / "Keep");
        Write(m_disk / "a.txt");
        Write(m_disk / "Docs" / "b.txt");
        Write(m_disk / "Docs" / "Deep" / "c.txt");
        Write(m_outside / "Keep" / "precious.txt");
        fs::permissions(m_disk / "a.txt", fs::perms::owner_read);
        platform::SystemPosixLister().MapDrive('R', m_disk.string(), DriveType::Removable);
    }
    void TearDown() override { platform::SystemPosixLister().MapDrive('R', {}, DriveType::NoRootDir); }

    static void Write(const fs::path& path) { std::ofstream(path) << "data"; }

    TempFolder m_temp;
    const fs::path m_disk = m_temp.Path() / "disk";
    const fs::path m_outside = m_temp.Path() / "outside";
};

TEST_F(EraseOnMappedDrive, EmptiesTheDriveAndNeverFollowsALinkOffIt)
{
    fs::create_directory_symlink(m_outside / "Keep", m_disk / "Docs" / "Link");
    fs::create_symlink(m_outside / "Keep" / "precious.txt", m_disk / "file-link");
    const EraseResult result = EraseDrive("R:\\", platform::SystemDirectoryLister());
    EXPECT_FALSE(result.refused);
    EXPECT_EQ(result.failureCount, 0);
    EXPECT_TRUE(fs::is_empty(m_disk));
    EXPECT_TRUE(fs::exists(m_outside / "Keep" / "precious.txt"));
}

TEST_F(EraseOnMappedDrive, ReportsWhatItCouldNotDelete)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root deletes regardless of permissions";
    // A folder whose entries cannot be removed: no write permission on it.
    fs::permissions(m_disk / "Docs" / "Deep", fs::perms::owner_read | fs::perms::owner_exec);
    const EraseResult result = EraseDrive("R:\\", platform::SystemDirectoryLister());
    fs::permissions(m_disk / "Docs" / "Deep", fs::perms::owner_all);
    EXPECT_FALSE(result.refused);
    EXPECT_GE(result.failureCount, 1);
    ASSERT_FALSE(result.failures.empty());
    EXPECT_EQ(result.failures.front(), "R:\\Docs\\Deep\\c.txt");
    EXPECT_TRUE(fs::exists(m_disk / "Docs" / "Deep" / "c.txt"));
    EXPECT_FALSE(fs::exists(m_disk / "a.txt"));
}

TEST_F(EraseOnMappedDrive, AFixedDriveKeepsEverything)
{
    platform::SystemPosixLister().MapDrive('R', m_disk.string(), DriveType::Fixed);
    EXPECT_TRUE(EraseDrive("R:\\", platform::SystemDirectoryLister()).refused);
    EXPECT_TRUE(fs::exists(m_disk / "Docs" / "Deep" / "c.txt"));
    EXPECT_TRUE(fs::exists(m_disk / "a.txt"));
}
#endif

}  // namespace
