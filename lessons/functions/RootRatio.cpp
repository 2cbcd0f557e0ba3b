#include "lessons/functions/RootRatio.h"

#include "lessons/functions/CoefficientField.h"
#include "mathcore/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

/// Prime factors a radicand may have; beyond that it is too large to simplify.
constexpr int kMostRadicandFactors = 9;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

/// What one coefficient adds to R: its square, or its radicand when it is a root. Magnitudes are
/// capped far above anything that can be simplified, so the sum of two never overflows.
std::int64_t squareOf(RootedInteger term)
{
    const std::int64_t magnitude =
        std::min<std::int64_t>(std::abs(std::int64_t{term.value}), 1 << 24);
    return term.root ? magnitude : magnitude * magnitude;
}

std::int32_t productOf(const FactorList &factors)
{
    std::int32_t product = 1;
    for (std::size_t i = 0; i < factors.size() && factors[i] != 0; ++i)
        product *= factors[i];
    return product;
}

struct AngleRow
{
    std::u16string_view text;
    RootRatio cosine;
    RootRatio sine;
};

// cos(alpha) and sin(alpha) of the standard angles in the simplified form of SimplifyRootRatio:
// sqrt(3)/2 is {3, root, 2}, -1/2 is {-1, no root, 2}, 0 is {0, no root, 1}.
constexpr std::array<AngleRow, 15> kStandardAngles = {{
    {u"-5π/6", {-3, true, 2}, {-1, false, 2}},
    {u"-3π/4", {-2, true, 2}, {-2, true, 2}},
    {u"-2π/3", {-1, false, 2}, {-3, true, 2}},
    {u"-π/2", {0, false, 1}, {-1, false, 1}},
    {u"-π/3", {1, false, 2}, {-3, true, 2}},
    {u"-π/4", {2, true, 2}, {-2, true, 2}},
    {u"-π/6", {3, true, 2}, {-1, false, 2}},
    {u"+0", {1, false, 1}, {0, false, 1}},
    {u"+π/6", {3, true, 2}, {1, false, 2}},
    {u"+π/4", {2, true, 2}, {2, true, 2}},
    {u"+π/3", {1, false, 2}, {3, true, 2}},
    {u"+π/2", {0, false, 1}, {1, false, 1}},
    {u"+2π/3", {-1, false, 2}, {3, true, 2}},
    {u"+3π/4", {-2, true, 2}, {2, true, 2}},
    {u"+5π/6", {-3, true, 2}, {1, false, 2}},
}};

} // namespace

std::optional<RootedInteger> ReadRootedInteger(std::u16string_view text)
{
    if (CheckSignedIntegerText(text) == 0) return RootedInteger{LeadingInteger(text), false};
    const bool negative = text.starts_with(u'-');
    std::u16string_view rest = text.substr(negative ? 1 : 0);
    if (!rest.starts_with(u"sqr(")) return std::nullopt;
    rest.remove_prefix(4);
    std::size_t digits = 0;
    while (digits < rest.size() && isDigit(rest[digits]))
        ++digits;
    const std::u16string_view tail = rest.substr(digits);
    if (digits == 0 || !(tail.empty() || tail == u")")) return std::nullopt;
    const std::int32_t radicand = LeadingInteger(rest.substr(0, digits));
    return RootedInteger{negative ? -radicand : radicand, true};
}

std::optional<RootRatio> SimplifyRootRatio(RootedInteger value, std::int32_t over)
{
    if (value.value == 0) return RootRatio{};
    // value / sqrt(over) = sqrt(radicand) / over with radicand = value^2 * over (value * over for
    // a root). Every factor stays at or below the largest radicand, so nothing overflows.
    const std::int64_t magnitude = std::abs(std::int64_t{value.value});
    if (over < 1 || over > kLargestRadicand || magnitude > kLargestRadicand) return std::nullopt;
    const std::int64_t radicand = value.root ? magnitude * over : magnitude * magnitude * over;
    if (radicand > kLargestRadicand) return std::nullopt;

    FactorList factors{};
    if (FactorPrimes(static_cast<std::int16_t>(radicand), factors) > kMostRadicandFactors)
        return std::nullopt;
    // sqrt(radicand) = outside * sqrt(inside); a radicand of 1 has no factors and stays 1.
    FactorList pairs{};
    FactorList singles{};
    if (factors[0] != 0) SplitSquareFactors(factors, pairs, singles);
    std::int32_t outside = productOf(pairs);
    const std::int32_t inside = productOf(singles);
    const std::int32_t divisor = Gcd(outside, over);
    outside /= divisor;

    RootRatio ratio;
    ratio.root = inside != 1;
    // A remaining root takes the outside factor back under the one root sign.
    ratio.numerator = ratio.root ? outside * outside * inside : outside;
    if (value.value < 0) ratio.numerator = -ratio.numerator;
    ratio.denominator = over / divisor;
    return ratio;
}

Composition ComposeSineCosine(RootedInteger a, RootedInteger b)
{
    Composition composition;
    composition.sumOfSquares = squareOf(a) + squareOf(b);
    // An R beyond the largest radicand is passed on as just too large.
    const auto over = static_cast<std::int32_t>(
        std::min<std::int64_t>(composition.sumOfSquares, kLargestRadicand + 1));
    composition.cosine = SimplifyRootRatio(a, over);
    composition.sine = SimplifyRootRatio(b, over);
    composition.amplitude = SimplifyRootRatio(RootedInteger{over, true}, 1);
    if (composition.cosine && composition.sine)
        composition.angleText = StandardAngleText(*composition.cosine, *composition.sine);
    return composition;
}

std::u16string_view StandardAngleText(const RootRatio &cosine, const RootRatio &sine)
{
    for (const AngleRow &row : kStandardAngles) {
        if (row.cosine == cosine && row.sine == sine) return row.text;
    }
    return {};
}
