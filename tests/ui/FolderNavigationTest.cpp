// Navigating folder windows: in place, quickly in a row, through the history,
// to a folder another window shows, to a pattern; titles, status texts,
// watchers, the clipboard and closing while a folder is read.

// Tests
#include "ui/FolderTestSupport.h"

// Core
#include "core/frame/FolderTitle.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Standard library
#include <algorithm>
#include <cstring>
#include <thread>

namespace {

using foldertest::FolderTest;
using foldertest::Idle;
using foldertest::PumpUntil;
using foldertest::RowNames;
using foldertest::TempFolder;
using foldertest::WaitIdle;
using foldertest::WindowText;

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// The folders a view started to list, in order, seen as the view tells its
// window that loading starts.
std::vector<std::string> g_listed;
const CExplorerView* g_watchedView = nullptr;

LRESULT CALLBACK RecordListings(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == UWM_LOADINGSTARTED && g_watchedView)
        g_listed.push_back(g_watchedView->DisplayPath());
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class ListingRecorder {
public:
    explicit ListingRecorder(const CExplorerView& view)
        : m_hook(::SetWindowsHookExA(WH_CALLWNDPROC, RecordListings, nullptr, ::GetCurrentThreadId()))
    {
        g_listed.clear();
        g_watchedView = &view;
    }
    ~ListingRecorder()
    {
        ::UnhookWindowsHookEx(m_hook);
        g_watchedView = nullptr;
    }

private:
    HHOOK m_hook;
};

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

TEST_F(FolderTest, NavigatingThreeTimesQuicklyListsOnlyTheLast)
{
    TempFolder start, a, b, c;
    a.File("a.txt");
    b.File("b.txt");
    c.File("c.txt");
    CExplorerWindow* window = Open(start.Path());
    ASSERT_NE(window, nullptr);
    CExplorerView* view = window->ExplorerView();
    ListingRecorder recorder(*view);
    for (const TempFolder* folder : {&a, &b, &c}) ASSERT_TRUE(window->Navigate(folder->Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(g_listed, (std::vector<std::string>{a.Path(), c.Path()})) << "b is never listed";
    EXPECT_EQ(RowNames(*view), (std::vector<std::string>{"c.txt"}));
}

TEST_F(FolderTest, RefreshWhileAListingRunsDoesNothing)
{
    TempFolder start, other;
    other.File("x.txt");
    CExplorerWindow* window = Open(start.Path());
    ASSERT_NE(window, nullptr);
    CExplorerView* view = window->ExplorerView();
    ListingRecorder recorder(*view);
    ASSERT_TRUE(window->Navigate(other.Path(), nullptr));
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_VIEW_REFRESH, 0);
    EXPECT_FALSE(view->NavigationPending());
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(g_listed.size(), 1u);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_VIEW_REFRESH, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(g_listed.size(), 2u) << "an idle view lists again";
}

TEST_F(FolderTest, HistoryListsHoldNineAndWalkBothWays)
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

    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_GO_BACK, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[10]);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_BACK_HISTORY_FIRST + 5, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[7]);
    EXPECT_EQ(window->BackList().Count(), 5u);
    ASSERT_EQ(window->ForwardList().Count(), 4u);
    EXPECT_EQ(window->ForwardList().Newest()->path, places[8]);
    EXPECT_EQ(window->ForwardList().At(0)->path, places[11]);

    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_GO_FORWARD, 0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), places[8]);
    // A new place empties the forward list.
    ASSERT_TRUE(window->Navigate(places[0], nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_TRUE(window->ForwardList().Empty());
    ASSERT_FALSE(window->BackList().Empty());
    EXPECT_EQ(window->BackList().Newest()->path, places[8]);
    EXPECT_LE(window->BackList().Count(), 9u);
}

TEST_F(FolderTest, UpOneLevelAndTheUpRowGoToTheParent)
{
    TempFolder root;
    root.Dir("child");
    CExplorerWindow* window = Open(root.Path("child"));
    ASSERT_NE(window, nullptr);
    window->ExplorerView()->OpenRow(0);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), root.Path());
    ASSERT_FALSE(window->BackList().Empty());
    EXPECT_EQ(window->BackList().Newest()->path, root.Path("child"));
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_GO_UP, 0);
    ASSERT_TRUE(WaitIdle(*window));
    char parent[MAX_PATH] = "";
    lstrcpynA(parent, root.Path().c_str(), sizeof(parent));
    *std::strrchr(parent, '\\') = '\0';
    EXPECT_TRUE(SamePath(window->Path(), parent));
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
    // A file's path opens the folder that holds it.
    x.Dir("sub");
    x.File("sub\\file.txt");
    EXPECT_TRUE(window->Navigate(x.Path("sub\\file.txt"), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(window->Path(), x.Path("sub"));
    EXPECT_FALSE(window->ExplorerView()->MaskMode());
    EXPECT_EQ(RowNames(*window->ExplorerView()), (std::vector<std::string>{"file.txt"}));
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
    m_app.Settings().SetSetting(Setting::FullPathInTitle, 0);
    CExplorerWindow* window = Open(x.Path("Letters"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window->Handle()), "Letters");
    ASSERT_TRUE(window->Navigate("C:\\", nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), "C:\\") << "a root's only separator is its last character";

    m_app.Settings().SetSetting(Setting::FullPathInTitle, 1);
    ASSERT_TRUE(window->Navigate(x.Path("Letters"), nullptr));
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(WindowText(window->Handle()), x.Path("Letters"));
}

TEST_F(FolderTest, StatusTextsCountObjectsAndSizes)
{
    TempFolder x;
    x.File("a.bin", 1000);
    x.File("b.bin", 3000);
    x.File("c.bin", 0);
    x.Dir("d");
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    CExplorerView* view = window->ExplorerView();
    FolderStatus status = window->UpdateStatusTexts();
    EXPECT_EQ(status.countText, "4 Object(s)") << "the up row is not counted";
    ASSERT_FALSE(window->FreeSpaceText().empty());
    EXPECT_EQ(status.sizeText, "3.9KB (Disk free space: " + window->FreeSpaceText() + ")");

    view->List().SetState(view->RowOfName("c.bin"), LVIS_SELECTED, LVIS_SELECTED);
    status = window->UpdateStatusTexts();
    EXPECT_EQ(status.countText, "1 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "0 bytes") << "a selected empty file";
    view->List().SetState(view->RowOfName("b.bin"), LVIS_SELECTED, LVIS_SELECTED);
    view->List().SetState(view->RowOfName("d"), LVIS_SELECTED, LVIS_SELECTED);
    status = window->UpdateStatusTexts();
    EXPECT_EQ(status.countText, "3 Object(s) Selected");
    EXPECT_EQ(status.sizeText, "2.9KB") << "three of four: the unselected one is subtracted";

    // The frame shows them in panes 0 and 1 on its timer.
    ASSERT_TRUE(PumpUntil([&] { return m_app.MainFrame()->Status().Text(0) == "3 Object(s) Selected"; }));
    EXPECT_EQ(m_app.MainFrame()->Status().Text(1), "2.9KB");
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

TEST_F(FolderTest, ASizeChangeReachesTheWindow)
{
    TempFolder x;
    x.File("grow.bin", 10);
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->SizeWatcherRunning());
    const std::string before = window->FreeSpaceText();
    // A watcher reports by a posted message; the window recomputes its free space then.
    x.File("grow.bin", 5 * 1024 * 1024);
    EXPECT_TRUE(PumpUntil([&] { return window->FreeSpaceText() != before; }, 10000));
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

TEST_F(FolderTest, CopyPathPutsTheSelectionOrTheFolderInTheClipboard)
{
    TempFolder x;
    x.File("pick.txt");
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    CExplorerView* view = window->ExplorerView();
    auto clipboardText = [] {
        std::string text;
        if (!::OpenClipboard(nullptr)) return text;
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) text = bytes;
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    };
    view->List().SetState(view->RowOfName("pick.txt"), LVIS_SELECTED, LVIS_SELECTED);
    // The focus elsewhere than in the list (as in the explorer bar's tree).
    HWND elsewhere = ::CreateWindowExA(0, "EDIT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_app.MainWindow(),
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetFocus(elsewhere);
    ASSERT_EQ(::GetFocus(), elsewhere);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_FILE_COPY_PATH, 0);
    EXPECT_EQ(clipboardText(), x.Path()) << "without the list's focus: the folder";
    ::DestroyWindow(elsewhere);
    ::SetFocus(view->List().Handle());
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_FILE_COPY_PATH, 0);
    EXPECT_EQ(clipboardText(), x.Path("pick.txt"));
    EXPECT_TRUE(m_messages.texts.empty());

    // Another thread holds the clipboard open.
    HANDLE opened = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        ::OpenClipboard(nullptr);
        ::SetEvent(opened);
        ::WaitForSingleObject(release, INFINITE);
        ::CloseClipboard();
    });
    ::WaitForSingleObject(opened, INFINITE);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_FILE_COPY_PATH, 0);
    ::SetEvent(release);
    holder.join();
    ::CloseHandle(opened);
    ::CloseHandle(release);
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{"Failed to open the clipboard!"}));
}

TEST_F(FolderTest, PreviewModesSplitTheWindowAndCheckTheirItem)
{
    TempFolder x;
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Preview(), PreviewMode::None);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_VIEW_PREVIEW_VERTICAL, 0);
    EXPECT_EQ(window->Preview(), PreviewMode::Vertical);
    EXPECT_TRUE(window->Split().IsVertical());
    RECT splitter;
    ::GetClientRect(window->Split().Handle(), &splitter);
    EXPECT_EQ(window->Split().FirstSize(), splitter.right / 2);
    const ui::CommandState state = ui::QueryCommand(m_app.MainFrame()->FirstCommandTarget(), ID_VIEW_PREVIEW_VERTICAL);
    EXPECT_TRUE(state.checked);
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_VIEW_PREVIEW_NONE, 0);
    EXPECT_EQ(window->Split().FirstSize(), -1);
}

}  // namespace

namespace {

// Answers the "Rename Folder" dialog with a name as it opens.
std::string g_newName;

LRESULT CALLBACK AnswerRename(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && foldertest::WindowText(reinterpret_cast<HWND>(wParam)) == "Rename Folder") {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextA(dialog, IDC_NAME, g_newName.c_str());
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FolderTest, RenamingTheShownFolderTakesTheWindowToItsNewPath)
{
    TempFolder root;
    root.Dir("Before");
    root.File("Before\\kept.txt");
    m_app.Settings().SetSetting(Setting::FullPathInTitle, 0);
    CExplorerWindow* window = Open(root.Path("Before"));
    ASSERT_NE(window, nullptr);
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, AnswerRename, nullptr, ::GetCurrentThreadId());

    g_newName = "..\\Elsewhere";
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_FILE_RENAME, 0);
    EXPECT_NE(::GetFileAttributesA(root.Path("Before").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(window->Path(), root.Path("Before")) << "a name with a separator is refused";

    g_newName = "After";
    ::SendMessageA(m_app.MainWindow(), WM_COMMAND, ID_FILE_RENAME, 0);
    ::UnhookWindowsHookEx(hook);
    ASSERT_TRUE(WaitIdle(*window));
    EXPECT_EQ(::GetFileAttributesA(root.Path("Before").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(window->Path(), root.Path("After"));
    EXPECT_EQ(foldertest::WindowText(window->Handle()), "After");
    EXPECT_EQ(RowNames(*window->ExplorerView()), (std::vector<std::string>{"kept.txt"}));
    EXPECT_EQ(window->WatchedPath(), root.Path("After"));
    EXPECT_TRUE(window->ContentWatcherRunning());
}

}  // namespace
