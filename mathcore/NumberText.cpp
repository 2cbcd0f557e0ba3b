#include "mathcore/NumberText.h"

#include "mathcore/ExactFraction.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::uint64_t magnitude(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

/// Trial division by 2, 3, 4, ... while the divisor does not exceed what is left of n; each exact
/// division stays on the same divisor. Works in int so that |-32768| can be factored.
int factorPrimes(int n, FactorList &list)
{
    list.fill(0);
    int count = 0;
    for (int divisor = 2; divisor <= n && count < kMaxPrimeFactors;) {
        if (n % divisor == 0) {
            list[static_cast<std::size_t>(count++)] = static_cast<std::int16_t>(divisor);
            n /= divisor;
        } else {
            ++divisor;
        }
    }
    return count;
}

/// Least common multiple of two 32-bit values, exact in 64 bits. The shared loop divides out common
/// factors while they do not exceed the smaller value, which for positive values is a / gcd x b;
/// for a value that is 0 or negative it does not run and leaves the plain product.
std::int64_t leastCommonMultiple(std::int64_t a, std::int64_t b)
{
    if (a <= 0 || b <= 0) return a * b;
    return a / reducingDivisor(a, b) * b;
}

/// Replaces text[from, to) by `replacement` and cuts the result to the formula capacity.
void replaceStretch(std::u16string &text, int from, int to, std::u16string_view replacement)
{
    text.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), replacement);
    cutToCapacity(text, kFormulaTextCapacity);
}

/// A left operand a or a/b ending just before `end`: its value and the index where its stretch
/// starts.
struct LeftOperand
{
    std::int32_t num = 0;
    std::int32_t den = 1;
    bool ownDenominator = false;
    int start = 0;
};

bool readLeftOperand(std::u16string_view text, int end, LeftOperand &left)
{
    std::int32_t value = 0;
    int start = ReadIntegerAt(text, value, 1, 0, end);
    if (start < 0) return false;
    left = LeftOperand{value, 1, false, start};
    if (text[static_cast<std::size_t>(start)] == u'/') {
        // The last number was a denominator: the numerator stands before the bar.
        left.den = value;
        left.ownDenominator = true;
        start = ReadIntegerAt(text, left.num, 1, 0, start);
        if (start < 0) return false;
        left.start = start;
    }
    return true;
}

} // namespace

std::int16_t CheckDigitsText(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit) ? 0 : -1;
}

std::int16_t CheckSignedIntegerText(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!isDigit(c) && !(i == 0 && (c == u'+' || c == u'-'))) return -1;
    }
    return 0;
}

std::int16_t CheckFractionText(std::u16string_view text)
{
    int bar = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isDigit(c) || (i == 0 && c == u'-')) continue;
        if (c != u'/' || bar >= 0) return -1;
        bar = static_cast<int>(i);
    }
    return static_cast<std::int16_t>(std::max(bar, 0));
}

std::int16_t CheckDecimalText(std::u16string_view text)
{
    int point = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isDigit(c) || (i == 0 && (c == u'+' || c == u'-'))) continue;
        if (c != u'.' || point >= 0) return -1;
        point = static_cast<int>(i);
    }
    return static_cast<std::int16_t>(std::max(point, 0));
}

std::int64_t reducingDivisor(std::int64_t a, std::int64_t b)
{
    if (a == 0 || b == 0) return 1;
    // Repeated remainders: the larger is replaced by its remainder modulo the smaller until a
    // remainder is 0; the smaller value is then the divisor.
    std::uint64_t x = magnitude(a);
    std::uint64_t y = magnitude(b);
    for (;;) {
        if (y < x) {
            x %= y;
            if (x == 0) return static_cast<std::int64_t>(y);
        } else {
            y %= x;
            if (y == 0) return static_cast<std::int64_t>(x);
        }
    }
}

std::int32_t Gcd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(reducingDivisor(a, b));
}

std::int16_t FactorPrimes(std::int16_t n, FactorList &list)
{
    return static_cast<std::int16_t>(factorPrimes(n, list));
}

std::int16_t CommonFactor(std::int16_t a, std::int16_t b)
{
    FactorList factorsA;
    FactorList factorsB;
    const int countA = factorPrimes(std::abs(int{a}), factorsA);
    const int countB = factorPrimes(std::abs(int{b}), factorsB);
    if (countA > 8 || countB > 8) return -2;
    std::array<bool, kMaxPrimeFactors> used{};
    int product = 1;
    for (int i = 0; i < countA; ++i) {
        for (int j = 0; j < countB; ++j) {
            if (!used[static_cast<std::size_t>(j)] &&
                factorsB[static_cast<std::size_t>(j)] == factorsA[static_cast<std::size_t>(i)]) {
                used[static_cast<std::size_t>(j)] = true;
                product *= factorsA[static_cast<std::size_t>(i)];
                break;
            }
        }
    }
    return static_cast<std::int16_t>(product);
}

std::int16_t LeastCommonMultiple(std::int16_t a, std::int16_t b)
{
    return static_cast<std::int16_t>(leastCommonMultiple(a, b));
}

void SplitSquareFactors(const FactorList &list, FactorList &pairs, FactorList &singles)
{
    FactorList outPairs{};
    FactorList outSingles{};
    std::size_t pairCount = 0;
    std::size_t singleCount = 0;
    std::size_t i = 0;
    while (i < kMaxPrimeFactors && list[i] != 0) {
        std::size_t run = i + 1;
        while (run < kMaxPrimeFactors && list[run] == list[i])
            ++run;
        const std::size_t length = run - i;
        for (std::size_t k = 0; k < length / 2; ++k)
            outPairs[pairCount++] = list[i];
        if (length % 2 == 1) outSingles[singleCount++] = list[i];
        i = run;
    }
    pairs = outPairs;
    singles = outSingles;
}

void ReduceFraction(std::int32_t num, std::int32_t den, std::int32_t &outNum, std::int32_t &outDen)
{
    const std::int64_t g = reducingDivisor(num, den);
    outNum = static_cast<std::int32_t>(num / g);
    outDen = static_cast<std::int32_t>(den / g);
}

int AddFractions(std::int32_t denA, std::int32_t denB, std::int32_t numA, std::int32_t numB,
                 std::int32_t &outNum, std::int32_t &outDen)
{
    if (denA == 0 || denB == 0) {
        outNum = 0;
        outDen = 0;
        return -1;
    }
    // L = lcm(denA, denB); sum = numA (L / denA) + numB (L / denB). Each product stays below 2^62;
    // the sum is added modulo 2^64 so that even the extreme case is defined.
    const std::int64_t l = leastCommonMultiple(denA, denB);
    const std::int64_t sum =
        static_cast<std::int64_t>(static_cast<std::uint64_t>(std::int64_t{numA} * (l / denA)) +
                                  static_cast<std::uint64_t>(std::int64_t{numB} * (l / denB)));
    if (sum == 0) {
        outNum = 0;
        outDen = 1;
        return 0;
    }
    const std::int64_t g = reducingDivisor(sum, l);
    outNum = static_cast<std::int32_t>(sum / g);
    outDen = static_cast<std::int32_t>(l / g);
    return 0;
}

void FormatFraction(std::int16_t num, std::int16_t den, std::u16string &out)
{
    int n = num;
    int d = den;
    const int g = static_cast<int>(reducingDivisor(n, d));
    n /= g;
    d /= g;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    out = d == 1 ? formatText(u"%d", n) : formatText(u"%d/%d", n, d);
    cutToCapacity(out, kFractionTextCapacity);
}

void FormatSignedFraction(std::u16string &out, std::int32_t num, bool plus, std::int32_t den)
{
    const std::u16string body = FormatExactFraction(ExactFraction{num, den});
    out = num <= 0 ? body : (plus ? u"+" : u" ") + body;
    cutToCapacity(out, kFormulaTextCapacity);
}

int ReadIntegerAt(std::u16string_view text, std::int32_t &out, int mode, int start, int end)
{
    start = std::max(start, 0);
    end = std::min(end, static_cast<int>(text.size()));
    std::uint32_t digits = 0; // wraps modulo 2^32 on long digit runs
    bool negative = false;
    bool seen = false;
    int operandStart = start;
    int i = start;
    for (; i < end; ++i) {
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (c >= u'0') {
            digits = digits * 10u + (isDigit(c) ? static_cast<std::uint32_t>(c - u'0') : 0u);
            seen = true;
            continue;
        }
        if (mode == 0 && seen) break;
        digits = 0;
        if (i == 0 || (text[static_cast<std::size_t>(i - 1)] != u'*' &&
                       text[static_cast<std::size_t>(i - 1)] != u'/'))
            operandStart = i;
        negative = c == u'-';
    }
    if (!seen) return -1;
    out = static_cast<std::int32_t>(negative ? 0u - digits : digits);
    return mode == 0 ? i : operandStart;
}

int EvaluateFractionSum(std::u16string &text)
{
    const std::size_t op = text.find_first_of(u"+-", 1);
    if (op == std::u16string::npos) return 0;
    const int opIndex = static_cast<int>(op);
    const int size = static_cast<int>(text.size());
    LeftOperand left;
    if (!readLeftOperand(text, opIndex, left)) return -1;
    std::int32_t rightNum = 0;
    std::int32_t rightDen = 1;
    int end = ReadIntegerAt(text, rightNum, 0, opIndex, size);
    if (end < 0) return -1;
    if (end < size && text[static_cast<std::size_t>(end)] == u'/') {
        end = ReadIntegerAt(text, rightDen, 0, end, size);
        if (end < 0) return -1;
    }
    if (left.den == 0 || rightDen == 0) return -1;
    std::int32_t num = 0;
    std::int32_t den = 1;
    AddFractions(left.den, rightDen, left.num, rightNum, num, den);
    replaceStretch(text, left.start, end, FormatExactFraction(ExactFraction{num, den}));
    return left.num != 0 ? 1 : 0;
}

int EvaluateFractionProduct(std::u16string &text)
{
    std::int32_t lastNumerator = 0;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const char16_t op = text[static_cast<std::size_t>(i)];
        if (op != u'*' && op != u'/') continue;
        LeftOperand left;
        if (!readLeftOperand(text, i, left)) return -1;
        lastNumerator = left.num;
        std::int32_t factor = 0;
        const int end = ReadIntegerAt(text, factor, 0, i, static_cast<int>(text.size()));
        if (end < 0 || left.den == 0 || (op == u'/' && factor == 0)) return -1;
        // a/b * c = ac/b and a/b / c = a/(bc), in 64 bits so that no product overflows.
        ExactFraction value{left.num, left.den};
        if (op == u'*')
            value.num *= factor;
        else
            value.den *= factor;
        // Reduced, with zero written as "0".
        value = value.num == 0 ? ExactFraction{0, 1} : ReduceExactFraction(value);
        const bool signMoved = value.den < 0;
        if (signMoved) value = ExactFraction{-value.num, -value.den};
        if (op == u'/' && !left.ownDenominator && value.den != 1 && !signMoved &&
            value.num == left.num)
            continue; // the bar of a fraction that is already reduced
        std::u16string replacement = FormatExactFraction(value);
        if (left.start != 0 && value.num >= 0) replacement.insert(0, 1, u'+');
        replaceStretch(text, left.start, end, replacement);
        return lastNumerator != 0 ? 1 : 0;
    }
    return lastNumerator != 0 ? 1 : 0;
}
