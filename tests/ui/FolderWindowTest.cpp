// Folder windows as windows: query windows' run display, system commands in
// the window modes, what a window remembers, and the pieces they are built
// of (file items bound in folders, identifier lists, the running threads).

// Tests
#include "ui/FolderTestSupport.h"

// Core
#include "core/frame/WindowRules.h"
#include "core/search/SearchSink.h"

// Framework
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/BaseThread.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderRecord.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/frame/QueryWindow.h"

namespace {

using foldertest::FolderTest;
using foldertest::PumpUntil;
using foldertest::TempFolder;
using foldertest::WaitIdle;

class CountingQueryWindow : public CQueryWindow {
public:
    using CQueryWindow::CQueryWindow;
    int stops = 0;

protected:
    void StopRun() override { ++stops; }
};

CountingQueryWindow* OpenQueryWindow(CTrailmarkApp& app)
{
    WindowState state;
    state.path = "Search Results";
    state.kind = WindowKind::Search;
    state.rect = {0, 0, 400, 300};
    auto* window = new CountingQueryWindow(state);
    if (!window->CreateDocument(app.MainFrame()->MdiClient())) {
        delete window;
        return nullptr;
    }
    return window;
}

TEST_F(FolderTest, AQueryWindowShowsItsRunWithAStopButton)
{
    CountingQueryWindow* window = OpenQueryWindow(m_app);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetIconIndex(), 1);
    EXPECT_FALSE(window->StatusBarVisible());

    ::SendMessageA(window->Handle(), UWM_SEARCHSTARTED, 0, 0);
    EXPECT_TRUE(window->Running());
    EXPECT_TRUE(window->StatusBarVisible());
    ASSERT_NE(window->StopButton(), nullptr);
    EXPECT_EQ(window->Progress(), nullptr) << "without the folder table the pane shows texts";
    EXPECT_EQ(::GetDlgCtrlID(window->StopButton()), IDC_STOP);
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("C:\\Data"), 0);
    EXPECT_EQ(window->RunText(), "Searching C:\\Data");
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("Adding Results..."), 1);
    EXPECT_EQ(window->RunText(), "Adding Results...");
    ::SendMessageA(window->StopButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(window->stops, 1) << "the button tells the view to stop";

    ::SendMessageA(window->Handle(), UWM_RESULTSCHANGED, 0, 0);
    EXPECT_FALSE(window->Running());
    EXPECT_EQ(window->StopButton(), nullptr);
    EXPECT_FALSE(window->StatusBarVisible());

    // With the table of all folders kept, a run with steps shows a progress indicator.
    m_app.Settings().SetSetting(Setting::FastFind, 1);
    ::SendMessageA(window->Handle(), UWM_SEARCHSTARTED, 5, 0);
    ASSERT_NE(window->Progress(), nullptr);
    ::SendMessageA(window->Handle(), UWM_STATUSTEXT, reinterpret_cast<WPARAM>("C:\\Data"), 0);
    EXPECT_EQ(::SendMessageA(window->Progress(), PBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(window->Progress(), PBM_GETRANGE, FALSE, 0), 5);
    ::SendMessageA(window->Handle(), UWM_RESULTSCHANGED, 0, 0);
    m_app.Settings().SetSetting(Setting::FastFind, 0);
}

TEST_F(FolderTest, ExplorerModeIgnoresSizingAndMaximizeModeAsksBeforeARestore)
{
    TempFolder x;
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    m_app.Settings().SetSetting(Setting::ExplorerMode, 1);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsIconic(window->Handle()));
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(::IsWindow(window->Handle()));
    m_app.Settings().SetSetting(Setting::ExplorerMode, 0);

    m_app.Settings().SetSetting(Setting::ArrangeMode, static_cast<int>(ArrangeMode::Maximize));
    ::SendMessageA(::GetParent(window->Handle()), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    ASSERT_TRUE(::IsZoomed(window->Handle()));
    m_messages.answers = {IDNO, IDYES};
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(::IsZoomed(window->Handle())) << "No keeps the mode and the window";
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsZoomed(window->Handle()));
    EXPECT_EQ(m_app.Settings().GetSetting(Setting::ArrangeMode), static_cast<int>(ArrangeMode::None));
    ASSERT_EQ(m_messages.texts.size(), 2u);
    EXPECT_EQ(m_messages.texts[0], "Cannot restore the window in 'Auto Maximize ' mode.\n\nWould you like "
                                   "Trailmark to cancel 'Auto Maximize' mode?");
}

TEST_F(FolderTest, WindowsOnFixedDrivesAreRememberedAndOnlyFolderViewsTellTheirSelection)
{
    TempFolder x;
    x.File("a.txt");
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->RememberAtExit());
    EXPECT_TRUE(window->CanCloseNow());
    window->ExplorerView()->List().SetState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_FALSE(window->HasSelection()) << "an explorer window answers no";
    CountingQueryWindow* query = OpenQueryWindow(m_app);
    ASSERT_NE(query, nullptr);
    EXPECT_FALSE(query->RememberAtExit());
    EXPECT_FALSE(query->HasSelection());
}

TEST_F(FolderTest, AFileOperationOnTheFolderKeepsItsWatchersOff)
{
    TempFolder x;
    const RunningThreadsPtr& threads = m_app.MainFrame()->RunningThreadList();
    StateWord state = MakeStateWord();
    const RunningThreads::Token token = threads->Add(ThreadKind::FileChange, state, x.Path());
    EXPECT_TRUE(threads->WorksOn(x.Path("sub")));
    EXPECT_FALSE(threads->WorksOn(x.Path() + "2"));
    CExplorerWindow* window = Open(x.Path());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->ContentWatcherRunning());
    threads->CancelAll();
    EXPECT_EQ(state->load(), WorkState::Stop) << "cancelled threads keep what they did";
    threads->Remove(token);
    EXPECT_EQ(threads->Count(), 0u);
    ::SendMessageA(window->Handle(), UWM_RESUMEWATCHERS, 0, 0);
    EXPECT_TRUE(window->ContentWatcherRunning());
    const RunningThreads::Token table = threads->Add(ThreadKind::FolderTableBuild, state, x.Path());
    EXPECT_FALSE(threads->WorksOn(x.Path())) << "the folder table changes no files";
    threads->Remove(table);
}

TEST_F(FolderTest, AFileItemBindsInsideItsFolderAndCopiesUnbound)
{
    TempFolder x;
    x.File("bound.txt", 300);
    ui::Pidl folderList = shell::ParsePath(x.Path());
    ASSERT_TRUE(folderList);
    std::shared_ptr<CFileItem> node = MakeFolderRecord(folderList.Get());
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->path, x.Path());
    EXPECT_TRUE(HasParentFolder(*node));

    CFileItem item;
    item.path = x.Path("bound.txt");
    item.name = "bound.txt";
    item.folderPath = x.Path();
    ASSERT_TRUE(item.Bind(node.get(), false, nullptr));
    ASSERT_NE(item.relativeId, nullptr);
    EXPECT_EQ(ui::PidlSize(item.absoluteId), ui::PidlSize(node->absoluteId) + ui::PidlSize(item.relativeId));
    EXPECT_EQ(item.PathQuery(), x.Path("bound.txt"));
    item.LoadDetails(true, false, false);
    EXPECT_EQ(item.sizeBytes, 300u);
    EXPECT_FALSE(item.detailsPending);

    CFileItem copy;
    copy.CopyFrom(item);
    EXPECT_EQ(copy.name, "bound.txt");
    EXPECT_EQ(copy.sizeBytes, 300u);
    EXPECT_EQ(copy.folder, nullptr);
    EXPECT_EQ(copy.absoluteId, nullptr);
    EXPECT_EQ(copy.PathQuery(), "") << "an unbound item has no folder to ask";
    ASSERT_TRUE(copy.Bind(node.get(), true, nullptr)) << "found by its name when parsing is not asked";

    CFileItem missing;
    missing.path = x.Path("gone.txt");
    missing.name = "gone.txt";
    EXPECT_FALSE(missing.Bind(node.get(), false, nullptr));
    EXPECT_FALSE(missing.Bind(nullptr, false, nullptr));
}

TEST_F(FolderTest, IdentifierListsSplitAndJoin)
{
    TempFolder x;
    x.File("f.txt");
    ui::Pidl folder = shell::ParsePath(x.Path());
    ui::Pidl file = shell::ParsePath(x.Path("f.txt"));
    ASSERT_TRUE(folder && file);
    ui::Pidl parent(ui::PidlParent(file.Get()));
    ui::ComPtr<IShellFolder> desktop = shell::Desktop();
    EXPECT_EQ(HRESULT_CODE(desktop->CompareIDs(0, parent.Get(), folder.Get())), 0);
    ui::Pidl joined(ui::PidlAppend(parent.Get(), ui::PidlLast(file.Get())));
    EXPECT_EQ(ui::PidlSize(joined.Get()), ui::PidlSize(file.Get()));
    EXPECT_EQ(HRESULT_CODE(desktop->CompareIDs(0, joined.Get(), file.Get())), 0);
    EXPECT_EQ(ui::PidlParent(nullptr), nullptr);
    ui::Pidl empty(ui::PidlClone(nullptr));
    EXPECT_TRUE(ui::PidlIsEmpty(empty.Get()));
    EXPECT_EQ(ui::PidlSize(empty.Get()), 0u);
}

// A window that only keeps the messages posted to it.
HWND MessageTarget() { return ::CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr); }

bool TakeMessage(HWND target, UINT message)
{
    MSG msg;
    return ::PeekMessageA(&msg, target, message, message, PM_REMOVE) != FALSE;
}

// Waits without dispatching, so that what the thread posts stays in the queue.
bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 6000 && !condition(); ++i) ::Sleep(10);
    return condition();
}

TEST_F(FolderTest, AFolderThreadFillsRowsFromItsItemsOnStartWork)
{
    TempFolder x;
    HWND view = MessageTarget();
    auto job = std::make_shared<ListingJob>();
    job->result.store = std::make_shared<ItemStore>();
    for (std::uint64_t size : {10, 20, 30}) {
        auto item = std::make_unique<CFileItem>();
        item->name = "item" + std::to_string(size);
        item->folderPath = x.Path();
        item->sizeBytes = size;
        job->result.store->items.push_back(std::move(item));
    }
    ASSERT_TRUE(CFolderThread::Start(new CFolderThread(view, job, false)));
    ASSERT_TRUE(WaitFor([&] { return job->state->load() == WorkState::Finished && job->delivered.load(); }));
    EXPECT_TRUE(TakeMessage(view, UWM_WORKDONE));
    const ListingResult& result = job->result;
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.sortAndFocus);
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[2].item->name, "item30");
    EXPECT_EQ(result.totalSize, 60.0);
    EXPECT_GE(result.rows[0].item->folderIconIndex, 0) << "the folder's icon for result lists";
    ::DestroyWindow(view);
}

TEST_F(FolderTest, AFolderThreadStoppedBeforeItStartsReportsOnlyForAStopThatKeepsResults)
{
    for (int stop : {WorkState::Stop, WorkState::Finished}) {
        HWND view = MessageTarget();
        auto job = std::make_shared<ListingJob>();
        job->result.store = std::make_shared<ItemStore>();
        job->result.store->items.push_back(std::make_unique<CFileItem>());
        job->state->store(stop);
        ASSERT_TRUE(CFolderThread::Start(new CFolderThread(view, job, false)));
        ASSERT_TRUE(WaitFor([&] { return job->delivered.load(); }));
        // The thread has ended: the state says so, and nothing more will come.
        ASSERT_TRUE(WaitFor([&] { return job->state->load() == WorkState::Finished; }));
        EXPECT_EQ(TakeMessage(view, UWM_WORKDONE), stop == WorkState::Stop) << stop;
        EXPECT_TRUE(job->result.rows.empty());
        EXPECT_FALSE(job->result.completed);
        ::DestroyWindow(view);
    }
}

}  // namespace
