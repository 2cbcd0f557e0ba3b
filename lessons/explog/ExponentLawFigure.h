#pragma once

#include "lessons/functions/CoefficientField.h"
#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <string>
#include <string_view>

/// The exponents of the three laws for m and n as typed: the sum, difference and product as
/// written ("1/2+3/2", "1/2-3/2", "1/2*3/2") and each worked out ("2", "-1", "3/4"). An exponent
/// that cannot be worked out stays as written.
struct ExponentLawTexts
{
    std::u16string sum;
    std::u16string difference;
    std::u16string product;
    std::u16string evaluatedSum;
    std::u16string evaluatedDifference;
    std::u16string evaluatedProduct;
};

/// Writes the exponents of a^m×a^n, a^m÷a^n and (a^m)^n: the sum joins the texts with "+" unless
/// n begins with '-'; the difference turns "-" before a negative n into "+"; the product joins them
/// with "*".
ExponentLawTexts WriteExponentLaws(std::u16string_view mText, std::u16string_view nText);

/// What the exponent-law figure shows: the letter form while `mText` is empty, else the numbers.
struct ExponentLawState
{
    std::int16_t a = 2;
    TypedFraction m{1, 2};
    std::u16string mText;
    std::u16string nText;
    ExponentLawTexts laws;
};

/// The figure of "指数法則": a^m on row 5 (worked into roots in red for numbers) and the laws
/// a^m×a^n, a^m÷a^n and (a^m)^n on rows 8, 11 and 14, each cell `cw` x `ch` pixels. The formula
/// helpers draw with `metrics`, whose units must be cw and ch.
class ExponentLawFigure
{
public:
    ExponentLawFigure(Canvas &canvas, LessonMetrics &metrics, int cw, int ch);

    void draw(const ExponentLawState &state);

private:
    void drawLetterRows();
    void drawLetterLaws();
    void drawPowerValue(std::int16_t a, TypedFraction m);
    void drawFurther(std::u16string_view base, std::u16string_view exponent, int p, int q);
    void drawNumberLaws(const ExponentLawState &state);

    /// `DrawPower` of base and exponent with the figure's line height; returns the width.
    int power(int x, int y, std::u16string_view base, std::u16string_view exponent);
    /// A power under a red root sign of index `q` over the base.
    void rootedPower(int x, int y, std::u16string_view base, std::u16string_view exponent, int q);

    Canvas &m_canvas;
    LessonMetrics &m_metrics;
    int m_cw;
    int m_ch;
    int m_lineHeight;
};
