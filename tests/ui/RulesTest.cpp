// Reports and rules as the user edits and runs them: the managers and the
// report and rule sheet, the Execute Rule popup, rule windows shown and
// hidden, and what their actions leave on disk.

// Core
#include "core/search/ConditionList.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Application
#include "ui/frame/QueryWindow.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/TreeMessages.h"

// Search
#include "ui/search/RuleView.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/ReportTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <set>

namespace {

using namespace uitest;

// The commands of the popup that the Tools menu's "Execute Rule" item has
// become as the menu opens; empty while it is a plain item.
std::set<UINT> ExecuteRuleCommands(HWND frame)
{
    std::set<UINT> commands;
    HMENU popup = OpenedPopup(frame, [](UINT id, const std::string&) { return id == ID_TOOLS_EXECUTE_RULE; });
    for (int k = 0; popup && k < ::GetMenuItemCount(popup); ++k)
        if (const UINT id = ::GetMenuItemID(popup, k); id != 0 && id != static_cast<UINT>(-1)) commands.insert(id);
    return commands;
}

// The page of the report or rule sheet, where its menu commands go.
HWND PageOf(HWND sheet) { return ::GetParent(FindControl(sheet, IDC_REPORT_NAME)); }

std::string ListText(HWND dialog, int listId, int entry)
{
    char text[MAX_PATH] = "";
    ::SendMessageA(FindControl(dialog, listId), LB_GETTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(text));
    return text;
}

// The captions of the windows activated while it lives, and whether the
// rule window titled `hiddenTitle` was visible at any of those moments.
class ActivationRecorder {
public:
    explicit ActivationRecorder(std::string hiddenTitle) : m_hiddenTitle(std::move(hiddenTitle))
    {
        s_active = this;
        m_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~ActivationRecorder()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_active = nullptr;
    }
    ActivationRecorder(const ActivationRecorder&) = delete;
    ActivationRecorder& operator=(const ActivationRecorder&) = delete;

    std::vector<std::string> captions;
    bool hiddenWindowSeen = false;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && s_active) s_active->Activated(reinterpret_cast<HWND>(wParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void Activated(HWND hwnd)
    {
        captions.push_back(WindowText(hwnd));
        if (CBasicWindow* rule = CWindowList::Instance().FindOpenWindow(m_hiddenTitle, WindowKind::Rule))
            hiddenWindowSeen = hiddenWindowSeen || ::IsWindowVisible(rule->Handle());
    }

    inline static ActivationRecorder* s_active = nullptr;
    std::string m_hiddenTitle;
    HHOOK m_hook = nullptr;
};

bool Checked(HWND dialog, int id) { return ::SendMessageA(FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

class RulesTest : public FolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
        // The shell asks nothing of its own: the rule's questions are the ones counted.
        Settings().SetSetting(Setting::ConfirmOperations, 0);
        Rules().DeleteAll();
        Reports().DeleteAll();
    }

    CRuleList& Rules() { return *m_app->Rules(); }
    CReportList& Reports() { return *m_app->Reports(); }

    CRule& AddRule(const std::string& name, const std::string& patterns, bool showWindow)
    {
        auto rule = std::make_unique<CRule>(name);
        rule->AddCriteria(Criteria(name, m_folder.Path(), patterns));
        rule->SetShowWindow(showWindow);
        return *Rules().AddRule(std::move(rule));
    }

    void WaitOperations()
    {
        ASSERT_TRUE(PumpUntil([&] {
            return Frame().RunningThreadList()->Count() == 0 &&
                   !CWindowList::Instance().FindOpenWindow("Hidden Rule", WindowKind::Rule);
        }));
    }

    TempDir m_other;
};

TEST_F(RulesTest, TheRulesManagerDescribesTheSelectionAndEnablingDecidesWhatExecuteRuleOffers)
{
    CRule& shown = AddRule("Shown", "*.txt", true);
    CRule& copier = AddRule("Copier", "*.bmp", false);
    copier.Copy() = {"C:\\Copies", 1};
    Rules().AddRule(std::make_unique<CRule>("No criteria"));
    EXPECT_EQ(ExecuteRuleCommands(m_app->MainWindow()),
              (std::set<UINT>{ID_RULE_FIRST, ID_RULE_FIRST + 1, ID_TOOLS_ADD_RULE}));

    std::vector<std::string> descriptions;
    DialogScript script;
    script.Then(IDC_RULE_DESCRIPTION, [&](HWND manager) {
        EXPECT_EQ(WindowText(manager), "Rules Manager");
        descriptions.push_back(WindowText(FindControl(manager, IDC_RULE_DESCRIPTION)));
        SelectEntries(manager, IDC_MGR_LIST, {1}, true);
        descriptions.push_back(WindowText(FindControl(manager, IDC_RULE_DESCRIPTION)));
        ClickNow(manager, IDC_MGR_DISABLE);
        SelectEntries(manager, IDC_MGR_LIST, {2}, true);
        descriptions.push_back(WindowText(FindControl(manager, IDC_RULE_DESCRIPTION)));
        Click(manager, IDOK);
    });
    Command(ID_TOOLS_RULES_MANAGER);
    script.ExpectDone();
    EXPECT_EQ(descriptions, (std::vector<std::string>{shown.Description(), copier.Description(),
                                                      "Always\r\n===================\r\nDo nothing."}));
    EXPECT_FALSE(Rules().RuleAt(1)->Enabled());
    EXPECT_EQ(ExecuteRuleCommands(m_app->MainWindow()), (std::set<UINT>{ID_RULE_FIRST, ID_TOOLS_ADD_RULE}));
    EXPECT_FALSE(Enabled(ID_RULE_FIRST + 1));

    // Kept across a restart, and enabled again from the manager.
    Restart();
    EXPECT_FALSE(m_app->Rules()->RuleAt(1)->Enabled());
    DialogScript again;
    again.Then(IDC_RULE_DESCRIPTION, [&](HWND manager) {
        SelectEntries(manager, IDC_MGR_LIST, {1}, true);
        ClickNow(manager, IDC_MGR_ENABLE);
        Click(manager, IDOK);
    });
    Command(ID_TOOLS_RULES_MANAGER);
    again.ExpectDone();
    EXPECT_EQ(ExecuteRuleCommands(m_app->MainWindow()),
              (std::set<UINT>{ID_RULE_FIRST, ID_RULE_FIRST + 1, ID_TOOLS_ADD_RULE}));
}

TEST_F(RulesTest, ACriteriaAddedToTwoReportsIsEditedInOneOnlyAndAReportGetsALocalCriteria)
{
    CConditionList& criteria = *m_app->Criteria();
    const int bitmaps = 2;
    ASSERT_EQ(criteria.ConditionAt(bitmaps)->Patterns(), "*.bmp");
    m_messages.answers = {IDYES};  // a report without criteria gets one
    std::string localCaption;
    auto addReport = [](HWND manager) { Click(manager, IDC_MGR_ADD); };
    auto fillSheet = [&](const char* name, bool withCriteria) {
        return [&, name, withCriteria](HWND sheet) {
            Type(sheet, IDC_REPORT_NAME, name);
            if (withCriteria) ::PostMessageA(PageOf(sheet), WM_COMMAND, ID_PAGE_CRITERIA_FIRST + bitmaps, 0);
            Click(sheet, IDOK);
        };
    };
    DialogScript script;
    script.Then(IDC_MGR_LIST, addReport)
        .Then(IDC_REPORT_NAME, fillSheet("One", true))
        .Then(IDC_MGR_LIST, addReport)
        .Then(IDC_REPORT_NAME, fillSheet("Two", true))
        .Then(IDC_MGR_LIST, addReport)
        .Then(IDC_REPORT_NAME, fillSheet("Local", false))
        .Then(IDC_CRITERIA_PATTERNS,
              [&](HWND local) {
                  localCaption = WindowText(local);
                  Type(local, IDC_CRITERIA_NAME, "Mine");
                  Click(local, IDOK);
              })
        // Edit the first report's copy of the criteria.
        .Then(IDC_MGR_LIST,
              [&](HWND manager) {
                  SelectEntries(manager, IDC_MGR_LIST, {0}, true);
                  Click(manager, IDC_MGR_EDIT);
              })
        .Then(IDC_REPORT_NAME,
              [&](HWND sheet) {
                  EXPECT_EQ(ListText(sheet, IDC_REPORT_CRITERIA, 0), "Bitmaps");
                  Click(sheet, IDC_REPORT_EDIT);
              })
        .Then(IDC_CRITERIA_PATTERNS,
              [&](HWND edit) {
                  EXPECT_EQ(WindowText(edit), "Edit Criteria");
                  ::SetWindowTextA(FindControl(edit, IDC_CRITERIA_PATTERNS), "*.png");
                  Click(edit, IDOK);
              })
        .Then(IDC_REPORT_NAME, [&](HWND sheet) { Click(sheet, IDOK); })
        .Then(IDC_MGR_LIST, [&](HWND manager) { Click(manager, IDOK); });
    Command(ID_TOOLS_REPORTS_MANAGER);
    script.ExpectDone();

    ASSERT_EQ(Reports().Count(), 3);
    EXPECT_EQ(Reports().ReportAt(0)->CriteriaAt(0)->Patterns(), "*.png");
    EXPECT_EQ(Reports().ReportAt(1)->CriteriaAt(0)->Patterns(), "*.bmp");
    EXPECT_EQ(criteria.ConditionAt(bitmaps)->Patterns(), "*.bmp");
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_REPORT_NEEDS_CRITERIA)}));
    EXPECT_EQ(localCaption, "Add Local Criteria");
    ASSERT_EQ(Reports().ReportAt(2)->CriteriaCount(), 1);
    EXPECT_EQ(Reports().ReportAt(2)->CriteriaAt(0)->Name(), "Mine");
    EXPECT_EQ(criteria.Count(), 5) << "a local criteria stays out of the criteria list";

    Restart();
    EXPECT_EQ(m_app->Reports()->ReportAt(0)->CriteriaAt(0)->Patterns(), "*.png");
    EXPECT_EQ(m_app->Reports()->ReportAt(1)->CriteriaAt(0)->Patterns(), "*.bmp");
}

TEST_F(RulesTest, ATakenNameIsRefusedAndCancelKeepsAnEditAcceptedEarlier)
{
    AddRule("First", "*.txt", true);
    AddRule("Second", "*.txt", true);
    Rules().SaveAll();
    DialogScript script;
    script.Then(IDC_MGR_LIST, [](HWND manager) { Click(manager, IDC_MGR_EDIT); })
        .Then(IDC_REPORT_NAME,
              [&](HWND sheet) {
                  Type(sheet, IDC_REPORT_NAME, "  second ");
                  Click(sheet, IDOK);
              })
        // Still open after the message: a free name is taken.
        .Then(IDC_REPORT_NAME,
              [&](HWND sheet) {
                  Type(sheet, IDC_REPORT_NAME, "Renamed");
                  Click(sheet, IDOK);
              })
        // The same rule again, changed and cancelled.
        .Then(IDC_MGR_LIST, [](HWND manager) { Click(manager, IDC_MGR_EDIT); })
        .Then(IDC_REPORT_NAME,
              [&](HWND sheet) {
                  EXPECT_EQ(WindowText(FindControl(sheet, IDC_REPORT_NAME)), "Renamed");
                  Type(sheet, IDC_REPORT_NAME, "Thrown away");
                  ClickNow(sheet, IDC_RULE_DELETE);
                  Click(sheet, IDCANCEL);
              })
        .Then(IDC_MGR_LIST, [](HWND manager) {
            EXPECT_EQ(ListText(manager, IDC_MGR_LIST, 0), "Renamed");
            Click(manager, IDOK);
        });
    Command(ID_TOOLS_RULES_MANAGER);
    script.ExpectDone();
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_NAME_EXISTS)}));
    EXPECT_EQ(Rules().RuleAt(0)->Name(), "Renamed");
    EXPECT_FALSE(Rules().RuleAt(0)->Delete().On());
    Restart();
    EXPECT_EQ(m_app->Rules()->RuleAt(0)->Name(), "Renamed");
}

TEST_F(RulesTest, ACancelledPickerUnchecksItsActionAndAChosenFolderIsStored)
{
    m_other.Dir("target");
    const std::string target = m_other.Path("target");
    m_messages.answers = {IDNO};  // keep the rule without criteria
    std::vector<std::string> seen;
    auto pick = [&](bool ok) {
        return [&, ok](HWND dialog) {
            seen.push_back(WindowText(dialog));
            auto* tree = dynamic_cast<CDesktopTree*>(ui::Window::FromHandle(FindControl(dialog, kExplorerTreeId)));
            ASSERT_NE(tree, nullptr);
            ASSERT_TRUE(tree->SelectPath(target));
            Click(dialog, ok ? IDOK : IDCANCEL);
        };
    };
    DialogScript script;
    script.Then(IDC_REPORT_NAME,
                [&](HWND sheet) {
                    EXPECT_EQ(WindowText(sheet), "Add Rule");
                    EXPECT_EQ(WindowText(FindControl(sheet, IDC_RULE_COPY_DEST)), "Destination Not Set");
                    EXPECT_FALSE(ControlEnabled(sheet, IDC_RULE_COPY_DEST));
                    Click(sheet, IDC_RULE_COPY);
                })
        .Then(IDC_OPEN_FOLDER_TABS, pick(false))
        .Then(IDC_REPORT_NAME,
              [&](HWND sheet) {
                  EXPECT_FALSE(Checked(sheet, IDC_RULE_COPY));
                  EXPECT_FALSE(ControlEnabled(sheet, IDC_RULE_COPY_DEST));
                  Click(sheet, IDC_RULE_MOVE);
              })
        .Then(IDC_OPEN_FOLDER_TABS, pick(true))
        .Then(IDC_REPORT_NAME, [&](HWND sheet) {
            EXPECT_TRUE(Checked(sheet, IDC_RULE_MOVE));
            EXPECT_TRUE(ControlEnabled(sheet, IDC_RULE_MOVE_DEST));
            EXPECT_EQ(WindowText(FindControl(sheet, IDC_RULE_MOVE_DEST)), target);
            ClickNow(sheet, IDC_RULE_SHOW_WINDOW);
            Click(sheet, IDOK);
        });
    Command(ID_TOOLS_ADD_RULE);
    script.ExpectDone();
    EXPECT_EQ(seen, (std::vector<std::string>{"Choose Folder", "Choose Folder"}));
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_RULE_NEEDS_CRITERIA)}));
    ASSERT_EQ(Rules().Count(), 1);
    const CRule& rule = *Rules().RuleAt(0);
    EXPECT_EQ(rule.Name(), " Rule0");
    EXPECT_FALSE(rule.Copy().On());
    EXPECT_EQ(rule.Copy().destination, "");
    EXPECT_TRUE(rule.Move().On());
    EXPECT_EQ(rule.Move().destination, target);
    EXPECT_FALSE(rule.ShowWindow());
    Restart();
    EXPECT_EQ(m_app->Rules()->RuleAt(0)->Move().destination, target) << "saved by Add Rule itself";
}

TEST_F(RulesTest, AShownRuleListsOnlyTheTopFolderForAllFilesAndAsksForAnAction)
{
    m_folder.File("a.txt");
    m_folder.Dir("sub");
    m_folder.File("sub\\deep.txt");
    AddRule("Everything", "*.*", true);
    Command(ID_RULE_FIRST);
    auto* window = dynamic_cast<CQueryWindow*>(
        CWindowList::Instance().FindOpenWindow("Everything Rule", WindowKind::Rule));
    ASSERT_NE(window, nullptr);
    auto* view = dynamic_cast<CRuleView*>(window->View());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    ASSERT_TRUE(PumpUntil([&] { return !view->Running() && !window->Running(); }));
    std::set<std::string> paths;
    for (int row = 0; row < view->RowCount(); ++row) paths.insert(view->ItemAt(row)->path);
    EXPECT_EQ(paths, (std::set<std::string>{m_folder.Path("a.txt"), m_folder.Path("sub")}));

    // Without an action Execute asks; No leaves the window as it is.
    m_messages.answers = {IDNO};
    EXPECT_TRUE(ui::QueryCommand(view, ID_RULE_EXECUTE).enabled);
    view->OnCommand(ID_RULE_EXECUTE);
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_RULE_NO_ACTION)}));
    PumpFor(100);
    EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
}

TEST_F(RulesTest, AHiddenRuleCopiesWhatItFoundAfterItsOneQuestion)
{
    m_folder.File("a.txt", 5);
    m_folder.File("b.txt", 7);
    m_folder.File("c.doc");
    m_other.Dir("copies");
    const std::string target = m_other.Path("copies");
    CRule& rule = AddRule("Hidden", "*.txt", false);
    rule.Copy() = {target, 1};
    m_messages.answers = {IDYES};
    const int windowsBefore = Frame().TaskBar().Tabs().Count();
    ActivationRecorder activations("Hidden Rule");
    Command(ID_RULE_FIRST);
    EXPECT_EQ(Frame().TaskBar().Tabs().Count(), windowsBefore);
    WaitOperations();
    EXPECT_EQ(activations.captions, (std::vector<std::string>{"Building File List", WindowText(m_app->MainWindow())}));
    EXPECT_FALSE(activations.hiddenWindowSeen);
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_CONFIRM_COPY_TO) + target + "?"}));
    EXPECT_TRUE(Exists(m_other.Path("copies\\a.txt")));
    EXPECT_TRUE(Exists(m_other.Path("copies\\b.txt")));
    EXPECT_FALSE(Exists(m_other.Path("copies\\c.doc")));
    EXPECT_TRUE(Exists(m_folder.Path("a.txt")));
}

TEST_F(RulesTest, AHiddenRuleWithMoveAndDeleteMovesAndDeletesNothing)
{
    m_folder.File("a.txt", 5);
    m_folder.File("b.txt", 7);
    m_other.Dir("moved");
    const std::string target = m_other.Path("moved");
    CRule& rule = AddRule("Hidden", "*.txt", false);
    rule.Move() = {target, 1};
    rule.Delete().enabled = 1;
    m_messages.answers = {IDYES};
    Command(ID_RULE_FIRST);
    WaitOperations();
    EXPECT_EQ(m_messages.texts, (std::vector<std::string>{ui::LoadString(IDS_CONFIRM_MOVE_TO) + target + "?"}));
    EXPECT_FALSE(Exists(m_folder.Path("a.txt")));
    EXPECT_TRUE(Exists(m_other.Path("moved\\a.txt")));
    EXPECT_TRUE(Exists(m_other.Path("moved\\b.txt")));
}

}  // namespace
