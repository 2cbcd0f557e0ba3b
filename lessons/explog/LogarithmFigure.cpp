#include "lessons/explog/LogarithmFigure.h"

#include "mathcore/FormulaDrawing.h"
#include "mathcore/TextFormat.h"

#include <cmath>

namespace {

int length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

double fractionValue(TypedFraction fraction)
{
    return static_cast<double>(fraction.numerator) / fraction.denominator;
}

} // namespace

std::u16string LogValueText(double value, bool equals)
{
    if (std::fabs(value) > 9) return formatText(equals ? u"=%5.1f" : u"%5.1f", value);
    return formatText(equals ? u"=%5.4f" : u"%5.4f", value);
}

LogarithmFigure::LogarithmFigure(Canvas &canvas, LessonMetrics &metrics, int cw, int ch)
    : m_canvas(canvas), m_metrics(metrics), m_cw(cw), m_ch(ch), m_x(cw),
      m_lineHeight(3 * ch / 2 + 4)
{}

void LogarithmFigure::draw(const LogarithmState &state)
{
    DrawLogOfBase(state);
    DrawLogOfProduct(state);
    DrawLogOfQuotient(state);
    DrawLogOfPower(state);
    DrawChangeOfBase(state);
}

void LogarithmFigure::log(int x, int y, std::u16string_view a)
{
    DrawSubscript(u"log", m_canvas, m_lineHeight, x, y, a);
}

void LogarithmFigure::DrawLogOfBase(const LogarithmState &state)
{
    // log_a a = 1 ⇔ a^1 = a, and log_a 1 = 0 ⇔ a^0 = 1.
    const std::u16string &a = state.a;
    const int l = length(a) + 1;
    const int y = 5 * m_ch;
    log(m_x, y, a);
    m_canvas.textOut(column(l), y, formatText(u"%s = 1", a));
    log(column(15), y, a);
    m_canvas.textOut(column(l + 15), y, u"1 = 0");
    TextColorScope red(m_canvas, Colors::Red);
    const int gap = length(a) + 2; // the cells of "⇔" and a, and one more
    drawPowerForm(column(7), y, a, u"1");
    m_canvas.textOut(column(gap + 7), y, formatText(u"=%s", a));
    drawPowerForm(column(22), y, a, u"0");
    m_canvas.textOut(column(gap + 22), y, u"= 1");
}

void LogarithmFigure::drawPowerForm(int x, int y, std::u16string_view a,
                                    std::u16string_view exponent)
{
    // "⇔" stands before the power, not inside it: a fraction a is stacked as the base, and the
    // arrow must stay out of its numerator.
    m_canvas.textOut(x, y, u"⇔");
    Size size;
    DrawPower(m_metrics, m_canvas, 3 * m_lineHeight / 4, x + m_canvas.textExtent(u"⇔").cx, y, a,
              exponent, size);
}

void LogarithmFigure::DrawLogOfProduct(const LogarithmState &state)
{
    // log_a (m*n) = log_a m + log_a n.
    const int l = length(state.a) + 1;
    const int y = 7 * m_ch;
    const std::u16string product = formatText(u"(%s*%s) =", state.m, state.n);
    const std::u16string sum = formatText(u"%s +", state.m);
    const int g = 2 * l + length(product);
    log(m_x, y, state.a);
    m_canvas.textOut(column(3), y, product);
    log(column(l + length(product)), y, state.a);
    m_canvas.textOut(column(g), y, sum);
    log(column(g + length(sum)), y, state.a);
    m_canvas.textOut(column(g + length(sum) + l), y, state.n);
}

void LogarithmFigure::DrawLogOfQuotient(const LogarithmState &state)
{
    // log_a (m over n) = log_a m - log_a n, the quotient stacked.
    const int l = length(state.a) + 1;
    const int y = 9 * m_ch;
    const std::u16string difference = formatText(u"%s -", state.m);
    log(m_x, y, state.a);
    m_canvas.textOut(column(3), y, u"──   =");
    m_canvas.textOut(column(4), y - 8, state.m);
    m_canvas.textOut(column(4), y + 8, state.n);
    log(column(9), y, state.a);
    m_canvas.textOut(column(l + 9), y, difference);
    log(column(l + 9 + length(difference)), y, state.a);
    m_canvas.textOut(column(2 * l + 9 + length(difference)), y, state.n);
}

void LogarithmFigure::DrawLogOfPower(const LogarithmState &state)
{
    // log_a m^n = n log_a m.
    const int l = length(state.a) + 1;
    const int y = 11 * m_ch;
    const int f = length(state.m) + l + 1;
    log(m_x, y, state.a);
    Size size;
    DrawPower(m_metrics, m_canvas, m_lineHeight, column(l), y, state.m, state.n, size);
    m_canvas.textOut(column(f), y, u"=");
    m_canvas.textOut(column(f + 2), y, state.n);
    log(column(f + length(state.n) + 2), y, state.a);
    m_canvas.textOut(column(f + length(state.n) + 2 + l), y, state.m);
}

void LogarithmFigure::DrawChangeOfBase(const LogarithmState &state)
{
    // log_a m = log_10 m over log_10 a.
    const int l = length(state.a) + 1;
    const int y = 13 * m_ch + 8;
    const int f = length(state.m) + l + 1;
    log(m_x, y, state.a);
    m_canvas.textOut(column(l), y, state.m);
    m_canvas.textOut(column(f), y, u"= ────");
    DrawSubscript(u"log", m_canvas, m_lineHeight, column(f + 2), y - 18, u"10");
    m_canvas.textOut(column(f + 5), y - 18, state.m);
    DrawSubscript(u"log", m_canvas, m_lineHeight, column(f + 2), y + 8, u"10");
    m_canvas.textOut(column(f + 5), y + 8, state.a);
    TextColorScope red(m_canvas, Colors::Red);
    if (!state.baseValue || !state.mValue) {
        m_canvas.textOut(column(f + 11), y, u"(底の変換)");
        return;
    }
    drawChangeOfBaseValue(state, f);
}

void LogarithmFigure::drawChangeOfBaseValue(const LogarithmState &state, int f)
{
    // Both logarithms are finite and the divisor is not 0: m > 0, a > 0 and a != 1 were checked
    // when they were accepted.
    const int y = 13 * m_ch + 8;
    const double u = std::log10(fractionValue(*state.mValue));
    const double v = std::log10(fractionValue(*state.baseValue));
    m_canvas.textOut(column(f + 9), y, u"= ─────");
    const int w = f + 10 + (u >= 0 ? 1 : 0);
    m_canvas.textOut(column(w), y - 10, LogValueText(u));
    const int wBelow = w - (v < 0 ? 1 : 0);
    m_canvas.textOut(column(wBelow), y + 8, LogValueText(v));
    m_canvas.textOut(column(wBelow + 5), y, LogValueText(u / v, true));
}
