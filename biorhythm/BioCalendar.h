#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Calendar arithmetic of the biorhythm chart, on the proleptic Gregorian calendar and without the
// C library's time functions, so that any year from 1901 to 2299 gives the right answer.

/// Divisible by 4 and not by 100, or divisible by 400.
bool isLeapYear(int year);

/// Days of `month` (1..12) in `year`: 31, 28 or 29, 31, 30, ...; 0 for a month outside 1..12.
int daysInMonth(int year, int month);

/// Days lived from the birth date to the last day of the month before the display month: the rest
/// of the birth month, the months after it, the whole years between, and the months of the display
/// year before the display month. A birth day beyond the end of its month counts negatively (31 in
/// a 30-day month gives -1 for that month). The display year must be later than the birth year.
std::int32_t countDaysLived(int birthYear, int birthMonth, int birthDay, int displayYear,
                            int displayMonth);

/// Weekday of a date, 0 = Sunday .. 6 = Saturday. A day beyond the end of its month runs on into
/// the next month (31 April is 1 May).
int weekdayOf(int year, int month, int day);

/// "Sun", "Mon", ... "Sat" for 0..6 (taken modulo 7).
std::u16string_view weekdayName(int weekday);

/// Base-10 conversion of a field text in 32 bits: leading white space, an optional sign and the
/// digits up to the first other character (no digits gives 0). Values beyond the 32-bit range
/// saturate, so a long text can never wrap into an accepted value.
std::int32_t toInteger32(std::u16string_view text);

/// The five inputs of the chart, in the order they are read and checked.
enum class DateField
{
    BirthYear,
    BirthMonth,
    BirthDay,
    DisplayYear,
    DisplayMonth
};

/// The dates of one chart, after their checks.
struct ChartDates
{
    int birthYear = 0;
    int birthMonth = 0;
    int birthDay = 0;
    int displayYear = 0;
    int displayMonth = 0;
};

/// Capacity in characters of each field, in `DateField` order.
constexpr std::array<int, 5> kDateFieldCapacity = {6, 2, 2, 6, 2};

/// Checks the five field texts in order: digits only (an empty text counts as 0), birth year 1901
/// to 2299, birth month 1 to 12, birth day 1 to 31 whatever the month, display year up to 2299 and
/// later than the birth year, display month 1 to 12. Returns the dates, or the first field that
/// fails.
struct DateCheck
{
    std::optional<ChartDates> dates;
    DateField failed = DateField::BirthYear;
};
DateCheck checkChartDates(const std::array<std::u16string_view, 5> &texts);
