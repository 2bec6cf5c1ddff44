// Reports on real temporary trees: the starter objects of a fresh profile,
// the Tools menu's report popup, and what a report window lists.

// Core
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Application
#include "ui/frame/QueryWindow.h"

// Search
#include "ui/search/ReportView.h"

// Tests
#include "ui/FolderTestSupport.h"
#include "ui/ReportTestSupport.h"
#include "ui/UserDialogDriver.h"

// Standard library
#include <map>
#include <set>

namespace {

using namespace uitest;

// The popup the Tools menu's "Create Report" item has become, filled as the
// menu opens; null when the item is still a plain one.
HMENU ReportsPopup(HWND frame)
{
    return OpenedPopup(frame, [](UINT id, const std::string&) { return id == ID_TOOLS_CREATE_REPORT; });
}

// The Edit menu's Search popup as it is for the active window, and whether
// its item is enabled.
HMENU SearchPopup(HWND frame, bool& enabled)
{
    HMENU parent = nullptr;
    int position = -1;
    HMENU popup = OpenedPopup(frame, [](UINT, const std::string& text) { return text == "Searc&h"; }, &parent, &position);
    enabled = popup && !(::GetMenuState(parent, static_cast<UINT>(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
    return popup;
}

// Command → text of the popup's items.
std::map<UINT, std::string> Items(HMENU popup)
{
    std::map<UINT, std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        char text[MAX_PATH] = "";
        ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT id = ::GetMenuItemID(popup, i);
        if (id != 0) items[id] = text;
    }
    return items;
}

class ReportWindowTest : public FolderTest {};

TEST_F(ReportWindowTest, AFreshProfileHasAReportPerStarterCriteriaAndTheZeroSizedRule)
{
    CReportList& reports = *m_app->Reports();
    ASSERT_EQ(reports.Count(), 5);
    EXPECT_EQ(reports.ReportAt(0)->Name(), "Big Files");
    EXPECT_EQ(reports.ReportAt(4)->Name(), "Zero Sized Files");
    ASSERT_EQ(reports.ReportAt(2)->CriteriaCount(), 1);
    EXPECT_EQ(reports.ReportAt(2)->CriteriaAt(0)->Patterns(), "*.bmp");
    CRuleList& rules = *m_app->Rules();
    ASSERT_EQ(rules.Count(), 1);
    EXPECT_EQ(rules.RuleAt(0)->Name(), "Display Zero Sized Files - No Action");
    EXPECT_EQ(rules.RuleAt(0)->CriteriaAt(0)->Name(), "Zero Sized Files");

    // They are in the store, not only in memory.
    Restart();
    EXPECT_EQ(m_app->Reports()->Count(), 5);
    EXPECT_EQ(m_app->Rules()->Count(), 1);
}

TEST_F(ReportWindowTest, TheMenuOpensAReportWhoseOverlappingCriteriaListAFileOnce)
{
    m_folder.File("a.txt", 10);
    m_folder.File("b.doc");
    m_folder.Dir("sub");
    m_folder.File("sub\\c.txt");
    auto report = std::make_unique<CReport>("Overlap");
    report->AddCriteria(Criteria("Texts", m_folder.Path(), "*.txt"));
    report->AddCriteria(Criteria("Names", m_folder.Path(), "a.*,b.*"));
    ASSERT_NE(m_app->Reports()->AddReport(std::move(report)), nullptr);
    m_app->Reports()->AddReport(std::make_unique<CReport>("Without criteria"));

    HMENU popup = ReportsPopup(m_app->MainWindow());
    ASSERT_NE(popup, nullptr);
    const std::map<UINT, std::string> items = Items(popup);
    EXPECT_EQ(items.at(ID_REPORT_FIRST + 5), "Overlap");
    EXPECT_EQ(items.count(ID_REPORT_FIRST + 6), 0u) << "a report without criteria is not offered";
    EXPECT_EQ(items.count(ID_TOOLS_ADD_REPORT), 1u);
    EXPECT_TRUE(Enabled(ID_REPORT_FIRST + 5));

    Command(ID_REPORT_FIRST + 5);
    auto* window = dynamic_cast<CQueryWindow*>(
        CWindowList::Instance().FindOpenWindow("Overlap Report", WindowKind::Report));
    ASSERT_NE(window, nullptr);
    auto* view = dynamic_cast<CReportView*>(window->View());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !view->Running() && !window->Running(); }));

    std::multiset<std::string> paths;
    for (int row = 0; row < view->RowCount(); ++row) paths.insert(view->ItemAt(row)->path);
    EXPECT_EQ(paths, (std::multiset<std::string>{m_folder.Path("a.txt"), m_folder.Path("b.doc"),
                                                 m_folder.Path("sub\\c.txt")}));
    EXPECT_TRUE(m_messages.texts.empty());

    // The window searches its own copy: the list's report may change meanwhile.
    m_app->Reports()->ReportAt(5)->CriteriaAt(0)->SetPatterns("*.none");
    EXPECT_EQ(view->Report().CriteriaAt(0)->Patterns(), "*.txt");

    // The Search popup offers what a report window does, and each item works.
    view->OnCommand(ID_EDIT_SELECT_ALL);
    bool enabled = false;
    HMENU search = SearchPopup(m_app->MainWindow(), enabled);
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(enabled);
    std::set<UINT> commands;
    for (const auto& item : Items(search)) {
        commands.insert(item.first);
        EXPECT_TRUE(Enabled(item.first)) << item.second << " is offered but does nothing";
    }
    for (UINT command : {ID_REPORT_AGAIN, ID_FILE_FIND_TARGET, ID_SEARCH_PROPERTIES})
        EXPECT_EQ(commands.count(command), 1u) << command;
    // Adding to a personal folder is offered once something carries it out.
    commands.erase(ID_SEARCH_ADD_TO_PERSONAL);
    EXPECT_EQ(commands.size(), 3u);

    // "Properties..." edits the window's copy, whose name stays fixed, and
    // "Report Again" searches with it; the list's report keeps both criteria.
    std::string caption;
    bool nameReadOnly = false;
    DialogScript script;
    script.Then(IDC_REPORT_NAME, [&](HWND sheet) {
        caption = WindowText(sheet);
        nameReadOnly = ::GetWindowLongA(FindControl(sheet, IDC_REPORT_NAME), GWL_STYLE) & ES_READONLY;
        SelectEntries(sheet, IDC_REPORT_CRITERIA, {1}, true);
        ClickNow(sheet, IDC_REPORT_DELETE);
        Click(sheet, IDOK);
    });
    Command(ID_SEARCH_PROPERTIES);
    script.ExpectDone();
    EXPECT_EQ(caption, "Properties");
    EXPECT_TRUE(nameReadOnly);
    EXPECT_EQ(view->Report().CriteriaCount(), 1);
    EXPECT_EQ(m_app->Reports()->ReportAt(5)->CriteriaCount(), 2);
    Command(ID_REPORT_AGAIN);
    ASSERT_TRUE(PumpUntil([&] { return !view->Running() && !window->Running(); }));
    paths.clear();
    for (int row = 0; row < view->RowCount(); ++row) paths.insert(view->ItemAt(row)->path);
    EXPECT_EQ(paths, (std::multiset<std::string>{m_folder.Path("a.txt"), m_folder.Path("sub\\c.txt")}));

    // Without a query window the popup has nothing to offer.
    ::SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([] { return CWindowList::Instance().Active() == nullptr; }));
    search = SearchPopup(m_app->MainWindow(), enabled);
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(::GetMenuItemCount(search), 0);
    EXPECT_FALSE(enabled);
}

TEST_F(ReportWindowTest, WithoutAReportHoldingCriteriaTheItemStaysPlainAndDisabled)
{
    for (int i = m_app->Reports()->Count() - 1; i >= 0; --i) m_app->Reports()->RemoveAt(i, true);
    m_app->Reports()->AddReport(std::make_unique<CReport>("Empty"));
    EXPECT_EQ(ReportsPopup(m_app->MainWindow()), nullptr);
    const UINT state = ::GetMenuState(::GetMenu(m_app->MainWindow()), ID_TOOLS_CREATE_REPORT, MF_BYCOMMAND);
    ASSERT_NE(state, static_cast<UINT>(-1));
    EXPECT_TRUE(state & MF_GRAYED);
}

}  // namespace
