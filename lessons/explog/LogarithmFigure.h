#pragma once

#include "lessons/functions/CoefficientField.h"
#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <optional>
#include <string>
#include <string_view>

/// What the logarithm figure shows: the texts put in for a, m and n ("a", "m", "n" in the letter
/// form) and, once numbers were accepted, a and m for the change of base.
struct LogarithmState
{
    std::u16string a = u"a";
    std::u16string m = u"m";
    std::u16string n = u"n";
    /// Absent in the letter form; a and m are positive and a is not 1.
    std::optional<TypedFraction> baseValue;
    std::optional<TypedFraction> mValue;
};

/// A common logarithm as the change-of-base row writes it: "%5.1f" when its absolute value
/// exceeds 9, else "%5.4f"; with `equals` a leading "=".
std::u16string LogValueText(double value, bool equals = false);

/// The figure of "対数の性質": log_a a = 1 and log_a 1 = 0 with their power forms (row 5), the
/// logarithm of a product (row 7), of a quotient (row 9), of a power (row 11) and the change of
/// base with its decimals (row 13), each cell `cw` x `ch` pixels, from x = cw. The formula helpers
/// draw with `metrics`.
class LogarithmFigure
{
public:
    LogarithmFigure(Canvas &canvas, LessonMetrics &metrics, int cw, int ch);

    void draw(const LogarithmState &state);

private:
    void DrawLogOfBase(const LogarithmState &state);
    void DrawLogOfProduct(const LogarithmState &state);
    void DrawLogOfQuotient(const LogarithmState &state);
    void DrawLogOfPower(const LogarithmState &state);
    void DrawChangeOfBase(const LogarithmState &state);
    void drawChangeOfBaseValue(const LogarithmState &state, int f);
    /// "⇔" and a to the power `exponent`, in a line three quarters of the logarithms' height.
    void drawPowerForm(int x, int y, std::u16string_view a, std::u16string_view exponent);

    /// "log" with the base `a` lowered, at (x, y).
    void log(int x, int y, std::u16string_view a);
    /// x + columns·cw.
    int column(int columns) const { return m_x + columns * m_cw; }

    Canvas &m_canvas;
    LessonMetrics &m_metrics;
    int m_cw;
    int m_ch;
    int m_x;
    /// Line height of the logarithms: their bases stand at half of it.
    int m_lineHeight;
};
