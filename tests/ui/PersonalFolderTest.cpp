// Personal folders on real temporary trees: the starter folders, opening,
// loading with and without the progress dialog, adding, removing items and
// folders, and updating from the Personal page.

// Core
#include "core/search/Personal.h"
#include "core/search/ResultsFile.h"

// Folders
#include "ui/folders/FileDrop.h"
#include "ui/folders/ItemBinder.h"
#include "ui/folders/FolderMessages.h"

// Explorer
#include "ui/explorer/DesktopPage.h"
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/OpenFolderDlg.h"
#include "ui/explorer/PersonalPage.h"
#include "ui/explorer/TreeMessages.h"

// Application
#include "ui/frame/PersonalWindow.h"
#include "ui/frame/TabDropTarget.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/PersonalDialogs.h"
#include "ui/search/PersonalView.h"
#include "ui/search/UpdateAllDlg.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <string>
#include <vector>

namespace {

using namespace uitest;

// The titles of the windows activated (the progress dialogs), or with
// HCBT_CREATEWND made, on this thread while it lives.
class ActivationRecorder {
public:
    explicit ActivationRecorder(int event = HCBT_ACTIVATE)
    {
        s_titles = &titles;
        s_event = event;
        m_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~ActivationRecorder()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_titles = nullptr;
    }
    ActivationRecorder(const ActivationRecorder&) = delete;
    ActivationRecorder& operator=(const ActivationRecorder&) = delete;

    std::vector<std::string> titles;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == s_event && s_titles) {
            if (code != HCBT_CREATEWND) {
                s_titles->push_back(WindowText(reinterpret_cast<HWND>(wParam)));
            } else {
                const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
                // A name may be a resource number instead of a text.
                if (create->lpszName && HIWORD(reinterpret_cast<UINT_PTR>(create->lpszName)))
                    s_titles->push_back(create->lpszName);
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    inline static std::vector<std::string>* s_titles = nullptr;
    inline static int s_event = HCBT_ACTIVATE;
    HHOOK m_hook = nullptr;
};

BOOL CALLBACK MatchPersonalTree(HWND child, LPARAM found)
{
    auto* tree = dynamic_cast<CExplorerTree*>(ui::Window::FromHandle(child));
    if (tree && ::IsWindowVisible(child) && !dynamic_cast<CDesktopTree*>(tree))
        *reinterpret_cast<CExplorerTree**>(found) = tree;
    return TRUE;
}

// The visible tree of the Open Folder dialog that is no desktop tree: the
// Personal tab's.
CExplorerTree* PersonalTreeOf(HWND dialog)
{
    CExplorerTree* found = nullptr;
    ::EnumChildWindows(dialog, MatchPersonalTree, reinterpret_cast<LPARAM>(&found));
    return found;
}

HTREEITEM ChildNamed(const CExplorerTree& tree, HTREEITEM parent, const std::string& name)
{
    for (HTREEITEM item = tree.FirstChild(parent); item; item = tree.NextSibling(item))
        if (tree.ItemText(item) == name) return item;
    return nullptr;
}

class PersonalFolderTest : public FolderTest {
protected:
    CPersonalList& List() { return *m_app->PersonalFolders(); }

    // A new folder in the list, searching the temporary folder for `patterns`
    // when given.
    CPersonalFolder& AddFolder(const std::string& name, const std::string& patterns = {})
    {
        std::unique_ptr<CPersonal> made = List().MakeFolder(0);
        made->SetName(name);
        if (!patterns.empty()) {
            CCondition criteria(name);
            criteria.SetFolder(m_folder.Path());
            criteria.SetPatterns(patterns);
            made->AddCriteria(criteria);
        }
        auto* folder = static_cast<CPersonalFolder*>(List().Append(std::move(made)));
        List().SaveAll();
        return *folder;
    }
    void WriteResults(const CPersonal& folder, const std::vector<std::string>& paths)
    {
        ResultsWriter writer;
        for (const std::string& path : paths) {
            FileItem item;
            item.path = path;
            item.name = path.substr(path.find_last_of('\\') + 1);
            writer.Add(item);
        }
        ASSERT_TRUE(SaveResultsFile(folder.ResultsFile(), writer.Bytes()));
    }
    std::vector<std::string> StoredPaths(const CPersonal& folder)
    {
        ResultsReader reader(ReadResultsFile(folder.ResultsFile()).value_or(""));
        std::vector<std::string> paths;
        FileItem item;
        while (reader.Next(item)) paths.push_back(item.path);
        return paths;
    }
    CPersonalView* OpenAndWait(CPersonalFolder& folder)
    {
        auto* window = dynamic_cast<CPersonalWindow*>(OpenPersonalFolder(folder));
        if (!window) return nullptr;
        CPersonalView* view = window->PersonalView();
        PumpUntil([&] { return !view->HasWorker() && !folder.RefreshPending(); });
        return view;
    }
    void Settle() override
    {
        FolderTest::Settle();
        for (CBasicWindow* window : std::vector<CBasicWindow*>(CWindowList::Instance().Windows()))
            if (auto* personal = dynamic_cast<CPersonalWindow*>(window))
                PumpUntil([&] { return !personal->View()->HasWorker(); });
    }
};

TEST_F(PersonalFolderTest, AFreshProfileHasAFolderPerStarterCriteriaOnThePage)
{
    ASSERT_EQ(List().Count(), 5);
    const CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i) names.push_back(List().FolderAt(i)->Name());
    EXPECT_EQ(page.FolderNames(), names);
    EXPECT_TRUE(List().FolderAt(0)->HasCriteria());
}

TEST_F(PersonalFolderTest, AFolderWithCriteriaAndNoResultsFileIsSearchedWhenOpened)
{
    m_folder.File("a.txt", 10);
    m_folder.File("b.txt", 20);
    m_folder.File("c.doc");
    CPersonalFolder& folder = AddFolder("Texts", "*.txt");
    ASSERT_FALSE(Exists(folder.ResultsFile()));
    CPersonalView* view = OpenAndWait(folder);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"a.txt", "b.txt"}));
    EXPECT_TRUE(folder.Loaded());
    EXPECT_NE(folder.Updated(), 0u);
    EXPECT_EQ(folder.ContainsText(), "2 Files, 0 Folder");
    EXPECT_EQ(folder.SizeText(), "30 bytes");
    EXPECT_EQ(Sorted(StoredPaths(folder)), (Names{m_folder.Path("a.txt"), m_folder.Path("b.txt")}));
    EXPECT_EQ(ReadText(RootPath() + "\\" + m_app->Users()->GetCurrentUser()->DirName() + "\\Personal Folders\\" +
                           folder.KeyName(),
                       "Contains"),
              "2 Files, 0 Folder");
}

TEST_F(PersonalFolderTest, NinetyNineRecordsLoadWithoutTheDialogAndAHundredWithIt)
{
    m_folder.Files(100);
    std::vector<std::string> paths;
    for (int i = 0; i < 100; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "f%05d.txt", i);
        paths.push_back(m_folder.Path(name));
    }
    CPersonalFolder& small = AddFolder("Small");
    WriteResults(small, std::vector<std::string>(paths.begin(), paths.begin() + 99));
    CPersonalFolder& large = AddFolder("Large");
    WriteResults(large, paths);

    ActivationRecorder activations;
    ASSERT_TRUE(small.LoadResults(Frame().Handle()));
    EXPECT_EQ(std::count(activations.titles.begin(), activations.titles.end(), "Loading Folder Small"), 0);
    ASSERT_TRUE(large.LoadResults(Frame().Handle()));
    EXPECT_EQ(std::count(activations.titles.begin(), activations.titles.end(), "Loading Folder Large"), 1);
    EXPECT_EQ(small.ItemPaths().size(), 99u);
    EXPECT_EQ(large.ItemPaths().size(), 100u);
    EXPECT_EQ(large.ContainsText(), "100 Files, 0 Folder");
}

TEST_F(PersonalFolderTest, AddingOnlyItemsAlreadyThereSaysSoAndChangesNothing)
{
    m_folder.File("a.txt");
    m_folder.File("b.txt");
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt"), m_folder.Path("b.txt")});
    const std::string before = ReadResultsFile(folder.ResultsFile()).value_or("");
    MessageRecorder messages;
    messages.answer = IDYES;
    Settings().SetSetting(Setting::ConfirmOperations, 1);
    EXPECT_FALSE(AddToPersonalFolder(folder, {m_folder.Path("A.TXT"), m_folder.Path("b.txt")}, Frame().Handle()));
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[0], "Add item(s) to folder Mine?");
    EXPECT_EQ(messages.texts[1], "All the file(s) you are trying to add already exist in the personal folder");
    EXPECT_EQ(messages.flags[1] & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(ReadResultsFile(folder.ResultsFile()).value_or(""), before);
    EXPECT_EQ(folder.ItemPaths().size(), 2u);

    // A new one goes in; the one gone from the disk does not.
    m_folder.File("c.txt");
    EXPECT_TRUE(AddToPersonalFolder(folder, {m_folder.Path("c.txt"), m_folder.Path("gone.txt")}, Frame().Handle()));
    EXPECT_EQ(StoredPaths(folder).size(), 3u);
    EXPECT_FALSE(folder.Busy());
}

TEST_F(PersonalFolderTest, RemovingItemsAndClearingNeverTouchTheDisk)
{
    m_folder.File("a.txt");
    m_folder.File("b.txt");
    m_folder.File("c.txt");
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt"), m_folder.Path("b.txt"), m_folder.Path("c.txt")});
    CPersonalView* view = OpenAndWait(folder);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->RowCount(), 3);
    const int row = view->RowOfName("a.txt");
    view->List().SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    MessageRecorder messages;
    messages.answer = IDYES;
    Settings().SetSetting(Setting::ConfirmOperations, 1);
    view->RemoveSelected();
    PumpUntil([&] { return !view->HasWorker(); });
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"b.txt", "c.txt"}));
    EXPECT_EQ(Sorted(StoredPaths(folder)), (Names{m_folder.Path("b.txt"), m_folder.Path("c.txt")}));
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
    ASSERT_FALSE(messages.texts.empty());
    EXPECT_EQ(messages.texts[0].rfind("Do you want to remove the selected item(s)", 0), 0u);

    view->Clear();
    EXPECT_EQ(view->RowCount(), 0);
    EXPECT_TRUE(StoredPaths(folder).empty());
    EXPECT_TRUE(Exists(m_folder.Path("b.txt")));
    EXPECT_TRUE(Exists(m_folder.Path("c.txt")));
    EXPECT_EQ(folder.ContainsText(), "0 File, 0 Folder");
}

TEST_F(PersonalFolderTest, DeletingAFolderFromThePageDeletesItsResultsFile)
{
    m_folder.File("a.txt");
    CPersonalFolder& folder = AddFolder("Doomed");
    WriteResults(folder, {m_folder.Path("a.txt")});
    const std::string resultsFile = folder.ResultsFile();
    const int before = List().Count();
    CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    page.Refill();
    ASSERT_TRUE(page.SelectFolder("Doomed"));
    MessageRecorder messages;
    messages.answer = IDYES;
    page.OnPageCommand(ID_PERSONAL_DELETE);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Are you sure you want to remove the 'Doomed' personal folder?");
    EXPECT_FALSE(Exists(resultsFile));
    EXPECT_EQ(List().Count(), before - 1);
    EXPECT_EQ(List().FindFolder("Doomed"), nullptr);
    EXPECT_EQ(page.FolderItem("Doomed"), nullptr);
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
}

TEST_F(PersonalFolderTest, UpdatingFromThePageSearchesUnderTheDialog)
{
    m_folder.File("a.txt");
    m_folder.File("b.doc");
    CPersonalFolder& folder = AddFolder("Texts", "*.txt");
    ActivationRecorder activations;
    UpdatePersonalFolder(folder, Frame().Handle());
    EXPECT_EQ(std::count(activations.titles.begin(), activations.titles.end(), "Updating Folder Texts"), 1);
    EXPECT_EQ(StoredPaths(folder), (Names{m_folder.Path("a.txt")}));
    EXPECT_TRUE(folder.Loaded());
    EXPECT_NE(folder.Updated(), 0u);
    EXPECT_EQ(folder.ContainsText(), "1 File, 0 Folder");
}

TEST_F(PersonalFolderTest, UpdateAllSearchesTheClosedFoldersAndTellsTheOpenOnesToUpdate)
{
    List().RemoveAllFolders();  // the starter folders search whole disks
    m_folder.File("a.txt");
    m_folder.File("b.doc");
    CPersonalFolder& open = AddFolder("Open", "*.txt");
    CPersonalFolder& closed = AddFolder("Closed", "*.doc");
    CPersonalFolder& plain = AddFolder("Plain");
    CPersonalView* view = OpenAndWait(open);
    ASSERT_NE(view, nullptr);
    m_folder.File("c.txt");
    m_folder.File("d.doc");
    MessageRecorder messages;
    ActivationRecorder activations;
    UpdateAllPersonalFolders(Frame().Handle());
    PumpUntil([&] { return !view->HasWorker() && !open.RefreshPending(); });
    EXPECT_EQ(std::count(activations.titles.begin(), activations.titles.end(), "Updating All Folders"), 1);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Finished updating all personal folders.");
    EXPECT_EQ(messages.flags[0] & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Sorted(StoredPaths(closed)), (Names{m_folder.Path("b.doc"), m_folder.Path("d.doc")}));
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"a.txt", "c.txt"}));
    EXPECT_EQ(Sorted(StoredPaths(open)), (Names{m_folder.Path("a.txt"), m_folder.Path("c.txt")}));
    EXPECT_FALSE(Exists(plain.ResultsFile()));  // no criteria: nothing to update

    // With every folder that can be updated open, no dialog: only the message.
    messages.Clear();
    activations.titles.clear();
    List().RemoveFolder(List().IndexOf(&closed));
    UpdateAllPersonalFolders(Frame().Handle());
    PumpUntil([&] { return !view->HasWorker() && !open.RefreshPending(); });
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "All personal folders that can be updated are open. Every window is now being updated.");
    EXPECT_EQ(std::count(activations.titles.begin(), activations.titles.end(), "Updating All Folders"), 0);
}

TEST_F(PersonalFolderTest, FilesDroppedOrPastedOnAnOpenFolderJoinItOnce)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) m_folder.File(name);
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt"), m_folder.Path("b.txt")});
    CPersonalView* view = OpenAndWait(folder);
    ASSERT_NE(view, nullptr);
    Settings().SetSetting(Setting::ConfirmOperations, 0);
    MessageRecorder messages;

    // A drop on the window's taskbar button of files all there already.
    auto* data = new filedrop::FileListData({m_folder.Path("B.TXT"), m_folder.Path("a.txt")});
    DragRequest request{data, 0, {-1, -1}, DROPEFFECT_COPY | DROPEFFECT_MOVE};
    // Over the button the drag is offered as a copy: the files stay where they are.
    EXPECT_EQ(::SendMessageA(folder.window->Handle(), UWM_DRAGOVER, 0, reinterpret_cast<LPARAM>(&request)),
              static_cast<LRESULT>(DROPEFFECT_COPY));
    EXPECT_EQ(::SendMessageA(folder.window->Handle(), UWM_DROP, reinterpret_cast<WPARAM>(&request), 0),
              static_cast<LRESULT>(DROPEFFECT_NONE));
    data->Release();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "All the file(s) you are trying to add already exist in the personal folder");
    EXPECT_EQ(StoredPaths(folder).size(), 2u);

    // Pasted: the new one goes in and is listed, the old one is not doubled.
    messages.Clear();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ASSERT_NE(::SetClipboardData(CF_HDROP, filedrop::MakeFileList({m_folder.Path("c.txt"), m_folder.Path("b.txt")})),
              nullptr);
    ::CloseClipboard();
    ASSERT_TRUE(view->OnCommand(ID_EDIT_PASTE));
    PumpUntil([&] { return !view->HasWorker() && !folder.RefreshPending(); });
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(StoredPaths(folder).size(), 3u);
    EXPECT_EQ(folder.ContainsText(), "3 Files, 0 Folder");
    EXPECT_FALSE(folder.Busy());
}

TEST_F(PersonalFolderTest, DeletingFromAFolderWarnsFirstAndTheDeletedFileLeavesIt)
{
    m_folder.File("a.txt");
    m_folder.File("b.txt");
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt"), m_folder.Path("b.txt")});
    CPersonalView* view = OpenAndWait(folder);
    ASSERT_NE(view, nullptr);
    Settings().SetSetting(Setting::ConfirmOperations, 0);  // the shell asks nothing
    view->List().SetState(view->RowOfName("a.txt"), LVIS_SELECTED, LVIS_SELECTED);
    MessageRecorder messages;
    messages.answer = IDNO;
    ASSERT_TRUE(view->OnCommand(ID_FILE_DELETE));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], ui::LoadString(IDS_WARN_DELETE_FROM_PERSONAL));
    PumpFor(100);
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
    EXPECT_EQ(StoredPaths(folder).size(), 2u);

    messages.answer = IDYES;
    ASSERT_TRUE(view->OnCommand(ID_FILE_DELETE));
    ASSERT_TRUE(PumpUntil([&] { return Frame().RunningThreadList()->Count() == 0; }));
    PumpUntil([&] { return view->RowCount() == 1 && !view->HasWorker(); });
    EXPECT_FALSE(Exists(m_folder.Path("a.txt")));
    EXPECT_EQ(RowNames(*view), (Names{"b.txt"}));
    EXPECT_EQ(StoredPaths(folder), (Names{m_folder.Path("b.txt")}));
}

TEST_F(PersonalFolderTest, ANewFolderNeedsAFreeNameAndTakesTheCriteriaAddedInItsSheet)
{
    AddFolder("Taken");
    CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    page.Refill();
    const std::string proposal = page.NewFolderName();
    MessageRecorder messages;
    DialogScript script;
    std::string title, shownName, sheetTitle;
    bool okWhenBlank = true, criteriaWhenBlank = true;
    LRESULT listed = 0;
    script
        .Then(IDC_PERSONAL_NAME,
              [&](HWND dialog) {
                  title = WindowText(dialog);
                  shownName = WindowText(FindControl(dialog, IDC_PERSONAL_NAME));
                  Type(dialog, IDC_PERSONAL_NAME, "   ");
                  okWhenBlank = ControlEnabled(dialog, IDOK);
                  criteriaWhenBlank = ControlEnabled(dialog, IDC_PERSONAL_CRITERIA);
                  Type(dialog, IDC_PERSONAL_NAME, "Taken");
                  Click(dialog, IDOK);
              })
        .Then(IDC_PERSONAL_NAME,
              [&](HWND dialog) {
                  Type(dialog, IDC_PERSONAL_NAME, "  Fresh  ");
                  Click(dialog, IDC_PERSONAL_CRITERIA);
              })
        .Then(IDC_PERSONAL_CRITERIA_ADD,
              [&](HWND sheet) {
                  sheetTitle = WindowText(sheet);
                  Click(sheet, IDC_PERSONAL_CRITERIA_ADD);
              })
        .Then(IDC_CRITERIA_PATTERNS,
              [&](HWND sheet) {
                  Type(sheet, IDC_CRITERIA_PATTERNS, "*.txt");
                  Type(sheet, IDC_CRITERIA_LOOK_IN, m_folder.Path().c_str());
                  Click(sheet, IDOK);
              })
        .Then(IDC_PERSONAL_CRITERIA_ADD,
              [&](HWND sheet) {
                  listed = ::SendMessageA(FindControl(sheet, IDC_PERSONAL_CRITERIA_LIST), LB_GETCOUNT, 0, 0);
                  Click(sheet, IDOK);
              })
        .Then(IDC_PERSONAL_NAME, [&](HWND dialog) { Click(dialog, IDOK); });
    page.OnPageCommand(ID_PERSONAL_NEW);
    script.ExpectDone();
    EXPECT_EQ(title, "Create New Personal Folder");
    EXPECT_EQ(shownName, proposal);
    EXPECT_FALSE(okWhenBlank);
    EXPECT_FALSE(criteriaWhenBlank);
    EXPECT_EQ(messages.texts, (Names{"Folder name already exists!"}));
    EXPECT_EQ(sheetTitle, "Add Personal Folder");
    EXPECT_EQ(listed, 1);
    CPersonal* made = List().FindFolder("Fresh");
    ASSERT_NE(made, nullptr);
    ASSERT_EQ(made->CriteriaCount(), 1);
    EXPECT_EQ(made->CriteriaAt(0)->Name(), "Fresh");
    EXPECT_NE(page.FolderItem("Fresh"), nullptr);

    // Its property page: never updated, so no update date.
    std::string contains, created, updated;
    DialogScript properties;
    properties.Then(IDC_PERSONAL_INFO_CREATED, [&](HWND sheet) {
        contains = WindowText(FindControl(sheet, IDC_PERSONAL_INFO_CONTAINS));
        created = WindowText(FindControl(sheet, IDC_PERSONAL_INFO_CREATED));
        updated = WindowText(FindControl(sheet, IDC_PERSONAL_INFO_UPDATED));
        Click(sheet, IDOK);
    });
    ShowPersonalProperties(*made, Settings(), Frame().Handle());
    properties.ExpectDone();
    EXPECT_EQ(contains, made->ContainsText());
    EXPECT_EQ(created, FormatPersonalTime(made->Created(), "%A, %B %d, %Y %I:%M:%S %p"));
    EXPECT_FALSE(created.empty());
    EXPECT_EQ(updated, "");
}

TEST_F(PersonalFolderTest, CriteriaEditedInThePropertiesAreStoredAndSearchedByTheNextUpdate)
{
    m_folder.File("a.txt");
    m_folder.File("b.log");
    m_folder.File("c.log");
    CPersonalFolder& folder = AddFolder("Notes", "*.txt");
    CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    page.Refill();
    ASSERT_TRUE(page.SelectFolder("Notes"));
    auto toCriteriaPage = [](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, 1); };
    LRESULT listedBefore = 0;

    // Cancelled after deleting the criteria: the folder keeps it.
    DialogScript cancelled;
    cancelled.Then(IDC_PERSONAL_INFO_CREATED, toCriteriaPage)
        .Then(IDC_PERSONAL_CRITERIA_LIST, [&](HWND sheet) {
            listedBefore = ::SendMessageA(FindControl(sheet, IDC_PERSONAL_CRITERIA_LIST), LB_GETCOUNT, 0, 0);
            SelectEntries(sheet, IDC_PERSONAL_CRITERIA_LIST, {0}, false);
            ClickNow(sheet, IDC_PERSONAL_CRITERIA_DELETE);
            Click(sheet, IDCANCEL);
        });
    page.OnPageCommand(ID_PERSONAL_PROPERTIES);
    cancelled.ExpectDone();
    EXPECT_EQ(listedBefore, 1);
    ASSERT_EQ(folder.CriteriaCount(), 1);
    EXPECT_EQ(folder.CriteriaAt(0)->Patterns(), "*.txt");

    // Edited and kept with OK.
    DialogScript edited;
    edited.Then(IDC_PERSONAL_INFO_CREATED, toCriteriaPage)
        .Then(IDC_PERSONAL_CRITERIA_LIST,
              [&](HWND sheet) {
                  SelectEntries(sheet, IDC_PERSONAL_CRITERIA_LIST, {0}, false);
                  Click(sheet, IDC_PERSONAL_CRITERIA_EDIT);
              })
        .Then(IDC_CRITERIA_PATTERNS,
              [&](HWND sheet) {
                  Type(sheet, IDC_CRITERIA_PATTERNS, "*.log");
                  Click(sheet, IDOK);
              })
        .Then(IDC_PERSONAL_CRITERIA_LIST, [&](HWND sheet) { Click(sheet, IDOK); });
    page.OnPageCommand(ID_PERSONAL_PROPERTIES);
    edited.ExpectDone();
    ASSERT_EQ(folder.CriteriaCount(), 1);
    EXPECT_EQ(folder.CriteriaAt(0)->Patterns(), "*.log");
    // Stored at once, without the list being saved.
    CPersonal stored;
    stored.LoadFrom(Settings(), folder.KeyName(), SectionId::PersonalFolders);
    ASSERT_EQ(stored.CriteriaCount(), 1);
    EXPECT_EQ(stored.CriteriaAt(0)->Patterns(), "*.log");
    EXPECT_EQ(stored.CriteriaAt(0)->Folder(), m_folder.Path());

    UpdatePersonalFolder(folder, Frame().Handle());
    EXPECT_EQ(Sorted(StoredPaths(folder)), (Names{m_folder.Path("b.log"), m_folder.Path("c.log")}));
}

TEST_F(PersonalFolderTest, TheFolderDialogsPersonalTabGivesAFolderAndTheDesktopTabTakesTheChoiceBack)
{
    AddFolder("Mine");
    Settings().SetSetting(Setting::TextInTabs, 1);
    std::vector<std::string> captions;
    int openFolderTabs = 0;
    bool openAfterRoot = false;
    auto switchTo = [](HWND dialog, int tab) {
        HWND tabs = FindControl(dialog, IDC_OPEN_FOLDER_TABS);
        TabCtrl_SetCurSel(tabs, tab);
        NMHDR change{tabs, IDC_OPEN_FOLDER_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(dialog, WM_NOTIFY, IDC_OPEN_FOLDER_TABS, reinterpret_cast<LPARAM>(&change));
    };
    DialogScript script;
    script
        .Then(IDC_OPEN_FOLDER_TABS,
              [&](HWND dialog) {
                  HWND tabs = FindControl(dialog, IDC_OPEN_FOLDER_TABS);
                  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) captions.push_back(TabText(tabs, i));
                  switchTo(dialog, 1);
                  CExplorerTree* tree = PersonalTreeOf(dialog);
                  ASSERT_NE(tree, nullptr);
                  // The root is no answer: OK leaves the dialog open.
                  tree->Select(tree->Root());
                  ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                  openAfterRoot = ::IsWindowVisible(dialog) != FALSE;
                  tree->Select(ChildNamed(*tree, tree->Root(), "Mine"));
                  // Back on the Desktop tab its folder is the choice.
                  switchTo(dialog, 0);
                  auto* desktop =
                      dynamic_cast<CDesktopTree*>(ui::Window::FromHandle(FindControl(dialog, kExplorerTreeId)));
                  ASSERT_NE(desktop, nullptr);
                  ASSERT_TRUE(desktop->SelectPath(m_folder.Path()));
                  Click(dialog, IDOK);
              })
        .Then(IDC_OPEN_FOLDER_TABS,
              [&](HWND dialog) {
                  switchTo(dialog, 1);
                  CExplorerTree* tree = PersonalTreeOf(dialog);
                  ASSERT_NE(tree, nullptr);
                  tree->Select(ChildNamed(*tree, tree->Root(), "Mine"));
                  Click(dialog, IDOK);
              })
        .Then(IDC_OPEN_FOLDER_TABS, [&](HWND dialog) {
            openFolderTabs = TabCtrl_GetItemCount(FindControl(dialog, IDC_OPEN_FOLDER_TABS));
            Click(dialog, IDCANCEL);
        });
    const FolderChoice desktop = ChooseTargetFolder(Frame().Handle(), "Copy to");
    EXPECT_EQ(desktop.path, m_folder.Path());
    EXPECT_EQ(desktop.personalFolder, "");
    const FolderChoice personal = ChooseTargetFolder(Frame().Handle(), "Copy to");
    EXPECT_EQ(personal.path, "");
    EXPECT_EQ(personal.personalFolder, "Mine");
    // Opening a folder has no Personal tab.
    EXPECT_EQ(ChooseFolder(Frame().Handle(), "Open Folder"), "");
    script.ExpectDone();
    EXPECT_EQ(captions, (Names{"Desktop", "Personal"}));
    EXPECT_TRUE(openAfterRoot);
    EXPECT_EQ(openFolderTabs, 1);
}

TEST_F(PersonalFolderTest, CopyOrMoveToAPersonalFolderAddsTheItemsThereAndMovesNothing)
{
    m_folder.File("a.txt");
    m_folder.File("b.txt");
    m_folder.Dir("sub");
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt")});
    Settings().SetSetting(Setting::ConfirmOperations, 1);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    MessageRecorder messages;
    messages.answer = IDYES;
    std::vector<std::string> titles;
    std::vector<int> tabCounts;
    // Each dialog: the Personal tab, the folder chosen there, OK.
    auto chooseMine = [&](HWND dialog) {
        titles.push_back(WindowText(dialog));
        HWND tabs = FindControl(dialog, IDC_OPEN_FOLDER_TABS);
        tabCounts.push_back(TabCtrl_GetItemCount(tabs));
        TabCtrl_SetCurSel(tabs, 1);
        NMHDR change{tabs, IDC_OPEN_FOLDER_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(dialog, WM_NOTIFY, IDC_OPEN_FOLDER_TABS, reinterpret_cast<LPARAM>(&change));
        CExplorerTree* tree = PersonalTreeOf(dialog);
        ASSERT_NE(tree, nullptr);
        HTREEITEM item = ChildNamed(*tree, tree->Root(), "Mine");
        ASSERT_NE(item, nullptr);
        tree->Select(item);
        Click(dialog, IDOK);
    };
    DialogScript script;
    script.Then(IDC_OPEN_FOLDER_TABS, chooseMine)
        .Then(IDC_OPEN_FOLDER_TABS, chooseMine)
        .Then(IDC_OPEN_FOLDER_TABS, chooseMine);

    // Copied: the one not there yet joins, the files stay where they are.
    for (const char* name : {"a.txt", "b.txt"})
        view->List().SetState(view->RowOfName(name), LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_TRUE(view->OnCommand(ID_FILES_COPY_TO));
    EXPECT_EQ(Sorted(StoredPaths(folder)), (Names{m_folder.Path("a.txt"), m_folder.Path("b.txt")}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Add item(s) to folder Mine?");

    // Moved from the menu bar's command: all there already, nothing moves.
    messages.Clear();
    view->List().SetState(view->RowOfName("b.txt"), 0, LVIS_SELECTED);
    ASSERT_TRUE(view->OnCommand(ID_FILE_MOVE_TO));
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], "All the file(s) you are trying to add already exist in the personal folder");
    PumpFor(100);
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
    EXPECT_EQ(Frame().RunningThreadList()->Count(), 0);

    // The tree's own copy: the second form of the title, the folder joins.
    CDesktopPage& page = Frame().ExplorerBarWindow().DesktopPage();
    HTREEITEM sub = page.DesktopTree().FindOrListPath(m_folder.Path("sub"));
    ASSERT_NE(sub, nullptr);
    page.CopyOrMoveItem(sub, false);
    script.ExpectDone();
    EXPECT_EQ(StoredPaths(folder).back(), m_folder.Path("sub"));
    EXPECT_EQ(folder.ContainsText(), "2 Files, 1 Folder");

    ASSERT_EQ(titles.size(), 3u);
    EXPECT_EQ(titles[0], "Copy from " + m_folder.Path() + " to");
    EXPECT_EQ(titles[1], "Move From " + m_folder.Path() + " to");
    EXPECT_EQ(titles[2], "Copy sub to");
    EXPECT_EQ(tabCounts, (std::vector<int>{2, 2, 2}));
}

TEST_F(PersonalFolderTest, FilesDroppedOnAFoldersItemOnThePersonalPageJoinThatFolder)
{
    m_folder.File("a.txt");
    m_folder.File("b.txt");
    CPersonalFolder& folder = AddFolder("Mine");
    WriteResults(folder, {m_folder.Path("a.txt")});
    CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    page.Refill();
    HTREEITEM item = page.FolderItem("Mine");
    ASSERT_NE(item, nullptr);
    Settings().SetSetting(Setting::ConfirmOperations, 1);
    MessageRecorder messages;
    messages.answer = IDYES;

    // Only a folder's item takes files, and never as a move.
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(page.EffectOver(item, all), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(page.EffectOver(item, DROPEFFECT_MOVE | DROPEFFECT_LINK), static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(page.EffectOver(item, DROPEFFECT_MOVE), DROPEFFECT_NONE);
    for (HTREEITEM other : {page.RootItem(), page.NewFolderItem(), page.FoldersItem()})
        EXPECT_EQ(page.EffectOver(other, all), DROPEFFECT_NONE);
    EXPECT_FALSE(page.DropOnFolder(page.FoldersItem(), {m_folder.Path("b.txt")}));
    EXPECT_TRUE(messages.texts.empty());

    // All there already: said so, nothing changes.
    EXPECT_FALSE(page.DropOnFolder(item, {m_folder.Path("A.TXT")}));
    EXPECT_EQ(messages.texts,
              (Names{"Add item(s) to folder Mine?",
                     "All the file(s) you are trying to add already exist in the personal folder"}));
    EXPECT_EQ(StoredPaths(folder), (Names{m_folder.Path("a.txt")}));

    // Refused at the question: nothing added.
    messages.Clear();
    messages.answer = IDNO;
    EXPECT_FALSE(page.DropOnFolder(item, {m_folder.Path("b.txt")}));
    EXPECT_EQ(StoredPaths(folder), (Names{m_folder.Path("a.txt")}));

    // Agreed: the new file joins, once.
    messages.answer = IDYES;
    EXPECT_TRUE(page.DropOnFolder(item, {m_folder.Path("b.txt"), m_folder.Path("a.txt")}));
    EXPECT_EQ(StoredPaths(folder), (Names{m_folder.Path("a.txt"), m_folder.Path("b.txt")}));
    EXPECT_EQ(folder.ContainsText(), "2 Files, 0 Folder");
    EXPECT_TRUE(Exists(m_folder.Path("b.txt")));
}

// --- The Personal tab and the page's own selections ----------------------------

TEST_F(PersonalFolderTest, OpeningAFolderShowsThePersonalTabWithItsSettingOnSoItsCommandHidesItAgain)
{
    CPersonalFolder& folder = AddFolder("Shown");
    CExplorerBar& bar = Frame().ExplorerBarWindow();
    if (bar.IsTabShown(ExplorerTab::Personal)) Command(ID_VIEW_PERSONAL_TAB);
    ASSERT_FALSE(bar.IsTabShown(ExplorerTab::Personal));
    ASSERT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 0);
    ASSERT_NE(OpenAndWait(folder), nullptr);
    EXPECT_TRUE(bar.IsTabShown(ExplorerTab::Personal));
    EXPECT_EQ(bar.CurrentTab(), ExplorerTab::Personal);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 1);
    Command(ID_VIEW_PERSONAL_TAB);
    EXPECT_FALSE(bar.IsTabShown(ExplorerTab::Personal));
    EXPECT_EQ(Settings().GetSetting(Setting::ShowPersonalTab), 0);
}

TEST_F(PersonalFolderTest, InExplorerModeTheNewFoldersSelectionOpensNothing)
{
    Settings().SetSetting(Setting::ExplorerMode, 1);
    CPersonalPage& page = Frame().ExplorerBarWindow().PersonalPage();
    DialogScript script;
    script.Then(IDC_PERSONAL_NAME, [](HWND dialog) {
        Type(dialog, IDC_PERSONAL_NAME, "Quiet");
        Click(dialog, IDOK);
    });
    page.OnPageCommand(ID_PERSONAL_NEW);
    script.ExpectDone();
    ASSERT_NE(page.FolderItem("Quiet"), nullptr);
    EXPECT_EQ(page.Tree().Selected(), page.FolderItem("Quiet"));
    // Longer than the wait after which a selection the user made opens.
    PumpFor(1600);
    EXPECT_TRUE(CWindowList::Instance().Windows().empty());
    Settings().SetSetting(Setting::ExplorerMode, 0);
}

}  // namespace

TEST_F(PersonalFolderTest, SearchResultsMadeIntoAFolderAreReadOnAWorkerUnderTheAddingWindow)
{
    m_folder.File("a.txt", 3000);
    m_folder.Dir("sub");
    std::vector<FileItem> records;
    for (const char* name : {"a.txt", "sub"}) {
        FileItem record;
        record.path = m_folder.Path(name);
        record.name = name;
        records.push_back(record);
    }
    CPersonalFolder& folder = AddFolder("Made");
    ActivationRecorder created(HCBT_CREATEWND);
    folder.SetContents(records, Frame().Handle());
    EXPECT_EQ(std::count(created.titles.begin(), created.titles.end(), ui::LoadString(IDS_ADDING)), 1)
        << "the records are read while the Adding window shows";
    EXPECT_EQ(folder.addingStatus, nullptr);
    EXPECT_TRUE(::IsWindowEnabled(Frame().Handle()));
    ASSERT_EQ(folder.Items()->items.size(), 2u);
    const CFileItem& file = *folder.Items()->items[0];
    EXPECT_FALSE(file.detailsPending);
    EXPECT_EQ(file.sizeBytes, 3000u);
    EXPECT_TRUE(folder.Items()->items[1]->isDirectory);
    EXPECT_FALSE(folder.Items()->items[1]->typeName.empty());
    EXPECT_TRUE(folder.Loaded());
}

// A shortcut's overlay is drawn into the view's private lists, which each
// fill makes anew: the next fill starts again from the system list's image,
// never from the last fill's composite, which names nothing in the new lists.
TEST_F(PersonalFolderTest, AShortcutKeepsItsOverlayImageFillAfterFill)
{
    m_folder.File("target.txt");
    ASSERT_TRUE(MakeShortcut(m_folder.Path("link.lnk"), m_folder.Path("target.txt")));
    CPersonalFolder& folder = AddFolder("Links");
    WriteResults(folder, {m_folder.Path("link.lnk"), m_folder.Path("target.txt")});
    CPersonalView* view = OpenAndWait(folder);
    ASSERT_NE(view, nullptr);
    view->SetPrivateImageListsOnNT(true);
    // The shell sees the link mark of bound items only.
    CItemBinder binder;
    for (auto& item : folder.Items()->items) ASSERT_TRUE(binder.Bind(*item, *folder.Items())) << item->path;
    CFileItem* link = nullptr;
    for (auto& item : folder.Items()->items)
        if (item->path == m_folder.Path("link.lnk")) link = item.get();
    ASSERT_NE(link, nullptr);
    const int systemCount = ImageList_GetImageCount(m_app->SmallImages());
    int base = -1;
    for (int fill = 0; fill < 3; ++fill) {
        view->Fill();
        PumpUntil([&] { return !view->HasWorker() && !view->HasIconThread(); });
        ASSERT_FALSE(view->UsesSystemImageLists()) << fill;
        const int count = ImageList_GetImageCount(view->SmallImages());
        EXPECT_GE(link->iconIndex, systemCount) << "a composite appended to the copy, fill " << fill;
        EXPECT_LT(link->iconIndex, count) << "an image of this fill's list, fill " << fill;
        if (fill == 0) base = link->systemIconIndex;
        EXPECT_GE(link->systemIconIndex, 0);
        EXPECT_EQ(link->systemIconIndex, base) << "made from the same system image, fill " << fill;
    }
}
