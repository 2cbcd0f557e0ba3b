#include "mathcore/FormulaText.h"

#include <gtest/gtest.h>

#include <string>

TEST(FormulaText, FindClosingParenCountsNestedBracketsAndRefusesOtherStarts)
{
    struct Row
    {
        int index;
        std::u16string_view text;
        int expected;
    };
    const Row rows[] = {
        {0, u"(a(b)c)d", 6}, {2, u"(a(b)c)d", 4}, {0, u"((a)", 4}, {-1, u"(a)", -1},
        {1, u"(a)", -1},     {3, u"(a)", -1},     {0, u"", -1},
    };
    for (const Row &row : rows)
        EXPECT_EQ(FindClosingParen(row.index, row.text), row.expected)
            << row.index << " in " << std::string(row.text.begin(), row.text.end());
}

TEST(FormulaText, RecognisesRootExponentsAndFractions)
{
    EXPECT_TRUE(HasRootExponent(0, u"(3)^(1/2)", 0));
    EXPECT_TRUE(HasRootExponent(0, u"2*x^((1)/2)", 0));
    EXPECT_FALSE(HasRootExponent(0, u"(x)^(2)", 0));
    EXPECT_FALSE(HasRootExponent(0, u"x^2/3", 0));
    EXPECT_FALSE(HasRootExponent(3, u"(3)^(1/2)", 0)); // the '^' lies behind the end
    EXPECT_FALSE(HasRootExponent(0, u"(3)^(1/2)", 4));

    EXPECT_TRUE(IsFractionText(u"1/2"));
    EXPECT_TRUE(IsFractionText(u"a)/b")); // an unmatched ')' leaves the depth at 0
    EXPECT_FALSE(IsFractionText(u"(1/2)"));
    EXPECT_FALSE(IsFractionText(u"x+1"));
}

TEST(FormulaText, StripOuterParensRemovesOnlyAPairEnclosingEverything)
{
    struct Row
    {
        std::u16string text;
        std::u16string expected;
        bool stripped;
    };
    const Row rows[] = {
        {u"(x+1)", u"x+1", true},        {u"((a))", u"(a)", true}, {u"()", u"", true},
        {u"(x)+(y)", u"(x)+(y)", false}, {u"(x", u"(x", false},    {u"x", u"x", false},
    };
    for (const Row &row : rows) {
        std::u16string text = row.text;
        EXPECT_EQ(StripOuterParens(text), row.stripped);
        EXPECT_EQ(text, row.expected);
    }
}

TEST(FormulaText, DropMultiplySignsKeepsOnlySignsBeforeDigits)
{
    EXPECT_EQ(DropMultiplySigns(u"2*x+3*4"), u"2x+3*4");
    EXPECT_EQ(DropMultiplySigns(u"2*(x)*"), u"2(x)");
    EXPECT_EQ(DropMultiplySigns(u"a**2"), u"a*2");
    EXPECT_EQ(DropMultiplySigns(u"x*-y*y"), u"x*-yy");
}

TEST(FormulaText, FindFactorEndSkipsGroupsAndExponents)
{
    struct Row
    {
        std::u16string_view text;
        int start;
        int end;
        int kind;
    };
    const Row rows[] = {
        {u"2*x", 0, 0, 1},        {u"2*x", 2, 2, 1},       {u"(a*b)*c", 0, 4, 1},
        {u"x^(1/2)*y", 0, 6, 3},  {u"x^(2)*y", 0, 4, 1},   {u"x^23*y", 0, 3, 1},
        {u"x_(1*2)y*z", 0, 7, 1}, {u"-(x*2+1)", 0, 7, 1},  {u"2**3", 2, 1, 1},
        {u"a*(b", 2, 3, 1},       {u"(3)^(2/3)", 0, 8, 3},
    };
    for (const Row &row : rows) {
        int end = -99;
        EXPECT_EQ(FindFactorEnd(row.start, row.text, end), row.kind)
            << std::string(row.text.begin(), row.text.end());
        EXPECT_EQ(end, row.end) << std::string(row.text.begin(), row.text.end());
    }
}

TEST(FormulaText, SplitRootNotationReadsBothNotations)
{
    struct Row
    {
        std::u16string_view text;
        bool ok;
        std::u16string_view coefficient, radicand, power, index;
    };
    const Row rows[] = {
        {u"2*(3)^(1/2)", true, u"2", u"(3)", u"1", u"2"},
        {u"(3)^(2/3)", true, u"1", u"(3)", u"2", u"3"},
        {u"-1*x^(1/2)", true, u"-1", u"x", u"1", u"2"},
        {u"(2*(3)^(1/2))^(1/3)", true, u"1", u"(2*(3)^(1/2))", u"1", u"3"},
        {u"5;x+1;2;3", true, u"5", u"x+1", u"2", u"3"},
        {u"1234567890123456789*(3)^(1/2)", true, u"123456789012345", u"(3)", u"1", u"2"},
        {u"5;x+1;2", false, u"5", u"x+1", u"2", u""},
        {u"5;;2;3", false, u"5", u"", u"2", u"3"},
        {u"(3)^(1/)", false, u"1", u"(3)", u"1", u""},
        {u"(3)^2", false, u"1", u"(3)", u"", u""},
        {u"(3)^(12)", false, u"1", u"(3)", u"", u""},
        {u"3", false, u"1", u"", u"", u""},
    };
    for (const Row &row : rows) {
        std::u16string index, radicand, coefficient, power;
        EXPECT_EQ(SplitRootNotation(index, radicand, row.text, coefficient, power), row.ok)
            << std::string(row.text.begin(), row.text.end());
        EXPECT_EQ(coefficient, row.coefficient);
        EXPECT_EQ(radicand, row.radicand);
        EXPECT_EQ(power, row.power);
        EXPECT_EQ(index, row.index);
    }
}
