#pragma once

#include "mathcore/ExactFraction.h"

#include <optional>
#include <string>
#include <vector>

/// What the learner gives the sequence lesson: the arithmetic sequence's first term a and common
/// difference d, the term number n, the geometric sequence's first term b and common ratio r.
/// Fractions are as typed (not reduced), with positive denominators.
struct SequenceInput
{
    ExactFraction a{2, 1};
    ExactFraction d{1, 2};
    int n = 3;
    ExactFraction b{2, 1};
    ExactFraction r{1, 2};
};

/// Characters [first, first + count) of a text, which the lesson lays on a yellow ground.
struct TextSpan
{
    int first = 0;
    int count = 0;
};

/// A text with the spans of the numbers that came from the inputs.
struct MarkedText
{
    std::u16string text;
    std::vector<TextSpan> marks;
};

/// Every text of the sequence figure, worked out from one accepted input.
struct SequenceFigure
{
    std::u16string arithmeticList; ///< " 2, 5/2, 3, 7/2,･･･"
    MarkedText nthTerm;            ///< " 2+(3-1)* 1/2= 3"
    MarkedText arithmeticSum;      ///< "3項までの和＝──｛2* 2+(3-1)* 1/2｝= 15/2"
    std::u16string sumLead;        ///< "3項までの和＝": the bar of n/2 follows it
    std::u16string nText;          ///< "3"

    std::u16string geometricList; ///< " 2, 1, 1/2, 1/4,･･･"
    MarkedText geometricTerm;     ///< "第 3項 ＝  2( 1/2)", raised to termExponent
    std::u16string termExponent;  ///< "3-1"
    /// The decimals are shown only when r < 1.
    bool decimals = false;
    std::u16string termDecimal; ///< "=0.500"
    std::u16string sumBar;      ///< "3項までの和＝──────"
    std::u16string sumDecimal;  ///< "=3.500"
    MarkedText sumNumerator;    ///< " 2{1-( 1/2)", raised to n, then "}"
    MarkedText sumDenominator;  ///< "1- 1/2", or "1-(-1/2)" for a negative ratio
};

/// Works the figure out: the arithmetic terms a + kd (reduced), the n-th term a + (n-1)d and the
/// sum n(a + a_n)/2 as exact fractions; the geometric terms b r^k (reduced), the n-th term
/// b r^(n-1) and the sum b(1 - r^n)/(1 - r) in decimals. nullopt when a number does not fit in
/// 64 bits, or when a decimal that is shown (r < 1) is not finite (the sum is shown in single
/// precision).
std::optional<SequenceFigure> ComputeSequenceFigure(const SequenceInput &input);
