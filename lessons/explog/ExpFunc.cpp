#include "lessons/explog/ExpFunc.h"

#include "drill/Drill.h"
#include "lessons/functions/CoefficientField.h"
#include "lessons/functions/GraphGrid.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kStartId = 104;
constexpr int kFieldA = 113;
constexpr int kLawId = 129;
constexpr int kDrillId = 133;
/// Characters read from the base field.
constexpr int kFieldChars = 5;

constexpr std::u16string_view kInverseText =
    u"x=f(y)をyについて解いた式がy=g(x)\n とすると、gを fの逆関数という。";
constexpr std::u16string_view kRedLabel = u" ･･･(赤)";
constexpr std::u16string_view kBlueLabel = u" x ･･･(青)";
constexpr std::u16string_view kLogLabel = u"y = log";
/// The legend strip's colour.
constexpr Rgb kLegendColor = 0xFF0FFF;

} // namespace

CExpFunc::CExpFunc(QWidget *parent) : LessonWindow(kTemplate107, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kLawId, [this] { OnLaw(); });
    onCommand(kDrillId,
              [this] { openDrill(*this, DrillTopic::InverseFunction, 0, m_circleConstant); });
}

void CExpFunc::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CExpFunc::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 36, 14, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    setControlText(kFieldA, u"2");
    m_base = 2.0;
}

void CExpFunc::OnStart()
{
    // A decimal number above 0 and not 1 in any spelling ("1", "1.0", "01."): log a divides.
    const std::u16string text = controlText(kFieldA, kFieldChars);
    const double a = LeadingDecimal(text);
    if (CheckDecimalText(text) < 0 || !(a > 0.0) || a == 1.0) {
        focusControl(kFieldA);
        return;
    }
    m_base = a;
    // The legend's texts change with a and may run past the graph, so the whole figure is
    // repainted rather than the graph's square alone.
    invalidate(true);
}

void CExpFunc::OnLaw()
{
    messageBox(kInverseText);
}

void CExpFunc::OnPaint(Canvas &canvas)
{
    const int u = m_unitY;
    BkModeScope transparent(canvas, BkMode::Transparent);
    drawDefinition(canvas);
    drawLegend(canvas);
    const GraphGrid grid(u, 1);
    grid.drawSquare(canvas);
    const double a = m_base;
    const double logOfA = std::log(a);
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        drawCurve(canvas, grid, -5 * u, [a](double x) { return std::pow(a, x); });
    }
    {
        // Only x > 0 has a logarithm; a != 1 was checked at start, so log a is not 0.
        PenScope blue(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
        drawCurve(canvas, grid, 1, [logOfA](double x) { return std::log(x) / logOfA; });
    }
    canvas.moveTo(3 * u, 13 * u);
    canvas.lineTo(13 * u, 3 * u);
    grid.drawDottedGrid(canvas);
}

void CExpFunc::drawDefinition(Canvas &canvas)
{
    const int cw = m_unitX;
    const int u = m_unitY;
    Size size;
    DrawPower(m_metrics, canvas, 3 * u / 2, 29 * cw, u, u"y = a", u"x", size);
    DrawSubscript(u"x = log", canvas, 3 * u / 2, 29 * cw, 4 * u - 4, u"a");
    canvas.textOut(33 * cw + 4, 4 * u - 4, u" y");
}

void CExpFunc::drawLegend(Canvas &canvas)
{
    // y = a^x ･･･(赤)  y = log_a x ･･･(青) on a magenta strip, a as "%3.1f".
    const int cw = m_unitX;
    const int u = m_unitY;
    const int y = u - 2;
    canvas.fillRect(Rect{cw, u / 2, 24 * cw, 2 * u}, kLegendColor);
    const std::u16string power = formatText(u"y = %3.1f", m_base);
    const int x1 = 2 * cw;
    Size size;
    DrawPower(m_metrics, canvas, 3 * u / 2, x1, y, power, u"x", size);
    const int x2 = x1 + canvas.textExtent(power).cx;
    {
        TextColorScope red(canvas, Colors::Red);
        canvas.textOut(x2, y, kRedLabel);
    }
    const int x3 = x2 + 2 * cw + canvas.textExtent(kRedLabel).cx;
    DrawSubscript(kLogLabel, canvas, 3 * u / 2, x3, y, formatText(u"%3.1f", m_base));
    TextColorScope blue(canvas, Colors::Blue);
    canvas.textOut(x3 + cw + canvas.textExtent(kLogLabel).cx, y, kBlueLabel);
}

void CExpFunc::drawCurve(Canvas &canvas, const GraphGrid &grid, int first,
                         const std::function<double(double)> &function) const
{
    // Point (8u + trunc(u x), 8u - trunc(u y)) for x = i/u, converted by the grid's saturating
    // conversion, so that a^x far above the grid (2^5 is small, 99999^5 is not) stays defined.
    const int u = m_unitY;
    // A segment back to a point far outside the band would run across the window; only the band
    // that the test below admits is drawn.
    ClipScope band(canvas, Rect{3 * u - 1, 3 * u - 4, 13 * u + 1, 13 * u + 5});
    std::optional<Point> previous;
    for (int i = first; i < 5 * u; ++i) {
        const double x = static_cast<double>(i) / u;
        const Point point{grid.column(x), grid.row(function(x))};
        if (previous && point.y > 3 * u - 4 && point.y < 13 * u + 4) {
            canvas.moveTo(point.x, point.y);
            canvas.lineTo(previous->x, previous->y);
        }
        previous = point;
    }
}
