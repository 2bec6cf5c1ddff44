// Folder windows as windows: query windows' run display, system commands in
// the window modes, the running threads and the folder thread.

// Core
#include "core/frame/WindowRules.h"
#include "core/search/SearchSink.h"

// Folders
#include "ui/folders/BaseThread.h"

// Application
#include "ui/folders/StatusReport.h"
#include "ui/frame/QueryWindow.h"

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

class CountingQueryWindow : public CQueryWindow {
public:
    using CQueryWindow::CQueryWindow;
    int stops = 0;

protected:
    void StopRun() override { ++stops; }
};

// A report as a search posts it; the window frees it.
WPARAM Report(const char* folder, long steps)
{
    auto* report = new StatusReport;
    report->text = folder;
    report->steps = steps;
    return reinterpret_cast<WPARAM>(report);
}

TEST_F(FolderTest, AQueryWindowShowsItsRunWithAStopButton)
{
    auto* window = OpenDocument(*m_app, new CountingQueryWindow(DocumentState("Search Results")));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetIconIndex(), 1);
    EXPECT_FALSE(window->StatusBarVisible());

    ::SendMessageA(window->Handle(), UWM_SEARCHSTARTED, 0, 0);
    EXPECT_TRUE(window->Running());
    EXPECT_TRUE(window->StatusBarVisible());
    ASSERT_NE(window->StopButton(), nullptr);
    EXPECT_EQ(window->Progress(), nullptr) << "without the folder table the pane shows texts";
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("C:\\Data"), 0);
    EXPECT_EQ(window->RunText(), "Searching C:\\Data");
    ::SendMessageA(window->Handle(), UWM_STATUSREPORT, Report("C:\\Data\\Later", 7), 0);
    EXPECT_EQ(window->RunText(), "Searching C:\\Data\\Later") << "several folders told at once show the last";
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("Adding Results..."), 1);
    EXPECT_EQ(window->RunText(), "Adding Results...");
    ::SendMessageA(window->StopButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(window->stops, 1) << "the button tells the view to stop";

    ::SendMessageA(window->Handle(), UWM_RESULTSCHANGED, 0, 0);
    EXPECT_FALSE(window->Running());
    EXPECT_EQ(window->StopButton(), nullptr);
    EXPECT_FALSE(window->StatusBarVisible());

    // With the folder table the bar counts the folders, one per folder told.
    Settings().SetSetting(Setting::FastFind, 1);
    ::SendMessageA(window->Handle(), UWM_SEARCHSTARTED, 100000, 0);
    ASSERT_NE(window->Progress(), nullptr);
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("C:\\Data"), 0);
    ::SendMessageA(window->Handle(), UWM_STATUSREPORT, Report("C:\\Data\\Later", 70000), 0);
    EXPECT_EQ(::SendMessageA(window->Progress(), PBM_GETPOS, 0, 0), 70001) << "past the 16-bit range";
    ::SendMessageA(window->Handle(), UWM_RESULTSCHANGED, 0, 0);
    EXPECT_EQ(window->Progress(), nullptr);
}

TEST_F(FolderTest, ExplorerModeIgnoresSizingAndMaximizeModeAsksBeforeARestore)
{
    ASSERT_NE(OpenView(m_folder.Path()), nullptr);
    HWND window = m_window->Handle();
    Settings().SetSetting(Setting::ExplorerMode, 1);
    ::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsIconic(window));
    ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(::IsWindow(window));
    Settings().SetSetting(Setting::ExplorerMode, 0);

    Settings().SetSetting(Setting::ArrangeMode, static_cast<int>(ArrangeMode::Maximize));
    ::SendMessageA(::GetParent(window), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
    ASSERT_TRUE(::IsZoomed(window));
    m_messages.answers = {IDNO, IDYES};
    ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(::IsZoomed(window)) << "No keeps the mode and the window";
    ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsZoomed(window));
    EXPECT_EQ(Settings().GetSetting(Setting::ArrangeMode), static_cast<int>(ArrangeMode::None));
    ASSERT_EQ(m_messages.texts.size(), 2u);
    EXPECT_EQ(m_messages.texts[0], "Cannot restore the window in 'Auto Maximize ' mode.\n\nWould you like "
                                   "Trailmark to cancel 'Auto Maximize' mode?");
}

TEST_F(FolderTest, AFileOperationOnTheFolderKeepsItsWatchersOff)
{
    const RunningThreadsPtr& threads = Frame().RunningThreadList();
    StateWord state = MakeStateWord();
    const RunningThreads::Token token = threads->Add(ThreadKind::FileChange, state, m_folder.Path());
    EXPECT_TRUE(threads->WorksOn(m_folder.Path("sub")));
    EXPECT_FALSE(threads->WorksOn(m_folder.Path() + "2"));
    CExplorerWindow* window = Open(m_folder.Path());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->ContentWatcherRunning());
    threads->CancelAll();
    EXPECT_EQ(state->load(), WorkState::Stop) << "cancelled threads keep what they did";
    threads->Remove(token);
    EXPECT_EQ(threads->Count(), 0u);
    ::SendMessageA(window->Handle(), UWM_RESUMEWATCHERS, 0, 0);
    EXPECT_TRUE(window->ContentWatcherRunning());
    const RunningThreads::Token table = threads->Add(ThreadKind::FolderTableBuild, state, m_folder.Path());
    EXPECT_FALSE(threads->WorksOn(m_folder.Path())) << "the folder table changes no files";
    threads->Remove(table);
}

TEST_F(FolderTest, AFolderThreadFillsRowsFromItsItemsOnStartWork)
{
    // A view that only keeps what is posted to it; the test waits without
    // dispatching, so that the thread's message stays in the queue.
    HWND view = ::CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    auto job = std::make_shared<ListingJob>();
    job->result.store = std::make_shared<ItemStore>();
    for (std::uint64_t size : {10, 20, 30}) {
        auto item = std::make_unique<CFileItem>();
        item->name = "item" + std::to_string(size);
        item->folderPath = m_folder.Path();
        item->sizeBytes = size;
        job->result.store->items.push_back(std::move(item));
    }
    ASSERT_TRUE(CFolderThread::Start(new CFolderThread(view, job, false)));
    for (int i = 0; i < 6000 && !(job->state->load() == WorkState::Finished && job->delivered.load()); ++i)
        ::Sleep(10);
    MSG done;
    EXPECT_TRUE(::PeekMessageA(&done, view, UWM_WORKDONE, UWM_WORKDONE, PM_REMOVE));
    const ListingResult& result = job->result;
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.sortAndFocus);
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[2].item->name, "item30");
    EXPECT_EQ(result.totalSize, 60.0);
    EXPECT_GE(result.rows[0].item->folderIconIndex, 0) << "the folder's icon for result lists";
    ::DestroyWindow(view);
}

}  // namespace
