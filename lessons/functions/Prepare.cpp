#include "lessons/functions/Prepare.h"

#include "drill/Drill.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <cmath>

namespace {

constexpr int kPointTableId = 1002;
constexpr int kUndoId = 1001;
constexpr int kDirectId = 1003;
constexpr int kInverseId = 1004;
constexpr Point kEmptySlot{-1, -1};
constexpr Rgb kInverseColor = rgb(0, 255, 15);

} // namespace

CPrepare::CPrepare(QWidget *parent) : LessonWindow(kTemplate101, parent)
{
    onCommand(kUndoId, [this] { OnUndo(); });
    onCommand(kDirectId, [this] { OnDirect(); });
    onCommand(kInverseId, [this] { OnInverse(); });
    onCommand(133,
              [this] { openDrill(*this, DrillTopic::Proportion, m_modeFlag, m_circleConstant); });
}

void CPrepare::OnInitDialog()
{
    const Size client = clientSize();
    m_unitX = static_cast<std::int16_t>(client.cx / 36);
    m_unitY = static_cast<std::int16_t>(client.cy / 17);
    m_lastPoint = ValuePoint{};
    m_points.fill(kEmptySlot);
    m_showDirect = 0;
    m_showInverse = 0;
}

void CPrepare::OnLButtonDown(Point p)
{
    // The grid spans 3v..13v both ways; one pixel of slack on each side.
    const int v = m_unitY;
    const int low = 3 * v - 1;
    const int high = 13 * v + 1;
    if (p.x < low || p.x > high || p.y < low || p.y > high) return;
    m_lastPoint = ValuePoint{static_cast<double>(p.x), static_cast<double>(p.y)};
    for (int i = kMaxPoints - 1; i > 0; --i)
        m_points[i] = m_points[i - 1];
    m_points[0] = p;
    invalidate(true);
}

void CPrepare::OnUndo()
{
    for (int i = 0; i < kMaxPoints - 1; ++i)
        m_points[i] = m_points[i + 1];
    m_points[kMaxPoints - 1] = kEmptySlot;
    if (m_points[0].x < 0)
        m_lastPoint.x = 0.0;
    else
        m_lastPoint =
            ValuePoint{static_cast<double>(m_points[0].x), static_cast<double>(m_points[0].y)};
    invalidate(true);
}

void CPrepare::OnDirect()
{
    m_showDirect = checkState(kDirectId) == 1 ? 0 : 1;
    setCheckState(kDirectId, m_showDirect);
    // The yellow fill repaints the graph area, so a removed overlay disappears without erasing.
    invalidate(false);
}

void CPrepare::OnInverse()
{
    m_showInverse = checkState(kInverseId) == 1 ? 0 : 1;
    setCheckState(kInverseId, m_showInverse);
    invalidate(false);
}

CPrepare::ValuePoint CPrepare::valuesAt(double px, double py) const
{
    // Origin (0, 0) at pixel (3v, 13v), one value per v pixels; the top edge 3v reads 10.
    const double v = m_unitY;
    return ValuePoint{std::fabs((px - 3 * v) / v), std::fabs(10.0 - (py - 3 * v) / v)};
}

void CPrepare::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    drawLegendBox(canvas);
    drawGrid(canvas);
    drawPolyline(canvas);
    if (hasMarkedPoint()) drawGuideLines(canvas);
    drawPointTable();
    if (m_showDirect) drawDirectProportion(canvas);
    if (m_showInverse) drawInverseProportion(canvas);
}

void CPrepare::drawLegendBox(Canvas &canvas) const
{
    const int v = m_unitY;
    {
        BrushScope yellow(canvas, Brush::solid(Colors::Yellow));
        canvas.rectangle(static_cast<int>(13.6 * v), static_cast<int>(3.5 * v),
                         static_cast<int>(18.8 * v), static_cast<int>(7.5 * v));
    }
    TextColorScope blue(canvas, Colors::Blue);
    canvas.textOut(14 * v, 4 * v, u"＜表し方＞");
    canvas.textOut(14 * v, 5 * v, u"(横軸,縦軸)");
}

void CPrepare::drawGrid(Canvas &canvas) const
{
    const int u = m_unitX;
    const int v = m_unitY;
    canvas.fillRect(Rect{3 * v, 3 * v, 13 * v, 13 * v}, Colors::Yellow);
    {
        PenScope axes(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
        canvas.moveTo(3 * v, 3 * v);
        canvas.lineTo(3 * v, 13 * v);
        canvas.moveTo(3 * v, 13 * v);
        canvas.lineTo(13 * v, 13 * v);
    }
    // Vertical labels run 9 down to 1, horizontal ones 0 to 9; 10 is not labelled.
    PenScope dotted(canvas, Pen{PenStyle::Dot, 1, Colors::Black});
    for (int i = 1; i <= 9; ++i) {
        const int y = 3 * v + i * v;
        canvas.moveTo(3 * v, y);
        canvas.lineTo(13 * v, y);
        canvas.textOut(3 * v - u, y - 8, formatText(u"%d", 10 - i));
    }
    for (int j = 0; j <= 9; ++j) {
        const int x = 3 * v + j * v;
        canvas.moveTo(x, 3 * v);
        canvas.lineTo(x, 13 * v);
        canvas.textOut(x - 8, 13 * v + 2, formatText(u"%d", j));
    }
}

void CPrepare::drawPolyline(Canvas &canvas) const
{
    // From the newest point to the oldest; every point but the newest gets a small circle.
    if (m_points[0].x < 0) return;
    PenScope pen(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
    canvas.moveTo(m_points[0].x, m_points[0].y);
    for (int i = 1; i < kMaxPoints; ++i) {
        const Point p = m_points[i];
        if (p.x < 0) break;
        canvas.ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
        canvas.lineTo(p.x, p.y);
    }
}

void CPrepare::drawGuideLines(Canvas &canvas) const
{
    const int u = m_unitX;
    const int v = m_unitY;
    const int d = static_cast<int>(m_lastPoint.x);
    const int f = static_cast<int>(m_lastPoint.y);
    const ValuePoint value = valuesAt(d, f);
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        TextColorScope redText(canvas, Colors::Red);
        canvas.moveTo(d, f);
        canvas.lineTo(d, 13 * v);
        canvas.textOut(d - 8, 13 * v + v / 2 + 2, formatText(u"%2.1f", value.x));
        canvas.moveTo(3 * v, f);
        canvas.lineTo(d, f);
        canvas.textOut(3 * v - 3 * u, f - 8, formatText(u"%2.1f", value.y));
    }
    canvas.textOut(14 * v, 6 * v, formatText(u"( %2.1f, %2.1f)", value.x, value.y));
}

void CPrepare::drawPointTable()
{
    // The surface is cleared on every paint, so undone points never show through.
    SurfaceCanvas surface = controlCanvas(kPointTableId);
    Canvas &table = *surface;
    BkModeScope transparent(table, BkMode::Transparent);
    const int width = table.size().cx;
    const int height = table.size().cy;
    const int column = width / 7;
    const int split = height / 2;
    table.textOut(4, 6, u"横軸");
    table.textOut(4, split + 6, u"縦軸");
    table.moveTo(0, split);
    table.lineTo(width, split);
    // The oldest remembered point comes first: the table runs in the order of clicking.
    int oldest = -1;
    for (int i = kMaxPoints - 1; i >= 0; --i) {
        if (m_points[i].x > 0) {
            oldest = i;
            break;
        }
    }
    for (int k = 0; k < kTableColumns; ++k) {
        const int x = column * (k + 1);
        table.moveTo(x, 0);
        table.lineTo(x, height);
        if (k > oldest) continue;
        const Point p = m_points[oldest - k];
        const ValuePoint value = valuesAt(p.x, p.y);
        table.textOut(x + 4, 6, formatText(u"%2.1f", value.x));
        table.textOut(x + 4, split + 6, formatText(u"%2.1f", value.y));
    }
}

void CPrepare::drawDirectProportion(Canvas &canvas) const
{
    // Y = 0.8 X from X = 0 to 10.
    const int v = m_unitY;
    PenScope blue(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
    canvas.moveTo(3 * v, 13 * v);
    canvas.lineTo(13 * v, 5 * v);
}

void CPrepare::drawInverseProportion(Canvas &canvas) const
{
    // Y = 10 / X through X = 1, 1.5, 2, 3, ..., 10.
    const int v = m_unitY;
    PenScope green(canvas, Pen{PenStyle::Solid, 2, kInverseColor});
    canvas.moveTo(4 * v, 3 * v);
    canvas.lineTo(9 * v / 2, 13 * v - 100 * v / 15);
    for (int i = 2; i <= 10; ++i)
        canvas.lineTo((i + 3) * v, 13 * v - 10 * v / i);
}
