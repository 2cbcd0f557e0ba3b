#include "mathcore/FigureHelpers.h"

#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>

namespace {

std::int16_t narrow(int value)
{
    return static_cast<std::int16_t>(value);
}

enum class ValueShape
{
    Computed, ///< the value written with a printf format
    Fraction, ///< numerator over denominator, either under a root sign
    Root,     ///< a square root standing alone
    Infinity, ///< "∞"
};

// How an exact value looks. Texts are digits; the root sign goes over the part it names.
struct ExactValue
{
    ValueShape shape = ValueShape::Computed;
    bool negative = false;
    std::u16string_view numerator;
    std::u16string_view denominator;
    bool rootedNumerator = false;
    bool rootedDenominator = false;
};

constexpr ExactValue fraction(bool negative, std::u16string_view numerator, bool rooted = false)
{
    return ExactValue{ValueShape::Fraction, negative, numerator, u"2", rooted, false};
}

constexpr ExactValue rootOfThree(bool negative)
{
    return ExactValue{ValueShape::Root, negative, u"3", {}, true, false};
}

constexpr ExactValue oneOverRootThree(bool negative)
{
    return ExactValue{ValueShape::Fraction, negative, u"1", u"3", false, true};
}

// The two angles between 0 and 360 degrees that share an exact value.
struct ExactEntry
{
    int angle;
    int otherAngle;
    ExactValue value;
};

constexpr ExactEntry kSineValues[] = {
    {30, 150, fraction(false, u"1")},       {45, 135, fraction(false, u"2", true)},
    {60, 120, fraction(false, u"3", true)}, {210, 330, fraction(true, u"1")},
    {225, 315, fraction(true, u"2", true)}, {240, 300, fraction(true, u"3", true)},
};

constexpr ExactEntry kCosineValues[] = {
    {30, 330, fraction(false, u"3", true)}, {45, 315, fraction(false, u"2", true)},
    {60, 300, fraction(false, u"1")},       {120, 240, fraction(true, u"1")},
    {135, 225, fraction(true, u"2", true)}, {150, 210, fraction(true, u"3", true)},
};

constexpr ExactEntry kTangentValues[] = {
    {30, 210, oneOverRootThree(false)},
    {60, 240, rootOfThree(false)},
    {90, 270, ExactValue{ValueShape::Infinity, false, {}, {}, false, false}},
    {120, 300, rootOfThree(true)},
    {150, 330, oneOverRootThree(true)},
};

ExactValue exactValue(std::span<const ExactEntry> table, int angle)
{
    for (const ExactEntry &entry : table) {
        if (entry.angle == angle || entry.otherAngle == angle) return entry.value;
    }
    return ExactValue{};
}

double radians(const LessonMetrics &metrics, int angle)
{
    return angle * metrics.m_circleConstant / 180.0;
}

// The texts of one kind of panel.
struct PanelText
{
    std::u16string_view caption; ///< format of the caption, with the angle as "%d"
    std::u16string_view top;     ///< the definition's numerator segment
    std::u16string_view bottom;  ///< the definition's denominator segment
    std::u16string_view value;   ///< format of a value without an exact form
};

constexpr PanelText kSinePanel{u"sin%dﾟ=", u"AH", u"OA", u"%1.3f"};
constexpr PanelText kCosinePanel{u"cos%dﾟ=", u"OH", u"OA", u"%1.3f"};
constexpr PanelText kTangentPanel{u"tan%dﾟ=", u"AH", u"OH", u"%2.3f"};

// The caption with "──=" and the definition's segments stacked after it; returns where the value
// starts, relative to x.
int drawCaption(Canvas &canvas, LessonMetrics &metrics, int x, int y, const PanelText &panel,
                int angle)
{
    metrics.setScratchText(formatText(panel.caption, angle));
    const std::u16string caption = metrics.m_scratchText;
    canvas.textOut(x, y, caption);
    const int width = canvas.textExtent(caption).cx;
    canvas.textOut(x + width, y, u"──=");
    canvas.textOut(x + width + 8, y - 8, panel.top);
    canvas.textOut(x + width + 8, y + 8, panel.bottom);
    return 5 * metrics.m_unitX + width;
}

// Draws `value` with the value's row at y from x + c; returns the width from x.
int drawExactValue(Canvas &canvas, LessonMetrics &metrics, int x, int y, int c,
                   const ExactValue &value, Rgb color)
{
    const int cw = metrics.m_unitX;
    const int d = metrics.m_unitY / 2;
    if (value.negative) canvas.textOut(x + c, y, u"-");
    if (value.shape == ValueShape::Infinity) {
        canvas.textOut(x + c, y, u"∞");
        return c + canvas.textExtent(u"∞").cx;
    }
    if (value.shape == ValueShape::Root) {
        const int tx = x + c + (value.negative ? 2 * cw : cw);
        canvas.textOut(tx, y, value.numerator);
        DrawRadicalSign(value.numerator, metrics, canvas, tx, y, 2, color);
        return c + (value.negative ? 4 * cw : 2 * cw) + canvas.textExtent(value.numerator).cx;
    }
    // A negative fraction stands one unit further right, behind its "-".
    const int shift = value.negative ? cw : 0;
    canvas.moveTo(x + c + (value.negative ? cw + 2 : 0), y + d);
    canvas.lineTo(x + c + shift + 3 * cw, y + d);
    const int tx = x + c + shift + cw;
    canvas.textOut(tx, y - d, value.numerator);
    if (value.rootedNumerator)
        DrawRadicalSign(value.numerator, metrics, canvas, tx, y - d, 2, color);
    const int denominatorY = value.rootedDenominator ? y + d + 2 : y + d;
    canvas.textOut(tx, denominatorY, value.denominator);
    if (value.rootedDenominator)
        DrawRadicalSign(value.denominator, metrics, canvas, tx, denominatorY, 2, color);
    return c + shift + 3 * cw;
}

int drawValuePanel(Canvas &canvas, LessonMetrics &metrics, int x, int y, int angle, Rgb color,
                   bool caption, const PanelText &panel, const ExactValue &exact, double computed)
{
    const int c = caption ? drawCaption(canvas, metrics, x, y, panel, angle) : 0;
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, color});
    if (exact.shape != ValueShape::Computed)
        return drawExactValue(canvas, metrics, x, y, c, exact, color);
    metrics.setScratchText(formatText(panel.value, computed));
    canvas.textOut(x + c, y, metrics.m_scratchText);
    return c + canvas.textExtent(metrics.m_scratchText).cx;
}

} // namespace

void DrawRadicalSign(std::u16string_view radicand, LessonMetrics &metrics, Canvas &canvas, int x,
                     int y, int rootIndex, Rgb color)
{
    const int cw = metrics.m_unitX;
    const int ch = metrics.m_unitY;
    const int width = canvas.textExtent(radicand).cx;
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, color});
    canvas.moveTo(x - cw, y + ch - 10);
    canvas.lineTo(x - cw / 2, y + ch - 3);
    canvas.lineTo(x, y - 4);
    canvas.lineTo(x + width, y - 4);
    if (rootIndex != 1 && rootIndex != 2) {
        FontScope font(canvas, Font{std::max(1, 3 * ch / 4), 700, 0, u"MS Serif"});
        metrics.setScratchText(formatText(u"%d", rootIndex));
        canvas.textOut(x - cw, y - 4, metrics.m_scratchText);
    }
}

std::int16_t DrawSinValue(int angle, int y, Canvas &canvas, LessonMetrics &metrics, int x,
                          Rgb color, bool caption)
{
    // The sine is rounded to single precision before it is written.
    const double value = static_cast<float>(std::sin(radians(metrics, angle)));
    return narrow(drawValuePanel(canvas, metrics, x, y, angle, color, caption, kSinePanel,
                                 exactValue(kSineValues, angle), value));
}

std::int16_t DrawCosValue(int angle, int y, Canvas &canvas, LessonMetrics &metrics, int x,
                          Rgb color, bool caption)
{
    const double value = static_cast<float>(std::cos(radians(metrics, angle)));
    return narrow(drawValuePanel(canvas, metrics, x, y, angle, color, caption, kCosinePanel,
                                 exactValue(kCosineValues, angle), value));
}

std::int16_t DrawTanValue(Canvas &canvas, LessonMetrics &metrics, int x, int y, int angle,
                          Rgb color, bool caption)
{
    double value = std::tan(radians(metrics, angle));
    if (angle == 0 || angle == 180 || angle == 360)
        value = 0.0;
    else if (angle < 90 && value < 0.0)
        value = -value; // rounding noise of the circle constant
    return narrow(drawValuePanel(canvas, metrics, x, y, angle, color, caption, kTangentPanel,
                                 exactValue(kTangentValues, angle), value));
}

void DrawSigma(int x, Canvas &canvas, int y, int height)
{
    const TextMetrics tm = canvas.textMetrics();
    canvas.textOut(x, y, u"∑");
    FontScope font(canvas, Font{std::max(1, height / 2), 700, 0, u"MS Serif"});
    canvas.textOut(x + tm.aveCharWidth / 2, y - tm.height / 2 - 2, u"n");
    canvas.textOut(x, y + tm.height / 2 + 1, u"k=1");
}

void DrawArrow(Canvas &canvas, LessonMetrics &metrics, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
    if (x1 == x2 && y1 == y2) return;
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length;
    const double uy = dy / length;
    const double a = metrics.m_circleConstant / 6.0;
    for (const double angle : {a, -a}) {
        // Barb start = tip - 8 R(angle) u, truncated towards zero.
        const double rx = ux * std::cos(angle) - uy * std::sin(angle);
        const double ry = ux * std::sin(angle) + uy * std::cos(angle);
        canvas.moveTo(static_cast<int>(x2 - 8.0 * rx), static_cast<int>(y2 - 8.0 * ry));
        canvas.lineTo(x2, y2);
    }
}

void DrawMaskBitmap(Canvas &canvas, int x, int y)
{
    canvas.drawBitmap(x, y, kMarkerBitmapId);
}

int PixelFromDouble(double value)
{
    constexpr double kLimit = 1.0e8;
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::trunc(value), -kLimit, kLimit));
}
