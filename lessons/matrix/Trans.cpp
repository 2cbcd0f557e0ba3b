#include "lessons/matrix/Trans.h"

#include "mathcore/FigureHelpers.h"
#include "mathcore/MatrixDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kThetaId = 112;
/// Radio buttons 134 to 137 stand for transformations 1 to 4.
constexpr int kFirstRadioId = 134;
constexpr int kThetaChars = 5;
/// Texts of 4 or more characters stand one cell further left in the P' column.
constexpr std::size_t kLongEntry = 4;

Font serifFont(int height)
{
    return Font{height, 0, 0, u"MS Serif"};
}

} // namespace

CTrans::CTrans(QWidget *parent) : LessonWindow(kTemplate111, parent)
{
    for (int kind = LinearMapKind::MirrorX; kind <= LinearMapKind::Rotation; ++kind)
        onCommand(kFirstRadioId + kind - 1, [this, kind] { OnTransform(kind); });
}

void CTrans::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CTrans::OnInitDialog()
{
    const Size client = clientSize();
    m_unit = client.cy / 18;
    m_cellWidth = client.cx / 48;
    m_origin = Point{8 * m_unit, 8 * m_unit};
    m_metrics.m_unitX = static_cast<std::int16_t>(m_cellWidth);
    m_metrics.m_unitY = static_cast<std::int16_t>(m_unit);
    m_metrics.m_circleConstant = m_circleConstant;
    m_transform = LinearMapKind::MirrorX;
    m_theta = 90;
    m_point = {3, 4};
    setControlText(kThetaId, u"90");
    checkRadioOf(m_transform);
}

void CTrans::OnTransform(int transform)
{
    // The rotation needs an acceptable angle; without one nothing changes, the radio buttons
    // included, and the angle field gets the focus.
    if (transform == LinearMapKind::Rotation && !readTheta()) {
        checkRadioOf(m_transform);
        return;
    }
    m_transform = transform;
    checkRadioOf(m_transform);
    invalidate(true);
}

bool CTrans::readTheta()
{
    const std::optional<std::int16_t> theta = ReadRotationAngle(controlText(kThetaId, kThetaChars));
    if (!theta) {
        focusControl(kThetaId);
        return false;
    }
    m_theta = *theta;
    return true;
}

void CTrans::checkRadioOf(int transform)
{
    for (int kind = LinearMapKind::MirrorX; kind <= LinearMapKind::Rotation; ++kind)
        setCheckState(kFirstRadioId + kind - 1, kind == transform ? 1 : 0);
}

void CTrans::OnLButtonDown(Point p)
{
    const int u = m_unit;
    if (std::abs(p.x - m_origin.x) > 5 * u || std::abs(p.y - m_origin.y) > 5 * u) return;
    // The nearest lattice point, halves rounded away from the origin. A rejected angle leaves the
    // point as it was.
    if (!readTheta()) return;
    m_point = {static_cast<int>(std::lround(static_cast<double>(p.x - m_origin.x) / u)),
               static_cast<int>(std::lround(-static_cast<double>(p.y - m_origin.y) / u))};
    invalidate(true);
}

Point CTrans::pixelOf(double x, double y) const
{
    // Rounded to the nearest pixel, so that a rotated lattice point computed with rounding noise
    // still lands on its lattice pixel.
    return Point{m_origin.x + PixelFromDouble(std::round(m_unit * x)),
                 m_origin.y - PixelFromDouble(std::round(m_unit * y))};
}

void CTrans::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    const LinearImage image = TransformPoint(m_transform, m_theta, m_point, m_circleConstant);
    drawGrid(canvas);
    {
        TextColorScope red(canvas, Colors::Red);
        canvas.textOut(23 * m_unit, 4 * m_unit, u"変換前の点");
        canvas.textOut(16 * m_unit, 8 * m_unit, u"変換後の点");
    }
    drawProduct(canvas, image);
    drawMovement(canvas, image);
}

void CTrans::drawGrid(Canvas &canvas)
{
    const int u = m_unit;
    const int ox = m_origin.x;
    const int oy = m_origin.y;
    canvas.fillRect(Rect{ox - 5 * u, oy - 5 * u, ox + 5 * u, oy + 5 * u}, Colors::Yellow);
    {
        PenScope axes(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
        canvas.moveTo(ox, oy - 5 * u);
        canvas.lineTo(ox, oy + 5 * u);
        canvas.textOut(ox - 4, oy - 6 * u - 2, u"y");
        canvas.moveTo(ox - 5 * u, oy);
        canvas.lineTo(ox + 5 * u, oy);
        canvas.textOut(ox + 5 * u + 8, oy - u / 2, u"x");
        const Point p = pixelOf(m_point.x, m_point.y);
        canvas.ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
    }
    drawGridLines(canvas);
}

void CTrans::drawGridLines(Canvas &canvas)
{
    const int u = m_unit;
    const int ox = m_origin.x;
    const int oy = m_origin.y;
    PenScope dotted(canvas, Pen{PenStyle::Dot, 1, Colors::Cyan});
    FontScope labels(canvas, serifFont(2 * u / 3));
    for (int i = -4; i <= 4; ++i) {
        // Row i stands for y = -i; its label ends 2 pixels left of the y axis.
        const int y = oy + i * u;
        canvas.moveTo(ox - 5 * u, y);
        canvas.lineTo(ox + 5 * u, y);
        if (i == 0) continue;
        const std::u16string label = formatText(-i > 0 ? u" %d" : u"%d", -i);
        canvas.textOut(ox - 2 - canvas.textExtent(label).cx, y - 8, label);
    }
    for (int j = -4; j <= 4; ++j) {
        const int x = ox + j * u;
        canvas.moveTo(x, oy - 5 * u);
        canvas.lineTo(x, oy + 5 * u);
        canvas.textOut(x - 8, oy, formatText(j < 0 ? u"%d" : u" %d", j));
    }
}

void CTrans::drawProduct(Canvas &canvas, const LinearImage &image)
{
    // (m11 m12; m21 m22)(Px; Py), and below it "= (P'x; P'y)".
    const int u = m_unit;
    const auto at = [u](double factor) { return PixelFromDouble(factor * u); };
    DrawParenthesisPair(canvas, at(16.2), at(23.2), 5 * u - 8, 3 * u, Colors::Black);
    DrawParenthesisPair(canvas, 24 * u, 27 * u, 5 * u - 8, 3 * u, Colors::Black);
    DrawParenthesisPair(canvas, at(16.5), 20 * u, 9 * u - 8, 3 * u, Colors::Black);
    {
        FontScope large(canvas, serifFont(2 * u));
        canvas.textOut(15 * u, at(9.2) - 8, u"=");
    }
    canvas.textOut(18 * u, 4 * u - 8, u"↓");
    TextColorScope blue(canvas, Colors::Blue);
    canvas.textOut(at(16.7), at(5.2), image.entries[0]);
    canvas.textOut(at(16.7), at(6.5), image.entries[2]);
    canvas.textOut(at(19.8), at(5.2), image.entries[1]);
    canvas.textOut(at(19.8), at(6.5), image.entries[3]);
    canvas.textOut(25 * u, at(5.2), formatText(u"%d", m_point.x));
    canvas.textOut(25 * u, at(6.5), formatText(u"%d", m_point.y));
    const auto shift = [this](const std::u16string &text) {
        return text.size() >= kLongEntry ? m_cellWidth : 0;
    };
    canvas.textOut(18 * u - shift(image.textX), at(9.2), image.textX);
    canvas.textOut(18 * u - shift(image.textY), at(10.5), image.textY);
}

void CTrans::drawMovement(Canvas &canvas, const LinearImage &image)
{
    const Point from = pixelOf(m_point.x, m_point.y);
    const Point to = pixelOf(image.x, image.y);
    {
        PenScope red(canvas, Pen{PenStyle::Solid, 2, Colors::Red});
        canvas.ellipse(to.x - 2, to.y - 2, to.x + 2, to.y + 2);
        if (m_transform == LinearMapKind::Rotation)
            drawRotationArc(canvas, from, to, image);
        else
            DrawArrow(canvas, m_metrics, from.x, from.y, to.x, to.y);
    }
    if (m_transform != LinearMapKind::Rotation) return;
    canvas.moveTo(m_origin.x, m_origin.y);
    canvas.lineTo(from.x, from.y);
    canvas.moveTo(m_origin.x, m_origin.y);
    canvas.lineTo(to.x, to.y);
}

void CTrans::drawRotationArc(Canvas &canvas, Point from, Point to, const LinearImage &image)
{
    // The circle through P about O, counter-clockwise from P to P' for a positive angle and from
    // P' to P for a negative one. An angle of 0 moves nothing and draws no arc (the canvas would
    // take equal end rays for the whole circle).
    const int u = m_unit;
    const int r =
        PixelFromDouble(std::sqrt(std::pow(u * m_point.x, 2) + std::pow(u * m_point.y, 2)));
    if (r <= 0 || m_theta == 0) return;
    const int ox = m_origin.x;
    const int oy = m_origin.y;
    const bool counterClockwise = m_theta >= 1;
    const Point start = counterClockwise ? from : to;
    const Point end = counterClockwise ? to : from;
    canvas.arc(ox - r, oy - r, ox + r, oy + r, start.x, start.y, end.x, end.y);
    // Barbs of u/2 pixels at 60 and 120 degrees from the radius through P', pointing back along
    // the direction of the movement.
    const double a = std::abs(to.y - oy) / static_cast<double>(r);
    const int beta = ArrowheadDirection(a, image.x, image.y, m_circleConstant);
    const double half = u / 2;
    for (const int offset : counterClockwise ? std::array{-120, -60} : std::array{120, 60}) {
        const double gamma = (beta + offset) * m_circleConstant / 180.0;
        canvas.moveTo(to.x + PixelFromDouble(std::cos(gamma) * half),
                      to.y + PixelFromDouble(-std::sin(gamma) * half));
        canvas.lineTo(to.x, to.y);
    }
}
