#include "lessons/functions/CoefficientField.h"
#include "lessons/functions/GraphGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(GridStep, FollowsTheLargerTruncatedMagnitude)
{
    struct Row
    {
        double first;
        double second;
        int step;
    };
    const Row rows[] = {
        {0, 0, 2},
        {9.9, -9.9, 2},
        {10, 0, 20},
        {0, -12, 20},
        {99.5, 0, 20},
        {100, 0, 200},
        {0, 1000, 200},
        {1000.9, 0, 200},
        {0, -1500, 2000},
        {1001, 0, 2000},
        // A value that would wrap to 0 in 16 bits still gets the widest step.
        {-65536, 0, 2000},
        {1e12, 3, 2000},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(GridStepFor(TruncatedMagnitude(row.first, row.second)), row.step)
            << row.first << ", " << row.second;
    }
}

TEST(GraphGrid, MapsValuesToPixelsAroundTheOrigin)
{
    const GraphGrid grid(24, 2);
    EXPECT_EQ(grid.row(0), 192);
    EXPECT_EQ(grid.row(3), 156);
    EXPECT_EQ(grid.row(-0.1), 193); // -1.2 pixels truncate toward zero
    EXPECT_EQ(grid.column(-10), 72);
    EXPECT_EQ(grid.row(1e300), 192 - 100000000); // clamped, never undefined
}

TEST(CoefficientField, ReadsIntegersFractionsAndDecimals)
{
    struct Row
    {
        std::u16string text;
        double value;
        int numerator;
        int denominator;
        bool decimal;
        bool wellFormed;
    };
    const Row rows[] = {
        {u"", 0, 0, 1, false, true},          {u"3", 3, 3, 1, false, true},
        {u"-12", -12, -12, 1, false, true},   {u"1/2", 0.5, 1, 2, false, true},
        {u"-3/4", -0.75, -3, 4, false, true}, {u"1/0", 1, 1, 1, false, false},
        {u"3/", 3, 3, 1, false, false},       {u"40000", 40000, 40000, 1, false, true},
        {u"1.5", 1.5, 0, 1, true, true},      {u"-.25", -0.25, 0, 1, true, true},
        {u"+2.5", 2.5, 0, 1, true, true},     {u"1.2.3", 1.2, 0, 1, true, false},
        {u"abc", 0, 0, 1, true, false},       {u"1/-2", 1, 0, 1, true, false},
    };
    for (const Row &row : rows) {
        const CoefficientReading reading = ReadCoefficientText(row.text);
        const std::string name(row.text.begin(), row.text.end());
        EXPECT_DOUBLE_EQ(reading.value, row.value) << name;
        EXPECT_EQ(reading.decimal, row.decimal) << name;
        EXPECT_EQ(reading.wellFormed, row.wellFormed) << name;
        if (!row.decimal) {
            EXPECT_EQ(reading.numerator, row.numerator) << name;
            EXPECT_EQ(reading.denominator, row.denominator) << name;
        }
    }
}

TEST(CoefficientField, AcceptsOnlyWithinTheLimitsAndStoresNothingElse)
{
    struct Row
    {
        std::u16string text;
        CoefficientLimits limits;
        bool accepted;
        double value;
    };
    const CoefficientLimits upTo1000;
    const CoefficientLimits nonZero{CoefficientLimits::kNoMaximum, false};
    const Row rows[] = {
        {u"1000", upTo1000, true, 1000},    {u"1001", upTo1000, false, 7},
        {u"40000", upTo1000, false, 7}, // no wrap into 16 bits before the check
        {u"-9999", upTo1000, true, -9999},  {u"0", nonZero, false, 7},
        {u"40000", nonZero, false, 7}, // beyond the 16-bit fraction members
        {u"2/3", nonZero, true, 2.0 / 3.0}, {u"1/0", upTo1000, false, 7},
    };
    for (const Row &row : rows) {
        double value = 7;
        TypedFraction fraction{5, 6};
        std::int16_t decimalInput = 0;
        const std::string name(row.text.begin(), row.text.end());
        EXPECT_EQ(AcceptCoefficient(row.text, row.limits, value, fraction, decimalInput),
                  row.accepted)
            << name;
        EXPECT_DOUBLE_EQ(value, row.value) << name;
        if (!row.accepted) {
            EXPECT_EQ(fraction.numerator, 5) << name;
            EXPECT_EQ(fraction.denominator, 6) << name;
        }
    }
}

TEST(CoefficientField, ADecimalTextSwitchesToDecimalFormEvenWhenRejected)
{
    double value = 0;
    TypedFraction fraction;
    std::int16_t decimalInput = 0;
    EXPECT_FALSE(AcceptCoefficient(u"1.2.", CoefficientLimits{}, value, fraction, decimalInput));
    EXPECT_EQ(decimalInput, 1);
    decimalInput = 0;
    EXPECT_TRUE(AcceptCoefficient(u"2.5", CoefficientLimits{}, value, fraction, decimalInput));
    EXPECT_EQ(decimalInput, 1);
    EXPECT_EQ(fraction.numerator, 0); // a decimal leaves the typed fraction alone
}

TEST(CoefficientField, LeadingNumbersFollowThePrefixRule)
{
    EXPECT_EQ(LeadingInteger(u"  -42x"), -42);
    EXPECT_EQ(LeadingInteger(u"+7"), 7);
    EXPECT_EQ(LeadingInteger(u"-"), 0);
    EXPECT_EQ(LeadingInteger(u"99999999999"), INT32_MAX);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u" 3.5e"), 3.5);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u"."), 0.0);
    EXPECT_DOUBLE_EQ(LeadingDecimal(u"--1"), 0.0);
}

} // namespace
