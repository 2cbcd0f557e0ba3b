#include "mathcore/ExactFraction.h"

#include "mathcore/TextFormat.h"

#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// Operands are kept within -kMax..kMax, so negating never overflows.
std::optional<std::int64_t> checkedMultiply(std::int64_t a, std::int64_t b)
{
    if (a == 0 || b == 0) return 0;
    if (std::llabs(a) > kMax / std::llabs(b)) return std::nullopt;
    return a * b;
}

std::optional<std::int64_t> checkedAdd(std::int64_t a, std::int64_t b)
{
    if ((b > 0 && a > kMax - b) || (b < 0 && a < -kMax - b)) return std::nullopt;
    return a + b;
}

} // namespace

std::optional<ExactFraction> MakeExactFraction(std::int64_t num, std::int64_t den)
{
    const std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (den == 0 || num == kMin || den == kMin) return std::nullopt;
    if (num == 0) return ExactFraction{0, 1};
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const std::int64_t g = std::gcd(num, den);
    return ExactFraction{num / g, den / g};
}

std::optional<ExactFraction> AddExact(ExactFraction a, ExactFraction b)
{
    // a/p + b/q = (a (q/g) + b (p/g)) / (p (q/g)) with g = gcd(p, q).
    const std::int64_t g = std::gcd(a.den, b.den);
    const auto left = checkedMultiply(a.num, b.den / g);
    const auto right = checkedMultiply(b.num, a.den / g);
    const auto den = checkedMultiply(a.den, b.den / g);
    if (!left || !right || !den) return std::nullopt;
    const auto num = checkedAdd(*left, *right);
    if (!num) return std::nullopt;
    return MakeExactFraction(*num, *den);
}

std::optional<ExactFraction> MultiplyExact(ExactFraction a, ExactFraction b)
{
    // Cross-reducing first keeps the products as small as they can be.
    const std::int64_t g1 = a.num == 0 ? 1 : std::gcd(a.num, b.den);
    const std::int64_t g2 = b.num == 0 ? 1 : std::gcd(b.num, a.den);
    const auto num = checkedMultiply(a.num / g1, b.num / g2);
    const auto den = checkedMultiply(a.den / g2, b.den / g1);
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
