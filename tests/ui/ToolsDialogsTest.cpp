// The Run dialog and its history, the tool and favorite dialogs and managers,
// the tip window, the disk commands and the options sheet, driven as a user
// drives them.

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"
#include "core/dialogs/DiskErase.h"

// Platform
#include "platform/DirectoryLister.h"

// Dialogs
#include "ui/dialogs/RunProgram.h"
#include "ui/dialogs/TipDlg.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <fstream>

// Windows
#include <prsht.h>

namespace {

using namespace uitest;

std::string ComboText(HWND dialog, int id, int index)
{
    char text[MAX_PATH] = "";
    ::SendMessageA(FindControl(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Text(HWND dialog, int id) { return WindowText(FindControl(dialog, id)); }

bool Checked(HWND dialog, int id)
{
    return ::SendMessageA(FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class ToolsTest : public FolderTest {
protected:
    CObjectList& History() { return *m_app->RunHistory(); }
    CObjectList& Tools() { return *m_app->Tools(); }
    const CTool* ToolAt(CObjectList& list, int index) { return dynamic_cast<const CTool*>(list.At(index)); }

    // Runs the Run dialog once with a command typed in.
    void RunCommand(const std::string& command, bool addToTools = false)
    {
        DialogScript script;
        script.Then(IDC_RUN_COMMAND, [&](HWND dialog) {
            Type(dialog, IDC_RUN_COMMAND, command.c_str());
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_COMMAND, CBN_EDITCHANGE),
                           reinterpret_cast<LPARAM>(FindControl(dialog, IDC_RUN_COMMAND)));
            if (addToTools) ClickNow(dialog, IDC_ADD_TO_TOOLS);
            Click(dialog, IDOK);
        });
        Command(ID_FILE_RUN);
        script.ExpectDone();
    }
};

TEST_F(ToolsTest, RunningAFolderTwiceLeavesOneHistoryEntryAtTheTopAndPresetsTheNextRun)
{
    m_folder.Dir("Two");
    const std::string first = m_folder.Path();
    const std::string second = m_folder.Path("Two");
    History().DeleteAll();
    RunCommand(first);
    RunCommand(second, true);
    // The same folder in other letters is the same command.
    std::string shouted = first;
    for (char& c : shouted) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    RunCommand(shouted);
    ASSERT_EQ(History().Count(), 2);
    EXPECT_EQ(ToolAt(History(), 0)->Command(), shouted);
    EXPECT_EQ(ToolAt(History(), 1)->Command(), second);
    EXPECT_EQ(ToolAt(History(), 0)->OpenModeByte(), 1) << "a folder opens inside the program";
    // The check box added the second folder to the tools too.
    ASSERT_GE(Tools().Count(), 1);
    EXPECT_EQ(ToolAt(Tools(), Tools().Count() - 1)->Command(), second);
    EXPECT_NE(CWindowList::Instance().FindOpenWindow(first, WindowKind::Folder), nullptr);

    DialogScript script;
    script.Then(IDC_RUN_COMMAND, [&](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_RUN_COMMAND), shouted) << "the newest entry is preset";
        EXPECT_EQ(ComboText(dialog, IDC_RUN_COMMAND, 1), second);
        EXPECT_TRUE(ControlEnabled(dialog, IDOK));
        Type(dialog, IDC_RUN_COMMAND, "  ");
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_COMMAND, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(FindControl(dialog, IDC_RUN_COMMAND)));
        EXPECT_FALSE(ControlEnabled(dialog, IDOK));
        EXPECT_FALSE(ControlEnabled(dialog, IDC_ARGUMENTS));
        Click(dialog, IDCANCEL);
    });
    Command(ID_FILE_RUN);
    script.ExpectDone();
}

TEST_F(ToolsTest, AProgramThatCannotRunKeepsTheDialogOpenAndTheHistoryAsItWas)
{
    History().DeleteAll();
    const std::string missing = m_folder.Path("no-such-program.exe");
    DialogScript script;
    script.Then(IDC_RUN_COMMAND, [&](HWND dialog) {
        Type(dialog, IDC_RUN_COMMAND, missing.c_str());
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_COMMAND, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(FindControl(dialog, IDC_RUN_COMMAND)));
        ClickNow(dialog, IDOK);
        EXPECT_TRUE(::IsWindowVisible(dialog)) << "the dialog stays open";
        Click(dialog, IDCANCEL);
    });
    Command(ID_FILE_RUN);
    script.ExpectDone();
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_RUN_FAILED));
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(ToolsTest, AddToolChecksPathAndFolderAndFillsTheProgramsFolder)
{
    const std::string program = platform::ProgramDirectory() + "\\Trailmark.exe";
    ASSERT_TRUE(Exists(program));
    const int before = Tools().Count();
    DialogScript script;
    script.Then(IDC_PROMPT_ARGUMENTS, [&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Add Tool");
        Type(dialog, IDC_COMMAND, m_folder.Path("missing.exe").c_str());
        ClickNow(dialog, IDOK);
        Type(dialog, IDC_COMMAND, ("  " + program + " ").c_str());
        Type(dialog, IDC_INITIAL_DIR, m_folder.Path("nowhere").c_str());
        ClickNow(dialog, IDOK);
        Type(dialog, IDC_INITIAL_DIR, "");
        Type(dialog, IDC_ARGUMENTS, "-x");
        ClickNow(dialog, IDC_PROMPT_ARGUMENTS);
        Click(dialog, IDOK);
    });
    Command(ID_TOOLS_ADD_TOOL);
    script.ExpectDone();
    ASSERT_EQ(m_messages.texts.size(), 2u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_PATH_INVALID));
    EXPECT_EQ(m_messages.texts[1], ui::LoadString(IDS_INITIAL_DIR_INVALID));
    ASSERT_EQ(Tools().Count(), before + 1);
    const CTool* tool = ToolAt(Tools(), before);
    EXPECT_EQ(tool->Name(), "Trailmark.exe");
    EXPECT_EQ(tool->Command(), program);
    EXPECT_EQ(tool->Directory(), platform::ProgramDirectory()) << "an empty initial directory is the program's folder";
    EXPECT_EQ(tool->Arguments(), "-x");
    EXPECT_TRUE(tool->PromptForArguments());
    EXPECT_EQ(tool->OpenModeByte(), 0);

    // The Go menu shows it, drawn with its name.
    Tools().LoadAll();
    EXPECT_EQ(ToolAt(Tools(), before)->Command(), program) << "the list was saved";
}

TEST_F(ToolsTest, SeparatorSettingsOfTwelveAreShownAndStoredAsNine)
{
    Settings().SetSetting(Setting::ToolSeparatorEvery, 12);
    Settings().SetSetting(Setting::FavoriteSeparatorEvery, 12);
    DialogScript script;
    script.Then(IDC_SEPARATOR_EVERY, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Tools Manager");
        EXPECT_EQ(Text(dialog, IDC_SEPARATOR_EVERY), "9");
        Click(dialog, IDOK);
    });
    Command(ID_TOOLS_TOOLS_MANAGER);
    script.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::ToolSeparatorEvery), 9);

    DialogScript favorites;
    favorites.Then(IDC_ADD_APPLETS, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_SEPARATOR_EVERY), "9");
        EXPECT_FALSE(Checked(dialog, IDC_ADD_APPLETS));
        Type(dialog, IDC_SEPARATOR_EVERY, "3");
        Click(dialog, IDOK);
    });
    Command(ID_FAVORITES_MANAGER);
    favorites.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::FavoriteSeparatorEvery), 3);
}

TEST_F(ToolsTest, AFavoriteHandedToTheShellWhoseFileIsMissingSaysSo)
{
    CFavorite favorite;
    favorite.SetName("Gone");
    favorite.SetCommand(m_folder.Path("gone.txt"));
    favorite.SetOpenModeByte(0);
    ChooseFavorite(favorite);
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_FAVORITE_OPEN_FAILED));
    EXPECT_EQ(m_messages.flags[0] & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
}

TEST_F(ToolsTest, AddFavoriteAcceptsOnlyPathsTheShellKnowsAndNamesThemItself)
{
    const int before = m_app->Favorites()->Count();
    DialogScript script;
    script.Then(IDC_OPEN_INSIDE, [&](HWND dialog) {
        Type(dialog, IDC_COMMAND, m_folder.Path("nowhere").c_str());
        EXPECT_FALSE(ControlEnabled(dialog, IDOK));
        Type(dialog, IDC_COMMAND, m_folder.Path().c_str());
        EXPECT_TRUE(ControlEnabled(dialog, IDOK));
        Click(dialog, IDOK);
    });
    Command(ID_FAVORITES_ADD);
    script.ExpectDone();
    ASSERT_EQ(m_app->Favorites()->Count(), before + 1);
    const auto* added = dynamic_cast<const CFavorite*>(m_app->Favorites()->At(before));
    EXPECT_EQ(added->Command(), m_folder.Path());
    EXPECT_FALSE(added->Name().empty());
    EXPECT_TRUE(added->OpensInTrailmark());
}

// --- The tip window ----------------------------------------------------------

class TipTest : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppTest::SetUp());
        AutoCloseTips() = false;
    }
    void TearDown() override
    {
        AutoCloseTips() = true;
        AppTest::TearDown();
    }
    void WriteTips(int count)
    {
        std::ofstream file(m_dir.Path(kTipFileName));
        file << "[Tips]\n";
        for (int i = 0; i < count; ++i) file << "Tip" << i << "=Tip text " << i << "\n";
    }
    // Opens the tip window, checks the text, and closes it with `closer`.
    void ShowAndClose(const std::string& expected, int closer, int nextClicks = 0)
    {
        DialogScript script;
        script.Then(IDC_TIP_NEXT, [&](HWND dialog) {
            for (int i = 0; i < nextClicks; ++i) ClickNow(dialog, IDC_TIP_NEXT);
            EXPECT_EQ(Text(dialog, IDC_TIP_TEXT), expected);
            EXPECT_EQ(Text(dialog, IDC_TIP_HEADING), "Did you know...");
            if (closer == IDCANCEL)
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            else
                Click(dialog, IDOK);
        });
        CTipDlg tip(Settings(), m_dir.Path());
        tip.DoModal(m_app->MainWindow());
        script.ExpectDone();
    }

    TempDir m_dir;
};

TEST_F(TipTest, CloseMovesOnToTheNextTipEscShowsTheSameAgain)
{
    WriteTips(6);
    Settings().SetSetting(Setting::LastTip, -1);
    ShowAndClose("Tip text 0", IDOK);
    ShowAndClose("Tip text 3", IDOK, 2);
    ShowAndClose("Tip text 4", IDCANCEL);
    ShowAndClose("Tip text 4", IDOK);
    ShowAndClose("Tip text 5", IDOK);
    EXPECT_EQ(Settings().GetSetting(Setting::LastTip), 5);
}

TEST_F(TipTest, TheLastTipWrapsToTheFirstAndDisablesPrevious)
{
    WriteTips(3);
    Settings().SetSetting(Setting::LastTip, 1);
    DialogScript script;
    script.Then(IDC_TIP_NEXT, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_TIP_TEXT), "Tip text 2");
        EXPECT_TRUE(ControlEnabled(dialog, IDC_TIP_PREVIOUS));
        ClickNow(dialog, IDC_TIP_NEXT);
        EXPECT_EQ(Text(dialog, IDC_TIP_TEXT), "Tip text 0");
        EXPECT_FALSE(ControlEnabled(dialog, IDC_TIP_PREVIOUS));
        ClickNow(dialog, IDC_TIP_AT_STARTUP);
        Click(dialog, IDOK);
    });
    CTipDlg tip(Settings(), m_dir.Path());
    tip.DoModal(m_app->MainWindow());
    script.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::ShowTips), 0) << "the check box was cleared";
}

TEST_F(TipTest, AMissingTipFileSaysSoAndDisablesNavigation)
{
    DialogScript script;
    script.Then(IDC_TIP_NEXT, [](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_TIP_TEXT), "Could not locate the tip file!");
        EXPECT_FALSE(ControlEnabled(dialog, IDC_TIP_NEXT));
        EXPECT_FALSE(ControlEnabled(dialog, IDC_TIP_PREVIOUS));
        Click(dialog, IDOK);
    });
    CTipDlg tip(Settings(), m_dir.Path());
    tip.DoModal(m_app->MainWindow());
    script.ExpectDone();
    EXPECT_TRUE(m_messages.texts.empty()) << "no message box";
}

TEST_F(TipTest, AStartWithTipsOnShowsTheNextTipAfterTheFrameIsUp)
{
    WriteTips(2);
    Settings().SetSetting(Setting::LastTip, -1);
    ShowAndClose("Tip text 0", IDOK);
    EXPECT_EQ(Settings().GetSetting(Setting::LastTip), 0);
    // Tip1 shows at the next start (the shipped file beside the program is read then).
    AutoCloseTips() = true;
    Restart();
    EXPECT_EQ(Settings().GetSetting(Setting::LastTip), 1) << "the start showed the next tip and was closed";
}

TEST_F(TipTest, TheProgramShipsItsTipFile)
{
    const std::string shipped = platform::ProgramDirectory() + "\\" + kTipFileName;
    char tip[300] = "";
    ::GetPrivateProfileStringA("Tips", "Tip0", "", tip, sizeof(tip), shipped.c_str());
    EXPECT_GT(std::string(tip).size(), 20u);
}

// --- Disk commands -----------------------------------------------------------

TEST_F(ToolsTest, EraseOffersNoFixedDriveAndRefusesOne)
{
    platform::DirectoryLister& lister = platform::SystemDirectoryLister();
    ASSERT_EQ(lister.QueryDriveType("C:\\"), platform::DriveType::Fixed);
    EXPECT_FALSE(IsErasableRoot("C:\\", lister));
    EXPECT_TRUE(EraseDrive("C:\\", lister).refused);

    // Without a single diskette drive, the chooser asks, and lists no fixed drive.
    if (SoleRemovableDrive(lister)) GTEST_SKIP() << "this machine has one diskette drive";
    DialogScript script;
    script.Then(IDC_DRIVE_LIST, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Erase Disk");
        HWND list = FindControl(dialog, IDC_DRIVE_LIST);
        EXPECT_EQ(::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>("C:\\")),
                  LB_ERR);
        Click(dialog, IDCANCEL);
    });
    Command(ID_DISK_ERASE);
    script.ExpectDone();
    EXPECT_TRUE(m_messages.texts.empty()) << "nothing was asked";
}

TEST_F(ToolsTest, FormatAndLabelOfferFixedDrives)
{
    DialogScript script;
    script.Then(IDC_DRIVE_LIST, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Label Disk");
        EXPECT_EQ(Text(dialog, IDC_DRIVE_PROMPT), "&Select the disk to label:");
        HWND list = FindControl(dialog, IDC_DRIVE_LIST);
        EXPECT_NE(::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>("C:\\")),
                  LB_ERR);
        Click(dialog, IDCANCEL);
    });
    Command(ID_DISK_LABEL);
    script.ExpectDone();
}

// --- The options sheet -------------------------------------------------------

// A script step is handed the sheet: the top-level dialog that holds the control.
HWND SheetOf(HWND sheet) { return sheet; }

void ShowPage(HWND anyPage, int index)
{
    ::SendMessageA(SheetOf(anyPage), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<std::string> PageTitles(HWND sheet)
{
    std::vector<std::string> titles;
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) titles.push_back(TabText(tabs, i));
    return titles;
}

TEST_F(ToolsTest, OptionsHasFivePagesInOrderAndAltOOpensIt)
{
    DialogScript script;
    script.Then(IDC_OPT_OPEN_FOLDER, [](HWND page) {
        EXPECT_EQ(WindowText(SheetOf(page)), "Options");
        EXPECT_EQ(PageTitles(SheetOf(page)),
                  (std::vector<std::string>{"General", "View", "Folder", "System", "Performance"}));
        Click(SheetOf(page), IDCANCEL);
    });
    // Alt+O as the frame's accelerator table translates it.
    HACCEL keys = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(keys, nullptr);
    MSG key = {m_app->MainWindow(), WM_SYSKEYDOWN, 'O', static_cast<LPARAM>(1) << 29, 0, {}};
    HeldKeys alt({VK_MENU});
    EXPECT_TRUE(::TranslateAcceleratorA(m_app->MainWindow(), keys, &key)) << "Alt+O is a key of the frame";
    script.ExpectDone();
}

TEST_F(ToolsTest, TheExplorerBarsOptionsCommandOpensTheSystemPage)
{
    DialogScript script;
    script.Then(IDC_OPT_PERSONAL_TAB, [&](HWND page) {
        EXPECT_TRUE(::IsWindowVisible(::GetParent(FindControl(page, IDC_OPT_PERSONAL_TAB))));
        EXPECT_EQ(Checked(page, IDC_OPT_PERSONAL_TAB), Settings().GetSetting(Setting::ShowPersonalTab) != 0);
        ClickNow(page, IDC_OPT_TABS_BOTTOM);
        Click(SheetOf(page), IDOK);
    });
    const int before = Settings().GetSetting(Setting::TabsAtBottom);
    Command(ID_EXPLORER_OPTIONS);
    script.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::TabsAtBottom), before ? 0 : 1);
}

TEST_F(ToolsTest, GeneralPageRefusesAMissingStartFolder)
{
    DialogScript script;
    script.Then(IDC_OPT_OPEN_FOLDER, [&](HWND page) {
        if (!Checked(page, IDC_OPT_OPEN_FOLDER)) ClickNow(page, IDC_OPT_OPEN_FOLDER);
        Type(page, IDC_OPT_STARTUP_FOLDER, m_folder.Path("nowhere").c_str());
        Type(page, IDC_OPT_RECENT_COUNT, "7");
        ClickNow(SheetOf(page), IDOK);
        EXPECT_TRUE(::IsWindow(page)) << "the sheet stays open";
        Type(page, IDC_OPT_STARTUP_FOLDER, m_folder.Path().c_str());
        Click(SheetOf(page), IDOK);
    });
    Command(ID_TOOLS_OPTIONS);
    script.ExpectDone();
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], "The chosen folder is invalid!");
    std::string folder;
    Settings().GetTextSetting(Setting::StartupFolder, folder);
    EXPECT_EQ(folder, m_folder.Path());
    EXPECT_EQ(Settings().GetSetting(Setting::RecentFileCount), 7);
}

TEST_F(ToolsTest, TheFolderPageRefreshesAnOpenWindowsList)
{
    Settings().SetSetting(Setting::ShowHiddenFiles, 0);
    m_folder.File("shown.txt");
    m_folder.File("secret.txt", 0, FILE_ATTRIBUTE_HIDDEN);
    CExplorerView* view = OpenView(m_folder.Path());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(RowNames(*view), Names{"shown.txt"});

    DialogScript script;
    script.Then(IDC_OPT_OPEN_FOLDER, [](HWND page) { ShowPage(page, 2); });
    script.Then(IDC_OPT_HIDDEN_FILES, [](HWND page) {
        EXPECT_FALSE(Checked(page, IDC_OPT_HIDDEN_FILES));
        ClickNow(page, IDC_OPT_HIDDEN_FILES);
        Click(SheetOf(page), IDOK);
    });
    Command(ID_TOOLS_OPTIONS);
    script.ExpectDone();
    EXPECT_EQ(Settings().GetSetting(Setting::ShowHiddenFiles), 1);
    ASSERT_TRUE(WaitIdle(*m_window));
    EXPECT_TRUE(PumpUntil([&] { return Sorted(RowNames(*view)) == Names{"secret.txt", "shown.txt"}; }));
}

TEST_F(ToolsTest, TheViewPageAsksAboutAMissingWallpaperAndTurnsItOff)
{
    Settings().SetSetting(Setting::ExplorerMode, 0);
    Settings().SetSetting(Setting::UseWallpaper, 1);
    Settings().SetTextSetting(Setting::Wallpaper, m_folder.Path("gone.bmp"));
    m_messages.answers = {IDNO, IDYES};
    DialogScript script;
    script.Then(IDC_OPT_OPEN_FOLDER, [](HWND page) { ShowPage(page, 1); });
    script.Then(IDC_OPT_USE_WALLPAPER, [](HWND page) {
        EXPECT_TRUE(Checked(page, IDC_OPT_USE_WALLPAPER));
        ClickNow(SheetOf(page), IDOK);
        EXPECT_TRUE(::IsWindow(page)) << "No keeps the page open";
        Click(SheetOf(page), IDOK);
    });
    Command(ID_TOOLS_OPTIONS);
    script.ExpectDone();
    ASSERT_EQ(m_messages.texts.size(), 2u);
    EXPECT_EQ(m_messages.texts[0], ui::LoadString(IDS_WALLPAPER_MISSING));
    EXPECT_EQ(Settings().GetSetting(Setting::UseWallpaper), 0) << "Yes stopped using the file";
}

}  // namespace
