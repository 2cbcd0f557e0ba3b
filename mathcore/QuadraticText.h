#pragma once

#include "mathcore/ExactFraction.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// A formula of degree at most 2 in one letter, read into exact coefficients. Terms may be products
// of bracketed sums ("2(x-3)", "x(x+1)", "(x+1)(x+1)" as ExpandPowers writes (x+1)^2); they are
// multiplied out exactly. Every letter counts as the variable: the callers check the letters.

/// c + b x + a x^2 as {c, b, a}: the coefficient of each power, indexed by the power.
using QuadraticCoefficients = std::array<ExactFraction, 3>;

/// What ReadQuadraticText found.
struct QuadraticReading
{
    enum class Status
    {
        Ok,
        DegreeTooHigh, ///< a term has more than 2 letters, brackets multiplied out
        TooLarge,      ///< a number wrapped in the term table, or a sum outgrew 64 bits
        Unreadable     ///< brackets in a form not read: nested, unbalanced, after '/', empty, or
                       ///< followed by anything but another bracket
    };
    Status status = Status::Ok;
    QuadraticCoefficients coefficients{};
    /// The largest number of numerator letters of a term, brackets multiplied out; 3 stands for
    /// anything above 2. A term whose coefficient is 0 counts too ("0xx+x" has degree 2).
    int degree = 0;
};

/// Reads a sum: terms are cut at '+' and '-' outside brackets that do not start the text and do
/// not follow '*' or '/'; a term without brackets is read by ParseTermList, a term with brackets
/// as a monomial (read the same way; "", "+", "-" stand for 1 and -1; a '*' before the first
/// bracket is allowed) times each bracketed sum, with at most a '*' between the brackets.
/// Denominator letters do not count towards the degree.
QuadraticReading ReadQuadraticText(std::u16string_view text);

/// The value of the polynomial with `coefficients` (indexed by power) at x, exactly; nullopt on
/// overflow.
std::optional<ExactFraction> EvaluatePolynomialAt(std::int64_t x,
                                                  std::span<const ExactFraction> coefficients);

/// The sum a x^2 + b x + c written by FormatTermList from the slots "xx", "x" and the constant, in
/// that order ("-xx+x-3", "xx/2-1/3"). The coefficients must fit 16 bits (FitsInt16); a larger one
/// would be written wrapped.
std::u16string FormatQuadraticSum(const QuadraticCoefficients &coefficients);
