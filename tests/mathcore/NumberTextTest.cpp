#include "mathcore/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<int> factors(const FactorList &list)
{
    std::vector<int> out;
    for (std::int16_t f : list) {
        if (f == 0) break;
        out.push_back(f);
    }
    return out;
}

std::string narrow(const std::u16string &text)
{
    return std::string(text.begin(), text.end());
}

} // namespace

TEST(NumberText, ValidatorsCheckCharactersOnly)
{
    struct Row
    {
        std::int16_t (*check)(std::u16string_view);
        const char16_t *text;
        int expected;
    };
    const Row rows[] = {
        {CheckDigitsText, u"", 0},
        {CheckDigitsText, u"0123456789", 0},
        {CheckDigitsText, u"-1", -1},
        {CheckDigitsText, u"1２", -1}, // a full-width digit is not a digit
        {CheckSignedIntegerText, u"+12", 0},
        {CheckSignedIntegerText, u"-", 0},
        {CheckSignedIntegerText, u"1-2", -1},
        {CheckSignedIntegerText, u"--1", -1},
        {CheckSignedIntegerText, u"1.5", -1},
        {CheckFractionText, u"-3/4", 2},
        {CheckFractionText, u"3/-4", -1},
        {CheckFractionText, u"3/4/5", -1},
        {CheckFractionText, u"", 0},
        {CheckFractionText, u"12", 0},
        {CheckFractionText, u"/4", 0},
        {CheckFractionText, u"3/", 1},
        {CheckFractionText, u"+3/4", -1},
        {CheckFractionText, u"3.5/4", -1},
        {CheckDecimalText, u"+2.5", 2},
        {CheckDecimalText, u"2.5.1", -1},
        {CheckDecimalText, u"2-", -1},
        {CheckDecimalText, u"-.", 1},
        {CheckDecimalText, u"25", 0},
        {CheckDecimalText, u"2/5", -1},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.check(row.text), row.expected) << narrow(row.text);
}

TEST(NumberText, GcdByRemaindersWithZeroGivingOne)
{
    struct Row
    {
        std::int32_t a, b, expected;
    };
    const Row rows[] = {
        {12, 18, 6},
        {18, 12, 6},
        {-12, 18, 6},
        {7, 13, 1},
        {5, 5, 5},
        {1, 99, 1},
        {0, 5, 1},
        {5, 0, 1},
        {0, 0, 1},
        {-2147483647 - 1, 6, 2},
        {46368, 28657, 1},           // consecutive Fibonacci numbers: the longest remainder chain
        {INT_MIN, INT_MIN, INT_MIN}, // 2^31 does not fit and wraps
    };
    for (const Row &row : rows)
        EXPECT_EQ(Gcd(row.a, row.b), row.expected) << row.a << ", " << row.b;
}

TEST(NumberText, FactorPrimesListsAscendingFactorsUpToTen)
{
    struct Row
    {
        std::int16_t n;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {360, {2, 2, 2, 3, 3, 5}},
        {97, {97}},
        {32749, {32749}},
        {32767, {7, 31, 151}},
        {1024, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {2048, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}}, // stops after ten factors
        {1, {}},
        {0, {}},
        {-12, {}},
    };
    for (const Row &row : rows) {
        FactorList list;
        list.fill(-1);
        EXPECT_EQ(FactorPrimes(row.n, list), static_cast<int>(row.expected.size())) << row.n;
        EXPECT_EQ(factors(list), row.expected) << row.n;
        EXPECT_EQ(list[row.expected.size()], 0) << "terminator after " << row.n;
    }
}

TEST(NumberText, SplitSquareFactorsPairsRunsOfEqualFactors)
{
    struct Row
    {
        std::int16_t n;
        std::vector<int> pairs, singles;
    };
    const Row rows[] = {
        {360, {2, 3}, {2, 5}},       // root 360 = 6 root 10
        {1024, {2, 2, 2, 2, 2}, {}}, // root 1024 = 32
        {12, {2}, {3}},
        {7, {}, {7}},
        {1, {}, {}}, // an empty list gives empty outputs
    };
    for (const Row &row : rows) {
        FactorList list;
        FactorPrimes(row.n, list);
        FactorList pairs;
        FactorList singles;
        pairs.fill(-1);
        singles.fill(-1);
        SplitSquareFactors(list, pairs, singles);
        EXPECT_EQ(factors(pairs), row.pairs) << row.n;
        EXPECT_EQ(factors(singles), row.singles) << row.n;
    }
    // Only the first ten entries are read, even when no terminator follows them.
    FactorList full;
    full.fill(3);
    FactorList pairs;
    FactorList singles;
    SplitSquareFactors(full, pairs, singles);
    EXPECT_EQ(factors(pairs), (std::vector<int>{3, 3, 3, 3, 3}));
    EXPECT_EQ(factors(singles), std::vector<int>{});
}

TEST(NumberText, CommonFactorAndLeastCommonMultiple)
{
    struct Row
    {
        std::int16_t a, b;
        int common, lcm;
    };
    const Row rows[] = {
        {12, 18, 6, 36},     {4, 6, 2, 12},
        {-12, 18, 6, -216}, // negative: no common divisor search, plain product
        {7, 13, 1, 91},      {1, 1, 1, 1},
        {0, 5, 1, 0},        {1024, 3, -2, 3072}, // ten factors are too many
        {512, 2, -2, 512},                        // nine as well
        {256, 2, 2, 256},                         // eight are fine
        {-32768, 2, -2, 0},                       // -65536 wraps to 0
        {256, 255, 1, -256},                      // 65280 wraps to 16 bits
    };
    for (const Row &row : rows) {
        EXPECT_EQ(CommonFactor(row.a, row.b), row.common) << row.a << ", " << row.b;
        EXPECT_EQ(LeastCommonMultiple(row.a, row.b), static_cast<std::int16_t>(row.lcm))
            << row.a << ", " << row.b;
    }
}

TEST(NumberText, FractionArithmeticOnIntegerPairs)
{
    struct ReduceRow
    {
        std::int32_t num, den, outNum, outDen;
    };
    const ReduceRow reduceRows[] = {
        {6, -4, 3, -2}, // the sign stays where it was
        {0, 5, 0, 5},   // zero: unchanged
        {5, 0, 5, 0},   {-10, -15, -2, -3}, {INT_MIN, 2, INT_MIN / 2, 1},
    };
    for (const ReduceRow &row : reduceRows) {
        std::int32_t n = 0;
        std::int32_t d = 0;
        ReduceFraction(row.num, row.den, n, d);
        EXPECT_EQ(n, row.outNum) << row.num << "/" << row.den;
        EXPECT_EQ(d, row.outDen) << row.num << "/" << row.den;
    }

    struct AddRow
    {
        std::int32_t numA, denA, numB, denB;
        int code;
        std::int32_t outNum, outDen;
    };
    const AddRow addRows[] = {
        {1, 2, -1, 2, 0, 0, 1},
        {1, 2, 1, 3, 0, 5, 6},
        {1, 6, 1, 10, 0, 4, 15},
        {1, -2, 1, 3, 0, 1, -6},         // -1/6 with the sign left on the denominator
        {1, 255, 1, 256, 0, 511, 65280}, // a common denominator beyond 16 bits stays exact
        {1, 46341, 1, 46349, 0, 92690, -2147108287}, // 2147859009 wraps only when narrowed
        {1, 0, 1, 2, -1, 0, 0},                      // zero denominator
        {1, 2, 1, 0, -1, 0, 0},
    };
    for (const AddRow &row : addRows) {
        std::int32_t n = 7;
        std::int32_t d = 7;
        EXPECT_EQ(AddFractions(row.denA, row.denB, row.numA, row.numB, n, d), row.code);
        EXPECT_EQ(n, row.outNum) << row.numA << "/" << row.denA << " + " << row.numB << "/"
                                 << row.denB;
        EXPECT_EQ(d, row.outDen) << row.numA << "/" << row.denA << " + " << row.numB << "/"
                                 << row.denB;
    }
}

TEST(NumberText, FractionTexts)
{
    struct Row
    {
        std::int16_t num, den;
        const char16_t *expected;
    };
    const Row rows[] = {
        {6, -4, u"-3/2"},        {4, 2, u"2"},   {0, 5, u"0/5"}, {0, 0, u"0/0"},
        {5, 0, u"5/0"},          {-5, 1, u"-5"}, {3, 4, u"3/4"}, {-32768, 1, u"-32768"},
        {1, -32768, u"-1/3276"}, // "-1/32768" is cut to the seven characters of a fraction text
        {-1, 32767, u"-1/3276"},
    };
    for (const Row &row : rows) {
        std::u16string out = u"old";
        FormatFraction(row.num, row.den, out);
        EXPECT_EQ(out, row.expected) << row.num << "/" << row.den;
    }

    struct SignedRow
    {
        std::int32_t num;
        bool plus;
        std::int32_t den;
        const char16_t *expected;
    };
    const SignedRow signedRows[] = {
        {3, true, 4, u"+3/4"},    {3, false, 1, u" 3"},   {-3, true, 1, u"-3"},
        {-3, false, 1, u"-3"},    {0, true, 1, u"0"},     {0, true, 2, u"0/2"},
        {3, false, -4, u" 3/-4"}, {-3, true, 4, u"-3/4"},
    };
    for (const SignedRow &row : signedRows) {
        std::u16string out;
        FormatSignedFraction(out, row.num, row.plus, row.den);
        EXPECT_EQ(out, row.expected) << row.num << "/" << row.den;
    }
}

TEST(NumberText, ReadIntegerAtForwardsAndBackwards)
{
    struct Row
    {
        const char16_t *text;
        int mode, start, end;
        int result;
        std::int32_t value;
    };
    const Row rows[] = {
        {u"12+34", 0, 0, 5, 2, 12},
        {u"12+34", 0, 2, 5, 5, 34},
        {u"12-34", 0, 2, 5, 5, -34},
        {u"12+34", 1, 0, 5, 2, 34}, // the last number and the index of its sign
        {u"-7", 1, 0, 2, 0, -7},
        {u"7", 1, 0, 1, 0, 7},     // a number that starts the text
        {u"1/2", 1, 0, 3, 1, 2},   // the start of a denominator is its bar
        {u"2*-3", 1, 0, 4, 1, -3}, // a sign after '*' does not start an operand
        {u"x5", 0, 0, 2, 2, 5},    // a letter counts as the digit 0
        {u"", 0, 0, 0, -1, 99},
        {u"+-", 1, 0, 2, -1, 99},
        {u"12", 0, -5, 100, 2, 12}, // the range is clamped to the text
        {u"12", 0, 1, 1, -1, 99},
        {u"99999999999", 0, 0, 11, 11, 1215752191}, // 99999999999 mod 2^32
    };
    for (const Row &row : rows) {
        std::int32_t value = 99;
        EXPECT_EQ(ReadIntegerAt(row.text, value, row.mode, row.start, row.end), row.result)
            << narrow(row.text) << " mode " << row.mode;
        EXPECT_EQ(value, row.value) << narrow(row.text) << " mode " << row.mode;
    }
}

TEST(NumberText, EvaluateFractionSumRewritesTheFirstSum)
{
    struct Row
    {
        const char16_t *text;
        int result;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"1/2+1/3", 1, u"5/6"},  {u"1/2-1/2", 1, u"0"},
        {u"0+1/3", 0, u"1/3"},    {u"-1/2+1/3", 1, u"-1/6"},
        {u"1/3+2/3", 1, u"1"},    {u"2+3+4", 1, u"5+4"}, // one step per call
        {u"1/2+-1/3", 1, u"1/6"}, {u"3", 0, u"3"},       // no operator
        {u"-3", 0, u"-3"},                               // a leading sign is not an operator
        {u"1/0+1", -1, u"1/0+1"},                        // zero denominator: unchanged
        {u"1+2/0", -1, u"1+2/0"}, {u"1+", -1, u"1+"},
        {u"/+1", -1, u"/+1"},
    };
    for (const Row &row : rows) {
        std::u16string text = row.text;
        EXPECT_EQ(EvaluateFractionSum(text), row.result) << narrow(row.text);
        EXPECT_EQ(text, row.expected) << narrow(row.text);
    }
}

TEST(NumberText, EvaluateFractionProductReducesOneStepPerCall)
{
    struct Row
    {
        const char16_t *text;
        int result;
        const char16_t *once;
        const char16_t *twice;
    };
    const Row rows[] = {
        {u"2/3*3/4", 1, u"2/4", u"1/2"},
        {u"3/4", 1, u"3/4", u"3/4"}, // already reduced: passed over
        {u"6/4", 1, u"3/2", u"3/2"},
        {u"x+2*3", 1, u"x+6", u"x+6"},
        {u"x-2*3", 1, u"x-6", u"x-6"},
        {u"2*3", 1, u"6", u"6"},
        {u"1/2/3", 1, u"1/6", u"1/6"},
        {u"3/-4", 1, u"-3/4", u"-3/4"}, // the sign moves to the numerator
        {u"0*5", 0, u"0", u"0"},
        {u"4/2", 1, u"2", u"2"},
        {u"1+2", 0, u"1+2", u"1+2"}, // nothing to multiply
        {u"2/0", -1, u"2/0", u"2/0"},
        {u"1/0*3", -1, u"1/0*3", u"1/0*3"},
        {u"*3", -1, u"*3", u"*3"},
    };
    for (const Row &row : rows) {
        std::u16string text = row.text;
        EXPECT_EQ(EvaluateFractionProduct(text), row.result) << narrow(row.text);
        EXPECT_EQ(text, row.once) << narrow(row.text);
        EvaluateFractionProduct(text);
        EXPECT_EQ(text, row.twice) << narrow(row.text);
    }
}

TEST(NumberText, InTextEvaluatorsKeepTheFormulaCapacity)
{
    // Results longer than what they replace grow the text; it is cut to the formula capacity.
    std::u16string sum = std::u16string(50, u'(') + u"1/99999+1/99998";
    EXPECT_EQ(EvaluateFractionSum(sum), 1);
    EXPECT_EQ(sum.size(), kFormulaTextCapacity);
    EXPECT_EQ(sum.substr(49, 7), u"199997/");

    std::u16string product = std::u16string(60, u'(') + u"99999*99999";
    EXPECT_EQ(EvaluateFractionProduct(product), 1);
    EXPECT_EQ(product.size(), kFormulaTextCapacity);
    EXPECT_EQ(product.substr(59), u"+999"); // the stretch began at a bracket, not at the text start
}
