#include "lessons/explog/ExponentLawFigure.h"

#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <cstdlib>

namespace {

/// An exponent as the worked roots show it: a blank for 1 (nothing raised), else the number.
std::u16string shownExponent(int value)
{
    return value == 1 ? std::u16string(u" ") : formatText(u"%d", value);
}

std::u16string evaluatedSum(std::u16string text)
{
    EvaluateFractionSum(text);
    return text;
}

std::u16string evaluatedProduct(std::u16string text)
{
    // The first pass may only multiply the left fraction by the right numerator.
    EvaluateFractionProduct(text);
    EvaluateFractionProduct(text);
    return text;
}

} // namespace

ExponentLawTexts WriteExponentLaws(std::u16string_view mText, std::u16string_view nText)
{
    ExponentLawTexts texts;
    const std::u16string m(mText);
    const bool negativeN = !nText.empty() && nText.front() == u'-';
    texts.sum = m + (negativeN ? u"" : u"+") + std::u16string(nText);
    texts.difference =
        negativeN ? m + u"+" + std::u16string(nText.substr(1)) : m + u"-" + std::u16string(nText);
    texts.product = m + u"*" + std::u16string(nText);
    for (std::u16string *text : {&texts.sum, &texts.difference, &texts.product})
        cutToCapacity(*text, kFormulaTextCapacity);
    texts.evaluatedSum = evaluatedSum(texts.sum);
    texts.evaluatedDifference = evaluatedSum(texts.difference);
    texts.evaluatedProduct = evaluatedProduct(texts.product);
    return texts;
}

ExponentLawFigure::ExponentLawFigure(Canvas &canvas, LessonMetrics &metrics, int cw, int ch)
    : m_canvas(canvas), m_metrics(metrics), m_cw(cw), m_ch(ch)
{
    // The window font's line plus 4 pixels: exponents stand at half of it.
    const TextMetrics tm = canvas.textMetrics();
    m_lineHeight = tm.height + tm.externalLeading + 4;
}

void ExponentLawFigure::draw(const ExponentLawState &state)
{
    drawLetterRows();
    if (state.mText.empty()) {
        drawLetterLaws();
        return;
    }
    power(2 * m_cw, 5 * m_ch, formatText(u"%d", state.a), state.mText);
    drawPowerValue(state.a, state.m);
    drawNumberLaws(state);
}

int ExponentLawFigure::power(int x, int y, std::u16string_view base, std::u16string_view exponent)
{
    Size size;
    return DrawPower(m_metrics, m_canvas, m_lineHeight, x, y, base, exponent, size);
}

void ExponentLawFigure::rootedPower(int x, int y, std::u16string_view base,
                                    std::u16string_view exponent, int q)
{
    power(x, y, base, exponent);
    DrawRadicalSign(base, m_metrics, m_canvas, x, y, q, Colors::Red);
}

void ExponentLawFigure::drawLetterRows()
{
    // The left-hand sides of the three laws; the letter ａ is full width.
    const int cw = m_cw;
    const int ch = m_ch;
    power(2 * cw, 8 * ch, u"ａ", u"m");
    power(2 * cw, 11 * ch, u"ａ", u"m");
    power(4 * cw, 8 * ch, u"×ａ", u"n");
    power(4 * cw, 11 * ch, u"÷ａ", u"n");
    power(2 * cw, 14 * ch, u"(ａ", u"m");
    power(5 * cw, 14 * ch, u")", u"n");
}

void ExponentLawFigure::drawLetterLaws()
{
    const int cw = m_cw;
    const int ch = m_ch;
    power(2 * cw, 5 * ch, u"ａ", u"m");
    for (const int row : {8, 11, 14})
        m_canvas.textOut(8 * cw, row * ch, u"=");
    power(10 * cw, 8 * ch, u"a", u"m+n");
    power(10 * cw, 11 * ch, u"a", u"m-n");
    power(10 * cw, 14 * ch, u"a", u"mn");
}

void ExponentLawFigure::drawPowerValue(std::int16_t a, TypedFraction m)
{
    // a^(p/q) in red: 1 for p = 0, a^p (or 1/a^|p|) for q = 1, else the q-th root of a^|p|.
    const int cw = m_cw;
    const int y = 5 * m_ch;
    const int p = m.numerator;
    const int q = m.denominator;
    const std::u16string base = formatText(u"%d", a);
    const std::u16string exponent = shownExponent(std::abs(p));
    TextColorScope red(m_canvas, Colors::Red);
    if (p == 0) {
        m_canvas.textOut(7 * cw, y, u"= 1");
        return;
    }
    if (q == 1) {
        m_canvas.textOut(5 * cw, y, p < 0 ? u"= 1/" : u"=");
        power((p < 0 ? 8 : 7) * cw, y, base, exponent);
        return;
    }
    m_canvas.textOut(5 * cw, y, u"=");
    int g = 0;
    if (p < 0) {
        m_canvas.textOut(7 * cw, y, u" 1/");
        g = 3;
    }
    rootedPower((g + 7) * cw, y, base, exponent, q);
    if (q < std::abs(p)) drawFurther(base, exponent, std::abs(p), q);
}

void ExponentLawFigure::drawFurther(std::u16string_view base, std::u16string_view exponent, int p,
                                    int q)
{
    // "さらに": the q-th root of a^p is a^k times the q-th root of a^r, p = kq + r.
    const int cw = m_cw;
    const int y = 5 * m_ch;
    const int k = p / q;
    const int r = p % q;
    m_canvas.textOut(13 * cw, y, u"さらに");
    rootedPower(20 * cw, y, base, exponent, q);
    m_canvas.textOut(22 * cw, y, u"=");
    power(23 * cw, y, base, shownExponent(k));
    const int shift = k == 1 ? 0 : cw / 2;
    if (r != 0) {
        const int x = (static_cast<int>(base.size()) + 24) * cw + shift;
        rootedPower(x, y, base, shownExponent(r), q);
    }
}

void ExponentLawFigure::drawNumberLaws(const ExponentLawState &state)
{
    const int cw = m_cw;
    const int ch = m_ch;
    const std::u16string equalsA = formatText(u"= %d", state.a);
    power(10 * cw, 8 * ch, equalsA, state.mText);
    power(10 * cw, 11 * ch, equalsA, state.mText);
    // The bracket opened here closes with the ")" of the second piece.
    power(10 * cw, 14 * ch, formatText(u"= (%d", state.a), state.mText);
    power(14 * cw, 8 * ch, formatText(u"×%d", state.a), state.nText);
    power(14 * cw, 11 * ch, formatText(u"÷%d", state.a), state.nText);
    power(14 * cw, 14 * ch, u")", state.nText);
    TextColorScope red(m_canvas, Colors::Red);
    const ExponentLawTexts &laws = state.laws;
    power(18 * cw, 8 * ch, equalsA, laws.sum);
    power(18 * cw, 11 * ch, equalsA, laws.difference);
    power(18 * cw, 14 * ch, equalsA, laws.product);
    power(24 * cw, 8 * ch, equalsA, laws.evaluatedSum);
    power(24 * cw, 11 * ch, equalsA, laws.evaluatedDifference);
    power(24 * cw, 14 * ch, equalsA, laws.evaluatedProduct);
}
