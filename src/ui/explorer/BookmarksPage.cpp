#include "ui/explorer/BookmarksPage.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/BookMarks.h"

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/MessageBox.h"

// Explorer
#include "ui/explorer/ExplorerBar.h"
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>

namespace {

// The root's item data: no bookmark has it.
constexpr LPARAM kRootData = kNoBookmark;

bool LargeIcons()
{
    return CTrailmarkApp::Instance()->Settings().GetSetting(Setting::LargeBarIcons) != 0;
}

bool FullPathTitles()
{
    return CTrailmarkApp::Instance()->Settings().GetSetting(Setting::FullPathInTitle) != 0;
}

}  // namespace

bool CBookmarksPage::CreateTree()
{
    if (!m_bookmarkTree.Create(Handle(), false)) return false;
    Refill();
    return true;
}

int CBookmarksPage::FolderIcon() const
{
    SHFILEINFOA info = {};
    const UINT size = LargeIcons() ? SHGFI_LARGEICON : SHGFI_SMALLICON;
    ::SHGetFileInfoA("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                     SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | size);
    return info.iIcon;
}

void CBookmarksPage::SetIcons()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    TreeView_SetImageList(m_bookmarkTree, LargeIcons() ? app->LargeImages() : app->SmallImages(), TVSIL_NORMAL);
}

void CBookmarksPage::Refill()
{
    TreeView_DeleteAllItems(m_bookmarkTree);
    SetIcons();
    const std::string rootText = ui::LoadString(IDS_BOOKMARKS_ROOT);
    const int icon = FolderIcon();
    TVINSERTSTRUCTA insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(rootText.c_str());
    insert.item.iImage = insert.item.iSelectedImage = icon;
    insert.item.lParam = kRootData;
    if (!TreeView_InsertItem(m_bookmarkTree, &insert)) return;
    if (CBookMarkList* list = BookmarkList())
        for (int i = 0; i < list->Count(); ++i) AddItem(*list->MarkAt(i));
}

HTREEITEM CBookmarksPage::ItemOf(int number) const
{
    for (HTREEITEM item = m_bookmarkTree.FirstChild(m_bookmarkTree.Root()); item;
         item = m_bookmarkTree.NextSibling(item))
        if (m_bookmarkTree.ItemData(item) == number) return item;
    return nullptr;
}

void CBookmarksPage::AddItem(const CBookMark& mark)
{
    const std::string text = mark.DisplayText(FullPathTitles());
    if (HTREEITEM existing = ItemOf(mark.Number())) {
        m_bookmarkTree.SetItemText(existing, text);
        return;
    }
    TVINSERTSTRUCTA insert = {};
    insert.hParent = m_bookmarkTree.Root();
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = FolderIcon();
    insert.item.lParam = mark.Number();
    if (TreeView_InsertItem(m_bookmarkTree, &insert)) m_bookmarkTree.Expand(m_bookmarkTree.Root(), TVE_EXPAND);
}

void CBookmarksPage::RemoveItem(int number)
{
    if (HTREEITEM item = ItemOf(number)) TreeView_DeleteItem(m_bookmarkTree, item);
}

void CBookmarksPage::SetItemText(int number, const std::string& text)
{
    if (HTREEITEM item = ItemOf(number)) m_bookmarkTree.SetItemText(item, text);
}

int CBookmarksPage::SelectedNumber() const
{
    HTREEITEM selected = m_bookmarkTree.Selected();
    if (!selected || selected == m_bookmarkTree.Root()) return kNoBookmark;
    return BookmarkNumberOfText(m_bookmarkTree.ItemText(selected));
}

void CBookmarksPage::Restore()
{
    const int number = SelectedNumber();
    if (number != kNoBookmark)
        ::SendMessageA(CTrailmarkApp::Instance()->MainWindow(), WM_COMMAND,
                       static_cast<WPARAM>(ID_BOOKMARK_RESTORE_FIRST + number), 0);
}

void CBookmarksPage::Delete()
{
    const int number = SelectedNumber();
    if (number == kNoBookmark) return;
    if (CBookMarkList* list = BookmarkList()) list->RemoveByNumber(number);
    RemoveItem(number);
}

void CBookmarksPage::ClearAll()
{
    if (CBookMarkList* list = BookmarkList()) list->Clear();
    Refill();
}

bool CBookmarksPage::QueryBookmarks() const
{
    HTREEITEM selected = m_bookmarkTree.Selected();
    if (!selected) return false;
    if (selected == m_bookmarkTree.Root()) return BookmarkList() && BookmarkList()->Count() > 0;
    return SelectedNumber() != kNoBookmark;
}

void CBookmarksPage::OnOpenItem(HTREEITEM item)
{
    if (item && item != m_bookmarkTree.Root()) {
        m_bookmarkTree.Select(item);
        Restore();
    }
}

bool CBookmarksPage::ShowItemMenu(HTREEITEM item, POINT point)
{
    const bool root = item == m_bookmarkTree.Root();
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr),
                                 MAKEINTRESOURCEA(root ? IDR_BOOKMARKS_ROOT_MENU : IDR_BOOKMARK_ITEM_MENU));
    if (!resource) return false;
    HMENU menu = ::GetSubMenu(resource, 0);
    if (root) {
        const UINT state = BookmarkList() && BookmarkList()->Count() > 0 ? MF_ENABLED : MF_GRAYED;
        ::EnableMenuItem(menu, ID_BOOKMARKS_CLEAR_ALL, MF_BYCOMMAND | state);
        ::EnableMenuItem(menu, ID_EDIT_BOOKMARKS_LIST, MF_BYCOMMAND | state);
    }
    const UINT chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
    ::DestroyMenu(resource);
    if (chosen) OnPageCommand(chosen);
    return true;
}

void CBookmarksPage::OnPageCommand(UINT id)
{
    switch (id) {
    case ID_BOOKMARKS_RESTORE: Restore(); break;
    case ID_BOOKMARKS_DELETE: Delete(); break;
    case ID_BOOKMARKS_CLEAR_ALL: ClearAll(); break;
    default:
        // The list and the bar's own commands are the frame's.
        ::SendMessageA(CTrailmarkApp::Instance()->MainWindow(), WM_COMMAND, id, 0);
        break;
    }
}

void CBookmarksPage::DeleteSelection(bool toRecycleBin)
{
    (void)toRecycleBin;
    if (m_bookmarkTree.Selected() == m_bookmarkTree.Root())
        ClearAll();
    else
        Delete();
}

LRESULT CBookmarksPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The Delete key reaches the tree itself only where no frame takes it first.
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_bookmarkTree.Handle() && header->code == TVN_KEYDOWN &&
            reinterpret_cast<const NMTVKEYDOWN*>(header)->wVKey == VK_DELETE) {
            if (QueryBookmarks()) DeleteSelection(true);
            return 1;
        }
    }
    if (message == UWM_REFILLBOOKMARKS) {
        Refill();
        return 0;
    }
    return CExplorerPage::WindowProc(message, wParam, lParam);
}
