#pragma once

#include "drill/DrillPage.h"

#include <string>

// Texts the drill questions build their equations from, for a coefficient k of x.

/// The first term of an equation: " x" for 1, "-x" for -1, "%dx" otherwise.
std::u16string leadingTermText(int k);

/// A later term of an equation: "+x" for 1, "-x" for -1, "%dx" for other negatives, "+%dx" for
/// other positives, empty for 0.
std::u16string laterTermText(int k);

/// A constant term: "%d" for negatives, "+%d" for positives, empty for 0.
std::u16string constantText(int k);

/// The start of y = ax...: "y = x" for 1, "y = -x" for -1, "y = %dx" otherwise.
std::u16string equationHead(int a);

/// num/den as FormatReducedFraction writes it (reduced, the sign on the numerator, a zero numerator
/// as "0"), except that a zero denominator (which no drill draws) is written "0" too rather than as
/// a division by zero.
std::u16string reducedFractionText(int num, int den);

/// The two-line reminder that ends the answer of a graph question: the student checks the answer
/// by entering the numbers in the lesson. Rows `row` and `row + 1`.
void drawCheckingNote(DrillPage &page, int row);
