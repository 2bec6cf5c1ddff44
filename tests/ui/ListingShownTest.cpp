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

}  // namespace
