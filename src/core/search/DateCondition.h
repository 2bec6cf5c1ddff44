#pragma once
// The date test of a criteria. Held in memory only: every run starts with
// "always".

// Standard library
#include <cstdint>

namespace DateField {
inline constexpr std::uint32_t Modified = 0;
inline constexpr std::uint32_t Created = 1;
inline constexpr std::uint32_t Accessed = 2;
}  // namespace DateField

namespace DateWindow {
inline constexpr std::uint32_t Between = 0;
inline constexpr std::uint32_t PreviousMonths = 1;
inline constexpr std::uint32_t PreviousDays = 2;
}  // namespace DateWindow

// A day of the proleptic Gregorian calendar.
struct CalendarDay {
    std::int64_t year = 1970;
    unsigned month = 1;  // 1..12
    unsigned day = 1;    // 1..31
};

// Civil-date arithmetic on days counted from 1 January 1970.
CalendarDay CivilFromDays(std::int64_t days);
std::int64_t DaysFromCivil(const CalendarDay& date);
// Floor division, so that times before 1970 fall on the right day.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);

class CDateCondition {
public:
    static constexpr std::int64_t kSecondsPerDay = 86400;

    // High date now, low date one day earlier, "always" set.
    CDateCondition();

    // The file's three dates in seconds since 1970, as the listing gives them.
    // `now` is the same kind of reading.
    bool Matches(std::int64_t modified, std::int64_t created, std::int64_t accessed,
                 std::int64_t now) const;
    bool Matches(std::int64_t modified, std::int64_t created, std::int64_t accessed) const;

    static std::int64_t Now();
    // `now` moved back by whole calendar months (UTC), the day clamped to the
    // length of the month it lands in.
    static std::int64_t MonthsBefore(std::int64_t now, std::uint32_t months);

    std::uint32_t whichDate = DateField::Modified;
    std::uint32_t window = DateWindow::Between;
    // Local calendar times counted as seconds since 1970 (a local midnight is
    // a multiple of a day); file times are moved to the local calendar before
    // they are compared with these.
    std::int64_t lowDate = 0;
    std::int64_t highDate = 0;
    std::uint32_t months = 0;
    std::uint32_t days = 0;
    std::uint8_t always = 1;
};
