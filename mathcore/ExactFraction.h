#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Exact fractions of 64-bit integers, for the lessons that work a formula, a sequence or a matrix
// out in exact numbers. Every operation checks for overflow and gives nullopt instead of a wrapped
// value. What the arithmetic returns is reduced, with a positive denominator and the sign on the
// numerator (0 is 0/1); a fraction as the learner typed it (2/4) may be held too and stays as it is
// until it goes through the arithmetic.

/// A fraction num/den; see above for when it is reduced.
struct ExactFraction
{
    std::int64_t num = 0;
    std::int64_t den = 1;

    friend bool operator==(const ExactFraction &, const ExactFraction &) = default;
};

/// a + b, or nullopt when it does not fit in 64 bits.
std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b);
/// a x b, or nullopt when it does not fit in 64 bits.
std::optional<std::int64_t> CheckedMultiply(std::int64_t a, std::int64_t b);
/// Least common multiple of two positive numbers; nullopt when an argument is not positive or the
/// result does not fit.
std::optional<std::int64_t> CheckedLeastCommonMultiple(std::int64_t a, std::int64_t b);

/// num/den divided by the gcd of both, each sign left where it is. A fraction with a zero part is
/// returned unchanged (0/4 stays 0/4), and so is one whose gcd would be 2^63.
ExactFraction ReduceExactFraction(ExactFraction f);
/// num/den reduced, the sign moved to the numerator, 0 as 0/1. nullopt for a zero denominator or a
/// part that does not fit 64 bits once the sign is moved (-2^63).
std::optional<ExactFraction> MakeExactFraction(std::int64_t num, std::int64_t den);
/// a + b over the least common multiple of the (positive) denominators, as MakeExactFraction gives
/// it; nullopt on overflow or a denominator that is not positive.
std::optional<ExactFraction> AddExact(ExactFraction a, ExactFraction b);
/// a x b, cross-reduced first, as MakeExactFraction gives it; nullopt on overflow or a zero
/// denominator.
std::optional<ExactFraction> MultiplyExact(ExactFraction a, ExactFraction b);
/// True when both parts fit 16-bit signed integers.
bool FitsInt16(ExactFraction value);

/// The fraction as it stands: "%lld" when the denominator is 1, else "%lld/%lld". Nothing is
/// reduced or moved (2/4 is "2/4", 0/2 is "0/2").
std::u16string FormatExactFraction(ExactFraction value);
/// num/den reduced with the sign on the numerator, written as FormatExactFraction does. A zero
/// numerator is written "0" whatever the denominator (0/5 and 0/-5 are both "0"); a zero
/// denominator is written as it is ("5/0"). Magnitudes must stay below 2^63.
std::u16string FormatReducedFraction(std::int64_t num, std::int64_t den);
