// Search windows on real temporary trees: what a search lists, stopping,
// restarting, the result limit, Quick Find and the Find command.

// Core
#include "core/search/EntryIndex.h"
#include "core/search/FindTypeList.h"
#include "core/search/FolderListWalk.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/Threads.h"

// Explorer
#include "ui/explorer/ExplorerBar.h"

// Application
#include "ui/app/IndexWatchThread.h"
#include "ui/folders/StatusReport.h"
#include "ui/frame/QueryWindow.h"

// Search
#include "ui/search/SearchCommands.h"
#include "ui/search/SearchThread.h"
#include "ui/search/SearchView.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <cstdlib>
#include <functional>
#include <map>
#include <set>

namespace {

using namespace uitest;

using Paths = std::set<std::string>;

CCondition Criteria(const std::string& folder, const std::string& patterns)
{
    CCondition criteria;
    criteria.SetFolder(folder);
    criteria.SetPatterns(patterns);
    return criteria;
}

Paths ResultPaths(const CFilesView& view)
{
    Paths paths;
    for (int row = 0; row < view.RowCount(); ++row)
        if (const CFileItem* item = view.ItemAt(row)) paths.insert(item->path);
    return paths;
}

// Sees each message the window is given, while a sender waits.
class MessageHook {
public:
    using Seen = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    MessageHook(HWND window, Seen seen) : m_window(window)
    {
        s_seen = std::move(seen);
        m_original = ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
        s_original = m_original;
    }
    ~MessageHook()
    {
        if (::IsWindow(m_window)) ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, m_original);
        s_seen = nullptr;
    }
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        // Before the window: it frees what a posted report points to.
        if (s_seen) s_seen(message, wParam, lParam);
        return ::CallWindowProcA(reinterpret_cast<WNDPROC>(s_original), hwnd, message, wParam, lParam);
    }

    inline static Seen s_seen;
    inline static LONG_PTR s_original = 0;
    HWND m_window;
    LONG_PTR m_original;
};

// Runs a step each time the window is told the folder being searched, while
// the search thread waits for the answer: the step sees the search running.
class StatusWatch : public MessageHook {
public:
    using Step = std::function<void(const std::string& text)>;

    StatusWatch(HWND window, Step step)
        : MessageHook(window, [step = std::move(step)](UINT message, WPARAM wParam, LPARAM lParam) {
              if (message == UWM_STATUSTEXT && lParam == 0 && wParam) step(reinterpret_cast<const char*>(wParam));
          })
    {
    }
};

class SearchWindowTest : public FolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
        // Each folder told as it is entered: the tests stop searches there.
        m_statusInterval = CSearchThread::StatusInterval();
        CSearchThread::SetStatusInterval(0);
        Settings().SetSetting(Setting::FastFind, 0);
        m_messages.Clear();
        // a.txt, b.doc, sub\c.txt, sub\deeper\d.txt, sub\deeper\e.doc, other\f.TXT
        m_folder.File("a.txt", 10);
        m_folder.File("b.doc");
        m_folder.Dir("sub");
        m_folder.File("sub\\c.txt", 2000);
        m_folder.Dir("sub\\deeper");
        m_folder.File("sub\\deeper\\d.txt");
        m_folder.File("sub\\deeper\\e.doc");
        m_folder.Dir("other");
        m_folder.File("other\\f.TXT");
    }

    void TearDown() override
    {
        CSearchThread::SetStatusInterval(m_statusInterval);
        FolderTest::TearDown();
    }

    CQueryWindow* OpenSearch(const std::string& title)
    {
        m_search = dynamic_cast<CQueryWindow*>(CWindowList::Instance().OpenWindow(title, WindowKind::Search, nullptr, 0));
        m_view = m_search ? dynamic_cast<CSearchView*>(m_search->View()) : nullptr;
        return m_view ? m_search : nullptr;
    }
    bool WaitSearch() { return PumpUntil([&] { return !m_view->Running() && !m_search->Running(); }); }

    Paths Expected(std::initializer_list<const char*> relative) const
    {
        Paths paths;
        for (const char* path : relative) paths.insert(m_folder.Path(path));
        return paths;
    }

    CQueryWindow* m_search = nullptr;
    CSearchView* m_view = nullptr;
    DWORD m_statusInterval = 0;
};

TEST_F(SearchWindowTest, TextFilesOfAFolderAndItsSubFoldersAreListedWithTheirFolders)
{
    ASSERT_NE(OpenSearch("Search A"), nullptr);
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(ResultPaths(*m_view), Expected({"a.txt", "sub\\c.txt", "sub\\deeper\\d.txt", "other\\f.TXT"}));
    const std::vector<ColumnKind> columns = m_view->Columns();
    ASSERT_GE(columns.size(), 2u);
    EXPECT_EQ(columns[1], ColumnKind::InFolder);
    for (int row = 0; row < m_view->RowCount(); ++row) {
        const CFileItem* item = m_view->ItemAt(row);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(m_view->CellText(row, 1), item->path.substr(0, item->path.rfind('\\'))) << item->path;
        EXPECT_GE(item->iconIndex, 0) << item->path;
        EXPECT_GE(item->folderIconIndex, 0) << "the folder's icon beside In Folder";
        EXPECT_FALSE(item->detailsPending) << "drawing the row asks nothing of the disk";
    }
    EXPECT_EQ(m_view->TotalSize(), 2010.0);
    EXPECT_FALSE(m_search->StatusBarVisible()) << "the run display ended";
    EXPECT_TRUE(m_messages.texts.empty());
}

// Folders told in batches: every folder is counted once, the text is a
// folder's, and a search the window hears of only twice still lists all.
TEST_F(SearchWindowTest, FoldersToldTogetherAreEachCountedOnce)
{
    for (int i = 0; i < 30; ++i) m_folder.Dir("many" + std::to_string(i));
    CSearchThread::SetStatusInterval(60000);
    ASSERT_NE(OpenSearch("Search Batched"), nullptr);
    long steps = 0;
    int reports = 0;
    std::vector<std::string> texts;
    std::string last;
    MessageHook hook(m_search->Handle(), [&](UINT message, WPARAM wParam, LPARAM) {
        if (message == UWM_STATUSTEXT) ADD_FAILURE() << "a report waits for the window";
        if (message != UWM_STATUSREPORT) return;
        const auto* report = reinterpret_cast<const StatusReport*>(wParam);
        last = report->text;
        if (report->asIs) return;
        ++reports;
        steps += report->steps;
        texts.push_back(report->text);
    });
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    // The top folder, sub, sub\deeper, other and the thirty.
    EXPECT_EQ(steps, 34);
    EXPECT_EQ(reports, 2) << "the first folder at once, the rest before the results are added";
    for (const std::string& text : texts) EXPECT_EQ(text.rfind(m_folder.Path(), 0), 0u) << text;
    EXPECT_EQ(last, kAddingResultsText) << "the reports arrive in order";
    EXPECT_EQ(ResultPaths(*m_view), Expected({"a.txt", "sub\\c.txt", "sub\\deeper\\d.txt", "other\\f.TXT"}));
}

TEST_F(SearchWindowTest, AFolderThatCannotBeEnteredEndsTheRunDisplayWithTheMessage)
{
    ASSERT_NE(OpenSearch("Search B"), nullptr);
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path("missing"), "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_FALSE(m_search->StatusBarVisible());
    EXPECT_EQ(m_search->StopButton(), nullptr);
    EXPECT_EQ(m_view->RowCount(), 0);
    ASSERT_EQ(m_messages.texts, std::vector<std::string>{kFolderCheckMessage});
    EXPECT_EQ(m_messages.flags[0] & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
}

TEST_F(SearchWindowTest, StopKeepsTheResultsFoundAndAStartWhileRunningIsRefused)
{
    // Enough folders that the search is still walking when it is stopped.
    for (int i = 0; i < 12; ++i) {
        const std::string folder = "many" + std::to_string(i);
        m_folder.Dir(folder);
        m_folder.File(folder + "\\x.txt");
    }
    ASSERT_NE(OpenSearch("Search C"), nullptr);
    std::vector<std::string> searched;
    bool refused = false;
    StatusWatch watch(m_search->Handle(), [&](const std::string& folder) {
        searched.push_back(folder);
        if (searched.size() == 1) refused = !m_view->StartWith(Criteria(m_folder.Path(), "*.doc"), false);
        if (searched.size() == 6) ::SendMessageA(m_search->StopButton(), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_TRUE(refused);
    EXPECT_EQ(m_messages.texts, std::vector<std::string>{"Terminate the current file operation and try again."});
    EXPECT_EQ(m_view->SearchCriteria().Patterns(), "*.txt") << "the refused start left the criteria alone";
    // The stop came as the sixth folder was entered: the five before it gave
    // all their results, that one and the rest none.
    ASSERT_EQ(searched.size(), 6u) << "no folder is entered after the stop";
    const std::set<std::string> entered(searched.begin(), searched.begin() + 5);
    Paths expected;
    for (const std::string& path : Expected({"a.txt", "sub\\c.txt", "sub\\deeper\\d.txt", "other\\f.TXT"}))
        if (entered.count(path.substr(0, path.rfind('\\')))) expected.insert(path);
    for (int i = 0; i < 12; ++i) {
        const std::string folder = m_folder.Path("many" + std::to_string(i));
        if (entered.count(folder)) expected.insert(folder + "\\x.txt");
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(ResultPaths(*m_view), expected);
}

TEST_F(SearchWindowTest, NewSearchDuringARunRestartsWithTheNewCriteria)
{
    for (int i = 0; i < 12; ++i) m_folder.Dir("many" + std::to_string(i));
    ASSERT_NE(OpenSearch("Search D"), nullptr);
    DialogScript script;
    script.Then(IDC_CRITERIA_PATTERNS, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "New Search");
        Type(sheet, IDC_CRITERIA_PATTERNS, "*.doc");
        Type(sheet, IDC_CRITERIA_LOOK_IN, m_folder.Path().c_str());
        Click(sheet, IDOK);
    });
    int statusTexts = 0;
    StatusWatch watch(m_search->Handle(), [&](const std::string&) {
        if (++statusTexts == 2) m_view->OnCommand(ID_SEARCH_NEW);
    });
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.txt"), false));
    ASSERT_TRUE(PumpUntil([&] { return statusTexts > 2 && !m_view->Running() && !m_view->RestartPending(); }));
    script.ExpectDone();
    EXPECT_EQ(m_view->SearchCriteria().Patterns(), "*.doc");
    EXPECT_EQ(ResultPaths(*m_view), Expected({"b.doc", "sub\\deeper\\e.doc"}));
    EXPECT_EQ(WindowText(m_search->Handle()).rfind("Search time: ", 0), 0u);
    EXPECT_EQ(m_search->Path(), WindowText(m_search->Handle()));
}

TEST_F(SearchWindowTest, SingleLevelModeListsOnlyTheTopFolder)
{
    SearchRequest request;
    request.criteria.push_back(Criteria(m_folder.Path(), "*.*"));
    request.singleLevel = true;
    auto job = std::make_shared<ListingJob>();
    ASSERT_TRUE(CFolderThread::Start(new CSearchThread(request, job)));
    ASSERT_TRUE(PumpUntil([&] { return job->delivered.load(); }));
    Paths paths;
    for (const ListRow& row : job->result.rows) paths.insert(row.item->path);
    EXPECT_EQ(paths, Expected({"a.txt", "b.doc", "sub", "other"}));

    // The same criteria without the mode walks the tree.
    request.singleLevel = false;
    auto walked = std::make_shared<ListingJob>();
    ASSERT_TRUE(CFolderThread::Start(new CSearchThread(request, walked)));
    ASSERT_TRUE(PumpUntil([&] { return walked->delivered.load(); }));
    EXPECT_EQ(walked->result.rows.size(), 9u);
}

TEST_F(SearchWindowTest, TheLimitShowsItsMessageOnceAndListsFifteenThousandRows)
{
    const char* prepared = std::getenv("TRAILMARK_BIG_FOLDER");
    if (!prepared || !*prepared) GTEST_SKIP() << "TRAILMARK_BIG_FOLDER names no prepared folder";
    ASSERT_NE(OpenSearch("Search E"), nullptr);
    ASSERT_TRUE(m_view->StartWith(Criteria(prepared, "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(m_view->RowCount(), 15000);
    ASSERT_EQ(m_messages.texts, std::vector<std::string>{kLimitMessage});
    EXPECT_EQ(m_messages.flags[0] & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(SearchWindowTest, QuickFindSearchesTheFocusedWindowsFolderAndHeadsTheHistory)
{
    CFindTypeList& history = *m_app->FindTypes();
    history.AddToFront("*.TXT");
    history.AddToFront("*.bmp");
    const int entries = history.Count();
    ASSERT_NE(OpenView(m_folder.Path("sub")), nullptr);
    Settings().SetSetting(Setting::QuickFindPlace, 2);

    CQueryWindow* window = QuickFind("  *.txt \t");
    ASSERT_NE(window, nullptr);
    m_search = window;
    m_view = dynamic_cast<CSearchView*>(window->View());
    ASSERT_NE(m_view, nullptr);
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(m_view->SearchCriteria().Folder(), m_folder.Path("sub"));
    EXPECT_EQ(m_view->SearchCriteria().Patterns(), "*.txt");
    EXPECT_EQ(ResultPaths(*m_view), Expected({"sub\\c.txt", "sub\\deeper\\d.txt"}));
    EXPECT_EQ(window->GetIconIndex(), 1);
    EXPECT_EQ(history.Count(), entries);
    EXPECT_EQ(history.Texts().front(), "*.txt");
    EXPECT_EQ(history.Texts()[1], "*.bmp");

    EXPECT_EQ(QuickFind("   "), nullptr) << "an empty text searches nothing";
}

TEST_F(SearchWindowTest, QuickFindPlaces)
{
    EXPECT_EQ(QuickFindFolder(0, "D:\\Work"), "C:\\");
    EXPECT_EQ(QuickFindFolder(1, "D:\\Work"), "") << "all local hard drives";
    EXPECT_EQ(QuickFindFolder(2, "D:\\Work"), "D:\\Work");
    EXPECT_EQ(QuickFindFolder(2, ""), "C:\\");
    EXPECT_EQ(QuickFindFolder(7, "D:\\Work"), "C:\\");

    // The settings dialog stores the choice.
    Settings().SetSetting(Setting::QuickFindPlace, 0);
    DialogScript script;
    script.Then(IDC_QUICK_FIND_LOCAL_DRIVES, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Quick Find Settings");
        EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_QUICK_FIND_DRIVE_C), static_cast<UINT>(BST_CHECKED));
        ClickNow(dialog, IDC_QUICK_FIND_LOCAL_DRIVES);
        Click(dialog, IDOK);
    });
    ::SendMessageA(m_app->MainWindow(), WM_COMMAND, ID_EDIT_QUICK_FIND_SETTINGS, 0);
    script.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::QuickFindPlace), 1);
}

TEST_F(SearchWindowTest, FindOpensTheFindSheetOnTheActiveFolderAndSearchesOnOk)
{
    Settings().SetSetting(Setting::WindowsFindDialog, 0);
    ASSERT_NE(OpenView(m_folder.Path("sub")), nullptr);
    DialogScript script;
    script.Then(IDC_CRITERIA_PATTERNS, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Find");
        EXPECT_EQ(WindowText(FindControl(sheet, IDC_CRITERIA_LOOK_IN)), m_folder.Path("sub"));
        Type(sheet, IDC_CRITERIA_PATTERNS, "*.doc");
        Click(sheet, IDOK);
    });
    ::SendMessageA(m_app->MainWindow(), WM_COMMAND, ID_EDIT_FIND, 0);
    script.ExpectDone();
    m_search = dynamic_cast<CQueryWindow*>(CWindowList::Instance().Active());
    ASSERT_NE(m_search, nullptr);
    EXPECT_EQ(m_search->Kind(), WindowKind::Search);
    m_view = dynamic_cast<CSearchView*>(m_search->View());
    ASSERT_NE(m_view, nullptr);
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(ResultPaths(*m_view), Expected({"sub\\deeper\\e.doc"}));
}

TEST_F(SearchWindowTest, FindFromTheFolderTreeSearchesItsSelectedFolderNotTheActiveWindows)
{
    Settings().SetSetting(Setting::WindowsFindDialog, 0);
    ASSERT_NE(OpenView(m_folder.Path("sub")), nullptr);
    CDesktopTree& tree = Frame().ExplorerBarWindow().FolderTree();
    ASSERT_TRUE(tree.SelectPath(m_folder.Path("other")));
    ::SetFocus(tree);
    ASSERT_EQ(::GetFocus(), tree.Handle());
    std::string lookIn;
    DialogScript script;
    script.Then(IDC_CRITERIA_PATTERNS, [&](HWND sheet) {
        lookIn = WindowText(FindControl(sheet, IDC_CRITERIA_LOOK_IN));
        Click(sheet, IDCANCEL);
    });
    ::SendMessageA(m_app->MainWindow(), WM_COMMAND, ID_EDIT_FIND, 0);
    script.ExpectDone();
    EXPECT_EQ(lookIn, m_folder.Path("other"));
    // Once the focus is back in the window, its folder is the one searched.
    ::SetFocus(m_app->MainWindow());
    EXPECT_EQ(CurrentFolder(), m_folder.Path("sub"));
}

// top\a.txt, top\sub\b.txt and other\c.txt, with top\self a link to top and
// top\twin one to other: tools/test.sh makes the tree on the host, since a
// program under Wine cannot make host links, and names it in TRAILMARK_LINK_TREE.
TEST_F(SearchWindowTest, ASearchOverALinkToItsOwnFolderListsEachFileOnce)
{
    const char* tree = std::getenv("TRAILMARK_LINK_TREE");
    if (!tree || !*tree) GTEST_SKIP() << "TRAILMARK_LINK_TREE names no prepared tree";
    const std::string top = std::string(tree) + "\\top";
    const Paths expected = {top + "\\a.txt", top + "\\sub\\b.txt"};
    for (const int fastFind : {0, 1}) {
        SCOPED_TRACE(fastFind ? "Fast Find" : "walking search");
        Settings().SetSetting(Setting::FastFind, fastFind);
        ASSERT_NE(OpenSearch(fastFind ? "Links F" : "Links"), nullptr);
        ASSERT_TRUE(m_view->StartWith(Criteria(top, "*.txt"), false));
        ASSERT_TRUE(WaitSearch());
        EXPECT_EQ(ResultPaths(*m_view), expected);
        EXPECT_EQ(m_view->RowCount(), static_cast<int>(expected.size())) << "a file was listed twice";
    }
}

// A stop between folders that match nothing ends the walk there.
TEST_F(SearchWindowTest, AFastFindStoppedWhileNothingMatchesEndsPromptly)
{
    for (int i = 0; i < 40; ++i) m_folder.Dir("empty" + std::to_string(i));
    Settings().SetSetting(Setting::FastFind, 1);
    ASSERT_NE(OpenSearch("Search F"), nullptr);
    int steps = 0;
    StatusWatch watch(m_search->Handle(), [&](const std::string&) {
        if (++steps == 3) m_view->Stop();
    });
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.nothing"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(steps, 3) << "no folder was listed after the stop";
    EXPECT_EQ(m_view->RowCount(), 0);
}

// The system's disks, with C: the only fixed drive; the listing of one folder
// waits at a gate, so that the test sees the walk under way.
class DriveCOnlyLister : public platform::DirectoryLister {
public:
    explicit DriveCOnlyLister(std::string heldFolder) : m_held(std::move(heldFolder) + "\\*") {}

    bool List(const std::string& spec, const platform::FindVisitor& visit) override
    {
        if (spec.size() >= m_held.size() && ::_strnicmp(spec.c_str(), m_held.c_str(), m_held.size()) == 0) {
            entered.Set();
            gate.Wait();
        }
        return platform::SystemDirectoryLister().List(spec, visit);
    }
    platform::DriveType QueryDriveType(const std::string& root) override
    {
        return ::toupper(static_cast<unsigned char>(root[0])) == 'C' ? platform::DriveType::Fixed
                                                                     : platform::DriveType::NoRootDir;
    }
    bool CanEnterFolder(const std::string& folder) override
    {
        return platform::SystemDirectoryLister().CanEnterFolder(folder);
    }

    platform::Event entered{true};
    platform::Event gate{true};

private:
    std::string m_held;
};

// Fast Find from the entry index that the program's own workers build and
// watch: changes made after the build are found by a search started 2 s
// later, with no walk in between, and the index alone answers.
TEST_F(SearchWindowTest, FastFindFromTheWatchedIndexFindsLaterChangesWithoutARebuild)
{
    if (!IndexWatchWorker::Available()) GTEST_SKIP() << "the system has no sub-tree change watch";
    Settings().SetSetting(Setting::FastFind, 1);
    DriveCOnlyLister lister(m_folder.Path());
    ASSERT_TRUE(m_app->StartFolderListWalk(lister));
    ASSERT_TRUE(lister.entered.WaitFor(60000));
    const std::string indexing = ui::LoadString(IDS_INDEXING_DRIVES);
    EXPECT_TRUE(PumpUntil([&] { return Frame().Status().Text(1).rfind(indexing + " ", 0) == 0; }, 5000))
        << Frame().Status().Text(1);
    lister.gate.Set();
    ASSERT_TRUE(PumpUntil([] { return !FolderListWalk::IsRunning(); }, 120000));
    CEntryIndex& index = CEntryIndex::Instance();
    ASSERT_TRUE(index.Covers(m_folder.Path()));
    EXPECT_TRUE(PumpUntil([&] { return Frame().Status().Text(1).find(indexing) == std::string::npos; }, 5000))
        << "the walk has ended";
    const std::uint32_t generation = index.Generation();

    m_folder.File("sub\\deeper\\new.txt");
    ASSERT_TRUE(::MoveFileA(m_folder.Path("a.txt").c_str(), m_folder.Path("renamed.txt").c_str()));
    ASSERT_TRUE(::DeleteFileA(m_folder.Path("other\\f.TXT").c_str()));
    m_folder.File("sub\\c.txt", 7);
    m_folder.Dir("made");
    m_folder.File("made\\inside.txt");
    PumpFor(2000);

    const Paths expected = Expected({"renamed.txt", "sub\\c.txt", "sub\\deeper\\d.txt", "sub\\deeper\\new.txt",
                                     "made\\inside.txt"});
    ASSERT_NE(OpenView(m_folder.Path()), nullptr);
    Settings().SetSetting(Setting::QuickFindPlace, 2);
    m_search = QuickFind("*.txt");
    ASSERT_NE(m_search, nullptr);
    m_view = dynamic_cast<CSearchView*>(m_search->View());
    ASSERT_NE(m_view, nullptr);
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(ResultPaths(*m_view), expected);
    for (int row = 0; row < m_view->RowCount(); ++row)
        if (const CFileItem* item = m_view->ItemAt(row); item && item->name == "c.txt")
            EXPECT_EQ(item->sizeBytes, 7u) << "the resized file's new size";

    // The same search in a window of its own tells one folder for the whole
    // tree: the index answered, no folder was listed.
    ASSERT_NE(OpenSearch("Indexed"), nullptr);
    int folders = 0;
    StatusWatch watch(m_search->Handle(), [&](const std::string&) { ++folders; });
    ASSERT_TRUE(m_view->StartWith(Criteria(m_folder.Path(), "*.txt"), false));
    ASSERT_TRUE(WaitSearch());
    EXPECT_EQ(ResultPaths(*m_view), expected);
    EXPECT_EQ(folders, 1);
    EXPECT_EQ(index.Generation(), generation) << "no walk built the index again";
}

}  // namespace
