// Core
#include "core/folders/LocationRules.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <string>
#include <utility>
#include <vector>

namespace {

using location::BoxMode;
using location::ListedNode;
using location::NodeTree;

// A desktop shaped as the shell gives it: node 0 the desktop, its children
// 1..n, the drives node's children after them.
NodeTree Desktop(const std::vector<std::string>& top, std::size_t drivesChild,
                 const std::vector<std::string>& drives)
{
    NodeTree tree;
    tree.nodes.push_back({"Desktop", {}});
    for (const std::string& name : top) {
        tree.nodes[0].children.push_back(tree.nodes.size());
        tree.nodes.push_back({name, {}});
    }
    const std::size_t drivesNode = drivesChild + 1;
    for (const std::string& name : drives) {
        tree.nodes[drivesNode].children.push_back(tree.nodes.size());
        tree.nodes.push_back({name, {}});
    }
    return tree;
}

std::vector<std::pair<std::string, int>> Named(const NodeTree& tree, const std::vector<ListedNode>& listed)
{
    std::vector<std::pair<std::string, int>> named;
    for (const ListedNode& entry : listed) named.emplace_back(tree.nodes[entry.node].name, entry.depth);
    return named;
}

using Rows = std::vector<std::pair<std::string, int>>;

TEST(LocationRules, AddressModeListsRootFirstChildDrivesThenTheOtherChildrenOnce)
{
    // The drives node second, as on the shells that put My Documents first.
    const NodeTree second = Desktop({"My Documents", "My Computer", "Network", "Recycle Bin"}, 1,
                                    {"(A:)", "(C:)", "Control Panel"});
    EXPECT_EQ(Named(second, location::AddressModeNodes(second, 2)),
              (Rows{{"Desktop", 0}, {"My Documents", 1}, {"(A:)", 2}, {"(C:)", 2}, {"Control Panel", 2},
                    {"My Computer", 1}, {"Network", 1}, {"Recycle Bin", 1}}));

    // The drives node first: its children follow it directly.
    const NodeTree first = Desktop({"My Computer", "Network"}, 0, {"(C:)", "(Z:)"});
    EXPECT_EQ(Named(first, location::AddressModeNodes(first, 1)),
              (Rows{{"Desktop", 0}, {"My Computer", 1}, {"(C:)", 2}, {"(Z:)", 2}, {"Network", 1}}));
}

TEST(LocationRules, AddressModeCopesWithMissingOrStrayNodes)
{
    const NodeTree tree = Desktop({"My Computer", "Network"}, 0, {"(C:)"});
    // No drives node, or one that is no child of the desktop: no drives.
    EXPECT_EQ(Named(tree, location::AddressModeNodes(tree, location::kNoNode)),
              (Rows{{"Desktop", 0}, {"My Computer", 1}, {"Network", 1}}));
    EXPECT_EQ(Named(tree, location::AddressModeNodes(tree, 3)),
              (Rows{{"Desktop", 0}, {"My Computer", 1}, {"Network", 1}}));

    NodeTree broken = tree;
    broken.nodes[0].children.push_back(99);  // a child number past the table
    EXPECT_EQ(location::AddressModeNodes(broken, 1).size(), 4u);
    EXPECT_TRUE(location::AddressModeNodes(NodeTree{}, 0).empty());
}

TEST(LocationRules, SearchScopeListsOnlyTheDrivesNodesChildrenWithAColon)
{
    const NodeTree tree = Desktop({"My Documents", "My Computer"}, 1,
                                  {"3.5 Floppy (A:)", "Control Panel", "Local Disk (C:)", "Printers", "D:"});
    EXPECT_EQ(Named(tree, location::SearchScopeNodes(tree, 2)),
              (Rows{{"3.5 Floppy (A:)", 2}, {"Local Disk (C:)", 2}, {"D:", 2}}));
    EXPECT_TRUE(location::SearchScopeNodes(tree, location::kNoNode).empty());
}

TEST(LocationRules, ItemsIndentByDepthInAddressModeOnly)
{
    const struct {
        BoxMode mode;
        int depth;
        int height;
        int iconLeft;
        int iconTop;
        int textLeft;
    } cases[] = {
        {BoxMode::Address, 0, 20, 0, 2, 20},
        {BoxMode::Address, 2, 20, 20, 2, 40},
        {BoxMode::Address, 1, 17, 10, 0, 30},
        {BoxMode::SearchScope, 2, 20, 0, 2, 20},
        {BoxMode::Address, -1, 16, 0, 0, 20},  // a depth below the root counts as the root's
    };
    for (const auto& c : cases) {
        const location::ItemLayout layout = location::LayoutItem(c.mode, c.depth, c.height);
        EXPECT_EQ(layout.iconLeft, c.iconLeft) << c.depth;
        EXPECT_EQ(layout.iconTop, c.iconTop) << c.height;
        EXPECT_EQ(layout.textLeft, c.textLeft) << c.depth;
    }
}

TEST(LocationRules, LocalDrivesTextNamesTheFixedDrivesOfTheMask)
{
    searchtest::RemappingLister lister(platform::SystemDirectoryLister());
    for (auto [letter, type] : {std::pair{'A', platform::DriveType::Removable}, {'C', platform::DriveType::Fixed},
                                {'D', platform::DriveType::CdRom}, {'E', platform::DriveType::Fixed},
                                {'N', platform::DriveType::Remote}, {'Z', platform::DriveType::Fixed}})
        lister.Drive(letter, "", type);
    const std::uint32_t mask = 1u << 0 | 1u << 2 | 1u << 3 | 1u << 4 | 1u << 13 | 1u << 25;
    const std::vector<std::string> roots = location::FixedDriveRoots(mask, lister);
    EXPECT_EQ(roots, (std::vector<std::string>{"C:\\", "E:\\", "Z:\\"}));
    EXPECT_EQ(location::LocalDrivesText("Local hard drives", roots), "Local hard drives(C:\\,E:\\,Z:\\)");
    // A fixed drive outside the mask is not there to search.
    EXPECT_EQ(location::FixedDriveRoots(1u << 2, lister), (std::vector<std::string>{"C:\\"}));
    EXPECT_EQ(location::LocalDrivesText("Local hard drives", {"C:\\"}), "Local hard drives(C:\\)");
    EXPECT_EQ(location::LocalDrivesText("Local hard drives", {}), "Local hard drives()");
}

}  // namespace
