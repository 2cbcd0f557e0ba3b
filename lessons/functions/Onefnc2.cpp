#include "lessons/functions/Onefnc2.h"

#include "lessons/functions/GraphGrid.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kStartId = 104;
/// Value of one grid cell: the labels count 2 units a cell.
constexpr int kGridStep = 2;
/// The grid's origin stands 7 cells from the left edge (the square spans 2v..12v).
constexpr int kOriginCells = 7;
constexpr std::size_t kSlopeTextChars = 8;
constexpr std::size_t kTermTextChars = 12;
constexpr Rgb kShadow = rgb(15, 15, 15);

std::u16string cut(std::u16string text, std::size_t capacity)
{
    if (text.size() > capacity) text.resize(capacity);
    return text;
}

float tenthsToValue(int tenths)
{
    return static_cast<float>(tenths) / 10.0f;
}

/// A number of the panel in "%3.1f", bracketed when negative: "(-4.0)".
std::u16string bracketedIfNegative(int tenths, float value)
{
    return formatText(tenths < 0 ? u"(%3.1f)" : u"%3.1f", value);
}

} // namespace

COnefnc2::COnefnc2(QWidget *parent) : LessonWindow(kTemplate114, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
}

void COnefnc2::OnInitDialog()
{
    for (std::u16string &text : m_lines)
        text.clear();
    m_metrics.setLayout(clientSize(), 36, 14, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    m_clickState = 1;
    m_point1 = Point{4 * m_unitY, 4 * m_unitY};
    m_point2 = Point{10 * m_unitY, 10 * m_unitY};
    if (m_modeFlag == 1) {
        computePanel();
        setCaption(u"円の方程式");
    }
}

TenthsPoint COnefnc2::PixelToValue(Point pixel) const
{
    // h pixels stand for one unit; a window too small for a whole pixel per unit still counts 1.
    const int v = m_unitY;
    const int h = std::max(5 * v / 10, 1);
    return TenthsPoint{(pixel.x - 7 * v) * 10 / h, (8 * v - pixel.y) * 10 / h};
}

Rect COnefnc2::clickRepaintRect() const
{
    // A label starts 4 pixels above its point and may end at 12v; the point's circle reaches 3
    // pixels beyond the square. One label height on every side covers both.
    const int v = m_unitY;
    const int grow = Canvas::defaultFont().height;
    return Rect{2 * v - grow, 3 * v - grow, 12 * v + grow, 13 * v + grow};
}

void COnefnc2::OnLButtonDown(Point p)
{
    const int v = m_unitY;
    if (p.x <= 2 * v || p.x >= 12 * v || p.y <= 3 * v || p.y >= 13 * v) return;
    if (m_clickState == 1) {
        m_point1 = p;
        m_clickState = 2;
    } else {
        m_point2 = p;
        m_clickState = 1;
    }
    invalidateRect(clickRepaintRect(), true);
}

void COnefnc2::OnStart()
{
    computePanel();
    invalidate(true);
}

void COnefnc2::setLine(int index, std::u16string_view text)
{
    m_lines.at(index) = cut(std::u16string(text), kLineCapacity);
}

void COnefnc2::computePanel()
{
    const TenthsPoint p1 = PixelToValue(m_point1);
    const TenthsPoint p2 = PixelToValue(m_point2);
    m_start1 = p1;
    m_start2 = p2;
    const float x1 = tenthsToValue(p1.x);
    const float y1 = tenthsToValue(p1.y);
    const float x2 = tenthsToValue(p2.x);
    const float y2 = tenthsToValue(p2.y);
    setLine(0, formatText(u"(%3.1f,%3.1f), (%3.1f,%3.1f)", x1, y1, x2, y2));
    if (p1.x != p2.x && p1.y != p2.y) {
        const float slope = static_cast<float>(p1.y - p2.y) / static_cast<float>(p1.x - p2.x);
        writeSlopeLines(x1, y1, x2, y2, slope);
        return;
    }
    if (p1.x != p2.x)
        setLine(1, formatText(u"y=%3.1f", y1));
    else if (p1.y != p2.y)
        setLine(1, formatText(u"x=%3.1f", x1));
    else
        setLine(1, u"同じ点ではいけません。");
    // No slope to write: the lines of the previous pair would describe another line.
    for (int i = 2; i <= 4; ++i)
        m_lines.at(i).clear();
}

void COnefnc2::writeSlopeLines(float x1, float y1, float x2, float y2, float slope)
{
    const std::u16string ys = bracketedIfNegative(m_start2.y, y2);
    const std::u16string xs = bracketedIfNegative(m_start2.x, x2);
    setLine(1, formatText(u"傾き=(%3.1f-%s)/(%3.1f-%s)", y1, ys, x1, xs));
    setLine(2, formatText(u"     =%3.2f", slope));
    setLine(3, formatText(u"y-%s = %3.2f(x-%s)", ys, slope, xs));
    const std::u16string slopeText = slope == 1.0f ? std::u16string()
                                     : slope == -1.0f
                                         ? std::u16string(u"-")
                                         : cut(formatText(u"%3.2f", slope), kSlopeTextChars);
    // The intercept k = y2 - m x2, in single precision.
    const float k = y2 - slope * x2;
    if (k > 0.0f)
        setLine(4, formatText(u"y = %sx +%3.2f", slopeText, k));
    else if (k < 0.0f)
        setLine(4, formatText(u"y = %sx %3.2f", slopeText, k));
    else
        setLine(4, formatText(u"y = %sx", slopeText));
}

GraphGrid COnefnc2::grid() const
{
    return GraphGrid(m_unitY, kGridStep, kOriginCells);
}

void COnefnc2::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    const GraphGrid graph = grid();
    canvas.fillRect(graph.square(), Colors::Yellow);
    drawBoxes(canvas);
    graph.drawDottedGrid(canvas);
    graph.drawAxes(canvas);
    drawPoints(canvas);
    drawNextClickLabel(canvas);
    if (m_modeFlag == 1) {
        drawCircle(canvas);
        drawCirclePanel(canvas);
    } else {
        drawLine(canvas);
        drawLinePanel(canvas);
    }
}

void COnefnc2::drawBoxes(Canvas &canvas) const
{
    // The next-click label's box and the result box, cyan with rounded corners.
    const int u = m_unitX;
    const int v = m_unitY;
    BrushScope cyan(canvas, Brush::solid(Colors::Cyan));
    canvas.roundRect(12 * v - 5 * u, 12 * v, 12 * v, 13 * v);
    if (m_modeFlag == 1)
        canvas.roundRect(14 * v, 10 * v + 4, 14 * v + 15 * u, 11 * v + 8);
    else
        canvas.roundRect(14 * v - 4, 8 * v + 4, 14 * v + 15 * u, 9 * v + 8);
}

void COnefnc2::drawPoints(Canvas &canvas) const
{
    for (const Point &point : {m_point1, m_point2}) {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        canvas.ellipse(point.x - 3, point.y - 3, point.x + 3, point.y + 3);
        drawPointLabel(canvas, point);
    }
}

void COnefnc2::drawPointLabel(Canvas &canvas, Point point) const
{
    // "(x,y)" just above and right of the point, or right-aligned to the square's right edge.
    const TenthsPoint value = PixelToValue(point);
    const std::u16string label =
        formatText(u"(%3.1f,%3.1f)", tenthsToValue(value.x), tenthsToValue(value.y));
    const int right = 12 * m_unitY;
    const int width = canvas.textExtent(label).cx;
    const int x = point.x + width + 5 > right ? right - width : point.x + 5;
    canvas.textOut(x, point.y - 4, label);
}

void COnefnc2::drawNextClickLabel(Canvas &canvas) const
{
    static constexpr std::u16string_view kLabels[2][2] = {{u"最初", u"最後"}, {u"中心", u"周上"}};
    const int mode = m_modeFlag == 1 ? 1 : 0;
    canvas.textOut(12 * m_unitY - 4 * m_unitX, 12 * m_unitY,
                   kLabels[mode][m_clickState == 1 ? 0 : 1]);
}

void COnefnc2::drawLine(Canvas &canvas) const
{
    // The line through both points in pixels, from the left edge of the square to its right edge,
    // an end that would leave the square moved back along the line to its top or bottom edge.
    const int v = m_unitY;
    PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
    const Point p1 = m_point1;
    const Point p2 = m_point2;
    if (p1.x == p2.x) {
        canvas.moveTo(p1.x, 3 * v);
        canvas.lineTo(p1.x, 13 * v);
        return;
    }
    const float slope = static_cast<float>(p1.y - p2.y) / static_cast<float>(p1.x - p2.x);
    const auto endAt = [&](int x) {
        const int y = p1.y + PixelFromDouble(static_cast<float>(x - p1.x) * slope);
        if (y < 3 * v)
            return Point{p1.x + PixelFromDouble(static_cast<float>(3 * v - p1.y) / slope), 3 * v};
        if (y > 13 * v)
            return Point{p1.x + PixelFromDouble(static_cast<float>(13 * v - p1.y) / slope), 13 * v};
        return Point{x, y};
    };
    const Point start = endAt(2 * v);
    const Point end = endAt(12 * v);
    canvas.moveTo(start.x, start.y);
    canvas.lineTo(end.x, end.y);
}

void COnefnc2::drawPanelBox(Canvas &canvas) const
{
    // A yellow box over its shadow, the points of the last start on it.
    const int u = m_unitX;
    const int v = m_unitY;
    canvas.fillRect(Rect{14 * v, 2 * v, 34 * u, 3 * v}, kShadow);
    canvas.fillRect(Rect{14 * v - 4, 2 * v - 4, 34 * u - 4, 3 * v - 4}, Colors::Yellow);
    canvas.textOut(15 * v - 8, 2 * v, m_lines[0]);
}

void COnefnc2::drawLinePanel(Canvas &canvas) const
{
    const int v = m_unitY;
    drawPanelBox(canvas);
    canvas.textOut(14 * v, 4 * v, m_lines[1]);
    canvas.textOut(14 * v, 5 * v, m_lines[2]);
    canvas.textOut(14 * v, 7 * v, m_lines[3]);
    TextColorScope red(canvas, Colors::Red);
    canvas.textOut(14 * v, 8 * v + 8, m_lines[4]);
}

void COnefnc2::drawCircle(Canvas &canvas) const
{
    // Upper half red, lower half blue, around the first point through the second.
    const double dx = m_point2.x - m_point1.x;
    const double dy = m_point2.y - m_point1.y;
    const int radius = PixelFromDouble(std::sqrt(dy * dy + dx * dx));
    const int cx = m_point1.x;
    const int cy = m_point1.y;
    ClipScope clip(canvas, grid().square());
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        canvas.arc(cx - radius, cy - radius, cx + radius, cy + radius, cx + radius, cy, cx - radius,
                   cy);
    }
    PenScope blue(canvas, Pen{PenStyle::Dot, 2, Colors::Blue});
    canvas.arc(cx - radius, cy - radius, cx + radius, cy + radius, cx - radius, cy, cx + radius,
               cy);
}

void COnefnc2::drawCirclePanel(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    drawPanelBox(canvas);
    const TenthsPoint p1 = m_start1;
    const TenthsPoint p2 = m_start2;
    canvas.textOut(14 * v, 3 * v, u"半径を rとすると");
    Size size;
    DrawFormula(m_metrics, canvas, 14 * v, 4 * v,
                formatText(u"r^2 =(%3.1f-(%3.1f))^2+(%3.1f-(%3.1f))^2 ", tenthsToValue(p2.x),
                           tenthsToValue(p1.x), tenthsToValue(p2.y), tenthsToValue(p1.y)),
                size);
    canvas.textOut(14 * v + 2 * u, 5 * v, formatText(u"= %3.1f", radiusSquared()));
    drawHalfCircleTexts(canvas);
}

float COnefnc2::radiusSquared() const
{
    // r^2 = ((X1 - X2)^2 + (Y1 - Y2)^2) / 100 from the tenths of the last start.
    const std::int64_t dx = std::int64_t{m_start1.x} - m_start2.x;
    const std::int64_t dy = std::int64_t{m_start1.y} - m_start2.y;
    return static_cast<float>(dx * dx + dy * dy) / 100.0f;
}

void COnefnc2::drawHalfCircleTexts(Canvas &canvas)
{
    // y = ±√(r^2 - (x - a)^2) + b and (x - a)^2 + (y - b)^2 = r^2 with the centre (a, b).
    const int u = m_unitX;
    const int v = m_unitY;
    const TenthsPoint p1 = m_start1;
    const float a = tenthsToValue(p1.x);
    const float b = tenthsToValue(p1.y);
    const float r2 = radiusSquared();
    const bool aZero = std::fabs(a) < 0.1f;
    const std::u16string radicand = aZero   ? formatText(u"%3.1f-x^2", r2)
                                    : a > 0 ? formatText(u"%3.1f-(x-%3.1f)^2", r2, a)
                                            : formatText(u"%3.1f-(x+%3.1f)^2", r2, -a);
    const std::u16string xTerm = cut(aZero   ? std::u16string(u"x")
                                     : a > 0 ? formatText(u"(x-%3.1f)", a)
                                             : formatText(u"(x+%3.1f)", -a),
                                     kTermTextChars);
    const bool bZero = std::fabs(b) < 0.1f;
    const std::u16string shift = bZero      ? std::u16string()
                                 : p1.y < 1 ? formatText(u"%3.1f", b)
                                            : formatText(u"+%3.1f", b);
    const std::u16string yTerm = bZero      ? std::u16string(u"y")
                                 : p1.y < 1 ? formatText(u"(y+%3.1f)", -b)
                                            : formatText(u"(y-%3.1f)", b);
    {
        TextColorScope red(canvas, Colors::Red);
        canvas.textOut(14 * v, 6 * v, u"上半分");
        canvas.textOut(14 * v, 7 * v, u"y =");
        canvas.textOut(14 * v, 8 * v, u"下半分");
        canvas.textOut(14 * v, 9 * v, u"y = -");
        for (const auto &[indent, row] : {std::pair{3, 7}, std::pair{4, 9}}) {
            const int x = 14 * v + indent * u;
            const int width = DrawMonomialText(canvas, m_metrics, x, row * v, radicand);
            DrawRadicalSign(radicand, m_metrics, canvas, x, row * v, 2, Colors::Red);
            canvas.textOut(x + u + width, row * v, shift);
        }
    }
    Size size;
    DrawFormula(m_metrics, canvas, 14 * v + u, 10 * v + 10,
                formatText(u"%s^2+%s^2 =%3.1f", xTerm, yTerm, r2), size);
}
