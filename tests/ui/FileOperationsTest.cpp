// File operations on real folders: each test runs the program's command or
// drop, waits for the worker's shell request, and reads the disk afterwards.

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/TreeMessages.h"

// Folders
#include "ui/folders/FileDrop.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Application
#include "ui/frame/TabDropTarget.h"

// Standard library
#include <cstdlib>

namespace uitest {
namespace {

class FileOperationsTest : public FolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
        // The shell asks nothing of its own: the program's questions are answered here.
        Settings().SetSetting(Setting::ConfirmOperations, 0);
        m_messages.answer = IDYES;
    }

    // Waits for every operation worker, then for the windows' new listings.
    void WaitOperations()
    {
        ASSERT_TRUE(PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }));
        PumpFor(100);
        Settle();
    }

    // A drop on a folder window, as the window taskbar passes it on.
    static DWORD DropOn(CExplorerWindow& window, const std::vector<std::string>& paths, DWORD keys)
    {
        auto* data = new filedrop::FileListData(paths);
        DragRequest request{data, keys, {-1, -1}, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK};
        const DWORD effect = static_cast<DWORD>(
            ::SendMessageA(window.Handle(), UWM_DROP, reinterpret_cast<WPARAM>(&request), 0));
        data->Release();
        return effect;
    }

    // A file list put on the clipboard as another program puts it there.
    static bool PutFileList(const std::vector<std::string>& paths)
    {
        if (!::OpenClipboard(nullptr)) return false;
        ::EmptyClipboard();
        const bool put = ::SetClipboardData(CF_HDROP, filedrop::MakeFileList(paths)) != nullptr;
        ::CloseClipboard();
        return put;
    }

    bool Asked(UINT id) const
    {
        return std::count(m_messages.texts.begin(), m_messages.texts.end(), ui::LoadString(id)) == 1;
    }

    TempDir m_other;
};

TEST_F(FileOperationsTest, DropsMoveWithoutKeysAndCopyWithCtrlAndTheSourceRowsGo)
{
    m_folder.File("a.txt", 10);
    m_folder.File("b.txt", 20);
    CExplorerView* source = OpenView(m_folder.Path());
    ASSERT_TRUE(source);
    CExplorerWindow* target = Open(m_other.Path());
    ASSERT_TRUE(target);

    EXPECT_EQ(DropOn(*target, {m_folder.Path("a.txt")}, 0), static_cast<DWORD>(DROPEFFECT_MOVE));
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("a.txt")));
    EXPECT_TRUE(Exists(m_other.Path("a.txt")));
    EXPECT_EQ(RowNames(*source), Names{"b.txt"});
    EXPECT_EQ(RowNames(*target->ExplorerView()), Names{"a.txt"});

    EXPECT_EQ(DropOn(*target, {m_folder.Path("b.txt")}, MK_CONTROL), static_cast<DWORD>(DROPEFFECT_COPY));
    WaitOperations();
    EXPECT_TRUE(Exists(m_folder.Path("b.txt")));
    EXPECT_TRUE(Exists(m_other.Path("b.txt")));
    EXPECT_EQ(Sorted(RowNames(*target->ExplorerView())), (Names{"a.txt", "b.txt"}));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(FileOperationsTest, DeletesPermanentlyAndToTheRecycleBin)
{
    m_folder.File("gone.txt");
    m_folder.File("binned.txt");
    m_folder.File("kept.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    SelectRows(*view, {"gone.txt"});
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("gone.txt")));

    SelectRows(*view, {"binned.txt"});
    view->OnCommand(ID_FILES_RECYCLE);
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("binned.txt")));
    EXPECT_TRUE(Exists(m_folder.Path("kept.txt")));
    EXPECT_EQ(RowNames(*view), Names{"kept.txt"});
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(FileOperationsTest, CopyAndMoveToAFolderChosenInTheFolderDialog)
{
    m_folder.File("copied.txt", 10);
    m_folder.File("moved.txt", 20);
    m_folder.File("stays.txt");
    m_other.Dir("target");
    const std::string target = m_other.Path("target");
    Settings().SetSetting(Setting::ConfirmOperations, 1);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    std::vector<std::string> titles;
    // Each step picks the target folder in the dialog and answers OK, or cancels.
    auto choose = [&](bool ok) {
        return [&, ok](HWND dialog) {
            titles.push_back(WindowText(dialog));
            auto* tree = dynamic_cast<CDesktopTree*>(ui::Window::FromHandle(FindControl(dialog, kExplorerTreeId)));
            ASSERT_NE(tree, nullptr);
            ASSERT_TRUE(tree->SelectPath(target));
            Click(dialog, ok ? IDOK : IDCANCEL);
        };
    };
    DialogScript script;
    script.Then(IDC_OPEN_FOLDER_TABS, choose(true))
        .Then(IDC_OPEN_FOLDER_TABS, choose(true))
        .Then(IDC_OPEN_FOLDER_TABS, choose(false))
        .Then(IDC_OPEN_FOLDER_TABS, choose(true));

    // Copy, refused at the question: nothing happens.
    m_messages.answers = {IDNO};
    SelectRows(*view, {"copied.txt"});
    ui::CommandState state;
    ASSERT_TRUE(view->OnUpdateCommand(ID_FILES_COPY_TO, state));
    EXPECT_TRUE(state.enabled);
    view->OnCommand(ID_FILES_COPY_TO);
    WaitOperations();
    EXPECT_FALSE(Exists(m_other.Path("target\\copied.txt")));
    // Copy, agreed: both copies are there.
    m_messages.answers = {IDYES};
    SelectRows(*view, {"copied.txt"});
    view->OnCommand(ID_FILES_COPY_TO);
    WaitOperations();
    EXPECT_TRUE(Exists(m_other.Path("target\\copied.txt")));
    EXPECT_TRUE(Exists(m_folder.Path("copied.txt")));
    // Move, dialog cancelled: no question and nothing moves.
    const std::size_t asked = m_messages.texts.size();
    SelectRows(*view, {"moved.txt"});
    view->OnCommand(ID_FILES_MOVE_TO);
    WaitOperations();
    EXPECT_EQ(m_messages.texts.size(), asked);
    EXPECT_TRUE(Exists(m_folder.Path("moved.txt")));
    // Move, agreed: the file leaves this folder and its row goes.
    m_messages.answers = {IDYES};
    SelectRows(*view, {"moved.txt"});
    view->OnCommand(ID_FILES_MOVE_TO);
    WaitOperations();
    script.ExpectDone();
    EXPECT_TRUE(Exists(m_other.Path("target\\moved.txt")));
    EXPECT_FALSE(Exists(m_folder.Path("moved.txt")));
    EXPECT_TRUE(PumpUntil([&] { return view->RowOfName("moved.txt") < 0; }));
    EXPECT_TRUE(Exists(m_folder.Path("stays.txt")));
    EXPECT_FALSE(Exists(m_other.Path("target\\stays.txt")));

    ASSERT_EQ(titles.size(), 4u);
    EXPECT_EQ(titles[0], "Copy from " + m_folder.Path() + " to");
    EXPECT_EQ(titles[3], "Move From " + m_folder.Path() + " to");
    ASSERT_EQ(m_messages.texts.size(), 3u);
    EXPECT_EQ(m_messages.texts[0], "Copy item(s) to folder " + target + "?");
    EXPECT_EQ(m_messages.texts[2], "Move item(s) to folder " + target + "?");
}

TEST_F(FileOperationsTest, DeleteWithoutSelectionAlwaysAsksForTheOpenFolder)
{
    m_folder.Dir("Open");
    m_folder.File("Open\\x.txt");
    CExplorerView* view = OpenView(m_folder.Path("Open"));
    ASSERT_TRUE(view);
    m_messages.answer = IDNO;
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_TRUE(Asked(IDS_DELETE_OPEN_FOLDER));
    EXPECT_TRUE(Exists(m_folder.Path("Open\\x.txt")));

    m_messages.answer = IDYES;
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("Open")));
}

// --- Names the code page cannot hold -------------------------------------
// A file named in characters the ANSI code page lacks reaches the program as
// "??.txt", a pattern that also names ab.txt and cd.txt. Each test makes its
// files with the wide calls, which keep the real name.

class LostNamesTest : public FileOperationsTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FileOperationsTest::SetUp());
        m_lost = WideFile(m_folder, kLostName, 3);
        ASSERT_FALSE(m_lost.empty());
        m_folder.File("ab.txt", 1);
        m_folder.File("cd.txt", 2);
    }

    // Makes `name` in the folder; its wide path, empty when it failed.
    static std::wstring WideFile(const TempDir& folder, const wchar_t* name, DWORD size)
    {
        const std::string path = folder.Path();
        const std::wstring wide = std::wstring(path.begin(), path.end()) + L"\\" + name;
        HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        const std::string bytes(size, 'x');
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), size, &written, nullptr);
        ::CloseHandle(file);
        return wide;
    }
    static bool WideExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // The names of the folder's files, the lost name as the program sees it.
    static Names FilesIn(const TempDir& folder)
    {
        Names names;
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(folder.Path("*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            if (data.cFileName[0] != '.') names.push_back(data.cFileName);
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
        return Sorted(names);
    }
    CFileItem* LostItem(CFilesView& view) const
    {
        const int row = view.RowOfName(kShownName);
        return row < 0 ? nullptr : view.ItemAt(row);
    }

    static constexpr const wchar_t* kLostName = L"\x65E5\x672C.txt";  // Japan, in two characters
    static constexpr const char* kShownName = "??.txt";
    std::wstring m_lost;
};

TEST_F(LostNamesTest, DeletingARowRemovesOnlyItsOwnFileEvenBesideALookAlike)
{
    const std::wstring other = WideFile(m_folder, L"\x4E2D\x56FD.txt", 4);  // China, in two characters
    ASSERT_FALSE(other.empty());
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    ASSERT_EQ(Sorted(RowNames(*view)), (Names{kShownName, kShownName, "ab.txt", "cd.txt"}));
    // Each look-alike row is found by the short name its listing remembered.
    std::vector<CFileItem*> lost;
    for (CFileItem* item : view->AllItems())
        if (item->name == kShownName) lost.push_back(item);
    ASSERT_EQ(lost.size(), 2u);
    ASSERT_NE(view->RowOfName(lost[0]->shortName), view->RowOfName(lost[1]->shortName));
    // The second, whichever file it is, goes alone: the sizes tell them apart.
    lost[1]->LoadDetails(true, true, true);
    const bool secondIsOther = lost[1]->sizeBytes == 4;
    SelectRows(*view, {lost[1]->shortName});
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_EQ(WideExists(m_lost), secondIsOther);
    EXPECT_EQ(WideExists(other), !secondIsOther);
    EXPECT_EQ(FilesIn(m_folder), (Names{kShownName, "ab.txt", "cd.txt"}));
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{kShownName, "ab.txt", "cd.txt"}));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(LostNamesTest, CopyAndPasteCarryOnlyThatFile)
{
    CExplorerView* source = OpenView(m_folder.Path());
    ASSERT_TRUE(source);
    CExplorerWindow* target = Open(m_other.Path());
    ASSERT_TRUE(target);
    SelectRows(*source, {kShownName});
    source->OnCommand(ID_FILES_COPY);
    target->ExplorerView()->OnCommand(ID_FILES_PASTE);
    WaitOperations();
    const Names copied = FilesIn(m_other);
    ASSERT_EQ(copied.size(), 1u) << "ab.txt and cd.txt stay behind";
    // Under its short name or its own: either way the file of three bytes.
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(m_other.Path(copied.front()).c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    ::FindClose(find);
    EXPECT_EQ(data.nFileSizeLow, 3u);
    EXPECT_TRUE(WideExists(m_lost));
    EXPECT_EQ(FilesIn(m_folder), (Names{kShownName, "ab.txt", "cd.txt"}));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(LostNamesTest, RenamingTheRowRenamesThatFileAlone)
{
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    const int row = view->RowOfName(kShownName);
    ASSERT_GE(row, 0);
    const char typed[] = "named.txt";
    EXPECT_TRUE(::SendMessageA(view->Handle(), UWM_LABELEDITEND, MAKEWPARAM(row, 0), reinterpret_cast<LPARAM>(typed)));
    EXPECT_FALSE(WideExists(m_lost));
    EXPECT_EQ(FilesIn(m_folder), (Names{"ab.txt", "cd.txt", "named.txt"}));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(LostNamesTest, WithoutAShortNameTheItemIsRefusedWithAMessageAndNothingIsTouched)
{
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    CFileItem* item = LostItem(*view);
    ASSERT_TRUE(item);
    // As on a disk that keeps no short names.
    item->shortName.clear();
    const int row = view->RowOfName(kShownName);
    const char typed[] = "named.txt";
    EXPECT_FALSE(::SendMessageA(view->Handle(), UWM_LABELEDITEND, MAKEWPARAM(row, 0), reinterpret_cast<LPARAM>(typed)));
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_WILDCARD_NAME) + item->path);
    EXPECT_TRUE(WideExists(m_lost));

    // Deleted with the others, it is left out after one question.
    view->OnCommand(ID_EDIT_SELECT_ALL);
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_TRUE(Asked(IDS_CANNOT_DELETE_SOME));
    EXPECT_EQ(m_messages.texts.size(), 2u);
    EXPECT_TRUE(WideExists(m_lost));
    EXPECT_EQ(FilesIn(m_folder), Names{kShownName});
}

TEST_F(LostNamesTest, AFolderWhoseNameWasLostIsEnteredByItsShortPathAndActedOnInside)
{
    const std::wstring lostFolder = m_lost.substr(0, m_lost.rfind(L'.'));
    ASSERT_TRUE(::CreateDirectoryW(lostFolder.c_str(), nullptr));
    HANDLE file = ::CreateFileW((lostFolder + L"\\in.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    const int row = view->RowOfName("??");
    ASSERT_GE(row, 0);
    Settings().SetSetting(Setting::BrowseInSameWindow, 1);
    view->OpenRow(row);
    WaitIdle(*m_window);
    EXPECT_FALSE(HoldsPattern(view->CurrentPath())) << view->CurrentPath();
    EXPECT_EQ(m_window->Path(), view->CurrentPath()) << "the window's path, read back on a refresh, is exact too";
    ASSERT_EQ(RowNames(*view), Names{"in.txt"});
    SelectRows(*view, {"in.txt"});
    view->OnCommand(ID_FILES_DELETE);
    WaitOperations();
    EXPECT_EQ(::GetFileAttributesW((lostFolder + L"\\in.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(m_messages.texts.empty());
}

// The test script makes the folder on the host, where the name is written
// as it is; the program reaches each file by its own exact path.
TEST_F(FolderTest, AHostFolderWithALostNameGivesEachItemItsOwnExactPath)
{
    const char* prepared = std::getenv("TRAILMARK_LOST_NAMES");
    if (!prepared || !*prepared) GTEST_SKIP() << "TRAILMARK_LOST_NAMES names no prepared folder";
    CExplorerView* view = OpenView(prepared);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Sorted(RowNames(*view)), (Names{"??.txt", "ab.txt", "cd.txt"}));
    for (CFileItem* item : view->AllItems()) {
        const std::string exact = ActionPathOf(*item);
        ASSERT_FALSE(exact.empty()) << item->name;
        EXPECT_FALSE(HoldsPattern(exact)) << exact;
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(exact.c_str(), &data);
        ASSERT_NE(find, INVALID_HANDLE_VALUE) << exact;
        EXPECT_FALSE(::FindNextFileA(find, &data)) << exact << " names one entry";
        ::FindClose(find);
        EXPECT_EQ(data.cFileName, item->name) << "the shown name stays as listed";
        item->LoadDetails(true, true, true);
        const std::uint64_t size = item->name == "ab.txt" ? 1 : item->name == "cd.txt" ? 2 : 3;
        EXPECT_EQ(item->sizeBytes, size) << item->name;
    }
}

TEST_F(FileOperationsTest, PastesAFileListFromTheClipboardAndAsksBeforeCopiesInTheSameFolder)
{
    m_other.File("from.txt", 5);
    m_folder.File("here.txt", 7);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    ASSERT_TRUE(PutFileList({m_other.Path("from.txt")}));
    EXPECT_TRUE(ui::QueryCommand(view, ID_FILES_PASTE).enabled);
    view->OnCommand(ID_FILES_PASTE);
    WaitOperations();
    EXPECT_TRUE(Exists(m_folder.Path("from.txt")));
    EXPECT_TRUE(Exists(m_other.Path("from.txt")));
    EXPECT_TRUE(m_messages.texts.empty());

    // Pasted where they are, the files would only be copied onto themselves:
    // the user is asked first, and a No changes nothing.
    ASSERT_TRUE(PutFileList({m_folder.Path("here.txt")}));
    m_messages.answer = IDNO;
    view->OnCommand(ID_FILES_PASTE);
    WaitOperations();
    EXPECT_TRUE(Asked(IDS_PASTED_ALL_EXIST));
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"from.txt", "here.txt"}));
}

TEST_F(FileOperationsTest, CutAndPasteMovesTheFilesAndEndsTheCut)
{
    m_folder.File("moved.txt");
    m_folder.File("stays.txt");
    CExplorerView* source = OpenView(m_folder.Path());
    ASSERT_TRUE(source);
    CExplorerWindow* target = Open(m_other.Path());
    ASSERT_TRUE(target);
    SelectRows(*source, {"moved.txt"});
    source->OnCommand(ID_FILES_CUT);
    ASSERT_EQ(CutList::Instance().Paths().size(), 1u);
    target->ExplorerView()->OnCommand(ID_FILES_PASTE);
    WaitOperations();
    EXPECT_FALSE(Exists(m_folder.Path("moved.txt")));
    EXPECT_TRUE(Exists(m_other.Path("moved.txt")));
    EXPECT_TRUE(CutList::Instance().Paths().empty());
    EXPECT_TRUE(CutList::Instance().Tag().empty());
    EXPECT_EQ(RowNames(*source), Names{"stays.txt"});
    EXPECT_FALSE(ui::QueryCommand(target->ExplorerView(), ID_FILES_PASTE).enabled);
}

TEST_F(FileOperationsTest, AFolderIsNeverMovedIntoItsOwnSubFolder)
{
    m_folder.Dir("Top");
    m_folder.Dir("Top\\Inner");
    m_folder.File("Top\\t.txt");
    CExplorerWindow* inner = Open(m_folder.Path("Top\\Inner"));
    ASSERT_TRUE(inner);
    EXPECT_EQ(DropOn(*inner, {m_folder.Path("Top")}, 0), static_cast<DWORD>(DROPEFFECT_NONE));
    WaitOperations();
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_TARGET_INSIDE_SOURCE) + m_folder.Path("Top"));
    EXPECT_TRUE(Exists(m_folder.Path("Top\\t.txt")));
    EXPECT_TRUE(Exists(m_folder.Path("Top\\Inner")));
}

TEST_F(FileOperationsTest, RenameKeepsAnExtensionTheListDidNotShow)
{
    m_folder.File("plan.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    const int row = view->RowOfName("plan.txt");
    ASSERT_GE(row, 0);
    // As the shell shows it when it hides known extensions.
    view->ItemAt(row)->name = "plan";
    const char typed[] = "goal";
    EXPECT_TRUE(::SendMessageA(view->Handle(), UWM_LABELEDITEND, MAKEWPARAM(row, 0), reinterpret_cast<LPARAM>(typed)));
    EXPECT_TRUE(Exists(m_folder.Path("goal.txt")));
    EXPECT_FALSE(Exists(m_folder.Path("plan.txt")));
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(FileOperationsTest, RenameExtensionsChangesEverySelectedItem)
{
    m_folder.File("one.txt");
    m_folder.File("two.log");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    SelectRows(*view, {"one.txt", "two.log"});
    DialogScript script;
    script.Then(IDC_EXTENSION, [](HWND dialog) {
        EXPECT_EQ(WindowText(FindControl(dialog, IDC_EXTENSION)), "N/A");
        Type(dialog, IDC_EXTENSION, ".doc");
        Click(dialog, IDOK);
    });
    view->OnCommand(ID_FILES_RENAME);
    script.ExpectDone();
    EXPECT_TRUE(Asked(IDS_CHANGE_EXTENSIONS));
    EXPECT_TRUE(Exists(m_folder.Path("one.doc")));
    EXPECT_TRUE(Exists(m_folder.Path("two.doc")));
}

TEST_F(FileOperationsTest, NewFolderProposesTheFirstFreeNameAndOpensAgainAfterAnError)
{
    m_folder.Dir("NewFolder1");
    m_folder.Dir("NewFolder2");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_TRUE(view);
    DialogScript script;
    script
        .Then(IDC_FOLDER_NAME,
              [&](HWND dialog) {
                  EXPECT_EQ(WindowText(dialog), "Create New Folder");
                  EXPECT_EQ(WindowText(FindControl(dialog, IDC_FOLDER_NAME)), "NewFolder3");
                  EXPECT_EQ(WindowText(FindControl(dialog, IDC_ROOT_NAME)), m_folder.Path());
                  // A character no name may hold is refused as it is typed.
                  Type(dialog, IDC_FOLDER_NAME, "Bad*Name");
                  EXPECT_EQ(WindowText(FindControl(dialog, IDC_FOLDER_NAME)), "NewFolder3");
                  Type(dialog, IDC_FOLDER_NAME, "NewFolder1");
                  Click(dialog, IDOK);
              })
        .Then(IDC_FOLDER_NAME, [](HWND dialog) {
            EXPECT_EQ(WindowText(FindControl(dialog, IDC_FOLDER_NAME)), "NewFolder1");
            Type(dialog, IDC_FOLDER_NAME, "Fresh");
            Click(dialog, IDOK);
        });
    view->OnCommand(ID_FILES_NEW_FOLDER);
    script.ExpectDone();
    EXPECT_TRUE(Asked(IDS_FOLDER_EXISTS));
    EXPECT_TRUE(Exists(m_folder.Path("Fresh")));
    EXPECT_FALSE(Exists(m_folder.Path("NewFolder3")));
    WaitIdle(*m_window);
    EXPECT_GE(view->RowOfName("Fresh"), 0);
}

}  // namespace
}  // namespace uitest
