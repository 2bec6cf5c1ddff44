#include "core/search/DateCondition.h"

// Platform
#include "platform/System.h"

// Standard library
#include <chrono>

namespace {

bool IsLeap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

unsigned DaysInMonth(std::int64_t year, unsigned month)
{
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

CalendarDay CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const unsigned month = shifted < 10 ? shifted + 3 : shifted - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {year, month, day};
}

std::int64_t DaysFromCivil(const CalendarDay& date)
{
    const std::int64_t year = date.year - (date.month <= 2);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear =
        (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 + date.day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

CDateCondition::CDateCondition() : highDate(Now()) { lowDate = highDate - kSecondsPerDay; }

std::int64_t CDateCondition::Now()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t CDateCondition::MonthsBefore(std::int64_t now, std::uint32_t monthsBack)
{
    const std::int64_t days = FloorDiv(now, kSecondsPerDay);
    const std::int64_t secondOfDay = now - days * kSecondsPerDay;
    CalendarDay date = CivilFromDays(days);
    const std::int64_t monthIndex = date.year * 12 + (date.month - 1) - monthsBack;
    date.year = FloorDiv(monthIndex, 12);
    date.month = static_cast<unsigned>(monthIndex - date.year * 12) + 1;
    const unsigned lastDay = DaysInMonth(date.year, date.month);
    if (date.day > lastDay) date.day = lastDay;
    return DaysFromCivil(date) * kSecondsPerDay + secondOfDay;
}

bool CDateCondition::Matches(std::int64_t modified, std::int64_t created, std::int64_t accessed,
                             std::int64_t now) const
{
    if (always) return true;
    // An unknown date field (never offered by the editor) tests the last write.
    const std::int64_t date = whichDate == DateField::Created    ? created
                              : whichDate == DateField::Accessed ? accessed
                                                                 : modified;
    switch (window) {
    case DateWindow::Between: {
        // The bounds are local calendar midnights; the file's time is UTC.
        const std::int64_t local = platform::LocalCalendarSeconds(date);
        return lowDate <= local && local <= highDate;
    }
    case DateWindow::PreviousMonths: return date >= MonthsBefore(now, months);
    case DateWindow::PreviousDays:
        return date >= now - static_cast<std::int64_t>(days) * kSecondsPerDay;
    default: return true;
    }
}

bool CDateCondition::Matches(std::int64_t modified, std::int64_t created,
                             std::int64_t accessed) const
{
    if (always) return true;
    return Matches(modified, created, accessed, Now());
}
