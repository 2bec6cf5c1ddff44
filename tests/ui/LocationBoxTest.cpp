// The location box: the places it lists in each mode, choosing one, Enter on
// a typed path, its editing keys; and the explorer view's background menu.

// Framework
#include "ui/framework/Clipboard.h"

// Frame
#include "ui/frame/FlatToolBar.h"

// Tests
#include "ui/FolderTestSupport.h"

// Standard library
#include <cctype>

namespace {

using namespace uitest;

constexpr UINT kBoxId = 201;

// The whole edit text is selected.
bool AllSelected(const CLocationBox& box)
{
    DWORD start = 0, end = 0;
    ::SendMessageA(box.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == box.Text().size() && end > 0;
}

int IndexOfPath(const CLocationBox& box, const std::string& path)
{
    for (int i = 0; i < box.ItemCount(); ++i)
        if (box.ItemNode(i) && lstrcmpiA(box.ItemNode(i)->parsingPath.c_str(), path.c_str()) == 0) return i;
    return -1;
}

// Chooses an entry as the box's drop-down list does; `owner` hears of it.
void Choose(const CLocationBox& box, HWND owner, int index)
{
    ::SendMessageA(box.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(owner, WM_COMMAND, MAKEWPARAM(kBoxId, CBN_SELENDOK), reinterpret_cast<LPARAM>(box.Handle()));
}

TEST_F(FolderTest, LocationBoxListsDesktopFirstChildDrivesThenTheRestIndentedByDepth)
{
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const CLocationBox& box = view->LocationBox();
    ASSERT_GE(box.ItemCount(), 3);

    char desktopPath[MAX_PATH] = "";
    ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, desktopPath, CSIDL_DESKTOPDIRECTORY, FALSE));
    ASSERT_NE(box.ItemNode(0), nullptr);
    EXPECT_EQ(box.ItemNode(0)->parsingPath, desktopPath);
    EXPECT_EQ(box.ItemDepth(0), 0);
    EXPECT_EQ(box.ItemDepth(1), 1);

    // The drives at 2 below the first child; the order of the rest is the
    // listing rules' business, tested on trees of their own.
    const int drive = IndexOfPath(box, "C:\\");
    ASSERT_GE(drive, 2);
    EXPECT_EQ(box.ItemDepth(drive), 2);
    std::set<std::string> seen;
    for (int i = 0; i < box.ItemCount(); ++i) {
        const NameSpaceNode* node = box.ItemNode(i);
        ASSERT_NE(node, nullptr) << i;
        EXPECT_EQ(box.ItemText(i), node->name);
        EXPECT_GE(node->iconIndex, 0) << node->name;
        EXPECT_TRUE(seen.insert(node->parsingPath + "|" + std::to_string(box.ItemDepth(i))).second)
            << node->name << " is listed twice";
    }
    // The box's own items are tall enough for the 16-pixel icons.
    EXPECT_GE(static_cast<int>(::SendMessageA(box.Handle(), CB_GETITEMHEIGHT, 0, 0)), location::kIconSize);
}

// What a search-scope box tells its parent: the chosen path and tree handle.
std::vector<std::pair<std::string, LPARAM>> g_chosen;

LRESULT CALLBACK RecordChoice(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UWM_LOCATIONCHOSEN) g_chosen.emplace_back(reinterpret_cast<const char*>(wParam), lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(FolderTest, SearchScopeBoxOffersAllFixedDrivesThenEachDriveAndTellsItsParentTheChoice)
{
    // The address box already shows choosing through the drop-down list, so
    // this box's parent only records what it hears.
    HWND host = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    ::SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordChoice));
    CLocationBox box;
    ASSERT_TRUE(box.Create(host, kBoxId, CLocationBox::Mode::SearchScope, 200));
    ASSERT_GE(box.ItemCount(), 2);

    // The first entry names every fixed drive, and only those; which nodes
    // follow it is the listing rules' business.
    std::string fixed;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if ((::GetLogicalDrives() & (1u << (letter - 'A'))) && ::GetDriveTypeA(root.c_str()) == DRIVE_FIXED)
            fixed += (fixed.empty() ? "" : ",") + root;
    }
    EXPECT_NE(fixed.find("C:\\"), std::string::npos);
    const std::string first = box.ItemText(0);
    EXPECT_EQ(first, "Local hard drives(" + fixed + ")");
    EXPECT_EQ(box.ItemNode(0), nullptr);
    const int drive = IndexOfPath(box, "C:\\");
    ASSERT_GT(drive, 0);
    EXPECT_EQ(box.ItemIcon(0), box.ItemNode(drive)->iconIndex) << "drawn as C:\\ is";

    g_chosen.clear();
    box.Choose(0);
    box.Choose(drive);
    EXPECT_EQ(g_chosen, (std::vector<std::pair<std::string, LPARAM>>{
                            {first, CLocationBox::kLocalDrivesHandle},
                            {"C:\\", reinterpret_cast<LPARAM>(box.ItemNode(drive))}}));
    ::DestroyWindow(host);
}

TEST_F(FolderTest, ChoosingAPlaceOrPressingEnterInTheAddressBoxTakesTheWindowThere)
{
    m_folder.Dir("inner");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    CLocationBox& box = view->LocationBox();
    const int drive = IndexOfPath(box, "C:\\");
    ASSERT_GE(drive, 0);
    Choose(box, view->Handle(), drive);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(m_window->Path(), "C:\\");
    EXPECT_EQ(box.Text(), "C:\\");

    // A virtual folder (the drives folder here) is reached through its
    // node's identifier list.
    const NameSpaceNode* computer = box.ItemNode(1);
    ASSERT_NE(computer, nullptr);
    ASSERT_EQ(computer->parsingPath.compare(0, 2, "::"), 0) << computer->parsingPath;
    Choose(box, view->Handle(), 1);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(m_window->Path(), box.Text());
    EXPECT_NE(m_window->Path(), "C:\\");

    // Enter goes to the trimmed path and selects it.
    box.SetText("   " + m_folder.Path("inner") + "  ");
    ::SendMessageA(box.Edit(), WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageA(box.Edit(), WM_CHAR, '\r', 0);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(m_window->Path(), m_folder.Path("inner"));
    EXPECT_EQ(box.Text(), m_folder.Path("inner"));
    EXPECT_TRUE(AllSelected(box));

    // Blank text goes nowhere; a path that is not there leaves the window
    // where it was, with the window's message.
    box.SetText("   ");
    ::SendMessageA(box.Edit(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(m_window->Path(), m_folder.Path("inner"));
    EXPECT_TRUE(m_messages.texts.empty());
    box.SetText(m_folder.Path("missing\\deeper"));
    EXPECT_FALSE(box.GoToText());
    EXPECT_EQ(m_window->Path(), m_folder.Path("inner"));
    EXPECT_EQ(m_messages.texts.size(), 1u);
}

TEST_F(FolderTest, AddressBoxEditingKeysActOnceOnTheText)
{
    m_folder.File("a.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    CLocationBox& box = view->LocationBox();
    if (!view->AddressBarVisible()) view->OnCommand(ID_VIEW_ADDRESS_BAR);
    HWND edit = box.Edit();
    ASSERT_NE(edit, nullptr);
    // A key press: its key, then the character it produces.
    auto press = [edit](UINT key, WPARAM character) {
        ::SendMessageA(edit, WM_KEYDOWN, key, 0);
        if (character) ::SendMessageA(edit, WM_CHAR, character, 0);
    };

    box.SetText("abc");
    {
        HeldKeys control({VK_CONTROL});
        press('A', 0x01);
        EXPECT_TRUE(AllSelected(box));
        press('C', 0x03);
        EXPECT_EQ(ui::ClipboardText(nullptr), "abc");
        ::SendMessageA(edit, EM_SETSEL, 3, 3);
        press('V', 0x16);
        EXPECT_EQ(box.Text(), "abcabc") << "one key press pastes once";
        box.SelectAllText();
        press('X', 0x18);
        EXPECT_EQ(box.Text(), "");
        EXPECT_EQ(ui::ClipboardText(nullptr), "abcabc");
    }
    {
        HeldKeys shift({VK_SHIFT});
        press(VK_INSERT, 0);
        EXPECT_EQ(box.Text(), "abcabc");
        ::SendMessageA(edit, EM_SETSEL, 0, 3);
        press(VK_DELETE, 0);
        EXPECT_EQ(box.Text(), "abc");
    }
    {
        HeldKeys control({VK_CONTROL});
        box.SetText("xyz");
        box.SelectAllText();
        press(VK_INSERT, 0);
        EXPECT_EQ(ui::ClipboardText(nullptr), "xyz");
    }
    // The frame's accelerators reach the box while its edit field has the focus.
    ::SetFocus(edit);
    ASSERT_EQ(::GetFocus(), edit);
    ::SendMessageA(edit, EM_SETSEL, 0, 0);
    view->OnCommand(ID_FILE_RECYCLE);  // the Delete key
    EXPECT_EQ(box.Text(), "yz");
    view->OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(AllSelected(box));
    EXPECT_EQ(ListView_GetSelectedCount(view->List().Handle()), 0u) << "the list keeps its selection";

    // Tab goes on to the file list of the active window.
    press(VK_TAB, '\t');
    EXPECT_EQ(::GetFocus(), view->List().Handle());
    EXPECT_EQ(box.Text(), "yz");
}

TEST_F(FolderTest, WhileAnAddressIsTypedTheFramesKeysEditItAndShiftTabGoesToTheExplorerBar)
{
    m_folder.File("a.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    CLocationBox& box = view->LocationBox();
    if (!view->AddressBarVisible()) view->OnCommand(ID_VIEW_ADDRESS_BAR);
    HWND list = view->List().Handle();
    const int row = view->RowOfName("a.txt");
    ASSERT_GE(row, 0);
    view->List().SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    HWND edit = box.Edit();
    ASSERT_NE(edit, nullptr);
    ::SetFocus(edit);
    ASSERT_EQ(::GetFocus(), edit);

    box.SetText("C:\\");
    ::SendMessageA(edit, EM_SETSEL, 3, 3);
    TypeText("x");
    PressKey('Z', {VK_CONTROL});  // the frame's Resize Columns
    EXPECT_EQ(box.Text(), "C:\\");
    box.SetText("C:\\abc");
    ::SendMessageA(edit, EM_SETSEL, 3, 3);
    PressKey(VK_DELETE, {VK_CONTROL});  // the frame's Remove From Folder
    EXPECT_EQ(box.Text(), "C:\\");
    // F2 renames no file while the address has the keys.
    PressKey(VK_F2);
    EXPECT_EQ(ListView_GetEditControl(list), nullptr);
    EXPECT_EQ(::GetFocus(), edit);

    // Shift+Tab goes to the explorer bar, or to the files while the bar is hidden.
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(::GetFocus(), Frame().ExplorerBarWindow().FolderTree().Handle());
    Command(ID_VIEW_EXPLORER);
    ASSERT_FALSE(Frame().ExplorerBarVisible());
    ::SetFocus(edit);
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(::GetFocus(), list);
    Command(ID_VIEW_EXPLORER);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(FolderTest, BackgroundMenuOffersTheViewItemsAndCarriesThemOut)
{
    m_folder.File("one.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ui::ComPtr<IContextMenu> shellMenu;
    CExplorerView::MenuPtr menu = view->BuildBackgroundMenu(shellMenu);
    ASSERT_TRUE(menu);

    for (UINT id : {ID_VIEW_LARGE_ICONS, ID_VIEW_SMALL_ICONS, ID_VIEW_LIST, ID_VIEW_DETAILS, ID_VIEW_ARRANGE_BYNAME,
                    ID_VIEW_ARRANGE_BYDATE, ID_VIEW_ARRANGE_BYATTRIBUTES, ID_VIEW_REFRESH, ID_FILES_PROPERTIES})
        EXPECT_TRUE(HasCommand(menu.get(), id)) << id;
    EXPECT_TRUE(IsChecked(menu.get(), ID_VIEW_DETAILS));
    EXPECT_FALSE(IsChecked(menu.get(), ID_VIEW_LIST));
    const ui::CommandState paste = ui::QueryCommand(view, ID_FILES_PASTE);
    EXPECT_EQ(HasCommand(menu.get(), ID_FILES_PASTE), paste.handled && paste.enabled);

    // The shell's items keep below the view's commands, no text twice, and
    // no separator at an end or twice in a row.
    std::set<std::string> texts;
    const int count = ::GetMenuItemCount(menu.get());
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) {
        const UINT state = ::GetMenuState(menu.get(), static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            EXPECT_TRUE(i > 0 && i < count - 1) << "separator at an end";
            EXPECT_FALSE(::GetMenuState(menu.get(), static_cast<UINT>(i + 1), MF_BYPOSITION) & MF_SEPARATOR);
            continue;
        }
        char text[MAX_PATH] = "";
        ::GetMenuStringA(menu.get(), static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        std::string plain;
        for (const char* c = text; *c; ++c)
            if (*c != '&') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        EXPECT_TRUE(texts.insert(plain).second) << text;
        const UINT id = ::GetMenuItemID(menu.get(), i);
        const bool fromShell = id != static_cast<UINT>(-1) && id < ID_FILES_PROPERTIES;
        EXPECT_TRUE(!fromShell || shellMenu.Get()) << "an item from no shell menu: " << text;
    }

    // A chosen item is the view's command.
    view->RunBackgroundCommand(ID_VIEW_LIST, shellMenu.Get());
    EXPECT_EQ(view->ViewMode(), 2);
    view->RunBackgroundCommand(ID_VIEW_ARRANGE_BYSIZE, shellMenu.Get());
    EXPECT_EQ(view->SortMode(), 3);
    menu = view->BuildBackgroundMenu(shellMenu);
    EXPECT_TRUE(IsChecked(menu.get(), ID_VIEW_LIST));
    EXPECT_TRUE(IsChecked(menu.get(), ID_VIEW_ARRANGE_BYSIZE));
    view->RunBackgroundCommand(ID_VIEW_REFRESH, shellMenu.Get());
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->RowCount(), 2) << "the up row and one.txt";
}

}  // namespace

// A typed path longer than MAX_PATH reaches the program whole, not cut at
// 259 characters and then acted on as another path.
TEST_F(FolderTest, TypedTextLongerThanAPathIsReadWholeFromTheAddressAndQuickFindBoxes)
{
    constexpr std::size_t kLongText = 2 * MAX_PATH + 17;
    const std::string typed = "C:\\" + std::string(kLongText - 4, 'x') + "\\";
    ASSERT_EQ(typed.size(), kLongText);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    CLocationBox& box = view->LocationBox();
    box.SetText(typed);
    EXPECT_EQ(box.Text(), typed);

    CMainToolBar& main = Frame().MainToolBar();
    HWND quickFind = main.QuickFindBox();
    ASSERT_NE(quickFind, nullptr);
    ::SetWindowTextA(quickFind, typed.c_str());
    // Refilling the history list puts the typed text back as it was.
    main.RefillQuickFind();
    EXPECT_EQ(ui::WindowText(quickFind), typed);
}
