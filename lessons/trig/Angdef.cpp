#include "lessons/trig/Angdef.h"

#include "drill/Drill.h"
#include "lessons/functions/GraphGrid.h"
#include "lessons/trig/TrigFigures.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDrillId = 133;
constexpr int kFunctionList = 158;
constexpr int kIdentityIndex = 6;
constexpr Rgb kImportantColor = rgb(255, 0, 15);
/// Only the width of this text is used: the bar of the root sign over the length of OP.
constexpr std::u16string_view kRootMeasure = u"############";

constexpr std::array<std::u16string_view, 7> kFunctionEntries = {
    u"sin(ｻｲﾝ)",  u"cos(ｺｻｲﾝ)  ",  u"tan(ﾀﾝｼﾞｪﾝﾄ)", u"cot(ｺﾀﾝｼﾞｪﾝﾄ)",
    u"sec(ｾｶﾝﾄ)", u"cosec(ｺｾｶﾝﾄ)", u" 平方関係",
};

/// Which number of P a side of a ratio stands for.
enum class Side
{
    X,
    Y,
    R
};

/// One function's definition: its name, the ratio of sides by name and by P's numbers, and the
/// ratio of other functions it equals (empty for sine and cosine).
struct Definition
{
    std::u16string_view name;
    std::u16string_view upperLabel;
    std::u16string_view lowerLabel;
    Side upper;
    Side lower;
    std::u16string_view secondUpper;
    std::u16string_view secondLower;
};

constexpr std::array<Definition, 6> kDefinitions = {{
    {u"sin", u"PH", u"OP", Side::Y, Side::R, u"", u""},
    {u"cos", u"OH", u"OP", Side::X, Side::R, u"", u""},
    {u"tan", u"PH", u"OH", Side::Y, Side::X, u"sinθ", u"cosθ"},
    {u"cot", u"OH", u"PH", Side::X, Side::Y, u"1", u"tanθ"},
    {u"sec", u"OP", u"OH", Side::R, Side::X, u"1", u"cosθ"},
    {u"cosec", u"OP", u"PH", Side::R, Side::Y, u"1", u"sinθ"},
}};

double sideValue(const AnglePoint &p, Side side)
{
    switch (side) {
    case Side::X:
        return p.x();
    case Side::Y:
        return p.y();
    case Side::R:
        break;
    }
    return p.r();
}

int textLength(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

float AnglePoint::r() const
{
    const double x = x10;
    const double y = y10;
    return static_cast<float>(std::sqrt(x * x + y * y)) / 10.0f;
}

int AnglePoint::quadrant() const
{
    if (x10 == 0 || y10 == 0) return 0;
    if (y10 > 0) return x10 > 0 ? 1 : 2;
    return x10 < 0 ? 3 : 4;
}

CAngdef::CAngdef(QWidget *parent) : LessonWindow(kTemplate116, parent)
{
    onCommand(kFunctionList, [this] { OnSelectFunction(); });
    onCommand(kDrillId,
              [this] { openDrill(*this, DrillTopic::TrigDefinition, 0, m_circleConstant); });
}

void CAngdef::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CAngdef::OnInitDialog()
{
    m_metrics = TrigLessonMetrics(clientSize(), 16, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    const int u = m_unitY;
    m_pointP = Point{4 * u, 4 * u};
    m_origin = Point{(3 * u + 13 * u) / 2, (3 * u + 13 * u) / 2};
    clearComboEntries(kFunctionList);
    for (std::u16string_view entry : kFunctionEntries)
        addComboEntry(kFunctionList, entry);
    setComboSelection(kFunctionList, 0);
    m_function = 0;
}

AnglePoint CAngdef::anglePoint() const
{
    // One unit is D = 5u/10 pixels; coordinates are kept in tenths, truncated.
    const int d = std::max(1, 5 * m_unitY / 10);
    return AnglePoint{(m_pointP.x - m_origin.x) * 10 / d, (m_origin.y - m_pointP.y) * 10 / d};
}

void CAngdef::OnLButtonDown(Point p)
{
    const int u = m_unitY;
    const int near = 2 * m_unitX;
    const bool inSquare = p.x > 3 * u && p.x < 13 * u && p.y > 3 * u && p.y < 13 * u;
    const bool nearOrigin = std::abs(m_origin.x - p.x) < near && std::abs(m_origin.y - p.y) < near;
    if (!inSquare || nearOrigin) return;
    // A point whose coordinates both truncate to 0 would make OP zero long: ignored as well.
    const Point previous = m_pointP;
    m_pointP = p;
    const AnglePoint candidate = anglePoint();
    if (candidate.x10 == 0 && candidate.y10 == 0) {
        m_pointP = previous;
        return;
    }
    invalidate(true);
}

void CAngdef::OnSelectFunction()
{
    const int selected = comboSelection(kFunctionList);
    if (selected < 0 || selected > kIdentityIndex) return;
    m_function = static_cast<std::int16_t>(selected);
    invalidate(true);
}

void CAngdef::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    const int u = m_unitY;
    const GraphGrid grid(u, 2);
    canvas.fillRect(grid.square(), Colors::Yellow);
    grid.drawDottedGrid(canvas);
    grid.drawAxes(canvas, 3 * u - u - 2);
    const AnglePoint p = anglePoint();
    drawRadius(canvas, p);
    drawLength(canvas, p);
    DrawDefinitionPanel(canvas, p);
}

void CAngdef::drawRadius(Canvas &canvas, const AnglePoint &p)
{
    const int u = m_unitY;
    const Point &pp = m_pointP;
    const Point &o = m_origin;
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        canvas.ellipse(pp.x - 3, pp.y - 3, pp.x + 3, pp.y + 3);
        canvas.moveTo(pp.x, pp.y);
        canvas.lineTo(o.x, o.y);
    }
    {
        PenScope blue(canvas, Pen{PenStyle::Solid, 1, Colors::Blue});
        canvas.moveTo(pp.x, pp.y);
        canvas.lineTo(pp.x, o.y);
        canvas.textOut(pp.x, pp.y > o.y ? pp.y : pp.y - u,
                       formatText(u"P(%3.1f,%3.1f)", p.x(), p.y()));
        // The arc of radius M = 2cw runs from the positive x axis to the ray OP.
        const int m = 2 * m_unitX;
        const double dx = pp.x - o.x;
        const double dy = pp.y - o.y;
        const double k = m / std::sqrt(dx * dx + dy * dy);
        DrawAngleArc(canvas, o, m, Point{o.x + m, o.y},
                     Point{o.x + PixelFromDouble(dx * k), o.y + PixelFromDouble(dy * k)});
    }
    canvas.textOut(o.x + m_unitX, o.y - 3 * u / 2, u"θ");
    canvas.textOut(pp.x, o.y, u"H");
    canvas.textOut(o.x + 1, o.y, u"O");
}

void CAngdef::drawLength(Canvas &canvas, const AnglePoint &p)
{
    // OP = sqrt(x^2 + y^2) = r on the two rows under the grid.
    const int u = m_unitY;
    const int row = 14 * u;
    canvas.textOut(3 * u, row, u"OP=");
    int x1 = 4 * m_unitX + 3 * u;
    DrawRadicalSign(kRootMeasure, m_metrics, canvas, x1, row, 2, Colors::Black);
    Size size;
    const std::u16string xText = formatText(u"(%3.1f)", p.x());
    DrawPower(m_metrics, canvas, u + 2, x1, row, xText, u"2", size);
    x1 += m_unitX + canvas.textExtent(xText).cx;
    DrawPower(m_metrics, canvas, u + 2, x1, row, formatText(u"+(%3.1f)", p.y()), u"2", size);
    canvas.textOut(3 * u + 2 * m_unitX, 15 * u, formatText(u"= %3.2f", p.r()));
}

void CAngdef::DrawDefinitionPanel(Canvas &canvas, const AnglePoint &p)
{
    const int x0 = 3 * m_unitX + 13 * m_unitY;
    const int y0 = 5 * m_unitY;
    if (m_function == kIdentityIndex)
        drawIdentity(canvas, x0, y0);
    else if (m_function >= 0 && m_function < kIdentityIndex)
        drawRatioRows(canvas, p, x0, y0);
}

void CAngdef::drawRatioRows(Canvas &canvas, const AnglePoint &p, int x0, int y0)
{
    const int cw = m_unitX;
    const int u = m_unitY;
    const Definition &def = kDefinitions[static_cast<std::size_t>(m_function)];
    const std::u16string name = std::u16string(def.name) + u"θ";
    const int m = x0 + textLength(name) * cw;
    canvas.textOut(x0, y0, name);
    canvas.textOut(m, y0, u"=");
    DrawLabelFraction(canvas, m + 2 * cw, y0, def.upperLabel, def.lowerLabel);

    const double upper = sideValue(p, def.upper);
    const double lower = sideValue(p, def.lower);
    canvas.textOut(m, y0 + 2 * u, u"=");
    DrawLabelFraction(canvas, m + 2 * cw, y0 + 2 * u, formatText(u"%3.1f", upper),
                      formatText(u"%3.1f", lower));
    canvas.textOut(m + 6 * cw, y0 + 2 * u,
                   lower == 0.0 ? std::u16string(u"= ∞") : formatText(u"= %3.2f", upper / lower));
    {
        TextColorScope important(canvas, kImportantColor);
        canvas.textOut(x0, y0 + 4 * u, u"<<重要>>");
    }
    if (def.secondUpper.empty()) {
        const int quadrant = p.quadrant();
        if (quadrant == 0) return;
        canvas.textOut(x0 + 2 * cw, y0 + 5 * u, formatText(u"θが第%d象限にあるとき", quadrant));
        canvas.textOut(x0 + 6 * cw, y0 + 6 * u,
                       formatText(upper * lower > 0 ? u"%s>0" : u"%s<0", name));
        return;
    }
    canvas.textOut(x0 + 2 * cw, y0 + 6 * u, formatText(u"%s=", name));
    DrawLabelFraction(canvas, x0 + 2 * cw + (textLength(name) + 1) * cw, y0 + 6 * u,
                      def.secondUpper, def.secondLower);
}

void CAngdef::drawIdentity(Canvas &canvas, int x0, int y0)
{
    // (PH/OP)^2 + (OH/OP)^2 = 1, that is sin^2θ + cos^2θ = 1.
    const int cw = m_unitX;
    const int u = m_unitY;
    Size size;
    canvas.textOut(x0, y0, u"三平方の定理より");
    const int row = y0 + 2 * u;
    canvas.textOut(x0, row, u"(");
    DrawLabelFraction(canvas, x0 + cw, row, u"PH", u"OP");
    DrawPower(m_metrics, canvas, u, x0 + 5 * cw, row, u")", u"2", size);
    canvas.textOut(x0 + 7 * cw, row, u"+(");
    DrawLabelFraction(canvas, x0 + 9 * cw, row, u"OH", u"OP");
    DrawPower(m_metrics, canvas, u, x0 + 13 * cw, row, u")", u"2", size);
    canvas.textOut(x0 + 15 * cw, row, u"= 1");
    const int second = y0 + 4 * u;
    DrawPower(m_metrics, canvas, u, x0, second, u"sin", u"2", size);
    canvas.textOut(x0 + 3 * cw, second, u"θ");
    DrawPower(m_metrics, canvas, u, x0 + 5 * cw, second, u"+cos", u"2", size);
    canvas.textOut(x0 + 10 * cw, second, u"θ= 1");
}
