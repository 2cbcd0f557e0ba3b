#include "lessons/functions/Onefunc.h"

#include "drill/Drill.h"
#include "lessons/functions/Corespond.h"
#include "lessons/functions/GraphGrid.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

namespace {

constexpr int kFieldA = 101;
constexpr int kFieldB = 102;
constexpr int kFieldC = 103;
constexpr int kStartId = 104;
constexpr int kAdvancedId = 130;
constexpr int kTableId = 1005;
/// Characters read from each coefficient field.
constexpr int kFieldChars = 5;

std::u16string signedFraction(const TypedFraction &fraction)
{
    std::u16string text;
    FormatSignedFraction(text, fraction.numerator, false, fraction.denominator);
    return text;
}

} // namespace

COnefunc::COnefunc(QWidget *parent) : LessonWindow(kTemplate102, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kAdvancedId, [this] { OnAdvanced(); });
    onCommand(kTableId, [this] { OnTable(); });
    onCommand(133,
              [this] { openDrill(*this, DrillTopic::LinearGraph, m_modeFlag, m_circleConstant); });
}

void COnefunc::OnInitDialog()
{
    const Size client = clientSize();
    m_unitX = static_cast<std::int16_t>(client.cx / 36);
    m_unitY = static_cast<std::int16_t>((client.cy - 8) / 14);
    setControlText(kFieldA, u"1");
}

void COnefunc::OnStart()
{
    m_previous.remember(m_a, m_b);
    m_decimalInput = 0;
    // Each field is stored as soon as it is accepted; a rejected one only gets the focus back.
    const CoefficientLimits limits;
    const std::array fields = {std::tuple{kFieldA, &m_a, &m_fractionA},
                               std::tuple{kFieldB, &m_b, &m_fractionB},
                               std::tuple{kFieldC, &m_c, &m_fractionC}};
    for (const auto &[id, value, fraction] : fields) {
        if (!AcceptCoefficient(controlText(id, kFieldChars), limits, *value, *fraction,
                               m_decimalInput)) {
            focusControl(id);
            return;
        }
    }
    invalidate(true);
}

void COnefunc::OnAdvanced()
{
    messageBox(u"２直線の傾きがm,nのとき、２直線は\n m=nのとき平行、\n m*n=-1のとき直交する。");
}

void COnefunc::OnTable()
{
    if (CCorespond *window = m_table.handOver()) showOwnedWindow(*window);
}

int COnefunc::gridStep() const
{
    return GridStepFor(TruncatedMagnitude(m_b, m_c));
}

void COnefunc::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    DrawEquationText(canvas);
    const GraphGrid grid(m_unitY, gridStep());
    grid.drawSquare(canvas);
    drawLines(canvas, grid);
    grid.drawDottedGrid(canvas);
    // The table receives the points of line (1) on the grid columns, in single precision.
    const float a = static_cast<float>(m_a);
    const float b = static_cast<float>(m_b);
    m_table.points().fillColumns(grid.step(), [a, b](double x) {
        return std::optional<double>(a * static_cast<float>(x) + b);
    });
    DrawMaskBitmap(canvas, grid.originX(), grid.row(m_b));
}

void COnefunc::DrawEquationText(Canvas &canvas) const
{
    const int v = m_unitY;
    const std::u16string lineOne = m_decimalInput ? decimalLineOne() : fractionLineOne();
    const std::u16string lineTwo =
        m_decimalInput ? formatText(u"(2)x=%3.2f", m_c) : fractionLineTwo();
    TextColorScope red(canvas, Colors::Red);
    canvas.textOut(3 * v, 13 * v + 4, lineOne);
    canvas.setTextColor(Colors::Blue);
    canvas.textOut(8 * v, 13 * v + 4, lineTwo);
}

std::u16string COnefunc::decimalLineOne() const
{
    if (m_a == 0.0) return formatText(u"(1)y=%3.2f ", m_b);
    const std::u16string slope = m_a == 1.0    ? std::u16string()
                                 : m_a == -1.0 ? std::u16string(u"-")
                                               : formatText(u"%3.2f", m_a);
    const std::u16string intercept = m_b > 0.0   ? formatText(u"+%3.2f", m_b)
                                     : m_b < 0.0 ? formatText(u"%3.2f", m_b)
                                                 : std::u16string();
    return formatText(u"(1)y=%sx%s ", slope, intercept);
}

std::u16string COnefunc::fractionLineOne() const
{
    // Fractions are written as typed, not reduced.
    if (m_fractionA.numerator == 0) return formatText(u"(1)y=%s", signedFraction(m_fractionB));
    const std::u16string slope = m_a == 1.0    ? std::u16string()
                                 : m_a == -1.0 ? std::u16string(u"-")
                                               : signedFraction(m_fractionA);
    const std::u16string intercept = m_b > 0.0   ? formatText(u"+%s", signedFraction(m_fractionB))
                                     : m_b < 0.0 ? signedFraction(m_fractionB)
                                                 : std::u16string();
    return formatText(u"(1)y=%sx%s ", slope, intercept);
}

std::u16string COnefunc::fractionLineTwo() const
{
    const std::u16string suffix = m_fractionC.denominator == 1
                                      ? std::u16string()
                                      : formatText(u"/%d", m_fractionC.denominator);
    const std::u16string number =
        formatText(m_fractionC.numerator < 1 ? u"%d%s" : u" %d%s", m_fractionC.numerator, suffix);
    return formatText(u"(2)x=%s", number);
}

void COnefunc::drawLines(Canvas &canvas, const GraphGrid &grid) const
{
    const int v = m_unitY;
    ClipScope clip(canvas, grid.square());
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        drawStraightLine(canvas, grid, static_cast<float>(m_a), static_cast<float>(m_b));
    }
    // The line before the last start, in the canvas's default thin black pen.
    drawStraightLine(canvas, grid, m_previous.m_prevA, m_previous.m_prevB);
    // Line (2) stands at c truncated toward zero.
    const int c = static_cast<int>(std::clamp(std::trunc(m_c), -1.0e6, 1.0e6));
    const int x = 8 * v + c * v / grid.step();
    PenScope blue(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
    canvas.moveTo(x, 3 * v);
    canvas.lineTo(x, 13 * v);
}

void COnefunc::drawStraightLine(Canvas &canvas, const GraphGrid &grid, float a, float b) const
{
    // From the left edge of the grid (x = -5w) to its right edge (x = 5w).
    const int v = m_unitY;
    const float halfWidth = 5.0f * static_cast<float>(grid.step());
    canvas.moveTo(3 * v, grid.row(a * -halfWidth + b));
    canvas.lineTo(13 * v, grid.row(a * halfWidth + b));
}
