// Core
#include "core/frame/ReportMenus.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Resources
#include "res/resource.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <string>
#include <vector>

namespace {

constexpr unsigned kFirstRule = 4098;
constexpr unsigned kAddRule = 32928;
constexpr unsigned kFirstReport = 6216;
constexpr unsigned kAddReport = 32933;

std::vector<std::string> Texts(const std::vector<MenuEntry>& entries)
{
    std::vector<std::string> texts;
    for (const MenuEntry& entry : entries)
        texts.push_back(entry.kind == MenuEntry::Kind::Separator ? "-" : entry.text + "=" + std::to_string(entry.command));
    return texts;
}

class ReportMenusTest : public StoreTest {};

TEST_P(ReportMenusTest, OnlyExecutableRulesAreOfferedUnderTheirListIndex)
{
    CRuleList rules(Store());
    struct Row {
        const char* name;
        bool enabled, criteria, copy, show;
    };
    const Row rows[] = {
        {"Disabled", false, true, true, true},
        {"No criteria", true, false, true, true},
        {"Nothing to do or show", true, true, false, false},
        {"Shows", true, true, false, true},
        {"Copies hidden", true, true, true, false},
    };
    for (const Row& row : rows) {
        auto rule = std::make_unique<CRule>(row.name);
        rule->SetEnabled(row.enabled);
        if (row.criteria) rule->AddCriteria(CCondition("C"));
        rule->Copy() = {"C:\\To", static_cast<std::uint8_t>(row.copy)};
        rule->SetShowWindow(row.show);
        rules.AddRule(std::move(rule));
    }
    EXPECT_EQ(Texts(RulePopupItems(rules, kFirstRule, "Add &Rule...", kAddRule)),
              (std::vector<std::string>{"Shows=4101", "Copies hidden=4102", "-", "Add &Rule...=32928"}));

    // Disabling the two leaves the popup empty: its item stays disabled.
    rules.RuleAt(3)->SetEnabled(false);
    rules.RuleAt(4)->SetEnabled(false);
    EXPECT_TRUE(RulePopupItems(rules, kFirstRule, "Add &Rule...", kAddRule).empty());
}

TEST_P(ReportMenusTest, ReportsWithoutCriteriaAreLeftOut)
{
    CReportList reports(Store());
    reports.AddReport(std::make_unique<CReport>("Empty"));
    auto report = std::make_unique<CReport>("Texts");
    report->AddCriteria(CCondition("T"));
    reports.AddReport(std::move(report));
    EXPECT_EQ(Texts(ReportPopupItems(reports, kFirstReport, "Add Re&port...", kAddReport)),
              (std::vector<std::string>{"Texts=6217", "-", "Add Re&port...=32933"}));
    reports.RemoveAt(1, true);
    EXPECT_TRUE(ReportPopupItems(reports, kFirstReport, "Add Re&port...", kAddReport).empty());
}

TEST(SearchPopup, EachQueryWindowKeepsItsOwnCommandsAndNoLoneSeparator)
{
    // The popup as the resource has it.
    std::vector<MenuEntry> all;
    const auto add = [&all](const char* text, unsigned command) {
        MenuEntry entry;
        entry.text = text;
        entry.command = command;
        all.push_back(entry);
    };
    add("New", ID_SEARCH_NEW);
    add("Again", ID_SEARCH_AGAIN);
    add("Report", ID_REPORT_AGAIN);
    add("Update", ID_RULE_UPDATE);
    add("Execute", ID_RULE_EXECUTE);
    all.push_back(MenuEntry::Separator());
    add("ToReports", ID_SEARCH_ADD_TO_REPORTS);
    add("ToPersonal", ID_SEARCH_ADD_TO_PERSONAL);
    add("Original", ID_FILE_FIND_TARGET);
    all.push_back(MenuEntry::Separator());
    add("Properties", ID_SEARCH_PROPERTIES);

    const auto texts = [&all](WindowKind kind) {
        std::string joined;
        for (const MenuEntry& entry : SearchPopupItems(all, kind))
            joined += (entry.kind == MenuEntry::Kind::Separator ? std::string("-") : entry.text) + " ";
        return joined;
    };
    const struct {
        WindowKind kind;
        const char* texts;
    } rows[] = {
        {WindowKind::Search, "New Again - ToReports ToPersonal Original - Properties "},
        {WindowKind::Report, "Report - ToPersonal Original - Properties "},
        {WindowKind::Rule, "Update Execute - ToPersonal Original - Properties "},
        {WindowKind::Folder, ""},
        {WindowKind::Personal, ""},
    };
    for (const auto& row : rows) EXPECT_EQ(texts(row.kind), row.texts) << static_cast<int>(row.kind);

    // A group left empty leaves no separator behind it.
    all.erase(all.begin(), all.begin() + 5);
    EXPECT_EQ(texts(WindowKind::Report), "ToPersonal Original - Properties ");
}

INSTANTIATE_FOR_EVERY_REGISTRY(ReportMenusTest);

}  // namespace
