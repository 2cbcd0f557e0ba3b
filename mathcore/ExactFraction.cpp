#include "mathcore/ExactFraction.h"

#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

/// The gcd of |a| and |b|; 1 when either is 0 or -2^63 (which has no positive counterpart: such a
/// fraction is simply left unreduced).
std::int64_t exactGcd(std::int64_t a, std::int64_t b)
{
    if (a == kMin || b == kMin) return 1;
    return reducingDivisor(a, b);
}

/// f with a negative denominator turned positive; the parts must not be -2^63.
ExactFraction withSignOnNumerator(ExactFraction f)
{
    return f.den < 0 ? ExactFraction{-f.num, -f.den} : f;
}

} // namespace

std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) return std::nullopt;
    return sum;
}

std::optional<std::int64_t> CheckedMultiply(std::int64_t a, std::int64_t b)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) return std::nullopt;
    return product;
}

std::optional<std::int64_t> CheckedLeastCommonMultiple(std::int64_t a, std::int64_t b)
{
    if (a <= 0 || b <= 0) return std::nullopt;
    return CheckedMultiply(a / exactGcd(a, b), b);
}

ExactFraction ReduceExactFraction(ExactFraction f)
{
    if (f.num == 0 || f.den == 0) return f;
    const std::int64_t g = exactGcd(f.num, f.den);
    return ExactFraction{f.num / g, f.den / g};
}

std::optional<ExactFraction> MakeExactFraction(std::int64_t num, std::int64_t den)
{
    if (den == 0 || num == kMin || den == kMin) return std::nullopt;
    if (num == 0) return ExactFraction{0, 1};
    return withSignOnNumerator(ReduceExactFraction(ExactFraction{num, den}));
}

std::optional<ExactFraction> AddExact(ExactFraction a, ExactFraction b)
{
    // a/p + b/q = (a (L/p) + b (L/q)) / L with L = lcm(p, q).
    const std::optional<std::int64_t> common = CheckedLeastCommonMultiple(a.den, b.den);
    if (!common) return std::nullopt;
    const auto left = CheckedMultiply(a.num, *common / a.den);
    const auto right = CheckedMultiply(b.num, *common / b.den);
    if (!left || !right) return std::nullopt;
    const auto sum = CheckedAdd(*left, *right);
    if (!sum) return std::nullopt;
    return MakeExactFraction(*sum, *common);
}

std::optional<ExactFraction> MultiplyExact(ExactFraction a, ExactFraction b)
{
    // Cross-reducing first keeps the products as small as the result allows.
    const std::int64_t g1 = exactGcd(a.num, b.den);
    const std::int64_t g2 = exactGcd(b.num, a.den);
    const auto num = CheckedMultiply(a.num / g1, b.num / g2);
    const auto den = CheckedMultiply(a.den / g2, b.den / g1);
    if (!num || !den) return std::nullopt;
    return MakeExactFraction(*num, *den);
}

bool FitsInt16(ExactFraction value)
{
    const auto fits = [](std::int64_t n) { return n >= INT16_MIN && n <= INT16_MAX; };
    return fits(value.num) && fits(value.den);
}

std::u16string FormatExactFraction(ExactFraction value)
{
    if (value.den == 1) return formatText(u"%lld", value.num);
    return formatText(u"%lld/%lld", value.num, value.den);
}

std::u16string FormatReducedFraction(std::int64_t num, std::int64_t den)
{
    if (num == 0) return u"0";
    return FormatExactFraction(withSignOnNumerator(ReduceExactFraction(ExactFraction{num, den})));
}
