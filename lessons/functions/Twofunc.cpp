#include "lessons/functions/Twofunc.h"

#include "drill/Drill.h"
#include "lessons/functions/Corespond.h"
#include "lessons/functions/GraphGrid.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace {

constexpr int kStartId = 104;
constexpr int kDrillId = 133;
constexpr int kPromptId = 157;
constexpr int kFieldA = 105;
constexpr int kFieldB = 106;
constexpr int kFieldC = 107;
constexpr int kTableId = 1009;
/// Characters read from a coefficient field: 5 for the parabola, 7 for the composition.
constexpr int kQuadraticFieldChars = 5;
constexpr int kCompositionFieldChars = 7;

constexpr std::u16string_view kTooLargeText = u"数が大きすぎます。";
/// The bar of a fraction written with text above and below it.
constexpr std::u16string_view kFractionBar = u"────";
constexpr std::u16string_view kCosineLabel = u"ただし cosα=";
constexpr std::u16string_view kSineLabel = u"sinα=";

} // namespace

CTwofunc::CTwofunc(QWidget *parent) : LessonWindow(kTemplate103, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kTableId, [this] { OnTable(); });
    onCommand(kDrillId, [this] {
        const std::int16_t topic = m_modeFlag == 1 ? DrillTopic::Composition : DrillTopic::Parabola;
        openDrill(*this, topic, m_modeFlag, m_circleConstant);
    });
}

void CTwofunc::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CTwofunc::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 36, 15, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    setControlText(kFieldA, u"1");
    if (m_modeFlag == 1) {
        setCaption(u"三角関数の合成公式");
        setControlText(kPromptId, u"a,b に整数を入れて下さい。");
        setControlText(kFieldB, u"sqr(3)");
        setControlText(kFieldC, u"sqr(数)");
        enableControl(kFieldC, false);
        enableControl(kTableId, false);
        m_composition = ComposeSineCosine({m_integerA, m_rootA}, {m_integerB, m_rootB});
        return;
    }
    // The texts of y = x^2 - 4x = (x-2)^2 - 4.
    setControlText(kFieldB, u"-4");
    m_squareText = u"(x-2)";
    m_constantText = u"-4";
    m_vertexXText = u"2";
    m_vertexYText = u"-4";
}

void CTwofunc::OnStart()
{
    if (m_modeFlag == 0)
        startQuadratic();
    else if (m_modeFlag == 1)
        startComposition();
}

void CTwofunc::startQuadratic()
{
    m_previous.remember(m_a, m_b, m_c);
    m_decimalInput = 0;
    // Each field is stored as soon as it is accepted; a rejected one (a = 0 included) keeps its
    // previous value and only gets the focus back.
    const CoefficientLimits limitsA{CoefficientLimits::kNoMaximum, false};
    const CoefficientLimits limitsBC;
    const std::array fields = {std::tuple{kFieldA, &limitsA, &m_a, &m_fractionA},
                               std::tuple{kFieldB, &limitsBC, &m_b, &m_fractionB},
                               std::tuple{kFieldC, &limitsBC, &m_c, &m_fractionC}};
    for (const auto &[id, limits, value, fraction] : fields) {
        if (!AcceptCoefficient(controlText(id, kQuadraticFieldChars), *limits, *value, *fraction,
                               m_decimalInput)) {
            focusControl(id);
            return;
        }
    }
    VertexFormTexts texts = WriteVertexForm(quadratic(), m_decimalInput != 0);
    m_coefficientText = std::move(texts.coefficient);
    m_squareText = std::move(texts.square);
    m_constantText = std::move(texts.constant);
    m_vertexXText = std::move(texts.vertexX);
    m_vertexYText = std::move(texts.vertexY);
    invalidate(true);
}

void CTwofunc::startComposition()
{
    // Both fields are read before anything is stored, so a rejection keeps the whole figure.
    const std::optional<RootedInteger> a =
        ReadRootedInteger(controlText(kFieldA, kCompositionFieldChars));
    if (!a) {
        focusControl(kFieldA);
        return;
    }
    const std::optional<RootedInteger> b =
        ReadRootedInteger(controlText(kFieldB, kCompositionFieldChars));
    if (!b || (a->value == 0 && b->value == 0)) {
        focusControl(kFieldB);
        return;
    }
    m_integerA = a->value;
    m_rootA = a->root;
    m_integerB = b->value;
    m_rootB = b->root;
    m_composition = ComposeSineCosine(*a, *b);
    invalidate(true);
    // Told once here; the figure then leaves out what could not be simplified.
    if (!m_composition.complete()) messageBox(kTooLargeText);
}

void CTwofunc::OnTable()
{
    if (CCorespond *window = m_table.handOver()) showOwnedWindow(*window);
}

Quadratic CTwofunc::quadratic() const
{
    return Quadratic{m_a, m_b, m_c, m_fractionA, m_fractionB, m_fractionC};
}

void CTwofunc::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    if (m_modeFlag == 0)
        paintQuadratic(canvas);
    else if (m_modeFlag == 1)
        paintComposition(canvas);
}

void CTwofunc::paintQuadratic(Canvas &canvas)
{
    const int v = m_unitY;
    DrawVertexText(canvas);
    // The grid step keeps the vertex (-p, q) in view.
    const Quadratic current = quadratic();
    const double vertexX = -current.p();
    const GraphGrid grid(v, GridStepFor(TruncatedMagnitude(vertexX, current.q())));
    drawTitlePlate(canvas);
    grid.drawSquare(canvas);
    std::optional<Point> vertexMark;
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        vertexMark = drawParabola(canvas, grid, m_a, m_b, m_c, vertexX);
    }
    // The parabola before the last start, in the canvas's default thin black pen.
    drawParabola(canvas, grid, m_previous.m_prevA, m_previous.m_prevB, m_previous.m_prevC,
                 std::nullopt);
    {
        PenScope blue(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
        canvas.moveTo(grid.column(vertexX), 3 * v);
        canvas.lineTo(grid.column(vertexX), 13 * v);
    }
    grid.drawDottedGrid(canvas);
    const double a = m_a;
    const double b = m_b;
    const double c = m_c;
    m_table.points().fillColumns(grid.step(), [a, b, c](double x) {
        const long double wide = x;
        return std::optional<double>(static_cast<double>(a * wide * wide + b * wide + c));
    });
    if (vertexMark) DrawMaskBitmap(canvas, vertexMark->x, vertexMark->y);
}

void CTwofunc::DrawVertexText(Canvas &canvas)
{
    const int v = m_unitY;
    TextColorScope blue(canvas, Colors::Blue);
    const std::u16string base = formatText(u"y = %s%s", m_coefficientText, m_squareText);
    Size size;
    DrawPower(m_metrics, canvas, v, 4 * v, 13 * v + 6, base, u"2", size);
    canvas.textOut(4 * v + canvas.textExtent(base).cx + 8, 13 * v + 6, m_constantText);
    canvas.setTextColor(Colors::Red);
    canvas.textOut(
        4 * v, 14 * v + 4,
        formatText(u"頂点 (%s, %s)  軸 x=%s", m_vertexXText, m_vertexYText, m_vertexXText));
}

void CTwofunc::drawTitlePlate(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    canvas.fillRect(Rect{u, v / 2 + 4, 16 * u, 2 * v - 4}, Colors::NearBlack);
    canvas.fillRect(Rect{u - 4, v / 2, 16 * u - 4, 2 * v - 8}, Colors::Green);
    Size size;
    DrawPower(m_metrics, canvas, v, 2 * u, v - 4, u"y = ax", u"2", size);
    canvas.textOut(7 * u, v - 4, u" + bx + c");
}

std::optional<Point> CTwofunc::drawParabola(Canvas &canvas, const GraphGrid &grid, double a,
                                            double b, double c, std::optional<double> vertexX) const
{
    // One point per pixel column from x = -5w to 5w. A segment back to the previous point is
    // drawn only when the new point lies within 4 pixels of the grid's height. The vertex mark
    // goes to the point nearest the vertex's x among the drawn points less than one unit from it.
    const int v = m_unitY;
    const int w = grid.step();
    std::optional<Point> mark;
    double markDistance = 1.0;
    // A segment back to a point far above or below the grid would cross the texts around it;
    // the band of the grid's columns and the rows the test above admits cuts it off.
    ClipScope band(canvas, Rect{3 * v - 1, 3 * v - 4, 13 * v + 1, 13 * v + 5});
    Point previous;
    for (int r = -5 * v; r < 5 * v; ++r) {
        const double x = static_cast<double>(w) * r / v;
        const double y = a * x * x + b * x + c;
        // The column 8v + trunc(v x / w) is 8v + r; taking r itself avoids a rounding step.
        const Point point{grid.originX() + r, grid.row(y)};
        const bool inRange = point.y > 3 * v - 4 && point.y < 13 * v + 4;
        if (r > -5 * v && inRange) {
            canvas.moveTo(point.x, point.y);
            canvas.lineTo(previous.x, previous.y);
        }
        if (vertexX && inRange && std::fabs(*vertexX - x) < markDistance) {
            mark = point;
            markDistance = std::fabs(*vertexX - x);
        }
        previous = point;
    }
    return mark;
}

void CTwofunc::paintComposition(Canvas &canvas)
{
    drawCompositionFrame(canvas);
    TextColorScope blue(canvas, Colors::Blue);
    drawCompositionSum(canvas);
    drawCompositionResult(canvas);
}

void CTwofunc::drawCompositionFrame(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    canvas.fillRect(Rect{u, v / 2, 13 * u, 2 * v}, Colors::Yellow);
    canvas.fillRect(Rect{u, 4 * v - 6, 23 * u, 7 * v}, Colors::Yellow);
    canvas.fillRect(Rect{27 * u, 7 * v - 6, 35 * u, 8 * v + 2}, Colors::Cyan);
    drawRootLegend(canvas);
    canvas.textOut(2 * u, v - 4, u"a sinθ + b cosθ");
    // A down arrow to the composed form.
    const int tip = 7 * v / 2;
    canvas.moveTo(3 * u, 2 * v);
    canvas.lineTo(3 * u, tip);
    canvas.lineTo(2 * u, tip - 4);
    canvas.lineTo(4 * u, tip - 4);
    canvas.lineTo(3 * u, tip);
    canvas.textOut(5 * u, 5 * v / 2, u"合成 (cf.sin(θ+α)の加法定理)");
    drawRootOfSquares(canvas, 2 * u, 4 * v);
    canvas.textOut(6 * u, 4 * v, u"sin(θ+α)");
    drawRatioDefinitions(canvas);
}

void CTwofunc::drawRootLegend(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    TextColorScope magenta(canvas, Colors::Magenta);
    canvas.drawIcon(24 * u, 7 * v - 4, StockIcon::Exclamation);
    canvas.textOut(27 * u, 7 * v, formatText(u"sqr(%s)=", u"数"));
    canvas.textOut(33 * u, 7 * v, u"数");
    DrawRadicalSign(u"数", m_metrics, canvas, 33 * u, 7 * v, 2, Colors::Magenta);
}

void CTwofunc::drawRatioDefinitions(Canvas &canvas)
{
    // cos α = a / sqrt(a^2 + b^2) and sin α = b / sqrt(a^2 + b^2), each over a bar.
    const int u = m_unitX;
    const int y = 5 * m_unitY + 4;
    const auto fraction = [&](int barX, std::u16string_view letter) {
        canvas.textOut(barX, y, kFractionBar);
        canvas.textOut(barX + u, y - 12, letter);
        drawRootOfSquares(canvas, barX + 4, y + 16);
    };
    canvas.textOut(2 * u, y, kCosineLabel);
    const int labelWidth = canvas.textExtent(kCosineLabel).cx + 2;
    fraction(2 * u + labelWidth, u"a");
    const int sineX = 8 * u + labelWidth;
    canvas.textOut(sineX, y, kSineLabel);
    fraction(sineX + canvas.textExtent(kSineLabel).cx + 2, u"b");
}

void CTwofunc::drawRootOfSquares(Canvas &canvas, int x, int y)
{
    const int v = m_unitY;
    Size size;
    const int first = DrawPower(m_metrics, canvas, v, x, y + 2, u"a", u"2", size);
    DrawPower(m_metrics, canvas, v, x + first + 6, y + 2, u"+b", u"2", size);
    DrawRadicalSign(u"+ba", m_metrics, canvas, x, y, 2, Colors::Black);
}

void CTwofunc::drawCompositionSum(Canvas &canvas)
{
    // The student's a sinθ + b cosθ, with b's sign written between the terms.
    const int y = 9 * m_unitY;
    int x = 3 * m_unitX;
    const auto put = [&](std::u16string_view text) {
        canvas.textOut(x, y, text);
        x += canvas.textExtent(text).cx + 4;
    };
    const RootedInteger a{m_integerA, m_rootA};
    const RootedInteger b{m_integerB, m_rootB};
    put(formatText(u"%ssinθ", termPrefix(canvas, x, y, a, true)));
    put(b.value < 1 ? u" -" : u" +");
    put(formatText(u"%scosθ", termPrefix(canvas, x, y, b, false)));
}

std::u16string CTwofunc::termPrefix(Canvas &canvas, int &x, int y, RootedInteger term,
                                    bool signedTerm)
{
    // A coefficient of magnitude 1 is left out; a root is drawn at once (x moves past it) and
    // leaves nothing to put in front of sinθ or cosθ.
    const std::int64_t magnitude = std::abs(std::int64_t{term.value});
    const bool negative = signedTerm && term.value < 0;
    if (magnitude == 1) return negative ? u"-" : u"";
    if (!term.root) return formatText(u"%lld", negative ? -magnitude : magnitude);
    if (negative) {
        canvas.textOut(x, y, u"-");
        x += m_unitX;
    }
    x = drawNumber(canvas, x + 12, y, magnitude, true) + 4;
    return {};
}

void CTwofunc::drawCompositionResult(Canvas &canvas)
{
    // "= r sin(θ+α)" with α named, or with the exact cos α and sin α below; a value that was
    // too large to simplify leaves its part out.
    if (!m_composition.amplitude) return;
    const int u = m_unitX;
    const int y = 10 * m_unitY;
    canvas.textOut(2 * u, y, u"=");
    const RootRatio &r = *m_composition.amplitude;
    const int x = drawNumber(canvas, r.root ? 3 * u + 12 : 3 * u, y, r.numerator, r.root) + 4;
    if (!m_composition.angleText.empty()) {
        canvas.textOut(x, y, formatText(u"sin(θ%s)", m_composition.angleText));
        return;
    }
    canvas.textOut(x, y, u"sin(θ+α)");
    if (m_composition.cosine && m_composition.sine) drawExactValues(canvas);
}

void CTwofunc::drawExactValues(Canvas &canvas)
{
    const int u = m_unitX;
    const int y = 12 * m_unitY;
    canvas.textOut(2 * u, y, kCosineLabel);
    const int labelWidth = canvas.textExtent(kCosineLabel).cx + 2;
    drawExactValue(canvas, 2 * u + labelWidth, y, *m_composition.cosine);
    const int sineX = 7 * u + labelWidth + (m_composition.cosine->numerator < 0 ? u : 0);
    canvas.textOut(sineX, y, kSineLabel);
    drawExactValue(canvas, sineX + canvas.textExtent(kSineLabel).cx + 2, y, *m_composition.sine);
}

void CTwofunc::drawExactValue(Canvas &canvas, int x, int y, const RootRatio &value)
{
    const int u = m_unitX;
    if (value.numerator < 0) {
        canvas.textOut(x, y, u"-");
        x += u;
    }
    canvas.textOut(x, y, kFractionBar);
    drawNumber(canvas, x + u, y - 12, std::abs(std::int64_t{value.numerator}), value.root);
    canvas.textOut(x + u, y + 12, formatText(u"%d", value.denominator));
}

int CTwofunc::drawNumber(Canvas &canvas, int x, int y, std::int64_t value, bool root)
{
    // "%d" of the value at (x, y), under a root sign when it is a radicand; returns its right end.
    const std::u16string text = formatText(u"%lld", value);
    canvas.textOut(x, y, text);
    if (root) DrawRadicalSign(text, m_metrics, canvas, x, y, 2, Colors::Blue);
    return x + canvas.textExtent(text).cx;
}
