#include "fractal/Fractal.h"

#include "mathcore/FormulaDrawing.h"
#include "resources/DialogTemplates.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

/// The controls take the top of the client area; the figure starts below them.
constexpr int kFigureTop = 42;
/// The axis check box keeps this strip at the right of the figure.
constexpr int kCheckStripWidth = 92;

constexpr std::array<std::u16string_view, kFractalKindCount> kKindNames = {
    u"マンデルブロー集合", u"充填ジュリア集合", u"コッホ曲線",       u"畑の樹木(杉の葉)",
    u"カリフラワー",       u"レヴィ曲線",       u"ｼｪﾙﾋﾟﾝｽｷｰ･ｶﾞｽｹｯﾄ",
};

constexpr std::u16string_view kMapHint = u"回数を変えて、変換を確かめて下さい。";
constexpr std::u16string_view kComplexHint = u"Zn:複素数(a+bi)";

int truncated(double value)
{
    return static_cast<int>(value);
}

} // namespace

CFractal::CFractal(QWidget *parent) : LessonWindow(kTemplate132, parent)
{
    onCommand(kKindCombo, [this] { OnKindChange(); });
    onCommand(kCountCombo, [this] { OnCountChange(); });
    onCommand(kParameterCombo, [this] { OnParameterChange(); });
    onCommand(kAxisCheck, [this] { OnAxisToggle(); });
}

void CFractal::OnInitDialog()
{
    m_metrics.m_circleConstant = m_circleConstant;
    m_clientRect = clientRect();
    m_clientRect.top = kFigureTop;
    m_figureRect = m_clientRect;
    m_figureRect.right -= kCheckStripWidth;

    clearComboEntries(kKindCombo);
    for (const std::u16string_view name : kKindNames)
        addComboEntry(kKindCombo, name);
    setComboSelection(kKindCombo, 0);
    OnKindChange();
    m_axisFlag = 0;
    setCheckState(kAxisCheck, 0);
}

void CFractal::OnKindChange()
{
    const int selection = comboSelection(kKindCombo);
    if (selection < 0) return;
    m_kind = static_cast<std::int16_t>(std::min(selection, kFractalKindCount - 1));

    clearComboEntries(kCountCombo);
    for (const std::u16string &entry : CountEntries(kind()))
        addComboEntry(kCountCombo, entry);
    m_countIndex = 0;
    setComboSelection(kCountCombo, m_countIndex);

    clearComboEntries(kParameterCombo);
    for (const std::u16string &entry : ParameterEntries(kind()))
        addComboEntry(kParameterCombo, entry);
    m_parameterIndex = static_cast<std::int16_t>(DefaultParameterIndex(kind()));
    setComboSelection(kParameterCombo, m_parameterIndex);
    setControlText(kParameterLabel, ParameterLabel(kind()));

    invalidateRect(m_figureRect, true);
}

void CFractal::OnCountChange()
{
    const int selection = comboSelection(kCountCombo);
    if (selection < 0) return;
    m_countIndex = static_cast<std::int16_t>(selection);
    invalidateRect(m_figureRect, true);
}

void CFractal::OnParameterChange()
{
    const int selection = comboSelection(kParameterCombo);
    if (selection < 0) return;
    m_parameterIndex = static_cast<std::int16_t>(selection);
    invalidateRect(m_figureRect, true);
}

void CFractal::OnAxisToggle()
{
    // The axes follow at the next repaint, not now.
    m_axisFlag = static_cast<std::int16_t>(m_axisFlag == 0 ? 1 : 0);
    setCheckState(kAxisCheck, m_axisFlag);
}

void CFractal::OnPaint(Canvas &canvas)
{
    BkModeScope background(canvas, BkMode::Transparent);
    // Every change repaints only the figure rectangle, so nothing may be drawn outside it: the
    // finest Mandelbrot zoom would otherwise leave points under the check box that no later change
    // removes.
    ClipScope clip(canvas, m_figureRect);
    canvas.textOut(20, m_clientRect.bottom - 24, u"cf.行列（一次変換）");
    drawTitle(canvas);
    switch (kind()) {
    case FractalKind::Mandelbrot:
    case FractalKind::Julia:
        drawEscapeTimeSet(canvas);
        break;
    case FractalKind::Koch:
    case FractalKind::Cedar:
        drawTriangles(canvas);
        break;
    case FractalKind::Cauliflower: {
        const double theta = (5 * m_parameterIndex + 15) * m_circleConstant / 180.0;
        drawSegments(canvas, CauliflowerFigure(theta, m_countIndex), 100.0);
        break;
    }
    case FractalKind::Levy:
        drawSegments(canvas, LevyFigure(m_countIndex), 128.0);
        break;
    case FractalKind::Pascal:
        drawPascalTriangle(canvas);
        break;
    }
    if (m_axisFlag != 0 && kind() != FractalKind::Pascal) drawAxes(canvas);
}

void CFractal::drawTitle(Canvas &canvas)
{
    switch (kind()) {
    case FractalKind::Mandelbrot:
        DrawMonomialText(canvas, m_metrics, 20, 46, u"{r|Zn+1=Zn^2+r,Z0=0,lim|Zn|<∞}");
        canvas.textOut(20, 66, kComplexHint);
        break;
    case FractalKind::Julia:
        DrawMonomialText(canvas, m_metrics, 20, 46, u"{Z0|Zn+1=Zn^2+r,lim|Zn|<∞}");
        canvas.textOut(20, 66, kComplexHint);
        break;
    case FractalKind::Pascal:
        canvas.textOut(20, 46, u"0+0=0,1+0=1,1+1=0の規則で計算");
        break;
    default:
        canvas.textOut(20, 46, kMapHint);
        break;
    }
}

void CFractal::drawEscapeTimeSet(Canvas &canvas) const
{
    const PaletteImage image =
        EscapeTimeImage(kind(), m_countIndex, m_parameterIndex, m_clientRect, m_figureRect);
    const Rect &b = image.bounds;
    // Each run of drawn points in a row goes to the canvas in one call.
    std::vector<Rgb> run;
    run.reserve(static_cast<std::size_t>(b.width()));
    for (int y = b.top; y < b.bottom; ++y) {
        for (int x = b.left; x < b.right;) {
            if (image.at(x, y) < 0) {
                ++x;
                continue;
            }
            const int start = x;
            run.clear();
            for (; x < b.right && image.at(x, y) >= 0; ++x)
                run.push_back(kSystemPalette[static_cast<std::size_t>(image.at(x, y))]);
            canvas.setPixelRun(start, y, run);
        }
    }
}

void CFractal::drawTriangles(Canvas &canvas) const
{
    const FigureOrigin o = FigureOriginOf(kind(), m_parameterIndex, m_clientRect);
    for (const FigureTriangle &triangle : TriangleFigure(kind(), m_countIndex)) {
        std::array<Point, 3> points;
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i] = {truncated(o.x0 + 240.0 * triangle[i].x),
                         truncated(o.y0 - 240.0 * triangle[i].y)};
        canvas.moveTo(points[2].x, points[2].y);
        for (const Point &p : points)
            canvas.lineTo(p.x, p.y);
    }
}

void CFractal::drawSegments(Canvas &canvas, const std::vector<FigureSegment> &segments,
                            double scale) const
{
    const FigureOrigin o = FigureOriginOf(kind(), m_parameterIndex, m_clientRect);
    for (const FigureSegment &s : segments) {
        canvas.moveTo(truncated(o.x0 + scale * s.from.x), truncated(o.y0 + scale * s.from.y));
        canvas.lineTo(truncated(o.x0 + scale * s.to.x), truncated(o.y0 + scale * s.to.y));
    }
}

void CFractal::drawPascalTriangle(Canvas &canvas) const
{
    FontScope font(canvas, Font{10, 700, 0, u"MS Serif"});
    TextColorScope color(canvas, Colors::Blue);
    const int spacing = m_parameterIndex + 8;
    const std::vector<std::vector<int>> rows = PascalRows(m_countIndex);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        for (const int column : rows[r])
            canvas.textOut(PascalTextX(column, row, spacing, m_figureRect.right), PascalTextY(row),
                           u"1");
    }
}

void CFractal::drawAxes(Canvas &canvas) const
{
    const bool complexPlane = kind() == FractalKind::Mandelbrot || kind() == FractalKind::Julia;
    const FigureOrigin o = FigureOriginOf(kind(), m_parameterIndex, m_clientRect);
    const int x0 = truncated(o.x0);
    const int y0 = truncated(o.y0);
    canvas.moveTo(x0, 90);
    canvas.lineTo(x0, m_figureRect.bottom - 48);
    canvas.textOut(x0 - 4, 74, complexPlane ? u"b" : u"y");
    canvas.moveTo(48, y0);
    canvas.lineTo(m_figureRect.right - 40, y0);
    canvas.textOut(m_figureRect.right - 32, y0 - 8, complexPlane ? u"a" : u"x");
}
