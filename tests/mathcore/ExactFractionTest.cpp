#include "mathcore/ExactFraction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(ExactFraction, AddsAndMultipliesExactlyBeyondSixteenBitsAndRefusesOverflow)
{
    struct Row
    {
        ExactFraction a, b;
        std::optional<ExactFraction> sum, product;
    };
    const Row rows[] = {
        // lcm(998, 999) = 997002 does not fit 16 bits.
        {{1, 998}, {1, 999}, ExactFraction{1997, 997002}, ExactFraction{1, 997002}},
        {{1, 2}, {-1, 2}, ExactFraction{0, 1}, ExactFraction{-1, 4}},
        {{0, 5}, {3, 4}, ExactFraction{3, 4}, ExactFraction{0, 1}},
        {{2, 3}, {3, 4}, ExactFraction{17, 12}, ExactFraction{1, 2}},
        {{1, 6}, {1, 10}, ExactFraction{4, 15}, ExactFraction{1, 60}},
        {{2, 3}, {9, 4}, ExactFraction{35, 12}, ExactFraction{3, 2}},
        // A fraction as typed comes out reduced.
        {{2, 4}, {1, 2}, ExactFraction{1, 1}, ExactFraction{1, 4}},
        {{0, 1}, {kMax, 1}, ExactFraction{kMax, 1}, ExactFraction{0, 1}},
        {{kMax, 1}, {1, 1}, std::nullopt, ExactFraction{kMax, 1}},
        // -2^63 has no positive counterpart and is refused as a result.
        {{-kMax, 1}, {-1, 1}, std::nullopt, ExactFraction{kMax, 1}},
        {{kMax / 2 + 1, 1}, {kMax / 2 + 1, 1}, std::nullopt, std::nullopt},
        // The common denominator does not fit.
        {{1, kMax}, {1, kMax - 1}, std::nullopt, std::nullopt},
        // Cross-reduced before multiplying, so the product fits.
        {{kMax, 2}, {2, 1}, std::nullopt, ExactFraction{kMax, 1}},
        {{kMax, 1}, {2, 1}, std::nullopt, std::nullopt},
    };
    for (const Row &row : rows) {
        const auto label = testing::Message() << row.a.num << "/" << row.a.den << " and "
                                              << row.b.num << "/" << row.b.den;
        EXPECT_EQ(AddExact(row.a, row.b), row.sum) << label;
        EXPECT_EQ(MultiplyExact(row.a, row.b), row.product) << label;
    }
}

TEST(ExactFraction, MakingMovesTheSignAndRefusesZeroDenominatorsWhileReducingLeavesZeroPartsAlone)
{
    struct MakeRow
    {
        std::int64_t num, den;
        std::optional<ExactFraction> made;
    };
    const MakeRow made[] = {
        {6, -4, ExactFraction{-3, 2}}, {-3, -6, ExactFraction{1, 2}}, {0, -7, ExactFraction{0, 1}},
        {5, 0, std::nullopt},          {kMin, 1, std::nullopt},       {1, kMin, std::nullopt},
    };
    for (const MakeRow &row : made)
        EXPECT_EQ(MakeExactFraction(row.num, row.den), row.made) << row.num << "/" << row.den;

    struct ReduceRow
    {
        ExactFraction in, out;
    };
    const ReduceRow reduced[] = {
        {{0, 4}, {0, 4}},
        {{-6, 4}, {-3, 2}},
        {{6, -4}, {3, -2}},
        {{5, 0}, {5, 0}},
    };
    for (const ReduceRow &row : reduced)
        EXPECT_EQ(ReduceExactFraction(row.in), row.out) << row.in.num << "/" << row.in.den;

    EXPECT_EQ(CheckedLeastCommonMultiple(4, 6), 12);
    EXPECT_EQ(CheckedLeastCommonMultiple(0, 6), std::nullopt);
    EXPECT_EQ(CheckedLeastCommonMultiple(-4, 6), std::nullopt);
    EXPECT_EQ(CheckedLeastCommonMultiple(kMax, kMax - 1), std::nullopt);

    EXPECT_TRUE(FitsInt16({-32768, 32767}));
    EXPECT_FALSE(FitsInt16({32768, 1}));
    EXPECT_FALSE(FitsInt16({1, 40000}));
}

TEST(ExactFraction, WritesReducedFractionsWithZeroAsZeroAndOtherFractionsAsTheyStand)
{
    struct Row
    {
        std::int64_t num, den;
        std::u16string text;
    };
    constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();
    const Row reduced[] = {
        {0, 4, u"0"},
        {0, -5, u"0"},
        {6, -4, u"-3/2"},
        {4, 2, u"2"},
        {-3, -4, u"3/4"},
        {32767, -65535, u"-32767/65535"},
        {INT64_C(2147483648), 3, u"2147483648/3"},
        {kIntMin, -1, u"2147483648"},
        {kIntMin, kIntMin, u"1"},
        {5, 0, u"5/0"},
    };
    for (const Row &row : reduced)
        EXPECT_EQ(FormatReducedFraction(row.num, row.den), row.text) << row.num << '/' << row.den;

    const Row asTheyStand[] = {
        {-11, 1, u"-11"},
        {0, 2, u"0/2"},
        {2, 4, u"2/4"},
        {INT64_C(5000000000), 3, u"5000000000/3"},
    };
    for (const Row &row : asTheyStand)
        EXPECT_EQ(FormatExactFraction({row.num, row.den}), row.text) << row.num << '/' << row.den;
}

} // namespace
