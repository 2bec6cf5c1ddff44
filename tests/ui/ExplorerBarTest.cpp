// The explorer bar: its tabs, docking and floating, the folder tree, the Open
// Folder dialog and the bookmarks, driven through the program's commands.

// Core
#include "core/folders/CutList.h"
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/frame/BookMarks.h"

// Framework
#include "ui/framework/Clipboard.h"

// Explorer
#include "ui/explorer/ExplorerBar.h"
#include "ui/explorer/ExplorerPage.h"
#include "ui/explorer/OpenFolderDlg.h"
#include "ui/explorer/TreeMessages.h"

// Frame
#include "ui/frame/FrameDropTarget.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Windows
#include <dbt.h>
#include <shellapi.h>

// Standard library
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace uitest;

class ExplorerBarTest : public FolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
        // Bookmark texts and titles without the temporary folder's path.
        Settings().SetSetting(Setting::FullPathInTitle, 0);
    }
    CExplorerBar& Bar() { return Frame().ExplorerBarWindow(); }
    CDesktopTree& Tree() { return Bar().FolderTree(); }
    std::vector<std::string> TabTexts()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < TabCtrl_GetItemCount(Bar().Tabs()); ++i) texts.push_back(TabText(Bar().Tabs(), i));
        return texts;
    }
    // The bar's rectangle in the frame's client coordinates.
    RECT BarRect()
    {
        RECT rect;
        ::GetWindowRect(Bar(), &rect);
        ::MapWindowPoints(nullptr, Frame().Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    CDesktopTree* DialogTree(HWND dialog)
    {
        return dynamic_cast<CDesktopTree*>(ui::Window::FromHandle(FindControl(dialog, kExplorerTreeId)));
    }
    void Key(HWND window, UINT key)
    {
        ::SendMessageA(window, WM_KEYDOWN, key, 0);
        ::SendMessageA(window, WM_KEYUP, key, 0);
    }
};

TEST_F(ExplorerBarTest, TheOpenFolderDialogReturnsTheChosenFolder)
{
    m_folder.Dir("Inner");
    Settings().SetSetting(Setting::TextInTabs, 1);
    std::string title;
    std::string tab;
    DialogScript script;
    script.Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
        title = WindowText(dialog);
        tab = TabText(FindControl(dialog, IDC_OPEN_FOLDER_TABS), 0);
        CDesktopTree* tree = DialogTree(dialog);
        ASSERT_NE(tree, nullptr);
        EXPECT_TRUE(tree->SelectPath(m_folder.Path("Inner")));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ChooseFolder(Frame().Handle(), "Copy Inner to"), m_folder.Path("Inner"));
    script.ExpectDone();
    EXPECT_EQ(title, "Copy Inner to");
    EXPECT_EQ(tab, "Desktop");
}

TEST_F(ExplorerBarTest, TheOpenFolderDialogOpensOnEnterAndGivesNothingWhenCancelled)
{
    Settings().SetSetting(Setting::TextInTabs, 0);
    std::string tab = "unset";
    DialogScript script;
    script
        .Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
            tab = TabText(FindControl(dialog, IDC_OPEN_FOLDER_TABS), 0);
            CDesktopTree* tree = DialogTree(dialog);
            ASSERT_NE(tree, nullptr);
            ASSERT_TRUE(tree->SelectPath(m_folder.Path()));
            Key(*tree, VK_RETURN);
        })
        .Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
            CDesktopTree* tree = DialogTree(dialog);
            ASSERT_NE(tree, nullptr);
            // A place without a folder on disk is no answer: OK leaves the dialog open.
            tree->Select(tree->DrivesItem());
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(::IsWindowVisible(dialog));
            Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(ChooseFolder(Frame().Handle(), "Open Folder"), m_folder.Path());
    EXPECT_EQ(tab, "");
    EXPECT_EQ(ChooseFolder(Frame().Handle(), "Open Folder"), "");
    script.ExpectDone();
}

TEST_F(ExplorerBarTest, TheBarMenusOptionsOpenTheSystemPageWhoseChangesTheBarShowsAtOnce)
{
    for (auto [tab, command] : {std::pair{ExplorerTab::Favorites, ID_VIEW_FAVORITES_TAB},
                                std::pair{ExplorerTab::Bookmarks, ID_VIEW_BOOKMARKS_TAB},
                                std::pair{ExplorerTab::Personal, ID_VIEW_PERSONAL_TAB}})
        if (!Bar().IsTabShown(tab)) Command(command);
    const bool bottom = Settings().GetSetting(Setting::TabsAtBottom) != 0;
    bool systemPage = false;
    DialogScript script;
    script.Then(IDC_OPT_PERSONAL_TAB, [&](HWND sheet) {
        systemPage = ::IsWindowVisible(::GetParent(FindControl(sheet, IDC_OPT_PERSONAL_TAB))) != FALSE;
        ClickNow(sheet, IDC_OPT_PERSONAL_TAB);
        ClickNow(sheet, IDC_OPT_TABS_BOTTOM);
        Click(sheet, IDOK);
    });
    // The menu's last item is Options: Up from no selection reaches it, Enter chooses it.
    HWND owner = Bar().DesktopPage().Handle();
    ::PostMessageA(owner, WM_KEYDOWN, VK_UP, 0);
    ::PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
    RECT rect;
    ::GetWindowRect(owner, &rect);
    ShowExplorerBarMenu(owner, POINT{rect.left + 10, rect.top + 10});
    script.ExpectDone();
    EXPECT_TRUE(systemPage);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 0);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Desktop", "Favorites", "Bookmarks"}));
    const bool tabsBottom = (::GetWindowLongPtrA(Bar().Tabs(), GWL_STYLE) & TCS_BOTTOM) != 0;
    EXPECT_EQ(tabsBottom, !bottom);
    EXPECT_EQ(Settings().GetSetting(Setting::TabsAtBottom) != 0, !bottom);
}

TEST_F(ExplorerBarTest, TheBarStartsDockedLeftWithMyComputerExpanded)
{
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Left);
    EXPECT_EQ(BarRect().left, 0);
    EXPECT_EQ(TabTexts().front(), "Desktop");
    ASSERT_NE(Tree().DrivesItem(), nullptr);
    EXPECT_TRUE(Tree().IsExpanded(Tree().DrivesItem()));
    // The drives are listed below My Computer, C: among them.
    EXPECT_NE(Tree().FindPath("C:\\"), nullptr);
    EXPECT_TRUE(FolderTreeKnows("c:\\"));
    EXPECT_FALSE(FolderTreeKnows(m_folder.Path()));
}

TEST_F(ExplorerBarTest, HidingThePersonalTabAndShowingItAgainPutsItBackAtPositionOne)
{
    for (auto [tab, command] : {std::pair{ExplorerTab::Favorites, ID_VIEW_FAVORITES_TAB},
                                std::pair{ExplorerTab::Bookmarks, ID_VIEW_BOOKMARKS_TAB},
                                std::pair{ExplorerTab::Personal, ID_VIEW_PERSONAL_TAB}})
        if (!Bar().IsTabShown(tab)) Command(command);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Desktop", "Personal", "Favorites", "Bookmarks"}));
    Command(ID_VIEW_PERSONAL_TAB);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 0);
    EXPECT_FALSE(QueryCommand(Frame().FirstCommandTarget(), ID_VIEW_PERSONAL_TAB).checked);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Desktop", "Favorites", "Bookmarks"}));
    Command(ID_VIEW_FAVORITES_TAB);
    Command(ID_VIEW_PERSONAL_TAB);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Desktop", "Personal", "Bookmarks"}));
    Command(ID_VIEW_FAVORITES_TAB);
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Desktop", "Personal", "Favorites", "Bookmarks"}));
    EXPECT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 1);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowFavoritesPage), 1);
}

TEST_F(ExplorerBarTest, DockRightFloatHideAndShowAgain)
{
    Command(ID_EXPLORER_ALIGN_RIGHT);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Right);
    RECT client;
    ::GetClientRect(Frame().Handle(), &client);
    EXPECT_EQ(BarRect().right, client.right);
    EXPECT_TRUE(QueryCommand(Frame().FirstCommandTarget(), ID_EXPLORER_ALIGN_RIGHT).checked);
    EXPECT_FALSE(QueryCommand(Frame().FirstCommandTarget(), ID_EXPLORER_ALIGN_LEFT).checked);

    ASSERT_TRUE(Enabled(ID_EXPLORER_FLOAT));
    Command(ID_EXPLORER_FLOAT);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Floating);
    EXPECT_FALSE(Enabled(ID_EXPLORER_FLOAT));
    HWND small = Bar().FloatFrame();
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(::GetParent(Bar()), small);
    // The small frame's system menu holds only "&Hide", which hides the bar.
    HMENU system = ::GetSystemMenu(small, FALSE);
    ASSERT_EQ(::GetMenuItemCount(system), 1);
    char text[32] = "";
    ::GetMenuStringA(system, 0, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "&Hide");
    ::SendMessageA(small, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Hidden);
    EXPECT_FALSE(QueryCommand(Frame().FirstCommandTarget(), ID_VIEW_EXPLORER_BAR).checked);

    Command(ID_VIEW_EXPLORER);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Floating);
    Command(ID_EXPLORER_ALIGN_LEFT);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Left);
    EXPECT_EQ(::GetParent(Bar()), Frame().Handle());
    EXPECT_EQ(BarRect().left, 0);
}

TEST_F(ExplorerBarTest, TheBarsPlaceAndWidthOutliveTheProgram)
{
    Bar().SetDockedSize(234);
    Command(ID_EXPLORER_ALIGN_RIGHT);
    Command(ID_EXPLORER_TABS_AT_TOP);
    Restart();
    EXPECT_EQ(Settings().GetSetting(Setting::ExplorerBarWidth), 234);
    EXPECT_EQ(Bar().DockState(), ExplorerDockState::Right);
    EXPECT_EQ(Bar().DockedSize(), 234);
    EXPECT_NE(::GetWindowLongPtrA(Bar().Tabs(), GWL_STYLE) & TCS_BOTTOM, 0);
    Command(ID_EXPLORER_ALIGN_LEFT);
}

TEST_F(ExplorerBarTest, AKeyboardWalkOpensOnlyTheItemOnWhichTheSelectionRests)
{
    for (const char* name : {"a", "b", "c"}) m_folder.Dir(name);
    Settings().SetSetting(Setting::SingleClickBar, 1);
    ASSERT_TRUE(Tree().SelectPath(m_folder.Path("a")));
    ::SetFocus(Tree());
    Key(Tree(), VK_DOWN);
    PumpFor(400);
    Key(Tree(), VK_DOWN);
    PumpFor(400);
    // Less than a second after the last key: nothing opened yet.
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
    ASSERT_TRUE(PumpUntil([] { return !CWindowList::Instance().Windows().empty(); }, 5000));
    PumpFor(1200);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    EXPECT_EQ(CWindowList::Instance().Windows().front()->Path(), m_folder.Path("c"));
}

TEST_F(ExplorerBarTest, AFolderCreatedInsideAnExpandedFolderAppearsInTheTreeAndTheOthersStayAsTheyWere)
{
    m_folder.Dir("kept");
    m_folder.Dir("kept\\inner");
    m_folder.Dir("gone");
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    HTREEITEM kept = Tree().FindPath(m_folder.Path("kept"));
    ASSERT_NE(kept, nullptr);
    Tree().Expand(kept, TVE_EXPAND);
    EXPECT_EQ(Tree().FindPath(m_folder.Path("New")), nullptr);
    m_folder.Dir("New");
    EXPECT_TRUE(PumpUntil([&] { return Tree().FindPath(m_folder.Path("New")) != nullptr; }, 15000));
    // The sibling that stayed keeps its item, open as it was.
    EXPECT_EQ(Tree().FindPath(m_folder.Path("kept")), kept);
    EXPECT_TRUE(Tree().IsExpanded(kept));
    EXPECT_NE(Tree().FindPath(m_folder.Path("kept\\inner")), nullptr);
    // A folder that goes takes its item with it, and a selection in it goes up.
    ASSERT_TRUE(Tree().SelectPath(m_folder.Path("gone")));
    ASSERT_TRUE(::RemoveDirectoryA(m_folder.Path("gone").c_str()));
    EXPECT_TRUE(PumpUntil([&] { return Tree().FindPath(m_folder.Path("gone")) == nullptr; }, 15000));
    EXPECT_EQ(Tree().Selected(), folder);
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
}

TEST_F(ExplorerBarTest, CtrlThreeTwiceOnTwoWindowsLeavesOneBookmarkOnTheSecond)
{
    m_folder.Dir("one");
    m_folder.Dir("two");
    CExplorerWindow* first = Open(m_folder.Path("one"));
    CExplorerWindow* second = Open(m_folder.Path("two"));
    ASSERT_TRUE(first && second);
    CWindowList::Instance().ActivateWindow(first);
    ASSERT_TRUE(Enabled(ID_BOOKMARK_CREATE_FIRST + 2));
    Command(ID_BOOKMARK_CREATE_FIRST + 2);
    CWindowList::Instance().ActivateWindow(second);
    Command(ID_BOOKMARK_CREATE_FIRST + 2);
    CBookMarkList* list = BookmarkList();
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->FindByNumber(2)->Window(), second);
    EXPECT_EQ(list->FindByNumber(2)->Path(), m_folder.Path("two"));
    // The Bookmarks page shows the one bookmark with its number.
    CBookmarksPage& page = Bar().BookmarksPage();
    HTREEITEM item = page.ItemOf(2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(page.Tree().ItemText(item), "3) two");
    EXPECT_EQ(page.Tree().NextSibling(item), nullptr);
}

TEST_F(ExplorerBarTest, RestoringABookmarkWhoseWindowClosedOpensANewWindowOfItsKind)
{
    m_folder.Dir("kept");
    CExplorerWindow* window = Open(m_folder.Path("kept"));
    ASSERT_NE(window, nullptr);
    Command(ID_BOOKMARK_CREATE_FIRST);
    ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([] { return CWindowList::Instance().Windows().empty(); }));
    CBookMark* mark = BookmarkList()->FindByNumber(0);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Window(), nullptr);
    EXPECT_TRUE(Enabled(ID_BOOKMARK_RESTORE_FIRST));
    EXPECT_FALSE(Enabled(ID_BOOKMARK_RESTORE_FIRST + 1));
    Command(ID_BOOKMARK_RESTORE_FIRST);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    CBasicWindow* reopened = CWindowList::Instance().Windows().front();
    EXPECT_EQ(reopened->Path(), m_folder.Path("kept"));
    EXPECT_EQ(reopened->Kind(), WindowKind::Folder);
    EXPECT_EQ(BookmarkList()->FindByNumber(0)->Window(), reopened);
    // Restoring an open window's bookmark activates it and opens nothing new.
    m_folder.Dir("other");
    Open(m_folder.Path("other"));
    Command(ID_BOOKMARK_RESTORE_FIRST);
    EXPECT_EQ(CWindowList::Instance().Windows().size(), 2u);
    EXPECT_EQ(CWindowList::Instance().Active(), reopened);
}

TEST_F(ExplorerBarTest, InExplorerModeARestoreNavigatesTheSingleWindow)
{
    m_folder.Dir("marked");
    m_folder.Dir("elsewhere");
    ASSERT_TRUE(Frame().ApplyWindowMode(1));
    ASSERT_NE(Open(m_folder.Path("marked")), nullptr);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    Command(ID_BOOKMARK_CREATE_FIRST + 4);
    Open(m_folder.Path("elsewhere"));
    CBasicWindow* single = CWindowList::Instance().Windows().front();
    ASSERT_EQ(single->Path(), m_folder.Path("elsewhere"));
    Command(ID_BOOKMARK_RESTORE_FIRST + 4);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    EXPECT_EQ(CWindowList::Instance().Windows().front(), single);
    EXPECT_EQ(single->Path(), m_folder.Path("marked"));
}

TEST_F(ExplorerBarTest, TheBookmarksPageDeletesAndClearsAndTheEditMenuListsThem)
{
    m_folder.Dir("x");
    ASSERT_NE(Open(m_folder.Path("x")), nullptr);
    Command(ID_BOOKMARK_CREATE_FIRST + 1);
    Command(ID_BOOKMARK_CREATE);  // the first free number: 1
    CBookmarksPage& page = Bar().BookmarksPage();
    ASSERT_EQ(BookmarkList()->Count(), 2);
    // The Edit menu's restore popup lists them by number.
    HMENU edit = PopupHolding(::GetMenu(Frame().Handle()), ID_EDIT_RESTORE_BOOKMARK);
    ASSERT_NE(edit, nullptr);
    ::SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 2);
    HMENU restore = PopupHolding(::GetMenu(Frame().Handle()), ID_BOOKMARK_RESTORE_FIRST);
    ASSERT_EQ(restore, nullptr);  // filled only when it opens
    for (int i = 0; i < ::GetMenuItemCount(edit); ++i)
        if (HMENU sub = ::GetSubMenu(edit, i))
            ::SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 0);
    restore = PopupHolding(::GetMenu(Frame().Handle()), ID_BOOKMARK_RESTORE_FIRST);
    ASSERT_NE(restore, nullptr);
    ASSERT_EQ(::GetMenuItemCount(restore), 2);
    EXPECT_EQ(::GetMenuItemID(restore, 1), static_cast<UINT>(ID_BOOKMARK_RESTORE_FIRST + 1));
    HMENU create = PopupHolding(::GetMenu(Frame().Handle()), ID_BOOKMARK_CREATE_FIRST);
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(::GetMenuItemCount(create), kBookmarkCount);

    // Delete on a bookmark item removes it; on the root it clears them all.
    page.Tree().Select(page.ItemOf(1));
    EXPECT_TRUE(page.QueryBookmarks());
    NMTVKEYDOWN key = {};
    key.hdr.hwndFrom = page.Tree().Handle();
    key.hdr.idFrom = kExplorerTreeId;
    key.hdr.code = TVN_KEYDOWN;
    key.wVKey = VK_DELETE;
    ::SendMessageA(page.Handle(), WM_NOTIFY, kExplorerTreeId, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ(BookmarkList()->FindByNumber(1), nullptr);
    EXPECT_EQ(page.ItemOf(1), nullptr);
    EXPECT_EQ(BookmarkList()->Count(), 1);
    page.Tree().Select(page.Tree().Root());
    ::SendMessageA(page.Handle(), WM_NOTIFY, kExplorerTreeId, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ(BookmarkList()->Count(), 0);
    EXPECT_EQ(page.Tree().FirstChild(page.Tree().Root()), nullptr);
    EXPECT_FALSE(page.QueryBookmarks());
    EXPECT_FALSE(Enabled(ID_EDIT_BOOKMARKS_LIST));
}

TEST_F(ExplorerBarTest, TheBookmarksListSwitchesToOneAndDeletesTheChosen)
{
    for (const char* name : {"p", "q", "r"}) m_folder.Dir(name);
    int number = 0;
    for (const char* name : {"p", "q", "r"}) {
        ASSERT_NE(Open(m_folder.Path(name)), nullptr);
        Command(ID_BOOKMARK_CREATE_FIRST + number++);
    }
    CBasicWindow* p = BookmarkList()->FindByNumber(0)->Path() == m_folder.Path("p")
                          ? static_cast<CBasicWindow*>(BookmarkList()->FindByNumber(0)->Window())
                          : nullptr;
    ASSERT_NE(p, nullptr);
    std::vector<std::string> lines;
    DialogScript script;
    script
        .Then(IDC_BOOKMARKS_LINES,
              [&](HWND dialog) {
                  HWND list = FindControl(dialog, IDC_BOOKMARKS_LINES);
                  for (int i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
                      char text[MAX_PATH] = "";
                      ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                      lines.push_back(text);
                  }
                  EXPECT_TRUE(ControlEnabled(dialog, IDC_BOOKMARKS_SWITCH_TO));
                  SelectEntries(dialog, IDC_BOOKMARKS_LINES, {1, 2}, true);
                  EXPECT_FALSE(ControlEnabled(dialog, IDC_BOOKMARKS_SWITCH_TO));
                  EXPECT_TRUE(ControlEnabled(dialog, IDC_BOOKMARKS_REMOVE));
                  ClickNow(dialog, IDC_BOOKMARKS_REMOVE);
                  EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
                  Click(dialog, IDC_BOOKMARKS_SWITCH_TO);
              });
    Command(ID_EDIT_BOOKMARKS_LIST);
    script.ExpectDone();
    PumpFor(100);
    EXPECT_EQ(lines, (std::vector<std::string>{"1) p", "2) q", "3) r"}));
    EXPECT_EQ(BookmarkList()->Count(), 1);
    EXPECT_EQ(Bar().BookmarksPage().ItemOf(1), nullptr);
    EXPECT_EQ(CWindowList::Instance().Active(), p);
}

// A folder named in characters the code page lacks reaches the tree as "??",
// a pattern that also names "ab" and "cd" to the shell's file operation.
TEST_F(ExplorerBarTest, RenamingAFolderWhoseNameTheCodePageLostRenamesThatFolderAlone)
{
    m_folder.Dir("ab");
    m_folder.Dir("cd");
    const std::string parent = m_folder.Path();
    const std::wstring lost = std::wstring(parent.begin(), parent.end()) + L"\\\x65E5\x672C";
    ASSERT_TRUE(::CreateDirectoryW(lost.c_str(), nullptr));
    HTREEITEM folder = Tree().FindOrListPath(parent);
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    HTREEITEM item = Tree().FindPath(m_folder.Path("??"));
    ASSERT_NE(item, nullptr);
    const char typed[] = "named";
    ::SendMessageA(Bar().DesktopPage().Handle(), UWM_TREEEDITEND, reinterpret_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(typed));
    EXPECT_EQ(::GetFileAttributesW(lost.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Exists(m_folder.Path("named")));
    EXPECT_TRUE(Exists(m_folder.Path("ab")));
    EXPECT_TRUE(Exists(m_folder.Path("cd")));
    EXPECT_TRUE(m_messages.texts.empty());
}

// --- A renamed folder: the tree and the windows follow each other ------------

TEST_F(ExplorerBarTest, AFolderRenamedInTheTreeTakesItsWindowsItsBookmarkAndTheWindowsBelowIt)
{
    m_folder.Dir("old");
    m_folder.Dir("old\\inner");
    m_folder.Dir("other");
    CExplorerWindow* below = Open(m_folder.Path("old\\inner"));
    CExplorerWindow* shown = Open(m_folder.Path("old"));
    ASSERT_TRUE(shown && below);
    Command(ID_BOOKMARK_CREATE_FIRST);
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    HTREEITEM other = Tree().FindPath(m_folder.Path("other"));
    HTREEITEM item = Tree().FindPath(m_folder.Path("old"));
    ASSERT_TRUE(other && item);
    const char typed[] = " new ";
    ::SendMessageA(Bar().DesktopPage().Handle(), UWM_TREEEDITEND, reinterpret_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(typed));
    ASSERT_TRUE(Exists(m_folder.Path("new\\inner")));
    EXPECT_EQ(shown->Path(), m_folder.Path("new"));
    EXPECT_EQ(WindowText(shown->Handle()), "new");
    EXPECT_EQ(below->Path(), m_folder.Path("new\\inner"));
    CBookMark* mark = BookmarkList()->FindByNumber(0);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Path(), m_folder.Path("new"));
    EXPECT_EQ(Bar().BookmarksPage().Tree().ItemText(Bar().BookmarksPage().ItemOf(0)), "1) new");
    // The tree has the new name at once, drawn open; the sibling kept its item.
    EXPECT_EQ(Tree().FindPath(m_folder.Path("old")), nullptr);
    HTREEITEM renamed = Tree().FindPath(m_folder.Path("new"));
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(Tree().ItemText(renamed), "new");
    EXPECT_TRUE(Tree().NodeOf(renamed)->open);
    EXPECT_EQ(Tree().FindPath(m_folder.Path("other")), other);
    // The window watches its folder under the new name.
    ASSERT_TRUE(WaitIdle(*shown));
    m_folder.File("new\\late.txt");
    EXPECT_TRUE(PumpUntil([&] { return ItemNames(*shown->ExplorerView()).count("late.txt") == 1; }, 20000));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(ExplorerBarTest, AFolderRenamedFromItsWindowRenamesItsTreeItemAtOnceAndTheWindowsBelowFollow)
{
    for (const char* name : {"old", "old\\inner", "old\\inner\\deep"}) m_folder.Dir(name);
    CExplorerWindow* below = Open(m_folder.Path("old\\inner"));
    CExplorerWindow* shown = Open(m_folder.Path("old"));
    ASSERT_TRUE(shown && below);
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    HTREEITEM item = Tree().FindPath(m_folder.Path("old"));
    ASSERT_NE(item, nullptr);
    Tree().Expand(item, TVE_EXPAND);
    ASSERT_TRUE(Tree().SelectPath(m_folder.Path("old")));
    DialogScript script;
    script.Then(IDC_NAME, [](HWND dialog) {
        Type(dialog, IDC_NAME, "new");
        Click(dialog, IDOK);
    });
    Command(ID_FILE_RENAME);
    script.ExpectDone();
    ASSERT_TRUE(Exists(m_folder.Path("new\\inner")));
    EXPECT_EQ(shown->Path(), m_folder.Path("new"));
    // Before any watcher could tell (a removable disk has none), the tree
    // shows the new name, open as it was and still selected.
    EXPECT_EQ(Tree().FindPath(m_folder.Path("old")), nullptr);
    HTREEITEM renamed = Tree().FindPath(m_folder.Path("new"));
    ASSERT_NE(renamed, nullptr);
    EXPECT_TRUE(Tree().IsExpanded(renamed));
    EXPECT_EQ(Tree().Selected(), renamed);
    EXPECT_EQ(below->Path(), m_folder.Path("new\\inner"));
    EXPECT_EQ(WindowText(below->Handle()), "inner");
    EXPECT_TRUE(m_messages.texts.empty());
}

}  // namespace

// --- Drops on the tree, panes, devices and the Recycle Bin --------------------

namespace {

void SendVolumeChange(HWND frame, UINT event, char letter, WORD flags)
{
    DEV_BROADCAST_VOLUME volume = {};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << (letter - 'A');
    volume.dbcv_flags = flags;
    ::SendMessageA(frame, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
}

}  // namespace

TEST_F(ExplorerBarTest, FilesDroppedOnATreeItemAreCopiedOrMovedIntoItsFolder)
{
    Settings().SetSetting(Setting::ConfirmOperations, 0);
    m_folder.Dir("from");
    m_folder.Dir("into");
    m_folder.File("from\\copied.txt", 10);
    m_folder.File("from\\moved.txt", 20);
    HTREEITEM into = Tree().FindOrListPath(m_folder.Path("into"));
    ASSERT_NE(into, nullptr);
    CDesktopPage& page = Bar().DesktopPage();
    const std::vector<std::string> copied{m_folder.Path("from\\copied.txt")};
    const std::vector<std::string> moved{m_folder.Path("from\\moved.txt")};
    // The keys decide as over a files view: none moves, Ctrl copies, Ctrl+Shift links.
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(page.EffectOver(into, copied, MK_LBUTTON, all), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(page.EffectOver(into, copied, MK_LBUTTON | MK_CONTROL, all), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(page.EffectOver(into, copied, MK_LBUTTON | MK_CONTROL | MK_SHIFT, all),
              static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(page.EffectOver(into, copied, MK_LBUTTON | MK_CONTROL, DROPEFFECT_MOVE), DROPEFFECT_NONE);
    // A folder never goes into itself; My Computer holds no files.
    EXPECT_EQ(page.EffectOver(into, {m_folder.Path("into")}, MK_LBUTTON, all), DROPEFFECT_NONE);
    EXPECT_EQ(page.EffectOver(Tree().DrivesItem(), copied, MK_LBUTTON, all), DROPEFFECT_NONE);

    EXPECT_EQ(page.DropOnItem(into, copied, DROPEFFECT_COPY), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(page.DropOnItem(into, moved, DROPEFFECT_MOVE), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_TRUE(PumpUntil([&] {
        return Exists(m_folder.Path("into\\copied.txt")) && Exists(m_folder.Path("into\\moved.txt")) &&
               !Exists(m_folder.Path("from\\moved.txt"));
    }, 15000));
    EXPECT_TRUE(Exists(m_folder.Path("from\\copied.txt")));
    PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }, 15000);
}

TEST_F(ExplorerBarTest, DroppingFilesOnTheirOwnFolderAsksBeforeCopiesUnderNewNames)
{
    Settings().SetSetting(Setting::ConfirmOperations, 0);
    m_folder.File("same.txt", 5);
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    MessageRecorder messages;
    messages.answer = IDNO;
    EXPECT_EQ(Bar().DesktopPage().DropOnItem(folder, {m_folder.Path("same.txt")}, DROPEFFECT_COPY), DROPEFFECT_NONE);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts.front().find("already exist"), std::string::npos);
}

TEST_F(ExplorerBarTest, AFolderCutFromTheTreeIsGhostedUntilTheClipboardMovesOn)
{
    m_folder.Dir("cut");
    HTREEITEM item = Tree().FindOrListPath(m_folder.Path("cut"));
    ASSERT_NE(item, nullptr);
    CDesktopPage& page = Bar().DesktopPage();
    page.CutItem(item);
    EXPECT_EQ(TreeView_GetItemState(Tree().Handle(), item, TVIS_CUT) & TVIS_CUT, static_cast<UINT>(TVIS_CUT));
    ASSERT_EQ(CutList::Instance().Paths(), std::vector<std::string>{m_folder.Path("cut")});
    PumpFor(2500);
    EXPECT_EQ(page.CutPath(), m_folder.Path("cut"));
    // Anything else on the clipboard ends the cut; the next check clears the ghost.
    ui::SetClipboardText(Frame().Handle(), "something else");
    EXPECT_TRUE(PumpUntil([&] { return page.CutPath().empty(); }, 5000));
    EXPECT_EQ(TreeView_GetItemState(Tree().Handle(), item, TVIS_CUT) & TVIS_CUT, 0u);
}

TEST_F(ExplorerBarTest, TabMovesBetweenTheFilesTheAddressBoxAndTheBar)
{
    Settings().SetSetting(Setting::ShowAddressBar, 0);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    HWND list = view->List().Handle();
    ::SetFocus(list);
    Key(list, VK_TAB);
    EXPECT_EQ(::GetFocus(), Tree().Handle());
    // Tab in the tree gives the keys back to the window's files.
    Key(Tree(), VK_TAB);
    EXPECT_EQ(::GetFocus(), list);

    Command(ID_VIEW_ADDRESS_BAR);
    ASSERT_TRUE(view->AddressBarVisible());
    Key(list, VK_TAB);
    EXPECT_EQ(::GetFocus(), view->LocationBox().Edit());
    // Shift+Tab goes straight to the bar, past the address box.
    ::SetFocus(list);
    ::SendMessageA(view->Handle(), UWM_NEXTPANE, 0, 0);
    EXPECT_EQ(::GetFocus(), Tree().Handle());
    Command(ID_VIEW_ADDRESS_BAR);
}

TEST_F(ExplorerBarTest, TheLastWindowClosedGivesTheKeysToTheBar)
{
    CExplorerWindow* window = Open(m_folder.Path());
    ASSERT_NE(window, nullptr);
    ::SetFocus(window->ExplorerView()->List().Handle());
    Command(ID_WINDOW_CLOSE_ALL);
    ASSERT_TRUE(PumpUntil([] { return CWindowList::Instance().Windows().empty(); }));
    EXPECT_EQ(::GetFocus(), Tree().Handle());
}

TEST_F(ExplorerBarTest, ADriveThatComesAndGoesComesAndGoesBelowMyComputer)
{
    const char letter = 'Q';
    const std::string root = std::string(1, letter) + ":\\";
    ASSERT_EQ(Tree().FindPath(root), nullptr) << "the test's drive letter is in use";
    ASSERT_TRUE(::DefineDosDeviceA(0, "Q:", m_folder.Path().c_str()));
    // Until the system says so, the tree does not know.
    EXPECT_EQ(Tree().FindPath(root), nullptr);
    SendVolumeChange(Frame().Handle(), DBT_DEVICEARRIVAL, letter, 0);
    EXPECT_NE(Tree().FindPath(root), nullptr);
    EXPECT_TRUE(Tree().IsExpanded(Tree().DrivesItem()));

    ::DefineDosDeviceA(DDD_REMOVE_DEFINITION, "Q:", nullptr);
    SendVolumeChange(Frame().Handle(), DBT_DEVICEREMOVECOMPLETE, letter, 0);
    EXPECT_EQ(Tree().FindPath(root), nullptr);
    EXPECT_NE(Tree().FindPath("C:\\"), nullptr);
}

TEST_F(ExplorerBarTest, EmptyRecycleBinEmptiesItThroughTheTreesItem)
{
    ASSERT_NE(Tree().RecycleBinItem(), nullptr);
    m_folder.File("binned.txt", 100);
    std::string from = m_folder.Path("binned.txt");
    from.push_back('\0');
    SHFILEOPSTRUCTA remove = {};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
    ASSERT_EQ(::SHFileOperationA(&remove), 0);
    SHQUERYRBINFO bin = {};
    bin.cbSize = sizeof(bin);
    ASSERT_EQ(::SHQueryRecycleBinA(nullptr, &bin), S_OK);
    const auto binned = bin.i64NumItems;
    ASSERT_GT(binned, 0);
    DialogScript script;
    script.Then(IDYES, [](HWND dialog) { Click(dialog, IDYES); });
    Command(ID_DISK_EMPTY_RECYCLE_BIN);
    script.ExpectDone();
    ASSERT_EQ(::SHQueryRecycleBinA(nullptr, &bin), S_OK);
    // The bin is the host user's under Wine, which cannot empty folders that
    // other programs put there: the files at least are gone.
    EXPECT_LT(bin.i64NumItems, binned);
}

TEST_F(ExplorerBarTest, RefreshAllListsTheTreeAgainKeepingWhatWasOpen)
{
    m_folder.Dir("kept");
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    ASSERT_TRUE(Tree().SelectPath(m_folder.Path("kept")));
    // A folder the watcher has not reported yet shows after Refresh All.
    m_folder.Dir("late");
    Command(ID_VIEW_REFRESH_ALL);
    EXPECT_NE(Tree().FindPath(m_folder.Path("late")), nullptr);
    HTREEITEM again = Tree().FindPath(m_folder.Path());
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Tree().IsExpanded(again));
    ASSERT_NE(Tree().SelectedNode(), nullptr);
    EXPECT_EQ(Tree().SelectedNode()->path, m_folder.Path("kept"));
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
}

TEST_F(ExplorerBarTest, FilesDraggedOverTheFramesOwnAreaGoToTheActiveFolderWindow)
{
    Settings().SetSetting(Setting::ConfirmOperations, 0);
    m_folder.Dir("from");
    m_folder.Dir("shown");
    m_folder.File("from\\dragged.txt", 3);
    auto* data = new filedrop::FileListData({m_folder.Path("from\\dragged.txt")});
    auto* nothing = new filedrop::FileListData({});
    FrameDropTarget target(Frame().Handle());
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    auto dragOver = [&](IDataObject* offered, DWORD keys) {
        DWORD effect = all;
        EXPECT_EQ(target.DragEnter(offered, keys, {0, 0}, &effect), S_OK);
        target.DragLeave();
        return effect;
    };
    // No window: nowhere to go.
    EXPECT_EQ(dragOver(data, MK_LBUTTON | MK_CONTROL), DROPEFFECT_NONE);
    ASSERT_NE(Open(m_folder.Path("shown")), nullptr);
    EXPECT_EQ(dragOver(data, MK_LBUTTON | MK_CONTROL), DROPEFFECT_COPY);
    // Only lists of files are taken.
    EXPECT_EQ(dragOver(nothing, MK_LBUTTON | MK_CONTROL), DROPEFFECT_NONE);
    DWORD effect = all;
    target.DragEnter(data, MK_LBUTTON | MK_CONTROL, {0, 0}, &effect);
    effect = all;
    EXPECT_EQ(target.Drop(data, MK_CONTROL, {0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_TRUE(PumpUntil([&] { return Exists(m_folder.Path("shown\\dragged.txt")); }, 15000));
    EXPECT_TRUE(Exists(m_folder.Path("from\\dragged.txt")));
    nothing->Release();
    data->Release();
    PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }, 15000);
}

TEST_F(ExplorerBarTest, TheFramesDropTargetShowsTheProgramsCursorOfTheEffectInItsForm)
{
    using Form = filedrop::DragCursors::Form;
    const filedrop::DragCursors several(Form::SeveralItems), one(Form::OneItem);
    // Six cursors of the program's own, none alike.
    std::set<HCURSOR> cursors;
    for (const auto* form : {&several, &one})
        for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) cursors.insert(form->For(effect));
    EXPECT_EQ(cursors.size(), 6u);
    EXPECT_EQ(cursors.count(nullptr), 0u);
    EXPECT_EQ(several.For(DROPEFFECT_NONE), nullptr);

    m_folder.Dir("shown");
    m_folder.File("dragged.txt");
    auto* data = new filedrop::FileListData({m_folder.Path("dragged.txt")});
    FrameDropTarget frameTarget(Frame().Handle());
    FrameDropTarget oneItemTarget(Frame().Handle(), Form::OneItem);
    filedrop::DragSource plainSource;
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    // The cursor a drag step leaves, and what the program's source says of it.
    auto step = [&](FrameDropTarget& target, DWORD keys, HRESULT* feedback = nullptr) {
        ::SetCursor(arrow);
        DWORD effect = all;
        target.DragEnter(data, keys, {0, 0}, &effect);
        const HRESULT said = plainSource.GiveFeedback(effect);
        if (feedback) *feedback = said;
        target.DragLeave();
        return ::GetCursor();
    };
    // Nowhere to drop: the system's cursors stay.
    HRESULT feedback = S_OK;
    EXPECT_EQ(step(frameTarget, MK_LBUTTON | MK_CONTROL, &feedback), arrow);
    EXPECT_EQ(feedback, DRAGDROP_S_USEDEFAULTCURSORS);

    ASSERT_NE(Open(m_folder.Path("shown")), nullptr);
    EXPECT_EQ(step(frameTarget, MK_LBUTTON | MK_CONTROL, &feedback), several.For(DROPEFFECT_COPY));
    EXPECT_EQ(feedback, S_OK) << "the source leaves the target's cursor standing";
    EXPECT_EQ(step(frameTarget, MK_LBUTTON | MK_SHIFT), several.For(DROPEFFECT_MOVE));
    EXPECT_EQ(step(frameTarget, MK_LBUTTON | MK_CONTROL | MK_SHIFT), several.For(DROPEFFECT_LINK));
    EXPECT_EQ(step(oneItemTarget, MK_LBUTTON | MK_CONTROL), one.For(DROPEFFECT_COPY));
    data->Release();

    // A source given cursors shows its own where no target of the program did.
    filedrop::DragSource folderSource(&one);
    ::SetCursor(arrow);
    EXPECT_EQ(folderSource.GiveFeedback(DROPEFFECT_MOVE), S_OK);
    EXPECT_EQ(::GetCursor(), one.For(DROPEFFECT_MOVE));
    EXPECT_EQ(plainSource.GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
}

namespace {

TEST_F(ExplorerBarTest, TheFavoritesPageListsTheFavoritesAndOpensThemUnlessTheListChangedBehindIt)
{
    m_folder.Dir("one");
    m_folder.Dir("two");
    CObjectList& favorites = *m_app->Favorites();
    const int before = favorites.Count();
    for (const char* name : {"one", "two"}) {
        auto favorite = std::make_unique<CFavorite>();
        favorite->SetName(std::string("Fav ") + name);
        favorite->SetCommand(m_folder.Path(name));
        favorites.Add(std::move(favorite));
    }
    Bar().SelectTab(ExplorerTab::Favorites);
    CExplorerTree& tree = Bar().FavoritesPage().Tree();
    auto itemNamed = [&](const std::string& text) -> HTREEITEM {
        for (HTREEITEM item = tree.FirstChild(tree.Root()); item; item = tree.NextSibling(item))
            if (tree.ItemText(item) == text) return item;
        return nullptr;
    };
    auto open = [&](HTREEITEM item) {
        ::SendMessageA(Bar().FavoritesPage().Handle(), UWM_TREEOPENITEM, reinterpret_cast<WPARAM>(item), 0);
    };
    EXPECT_EQ(tree.ItemText(tree.Root()), "Favorites");
    HTREEITEM first = itemNamed("Fav one");
    ASSERT_NE(first, nullptr);
    HTREEITEM second = itemNamed("Fav two");
    ASSERT_NE(second, nullptr);
    open(second);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    EXPECT_EQ(CWindowList::Instance().Windows().front()->Path(), m_folder.Path("two"));
    // The first goes behind the page's back: its place now holds "Fav two",
    // which its item must not open.
    ::SendMessageA(CWindowList::Instance().Windows().front()->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([] { return CWindowList::Instance().Windows().empty(); }));
    favorites.RemoveAt(before, true);
    open(first);
    PumpFor(200);
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
    EXPECT_EQ(itemNamed("Fav one"), nullptr);
    ASSERT_NE(itemNamed("Fav two"), nullptr);
    open(itemNamed("Fav two"));
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    EXPECT_EQ(CWindowList::Instance().Windows().front()->Path(), m_folder.Path("two"));
}


// The items of the folder tree that an address box may list: the desktop, its
// folders and the drives.
std::set<const NameSpaceNode*> TopNodes(const CDesktopTree& tree)
{
    std::set<const NameSpaceNode*> nodes{tree.NodeOf(tree.Root())};
    for (HTREEITEM child = tree.FirstChild(tree.Root()); child; child = tree.NextSibling(child))
        nodes.insert(tree.NodeOf(child));
    for (HTREEITEM drive = tree.FirstChild(tree.DrivesItem()); drive; drive = tree.NextSibling(drive))
        nodes.insert(tree.NodeOf(drive));
    return nodes;
}

// The box's entry whose node is the tree's item of the path, or -1.
int EntryOfTreeItem(const CLocationBox& box, const CDesktopTree& tree, const std::string& path)
{
    HTREEITEM item = tree.FindPath(path);
    for (int i = 0; item && i < box.ItemCount(); ++i)
        if (box.ItemNode(i) == tree.NodeOf(item)) return i;
    return -1;
}

// Every entry's node is one the tree holds now.
::testing::AssertionResult AllEntriesLive(const CLocationBox& box, const CDesktopTree& tree)
{
    const std::set<const NameSpaceNode*> live = TopNodes(tree);
    for (int i = 0; i < box.ItemCount(); ++i)
        if (!live.count(box.ItemNode(i)))
            return ::testing::AssertionFailure() << "entry " << i << " (" << box.ItemText(i) << ") is no tree item";
    return ::testing::AssertionSuccess();
}

void OpenList(CExplorerView& view)
{
    const CLocationBox& box = view.LocationBox();
    ::SendMessageA(view.Handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box.Handle()), CBN_DROPDOWN),
                   reinterpret_cast<LPARAM>(box.Handle()));
}

std::vector<std::string> HistoryNames(const CExplorerWindow::History& history)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < history.Count(); ++i) names.push_back(history.At(i)->name);
    return names;
}

TEST_F(ExplorerBarTest, AddressBoxesListTheTreesOwnItemsAndLetGoOfADriveThatGoes)
{
    CExplorerView* first = OpenView(m_folder.Path());
    ASSERT_NE(first, nullptr);
    TempDir other;
    CExplorerWindow* second = Open(other.Path());
    ASSERT_NE(second, nullptr);
    for (CExplorerView* view : {first, second->ExplorerView()}) {
        const CLocationBox& box = view->LocationBox();
        ASSERT_TRUE(box.SharesTreeNodes());
        ASSERT_GE(box.ItemCount(), 3);
        EXPECT_EQ(box.ItemNode(0), Tree().NodeOf(Tree().Root()));
        EXPECT_GE(EntryOfTreeItem(box, Tree(), "C:\\"), 2) << "the tree's drive item itself";
        EXPECT_TRUE(AllEntriesLive(box, Tree()));
    }

    // Drive letters that change make the tree list its drives again: every
    // drive item is deleted, and no box keeps one.
    const char letter = 'Q';
    const std::string root = std::string(1, letter) + ":\\";
    ASSERT_EQ(Tree().FindPath(root), nullptr) << "the test's drive letter is in use";
    ASSERT_TRUE(::DefineDosDeviceA(0, "Q:", m_folder.Path().c_str()));
    SendVolumeChange(Frame().Handle(), DBT_DEVICEARRIVAL, letter, 0);
    ASSERT_NE(Tree().FindPath(root), nullptr);
    for (CExplorerView* view : {first, second->ExplorerView()}) {
        EXPECT_TRUE(AllEntriesLive(view->LocationBox(), Tree()));
        EXPECT_EQ(EntryOfTreeItem(view->LocationBox(), Tree(), "C:\\"), -1);
    }
    // Opening the list shows the drives as the tree has them now.
    OpenList(*first);
    EXPECT_GE(EntryOfTreeItem(first->LocationBox(), Tree(), root), 2);
    EXPECT_GE(EntryOfTreeItem(first->LocationBox(), Tree(), "C:\\"), 2);
    EXPECT_TRUE(AllEntriesLive(first->LocationBox(), Tree()));
    // What was typed in the box stays when its list is made again.
    second->ExplorerView()->LocationBox().SetText("typed");
    OpenList(*second->ExplorerView());
    EXPECT_EQ(second->ExplorerView()->LocationBox().Text(), "typed");
    EXPECT_GE(EntryOfTreeItem(second->ExplorerView()->LocationBox(), Tree(), root), 2);

    ::DefineDosDeviceA(DDD_REMOVE_DEFINITION, "Q:", nullptr);
    SendVolumeChange(Frame().Handle(), DBT_DEVICEREMOVECOMPLETE, letter, 0);
    ASSERT_EQ(Tree().FindPath(root), nullptr);
    for (CExplorerView* view : {first, second->ExplorerView()}) {
        EXPECT_TRUE(AllEntriesLive(view->LocationBox(), Tree()));
        OpenList(*view);
        EXPECT_EQ(EntryOfTreeItem(view->LocationBox(), Tree(), root), -1);
        EXPECT_GE(EntryOfTreeItem(view->LocationBox(), Tree(), "C:\\"), 2);
    }
}

TEST_F(ExplorerBarTest, AFolderThatGoesFromTheTreeLeavesTheHistoryOfEveryWindowAndTheOthersStay)
{
    for (const char* name : {"gone", "kept", "third"}) m_folder.Dir(name);
    using Places = std::vector<std::string>;
    CExplorerWindow* first = Open(m_folder.Path("gone"));
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->Navigate(m_folder.Path("kept"), nullptr));
    ASSERT_TRUE(first->Navigate(m_folder.Path(), nullptr));
    CExplorerWindow* second = Open(m_folder.Path("third"));
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->Navigate(m_folder.Path("gone"), nullptr));
    ASSERT_TRUE(second->Navigate(m_folder.Path("kept"), nullptr));
    ASSERT_TRUE(second->OnCommand(ID_GO_BACK));
    ASSERT_TRUE(second->OnCommand(ID_GO_BACK));
    Settle();
    ASSERT_EQ(HistoryNames(first->BackList()), (Places{"gone", "kept"}));
    ASSERT_TRUE(second->BackList().Empty());
    ASSERT_EQ(HistoryNames(second->ForwardList()), (Places{"kept", "gone"}));

    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    ASSERT_NE(Tree().FindPath(m_folder.Path("gone")), nullptr);

    // Listing the folder again deletes its items, but their folders are
    // still there: the history keeps them.
    Tree().RefreshItem(folder);
    ASSERT_NE(Tree().FindPath(m_folder.Path("gone")), nullptr);
    EXPECT_EQ(HistoryNames(first->BackList()), (Places{"gone", "kept"}));
    EXPECT_EQ(HistoryNames(second->ForwardList()), (Places{"kept", "gone"}));

    // A folder that goes, as the tree's watcher sees it, leaves both lists of every window.
    ASSERT_TRUE(::RemoveDirectoryA(m_folder.Path("gone").c_str()));
    ASSERT_TRUE(PumpUntil([&] { return Tree().FindPath(m_folder.Path("gone")) == nullptr; }, 15000));
    EXPECT_EQ(HistoryNames(first->BackList()), Places{"kept"});
    EXPECT_EQ(HistoryNames(second->ForwardList()), Places{"kept"});
    EXPECT_TRUE(second->BackList().Empty());
}


// --- Keys while the bar has the focus -----------------------------------------

// A window open on a folder with a file selected: any key that reached the
// window instead of the bar would rename, recycle or move from it.
class ExplorerBarKeysTest : public ExplorerBarTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ExplorerBarTest::SetUp());
        Settings().SetSetting(Setting::ConfirmOperations, 0);
        m_folder.File("keep.txt");
        m_view = OpenView(m_folder.Path());
        ASSERT_NE(m_view, nullptr);
        const int row = m_view->RowOfName("keep.txt");
        ASSERT_GE(row, 0);
        m_view->List().SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    // Selects the folder's item in the folder tree and gives the tree the keys.
    bool FocusTreeOn(const std::string& path)
    {
        if (!Tree().SelectPath(path)) return false;
        ::SetFocus(Tree());
        return ::GetFocus() == Tree().Handle();
    }
    void WaitOperations()
    {
        EXPECT_TRUE(PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }, 15000));
        PumpFor(100);
    }
    void ExpectWindowUntouched()
    {
        WaitOperations();
        EXPECT_TRUE(Exists(m_folder.Path("keep.txt")));
        EXPECT_EQ(m_window->Path(), m_folder.Path());
        EXPECT_EQ(ListView_GetEditControl(m_view->List().Handle()), nullptr);
        EXPECT_TRUE(m_messages.texts.empty());
    }

    CExplorerView* m_view = nullptr;
};

TEST_F(ExplorerBarKeysTest, KeysTypedWhileATreeLabelIsEditedEditTheNameAndNeverTheWindowsFiles)
{
    m_folder.Dir("old");
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("old")));
    HWND edit = TreeView_EditLabel(Tree(), Tree().Selected());
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(::GetFocus(), edit);
    PressKey(VK_END);
    PressKey(VK_BACK);  // the frame's Up
    EXPECT_EQ(WindowText(edit), "ol");
    PressKey(VK_HOME);
    PressKey(VK_DELETE);  // the frame's Recycle
    EXPECT_EQ(WindowText(edit), "l");
    PressKey(VK_F2);  // the frame's Rename
    EXPECT_EQ(TreeView_GetEditControl(Tree()), edit);

    // The clipboard's keys and undo work on the text.
    PressKey('A', {VK_CONTROL});
    PressKey('C', {VK_CONTROL});
    EXPECT_EQ(ui::ClipboardText(nullptr), "l");
    // The edit field's undo joins the deletions above: it starts afresh here.
    ::SendMessageA(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    TypeText("zz");
    EXPECT_EQ(WindowText(edit), "zz");
    PressKey('Z', {VK_CONTROL});
    EXPECT_EQ(WindowText(edit), "l");
    PressKey(VK_END);
    PressKey('V', {VK_CONTROL});
    EXPECT_EQ(WindowText(edit), "ll");
    PressKey('A', {VK_CONTROL});
    PressKey('X', {VK_CONTROL});
    EXPECT_EQ(WindowText(edit), "");
    TypeText("lla:ma*");  // no file name holds ':' or '*'
    EXPECT_EQ(WindowText(edit), "llama");
    PressKey(VK_RETURN);
    EXPECT_EQ(TreeView_GetEditControl(Tree()), nullptr);
    EXPECT_TRUE(Exists(m_folder.Path("llama")));
    EXPECT_FALSE(Exists(m_folder.Path("old")));

    // Escape ends the edit and keeps the name.
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("llama")));
    edit = TreeView_EditLabel(Tree(), Tree().Selected());
    ASSERT_NE(edit, nullptr);
    TypeText("gone");
    PressKey(VK_ESCAPE);  // the frame's Stop
    EXPECT_EQ(TreeView_GetEditControl(Tree()), nullptr);
    EXPECT_TRUE(Exists(m_folder.Path("llama")));
    EXPECT_FALSE(Exists(m_folder.Path("gone")));
    ExpectWindowUntouched();
}

TEST_F(ExplorerBarKeysTest, WithTheFolderTreeFocusedTheEditAndFileKeysActOnItsSelectedFolder)
{
    for (const char* name : {"named", "copied", "into", "gone"}) m_folder.Dir(name);
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("named")));
    EXPECT_TRUE(Enabled(ID_FILE_RENAME));
    EXPECT_TRUE(Enabled(ID_FILE_PROPERTIES));
    EXPECT_TRUE(Enabled(ID_FILE_RECYCLE));
    EXPECT_TRUE(Enabled(ID_EDIT_CUT));
    // F2 edits the item's label in the tree.
    PressKey(VK_F2);
    ASSERT_NE(TreeView_GetEditControl(Tree()), nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(TreeView_GetEditControl(Tree()), nullptr);

    // A drive is neither renamed nor deleted: the keys do nothing at all.
    ASSERT_TRUE(FocusTreeOn("C:\\"));
    EXPECT_FALSE(Enabled(ID_FILE_RENAME));
    EXPECT_FALSE(Enabled(ID_FILE_RECYCLE));
    EXPECT_FALSE(Enabled(ID_EDIT_CUT));
    PressKey(VK_F2);
    PressKey(VK_DELETE);
    EXPECT_EQ(TreeView_GetEditControl(Tree()), nullptr);
    EXPECT_TRUE(Exists("C:\\"));

    // Copy one folder, paste it into another.
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("copied")));
    PressKey('C', {VK_CONTROL});
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("into")));
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    PressKey('V', {VK_CONTROL});
    EXPECT_TRUE(PumpUntil([&] { return Exists(m_folder.Path("into\\copied")); }, 15000));
    EXPECT_TRUE(Exists(m_folder.Path("copied")));

    // Shift+Delete deletes the folder. (Delete itself recycles it, into a
    // Recycle Bin that here cannot be emptied of folders again.)
    ASSERT_TRUE(FocusTreeOn(m_folder.Path("gone")));
    PressKey(VK_DELETE, {VK_SHIFT});
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("gone")));
    ExpectWindowUntouched();
}

TEST_F(ExplorerBarKeysTest, TheDeleteKeyRemovesBookmarksOnTheBookmarksPageAndDoesNothingOnTheFavoritesPage)
{
    Command(ID_BOOKMARK_CREATE_FIRST + 1);
    Command(ID_BOOKMARK_CREATE_FIRST + 2);
    ASSERT_EQ(BookmarkList()->Count(), 2);
    Bar().SelectTab(ExplorerTab::Bookmarks);
    CBookmarksPage& page = Bar().BookmarksPage();
    page.Tree().Select(page.ItemOf(1));
    ::SetFocus(page.Tree());
    EXPECT_TRUE(Enabled(ID_FILE_RECYCLE));
    PressKey(VK_DELETE);
    EXPECT_EQ(BookmarkList()->FindByNumber(1), nullptr);
    EXPECT_EQ(page.ItemOf(1), nullptr);
    EXPECT_EQ(BookmarkList()->Count(), 1);
    // On the root the key clears the list.
    page.Tree().Select(page.Tree().Root());
    PressKey(VK_DELETE);
    EXPECT_EQ(BookmarkList()->Count(), 0);
    EXPECT_EQ(page.Tree().FirstChild(page.Tree().Root()), nullptr);
    EXPECT_FALSE(Enabled(ID_FILE_RECYCLE));
    PressKey(VK_DELETE);

    Bar().SelectTab(ExplorerTab::Favorites);
    ::SetFocus(Bar().FavoritesPage().Tree());
    ASSERT_EQ(::GetFocus(), Bar().FavoritesPage().Tree().Handle());
    EXPECT_FALSE(Enabled(ID_FILE_RECYCLE));
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    PressKey(VK_DELETE);
    PressKey(VK_F2);
    ExpectWindowUntouched();
}

// The page whose menu is open; a thread timer dismisses the menu with Escape.
HWND g_menuOwner = nullptr;

void CALLBACK DismissMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    ::PostMessageA(g_menuOwner, WM_KEYDOWN, VK_ESCAPE, kKeyDownBits);
}

TEST_F(ExplorerBarTest, InExplorerModeTheItemARightClickSelectsForItsMenuNeverOpens)
{
    m_folder.Dir("a");
    m_folder.Dir("b");
    Settings().SetSetting(Setting::ExplorerMode, 1);
    ASSERT_TRUE(Tree().SelectPath(m_folder.Path("a")));
    HTREEITEM a = Tree().Selected();
    HTREEITEM b = Tree().FindPath(m_folder.Path("b"));
    ASSERT_NE(b, nullptr);
    TreeView_EnsureVisible(Tree(), b);
    RECT rect = {};
    ASSERT_TRUE(TreeView_GetItemRect(Tree(), b, &rect, TRUE));
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(Tree(), &point);
    const std::size_t windows = CWindowList::Instance().Windows().size();
    // The menu stays open past the tree's second of waiting.
    g_menuOwner = Bar().DesktopPage().Handle();
    constexpr UINT kMenuOpenMs = 1600;
    ::SetTimer(nullptr, 0, kMenuOpenMs, DismissMenu);
    ::SendMessageA(Tree(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree().Handle()), MAKELPARAM(point.x, point.y));
    EXPECT_EQ(Tree().Selected(), a);
    PumpFor(1500);
    EXPECT_EQ(CWindowList::Instance().Windows().size(), windows);
    EXPECT_EQ(Tree().Selected(), a);
}

TEST_F(ExplorerBarTest, InExplorerModeTheWindowFollowsTheTreeWhenItsFolderGoes)
{
    m_folder.Dir("gone");
    m_folder.Dir("kept");
    ASSERT_TRUE(Frame().ApplyWindowMode(1));
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    CExplorerWindow* window = Open(m_folder.Path("gone"));
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(CWindowList::Instance().Windows().size(), 1u);
    HTREEITEM folder = Tree().FindOrListPath(m_folder.Path());
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    ASSERT_TRUE(Tree().SelectedNode() && Tree().SelectedNode()->path == m_folder.Path("gone"));
    // Moved away: a folder removed while the window watches it would stay until the watch ends.
    TempDir elsewhere;
    ASSERT_TRUE(::MoveFileA(m_folder.Path("gone").c_str(), elsewhere.Path("gone").c_str()));
    // The watcher's report moves the selection to the parent, which the one window opens.
    ASSERT_TRUE(PumpUntil([&] { return Tree().FindPath(m_folder.Path("gone")) == nullptr; }, 15000));
    EXPECT_TRUE(PumpUntil([&] { return window->Path() == m_folder.Path(); }, 5000)) << window->Path();
    EXPECT_EQ(CWindowList::Instance().Windows().size(), 1u);
    // A change that leaves the selection where it was opens nothing.
    ASSERT_TRUE(window->Navigate(m_folder.Path("kept"), nullptr));
    m_folder.Dir("kept\\sub");
    m_folder.Dir("late");
    ASSERT_TRUE(PumpUntil([&] { return Tree().FindPath(m_folder.Path("late")) != nullptr; }, 15000));
    PumpFor(300);
    EXPECT_EQ(window->Path(), m_folder.Path("kept"));
}

// --- The trees' look ----------------------------------------------------------

std::string FaceOf(HWND window)
{
    LOGFONTA font = {};
    auto shown = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    if (!shown || !::GetObjectA(shown, sizeof(font), &font)) return {};
    return font.lfFaceName;
}

int IconWidth(HWND tree)
{
    int width = 0, height = 0;
    HIMAGELIST images = TreeView_GetImageList(tree, TVSIL_NORMAL);
    return images && ImageList_GetIconSize(images, &width, &height) ? width : 0;
}

// Gives tree controls made while it lives a font of their own, unlike the
// dialogs' font; the system's own comes back after.
class TreeDefaultFont {
public:
    TreeDefaultFont()
    {
        // The wide form: the narrow one does not carry the face name over.
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(m_saved), &m_saved, 0);
        LOGFONTW larger = m_saved;
        larger.lfHeight = m_saved.lfHeight - 5;
        ::SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(larger), &larger, 0);
        ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0);
    }
    ~TreeDefaultFont() { ::SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(m_saved), &m_saved, 0); }
    TreeDefaultFont(const TreeDefaultFont&) = delete;
    TreeDefaultFont& operator=(const TreeDefaultFont&) = delete;
    LOGFONTA font = {};

private:
    LOGFONTW m_saved = {};
};

TEST_F(ExplorerBarTest, AFirstRunStoresTheFontTheTreesAreDrawnWithAndTheWindowTextColour)
{
    CloseApp();
    TreeDefaultFont own;
    LOGFONTA gui = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
    ASSERT_NE(own.font.lfHeight, gui.lfHeight);
    WipeProgramKeys();
    ASSERT_NO_FATAL_FAILURE(StartApp());
    for (int id : {Setting::TreeFont, Setting::FolderFont, Setting::OldFont}) {
        FontRecord record{};
        Settings().GetFontSetting(id, record);
        LOGFONTA stored = {};
        std::memcpy(&stored, record.data(), sizeof(stored));
        EXPECT_STREQ(stored.lfFaceName, own.font.lfFaceName) << id;
        EXPECT_EQ(stored.lfHeight, own.font.lfHeight) << id;
    }
    for (int id : {Setting::TreeFontColor, Setting::FolderFontColor, Setting::OldFontColor})
        EXPECT_EQ(static_cast<COLORREF>(Settings().GetSetting(id)), ::GetSysColor(COLOR_WINDOWTEXT)) << id;
}

TEST_F(ExplorerBarTest, RestoringTheDefaultFontsRedrawsEveryTreeAndTheOpenFolderDialogDrawsAlike)
{
    LOGFONTA font = {};
    font.lfHeight = -19;
    std::strcpy(font.lfFaceName, "Courier New");
    FontRecord record{};
    std::memcpy(record.data(), &font, sizeof(font));
    Settings().SetFontSetting(Setting::OldFont, record);
    const COLORREF blue = RGB(0, 0, 160);
    Settings().SetSetting(Setting::OldFontColor, static_cast<std::int32_t>(blue));
    ASSERT_NE(FaceOf(Tree()), "Courier New");
    Command(ID_VIEW_FONT_RESTORE);
    for (CExplorerPage* page : {static_cast<CExplorerPage*>(&Bar().DesktopPage()),
                                static_cast<CExplorerPage*>(&Bar().BookmarksPage()),
                                static_cast<CExplorerPage*>(&Bar().PersonalPage())}) {
        EXPECT_EQ(FaceOf(page->Tree()), "Courier New");
        EXPECT_EQ(TreeView_GetTextColor(page->Tree()), blue);
    }
    std::string dialogFace;
    COLORREF dialogColor = 0;
    DialogScript script;
    script.Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
        if (CDesktopTree* tree = DialogTree(dialog)) {
            dialogFace = FaceOf(*tree);
            dialogColor = TreeView_GetTextColor(*tree);
        }
        Click(dialog, IDCANCEL);
    });
    ChooseFolder(Frame().Handle(), "Look");
    script.ExpectDone();
    EXPECT_EQ(dialogFace, "Courier New");
    EXPECT_EQ(dialogColor, blue);
}

TEST_F(ExplorerBarTest, TheTreesIconsGrowAndShrinkWithTheLargeIconsOption)
{
    const int small = ::GetSystemMetrics(SM_CXSMICON);
    const int large = ::GetSystemMetrics(SM_CXICON);
    ASSERT_NE(small, large);
    EXPECT_EQ(IconWidth(Tree()), small);
    Settings().SetSetting(Setting::LargeBarIcons, 1);
    Bar().ApplyOptions({Setting::LargeBarIcons});
    EXPECT_EQ(IconWidth(Tree()), large);
    EXPECT_EQ(IconWidth(Bar().BookmarksPage().Tree()), large);
    EXPECT_EQ(IconWidth(Bar().FavoritesPage().Tree()), large);
    // A tree made while the option is on starts with large icons.
    int dialogIcons = 0;
    DialogScript script;
    script.Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
        if (CDesktopTree* tree = DialogTree(dialog)) dialogIcons = IconWidth(*tree);
        Click(dialog, IDCANCEL);
    });
    ChooseFolder(Frame().Handle(), "Look");
    script.ExpectDone();
    EXPECT_EQ(dialogIcons, large);
    Settings().SetSetting(Setting::LargeBarIcons, 0);
    Bar().ApplyOptions({Setting::LargeBarIcons});
    EXPECT_EQ(IconWidth(Tree()), small);
    EXPECT_EQ(IconWidth(Bar().BookmarksPage().Tree()), small);
}

// --- After deletions, and the bookmark menus of the Edit toolbar -------------

TEST_F(ExplorerBarTest, ADeleteIntoTheRecycleBinRefreshesItsTreeItemAndAPermanentOneDoesNot)
{
    m_folder.File("binned.txt", 10);
    m_folder.File("gone.txt", 10);
    Settings().SetSetting(Setting::ConfirmOperations, 0);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    HTREEITEM bin = Tree().RecycleBinItem();
    ASSERT_NE(bin, nullptr);
    // An image that only listing the item again replaces.
    constexpr int kStale = 4321;
    auto markStale = [&] {
        TVITEMA data = {};
        data.mask = TVIF_HANDLE | TVIF_IMAGE;
        data.hItem = bin;
        data.iImage = kStale;
        TreeView_SetItem(Tree().Handle(), &data);
    };
    auto image = [&] {
        TVITEMA data = {};
        data.mask = TVIF_HANDLE | TVIF_IMAGE;
        data.hItem = bin;
        TreeView_GetItem(Tree().Handle(), &data);
        return data.iImage;
    };
    auto deleteRow = [&](const char* name, UINT command) {
        view->List().SetState(-1, 0, LVIS_SELECTED);
        const int row = view->RowOfName(name);
        ASSERT_GE(row, 0);
        view->List().SetState(row, LVIS_SELECTED, LVIS_SELECTED);
        view->OnCommand(command);
        ASSERT_TRUE(PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }));
        PumpFor(200);
    };
    markStale();
    deleteRow("gone.txt", ID_FILES_DELETE);
    EXPECT_FALSE(Exists(m_folder.Path("gone.txt")));
    EXPECT_EQ(image(), kStale);
    deleteRow("binned.txt", ID_FILES_RECYCLE);
    EXPECT_FALSE(Exists(m_folder.Path("binned.txt")));
    EXPECT_NE(image(), kStale);
}

// The place of each popup menu shown while it lives; each is closed at once.
class MenuPlaces {
public:
    MenuPlaces()
    {
        s_active = this;
        m_timer = ::SetTimer(nullptr, 0, 20, Tick);
    }
    ~MenuPlaces()
    {
        ::KillTimer(nullptr, m_timer);
        s_active = nullptr;
    }
    MenuPlaces(const MenuPlaces&) = delete;
    MenuPlaces& operator=(const MenuPlaces&) = delete;
    std::vector<RECT> shown;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND menu = ::FindWindowA(MAKEINTATOM(32768), nullptr);
        if (!s_active || !menu || !::IsWindowVisible(menu)) return;
        RECT rect;
        ::GetWindowRect(menu, &rect);
        s_active->shown.push_back(rect);
        ::EndMenu();
    }
    inline static MenuPlaces* s_active = nullptr;
    UINT_PTR m_timer = 0;
};

TEST_F(ExplorerBarTest, TheCreateAndRestoreMenusOpenUnderTheirEditToolbarButtons)
{
    for (int n = 0; n < 9; ++n) m_folder.Dir(std::to_string(n));
    Command(ID_VIEW_TOOLBAR_EDIT);
    CFlatToolBar* edit = Frame().ToolBarOf(ID_VIEW_TOOLBAR_EDIT);
    ASSERT_TRUE(edit && ::IsWindowVisible(edit->Handle()));
    for (int n = 0; n < 9; ++n) {
        ASSERT_NE(Open(m_folder.Path(std::to_string(n))), nullptr);
        Command(ID_BOOKMARK_CREATE_FIRST + static_cast<UINT>(n));
    }
    ASSERT_EQ(BookmarkList()->Count(), 9);
    // The pointer is far from the buttons.
    RECT frame;
    ::GetWindowRect(Frame().Handle(), &frame);
    ::SetCursorPos(frame.right - 40, frame.bottom - 40);
    for (UINT command : {static_cast<UINT>(ID_BOOKMARK_CREATE), static_cast<UINT>(ID_BOOKMARK_RESTORE)}) {
        const RECT button = edit->ButtonScreenRect(command);
        ASSERT_GT(button.right, button.left);
        MenuPlaces places;
        Command(command);
        ASSERT_EQ(places.shown.size(), 1u) << command;
        EXPECT_EQ(places.shown[0].left, button.left) << command;
        EXPECT_EQ(places.shown[0].top, button.bottom) << command;
    }
}

}  // namespace
