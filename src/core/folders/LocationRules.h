#pragma once
// The rules of the location box that need no window: which name-space nodes it
// lists, in which order and at which depth, where an item's icon and text go,
// and the text of its entry for all local hard drives.

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace location {

// Address mode lists the places of the name space for browsing; search-scope
// mode lists the drives to search (the criteria editor's "Look In").
enum class BoxMode { Address, SearchScope };

inline constexpr int kIconSize = 16;
// The text starts this far right of the icon's left edge.
inline constexpr int kTextOffset = 20;

// Pixels an item moves right per level of depth.
int IndentOf(BoxMode mode);

// Where an item's parts go, relative to the item's rectangle.
struct ItemLayout {
    int iconLeft = 0;
    int iconTop = 0;
    int textLeft = 0;
};
ItemLayout LayoutItem(BoxMode mode, int depth, int itemHeight);

// A name-space tree by node number; node `root` is the desktop.
struct TreeNode {
    std::string name;
    std::vector<std::size_t> children;  // in the shell's order
};
struct NodeTree {
    std::vector<TreeNode> nodes;
    std::size_t root = 0;
};

inline constexpr std::size_t kNoNode = static_cast<std::size_t>(-1);

struct ListedNode {
    std::size_t node = 0;
    int depth = 0;
};

// Address mode: the root; its first child; the children of the drives node
// (a child of the root); then the root's other children, the first child not
// again. Without a drives node the drives part is left out.
std::vector<ListedNode> AddressModeNodes(const NodeTree& tree, std::size_t drives);

// Search-scope mode after its first entry: the children of the drives node
// whose name holds a drive's colon.
std::vector<ListedNode> SearchScopeNodes(const NodeTree& tree, std::size_t drives);

// The roots ("C:\") of the fixed drives among those of the mask (bit 0 A:).
std::vector<std::string> FixedDriveRoots(std::uint32_t driveMask, platform::DirectoryLister& lister);

// label + "(" + the roots separated by "," + ")": "Local hard drives(C:\,D:\)".
std::string LocalDrivesText(const std::string& label, const std::vector<std::string>& roots);

}  // namespace location
