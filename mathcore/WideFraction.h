#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Exact fractions of 64-bit integers for derivations whose numbers outgrow the 16-bit fields of
// the term table: every operation checks for overflow and answers nullopt instead of wrapping.

/// A fraction num/den; the routines here keep den positive when their inputs have positive
/// denominators.
struct WideFraction
{
    std::int64_t num = 0;
    std::int64_t den = 1;
    friend bool operator==(const WideFraction &, const WideFraction &) = default;
};

/// a + b, or nullopt when it does not fit in 64 bits.
std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b);
/// a x b, or nullopt when it does not fit in 64 bits.
std::optional<std::int64_t> CheckedMultiply(std::int64_t a, std::int64_t b);

/// Least common multiple of two positive numbers; nullopt when an argument is not positive or the
/// result does not fit.
std::optional<std::int64_t> WideLeastCommonMultiple(std::int64_t a, std::int64_t b);

/// num/den divided by the gcd of both; a fraction with a zero part is returned unchanged.
WideFraction ReduceWideFraction(WideFraction f);

/// a + b over the least common multiple of the (positive) denominators, reduced; a zero sum is
/// 0/1. nullopt on overflow or a denominator that is not positive.
std::optional<WideFraction> AddWideFractions(WideFraction a, WideFraction b);

/// a x b, reduced; a zero product is 0/1. nullopt on overflow.
std::optional<WideFraction> MultiplyWideFractions(WideFraction a, WideFraction b);

/// The text form of a fraction joined onto a formula: "%lld%s" when num < 1, " %lld%s" (a leading
/// blank) otherwise, the suffix "/%lld" of den when den is not 1. Nothing is reduced.
std::u16string FormatWideFraction(WideFraction f);
