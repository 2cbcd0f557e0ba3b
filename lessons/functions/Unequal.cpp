#include "lessons/functions/Unequal.h"

#include "drill/Drill.h"
#include "lessons/functions/GraphGrid.h"
#include "lessons/functions/XFormula.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/QuadraticText.h"
#include "mathcore/TermAlgebra.h"
#include "resources/DialogTemplates.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStartId = 104;
constexpr int kDrillId = 133;
constexpr int kFieldId = 131;
constexpr int kFieldChars = 63;
/// The grid's origin stands 6 units from the left.
constexpr int kOriginColumn = 6;

constexpr std::u16string_view kDefaultText = u"-xx/10>x+2";
constexpr std::u16string_view kDegreeMessage = u"次数が大き過ぎます。";

using Status = QuadraticReading::Status;

/// Reads one side into c, b, a; terms of the same degree are added (2x+x is 3x).
Status readSide(std::u16string_view text, CUnequal::Coefficients &out)
{
    const QuadraticReading reading = ReadQuadraticText(text);
    for (std::size_t i = 0; i < 3; ++i) {
        const ExactFraction &c = reading.coefficients[i];
        out[i] = static_cast<double>(c.num) / static_cast<double>(c.den);
    }
    return reading.status;
}

/// The larger of |trunc(x)| and |trunc(y)| at the side's vertex: x = -b/2a (0 for a line),
/// y = bx/2 + c.
double vertexMagnitude(const CUnequal::Coefficients &side)
{
    const double x = side[2] == 0.0 ? 0.0 : -side[1] / (2.0 * side[2]);
    return TruncatedMagnitude(x, side[1] * x / 2.0 + side[0]);
}

double valueAt(const CUnequal::Coefficients &side, double x)
{
    return side[2] * x * x + side[1] * x + side[0];
}

} // namespace

CUnequal::CUnequal(QWidget *parent) : LessonWindow(kTemplate108, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kDrillId, [this] { openDrill(*this, DrillTopic::Inequality, 0, m_circleConstant); });
}

void CUnequal::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 48, 14, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    setControlText(kFieldId, kDefaultText);
    accept(std::u16string(kDefaultText));
}

void CUnequal::OnStart()
{
    std::u16string text = controlText(kFieldId, kFieldChars);
    std::u16string_view message;
    if (ExpandXFormula(text, Inequality) < 0 || text.find_first_of(u"<>") == std::u16string::npos)
        message = kSymbolMessage;
    else
        message = CheckXFormulaCharacters(text);
    if (message.empty()) message = accept(std::move(text));
    if (!message.empty()) {
        // The field keeps what was typed; the figure keeps the last accepted inequality.
        messageBox(message);
        focusControl(kFieldId);
        return;
    }
    const int v = m_unitY;
    invalidateRect(Rect{v, v, 26 * v, 13 * v}, true);
}

std::u16string_view CUnequal::accept(std::u16string text)
{
    const std::size_t relation = text.find_first_of(u"<>");
    const std::u16string leftText = text.substr(0, relation);
    const std::u16string rightText = text.substr(relation + 1);
    Coefficients left{};
    Coefficients right{};
    const Status l = readSide(leftText, left);
    const Status r = readSide(rightText, right);
    if (l == Status::Unreadable || r == Status::Unreadable) return kSymbolMessage;
    if (l == Status::TooLarge || r == Status::TooLarge) return kTooLargeMessage;
    m_degreeError = l == Status::DegreeTooHigh || r == Status::DegreeTooHigh;
    m_sign = text[relation] == u'<' ? 1 : -1;
    m_left = left;
    m_right = right;
    m_leftText = leftText;
    m_rightText = rightText;
    m_text = std::move(text);
    return {};
}

void CUnequal::OnPaint(Canvas &canvas)
{
    const int v = m_unitY;
    BkModeScope transparent(canvas, BkMode::Transparent);
    if (m_degreeError) {
        canvas.fillRect(Rect{v, 6 * v, 11 * v, 7 * v}, Colors::Red);
        TextColorScope white(canvas, Colors::White);
        canvas.textOut(2 * v, 6 * v, kDegreeMessage);
        return;
    }
    drawPanel(canvas);
    const GraphGrid grid(v, gridStep(), kOriginColumn);
    grid.drawSquare(canvas);
    const std::array<Interval, 2> region = drawLeftCurve(canvas, grid);
    {
        PenScope blue(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
        drawCurve(canvas, grid, m_right, nullptr);
    }
    drawRegion(canvas, region);
    grid.drawDottedGrid(canvas);
}

void CUnequal::drawPanel(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    const int right = clientSize().cx - 2 * u;
    canvas.fillRect(Rect{30 * u, 5 * v - 4, right, 11 * v + 4}, Colors::NearBlack);
    canvas.fillRect(Rect{30 * u - 4, 5 * v - 8, right - 4, 11 * v}, Colors::White);
    TextColorScope color(canvas, Colors::Red);
    canvas.textOut(30 * u, 5 * v, u"赤色: y=");
    DrawMonomialText(canvas, m_metrics, 38 * u, 5 * v, m_leftText);
    canvas.setTextColor(Colors::Blue);
    canvas.textOut(30 * u, 7 * v, u"青色: y=");
    DrawMonomialText(canvas, m_metrics, 38 * u, 7 * v, m_rightText);
    canvas.setTextColor(Colors::Magenta);
    canvas.textOut(30 * u, 9 * v, u"紫色:不等式を");
    canvas.textOut(38 * u, 10 * v, u"満たす範囲");
}

int CUnequal::gridStep() const
{
    return GridStepFor(std::max(vertexMagnitude(m_left), vertexMagnitude(m_right)));
}

std::array<CUnequal::Interval, 2> CUnequal::drawLeftCurve(Canvas &canvas, const GraphGrid &grid)
{
    std::array<Interval, 2> region;
    PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
    drawCurve(canvas, grid, m_left, &region);
    return region;
}

void CUnequal::drawCurve(Canvas &canvas, const GraphGrid &grid, const Coefficients &side,
                         std::array<Interval, 2> *region)
{
    // One point per pixel column r = -5v..5v-1 from the origin, X = w r / v; a segment back to the
    // previous point is drawn when the new point lies within 4 pixels of the grid's height. The
    // band of the grid's columns keeps a segment from a point far outside off the panel.
    const int v = m_unitY;
    const int w = grid.step();
    const Rect square = grid.square();
    ClipScope band(canvas, Rect{square.left - 1, 3 * v - 4, square.right + 1, 13 * v + 5});
    std::size_t n = 0;
    Point previous;
    for (int r = -5 * v; r < 5 * v; ++r) {
        const double x = static_cast<double>(w) * r / v;
        const Point point{grid.originX() + r, grid.row(valueAt(side, x))};
        if (region) {
            // The rows grow downwards: the left side is below the right one where its row is
            // larger.
            const int rightRow = grid.row(valueAt(m_right, x));
            const bool holds = m_sign > 0 ? point.y > rightRow : rightRow > point.y;
            Interval &interval = (*region)[n];
            if (holds) {
                if (!interval.found) {
                    interval = Interval{true, r, point.y, r, point.y};
                }
                interval.endColumn = r;
                interval.endRow = point.y;
            } else {
                n = 1;
            }
        }
        if (r > -5 * v && point.y > 3 * v - 4 && point.y < 13 * v + 4) {
            canvas.moveTo(point.x, point.y);
            canvas.lineTo(previous.x, previous.y);
        }
        previous = point;
    }
}

void CUnequal::drawRegion(Canvas &canvas, const std::array<Interval, 2> &region)
{
    const int v = m_unitY;
    const int originX = kOriginColumn * v;
    const int axis = 8 * v;
    for (const Interval &interval : region) {
        if (!interval.found) continue;
        // No end line where the run reaches an edge of the grid.
        if (interval.startColumn > -5 * v) {
            canvas.moveTo(originX + interval.startColumn, interval.startRow);
            canvas.lineTo(originX + interval.startColumn, axis);
        }
        if (interval.endColumn < 5 * v - 1) {
            canvas.moveTo(originX + interval.endColumn, interval.endRow);
            canvas.lineTo(originX + interval.endColumn, axis);
        }
    }
    PenScope magenta(canvas, Pen{PenStyle::Solid, 3, Colors::Magenta});
    for (const Interval &interval : region) {
        if (!interval.found) continue;
        canvas.moveTo(originX + interval.startColumn, axis - 3);
        canvas.lineTo(originX + interval.endColumn, axis - 3);
    }
}
