#include "lessons/trig/Angfunc.h"

#include "drill/Drill.h"
#include "lessons/functions/GraphGrid.h"
#include "lessons/trig/TrigFigures.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDrillId = 133;
constexpr int kSineRadio = 109;
constexpr int kCosineRadio = 110;
constexpr int kTangentRadio = 111;
constexpr int kAngleBar = 112;
constexpr int kMaxAngle = 360;
constexpr int kAngleStep = 15;

} // namespace

CAngfunc::CAngfunc(QWidget *parent) : LessonWindow(kTemplate104, parent)
{
    onCommand(kSineRadio, [this] { selectFunction(kSine); });
    onCommand(kCosineRadio, [this] { selectFunction(kCosine); });
    onCommand(kTangentRadio, [this] { selectFunction(kTangent); });
    onScroll(kAngleBar, [this](ScrollAction action, int pos) { OnHScroll(action, pos); });
    onCommand(kDrillId, [this] { openDrill(*this, DrillTopic::TrigValues, 0, m_circleConstant); });
}

void CAngfunc::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CAngfunc::OnInitDialog()
{
    m_metrics = TrigLessonMetrics(clientSize(), 16, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    m_angle = 0;
    setScrollRange(kAngleBar, 0, kMaxAngle);
    setScrollPos(kAngleBar, 0);
    setCheckState(kSineRadio, 1);
    m_function = kSine;
}

void CAngfunc::OnHScroll(ScrollAction action, int pos)
{
    // Steps keep the angle within 0..360; a thumb position outside the bar's range is brought
    // back into it.
    int angle = m_angle;
    switch (action) {
    case ScrollAction::LineLeft:
    case ScrollAction::Left:
        if (angle > 0) angle = std::max(0, angle - kAngleStep);
        break;
    case ScrollAction::LineRight:
    case ScrollAction::Right:
        if (angle < kMaxAngle) angle = std::min(kMaxAngle, angle + kAngleStep);
        break;
    case ScrollAction::ThumbPosition:
    case ScrollAction::ThumbTrack:
        angle = std::clamp(pos, 0, kMaxAngle);
        break;
    case ScrollAction::PageLeft:
    case ScrollAction::PageRight:
    case ScrollAction::EndScroll:
        setScrollPos(kAngleBar, m_angle);
        return;
    }
    m_angle = static_cast<std::int16_t>(angle);
    const int cw = m_unitX;
    invalidateRect(Rect{2 * cw, 0, 44 * cw, PixelFromDouble(12.8 * m_unitY)}, true);
    setScrollPos(kAngleBar, m_angle);
}

void CAngfunc::selectFunction(std::int16_t function)
{
    m_function = function;
    invalidate(true);
}

double CAngfunc::radians() const
{
    return DegreesToRadians(m_angle, m_circleConstant);
}

Point CAngfunc::circlePoint(int radius) const
{
    const int u = m_unitY;
    const double theta = radians();
    return Point{6 * u + PixelFromDouble(radius * std::cos(theta)),
                 6 * u - PixelFromDouble(radius * std::sin(theta))};
}

GraphRow CAngfunc::graphRow(int q) const
{
    const int cw = m_unitX;
    const int u = m_unitY;
    const double phi = q * m_circleConstant / (12.0 * cw);
    double value = 0.0;
    switch (m_function) {
    case kCosine:
        value = std::cos(phi);
        break;
    case kSine:
        value = std::sin(phi);
        break;
    default:
        // The columns of 90 and 270 degrees have no tangent.
        if (q == 6 * cw || q == 18 * cw) return std::nullopt;
        value = std::tan(phi);
        break;
    }
    return 6 * u - PixelFromDouble(4.0 * u * value);
}

void CAngfunc::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    drawValuePanel(canvas);
    drawFrame(canvas);
    drawGraph(canvas);
    const int u = m_unitY;
    Point last;
    {
        PenScope blue(canvas, Pen{PenStyle::Solid, 1, Colors::Blue});
        const int d = m_angle > 180 ? -u : 2;
        canvas.textOut(6 * u - 12, 6 * u + d, u"O");
        // The tangent's construction reaches far beyond the circle near 90 and 270 degrees; it
        // stays within the height of the graph area, above the value panel.
        ClipScope figure(canvas, Rect{0, 0, clientSize().cx, 11 * u});
        if (m_function == kSine)
            last = drawSineConstruction(canvas, d);
        else if (m_function == kCosine)
            last = drawCosineConstruction(canvas);
        else
            last = drawTangentConstruction(canvas);
        // The value carried across to the graph's point at this angle.
        canvas.moveTo(last.x, last.y);
        canvas.lineTo(20 * m_unitX + m_angle * m_unitX * 12 / 180, last.y);
    }
    canvas.textOut(6 * u, 6 * u, formatText(u"%d°", m_angle));
    if (m_function != kTangent) {
        PenScope radius(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
        canvas.moveTo(6 * u, 6 * u);
        canvas.lineTo(last.x, last.y);
    }
    drawGrid(canvas);
}

void CAngfunc::drawValuePanel(Canvas &canvas)
{
    const int x = m_unitX;
    const int y = 11 * m_unitY;
    TextColorScope blue(canvas, Colors::Blue);
    if (m_function == kSine)
        DrawSinValue(m_angle, y, canvas, m_metrics, x, Colors::Blue, true);
    else if (m_function == kCosine)
        DrawCosValue(m_angle, y, canvas, m_metrics, x, Colors::Blue, true);
    else
        DrawTanValue(canvas, m_metrics, x, y, m_angle, Colors::Blue, true);
}

void CAngfunc::drawFrame(Canvas &canvas)
{
    const int cw = m_unitX;
    const int u = m_unitY;
    {
        BrushScope yellow(canvas, Brush::solid(Colors::Yellow));
        canvas.ellipse(2 * u, 2 * u, 10 * u, 10 * u);
    }
    canvas.fillRect(Rect{20 * cw, u, 44 * cw, 11 * u}, Colors::Yellow);
    PenScope axes(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
    canvas.moveTo(20 * cw, u);
    canvas.lineTo(20 * cw, 11 * u);
    canvas.textOut(20 * cw - 4, 0, u"y");
    canvas.moveTo(2 * u, 6 * u);
    canvas.lineTo(44 * cw, 6 * u);
    canvas.textOut(44 * cw + 8, 6 * u - u / 2, u"x");
    if (m_function == kCosine) {
        canvas.moveTo(6 * u, 6 * u);
        canvas.lineTo(6 * u, 2 * u);
    } else if (m_function == kTangent) {
        canvas.moveTo(10 * u, u);
        canvas.lineTo(10 * u, 11 * u);
    }
}

void CAngfunc::drawGraph(Canvas &canvas)
{
    // One point per pixel column; a segment back to the previous column is drawn when the new
    // point lies in the band within 4 pixels of the graph area and the previous one exists, so
    // the tangent is never joined across its undefined columns.
    const int cw = m_unitX;
    const int u = m_unitY;
    PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
    ClipScope band(canvas, Rect{20 * cw - 1, u - 3, 44 * cw + 1, 11 * u + 4});
    GraphRow previous = graphRow(0);
    for (int q = 1; q < 24 * cw; ++q) {
        const GraphRow row = graphRow(q);
        if (row && previous && *row > u - 4 && *row < 11 * u + 4) {
            canvas.moveTo(20 * cw + q, *row);
            canvas.lineTo(20 * cw + q - 1, *previous);
        }
        previous = row;
    }
}

void CAngfunc::drawAngleArc(Canvas &canvas, bool fromVertical)
{
    if (m_angle == 0) return;
    const int u = m_unitY;
    const Point o{6 * u, 6 * u};
    const double theta = radians();
    const int c = PixelFromDouble(u * std::cos(theta));
    const int s = PixelFromDouble(u * std::sin(theta));
    if (fromVertical)
        DrawAngleArc(canvas, o, u, Point{o.x, o.y - u}, Point{o.x - s, o.y - c});
    else
        DrawAngleArc(canvas, o, u, Point{o.x + u, o.y}, Point{o.x + c, o.y - s});
}

Point CAngfunc::drawSineConstruction(Canvas &canvas, int d)
{
    const int u = m_unitY;
    drawAngleArc(canvas, false);
    const Point a = circlePoint(4 * u);
    canvas.textOut(a.x, 6 * u + d, u"H");
    canvas.textOut(a.x, m_angle > 180 ? a.y + 2 : a.y - u, u"A");
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(a.x, 6 * u);
    canvas.moveTo(6 * u, 6 * u);
    canvas.lineTo(a.x, a.y);
    return a;
}

Point CAngfunc::drawCosineConstruction(Canvas &canvas)
{
    // The circle is read with the angle measured from the upward vertical, so that the cosine
    // stands upright like the sine.
    const int u = m_unitY;
    const int r = 4 * u;
    drawAngleArc(canvas, true);
    const double theta = radians();
    const Point a{6 * u - PixelFromDouble(r * std::sin(theta)),
                  6 * u - PixelFromDouble(r * std::cos(theta))};
    canvas.textOut(6 * u, a.y, u"H");
    canvas.moveTo(6 * u, 6 * u);
    canvas.lineTo(6 * u, a.y);
    canvas.lineTo(a.x, a.y);
    const bool upper = m_angle < 90 || m_angle > 270;
    canvas.textOut(a.x, upper ? a.y - u : a.y + 2, u"A");
    canvas.moveTo(6 * u, 6 * u);
    canvas.lineTo(a.x, a.y);
    return a;
}

Point CAngfunc::drawTangentConstruction(Canvas &canvas)
{
    // The ray OA meets the tangent line x = 10u at T = (10u, 6u - R tanθ); at 90 and 270 degrees
    // it never does and the ray ends at twice the radius instead.
    const int u = m_unitY;
    const int r = 4 * u;
    drawAngleArc(canvas, false);
    Point t;
    if (m_angle == 90 || m_angle == 270) {
        t = circlePoint(2 * r);
    } else {
        int rise = PixelFromDouble(r * std::tan(radians()));
        if (m_angle < 90) rise = std::abs(rise);
        t = Point{10 * u, 6 * u - rise};
    }
    const Point start = (m_angle < 91 || m_angle > 269) ? Point{6 * u, 6 * u} : circlePoint(r);
    canvas.textOut(10 * u, t.y, u"A");
    canvas.textOut(10 * u, 6 * u, u"H");
    canvas.moveTo(start.x, start.y);
    canvas.lineTo(t.x, t.y);
    return t;
}

void CAngfunc::drawGrid(Canvas &canvas)
{
    const int cw = m_unitX;
    const int u = m_unitY;
    PenScope dotted(canvas, Pen{PenStyle::Dot, 1, Colors::Black});
    FontScope font(canvas, Font{2 * u / 3, 0, 0, u"MS Serif"});
    for (int i = -4; i <= 4; ++i) {
        const int y = u * (i + 6);
        canvas.moveTo(20 * cw, y);
        canvas.lineTo(44 * cw, y);
        if (i == 0) {
            canvas.textOut(20 * cw - u, 6 * u, u"O");
        } else if (i % 2 == 0) {
            const std::u16string label = formatText(i < 0 ? u" %2.1f" : u"%2.1f", -i * 0.25);
            canvas.textOut(20 * cw - canvas.textExtent(label).cx - 2, y - 8, label);
        }
    }
    for (int k = 1; k <= 4; ++k) {
        const int x = 20 * cw + 6 * cw * k;
        canvas.moveTo(x, u);
        canvas.lineTo(x, 11 * u);
        canvas.textOut(x - 8, 6 * u, formatText(u" %d", 90 * k));
    }
}
