#pragma once

#include "mathcore/LessonMetrics.h"
#include "mathcore/QuadraticText.h"
#include "ui/Canvas.h"

#include <array>
#include <optional>
#include <string>

/// A function from the set X = {-2, -1, 0, 1, 2} to the set Y of its values, as an arrow diagram
/// shows it: entry i stands for x = i - 2.
struct SetMapping
{
    static constexpr int kSize = 5;
    /// The value of each entry as a fraction text; empty where the value equals an earlier one.
    std::array<std::u16string, kSize> valueTexts;
    /// The entry whose value text each arrow points at (itself unless the value was merged).
    std::array<int, kSize> targets{0, 1, 2, 3, 4};
};

/// Evaluates the polynomial at x = -2..2 (EvaluatePolynomialAt) and writes each value with
/// FormatFraction; then, for the entries 4, 3, 2, 1 in this order, an entry whose text equals that
/// of an earlier entry (the first one found from entry 0 on) loses its text and points at it.
/// nullopt when a value does not fit a 16-bit fraction.
std::optional<SetMapping> MapSetX(const QuadraticCoefficients &coefficients);

/// Draws diagram `k` (0 on the left, 1 on the right) with the layout units u and v of `metrics`,
/// in the current brush: the ellipse of X centred at cx = (28k + 8)u, half-width 3u, from 6v to
/// 12v, labelled "X" and "(k+1)"; the ellipse of Y centred at cx + 11u, half-width 4u; the
/// function's arrow from X to Y at 6v + v/2 labelled `name`; the x values "%2d" at (28k + 6)u on
/// the rows 7v..11v, each value text centred in five characters from (28k + 16)u, and one arrow per
/// x to the row of its target.
void DrawSetMapping(Canvas &canvas, LessonMetrics &metrics, int k, std::u16string_view name,
                    const SetMapping &mapping);
