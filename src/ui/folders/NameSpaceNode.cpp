#include "ui/folders/NameSpaceNode.h"

// Core
#include "core/frame/TreeRules.h"

// Framework
#include "ui/framework/ComPtr.h"

// Folders
#include "ui/folders/Shell.h"

// Standard library
#include <utility>

// Windows
#include <shlobj.h>

namespace {

// The icon every plain folder shows, asked of the shell once per listing.
int PlainFolderIcon()
{
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                          SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
        return -1;
    return info.iIcon;
}

// plainIcon: the plain folder's icon, or -1 to ask the shell for each item.
NameSpaceNode MakeNode(IShellFolder* parentFolder, LPCITEMIDLIST relative, ui::Pidl absolute, int depth,
                       int plainIcon = -1)
{
    NameSpaceNode node;
    node.name = shell::DisplayName(parentFolder, relative, SHGDN_INFOLDER);
    node.parsingPath = shell::DisplayName(parentFolder, relative, SHGDN_FORPARSING);
    // The shell's own icon of an item costs milliseconds (it reads the
    // folder's settings); thousands of plain folders all show the same one.
    WIN32_FIND_DATAA data;
    const bool known = plainIcon >= 0 && shell::FindDataOf(parentFolder, relative, data);
    node.iconIndex = treerules::TakesPlainFolderIcon(node.parsingPath, known, known ? data.dwFileAttributes : 0)
                         ? plainIcon
                         : shell::IconOfPidl(absolute.Get());
    node.absoluteId = std::move(absolute);
    node.depth = depth;
    return node;
}

}  // namespace

NameSpaceNode DesktopNode()
{
    ui::Pidl root;
    ::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, root.Out());
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    // The desktop names itself through an empty identifier list.
    const ITEMIDLIST empty = {};
    const LPCITEMIDLIST self = root ? root.Get() : &empty;
    NameSpaceNode node = MakeNode(desktop.Get(), self, ui::Pidl(ui::PidlClone(self)), 0);
    if (node.name.empty()) node.name = shell::DisplayName(desktop.Get(), self, SHGDN_NORMAL);
    return node;
}

std::vector<NameSpaceNode> ChildNodes(const NameSpaceNode& parent, HWND owner)
{
    std::vector<NameSpaceNode> children;
    ui::ComPtr<IShellFolder> folder = shell::BindFolder(parent.absoluteId.Get());
    if (!folder) return children;
    ui::ComPtr<IEnumIDList> items;
    if (folder->EnumObjects(owner, SHCONTF_FOLDERS, items.Out()) != S_OK || !items) return children;
    const int plainIcon = PlainFolderIcon();
    for (;;) {
        ui::Pidl relative;
        ULONG fetched = 0;
        if (items->Next(1, relative.Out(), &fetched) != S_OK || fetched != 1) break;
        ui::Pidl absolute(ui::PidlAppend(parent.absoluteId.Get(), relative.Get()));
        if (!absolute) continue;
        children.push_back(MakeNode(folder.Get(), relative.Get(), std::move(absolute), parent.depth + 1, plainIcon));
    }
    return children;
}

bool IsDrivesNode(const NameSpaceNode& node)
{
    ui::Pidl drives;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.Out())) || !drives) return false;
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    return desktop && node.absoluteId &&
           HRESULT_CODE(desktop->CompareIDs(0, drives.Get(), node.absoluteId.Get())) == 0;
}
