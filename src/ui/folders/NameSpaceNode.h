#pragma once
// Nodes of the shell's name space as the location box lists them: the
// desktop, its folders and the folders below them, each with its name, its
// parsing path, its absolute identifier list and its small icon.

// Framework
#include "ui/framework/Pidl.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

struct NameSpaceNode {
    std::string name;         // as the shell shows it inside its folder
    std::string parsingPath;  // "C:\Data", or "::{...}" for a virtual folder
    ui::Pidl absoluteId;
    int iconIndex = -1;       // in the system's small image list
    int depth = 0;            // the desktop is 0
};

// The desktop, the root of the name space.
NameSpaceNode DesktopNode();
// The folders directly below a node, in the shell's order; empty when the
// shell cannot list it.
std::vector<NameSpaceNode> ChildNodes(const NameSpaceNode& parent, HWND owner);
// Whether the node is the drives folder (the one that holds the drives).
bool IsDrivesNode(const NameSpaceNode& node);
