#pragma once

#include "lessons/functions/CoefficientField.h"

#include <optional>
#include <string>

/// y = ax^2 + bx + c with its coefficients as read from the fields: the values, and the fractions
/// as typed (used only when no coefficient was typed as a decimal). a is never 0.
struct Quadratic
{
    double a = 1.0;
    double b = 0.0;
    double c = 0.0;
    TypedFraction fractionA{1, 1};
    TypedFraction fractionB{0, 1};
    TypedFraction fractionC{0, 1};

    /// p of y = a(x + p)^2 + q: b / 2a. The vertex is (-p, q).
    double p() const { return b * 0.5 / a; }
    /// q of y = a(x + p)^2 + q: c - p * b / 2.
    double q() const { return c - p() * b * 0.5; }
};

/// p and q of the completed square as exact fractions of 16-bit integers, reduced, with the sign
/// on the numerator and 0 written as 0/1.
struct ExactVertex
{
    TypedFraction p;
    TypedFraction q;
};

/// p = (bN aD) / (2 aN bD) and q = (4 aN bD^2 cN - aD bN^2 cD) / (4 aN bD^2 cD) from the typed
/// fractions, computed exactly in 64 bits. nullopt when a reduced part does not fit 16 bits.
std::optional<ExactVertex> ExactVertexFractions(const Quadratic &quadratic);

/// The texts of the completed square y = a(x + p)^2 + q and of the vertex (-p, q).
struct VertexFormTexts
{
    std::u16string coefficient; ///< in front of the square: "", "-", " 2", "( 1/2)", "2.50"
    std::u16string square;      ///< "(x-2)", "(x+3/4)", "(x+1.25)", "x"
    std::u16string constant;    ///< "-4", "+1/8", "+2.50", ""
    std::u16string vertexX;
    std::u16string vertexY;
};

/// Writes the texts in fraction form when `decimalInput` is 0 and p and q fit 16-bit fractions,
/// otherwise in decimal form ("%3.2f"). Each text holds at most 64 characters.
VertexFormTexts WriteVertexForm(const Quadratic &quadratic, bool decimalInput);
