#pragma once

#include "mathcore/TermTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Exact fractions of 64-bit integers for the lessons that work a formula out in exact numbers.
// Every operation checks for overflow and gives nullopt instead of a wrapped value; a result is
// always reduced, with a positive denominator and the sign on the numerator (0 is 0/1).

/// A reduced fraction num/den with den > 0.
struct ExactFraction
{
    std::int64_t num = 0;
    std::int64_t den = 1;

    friend bool operator==(const ExactFraction &, const ExactFraction &) = default;
};

/// num/den reduced, the sign moved to the numerator. nullopt for a zero denominator or a part that
/// does not fit 64 bits once the sign is moved.
std::optional<ExactFraction> MakeExactFraction(std::int64_t num, std::int64_t den);
/// a + b over the least common denominator, reduced; nullopt on overflow.
std::optional<ExactFraction> AddExact(ExactFraction a, ExactFraction b);
/// a x b, reduced; nullopt on overflow.
std::optional<ExactFraction> MultiplyExact(ExactFraction a, ExactFraction b);
/// True when both parts fit 16-bit signed integers.
bool FitsInt16(ExactFraction value);
/// "%lld" when the denominator is 1, else "%lld/%lld".
std::u16string FormatExactFraction(ExactFraction value);

/// The value of the sum in `table` at x: each term is x to the number of its numerator letters
/// times its coefficient (numerator over denominator), divided by x once per denominator letter;
/// the terms are added exactly. nullopt on overflow, a zero coefficient denominator, or a
/// denominator letter at x = 0.
std::optional<ExactFraction> EvaluatePolynomialAt(std::int64_t x, const TermTable &table);

/// Coefficients of a sum of degree at most 2 in one letter, indexed by degree: c + b x + a x^2 is
/// {c, b, a}. Terms of the same degree are added.
using QuadraticCoefficients = std::array<ExactFraction, 3>;

/// What CollectQuadratic found.
enum class CollectResult
{
    Ok,
    DegreeTooHigh, ///< a term has more than 2 numerator letters
    TooLarge       ///< a sum did not fit 64 bits, or a coefficient denominator was 0
};

/// Adds every term of `table` into the slot of its number of numerator letters, starting from
/// `out` as it is (so a second table can be added, or subtracted with `sign` -1).
CollectResult CollectQuadratic(const TermTable &table, int sign, QuadraticCoefficients &out);

/// The largest number of numerator letters of a term of `table` (0 for an empty table).
int HighestLetterCount(const TermTable &table);

/// The sum a x^2 + b x + c written by FormatTermList from the slots "xx", "x" and the constant, in
/// that order ("-xx+x-3", "xx/2-1/3"). The coefficients must fit 16 bits (FitsInt16); a larger one
/// would be written wrapped.
std::u16string FormatQuadraticSum(const QuadraticCoefficients &coefficients);
