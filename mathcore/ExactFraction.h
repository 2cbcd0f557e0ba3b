#pragma once

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
