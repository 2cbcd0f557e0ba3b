#include "mathcore/QuadraticText.h"
#include "mathcore/ExactFraction.h"
#include "mathcore/TermTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

std::string narrow(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(TermTable, ReportsAReadingThatWrappedOrWasCut)
{
    struct Row
    {
        std::u16string text;
        bool exact;
    };
    const Row rows[] = {
        {u"-xx/10+x+2", true},
        {u"32767x-32767", true},
        {u"32768x", false},    // the number wraps
        {u"0.0001", true},     // 1/10000
        {u"0.00001", false},   // the decimal denominator 10^5 wraps
        {u"200*200x", false},  // the product wraps
        {u"x/200/200", false}, // so does the divisor
        {u"xxxxxxxx", false},  // letters cut at seven
        {u"1*1*1*1*1*1*1*1*1*1*1*1*1*2x", true},
        {u"1*1*1*1*1*1*1*1*1*1*1*1*1*1*1*2x", false}, // the term is cut at 31 characters
        {std::u16string(20, u'x').replace(1, 18, u"+1+1+1+1+1+1+1+1+1"), true},
    };
    for (const Row &row : rows) {
        TermTable table;
        ParseTermList(row.text, table);
        EXPECT_EQ(table.exact, row.exact) << narrow(row.text);
    }
    std::u16string many;
    for (int i = 0; i < 25; ++i)
        many += u"+1";
    TermTable table;
    EXPECT_EQ(ParseTermList(many, table), kTermSlots);
    EXPECT_FALSE(table.exact); // a 25th term was dropped
}

TEST(QuadraticText, ReadsSumsAndProductsOfBracketsExactly)
{
    using Status = QuadraticReading::Status;
    struct Row
    {
        std::u16string text;
        Status status;
        int degree;
        QuadraticCoefficients c; // {constant, x, xx}, checked when the status is Ok
    };
    const Row rows[] = {
        {u"-xx/10", Status::Ok, 2, {{{0, 1}, {0, 1}, {-1, 10}}}},
        {u"2x+x", Status::Ok, 1, {{{0, 1}, {3, 1}, {0, 1}}}}, // same degree is added
        {u"xx/2+x/3-1/6", Status::Ok, 2, {{{-1, 6}, {1, 3}, {1, 2}}}},
        {u"0.5xx-1.25", Status::Ok, 2, {{{-5, 4}, {0, 1}, {1, 2}}}},
        {u"(x+1)(x+1)", Status::Ok, 2, {{{1, 1}, {2, 1}, {1, 1}}}},
        {u"2(x-3)", Status::Ok, 1, {{{-6, 1}, {2, 1}, {0, 1}}}},
        {u"x(x+1)", Status::Ok, 2, {{{0, 1}, {1, 1}, {1, 1}}}},
        {u"3-(x+1)*(x-1)", Status::Ok, 2, {{{4, 1}, {0, 1}, {-1, 1}}}},
        {u"x*-(x-2)+1", Status::Ok, 2, {{{1, 1}, {2, 1}, {-1, 1}}}},
        {u"x/2(2x+4)", Status::Ok, 2, {{{0, 1}, {2, 1}, {1, 1}}}},
        {u"0xx+x", Status::Ok, 2, {{{0, 1}, {1, 1}, {0, 1}}}},
        {u"", Status::Ok, 0, {}},
        {u"xxx+1", Status::DegreeTooHigh, 3, {}},
        {u"x(x+1)(x+2)", Status::DegreeTooHigh, 3, {}},
        {u"xxxxxxxxxx", Status::DegreeTooHigh, 3, {}},
        {u"32768xx", Status::TooLarge, 2, {}},
        {u"(x+1)x", Status::Unreadable, 0, {}},  // a factor after the bracket
        {u"1/(x+1)", Status::Unreadable, 0, {}}, // a divisor bracket
        {u"((x+1))", Status::Unreadable, 0, {}}, // nested
        {u"(x+1", Status::Unreadable, 0, {}},
        {u"x+()", Status::Unreadable, 0, {}},
        {u"2x(x+1)-(x+1)(x-1)", Status::Ok, 2, {{{1, 1}, {2, 1}, {1, 1}}}},
    };
    for (const Row &row : rows) {
        const QuadraticReading reading = ReadQuadraticText(row.text);
        EXPECT_EQ(reading.status, row.status) << narrow(row.text);
        if (row.status == Status::Ok || row.status == Status::DegreeTooHigh) {
            EXPECT_EQ(reading.degree, row.degree) << narrow(row.text);
        }
        if (row.status == Status::Ok) {
            EXPECT_EQ(reading.coefficients, row.c) << narrow(row.text);
        }
    }
}

TEST(QuadraticText, EvaluatesAndWritesTheCollectedSum)
{
    const QuadraticCoefficients square{{{0, 1}, {0, 1}, {1, 1}}};
    const QuadraticCoefficients mixed{{{-1, 6}, {1, 3}, {1, 2}}};
    EXPECT_EQ(EvaluatePolynomialAt(-2, square), (ExactFraction{4, 1}));
    EXPECT_EQ(EvaluatePolynomialAt(1, mixed), (ExactFraction{2, 3}));
    EXPECT_EQ(EvaluatePolynomialAt(-1, mixed), (ExactFraction{0, 1}));
    const QuadraticCoefficients huge{{{0, 1}, {0, 1}, {kMax / 2, 1}}};
    EXPECT_EQ(EvaluatePolynomialAt(2, huge), std::nullopt);
    EXPECT_EQ(FormatQuadraticSum({{{-3, 1}, {1, 1}, {-1, 1}}}), u"-xx+x-3");
    EXPECT_EQ(FormatQuadraticSum(mixed), u"xx/2+x/3-1/6");
    EXPECT_EQ(FormatQuadraticSum({{{0, 1}, {0, 1}, {2, 1}}}), u"2xx");
    EXPECT_EQ(FormatQuadraticSum({{{1, 1}, {-2, 1}, {1, 1}}}), u"xx-2x+1");
}

TEST(QuadraticText, RandomTextsGiveAStatusAndNeverAWrongDegree)
{
    // Texts of the characters a formula can hold after its check (run under the sanitizers): each
    // gives a status, and what is read as Ok has degree at most 2 and positive denominators.
    constexpr std::u16string_view alphabet = u"x0123456789+-*/().";
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 214013 + 2531011;
        return (state >> 16) & 0x7FFF;
    };
    for (int run = 0; run < 3000; ++run) {
        std::u16string text;
        const int length = 1 + static_cast<int>(next() % 20);
        for (int i = 0; i < length; ++i)
            text += alphabet[next() % alphabet.size()];
        const QuadraticReading reading = ReadQuadraticText(text);
        ASSERT_TRUE(reading.degree >= 0 && reading.degree <= 3) << narrow(text);
        if (reading.status == QuadraticReading::Status::Ok) {
            ASSERT_LE(reading.degree, 2) << narrow(text);
            for (const ExactFraction &c : reading.coefficients)
                ASSERT_GT(c.den, 0) << narrow(text);
        }
    }
}

} // namespace
