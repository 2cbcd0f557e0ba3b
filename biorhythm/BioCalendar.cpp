#include "biorhythm/BioCalendar.h"

#include "mathcore/NumberText.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::array<int, 12> kDaysPerMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2299;

// Days from 1970-01-01 to the first of a month, counted in 400-year eras of 146097 days with the
// year starting in March, so that the leap day is the last day of the shifted year.
std::int64_t daysFromCivil(std::int64_t year, int month)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool inRange(std::int32_t value, int low, int high)
{
    return value >= low && value <= high;
}

bool isSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeapYear(year)) return 29;
    return kDaysPerMonth[static_cast<std::size_t>(month - 1)];
}

std::int32_t countDaysLived(int birthYear, int birthMonth, int birthDay, int displayYear,
                            int displayMonth)
{
    // The rest of the birth month, then its later months, with February of the birth year.
    std::int32_t count = daysInMonth(birthYear, birthMonth) - birthDay;
    for (int month = birthMonth + 1; month <= 12; ++month)
        count += daysInMonth(birthYear, month);
    for (int year = birthYear + 1; year < displayYear; ++year)
        count += isLeapYear(year) ? 366 : 365;
    // The months of the display year before the display month, with its own February.
    for (int month = 1; month < displayMonth; ++month)
        count += daysInMonth(displayYear, month);
    return count;
}

int weekdayOf(int year, int month, int day)
{
    // 1970-01-01 was a Thursday (4).
    const std::int64_t days = daysFromCivil(year, month) + (day - 1);
    const std::int64_t weekday = (days + 4) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

std::u16string_view weekdayName(int weekday)
{
    static constexpr std::array<std::u16string_view, 7> kNames = {u"Sun", u"Mon", u"Tue", u"Wed",
                                                                  u"Thu", u"Fri", u"Sat"};
    const int index = ((weekday % 7) + 7) % 7;
    return kNames[static_cast<std::size_t>(index)];
}

std::int32_t toInteger32(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i] - u'0'));
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

DateCheck checkChartDates(const std::array<std::u16string_view, 5> &texts)
{
    std::array<std::int32_t, 5> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto field = static_cast<DateField>(i);
        if (CheckDigitsText(texts[i]) != 0) return DateCheck{std::nullopt, field};
        values[i] = toInteger32(texts[i]);
        bool ok = false;
        switch (field) {
        case DateField::BirthYear:
            ok = inRange(values[i], kFirstYear, kLastYear);
            break;
        case DateField::BirthMonth:
        case DateField::DisplayMonth:
            ok = inRange(values[i], 1, 12);
            break;
        case DateField::BirthDay:
            ok = inRange(values[i], 1, 31);
            break;
        case DateField::DisplayYear:
            ok = inRange(values[i], kFirstYear, kLastYear) && values[i] > values[0];
            break;
        }
        if (!ok) return DateCheck{std::nullopt, field};
    }
    ChartDates dates;
    dates.birthYear = values[0];
    dates.birthMonth = values[1];
    dates.birthDay = values[2];
    dates.displayYear = values[3];
    dates.displayMonth = values[4];
    return DateCheck{dates, DateField::BirthYear};
}
