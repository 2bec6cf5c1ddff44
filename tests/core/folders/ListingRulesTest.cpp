// Core
#include "core/folders/ListingRules.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Gtest
#include <gtest/gtest.h>

namespace {

using listing::FolderKind;
using listing::IconPlan;

TEST(ListingRules, LocalFoldersOfAHundredItemsGetQuickIconsSlowAndVirtualOnesNever)
{
    const FolderKind local = listing::ClassifyFolder("C:\\Data", platform::DriveType::Fixed, false);
    EXPECT_EQ(listing::ChooseIconPlan(local, 99), IconPlan::PerItem);
    EXPECT_FALSE(listing::NeedsIconThread(local, 99));
    EXPECT_EQ(listing::ChooseIconPlan(local, 100), IconPlan::Quick);
    EXPECT_TRUE(listing::NeedsIconThread(local, 100));

    const struct {
        const char* path;
        platform::DriveType type;
        bool belowNetwork;
        IconPlan plan;
        bool iconThreadForFew;
    } cases[] = {
        {"A:\\", platform::DriveType::Removable, false, IconPlan::PerItem, false},
        {"D:\\Disc", platform::DriveType::CdRom, false, IconPlan::PerItem, false},
        {"N:\\Share", platform::DriveType::Remote, false, IconPlan::Network, true},
        {"\\\\server\\share", platform::DriveType::NoRootDir, true, IconPlan::Network, true},
        {"Control Panel", platform::DriveType::NoRootDir, false, IconPlan::PerItem, false},
    };
    for (const auto& c : cases) {
        const FolderKind kind = listing::ClassifyFolder(c.path, c.type, c.belowNetwork);
        EXPECT_EQ(listing::ChooseIconPlan(kind, 5000), c.plan) << c.path;
        EXPECT_EQ(listing::NeedsIconThread(kind, 3), c.iconThreadForFew) << c.path;
    }
    EXPECT_TRUE(listing::ClassifyFolder("Control Panel", platform::DriveType::NoRootDir, false).virtualFolder);
}

TEST(ListingRules, DriveRootsAsSharesAndMaskPathsSplitAtTheLastSeparator)
{
    for (const char* root : {"C:\\", "x\\"}) EXPECT_TRUE(listing::IsDriveRootPath(root)) << root;
    for (const char* other : {"C:\\a", "C:", "\\\\server\\share"})
        EXPECT_FALSE(listing::IsDriveRootPath(other)) << other;

    std::string folder, pattern;
    ASSERT_TRUE(listing::SplitMaskPath("C:\\Data\\*.txt", folder, pattern));
    EXPECT_EQ(folder, "C:\\Data\\");
    EXPECT_EQ(pattern, "*.txt");
    ASSERT_TRUE(listing::SplitMaskPath("C:\\Data\\a?.log", folder, pattern));
    EXPECT_EQ(pattern, "a?.log");
    // A file or a vanished folder names no pattern.
    for (const char* plain : {"*.txt", "C:\\Data\\report.txt", "C:\\Gone", "C:\\Data\\"})
        EXPECT_FALSE(listing::SplitMaskPath(plain, folder, pattern)) << plain;
}

TEST(ListingRules, FileSizesAreSummedWithoutFolders)
{
    searchtest::TempTree tree;
    tree.File("a.txt", 1000);
    tree.File("b.txt", 24);
    tree.File("c.log", 7);
    tree.Dir("d.txt");
    platform::DirectoryLister& lister = platform::SystemDirectoryLister();
    EXPECT_EQ(listing::SumFileSizes(lister, tree.Path(), "*.*"), 1031.0);
    EXPECT_EQ(listing::SumFileSizes(lister, tree.Folder(), "*.txt"), 1024.0) << "no final separator";
    EXPECT_EQ(listing::SumFileSizes(lister, tree.Path("missing"), "*.*"), 0.0);
}

}  // namespace
