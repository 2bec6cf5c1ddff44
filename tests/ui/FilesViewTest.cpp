// The files view on real folders: sorting and its header mark, the filter
// commands, names edited in the list, cut marks and column widths.

// Core
#include "core/folders/CutList.h"

// Framework
#include "ui/framework/Clipboard.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

namespace {

using namespace uitest;

class FilesView : public FolderTest {
protected:
    // Three files of different sizes and extensions, two with the same one.
    CExplorerView* OpenSample()
    {
        m_folder.File("b.log", 3000);
        m_folder.File("a.txt", 20000);
        m_folder.File("c.log", 100);
        return OpenView(m_folder.Path());
    }
    // A command as the menus give it: through the frame to the active window.
    void Command(CFilesView& view, UINT id)
    {
        ASSERT_EQ(CWindowList::Instance().Active(), m_window) << view.DisplayPath();
        ::SendMessageA(m_app->MainWindow(), WM_COMMAND, id, 0);
    }
    // Runs a command whose criteria sheet, titled `title`, takes the patterns and OK.
    void FilterCommand(CFilesView& view, UINT id, const char* title, const char* patterns)
    {
        DialogScript script;
        script.Then(IDOK, [&](HWND sheet) {
            EXPECT_EQ(WindowText(sheet), title);
            Type(sheet, IDC_CRITERIA_PATTERNS, patterns);
            Click(sheet, IDOK);
        });
        Command(view, id);
        script.ExpectDone();
    }
    int ColumnOf(const CFilesView& view, ColumnKind kind)
    {
        const std::vector<ColumnKind> columns = view.Columns();
        const auto found = std::find(columns.begin(), columns.end(), kind);
        return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
    }
};

TEST_F(FilesView, SortingByColumnsFlipsOnlyTheSameKeyKeepsTheUpRowFirstAndMarksTheHeader)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    HWND header = view->List().Header();
    struct Step {
        UINT command;
        Names names;
        bool ascending;
    } const steps[] = {
        {ID_VIEW_ARRANGE_FIRST + 3, {"c.log", "b.log", "a.txt"}, true},   // size
        {ID_VIEW_ARRANGE_FIRST + 3, {"a.txt", "b.log", "c.log"}, false},  // size again
        {ID_VIEW_ARRANGE_FIRST + 0, {"a.txt", "b.log", "c.log"}, true},   // name
        {ID_VIEW_ARRANGE_FIRST + 4, {"b.log", "c.log", "a.txt"}, true},   // type
        // Equal extensions keep the name order between them.
        {ID_VIEW_ARRANGE_FIRST + 2, {"b.log", "c.log", "a.txt"}, true},
        {ID_VIEW_ARRANGE_FIRST + 2, {"a.txt", "c.log", "b.log"}, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command - ID_VIEW_ARRANGE_FIRST);
        Command(*view, step.command);
        EXPECT_EQ(RowNames(*view), step.names);
        EXPECT_EQ(view->ItemAt(0), nullptr) << "the up row stays first";
        EXPECT_EQ(view->Ascending(), step.ascending);
        // The mark sits on the key's column when it is shown (Ext is not, by default).
        bool ascending = !step.ascending;
        const int column = ColumnOf(*view, static_cast<ColumnKind>(step.command - ID_VIEW_ARRANGE_FIRST));
        EXPECT_EQ(HeaderMarkColumn(header, &ascending), column);
        if (column != -1) {
            EXPECT_EQ(ascending, step.ascending);
        }
    }
    EXPECT_EQ(Settings().GetSetting(Setting::Arrangement), 2) << "the sort key is kept";
    // The marks are the header's own images, not the list's icons.
    EXPECT_EQ(ImageList_GetImageCount(Header_GetImageList(header)), 2);

    // A header click on another column keeps the direction.
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = view->List().Handle();
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = ColumnOf(*view, ColumnKind::Size);
    ::SendMessageA(view->Handle(), WM_NOTIFY, IDC_FILES_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(view->SortMode(), 3);
    EXPECT_EQ(RowNames(*view), (Names{"a.txt", "b.log", "c.log"}));

    // Without the Size column the size sort marks no column.
    Command(*view, ID_VIEW_COLUMN_FIRST + 1);
    EXPECT_EQ(Settings().GetSetting(Setting::ShowColumnFirst + 1), 0);
    EXPECT_EQ(ColumnOf(*view, ColumnKind::Size), -1);
    EXPECT_EQ(HeaderMarkColumn(header), -1);
    Command(*view, ID_VIEW_ARRANGE_FIRST + 0);
    EXPECT_EQ(HeaderMarkColumn(header), 0);
}

TEST_F(FilesView, AnItemWithoutAModifiedTimeShowsNoSizeOrDatesAndTheListFollowsAppearanceSettings)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    const int row = view->RowOfName("a.txt");
    ASSERT_GE(row, 1);
    EXPECT_EQ(view->CellText(row, ColumnOf(*view, ColumnKind::Size)), "19KB");
    view->ItemAt(row)->sizeKB = std::int64_t{3} << 30;  // 3 TB
    EXPECT_EQ(view->CellText(row, ColumnOf(*view, ColumnKind::Size)), "3221225472KB");
    view->ItemAt(row)->modified = 0;
    for (ColumnKind kind : {ColumnKind::Size, ColumnKind::Modified, ColumnKind::Time})
        EXPECT_EQ(view->CellText(row, ColumnOf(*view, kind)), "") << static_cast<int>(kind);

    auto extended = [&] { return ListView_GetExtendedListViewStyle(view->List().Handle()); };
    for (int on : {1, 0}) {
        Settings().SetSetting(Setting::FullRowSelect, on);
        Settings().SetSetting(Setting::DetailsGrid, on);
        ::SendMessageA(view->Handle(), UWM_APPEARANCECHANGED, 0, 0);
        EXPECT_EQ((extended() & LVS_EX_FULLROWSELECT) != 0, on == 1);
        EXPECT_EQ((extended() & LVS_EX_GRIDLINES) != 0, on == 1);
        EXPECT_NE(extended() & LVS_EX_SUBITEMIMAGES, 0u);
    }
    Settings().SetSetting(Setting::FolderFontColor, RGB(200, 0, 0));
    ::SendMessageA(view->Handle(), UWM_TEXTCOLORCHANGED, 0, 0);
    EXPECT_EQ(ListView_GetTextColor(view->List().Handle()), RGB(200, 0, 0));
}

TEST_F(FilesView, FilterFolderListsOnlyMatchingFilesAndRemovingItListsAllAgain)
{
    m_folder.Dir("sub");
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    Settings().SetSetting(Setting::FullPathInTitle, 1);
    EXPECT_EQ(view->TotalSize(), 23100.0);
    FilterCommand(*view, ID_EDIT_SET_FILTER, "Filter Folder", "*.txt");
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_TRUE(view->IsFiltered());
    EXPECT_EQ(RowNames(*view), Names{"a.txt"});
    EXPECT_EQ(view->TotalSize(), 20000.0) << "the total is that of the files listed";
    EXPECT_EQ(WindowText(m_window->Handle()), m_folder.Path() + " - Filtered");

    Command(*view, ID_EDIT_REMOVE_FILTER);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_FALSE(view->IsFiltered());
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"a.txt", "b.log", "c.log", "sub"}));
    EXPECT_EQ(WindowText(m_window->Handle()), m_folder.Path());
}

// The shell hides every extension when the user asks it to, as a default
// system does for the extensions it knows.
class HiddenExtensions {
public:
    HiddenExtensions() { Set(true); }
    ~HiddenExtensions() { Set(false); }

private:
    static void Set(bool hide)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", &key) !=
            ERROR_SUCCESS)
            return;
        const DWORD value = hide ? 1 : 0;
        if (hide) ::RegSetValueExA(key, "HideFileExt", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        else ::RegDeleteValueA(key, "HideFileExt");
        ::RegCloseKey(key);
        // Names kept from before would say the extensions show.
        shell::LookupCache::Forget();
    }
};

TEST_F(FilesView, TheExtensionComesFromTheFileNameWhenTheShellHidesIt)
{
    m_folder.File("report.txt", 10);
    m_folder.File("notes.log", 20);
    m_folder.File("readme", 30);
    Settings().SetSetting(Setting::ShowColumnFirst, 1);
    const HiddenExtensions hidden;
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    const int report = view->RowOfName("report");
    ASSERT_GE(report, 1) << "the shell shows the name without its extension";
    EXPECT_EQ(view->ItemAt(report)->extension, "txt");
    EXPECT_EQ(view->CellText(report, ColumnOf(*view, ColumnKind::Ext)), "txt");
    Command(*view, ID_VIEW_ARRANGE_FIRST + 2);
    EXPECT_EQ(RowNames(*view), (Names{"readme", "notes", "report"})) << "by extension";

    FilterCommand(*view, ID_EDIT_SET_FILTER, "Filter Folder", "*.txt");
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(RowNames(*view), Names{"report"});
    Command(*view, ID_EDIT_REMOVE_FILTER);
    ASSERT_TRUE(WaitIdle(*m_window));
    ASSERT_TRUE(m_window->Navigate(m_folder.Path("*.log"), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(RowNames(*view), Names{"notes"}) << "a pattern in the path";
}

TEST_F(FilesView, SelectByFilterSelectsTheMatchingRowsOrSaysNoneWere)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    auto selectBy = [&](const char* patterns) {
        FilterCommand(*view, ID_EDIT_SELECT_BY_FILTER, "Select By Filter", patterns);
        Names selected;
        for (int row = view->List().NextSelected(-1); row != -1; row = view->List().NextSelected(row))
            selected.push_back(view->ItemAt(row)->name);
        return Sorted(selected);
    };
    EXPECT_EQ(selectBy("*.log"), (Names{"b.log", "c.log"}));
    EXPECT_TRUE(m_messages.texts.empty());
    EXPECT_EQ(selectBy("*.bmp"), Names{});
    EXPECT_EQ(m_messages.texts, Names{"No items were selected!"});
}

TEST_F(FilesView, ANameEditSwallowsInvalidCharactersAndEmptyNamesAndRenamesOnEnter)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    const int row = view->RowOfName("b.log");
    view->EditLabel(row);
    HWND edit = view->List().LabelEdit();
    ASSERT_NE(edit, nullptr);
    ::SendMessageA(edit, EM_SETSEL, 5, 5);
    for (char c : std::string("?*:x")) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(WindowText(edit), "b.logx") << "only the valid character is typed";

    // Escape cancels: the file keeps its name.
    ::SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpUntil([&] { return view->List().LabelEdit() == nullptr; }, 5000);
    EXPECT_TRUE(Exists(m_folder.Path("b.log")));

    view->EditLabel(view->RowOfName("b.log"));
    edit = view->List().LabelEdit();
    ASSERT_NE(edit, nullptr);
    ::SetWindowTextA(edit, "");
    ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(view->List().LabelEdit(), edit) << "an empty name is not committed";
    ::SetWindowTextA(edit, "renamed.log");
    ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return view->List().LabelEdit() == nullptr; }, 5000));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_FALSE(Exists(m_folder.Path("b.log")));
    EXPECT_TRUE(Exists(m_folder.Path("renamed.log")));
    const int renamed = view->RowOfName("renamed.log");
    ASSERT_GE(renamed, 1);
    EXPECT_TRUE(view->List().IsSelected(renamed));
    EXPECT_TRUE(m_messages.texts.empty()) << "the extension did not change: no question";
}

TEST_F(FilesView, CutMarksGoWhenTheClipboardTakesSomethingElse)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    const int row = view->RowOfName("a.txt");
    view->List().SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    Command(*view, ID_EDIT_CUT);
    EXPECT_TRUE(view->RowIsCut(row));
    EXPECT_FALSE(view->RowIsCut(view->RowOfName("b.log")));
    EXPECT_EQ(CutList::Instance().Paths(), Names{m_folder.Path("a.txt")});
    EXPECT_EQ(ui::ClipboardText(view->Handle()), view->CutClipboardTag());

    PumpFor(1500);
    EXPECT_TRUE(view->RowIsCut(row)) << "the cut stays while the clipboard holds its tag";
    ASSERT_TRUE(ui::SetClipboardText(view->Handle(), "other text"));
    EXPECT_TRUE(PumpUntil([&] { return !view->RowIsCut(row); }, 10000)) << "the 1200 timer clears the marks";
    EXPECT_TRUE(view->CutClipboardTag().empty());
}

TEST_F(FilesView, ColumnWidthsOfDetailsModeSurviveARestart)
{
    CExplorerView* view = OpenSample();
    ASSERT_NE(view, nullptr);
    const int type = ColumnOf(*view, ColumnKind::Type);
    ASSERT_GT(type, 0);
    ListView_SetColumnWidth(view->List().Handle(), 0, 211);
    ListView_SetColumnWidth(view->List().Handle(), type, 97);
    Restart();
    view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ListView_GetColumnWidth(view->List().Handle(), 0), 211);
    EXPECT_EQ(ListView_GetColumnWidth(view->List().Handle(), ColumnOf(*view, ColumnKind::Type)), 97);

    // Resize Columns fills the window with the name column.
    Command(*view, ID_VIEW_RESIZE_COLUMNS);
    RECT client = {};
    ::GetClientRect(view->List().Handle(), &client);
    int total = 0;
    for (std::size_t c = 0; c < view->Columns().size(); ++c)
        total += ListView_GetColumnWidth(view->List().Handle(), static_cast<int>(c));
    EXPECT_GE(total, client.right);
}

}  // namespace
