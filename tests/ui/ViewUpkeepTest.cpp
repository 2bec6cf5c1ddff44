// What a folder window's view does on the interface thread between the
// user's commands: the toolbar's updates, the clean-up after a file
// operation, a sort, a refresh after a change. Disk and shell calls are
// counted through the test program's import table: their number, not their
// time, shows whether work grows with ticks or rows.

// Core
#include "core/folders/CutList.h"

// Framework
#include "ui/framework/Clipboard.h"

// Folders
#include "ui/folders/FileDrop.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/ImportCounter.h"

namespace uitest {
namespace {

class ViewUpkeep : public FolderTest {
protected:
    // Opens the folder with its watchers off, so that only the test refreshes it.
    CExplorerView* OpenQuiet(const std::string& path)
    {
        CExplorerView* view = OpenView(path);
        if (view) ::SendMessageA(m_window->Handle(), UWM_PAUSEWATCHERS, 0, 0);
        return view;
    }
    static Names SelectedNames(CFilesView& view)
    {
        Names names;
        for (int row = view.List().NextSelected(-1); row != -1; row = view.List().NextSelected(row))
            if (const CFileItem* item = view.ItemAt(row)) names.push_back(item->name);
        return Sorted(names);
    }
    static std::string NameAt(const CFilesView& view, int row)
    {
        const CFileItem* item = view.ItemAt(row);
        return item ? item->name : std::string();
    }
    // The toolbar's update of the commands that ask the disk, the shell or the clipboard.
    static std::vector<bool> UpdateToolbar(CExplorerView& view)
    {
        std::vector<bool> enabled;
        for (UINT id : {ID_EDIT_PASTE, ID_EDIT_COPY, ID_FILE_RECYCLE, ID_FILE_DELETE, ID_FILE_RENAME,
                        ID_FILE_CREATE_SHORTCUT, ID_FILE_OPEN_WITH}) {
            ui::CommandState state;
            view.OnUpdateCommand(id, state);
            enabled.push_back(state.enabled);
        }
        return enabled;
    }
};

constexpr int kTicks = 20;

TEST_F(ViewUpkeep, ToolbarUpdatesAskTheDiskShellAndClipboardOnlyWhenSomethingChanged)
{
    m_folder.Files(40);
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    view->List().SetState(-1, LVIS_SELECTED, LVIS_SELECTED);
    view->Cut();

    FileAttributesCounter attributes("kernel32.dll", "GetFileAttributesA");
    OpenClipboardCounter clipboard("user32.dll", "OpenClipboard");
    SpecialFolderCounter special("shell32.dll", "SHGetSpecialFolderLocation");
    ASSERT_TRUE(attributes.Installed() && clipboard.Installed() && special.Installed());
    for (int tick = 0; tick < kTicks; ++tick)
        EXPECT_EQ(UpdateToolbar(*view), std::vector<bool>(7, true)) << "the cut can be pasted; rows are selected";
    EXPECT_LE(attributes.Calls(), 1);
    EXPECT_LE(clipboard.Calls(), 1);
    EXPECT_LE(special.Calls(), 1);

    // Other text on the clipboard ends the cut: the next update sees it.
    ASSERT_TRUE(ui::SetClipboardText(nullptr, "other text"));
    clipboard.Reset();
    for (int tick = 0; tick < kTicks; ++tick) {
        ui::CommandState state;
        view->OnUpdateCommand(ID_EDIT_PASTE, state);
        EXPECT_FALSE(state.enabled);
    }
    EXPECT_EQ(clipboard.Calls(), 1);

    // Without a selection the folder answers; Copy has nothing to copy.
    view->List().SetState(-1, 0, LVIS_SELECTED);
    ui::CommandState copy;
    view->OnUpdateCommand(ID_EDIT_COPY, copy);
    EXPECT_FALSE(copy.enabled);
    ui::CommandState rename;
    view->OnUpdateCommand(ID_FILE_RENAME, rename);
    EXPECT_TRUE(rename.enabled) << "the folder itself can be renamed";
    // Only the up row selected is no selection either.
    ASSERT_TRUE(view->HasUpRow());
    view->List().SetState(0, LVIS_SELECTED, LVIS_SELECTED);
    view->OnUpdateCommand(ID_EDIT_COPY, copy);
    EXPECT_FALSE(copy.enabled);
    CutList::Instance().Clear();
}

TEST_F(ViewUpkeep, AnOperationsEndLooksOnlyAtItsOwnItemsAndKeepsTheOtherRowsSelected)
{
    m_folder.Files(300);
    for (const char* name : {"f00001.txt", "f00002.txt", "f00003.txt"}) m_folder.File(name, 10);
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    const int rows = view->RowCount();
    const double total = view->TotalSize();
    SelectRows(*view, {"f00001.txt", "f00002.txt", "f00003.txt", "f00005.txt"});
    view->List().SetState(view->RowOfName("f00005.txt"), LVIS_FOCUSED, LVIS_FOCUSED);
    ASSERT_TRUE(view->CheckSelection(SFGAO_CANDELETE, IDS_CANNOT_DELETE_SOME));
    ASSERT_EQ(view->OperationItems().size(), 4u);
    // The operation took three of its items; another file went by other means.
    for (const char* name : {"f00001.txt", "f00002.txt", "f00003.txt", "f00010.txt"})
        ASSERT_TRUE(::DeleteFileA(m_folder.Path(name).c_str()));

    FileAttributesCounter attributes("kernel32.dll", "GetFileAttributesA");
    ASSERT_TRUE(attributes.Installed());
    ::SendMessageA(view->Handle(), UWM_OPERDONE, 1, 0);
    EXPECT_LE(attributes.Calls(), 4) << "one look per operation item, none per row";

    EXPECT_EQ(view->RowCount(), rows - 3);
    for (const char* name : {"f00001.txt", "f00002.txt", "f00003.txt"}) EXPECT_EQ(view->RowOfName(name), -1) << name;
    EXPECT_GE(view->RowOfName("f00010.txt"), 0) << "left for the watcher's listing";
    EXPECT_EQ(SelectedNames(*view), Names{"f00005.txt"});
    EXPECT_EQ(NameAt(*view, ListView_GetNextItem(view->List().Handle(), -1, LVNI_FOCUSED)), "f00005.txt");
    EXPECT_EQ(view->OperationItems().size(), 1u);
    EXPECT_EQ(view->TotalSize(), total - 30);
    EXPECT_EQ(view->List().Count(), view->RowCount());
}

TEST_F(ViewUpkeep, ASortKeepsTheSelectedItemsSelected)
{
    m_folder.Files(30);
    m_folder.File("big.dat", 5000);
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    const Names chosen = {"big.dat", "f00000.txt", "f00017.txt"};
    SelectRows(*view, chosen);
    view->OnCommand(ID_VIEW_ARRANGE_FIRST + 3);  // by size
    ASSERT_EQ(view->SortMode(), 3);
    EXPECT_EQ(SelectedNames(*view), chosen);
    view->OnCommand(ID_VIEW_ARRANGE_FIRST + 3);  // and back down
    EXPECT_FALSE(view->Ascending());
    EXPECT_EQ(NameAt(*view, 1), "big.dat");
    EXPECT_EQ(SelectedNames(*view), chosen);
    EXPECT_TRUE(view->List().IsSelected(1));
}

TEST_F(ViewUpkeep, AWatchersRefreshKeepsTheSelectionFocusAndScrollAndCatchesAChangeDuringAListing)
{
    m_folder.Files(200);
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    ASSERT_EQ(view->ViewMode(), CFilesView::kDetailsMode);
    HWND list = view->List().Handle();
    SelectRows(*view, {"f00010.txt", "f00150.txt"});
    const int focus = view->RowOfName("f00150.txt");
    view->List().SetState(focus, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(list, view->RowOfName("f00199.txt"), FALSE);
    ListView_EnsureVisible(list, view->RowOfName("f00100.txt"), FALSE);
    const std::string top = NameAt(*view, ListView_GetTopIndex(list));
    ASSERT_EQ(top, "f00100.txt") << "the list is scrolled";

    m_folder.File("new.txt");
    ::SendMessageA(view->Handle(), UWM_REFRESHVIEW, 0, 0);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_GE(view->RowOfName("new.txt"), 0);
    EXPECT_EQ(SelectedNames(*view), (Names{"f00010.txt", "f00150.txt"}));
    EXPECT_EQ(NameAt(*view, ListView_GetNextItem(list, -1, LVNI_FOCUSED)), "f00150.txt");
    EXPECT_EQ(NameAt(*view, ListView_GetTopIndex(list)), top);

    // A change while the folder is read: the listing has read the folder (its
    // end is queued) when the file comes, and the change is reported then.
    ListingsNotWaitedFor();
    ::SendMessageA(view->Handle(), UWM_REFRESHVIEW, 0, 0);
    ASSERT_TRUE(view->HasWorker());
    MSG msg;
    const DWORD start = ::GetTickCount();
    while (!::PeekMessageA(&msg, view->Handle(), UWM_WORKDONE, UWM_WORKDONE, PM_NOREMOVE)) {
        ASSERT_LT(::GetTickCount() - start, 60000u);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_POSTMESSAGE);
    }
    m_folder.File("late.txt");
    ::SendMessageA(view->Handle(), UWM_REFRESHVIEW, 0, 0);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_TRUE(PumpUntil([&] { return Idle(*m_window) && view->RowOfName("late.txt") >= 0; }, 10000));
    EXPECT_EQ(SelectedNames(*view), (Names{"f00010.txt", "f00150.txt"}));
}

TEST_F(ViewUpkeep, ADragOverTheListReadsItsFileListOnceAsItEnters)
{
    m_folder.File("a.txt");
    m_folder.Dir("sub");
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    IDropTarget* target = view->ListDropTarget();
    ASSERT_TRUE(target);
    TempDir source;
    source.File("x.txt");
    source.File("y.txt");
    auto* data = new filedrop::FileListData({source.Path("x.txt"), source.Path("y.txt")});
    RECT list = {};
    ::GetWindowRect(view->List().Handle(), &list);
    POINTL point = {list.left + 5, list.bottom - 5};
    const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

    DragQueryFileCounter reads("shell32.dll", "DragQueryFileA");
    ASSERT_TRUE(reads.Installed());
    DWORD effect = allowed;
    ASSERT_EQ(target->DragEnter(data, MK_LBUTTON, point, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE)) << "the same drive: a move";
    const int onEnter = reads.Calls();
    EXPECT_GT(onEnter, 0);
    for (int move = 0; move < kTicks; ++move) {
        point.y -= 1;
        effect = allowed;
        target->DragOver(MK_LBUTTON | (move % 2 ? MK_CONTROL : 0), point, &effect);
        EXPECT_EQ(effect, static_cast<DWORD>(move % 2 ? DROPEFFECT_COPY : DROPEFFECT_MOVE));
    }
    EXPECT_EQ(reads.Calls(), onEnter);
    target->DragLeave();

    // The next drag brings its own list.
    auto* other = new filedrop::FileListData({source.Path("y.txt")});
    effect = allowed;
    ASSERT_EQ(target->DragEnter(other, MK_LBUTTON | MK_CONTROL, point, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_GT(reads.Calls(), onEnter);
    target->DragLeave();
    other->Release();
    data->Release();
}

TEST_F(ViewUpkeep, ABurstOfSizeChangesReadsTheFreeSpaceOnceAfterIt)
{
    CExplorerView* view = OpenQuiet(m_folder.Path());
    ASSERT_TRUE(view);
    const std::string before = m_window->FreeSpaceText();
    ASSERT_FALSE(before.empty());
    // Enough written to change the text, whatever else the disk is doing.
    m_folder.File("big.bin", 40 * 1024 * 1024);
    for (int change = 0; change < kTicks; ++change)
        ::SendMessageA(m_window->Handle(), UWM_FOLDERSIZECHANGED, 0, 0);
    EXPECT_EQ(m_window->FreeSpaceText(), before) << "not read for each report";
    EXPECT_TRUE(PumpUntil([&] { return m_window->FreeSpaceText() != before; }, 10000)) << "read once they stop";
    EXPECT_FALSE(m_window->FreeSpaceText().empty());
}

}  // namespace
}  // namespace uitest
