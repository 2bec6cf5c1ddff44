// Navigating folder windows: quickly in a row, through the history, to a
// folder another window shows, to a pattern; titles, watchers and closing
// while a folder is read.

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

TEST_F(FolderTest, NavigatingTwiceQuicklyListsTheSecondPath)
{
    TempDir first, second;
    first.File("first.txt");
    second.File("second.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ListingsNotWaitedFor();
    ASSERT_TRUE(m_window->Navigate(first.Path(), nullptr));
    ASSERT_TRUE(view->HasWorker());
    ASSERT_TRUE(m_window->Navigate(second.Path(), nullptr));
    EXPECT_TRUE(view->NavigationPending()) << "the second place waits for the first listing's end";
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->CurrentPath(), second.Path());
    EXPECT_EQ(RowNames(*view), Names{"second.txt"});
    EXPECT_EQ(m_window->Path(), second.Path());
}

// The worker a view has started ahead, as a handle on its thread that the
// test can wait on or hold; null when none comes.
struct WaitingWorker {
    explicit WaitingWorker(const CExplorerView& view)
    {
        if (PumpUntil([&] { return view.NextWorkerThreadId() != 0; }, 10000))
            handle = ::OpenThread(SYNCHRONIZE | THREAD_SUSPEND_RESUME, FALSE, view.NextWorkerThreadId());
    }
    ~WaitingWorker()
    {
        if (handle) ::CloseHandle(handle);
    }
    bool Ends() const { return handle && PumpUntil([&] { return ::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, 5000); }
    HANDLE handle = nullptr;
};

TEST_F(FolderTest, TheWorkerStartedAheadListsTheNextPlaceAndEndsWithItsWindow)
{
    TempDir next;
    next.File("next.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const WaitingWorker waiting(*view);
    ASSERT_NE(waiting.handle, nullptr);

    ASSERT_TRUE(m_window->Navigate(next.Path(), nullptr));
    EXPECT_EQ(view->NextWorkerThreadId(), 0u) << "the waiting worker took the listing";
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(RowNames(*view), Names{"next.txt"});
    EXPECT_TRUE(waiting.Ends()) << "a worker ends with its listing";

    const WaitingWorker following(*view);
    ::SendMessageA(m_window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(following.Ends()) << "a worker that waits goes with its window";
}

TEST_F(FolderTest, AWaitingWorkerStoppedBeforeItStartsStillLetsTheNextPlaceBeListed)
{
    TempDir first, second;
    second.File("second.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const WaitingWorker waiting(*view);
    ASSERT_NE(waiting.handle, nullptr);
    // Held, so that the second navigation stops the first listing before
    // the worker has even taken it.
    ASSERT_NE(::SuspendThread(waiting.handle), static_cast<DWORD>(-1));
    ASSERT_TRUE(m_window->Navigate(first.Path(), nullptr));
    ASSERT_TRUE(m_window->Navigate(second.Path(), nullptr));
    ASSERT_TRUE(view->NavigationPending());
    ::ResumeThread(waiting.handle);
    ASSERT_TRUE(PumpUntil([&] { return Idle(*m_window); }, 10000)) << "the stopped listing still reported";
    EXPECT_EQ(RowNames(*view), Names{"second.txt"});
}

TEST_F(FolderTest, HistoryListsHoldNineAndWalkBack)
{
    Names places;
    for (int i = 0; i < 12; ++i) {
        places.push_back(m_folder.Path("p" + std::to_string(i)));
        ::CreateDirectoryA(places.back().c_str(), nullptr);
    }
    CExplorerWindow* window = Open(places[0]);
    ASSERT_NE(window, nullptr);
    for (std::size_t i = 1; i < places.size(); ++i) {
        ASSERT_TRUE(window->Navigate(places[i], nullptr));
        ASSERT_TRUE(WaitIdle(*window));
    }
    ASSERT_EQ(window->BackList().Count(), 9u);
    EXPECT_EQ(window->BackList().At(0)->path, places[2]) << "the oldest entries were dropped";
    EXPECT_EQ(window->BackList().Newest()->path, places[10]);
    EXPECT_TRUE(window->ForwardList().Empty());

    Command(ID_GO_BACK);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[10]);
    Command(ID_BACK_HISTORY_FIRST + 5);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[7]);
    EXPECT_EQ(window->BackList().Count(), 5u);
    ASSERT_EQ(window->ForwardList().Count(), 4u);
    EXPECT_EQ(window->ForwardList().Newest()->path, places[8]);
    EXPECT_EQ(window->ForwardList().At(0)->path, places[11]);
}

TEST_F(FolderTest, NavigatingToAFolderAnotherWindowShowsActivatesThatWindow)
{
    TempDir other;
    CExplorerWindow* first = Open(m_folder.Path());
    CExplorerWindow* second = Open(other.Path());
    ASSERT_TRUE(first && second);
    ASSERT_NE(first, second);
    EXPECT_EQ(CWindowList::Instance().Active(), second);
    EXPECT_TRUE(second->Navigate(m_folder.Path(), nullptr));
    EXPECT_EQ(CWindowList::Instance().Active(), first);
    EXPECT_EQ(second->Path(), other.Path()) << "the navigating window stays where it was";
    EXPECT_TRUE(second->BackList().Empty());
    // Opening the path again finds the window too.
    EXPECT_EQ(CWindowList::Instance().OpenWindow(other.Path(), WindowKind::Folder, nullptr, 0), second);
    EXPECT_EQ(CWindowList::Instance().Windows().size(), 2u);
}

TEST_F(FolderTest, APatternPathShowsOnlyTheMatchingFilesAndAnInvalidPathLeavesTheWindowThere)
{
    m_folder.File("one.txt", 100);
    m_folder.File("two.TXT", 50);
    m_folder.File("three.doc", 7);
    m_folder.Dir("four");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(m_window->Navigate(m_folder.Path("*.txt"), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_TRUE(view->MaskMode());
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"one.txt", "two.TXT"}));
    EXPECT_EQ(view->TotalSize(), 150.0);
    EXPECT_EQ(m_window->Path(), m_folder.Path());
    EXPECT_EQ(view->DisplayPath(), m_folder.Path("*.txt"));

    const std::string missing = m_folder.Path("no such\\folder");
    EXPECT_FALSE(m_window->Navigate(missing, nullptr));
    EXPECT_EQ(m_window->Path(), m_folder.Path());
    EXPECT_EQ(m_messages.texts, Names{"Attempt to open folder '" + missing +
                                      "' failed! Please make sure the folder name is valid and the drive is ready!"});
}

TEST_F(FolderTest, TitlesFollowTheFullPathSetting)
{
    const std::string letters = m_folder.Path("Letters");
    m_folder.Dir("Letters");
    Settings().SetSetting(Setting::FullPathInTitle, 0);
    CExplorerWindow* window = Open(letters);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window->Handle()), "Letters");
    ASSERT_TRUE(window->Navigate("C:\\", nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), "C:\\") << "a root's only separator is its last character";

    Settings().SetSetting(Setting::FullPathInTitle, 1);
    ASSERT_TRUE(window->Navigate(letters, nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), letters);
}

TEST_F(FolderTest, DeletingTheWatchedFolderEndsItsWatcher)
{
    m_folder.Dir("watched");
    m_folder.File("watched\\x.txt");
    CExplorerWindow* window = Open(m_folder.Path("watched"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->WatchedPath(), m_folder.Path("watched"));
    ASSERT_TRUE(window->ContentWatcherRunning());
    ASSERT_TRUE(window->SizeWatcherRunning());
    // Deleted to the Recycle Bin: the folder leaves its place. (Wine keeps a
    // folder deleted outright on the disk, unreported, while the watchers'
    // own handles are open on it, so only a folder that moves away can be
    // seen to go there.)
    ASSERT_TRUE(::MoveFileA(m_folder.Path("watched").c_str(), m_folder.Path("recycled").c_str()));
    EXPECT_TRUE(PumpUntil([&] { return !window->ContentWatcherRunning() && !window->SizeWatcherRunning(); }, 10000));
}

TEST_F(FolderTest, AWindowReadingAFolderClosesOnlyAfterTheReadingStops)
{
    TempDir big;
    big.Files(300);
    CExplorerWindow* window = Open(m_folder.Path());
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->Handle();
    ASSERT_TRUE(window->Navigate(big.Path(), nullptr));
    ASSERT_FALSE(window->CanCloseNow());
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(hwnd)) << "a busy window does not close at once";
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hwnd); }, 10000));
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
}

TEST_F(FolderTest, APlaceThatIsNoFolderOpensTheFolderThatHoldsItEvenWithItsIdentifierList)
{
    m_folder.Dir("gone");
    m_folder.Dir("next");
    m_folder.File("doc.txt");
    CExplorerWindow* window = Open(m_folder.Path("gone"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->Navigate(m_folder.Path("next"), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    // The folder leaves its place (see above for why it is moved, not deleted).
    ASSERT_TRUE(::MoveFileA(m_folder.Path("gone").c_str(), m_folder.Path("moved").c_str()));
    Command(ID_GO_BACK);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), m_folder.Path()) << "Back to a folder gone goes to the folder that held it";
    EXPECT_EQ(Sorted(RowNames(*window->ExplorerView())), (Names{"doc.txt", "moved", "next"}));

    // A file's path with the file's own identifier list.
    TempDir other;
    ASSERT_TRUE(window->Navigate(other.Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    ui::Pidl file = shell::ParsePath(m_folder.Path("doc.txt"));
    ASSERT_TRUE(file);
    EXPECT_TRUE(window->Navigate(m_folder.Path("doc.txt"), file.Get()));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), m_folder.Path());
}

}  // namespace
