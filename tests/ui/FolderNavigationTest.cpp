// Navigating folder windows: quickly in a row, through the history, to a
// folder another window shows, to a pattern; titles, watchers and closing
// while a folder is read.

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

TEST_F(FolderTest, NavigatingTwiceQuicklyListsTheSecondPath)
{
    TempFolder start, first, second;
    first.File("first.txt");
    second.File("second.txt");
    CExplorerWindow* window = Open(start.Path());
    ASSERT_NE(window, nullptr);
    CExplorerView* view = window->ExplorerView();
    ASSERT_TRUE(window->Navigate(first.Path(), nullptr));
    ASSERT_TRUE(view->HasWorker());
    ASSERT_TRUE(window->Navigate(second.Path(), nullptr));
    EXPECT_TRUE(view->NavigationPending()) << "the second place waits for the first listing's end";
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(view->CurrentPath(), second.Path());
    EXPECT_EQ(RowNames(*view), (std::vector<std::string>{"second.txt"}));
    EXPECT_EQ(window->Path(), second.Path());
}

TEST_F(FolderTest, HistoryListsHoldNineAndWalkBack)
{
    TempFolder root;
    std::vector<std::string> places;
    for (int i = 0; i < 12; ++i) {
        places.push_back(root.Path("p" + std::to_string(i)));
        ::CreateDirectoryA(places.back().c_str(), nullptr);
    }
    CExplorerWindow* window = Open(places[0]);
    ASSERT_NE(window, nullptr);
    for (int i = 1; i < 12; ++i) {
        ASSERT_TRUE(window->Navigate(places[static_cast<std::size_t>(i)], nullptr));
        ASSERT_TRUE(WaitIdle(*window));
    }
    EXPECT_EQ(window->BackList().Count(), 9u);
    EXPECT_EQ(window->BackList().At(0)->path, places[2]) << "the oldest entries were dropped";
    ASSERT_FALSE(window->BackList().Empty());
    EXPECT_EQ(window->BackList().Newest()->path, places[10]);
    EXPECT_TRUE(window->ForwardList().Empty());

    ::SendMessageA(m_app->MainWindow(), WM_COMMAND, ID_GO_BACK, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[10]);
    ::SendMessageA(m_app->MainWindow(), WM_COMMAND, ID_BACK_HISTORY_FIRST + 5, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[7]);
    EXPECT_EQ(window->BackList().Count(), 5u);
    ASSERT_EQ(window->ForwardList().Count(), 4u);
    EXPECT_EQ(window->ForwardList().Newest()->path, places[8]);
    EXPECT_EQ(window->ForwardList().At(0)->path, places[11]);
}

TEST_F(FolderTest, NavigatingToAFolderAnotherWindowShowsActivatesThatWindow)
{
    TempFolder x, y;
    CExplorerWindow* first = Open(x.Path());
    CExplorerWindow* second = Open(y.Path());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, second);
    EXPECT_EQ(CWindowList::Instance().Active(), second);
    EXPECT_TRUE(second->Navigate(x.Path(), nullptr));
    EXPECT_EQ(CWindowList::Instance().Active(), first);
    EXPECT_EQ(second->Path(), y.Path()) << "the navigating window stays where it was";
    EXPECT_TRUE(second->BackList().Empty());
    // Opening the path again finds the window too.
    EXPECT_EQ(CWindowList::Instance().OpenWindow(y.Path(), WindowKind::Folder, nullptr, 0), second);
    EXPECT_EQ(CWindowList::Instance().Windows().size(), 2u);
}

TEST_F(FolderTest, AnInvalidPathLeavesTheWindowWhereItWasWithTheMessage)
{
    TempFolder x;
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    const std::string missing = x.Path("no such\\folder");
    EXPECT_FALSE(window->Navigate(missing, nullptr));
    EXPECT_EQ(window->Path(), x.Path());
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], "Attempt to open folder '" + missing +
                                       "' failed! Please make sure the folder name is valid and the drive is ready!");
}

TEST_F(FolderTest, APatternPathShowsOnlyTheMatchingFiles)
{
    TempFolder x;
    x.File("one.txt", 100);
    x.File("two.TXT", 50);
    x.File("three.doc", 7);
    x.Dir("four");
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Navigate(x.Path("*.txt"), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    CExplorerView* view = window->ExplorerView();
    EXPECT_TRUE(view->MaskMode());
    EXPECT_EQ(Sorted(RowNames(*view)), (std::vector<std::string>{"one.txt", "two.TXT"}));
    EXPECT_EQ(view->TotalSize(), 150.0);
    EXPECT_EQ(window->Path(), x.Path());
    EXPECT_EQ(view->DisplayPath(), x.Path("*.txt"));
}

TEST_F(FolderTest, TitlesFollowTheFullPathSetting)
{
    TempFolder x;
    x.Dir("Letters");
    Settings().SetSetting(Setting::FullPathInTitle, 0);
    CExplorerWindow* window = Open(x.Path("Letters"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window->Handle()), "Letters");
    ASSERT_TRUE(window->Navigate("C:\\", nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), "C:\\") << "a root's only separator is its last character";

    Settings().SetSetting(Setting::FullPathInTitle, 1);
    ASSERT_TRUE(window->Navigate(x.Path("Letters"), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), x.Path("Letters"));
}

TEST_F(FolderTest, DeletingTheWatchedFolderEndsItsWatcher)
{
    TempFolder root;
    root.Dir("watched");
    root.File("watched\\x.txt");
    CExplorerWindow* window = Open(root.Path("watched"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->WatchedPath(), root.Path("watched"));
    ASSERT_TRUE(window->ContentWatcherRunning());
    ASSERT_TRUE(window->SizeWatcherRunning());
    // Deleted to the Recycle Bin: the folder leaves its place. (Wine keeps a
    // folder deleted outright on the disk, unreported, while the watchers'
    // own handles are open on it, so only a folder that moves away can be
    // seen to go there.)
    ASSERT_TRUE(::MoveFileA(root.Path("watched").c_str(), root.Path("recycled").c_str()));
    EXPECT_TRUE(PumpUntil([&] { return !window->ContentWatcherRunning() && !window->SizeWatcherRunning(); }, 10000));
}

TEST_F(FolderTest, AWindowReadingAFolderClosesOnlyAfterTheReadingStops)
{
    TempFolder start, big;
    big.Files(300);
    CExplorerWindow* window = Open(start.Path());
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->Handle();
    ASSERT_TRUE(window->Navigate(big.Path(), nullptr));
    ASSERT_FALSE(window->CanCloseNow());
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(hwnd)) << "a busy window does not close at once";
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hwnd); }, 10000));
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
}

}  // namespace
