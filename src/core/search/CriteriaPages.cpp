#include "core/search/CriteriaPages.h"

// Core
#include "core/app/ObjectList.h"
#include "core/search/FindTypeList.h"

// Platform
#include "platform/DirectoryLister.h"

// Resources
#include "res/resource.h"

namespace {

struct VariantRow {
    CriteriaSheetVariant variant;
    unsigned captionId;
    FileTypesPageKind fileTypes;
    bool testPages;
};

constexpr VariantRow kVariants[] = {
    {CriteriaSheetVariant::AddCriteria, IDS_ADD_CRITERIA, FileTypesPageKind::WithName, true},
    {CriteriaSheetVariant::EditCriteria, IDS_EDIT_CRITERIA, FileTypesPageKind::WithName, true},
    {CriteriaSheetVariant::AddLocalCriteria, IDS_ADD_LOCAL_CRITERIA, FileTypesPageKind::WithName, true},
    {CriteriaSheetVariant::NewSearch, IDS_NEW_SEARCH, FileTypesPageKind::Plain, true},
    {CriteriaSheetVariant::Properties, IDS_PROPERTIES, FileTypesPageKind::Plain, true},
    {CriteriaSheetVariant::FolderNewSearch, IDS_NEW_SEARCH, FileTypesPageKind::Folders, false},
    {CriteriaSheetVariant::FolderProperties, IDS_PROPERTIES, FileTypesPageKind::Folders, false},
    {CriteriaSheetVariant::Find, IDS_FIND, FileTypesPageKind::Plain, true},
    {CriteriaSheetVariant::FindFolder, IDS_FIND_FOLDER, FileTypesPageKind::Folders, false},
    {CriteriaSheetVariant::SelectByFilter, IDS_SELECT_BY_FILTER, FileTypesPageKind::Filter, true},
    {CriteriaSheetVariant::FilterFolder, IDS_FILTER_FOLDER, FileTypesPageKind::Filter, true},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CriteriaSheetLayout LayoutOf(CriteriaSheetVariant variant)
{
    for (const VariantRow& row : kVariants)
        if (row.variant == variant) return {row.captionId, row.fileTypes, row.testPages};
    return {};
}

std::string LimitText(const std::string& text, std::size_t limit)
{
    return text.size() > limit ? text.substr(0, limit) : text;
}

std::uint32_t ParseCount(const std::string& text, std::uint32_t max)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value >= max) return max;
    }
    return static_cast<std::uint32_t>(value);
}

// --- File Types and Folder Types ---------------------------------------------

FileTypesFields OpenFileTypesPage(const CCondition& criteria, const std::vector<std::string>& history)
{
    FileTypesFields fields;
    fields.name = LimitText(criteria.Name(), kCriteriaNameLimit);
    fields.patterns = criteria.Patterns();
    if (fields.patterns.empty()) fields.patterns = history.empty() ? kDefaultPatterns : history.front();
    fields.patterns = LimitText(fields.patterns, kCriteriaTextLimit);
    fields.folder = criteria.Folder().empty() ? kDefaultLookIn : LimitText(criteria.Folder(), kCriteriaTextLimit);
    fields.includeSubfolders = criteria.IncludeSubfolders();
    fields.localDrives = criteria.SearchLocalDrives();
    return fields;
}

bool IsUsableCriteriaName(const std::string& name) { return !TrimName(name).empty(); }

PageCheck LeaveFileTypesPage(FileTypesFields& fields, platform::DirectoryLister& lister)
{
    fields.folder = TrimName(fields.folder);
    if (fields.folder.empty()) fields.folder = kDefaultLookIn;
    if (!fields.localDrives && !lister.CanEnterFolder(fields.folder))
        return {IDS_FOLDER_INVALID, PageField::LookIn};
    return {};
}

void ApplyFileTypesPage(const FileTypesFields& fields, bool withName, CCondition& criteria,
                        CFindTypeList* history)
{
    std::string patterns = TrimName(fields.patterns);
    if (patterns.empty()) patterns = kDefaultPatterns;
    if (history) history->AddToFront(patterns);
    criteria.SetPatterns(patterns);
    // A page that was not left before OK has not trimmed its folder yet.
    std::string folder = TrimName(fields.folder);
    criteria.SetFolder(folder.empty() ? kDefaultLookIn : folder);
    criteria.SetIncludeSubfolders(fields.includeSubfolders);
    criteria.SetSearchLocalDrives(fields.localDrives);
    if (withName) criteria.SetName(TrimName(LimitText(fields.name, kCriteriaNameLimit)));
}

LookInList MakeLookInList(const std::vector<std::string>& driveRoots, const std::string& localDrivesText)
{
    LookInList list;
    list.entries = driveRoots;
    list.localDrivesIndex = list.entries.size();
    list.entries.push_back(localDrivesText);
    return list;
}

std::string LookInText(const FileTypesFields& fields, const LookInList& list)
{
    return fields.localDrives ? list.entries[list.localDrivesIndex] : fields.folder;
}

int LookInSelection(const FileTypesFields& fields, const LookInList& list)
{
    if (fields.localDrives) return static_cast<int>(list.localDrivesIndex);
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        if (i != list.localDrivesIndex && SameNameNoCase(list.entries[i], fields.folder))
            return static_cast<int>(i);
    return -1;
}

void ChooseLookInEntry(FileTypesFields& fields, const LookInList& list, std::size_t index)
{
    if (index >= list.entries.size()) return;
    fields.localDrives = index == list.localDrivesIndex;
    if (!fields.localDrives) fields.folder = list.entries[index];
}

void TypeLookIn(FileTypesFields& fields, const LookInList& list, const std::string& text)
{
    fields.localDrives = SameNameNoCase(TrimName(text), list.entries[list.localDrivesIndex]);
    if (!fields.localDrives) fields.folder = text;
}

void BrowsedLookIn(FileTypesFields& fields, const std::string& folder)
{
    fields.localDrives = false;
    fields.folder = folder;
}

// --- Size ---------------------------------------------------------------------

SizeFields OpenSizePage(const CCondition& criteria)
{
    SizeFields fields;
    fields.selector = criteria.SizeSelector() < SizeKind::Count ? criteria.SizeSelector() : SizeKind::None;
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        fields.tests[kind] = criteria.Size(kind);
        fields.tests[kind].kind = kind;
        // Values stored beyond what the boxes take open at the boxes' limit.
        if (fields.tests[kind].low > kMaxSizeValue) fields.tests[kind].low = kMaxSizeValue;
        if (fields.tests[kind].high > kMaxSizeValue) fields.tests[kind].high = kMaxSizeValue;
        if (fields.tests[kind].unit != SizeUnit::Megabytes) fields.tests[kind].unit = SizeUnit::Kilobytes;
    }
    return fields;
}

PageCheck LeaveSizePage(SizeFields& fields)
{
    CSizeCondition& smaller = fields.tests[SizeKind::Smaller];
    if (smaller.high == 0) smaller.high = 1;
    const CSizeCondition& between = fields.tests[SizeKind::Between];
    if (fields.selector == SizeKind::Between && between.low >= between.high)
        return {IDS_BETWEEN_INVALID, PageField::BetweenLow};
    return {};
}

void ApplySizePage(const SizeFields& fields, CCondition& criteria)
{
    criteria.SetSizeSelector(fields.selector);
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        const CSizeCondition& from = fields.tests[kind];
        CSizeCondition& to = criteria.Size(kind);
        to.kind = kind;
        to.unit = from.unit;
        if (kind != SizeKind::Smaller) to.low = from.low;
        if (kind == SizeKind::Smaller || kind == SizeKind::Between) to.high = from.high;
    }
}

// --- Date ---------------------------------------------------------------------

CalendarDay DayOfTime(std::int64_t seconds)
{
    return CivilFromDays(FloorDiv(seconds, CDateCondition::kSecondsPerDay));
}

std::int64_t MidnightOf(const CalendarDay& day) { return DaysFromCivil(day) * CDateCondition::kSecondsPerDay; }

bool operator<(const CalendarDay& a, const CalendarDay& b)
{
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

DateFields OpenDatePage(const CCondition& criteria)
{
    const CDateCondition& date = criteria.Date();
    DateFields fields;
    fields.always = date.always != 0;
    fields.whichDate = date.whichDate <= DateField::Accessed ? date.whichDate : DateField::Modified;
    fields.window = date.window <= DateWindow::PreviousDays ? date.window : DateWindow::Between;
    fields.low = DayOfTime(date.lowDate);
    fields.high = DayOfTime(date.highDate);
    fields.months = date.months < kMaxDateCount ? date.months : kMaxDateCount;
    fields.days = date.days < kMaxDateCount ? date.days : kMaxDateCount;
    return fields;
}

DateEnabling ComputeDateEnabling(bool always, std::uint32_t window)
{
    DateEnabling enabling;
    enabling.whichDate = !always;
    enabling.pickers = !always && window == DateWindow::Between;
    enabling.months = !always && window == DateWindow::PreviousMonths;
    enabling.days = !always && window == DateWindow::PreviousDays;
    return enabling;
}

PageCheck LeaveDatePage(const DateFields& fields)
{
    if (!fields.always && fields.window == DateWindow::Between && fields.high < fields.low)
        return {IDS_DATES_REVERSED, PageField::LowDate};
    return {};
}

void ApplyDatePage(const DateFields& fields, CCondition& criteria)
{
    CDateCondition& date = criteria.Date();
    date.always = fields.always ? 1 : 0;
    date.window = fields.window;
    date.whichDate = fields.whichDate;
    date.months = fields.months;
    date.days = fields.days;
    date.lowDate = MidnightOf(fields.low);
    date.highDate = MidnightOf(fields.high);
}

// --- Attributes -----------------------------------------------------------------

AttributeFields OpenAttributesPage(const CCondition& criteria)
{
    const CAttributeCondition& attributes = criteria.Attributes();
    AttributeFields fields;
    fields.allFiles = attributes.allFiles != 0;
    fields.readOnly = attributes.readOnly != 0;
    fields.archive = attributes.archive != 0;
    fields.system = attributes.system != 0;
    fields.hidden = attributes.hidden != 0;
    fields.directory = attributes.directory != 0;
    return fields;
}

void ApplyAttributesPage(const AttributeFields& fields, CCondition& criteria)
{
    CAttributeCondition& attributes = criteria.Attributes();
    attributes.allFiles = fields.allFiles ? 1 : 0;
    attributes.readOnly = fields.readOnly ? 1 : 0;
    attributes.archive = fields.archive ? 1 : 0;
    attributes.system = fields.system ? 1 : 0;
    attributes.hidden = fields.hidden ? 1 : 0;
    attributes.directory = fields.directory ? 1 : 0;
    attributes.RecomputeMask();
}
