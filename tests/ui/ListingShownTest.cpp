// A listing shown in a folder window: the list sized once for rows complete
// and sorted, drawable again after the fill, and the work held until the rows
// are drawn (the icon thread, the next worker, the window's icon and
// watchers) done even when the list is never painted.

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

LONG_PTR StyleOf(HWND hwnd) { return ::GetWindowLongPtrA(hwnd, GWL_STYLE); }

TEST_F(FolderTest, AFilledListIsDrawableSizedForItsSortedRowsAndKeepsItsSortMark)
{
    m_folder.Files(3, "few");
    TempDir many;
    many.Files(300);
    Settings().SetSetting(Setting::Arrangement, 0);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const HWND list = view->List().Handle();
    EXPECT_FALSE(StyleOf(list) & WS_VSCROLL) << "four rows need no scroll bar";

    ASSERT_TRUE(m_window->Navigate(many.Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_TRUE(StyleOf(list) & WS_VISIBLE) << "the fill gives the list back its visibility";
    EXPECT_TRUE(::IsWindowVisible(view->List().Header()));
    EXPECT_TRUE(StyleOf(list) & WS_VSCROLL) << "the scroll bar was sized for the new rows";
    EXPECT_EQ(view->List().Count(), 301) << "one count, up row included";
    EXPECT_EQ(view->RowCount(), 301);
    EXPECT_TRUE(view->HasUpRow());
    const Names names = RowNames(*view);
    EXPECT_EQ(names, Sorted(names)) << "sorted before the list counted them";
    bool ascending = false;
    EXPECT_EQ(HeaderMarkColumn(view->List().Header(), &ascending), 0) << "sorted by name";
    EXPECT_TRUE(ascending);
    EXPECT_NE(view->NextWorkerThreadId(), 0u) << "the next listing's worker waits once the rows are drawn";

    // Back to a few rows: the scroll bar goes, and the mark stays put.
    ASSERT_TRUE(m_window->Navigate(m_folder.Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->List().Count(), 4);
    EXPECT_FALSE(StyleOf(list) & WS_VSCROLL);
    EXPECT_EQ(HeaderMarkColumn(view->List().Header(), &ascending), 0);
    EXPECT_TRUE(ascending);
}

TEST_F(FolderTest, AListNeverPaintedStillGetsItsIconThreadAndStaysHidden)
{
    m_folder.Files(3);
    TempDir many;
    many.Files(150);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const HWND list = view->List().Handle();
    // Hidden, the list gets no repaint: a timer lets the held work run.
    ::ShowWindow(list, SW_HIDE);
    ASSERT_TRUE(m_window->Navigate(many.Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window)) << "the icon thread started and ended without a repaint";
    EXPECT_FALSE(StyleOf(list) & WS_VISIBLE) << "a fill does not show a hidden list";
    EXPECT_TRUE(view->NeedIconThread());
    EXPECT_EQ(view->AllItems().size(), 150u);
    for (const CFileItem* item : view->AllItems()) EXPECT_GE(item->iconIndex, 0) << item->name;
    ::ShowWindow(list, SW_SHOW);
}

TEST_F(FolderTest, ANavigationBeforeTheRowsAreDrawnWaitsForTheHeldIconThreadAndEndsThere)
{
    m_folder.Files(3);
    TempDir first, second;
    first.Files(150, "first");
    second.Files(120, "second");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(m_window->Navigate(first.Path(), nullptr));
    ASSERT_TRUE(PumpUntilRowsSet(*view));
    ASSERT_TRUE(view->HasIconThread()) << "held, the icon thread counts as running";
    ASSERT_TRUE(m_window->Navigate(second.Path(), nullptr));
    EXPECT_TRUE(view->NavigationPending());
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->CurrentPath(), second.Path());
    EXPECT_EQ(view->AllItems().size(), 120u);
    EXPECT_EQ(view->List().Count(), 121);
}

// A quick listing goes straight from the old rows to the new ones; a slow
// one empties the list while the worker reads on.
TEST_F(FolderTest, AQuickListingIsShownWithinTheNavigationWithoutTheOldSelection)
{
    m_folder.Files(5, "old");
    TempDir next;
    next.Files(3, "new");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    SelectRows(*view, {"old00001.txt", "old00003.txt"});
    ASSERT_EQ(view->List().SelectedCount(), 2);

    CExplorerView::SetQuickListingWait(10000);
    ASSERT_TRUE(m_window->Navigate(next.Path(), nullptr));
    // Nothing pumped: the rows were set within the navigation.
    EXPECT_FALSE(view->HasWorker());
    EXPECT_EQ(RowNames(*view), Names({"new00000.txt", "new00001.txt", "new00002.txt"}));
    EXPECT_EQ(view->List().Count(), 4) << "the up row and three files";
    EXPECT_EQ(view->List().SelectedCount(), 0) << "the old rows' selection went with them";
    EXPECT_EQ(ListView_GetNextItem(view->List().Handle(), -1, LVNI_FOCUSED), 1);
    EXPECT_EQ(view->AddressText(), next.Path());
    // The report left in the queue finds no listing to take.
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->List().Count(), 4);
    EXPECT_EQ(RowNames(*view).size(), 3u);
    EXPECT_FALSE(m_window->AfterListingPending()) << "the icon and the watchers followed";

    ListingsNotWaitedFor();
    ASSERT_TRUE(m_window->Navigate(m_folder.Path(), nullptr));
    ASSERT_TRUE(view->HasWorker());
    EXPECT_EQ(view->RowCount(), 0) << "a listing not in yet empties the list first";
    EXPECT_EQ(view->List().Count(), 0);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(RowNames(*view).size(), 5u);
    EXPECT_EQ(view->List().Count(), 6);
}

// A folder in the window's folder or beside it is found from the folder
// already bound: the same folder as one parsed from the desktop.
TEST_F(FolderTest, AFolderBesideOrInTheShownOneIsTheSameAsOneParsedFromTheDesktop)
{
    m_folder.Dir("in");
    m_folder.Dir("in\\deeper");
    m_folder.Dir("beside");
    m_folder.File("beside\\mark.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    auto expectShown = [&](const std::string& path) {
        ASSERT_TRUE(WaitIdle(*m_window));
        const CExplorerWindow::ItemPtr& item = m_window->CurrentItem();
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->path, path);
        EXPECT_EQ(item->folderPath, path.substr(0, path.rfind('\\')));
        char parsed[MAX_PATH] = "";
        ASSERT_TRUE(::SHGetPathFromIDListA(item->absoluteId, parsed));
        EXPECT_EQ(std::string(parsed), path) << "the identifier list names the folder itself";
        EXPECT_EQ(m_window->Path(), path);
    };
    ASSERT_TRUE(m_window->Navigate(m_folder.Path("in"), nullptr));
    expectShown(m_folder.Path("in"));
    ASSERT_TRUE(m_window->Navigate(m_folder.Path("in\\deeper"), nullptr));
    expectShown(m_folder.Path("in\\deeper"));
    // Two levels up, then beside, named in another case.
    ASSERT_TRUE(m_window->Navigate(m_folder.Path(), nullptr));
    expectShown(m_folder.Path());
    ASSERT_TRUE(m_window->Navigate(m_folder.Path("in"), nullptr));
    ASSERT_TRUE(m_window->Navigate(m_folder.Path("BESIDE"), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(RowNames(*view), Names({"mark.txt"}));
    char parsed[MAX_PATH] = "";
    ASSERT_TRUE(::SHGetPathFromIDListA(m_window->CurrentItem()->absoluteId, parsed));
    EXPECT_EQ(::lstrcmpiA(parsed, m_folder.Path("beside").c_str()), 0) << parsed;
    // Back again through the history's own identifier lists.
    m_window->OnCommand(ID_GO_BACK);
    expectShown(m_folder.Path("in"));
}

}  // namespace
