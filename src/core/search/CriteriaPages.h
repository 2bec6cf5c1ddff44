#pragma once
// What the pages of the criteria sheet do without their windows: which pages
// and caption a sheet has, the values a page shows when it opens, its checks
// when it is left and what OK writes back into the criteria.

// Core
#include "core/search/Condition.h"

// Standard library
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFindTypeList;

namespace platform {
class DirectoryLister;
}

inline constexpr std::size_t kCriteriaTextLimit = 260;  // patterns and folder
inline constexpr std::size_t kCriteriaNameLimit = 50;
inline constexpr char kDefaultPatterns[] = "*.*";
inline constexpr char kDefaultLookIn[] = "C:\\";
// The spin buttons of the date page.
inline constexpr std::uint32_t kMaxDateCount = 99;
// The spin buttons of the size page take signed 32-bit positions.
inline constexpr std::uint32_t kMaxSizeValue = 2147483647;

// Where the sheet is opened from; each has its caption and its pages.
enum class CriteriaSheetVariant {
    AddCriteria,       // Criteria Manager, add
    EditCriteria,      // Criteria Manager, or a report's or rule's criteria
    AddLocalCriteria,  // a criteria that belongs to one report or rule
    NewSearch,         // search view
    Properties,        // search view
    FolderNewSearch,   // search view in folder mode
    FolderProperties,
    Find,              // Edit menu
    FindFolder,
    SelectByFilter,    // files view
    FilterFolder,
};

enum class FileTypesPageKind {
    Plain,    // patterns with their history, look-in, sub-folders
    WithName, // the same and the criteria's name
    Folders,  // folder patterns without a history
    Filter,   // the plain page and "Always Add Fo&lders"
};

struct CriteriaSheetLayout {
    unsigned captionId = 0;
    FileTypesPageKind fileTypes = FileTypesPageKind::Plain;
    bool testPages = true;  // Size, Date and Attributes follow
};

CriteriaSheetLayout LayoutOf(CriteriaSheetVariant variant);

// The control a failed check selects.
enum class PageField { None, LookIn, BetweenLow, LowDate };

// The outcome of leaving a page: a message (string id, stop icon) and the
// field to select, or nothing to say.
struct PageCheck {
    unsigned messageId = 0;
    PageField field = PageField::None;
    bool Passed() const { return messageId == 0; }
};

// Cuts a text to `limit` characters, as the page's controls would.
std::string LimitText(const std::string& text, std::size_t limit);
// A typed number: leading blanks skipped, digits read up to the first other
// character, at most `max`; no digits give 0.
std::uint32_t ParseCount(const std::string& text, std::uint32_t max);

// --- File Types and Folder Types ---------------------------------------------

struct FileTypesFields {
    std::string name;
    std::string patterns;
    // The last folder typed, chosen or browsed; kept while the local drives
    // entry is chosen, so that choosing a drive again is not needed.
    std::string folder;
    bool includeSubfolders = true;
    bool localDrives = false;
};

// `history` is the find types list, newest first (empty for Folder Types).
FileTypesFields OpenFileTypesPage(const CCondition& criteria, const std::vector<std::string>& history);
// The sheet's OK is allowed only for a name that is more than white space.
bool IsUsableCriteriaName(const std::string& name);
// Trims the folder ("" becomes "C:\") and, unless all local drives are
// searched, asks whether the folder can be entered.
PageCheck LeaveFileTypesPage(FileTypesFields& fields, platform::DirectoryLister& lister);
// OK: trimmed patterns ("" becomes "*.*") go to the criteria and to the head
// of `history` when one is given; the folder, trimmed ("" becomes "C:\"), and
// both flags; the trimmed name when the page has one.
void ApplyFileTypesPage(const FileTypesFields& fields, bool withName, CCondition& criteria,
                        CFindTypeList* history);

// The look-in box: the drives, then the entry for all local hard drives.
struct LookInList {
    std::vector<std::string> entries;
    std::size_t localDrivesIndex = 0;
};

LookInList MakeLookInList(const std::vector<std::string>& driveRoots, const std::string& localDrivesText);
// The text the box shows: the local drives entry while its flag is set.
std::string LookInText(const FileTypesFields& fields, const LookInList& list);
// The entry of the list that the box selects, or none (-1) for another text.
int LookInSelection(const FileTypesFields& fields, const LookInList& list);
// Choosing the local drives entry sets the flag; any other entry clears it
// and becomes the folder.
void ChooseLookInEntry(FileTypesFields& fields, const LookInList& list, std::size_t index);
// Typed text: the local drives entry's own text (any case) counts as choosing
// it; every other text is a folder.
void TypeLookIn(FileTypesFields& fields, const LookInList& list, const std::string& text);
void BrowsedLookIn(FileTypesFields& fields, const std::string& folder);

// --- Size ---------------------------------------------------------------------

struct SizeFields {
    std::uint32_t selector = SizeKind::None;
    // Entry N is the test of kind N; entry 0 is never used.
    std::array<CSizeCondition, SizeKind::Count> tests;
};

// A selector outside 0..4 (a damaged record) opens as "&All files".
SizeFields OpenSizePage(const CCondition& criteria);
// A smaller-than value of 0 becomes 1; with "&Between" chosen, a lower value
// not below the upper one is refused.
PageCheck LeaveSizePage(SizeFields& fields);
// The selector, and of each test only the values that test uses.
void ApplySizePage(const SizeFields& fields, CCondition& criteria);

// --- Date ---------------------------------------------------------------------

// Dates are local calendar readings counted as seconds since 1970.
CalendarDay DayOfTime(std::int64_t seconds);
std::int64_t MidnightOf(const CalendarDay& day);
bool operator<(const CalendarDay& a, const CalendarDay& b);

struct DateFields {
    bool always = true;
    std::uint32_t whichDate = DateField::Modified;
    std::uint32_t window = DateWindow::Between;
    CalendarDay low;
    CalendarDay high;
    std::uint32_t months = 0;
    std::uint32_t days = 0;
};

struct DateEnabling {
    bool whichDate = false;  // the which-date list and the three window choices
    bool pickers = false;
    bool months = false;
    bool days = false;
};

// Values outside what the page offers open as its first choice or its limit.
DateFields OpenDatePage(const CCondition& criteria);
DateEnabling ComputeDateEnabling(bool always, std::uint32_t window);
// Refuses a first date after the second ("&between" chosen); the same day twice passes.
PageCheck LeaveDatePage(const DateFields& fields);
// Both dates at midnight of their day.
void ApplyDatePage(const DateFields& fields, CCondition& criteria);

// --- Attributes -----------------------------------------------------------------

struct AttributeFields {
    bool allFiles = true;
    bool readOnly = false;
    bool archive = false;
    bool system = false;
    bool hidden = false;
    bool directory = false;
};

AttributeFields OpenAttributesPage(const CCondition& criteria);
// The six flags, then the mask derived from them.
void ApplyAttributesPage(const AttributeFields& fields, CCondition& criteria);
