#include "lessons/functions/Fbunsu.h"

#include "drill/Drill.h"
#include "lessons/functions/CoefficientField.h"
#include "lessons/functions/ColumnCurve.h"
#include "lessons/functions/Corespond.h"
#include "lessons/functions/GraphGrid.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <utility>

namespace {

constexpr int kStartId = 104;
constexpr int kDrillId = 133;
constexpr int kFieldA = 105;
constexpr int kFieldB = 106;
constexpr int kFieldC = 107;
constexpr int kTableId = 1010;
/// Characters read from each coefficient field.
constexpr int kFieldChars = 5;

/// y = a / (x - b) + c, undefined at x = b.
CurveFunction hyperbola(double a, double b, double c)
{
    return [a, b, c](double x) -> std::optional<double> {
        if (x == b) return std::nullopt;
        return a / (x - b) + c;
    };
}

} // namespace

CFbunsu::CFbunsu(QWidget *parent) : LessonWindow(kTemplate150, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kTableId, [this] { OnTable(); });
    onCommand(kDrillId,
              [this] { openDrill(*this, DrillTopic::FractionalShift, 0, m_circleConstant); });
}

void CFbunsu::OnInitDialog()
{
    const Size client = clientSize();
    m_unitX = static_cast<std::int16_t>(client.cx / 36);
    m_unitY = static_cast<std::int16_t>(client.cy / 15);
    // The lesson opens on the inverse proportion y = 2 / x.
    setControlText(kFieldA, u"2.0");
    setControlText(kFieldB, u"0");
    setControlText(kFieldC, u"0");
}

void CFbunsu::OnStart()
{
    m_previous.remember(m_a, m_b, m_c);
    // Each field is stored as soon as it is accepted; a rejected one only gets the focus back.
    const CoefficientLimits limitsA{CoefficientLimits::kNoMaximum, false};
    const CoefficientLimits limitsBC;
    const std::array fields = {std::pair{kFieldA, &limitsA}, std::pair{kFieldB, &limitsBC},
                               std::pair{kFieldC, &limitsBC}};
    const std::array values = {&m_a, &m_b, &m_c};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto [id, limits] = fields[i];
        if (!AcceptDecimalCoefficient(controlText(id, kFieldChars), *limits, *values[i])) {
            focusControl(id);
            return;
        }
    }
    invalidate(true);
}

void CFbunsu::OnTable()
{
    if (CCorespond *window = m_table.handOver()) showOwnedWindow(*window);
}

int CFbunsu::gridStep() const
{
    // s = max(|trunc(b)| + 2, |trunc(c)| + 2): 2 up to 9, 20 up to 99, 200 up to 1000.
    return GridStepFor(TruncatedMagnitude(m_b, m_c) + 2.0);
}

void CFbunsu::OnPaint(Canvas &canvas)
{
    const int v = m_unitY;
    BkModeScope transparent(canvas, BkMode::Transparent);
    const GraphGrid grid(v, gridStep());
    drawTitle(canvas);
    grid.drawSquare(canvas);
    const std::optional<Point> mark = drawHyperbolas(canvas, grid);
    drawAsymptotes(canvas, grid);
    grid.drawDottedGrid(canvas);
    m_table.points().fillColumns(grid.step(), hyperbola(m_a, m_b, m_c));
    DrawFractionFormula(canvas, 3 * v, 13 * v);
    if (mark) DrawMaskBitmap(canvas, mark->x, mark->y);
    drawAsymptoteTexts(canvas);
}

void CFbunsu::drawTitle(Canvas &canvas) const
{
    // The general form, y = a / (x - b) + c, as a stacked fraction on a green plate.
    const int u = m_unitX;
    canvas.fillRect(Rect{u, 2, 9 * m_unitY, 2 * m_unitY}, Colors::Green);
    canvas.textOut(2 * u, 12, u"y = ─── + c");
    canvas.textOut(5 * u, 0, u"  a");
    canvas.textOut(5 * u - 8, 20, u"x - b");
}

std::optional<Point> CFbunsu::drawHyperbolas(Canvas &canvas, const GraphGrid &grid) const
{
    // The mark sits where the asymptotes cross, found by the current hyperbola's column at x = b;
    // no column there, no mark.
    std::optional<int> pole;
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        pole = DrawColumnCurve(canvas, grid, hyperbola(m_a, m_b, m_c));
    }
    // The hyperbola before the last start, in the canvas's default thin black pen.
    DrawColumnCurve(canvas, grid,
                    hyperbola(m_previous.m_prevA, m_previous.m_prevB, m_previous.m_prevC));
    if (!pole) return std::nullopt;
    return Point{*pole, grid.row(m_c)};
}

void CFbunsu::drawAsymptotes(Canvas &canvas, const GraphGrid &grid) const
{
    const int v = m_unitY;
    // Made dotted, drawn solid: a dotted pen wider than one pixel draws solid.
    PenScope blue(canvas, Pen{PenStyle::Dot, 2, Colors::Blue});
    canvas.moveTo(grid.column(m_b), 3 * v);
    canvas.lineTo(grid.column(m_b), 13 * v);
    canvas.moveTo(3 * v, grid.row(m_c));
    canvas.lineTo(13 * v, grid.row(m_c));
}

void CFbunsu::DrawFractionFormula(Canvas &canvas, int x, int y) const
{
    // y = a / (x - b) + c with the current numbers: the numerator over a bar, the denominator
    // centred under it; b = 0 gives the short bar over "  x".
    const int u = m_unitX;
    const std::u16string numerator = formatText(u"%3.1f", m_a);
    const std::u16string_view bar = m_b != 0.0 ? u"────" : u"──";
    const std::u16string denominator = m_b > 0.0   ? formatText(u"x-%3.1f", m_b)
                                       : m_b < 0.0 ? formatText(u"x+%3.1f", -m_b)
                                                   : std::u16string(u"  x");
    const std::u16string constant = m_c > 0.0   ? formatText(u"+%3.1f", m_c)
                                    : m_c < 0.0 ? formatText(u"%3.1f", m_c)
                                                : std::u16string();
    canvas.textOut(x + (m_b != 0.0 ? 4 * u : 3 * u) - 8, y, numerator);
    canvas.textOut(x, y + 12, formatText(u"y = %s %s", bar, constant));
    const int denominatorX =
        x + 2 * u + canvas.textExtent(bar).cx / 2 - canvas.textExtent(denominator).cx / 2 - 4;
    canvas.textOut(denominatorX, y + 22, denominator);
}

void CFbunsu::drawAsymptoteTexts(Canvas &canvas) const
{
    const int v = m_unitY;
    {
        TextColorScope blue(canvas, Colors::Blue);
        canvas.textOut(15 * v, 8 * v, u"漸近線");
        canvas.textOut(18 * v, 8 * v, formatText(u"x=%3.1f", m_b));
        canvas.textOut(18 * v, 9 * v, formatText(u"y=%3.1f", m_c));
    }
    if (m_b != 0.0 || m_c != 0.0) return;
    canvas.drawIcon(14 * v, 10 * v - 4, StockIcon::Exclamation);
    TextColorScope magenta(canvas, Colors::Magenta);
    canvas.textOut(16 * v, 10 * v + 4, u"反比例");
}
