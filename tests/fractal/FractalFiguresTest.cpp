#include "fractal/FractalFigures.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace {

constexpr double kSqrt3 = 1.7320508075688772;

void expectPoint(FigurePoint actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
}

TEST(FractalFigures, JuliaLabelsShowTheSignedImaginaryPartOnlyWhenNotZero)
{
    const char16_t *expected[] = {u"0.375-0.100i", u"0.375-0.125i",  u"0.285",  u"0.285+0.012i",
                                  u"-0.775",       u"-0.775+0.125i", u"-0.825", u"-0.825+0.125i"};
    for (std::size_t i = 0; i < kJuliaConstants.size(); ++i)
        EXPECT_EQ(JuliaLabel(kJuliaConstants[i]), expected[i]) << i;
}

TEST(FractalFigures, EscapePaletteIndexFollowsTheOrbit)
{
    struct Row
    {
        std::complex<double> z0, c;
        int limit;
        int expected;
    };
    const Row rows[] = {
        {{0, 0}, {0, 0}, 20, 0},      // fixed at 0
        {{0, 0}, {1, 0}, 20, -1},     // 1, 2, 5: escapes
        {{0, 0}, {-1, 0}, 20, 0},     // -1, 0, -1, 0, ...: ends on 0 after an even count
        {{0, 0}, {-1, 0}, 21, 5},     // ... and on -1 after an odd one
        {{0, 0}, {0, 1}, 20, 10},     // i, -1+i, -i, -1+i, ...: |z|^2 = 2 after 20 steps
        {{0, 0}, {0, 1}, 21, 5},      // ... and 1 after 21
        {{0, 0}, {-2, 0}, 38, 19},    // -2, 2, 2, ...: |z|^2 exactly 4 takes the last entry
        {{2, 0}, {-2, 0}, 20, 19},    // the same orbit from a Julia start point
        {{1.5, 1.5}, {0, 0}, 20, -1}, // starts outside and escapes at once
        {{0.5, 0}, {0, 0}, 0, 1},     // no steps: the start point itself, 5 * 0.25
    };
    for (const Row &row : rows)
        EXPECT_EQ(EscapePaletteIndex(row.z0, row.c, row.limit), row.expected)
            << row.c << " from " << row.z0 << " limit " << row.limit;
}

TEST(FractalFigures, EscapeTimeImageKeepsToItsBoundsAndMatchesTheOrbits)
{
    const Rect client{0, 42, 544, 355};
    const Rect bounds{0, 42, 452, 355};
    const PaletteImage image = EscapeTimeImage(FractalKind::Mandelbrot, 9, 0, client, bounds);
    ASSERT_EQ(image.indices.size(), std::size_t{452} * 313);
    // Origin at (272, 198), 100 pixels per unit: c = 0 is inside, c = 0.5 + 0.5i escapes.
    EXPECT_EQ(image.at(272, 198), 0);
    EXPECT_EQ(image.at(322, 248), -1);
    // The finest zoom puts part of the set right of the bounds; nothing lands outside them.
    const PaletteImage fine = EscapeTimeImage(FractalKind::Mandelbrot, 0, 2, client, bounds);
    EXPECT_EQ(fine.indices.size(), image.indices.size());
    const PaletteImage julia = EscapeTimeImage(FractalKind::Julia, 0, 2, client, bounds);
    // z0 = 0 under c = 0.285 stays bounded; the Julia origin is ((544 - 64) / 2, (355 + 62) / 2).
    EXPECT_EQ(julia.at(240, 208), EscapePaletteIndex({}, {0.285, 0}, 20));
    EXPECT_EQ(julia.at(240 + 190, 208), -1);
}

TEST(FractalFigures, EscapeTimeImageIsTheOrbitOfEveryPointOneByOne)
{
    // The image iterates several points together; each pixel must still be what the orbit of its
    // own point gives, walked point by point as the ranges are stepped by repeated addition.
    struct Row
    {
        FractalKind kind;
        int parameter;
        double reStart, reEnd, imStart, imEnd, step, scale;
    };
    const Row rows[] = {
        {FractalKind::Mandelbrot, 0, -2.5, 2.5, -2.5, 2.5, 0.01, 100},
        {FractalKind::Mandelbrot, 1, -0.25, 0.025, -1.0, -0.6, 0.001, 1000},
        {FractalKind::Mandelbrot, 2, -0.125, -0.075, -0.955, -0.905, 0.0001, 10000},
        {FractalKind::Julia, 5, -2, 2, -2, 2, 0.01, 100},
    };
    const Rect client{0, 42, 544, 355};
    const Rect bounds{0, 42, 452, 355};
    for (const Row &row : rows) {
        const PaletteImage image = EscapeTimeImage(row.kind, 9, row.parameter, client, bounds);
        const FigureOrigin o = FigureOriginOf(row.kind, row.parameter, client);
        const std::complex<double> julia = kJuliaConstants[5];
        PaletteImage expected{bounds, std::vector<std::int8_t>(image.indices.size(), -1)};
        int drawn = 0;
        for (double re = row.reStart; re < row.reEnd; re += row.step) {
            const auto x = static_cast<int>(o.x0 + re * row.scale + 0.25);
            for (double im = row.imStart; im < row.imEnd; im += row.step) {
                const auto y = static_cast<int>(o.y0 + im * row.scale + 0.25);
                if (!bounds.contains(x, y)) continue;
                const int index = row.kind == FractalKind::Mandelbrot
                                      ? EscapePaletteIndex({}, {re, im}, 38)
                                      : EscapePaletteIndex({re, im}, julia, 38);
                if (index < 0) continue;
                expected.indices[static_cast<std::size_t>((y - bounds.top) * bounds.width() +
                                                          (x - bounds.left))] =
                    static_cast<std::int8_t>(index);
                ++drawn;
            }
        }
        EXPECT_GT(drawn, 1000) << row.parameter;
        EXPECT_EQ(image.indices, expected.indices)
            << static_cast<int>(row.kind) << " " << row.parameter;
    }
}

TEST(FractalFigures, TriangleFiguresDoubleAtEachDepth)
{
    for (FractalKind kind : {FractalKind::Koch, FractalKind::Cedar}) {
        for (int depth = 0; depth <= kMaxDepth; ++depth)
            EXPECT_EQ(TriangleFigure(kind, depth).size(), std::size_t{1} << depth)
                << static_cast<int>(kind) << " depth " << depth;
        EXPECT_EQ(TriangleFigure(kind, 12).size(), std::size_t{1} << kMaxDepth);
    }
    const auto start = TriangleFigure(FractalKind::Koch, 0);
    expectPoint(start[0][0], 0.5, kSqrt3 / 6);
    expectPoint(start[0][1], 0.0, 0.0);
    expectPoint(start[0][2], 1.0, 0.0);
}

TEST(FractalFigures, FirstStepOfTheTriangleMaps)
{
    // Koch: the halves of the curve from (0, 0) to the apex and from the apex to (1, 0).
    const auto koch = TriangleFigure(FractalKind::Koch, 1);
    expectPoint(koch[0][0], 1.0 / 3, 0.0);
    expectPoint(koch[0][1], 0.0, 0.0);
    expectPoint(koch[0][2], 0.5, kSqrt3 / 6);
    expectPoint(koch[1][0], 2.0 / 3, 0.0);
    expectPoint(koch[1][1], 1.0, 0.0);
    expectPoint(koch[1][2], 0.5, kSqrt3 / 6);
    // Cedar: map 1 is ((2X + 1) / 3, -2Y / 3).
    const auto cedar = TriangleFigure(FractalKind::Cedar, 1);
    expectPoint(cedar[1][0], 2.0 / 3, -kSqrt3 / 9);
    expectPoint(cedar[1][1], 1.0 / 3, 0.0);
    expectPoint(cedar[1][2], 1.0, 0.0);
}

TEST(FractalFigures, CauliflowerBranchesHalveAndTurn)
{
    const double theta = 20 * 3.1415926535 / 180;
    for (int levels = 0; levels <= kMaxDepth; ++levels)
        EXPECT_EQ(CauliflowerFigure(theta, levels).size(), (std::size_t{2} << levels) - 1);
    const auto tree = CauliflowerFigure(theta, 2);
    expectPoint(tree[0].from, 1.0, 0.0);
    expectPoint(tree[0].to, 0.0, 0.0);
    // Depth first: +theta, its two children, then -theta and its children.
    expectPoint(tree[1].to, 1 + std::cos(theta) / 2, std::sin(theta) / 2);
    expectPoint(tree[2].to, tree[1].to.x + std::cos(2 * theta) / 4,
                tree[1].to.y + std::sin(2 * theta) / 4);
    expectPoint(tree[3].to, tree[1].to.x + 0.25, tree[1].to.y);
    expectPoint(tree[4].to, 1 + std::cos(theta) / 2, -std::sin(theta) / 2);
}

TEST(FractalFigures, LevyCurveDrawsEveryLevelUpToCountPlusOne)
{
    for (int count = 0; count <= 9; ++count)
        EXPECT_EQ(LevyFigure(count).size(), (std::size_t{4} << count) - 2) << count;
    const auto first = LevyFigure(0);
    expectPoint(first[0].from, 0.0, 0.0);
    expectPoint(first[0].to, 0.5, 0.5);
    expectPoint(first[1].from, 0.5, 0.5);
    expectPoint(first[1].to, 1.0, 0.0);
}

TEST(FractalFigures, PascalRowsAreBinomialCoefficientsModuloTwo)
{
    EXPECT_EQ(PascalRows(0).size(), 1u);
    for (int count = 1; count <= 9; ++count)
        EXPECT_EQ(PascalRows(count).size(), static_cast<std::size_t>(2 * count));
    const auto rows = PascalRows(9);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // Row r has 2^(bits of r) odd coefficients; C(r, k) is odd when k's bits lie in r's.
        EXPECT_EQ(rows[r].size(), std::size_t{1} << std::popcount(r)) << r;
        for (int column : rows[r]) {
            const auto k = static_cast<std::size_t>(kPascalApexColumn - column);
            EXPECT_LE(k, r);
            EXPECT_EQ(k & r, k) << "row " << r << " column " << column;
        }
    }
}

} // namespace
