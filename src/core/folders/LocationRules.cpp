#include "core/folders/LocationRules.h"

namespace location {
namespace {

constexpr int kAddressIndent = 10;
constexpr int kDrivesLetters = 26;

bool IsChildOf(const NodeTree& tree, std::size_t parent, std::size_t node)
{
    if (parent >= tree.nodes.size()) return false;
    for (std::size_t child : tree.nodes[parent].children)
        if (child == node) return true;
    return false;
}

// Children that name no node of the tree are skipped.
void AddChildren(const NodeTree& tree, std::size_t parent, int depth, std::size_t skip,
                 std::vector<ListedNode>& out, bool drivesOnly = false)
{
    for (std::size_t child : tree.nodes[parent].children) {
        if (child == skip || child >= tree.nodes.size()) continue;
        if (drivesOnly && tree.nodes[child].name.find(':') == std::string::npos) continue;
        out.push_back({child, depth});
    }
}

}  // namespace

int IndentOf(BoxMode mode) { return mode == BoxMode::Address ? kAddressIndent : 0; }

ItemLayout LayoutItem(BoxMode mode, int depth, int itemHeight)
{
    ItemLayout layout;
    layout.iconLeft = (depth > 0 ? depth : 0) * IndentOf(mode);
    layout.iconTop = (itemHeight - kIconSize) / 2;
    layout.textLeft = layout.iconLeft + kTextOffset;
    return layout;
}

std::vector<ListedNode> AddressModeNodes(const NodeTree& tree, std::size_t drives)
{
    std::vector<ListedNode> listed;
    if (tree.root >= tree.nodes.size()) return listed;
    listed.push_back({tree.root, 0});
    const std::vector<std::size_t>& top = tree.nodes[tree.root].children;
    std::size_t first = kNoNode;
    if (!top.empty() && top.front() < tree.nodes.size()) {
        first = top.front();
        listed.push_back({first, 1});
    }
    if (IsChildOf(tree, tree.root, drives)) AddChildren(tree, drives, 2, kNoNode, listed);
    AddChildren(tree, tree.root, 1, first, listed);
    return listed;
}

std::vector<ListedNode> SearchScopeNodes(const NodeTree& tree, std::size_t drives)
{
    std::vector<ListedNode> listed;
    if (IsChildOf(tree, tree.root, drives)) AddChildren(tree, drives, 2, kNoNode, listed, true);
    return listed;
}

std::vector<std::string> FixedDriveRoots(std::uint32_t driveMask, platform::DirectoryLister& lister)
{
    std::vector<std::string> roots;
    for (int i = 0; i < kDrivesLetters; ++i) {
        if (!(driveMask & (1u << i))) continue;
        const std::string root = std::string(1, static_cast<char>('A' + i)) + ":\\";
        if (lister.QueryDriveType(root) == platform::DriveType::Fixed) roots.push_back(root);
    }
    return roots;
}

std::string LocalDrivesText(const std::string& label, const std::vector<std::string>& roots)
{
    std::string text = label + "(";
    for (std::size_t i = 0; i < roots.size(); ++i) text += (i ? "," : "") + roots[i];
    return text + ")";
}

}  // namespace location
