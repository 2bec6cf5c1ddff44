// Listing real folders into folder windows: rows, icons, the item limit,
// hidden items, folders left out, overlays and the cells of Details mode.

// Core
#include "core/search/SearchSink.h"

// Platform
#include "platform/System.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Tests
#include "ui/FolderTestSupport.h"

// Standard library
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>

// Windows
#include <objbase.h>
#include <shlobj.h>

namespace {

using namespace uitest;

TEST_F(FolderTest, AFolderWindowListsARealFolderInDetailsMode)
{
    m_folder.File("alpha.txt", 2000);
    m_folder.File("beta.dat", 10);
    m_folder.Dir("gamma");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->ViewMode(), CFilesView::kDetailsMode);
    ASSERT_TRUE(view->HasUpRow()) << "a folder with a parent starts with the up row";
    EXPECT_EQ(view->ItemAt(0), nullptr);
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"alpha.txt", "beta.dat", "gamma"}));
    EXPECT_TRUE(view->List().IsSelected(1) || ListView_GetItemState(view->List().Handle(), 1, LVIS_FOCUSED))
        << "the first row after the up row has the focus";

    // The columns of Details mode and their lazily made texts.
    const std::vector<ColumnKind> columns = view->Columns();
    ASSERT_GE(columns.size(), 2u);
    EXPECT_EQ(columns.front(), ColumnKind::Name);
    const int alpha = view->RowOfName("alpha.txt");
    const int gamma = view->RowOfName("gamma");
    ASSERT_GE(alpha, 1);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string alphaText = view->CellText(alpha, static_cast<int>(c));
        switch (columns[c]) {
        case ColumnKind::Name: EXPECT_EQ(alphaText, "alpha.txt"); break;
        case ColumnKind::Size:
            EXPECT_EQ(alphaText, "1KB");
            EXPECT_EQ(view->CellText(gamma, static_cast<int>(c)), "") << "a folder shows no size";
            break;
        case ColumnKind::Ext: EXPECT_EQ(alphaText, "txt"); break;
        case ColumnKind::Modified:
        case ColumnKind::Time: EXPECT_FALSE(alphaText.empty()); break;
        case ColumnKind::Attr: EXPECT_EQ(alphaText.find_first_not_of("RHSA"), std::string::npos); break;
        default: break;
        }
    }
    EXPECT_EQ(view->ItemAt(alpha)->sizeBytes, 2000u);
    EXPECT_FALSE(view->ItemAt(alpha)->detailsPending);
    EXPECT_EQ(view->CellText(0, 0), "") << "the up row has no text";
    EXPECT_GE(view->CellImage(0), 0) << "the up row has its image";
    EXPECT_NE(view->CellImage(0), shell::ExecutableIcon()) << "not the icon every program shares";
}

TEST_F(FolderTest, NinetyNineItemsGetTheirOwnIconsAHundredGetQuickIconsAndAnIconThread)
{
    m_folder.Files(99);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->LastIconPlan(), listing::IconPlan::PerItem);
    EXPECT_FALSE(view->NeedIconThread());
    EXPECT_EQ(view->AllItems().size(), 99u);
    for (const CFileItem* item : view->AllItems()) EXPECT_GE(item->iconIndex, 0) << item->name;

    TempDir many;
    many.Files(100);
    // Outside Details mode only the icon thread reads the items' details.
    Command(ID_VIEW_LIST);
    ASSERT_EQ(view->ViewMode(), 2);
    ASSERT_TRUE(m_window->Navigate(many.Path(), nullptr));
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(view->LastIconPlan(), listing::IconPlan::Quick);
    EXPECT_TRUE(view->NeedIconThread());
    EXPECT_EQ(view->AllItems().size(), 100u);
    for (const CFileItem* item : view->AllItems()) {
        EXPECT_GE(item->iconIndex, 0);
        EXPECT_FALSE(item->detailsPending) << "the icon thread has read the details";
    }
}

// Creating 20,000 files through Wine takes about a minute, so the test script
// makes the folder on the host beforehand and names it in TRAILMARK_BIG_FOLDER.
TEST_F(FolderTest, TwentyThousandEntriesListTheFirstFifteenThousand)
{
    const char* prepared = std::getenv("TRAILMARK_BIG_FOLDER");
    if (!prepared || !*prepared) GTEST_SKIP() << "TRAILMARK_BIG_FOLDER names no prepared folder";
    // The order in which the file system gives the folder's entries.
    Names order;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((std::string(prepared) + "\\*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
            order.push_back(data.cFileName);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    ASSERT_EQ(order.size(), 20000u);
    CExplorerView* view = OpenView(prepared);
    ASSERT_NE(view, nullptr);
    Names listed;
    for (const CFileItem* item : view->AllItems()) listed.push_back(item->name);
    EXPECT_EQ(listed, Names(order.begin(), order.begin() + listing::kMaxItems));
    EXPECT_EQ(view->RowCount(), static_cast<int>(listing::kMaxItems) + 1) << "the items and the up row";
}

TEST_F(FolderTest, Setting81LeavesFoldersOutAndAHiddenFileIsKeptButShownOnlyWithSetting24)
{
    m_folder.File("shown.txt");
    m_folder.File("secret.txt", 0, FILE_ATTRIBUTE_HIDDEN);
    m_folder.Dir("sub");
    ASSERT_TRUE(::GetFileAttributesA(m_folder.Path("secret.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    Settings().SetSetting(Setting::ShowOnlyFiles, 1);
    Settings().SetSetting(Setting::ShowHiddenFiles, 0);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(RowNames(*view), Names{"shown.txt"});
    EXPECT_EQ(ItemNames(*view), (std::set<std::string>{"secret.txt", "shown.txt"})) << "no item for the folder";
    for (const CFileItem* item : view->AllItems()) EXPECT_EQ(item->visible, item->name == "shown.txt") << item->name;

    Settings().SetSetting(Setting::ShowOnlyFiles, 0);
    Settings().SetSetting(Setting::ShowHiddenFiles, 1);
    view->Refresh();
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(Sorted(RowNames(*view)), (Names{"secret.txt", "shown.txt", "sub"}));
    EXPECT_TRUE(view->RowIsCut(view->RowOfName("secret.txt"))) << "a hidden row is drawn dimmed";
    EXPECT_FALSE(view->RowIsCut(view->RowOfName("shown.txt")));
}

TEST_F(FolderTest, AShortcutAndASharedItemGetTheirOverlaysOnExactlyThoseRows)
{
    m_folder.File("target.txt");
    m_folder.File("plain.txt");
    ASSERT_TRUE(MakeShortcut(m_folder.Path("link.lnk"), m_folder.Path("target.txt")));
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    // This platform's system lists draw no overlays of ours; private copies do.
    view->SetPrivateImageListsOnNT(true);
    view->Refresh();
    ASSERT_TRUE(WaitIdle(*m_window));
    ASSERT_FALSE(view->UsesSystemImageLists()) << "a shortcut in the listing asks for private lists";
    const int systemCount = ImageList_GetImageCount(m_app->SmallImages());
    CFileItem* link = view->ItemAt(view->RowOfName("link"));
    if (!link) link = view->ItemAt(view->RowOfName("link.lnk"));
    CFileItem* plain = view->ItemAt(view->RowOfName("plain.txt"));
    CFileItem* target = view->ItemAt(view->RowOfName("target.txt"));
    ASSERT_TRUE(link && plain && target);
    EXPECT_GE(link->iconIndex, systemCount) << "the shortcut shows a composite appended to the copy";
    EXPECT_LT(plain->iconIndex, systemCount);
    EXPECT_LT(target->iconIndex, systemCount);

    // The platform reports no shared folders: the share overlay is given the
    // way a listing that found one gives it.
    const int before = plain->iconIndex;
    const int count = ImageList_GetImageCount(view->SmallImages());
    view->ApplyOverlays({}, {plain});
    EXPECT_EQ(plain->iconIndex, count);
    EXPECT_NE(plain->iconIndex, before);
    EXPECT_EQ(ImageList_GetImageCount(view->SmallImages()), count + 1);
    EXPECT_LT(target->iconIndex, systemCount);
}

TEST_F(FolderTest, CreateShortcutMakesALinkBesideTheSelectionAndListsAgain)
{
    m_folder.File("target.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    view->List().SetState(view->RowOfName("target.txt"), LVIS_SELECTED, LVIS_SELECTED);
    Command(ID_FILE_CREATE_SHORTCUT);
    ASSERT_TRUE(WaitIdle(*m_window));
    ASSERT_EQ(view->AllItems().size(), 2u);
    std::string link;
    for (const CFileItem* item : view->AllItems())
        if (item->name != "target.txt") link = item->path;
    EXPECT_EQ(link.substr(link.size() - 4), ".lnk");
    EXPECT_TRUE(m_window->ContentWatcherRunning()) << "the watchers are back after the command";
}

TEST_F(FolderTest, StatusTextsFollowTheSelectionWithoutReadingAnyItemsDetails)
{
    m_folder.File("a.txt", 1000);
    m_folder.File("b.txt", 2000);
    m_folder.File("c.txt", 4000);
    m_folder.File("d.txt", 8000);
    m_folder.Dir("sub");
    // In List mode nothing draws the details, so none are read but by the status.
    Settings().SetSetting(Setting::ViewMode, 2);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->NeedIconThread());
    auto select = [&](const char* name, bool on) {
        view->List().SetState(view->RowOfName(name), on ? LVIS_SELECTED : 0, LVIS_SELECTED);
    };
    struct Step {
        std::function<void()> action;
        const char* count;
        const char* size;
    } const steps[] = {
        {[] {}, "5 Object(s)", "14.6KB"},
        {[&] { select("b.txt", true); }, "1 Object(s) Selected", "2.0KB"},
        {[&] { select("sub", true); }, "2 Object(s) Selected", "2.0KB"},
        {[&] { Command(ID_EDIT_SELECT_ALL); }, "5 Object(s)", "14.6KB"},
        {[&] { select("a.txt", false); }, "4 Object(s) Selected", "13.7KB"},
        {[&] { Command(ID_EDIT_INVERT_SELECTION); }, "1 Object(s) Selected", "1000 bytes"},
    };
    for (const Step& step : steps) {
        step.action();
        const FolderStatus status = view->Status("");
        EXPECT_EQ(status.countText, step.count);
        EXPECT_EQ(status.sizeText, step.size) << step.count;
    }
    for (const CFileItem* item : view->AllItems()) EXPECT_TRUE(item->detailsPending) << item->name;
}

// Without the up icon's file beside the program the view adds the image of
// its own resources to the lists.
class WithoutUpIconFile : public FolderTest {
protected:
    void SetUp() override
    {
        m_file = platform::ProgramDirectory() + "\\Up.Exe";
        m_moved = ::MoveFileA(m_file.c_str(), (m_file + ".away").c_str()) != FALSE;
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
    }
    void TearDown() override
    {
        FolderTest::TearDown();
        if (m_moved) ::MoveFileA((m_file + ".away").c_str(), m_file.c_str());
    }

    std::string m_file;
    bool m_moved = false;
};

TEST_F(WithoutUpIconFile, TheUpRowsImageGoesIntoTheSystemListsOnce)
{
    ASSERT_EQ(m_app->IconIndex(IconFile::Up), -1);
    m_folder.File("a.txt");
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->UsesSystemImageLists());
    const int up = view->CellImage(0);
    const int small = ImageList_GetImageCount(m_app->SmallImages());
    const int large = ImageList_GetImageCount(m_app->LargeImages());
    for (int i = 0; i < 3; ++i) {
        view->Refresh();
        ASSERT_TRUE(WaitIdle(*m_window));
        EXPECT_EQ(view->CellImage(0), up);
    }
    EXPECT_EQ(ImageList_GetImageCount(m_app->SmallImages()), small);
    EXPECT_EQ(ImageList_GetImageCount(m_app->LargeImages()), large);
}

TEST_F(FolderTest, TheIconThreadNeverReplacesTheNamesAndPathsTheViewReads)
{
    TempDir many;
    many.Files(300, "long-file-name-");  // texts too long to be kept inside the string object
    Settings().SetSetting(Setting::ViewMode, 2);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(m_window->Navigate(many.Path(), nullptr));
    // Stopped as soon as the list is shown, with the icon thread about to start.
    ASSERT_TRUE(PumpUntilRowsSet(*view));
    ASSERT_TRUE(view->HasIconThread()) << "the details are read while the list is shown";
    // Where the texts lie, as numbers: a text freed is never read again.
    auto texts = [&] {
        std::vector<std::uintptr_t> places;
        for (const CFileItem* item : view->AllItems())
            for (const std::string* text : {&item->name, &item->path, &item->folderPath})
                places.push_back(reinterpret_cast<std::uintptr_t>(text->c_str()));
        return places;
    };
    const std::vector<std::uintptr_t> shown = texts();
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_EQ(texts(), shown);
    for (const CFileItem* item : view->AllItems()) EXPECT_FALSE(item->detailsPending) << item->name;
}

TEST_F(FolderTest, FilesOfFourGigabytesAndMoreCountWholeOnceTheirDetailsAreRead)
{
    m_folder.Files(100);  // outside Details mode an icon thread reads the details
    HANDLE file = ::CreateFileA(m_folder.Path("big.dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::uint64_t size = (std::uint64_t{5} << 30) + 7;
    LONG high = static_cast<LONG>(size >> 32);
    ::SetFilePointer(file, static_cast<LONG>(size & 0xFFFFFFFF), &high, FILE_BEGIN);
    const bool sized = ::SetEndOfFile(file) != FALSE;
    ::CloseHandle(file);
    ASSERT_TRUE(sized);
    Settings().SetSetting(Setting::ViewMode, 2);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->NeedIconThread());
    EXPECT_EQ(view->TotalSize(), static_cast<double>(size));
    view->List().SetState(view->RowOfName("big.dat"), LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(view->Status("").sizeText, "5120.0MB");
}

// The date and time texts a cell shows for a UTC file time, in the user's zone.
std::string LocalDateText(const FILETIME& utc, bool time)
{
    FILETIME local = {};
    SYSTEMTIME shown = {};
    if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &shown)) return {};
    char text[64] = "";
    if (time) ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &shown, nullptr, text, sizeof(text));
    else ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &shown, nullptr, text, sizeof(text));
    return text;
}

// Drawing a row of Details mode asks nothing of the disk: until the thread
// has read the row's details it shows what the listing knows (name, size),
// then the whole row, its dates in the user's time zone.
TEST_F(FolderTest, DetailsRowsAreDrawnFromWhatIsKnownAndCompletedByTheThread)
{
    constexpr int kShowTimeColumn = Setting::ShowColumnFirst + 4;
    Settings().SetSetting(kShowTimeColumn, 1);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->ViewMode(), CFilesView::kDetailsMode);
    TempDir other;
    other.File("one.txt", 3000);
    other.Dir("sub");
    other.Dir("sub2");
    ASSERT_TRUE(m_window->Navigate(other.Path(), nullptr));
    ASSERT_TRUE(PumpUntilRowsSet(*view));
    ASSERT_FALSE(view->NeedIconThread()) << "the listing gave every icon";
    ASSERT_TRUE(view->HasIconThread()) << "a thread reads the details that Details mode shows";
    const int file = view->RowOfName("one.txt");
    const int folder = view->RowOfName("sub");
    ASSERT_GE(file, 0);
    ASSERT_GE(folder, 0);
    const std::vector<ColumnKind> columns = view->Columns();
    auto cell = [&](int row, ColumnKind kind) {
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c] == kind) return view->CellText(row, static_cast<int>(c));
        return std::string("<no column>");
    };
    EXPECT_EQ(cell(file, ColumnKind::Name), "one.txt");
    EXPECT_EQ(cell(file, ColumnKind::Size), "2KB") << "the size the listing's identifier carries";
    EXPECT_EQ(cell(file, ColumnKind::Modified), "") << "not known before the details";
    EXPECT_EQ(cell(folder, ColumnKind::Size), "");
    EXPECT_TRUE(view->ItemAt(file)->detailsPending) << "drawing read nothing";
    EXPECT_TRUE(view->ItemAt(folder)->detailsPending);

    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_FALSE(view->ItemAt(file)->detailsPending);
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(other.Path("one.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    ::FindClose(find);
    EXPECT_EQ(cell(file, ColumnKind::Size), "2KB");
    EXPECT_EQ(cell(file, ColumnKind::Modified), LocalDateText(data.ftLastWriteTime, false));
    EXPECT_EQ(cell(file, ColumnKind::Time), LocalDateText(data.ftLastWriteTime, true));
    EXPECT_EQ(cell(file, ColumnKind::Type), view->ItemAt(file)->typeName);
    EXPECT_FALSE(cell(file, ColumnKind::Type).empty());
    // Plain folders share one type text, the shell's.
    const std::string folderType = cell(folder, ColumnKind::Type);
    EXPECT_FALSE(folderType.empty());
    EXPECT_EQ(cell(view->RowOfName("sub2"), ColumnKind::Type), folderType);
    EXPECT_EQ(folderType, shell::TypeNameOfPath(other.Path("sub")));
}

// An icon thread's end is its run's alone: a message of an older run (or a
// stray one) does not end the run that is going.
TEST_F(FolderTest, AnOlderIconRunsEndIsNotTakenForTheCurrentRuns)
{
    TempDir many;
    many.Files(150);
    Settings().SetSetting(Setting::ViewMode, 2);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(m_window->Navigate(many.Path(), nullptr));
    ASSERT_TRUE(PumpUntilRowsSet(*view));
    ASSERT_TRUE(view->HasIconThread());
    ::SendMessageA(view->Handle(), UWM_ICONSDONE, 0, 0);
    EXPECT_TRUE(view->HasIconThread()) << "run 0 is never the one going";
    ASSERT_TRUE(WaitIdle(*m_window));
    for (const CFileItem* item : view->AllItems()) EXPECT_FALSE(item->detailsPending) << item->name;
}

}  // namespace
