#include "mathcore/WideFraction.h"

#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <limits>

namespace {

/// The gcd in 64 bits; 1 when either part is 0 or when |INT64_MIN| is involved (it has no
/// positive counterpart, and such a fraction is then simply left unreduced).
std::int64_t wideGcd(std::int64_t a, std::int64_t b)
{
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (a == kMin || b == kMin) return 1;
    return reducingDivisor(a, b);
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

std::optional<std::int64_t> WideLeastCommonMultiple(std::int64_t a, std::int64_t b)
{
    if (a <= 0 || b <= 0) return std::nullopt;
    return CheckedMultiply(a / wideGcd(a, b), b);
}

WideFraction ReduceWideFraction(WideFraction f)
{
    if (f.num == 0 || f.den == 0) return f;
    const std::int64_t g = wideGcd(f.num, f.den);
    return WideFraction{f.num / g, f.den / g};
}

std::optional<WideFraction> AddWideFractions(WideFraction a, WideFraction b)
{
    // a/p + b/q = (a x (L/p) + b x (L/q)) / L with L = lcm(p, q).
    const std::optional<std::int64_t> common = WideLeastCommonMultiple(a.den, b.den);
    if (!common) return std::nullopt;
    const auto left = CheckedMultiply(a.num, *common / a.den);
    const auto right = CheckedMultiply(b.num, *common / b.den);
    if (!left || !right) return std::nullopt;
    const auto sum = CheckedAdd(*left, *right);
    if (!sum) return std::nullopt;
    if (*sum == 0) return WideFraction{0, 1};
    return ReduceWideFraction(WideFraction{*sum, *common});
}

std::optional<WideFraction> MultiplyWideFractions(WideFraction a, WideFraction b)
{
    // Cross-reducing first keeps the products as small as the result allows.
    const std::int64_t g1 = wideGcd(a.num, b.den);
    const std::int64_t g2 = wideGcd(b.num, a.den);
    const auto num = CheckedMultiply(a.num / g1, b.num / g2);
    const auto den = CheckedMultiply(a.den / g2, b.den / g1);
    if (!num || !den) return std::nullopt;
    if (*num == 0) return WideFraction{0, 1};
    return ReduceWideFraction(WideFraction{*num, *den});
}

std::u16string FormatWideFraction(WideFraction f)
{
    const std::u16string suffix = f.den == 1 ? std::u16string() : formatText(u"/%lld", f.den);
    return formatText(f.num < 1 ? u"%lld%s" : u" %lld%s", f.num, suffix);
}
