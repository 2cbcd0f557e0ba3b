#include "mathcore/SumAlgebra.h"
#include "mathcore/FormulaValue.h"
#include "mathcore/TermAlgebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

TEST(FormulaValue, ReadsTermsTheWayTheTermTableDoes)
{
    struct Row
    {
        std::u16string text;
        char16_t variable;
        double at;
        std::optional<double> value;
    };
    const Row rows[] = {
        {u"1/4*n^2(n+1)^2-1*1/2*n(n+1)", u'n', 3, 30.0},
        {u"1/4(n^2(n+1)^2-2*n(n+1))", u'n', 3, 30.0},
        {u"1/4*n(n+1)(nn+n-2)", u'n', 3, 30.0},
        {u"(1/4)*n^2(n+1)^2-(1/2)*n(n+1)", u'n', 2, 6.0},
        {u"3k/2k", u'k', 2, 1.5}, // a divisor takes the whole stretch: 3k/(2k)
        {u"2k^2-0.5", u'k', 3, 17.5},
        {u"-2*-k", u'k', 4, 8.0},
        {u"2^(1+1)k", u'k', 1, 4.0},
        {u"kx", u'k', 1, std::nullopt},
        {u"(k+1", u'k', 1, std::nullopt},
        {u"k+1)", u'k', 1, std::nullopt},
        {u"k/0", u'k', 1, std::nullopt},
        {u"k/(k-1)", u'k', 1, std::nullopt},
        {u"k+", u'k', 1, std::nullopt},
        {u"", u'k', 1, std::nullopt},
        {u"1.2.3", u'k', 1, std::nullopt},
        {u"k^", u'k', 1, std::nullopt},
        {u"*k", u'k', 1, std::nullopt},
    };
    for (const Row &row : rows) {
        const std::optional<double> value = EvaluateFormula(row.text, row.variable, row.at);
        ASSERT_EQ(value.has_value(), row.value.has_value()) << utf8(row.text);
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *row.value) << utf8(row.text);
        }
    }
}

TEST(PowerSums, ClosedFormsEqualTheSumsTheyStandFor)
{
    for (int degree = 0; degree <= 3; ++degree) {
        const std::optional<PowerSumFormula> formula = PowerSumFor(degree);
        ASSERT_TRUE(formula);
        double sum = 0;
        for (int n = 1; n <= 8; ++n) {
            sum += std::pow(n, degree);
            const std::optional<double> closed = EvaluateFormula(formula->closedForm, u'n', n);
            ASSERT_TRUE(closed) << degree;
            EXPECT_DOUBLE_EQ(*closed / formula->divisor, sum) << "degree " << degree << " n " << n;
        }
    }
    EXPECT_EQ(PowerSumFor(2)->closedForm, u"n(n+1)(2n+1)");
    EXPECT_FALSE(PowerSumFor(4));
    EXPECT_FALSE(PowerSumFor(-1));
}

TEST(NormalizeSumInput, MultipliesTheSummandOutIntoMonomials)
{
    struct Row
    {
        std::u16string text;
        int code;
        std::u16string normal;
    };
    const Row rows[] = {
        {u"(k-1)k(k+1)", 0, u"kkk-k"},
        {u"2k+2", 0, u"2k+2"},
        {u"k(k+1)", 0, u"kk+k"},
        {u"-(k+1)(k+2)", 0, u"-kk-3k-2"},
        {u"3-k(k+1)", 0, u"3-kk-k"},
        {u"(2k+4)/2", 0, u"k+2"},
        {u"(k+1)(k+2)(k+3)", 0, u"kkk+6kk+11k+6"},
        {u"((k))", kNestedBracket, u""},
        {u"(k(k))", kNestedBracket, u""},
        {u"k/0", -1, u""},
        {u"1/(k+1)", -1, u""},
    };
    for (const Row &row : rows) {
        std::u16string normal;
        EXPECT_EQ(NormalizeSumInput(row.text, normal), row.code) << utf8(row.text);
        EXPECT_EQ(normal, row.normal) << utf8(row.text);
    }
}

TEST(ExtractCommonFactor, TakesOutWhatEveryTermHoldsAndLeavesOneForAnEmptiedTerm)
{
    struct Row
    {
        std::u16string sum, common, rest;
    };
    const Row rows[] = {
        {u"n^2(n+1)^2-2*n(n+1)", u"n(n+1)", u"n(n+1)-2"},
        {u"n(n+1)+2*n", u"n", u"(n+1)+2"},
        {u"3*n(n+1)+6*n", u"n", u"3(n+1)+6"},
        // Every factor of the second term is common: what is left of it is 1.
        {u"2*n(n+1)+2*n", u"2*n", u"(n+1)+1"},
        {u"(1/2)*n(n+1)", u"(1/2)*n(n+1)", u"1"},
        {u"n^3+n^2", u"n^2", u"n+1"},
        {u"n+2", u"", u"n+2"},
    };
    for (const Row &row : rows) {
        std::u16string common;
        std::u16string rest;
        ExtractCommonFactor(common, row.sum, rest);
        EXPECT_EQ(common, row.common) << utf8(row.sum);
        EXPECT_EQ(rest, row.rest) << utf8(row.sum);
    }
}

TEST(ExpandProduct, RefusesADivisorItWouldHaveToMultiply)
{
    struct Row
    {
        std::u16string term;
        int code;
        std::u16string output;
    };
    const Row rows[] = {
        {u"(k+1)(k+2)(k+3)", 3, u"(kk+3k+2)(k+3)"},
        {u"(k+1)(k)/(k+2)", 3, u"(kk+k)/(k+2)"},
        {u"(a)(b)/(c)", -1, u""},
        {u"/(k+1)", -1, u""},
    };
    for (const Row &row : rows) {
        std::u16string output;
        EXPECT_EQ(ExpandProduct(row.term, output), row.code) << utf8(row.term);
        EXPECT_EQ(output, row.output) << utf8(row.term);
    }
}

} // namespace
