#include "biorhythm/BioCalendar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BioCalendar, DaysLivedUpToTheEndOfThePreviousMonth)
{
    struct Row
    {
        int birthYear, birthMonth, birthDay, displayYear, displayMonth;
        std::int32_t expected;
    };
    const Row rows[] = {
        {2000, 12, 31, 2001, 1, 0},
        {2000, 1, 1, 2001, 1, 365},
        // Leap day to March: (29 - 29) + 306 (March to December) + 31 + 28.
        {2000, 2, 29, 2001, 3, 365},
        // 31 April: the birth month contributes -1.
        {2000, 4, 31, 2001, 1, 244},
        {2000, 4, 30, 2001, 1, 245},
        {1901, 1, 1, 1902, 1, 364},
        // A hundred years back: far above the 16-bit range.
        {1925, 6, 15, 2025, 6, 36510},
        {1901, 1, 1, 2299, 12, 145700},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(
            countDaysLived(r.birthYear, r.birthMonth, r.birthDay, r.displayYear, r.displayMonth),
            r.expected)
            << r.birthYear << '-' << r.birthMonth << '-' << r.birthDay << " to " << r.displayYear
            << '-' << r.displayMonth;
    }
}

TEST(BioCalendar, WeekdayBeforeAndAfter1970)
{
    struct Row
    {
        int year, month, day;
        std::u16string_view name;
    };
    const Row rows[] = {
        {1901, 1, 1, u"Tue"},   {1904, 2, 29, u"Mon"}, {1945, 8, 15, u"Wed"}, {1960, 4, 12, u"Tue"},
        {1969, 12, 31, u"Wed"}, {1970, 1, 1, u"Thu"},  {2000, 2, 29, u"Tue"}, {2024, 5, 1, u"Wed"},
        {2299, 12, 31, u"Sun"}, {2000, 4, 31, u"Mon"}, // runs on into 1 May
    };
    for (const Row &r : rows)
        EXPECT_EQ(weekdayName(weekdayOf(r.year, r.month, r.day)), r.name)
            << r.year << '-' << r.month << '-' << r.day;
}

TEST(BioCalendar, FieldChecksStopAtTheFirstBadField)
{
    struct Row
    {
        std::array<std::u16string_view, 5> texts;
        std::optional<DateField> failed; // nullopt: accepted
    };
    const Row rows[] = {
        {{u"1960", u"4", u"12", u"2024", u"5"}, std::nullopt},
        {{u"1901", u"1", u"1", u"1902", u"12"}, std::nullopt},
        {{u"2000", u"4", u"31", u"2030", u"1"}, std::nullopt},
        {{u"2000", u"2", u"29", u"2299", u"12"}, std::nullopt},
        // 67437 and 2^32 + 1901 would wrap into 1901 in 16 or 32 bits.
        {{u"67437", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u"4294969197", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u"1900", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u"", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u"19a0", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u" 1960", u"4", u"12", u"2024", u"5"}, DateField::BirthYear},
        {{u"1960", u"13", u"12", u"2024", u"5"}, DateField::BirthMonth},
        {{u"1960", u"-4", u"12", u"2024", u"5"}, DateField::BirthMonth},
        {{u"1960", u"4", u"0", u"2024", u"5"}, DateField::BirthDay},
        {{u"1960", u"4", u"32", u"2024", u"5"}, DateField::BirthDay},
        {{u"1960", u"4", u"12", u"1960", u"5"}, DateField::DisplayYear},
        {{u"1960", u"4", u"12", u"2300", u"5"}, DateField::DisplayYear},
        {{u"1960", u"4", u"12", u"67538", u"5"}, DateField::DisplayYear},
        {{u"2299", u"1", u"1", u"2299", u"5"}, DateField::DisplayYear},
        {{u"1960", u"4", u"12", u"2024", u""}, DateField::DisplayMonth},
        {{u"1960", u"4", u"12", u"2024", u"13"}, DateField::DisplayMonth},
    };
    for (const Row &r : rows) {
        const DateCheck check = checkChartDates(r.texts);
        const std::string label(r.texts[0].begin(), r.texts[0].end());
        if (!r.failed) {
            EXPECT_TRUE(check.dates.has_value()) << label;
            continue;
        }
        EXPECT_FALSE(check.dates.has_value()) << label;
        EXPECT_EQ(check.failed, *r.failed) << label;
    }
    const DateCheck accepted = checkChartDates({u"1960", u"04", u"12", u"2024", u"5"});
    ASSERT_TRUE(accepted.dates);
    EXPECT_EQ(accepted.dates->birthYear, 1960);
    EXPECT_EQ(accepted.dates->birthMonth, 4);
    EXPECT_EQ(accepted.dates->birthDay, 12);
    EXPECT_EQ(accepted.dates->displayYear, 2024);
    EXPECT_EQ(accepted.dates->displayMonth, 5);
}

} // namespace
