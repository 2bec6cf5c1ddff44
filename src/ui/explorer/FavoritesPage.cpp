#include "ui/explorer/FavoritesPage.h"

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>

namespace {

// The root's item data: no favorite has it.
constexpr LPARAM kRootData = -1;

// The icon by the kind of name alone: the favorites may lie on disks that
// are slow or gone, and the page is filled on the interface thread.
int IconOf(const std::string& command, bool large)
{
    const std::size_t slash = command.find_last_of('\\');
    const std::size_t dot = command.find_last_of('.');
    const bool file = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(file ? command.c_str() : "folder", file ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_DIRECTORY,
                     &info, sizeof(info),
                     SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON));
    return info.iIcon;
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const std::string& text, int icon, LPARAM data)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = icon;
    insert.item.lParam = data;
    return TreeView_InsertItem(tree, &insert);
}

}  // namespace

bool CFavoritesPage::CreateTree()
{
    if (!m_favoritesTree.Create(Handle(), false)) return false;
    Refill();
    return true;
}

void CFavoritesPage::Refill()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    const bool large = app->Settings().GetSetting(Setting::LargeBarIcons) != 0;
    HTREEITEM selected = m_favoritesTree.Selected();
    const LPARAM selectedData = selected ? m_favoritesTree.ItemData(selected) : kRootData;
    TreeView_DeleteAllItems(m_favoritesTree);
    TreeView_SetImageList(m_favoritesTree, large ? app->LargeImages() : app->SmallImages(), TVSIL_NORMAL);
    HTREEITEM root = InsertItem(m_favoritesTree, TVI_ROOT, ui::LoadString(IDS_TAB_FAVORITES), IconOf("", large),
                                kRootData);
    if (!root) return;
    HTREEITEM reselect = root;
    const CObjectList* favorites = app->Favorites();
    const int count = favorites ? favorites->Count() : 0;
    // The menu holds no more than its range of commands.
    for (int i = 0; i < count && i <= static_cast<int>(ID_FAVORITE_LAST - ID_FAVORITE_FIRST); ++i) {
        const auto* favorite = dynamic_cast<const CFavorite*>(favorites->At(i));
        if (!favorite) continue;
        HTREEITEM item = InsertItem(m_favoritesTree, root, favorite->Name(), IconOf(favorite->Command(), large), i);
        if (item && i == selectedData) reselect = item;
    }
    m_favoritesTree.Expand(root, TVE_EXPAND);
    m_favoritesTree.Select(reselect);
}

void CFavoritesPage::OnOpenItem(HTREEITEM item)
{
    if (!item || item == m_favoritesTree.Root()) return;
    const LPARAM index = m_favoritesTree.ItemData(item);
    const CObjectList* favorites = CTrailmarkApp::Instance()->Favorites();
    const CBaseObj* favorite = favorites ? favorites->At(static_cast<int>(index)) : nullptr;
    // The list changed behind the page: it is shown anew rather than opening another favorite.
    if (!favorite || favorite->Name() != m_favoritesTree.ItemText(item)) {
        Refill();
        return;
    }
    // As the menu's item does.
    ::SendMessageA(CTrailmarkApp::Instance()->MainWindow(), WM_COMMAND,
                   static_cast<WPARAM>(ID_FAVORITE_FIRST + index), 0);
}
