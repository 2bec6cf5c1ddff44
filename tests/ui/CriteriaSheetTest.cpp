// The criteria sheet in each of its uses: what it opens with, what it
// refuses before a page is left, and what it stores.

// Core
#include "core/search/Condition.h"
#include "core/search/FindTypeList.h"

// Search
#include "ui/search/CriteriaSheet.h"

// Tests
#include "ui/UserDialogDriver.h"

namespace {

using namespace uitest;

std::vector<std::string> TabTexts(HWND sheet)
{
    HWND tabs = PropSheet_GetTabControl(sheet);
    std::vector<std::string> texts;
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) texts.push_back(TabText(tabs, i));
    return texts;
}

int CurrentPage(HWND sheet) { return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet)); }

std::string Text(HWND sheet, int id) { return WindowText(FindControl(sheet, id)); }

bool Checked(HWND sheet, int id)
{
    return ::SendMessageA(FindControl(sheet, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PickDay(HWND sheet, int id, WORD year, WORD month, WORD day)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    ::SendMessageA(FindControl(sheet, id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

class CriteriaSheet : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppTest::SetUp());
        m_messages.Clear();
    }

    // Runs the sheet with the step working in it; gives EditCriteria's answer.
    bool Run(CriteriaSheetVariant variant, CCondition& criteria, DialogScript::Step step,
             const std::string& presetFolder = std::string(), bool* alwaysAddFolders = nullptr)
    {
        DialogScript script;
        script.Then(IDOK, std::move(step));
        const bool ok = EditCriteria(m_app->MainWindow(), variant, criteria, presetFolder, alwaysAddFolders);
        script.ExpectDone();
        return ok;
    }

    void ExpectOneMessage(const char* text)
    {
        ASSERT_EQ(m_messages.texts, std::vector<std::string>{text});
        EXPECT_EQ(m_messages.flags[0] & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        m_messages.Clear();
    }
};

TEST_F(CriteriaSheet, AddingStoresDefaultsForEmptyTextsAndKeepsThePatternsInTheHistory)
{
    m_app->FindTypes()->AddToFront("*.doc");
    CCondition criteria;
    criteria.SetPatterns("");
    ASSERT_TRUE(Run(CriteriaSheetVariant::AddCriteria, criteria, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Add Criteria");
        EXPECT_EQ(TabTexts(sheet), (std::vector<std::string>{"File Types", "Size", "Date", "Attributes"}));
        // An empty criteria opens with the newest history entry and drive C:.
        EXPECT_EQ(Text(sheet, IDC_CRITERIA_PATTERNS), "*.doc");
        EXPECT_EQ(Text(sheet, IDC_CRITERIA_LOOK_IN), "C:\\");
        EXPECT_TRUE(Checked(sheet, IDC_CRITERIA_SUBFOLDERS));
        EXPECT_FALSE(ControlEnabled(sheet, IDOK));  // no name yet
        Type(sheet, IDC_CRITERIA_NAME, " \t ");
        EXPECT_FALSE(ControlEnabled(sheet, IDOK));
        Type(sheet, IDC_CRITERIA_NAME, "  Letters  ");
        EXPECT_TRUE(ControlEnabled(sheet, IDOK));
        Type(sheet, IDC_CRITERIA_PATTERNS, "  ");
        Type(sheet, IDC_CRITERIA_LOOK_IN, "   ");
        ClickNow(sheet, IDC_CRITERIA_SUBFOLDERS);
        Click(sheet, IDOK);
    }));
    EXPECT_EQ(criteria.Name(), "Letters");
    EXPECT_EQ(criteria.Patterns(), "*.*");
    EXPECT_EQ(criteria.Folder(), "C:\\");
    EXPECT_FALSE(criteria.IncludeSubfolders());
    EXPECT_FALSE(criteria.SearchLocalDrives());
    EXPECT_TRUE(m_messages.texts.empty());
    EXPECT_EQ(m_app->FindTypes()->Texts(), (std::vector<std::string>{"*.*", "*.doc"}));
    // The history is kept in its section at once.
    CFindTypeList stored(m_app->Settings());
    stored.LoadAll();
    EXPECT_EQ(stored.Texts(), (std::vector<std::string>{"*.*", "*.doc"}));
}

TEST_F(CriteriaSheet, AFolderThatCannotBeEnteredKeepsThePageAndCancelKeepsTheCriteria)
{
    CCondition criteria("Docs");
    criteria.SetPatterns("*.txt");
    criteria.SetFolder("C:\\");
    EXPECT_FALSE(Run(CriteriaSheetVariant::EditCriteria, criteria, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Edit Criteria");
        EXPECT_EQ(Text(sheet, IDC_CRITERIA_NAME), "Docs");
        Type(sheet, IDC_CRITERIA_NAME, "Renamed");
        Type(sheet, IDC_CRITERIA_LOOK_IN, "C:\\no such folder");
        EXPECT_FALSE(PropSheet_SetCurSel(sheet, nullptr, 1));
        EXPECT_EQ(CurrentPage(sheet), 0);
        ExpectOneMessage("The chosen folder is invalid!");
        Click(sheet, IDCANCEL);
    }));
    EXPECT_EQ(criteria.Name(), "Docs");
    EXPECT_EQ(criteria.Folder(), "C:\\");
    EXPECT_EQ(criteria.Patterns(), "*.txt");
    EXPECT_TRUE(m_app->FindTypes()->Texts().empty());
}

TEST_F(CriteriaSheet, SizePageMendsSmallerThanZeroAndRefusesBetweenFiveAndFive)
{
    CCondition criteria("Sizes");
    ASSERT_TRUE(Run(CriteriaSheetVariant::EditCriteria, criteria, [&](HWND sheet) {
        ASSERT_TRUE(PropSheet_SetCurSel(sheet, nullptr, 1));
        EXPECT_TRUE(Checked(sheet, IDC_SIZE_ALL));
        ClickNow(sheet, IDC_SIZE_SMALLER);
        Type(sheet, IDC_SIZE_SMALLER_VALUE, "0");
        ASSERT_TRUE(PropSheet_SetCurSel(sheet, nullptr, 2));
        EXPECT_EQ(Text(sheet, IDC_SIZE_SMALLER_VALUE), "1");
        EXPECT_TRUE(m_messages.texts.empty());

        ASSERT_TRUE(PropSheet_SetCurSel(sheet, nullptr, 1));
        ClickNow(sheet, IDC_SIZE_BETWEEN);
        Type(sheet, IDC_SIZE_BETWEEN_LOW, "5");
        Type(sheet, IDC_SIZE_BETWEEN_HIGH, "5");
        ::SendMessageA(FindControl(sheet, IDC_SIZE_BETWEEN_UNIT), CB_SETCURSEL, SizeUnit::Megabytes, 0);
        EXPECT_FALSE(PropSheet_SetCurSel(sheet, nullptr, 3));
        EXPECT_EQ(CurrentPage(sheet), 1);
        ExpectOneMessage("The 'Between' edit boxes contain an invalid value!");
        Type(sheet, IDC_SIZE_BETWEEN_HIGH, "6");
        Click(sheet, IDOK);
    }));
    EXPECT_EQ(criteria.SizeSelector(), SizeKind::Between);
    EXPECT_EQ(criteria.Size(SizeKind::Between).low, 5u);
    EXPECT_EQ(criteria.Size(SizeKind::Between).high, 6u);
    EXPECT_EQ(criteria.Size(SizeKind::Between).unit, SizeUnit::Megabytes);
    EXPECT_EQ(criteria.Size(SizeKind::Smaller).high, 1u);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(CriteriaSheet, DatePageAcceptsTheSameDayTwiceRefusesReversedDaysAndTheTickedAttributesAreKept)
{
    CCondition criteria("Dates");
    ASSERT_TRUE(Run(CriteriaSheetVariant::EditCriteria, criteria, [&](HWND sheet) {
        ASSERT_TRUE(PropSheet_SetCurSel(sheet, nullptr, 2));
        ClickNow(sheet, IDC_DATE_FIND);
        ClickNow(sheet, IDC_DATE_DAYS_CHOICE);
        Type(sheet, IDC_DATE_DAYS, "12");
        ClickNow(sheet, IDC_DATE_BETWEEN);
        ::SendMessageA(FindControl(sheet, IDC_DATE_WHICH), CB_SETCURSEL, DateField::Created, 0);
        PickDay(sheet, IDC_DATE_LOW, 2024, 5, 8);
        PickDay(sheet, IDC_DATE_HIGH, 2024, 5, 7);
        EXPECT_FALSE(PropSheet_SetCurSel(sheet, nullptr, 3));
        EXPECT_EQ(CurrentPage(sheet), 2);
        ExpectOneMessage("The first date entry must be before than the second!");
        PickDay(sheet, IDC_DATE_LOW, 2024, 5, 7);
        EXPECT_TRUE(PropSheet_SetCurSel(sheet, nullptr, 3));
        EXPECT_TRUE(m_messages.texts.empty());
        ClickNow(sheet, IDC_ATTR_TYPED);
        ClickNow(sheet, IDC_ATTR_HIDDEN);
        ClickNow(sheet, IDC_ATTR_DIRECTORY);
        Click(sheet, IDOK);
    }));
    const CDateCondition& date = criteria.Date();
    EXPECT_EQ(date.always, 0);
    EXPECT_EQ(date.window, DateWindow::Between);
    EXPECT_EQ(date.whichDate, DateField::Created);
    EXPECT_EQ(date.days, 12u);
    const std::int64_t midnight = 1715040000;  // 2024-05-07 00:00:00
    EXPECT_EQ(date.lowDate, midnight);
    EXPECT_EQ(date.highDate, midnight);
    EXPECT_EQ(criteria.Attributes().allFiles, 0);
    EXPECT_EQ(criteria.Attributes().Mask(), platform::kAttrHidden | platform::kAttrDirectory);
}

TEST_F(CriteriaSheet, FolderModeHasOnlyFolderTypesWithThePresetFolderAndNoHistory)
{
    CCondition criteria;
    criteria.SetFolder("D:\\elsewhere");
    ASSERT_TRUE(Run(CriteriaSheetVariant::FolderNewSearch, criteria, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "New Search");
        EXPECT_EQ(TabTexts(sheet), std::vector<std::string>{"Folder Types"});
        EXPECT_EQ(Text(sheet, IDC_CRITERIA_LOOK_IN), "C:\\windows");
        EXPECT_EQ(FindControl(sheet, IDC_CRITERIA_NAME), nullptr);
        Type(sheet, IDC_CRITERIA_PATTERNS, "sys*");
        // The last entry of the look-in list stands for all local hard drives;
        // chosen as the drop-down list does it.
        HWND box = FindControl(sheet, IDC_CRITERIA_LOOK_IN);
        const int count = static_cast<int>(::SendMessageA(box, CB_GETCOUNT, 0, 0));
        ASSERT_GE(count, 2);
        ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
        ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(IDC_CRITERIA_LOOK_IN, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
        EXPECT_EQ(Text(sheet, IDC_CRITERIA_LOOK_IN), "Local hard drives");
        Click(sheet, IDOK);
    }, "C:\\windows"));
    EXPECT_EQ(criteria.Patterns(), "sys*");
    EXPECT_TRUE(criteria.SearchLocalDrives());
    EXPECT_EQ(criteria.Folder(), "C:\\windows");
    EXPECT_TRUE(m_app->FindTypes()->Texts().empty());
}

TEST_F(CriteriaSheet, FilterPagesShowAndStoreAlwaysAddFolders)
{
    CCondition criteria;
    bool alwaysAddFolders = true;
    ASSERT_TRUE(Run(CriteriaSheetVariant::FilterFolder, criteria, [&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Filter Folder");
        EXPECT_EQ(TabTexts(sheet).size(), 4u);
        EXPECT_TRUE(Checked(sheet, IDC_CRITERIA_ALWAYS_FOLDERS));
        ClickNow(sheet, IDC_CRITERIA_ALWAYS_FOLDERS);
        Type(sheet, IDC_CRITERIA_PATTERNS, "*.bmp");
        Click(sheet, IDOK);
    }, "C:\\", &alwaysAddFolders));
    EXPECT_FALSE(alwaysAddFolders);
    EXPECT_EQ(criteria.Patterns(), "*.bmp");
    EXPECT_EQ(m_app->FindTypes()->Texts(), std::vector<std::string>{"*.bmp"});
}

}  // namespace
