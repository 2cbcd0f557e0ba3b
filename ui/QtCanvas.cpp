#include "ui/QtCanvas.h"

#include "ui/FontMap.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace {

// The classic dotted pen: three pixels on, three pixels off.
constexpr int kDotLength = 3;

QColor toQColor(Rgb color)
{
    return QColor::fromRgb(static_cast<QRgb>(color | 0xFF000000u));
}

Rect normalized(const Rect &r)
{
    return Rect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

QPointF pixelCentre(Point p)
{
    return QPointF(p.x + 0.5, p.y + 0.5);
}

// The outline of a shape runs through the centres of its outermost pixels, so that a 1-pixel pen
// lands on pixels left..right-1; a shape without an outline fills its whole box.
QRectF shapeRect(const Rect &r, bool outlined)
{
    // In floating point: the width of a far-reaching box does not fit an int.
    const double width = static_cast<double>(r.right) - r.left;
    const double height = static_cast<double>(r.bottom) - r.top;
    if (outlined) return QRectF(r.left + 0.5, r.top + 0.5, width - 1, height - 1);
    return QRectF(r.left, r.top, width, height);
}

// Qt measures an ellipse's angles on its parameter (x = a cos t, y = b sin t); a ray at screen
// angle phi from the centre meets the ellipse at tan t = (a / b) tan phi.
double parametricDegrees(double a, double b, double dx, double dyUp)
{
    return std::atan2(a * dyUp, b * dx) * 180.0 / std::numbers::pi;
}

} // namespace

QtCanvas::QtCanvas(QPaintDevice &device)
{
    m_ownPainter = std::make_unique<QPainter>(&device);
    m_painter = m_ownPainter.get();
    const qreal ratio = device.devicePixelRatioF();
    m_size = Size{qRound(device.width() / ratio), qRound(device.height() / ratio)};
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    doSelectPen(pen());
    prepareDirectAccess(device);
}

QtCanvas::QtCanvas(QPainter &painter, Size logicalSize) : m_painter(&painter), m_size(logicalSize)
{
    m_painter->save();
    m_baseClipping = m_painter->hasClipping();
    if (m_baseClipping) m_baseClip = m_painter->clipRegion();
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    doSelectPen(pen());
}

QtCanvas::~QtCanvas()
{
    if (!m_ownPainter) m_painter->restore();
}

void QtCanvas::prepareDirectAccess(QPaintDevice &device)
{
    if (device.devType() != QInternal::Image || !m_painter->isActive()) return;
    auto &image = static_cast<QImage &>(device);
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return;
    // The painter maps canvas pixels to image pixels by the image's device pixel ratio alone; any
    // other transform leaves the drawing to the painter.
    const qreal ratio = image.devicePixelRatio();
    if (m_painter->deviceTransform() != QTransform::fromScale(ratio, ratio)) return;
    m_direct = DirectPixels(image, ratio);
    m_writable = Rect{0, 0, m_size.cx, m_size.cy};
}

void QtCanvas::doSelectPen(const Pen &pen)
{
    if (pen.style == PenStyle::Null) {
        m_qpen = QPen(Qt::NoPen);
        return;
    }
    m_qpen = QPen(toQColor(pen.color), pen.width);
    m_qpen.setCosmetic(false);
    // A 1-pixel pen ends flat at the centre of the end pixel and keeps rectangle corners square;
    // wider pens are round at both ends and at every joint.
    m_qpen.setCapStyle(pen.width == 1 ? Qt::FlatCap : Qt::RoundCap);
    m_qpen.setJoinStyle(pen.width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    if (pen.style == PenStyle::Dot) m_qpen.setDashPattern({kDotLength, kDotLength});
}

void QtCanvas::doSelectBrush(const Brush &) {}

void QtCanvas::doSelectFont(const Font &)
{
    m_fontMapped = false;
}

const QFont &QtCanvas::qfont()
{
    // Mapped on first use: figures drawn only with pixels need no fonts (nor an application).
    if (!m_fontMapped) {
        m_qfont = qtFont(font());
        m_fontMapped = true;
    }
    return m_qfont;
}

void QtCanvas::doSetClip(const std::optional<Rect> &clip)
{
    if (m_direct.isValid()) {
        m_writable = Rect{0, 0, m_size.cx, m_size.cy};
        if (clip) {
            m_writable = Rect{std::max(0, clip->left), std::max(0, clip->top),
                              std::min(m_size.cx, clip->right), std::min(m_size.cy, clip->bottom)};
        }
        m_direct.setClip(clip);
    }
    if (!clip) {
        if (m_baseClipping)
            m_painter->setClipRegion(m_baseClip);
        else
            m_painter->setClipping(false);
        return;
    }
    // Far beyond any surface a clip edge makes no difference; keeping it near makes the size fit.
    static constexpr int kFar = 1 << 24;
    const auto near = [](int v) { return std::clamp(v, -kFar, kFar); };
    Rect r{near(clip->left), near(clip->top), near(clip->right), near(clip->bottom)};
    if (r.isEmpty()) r = Rect{};
    const QRect rect(r.left, r.top, r.width(), r.height());
    if (m_baseClipping) {
        m_painter->setClipRegion(m_baseClip);
        m_painter->setClipRect(rect, Qt::IntersectClip);
    } else {
        m_painter->setClipRect(rect);
    }
}

void QtCanvas::usePenAndBrush(bool antialiased, bool fill)
{
    m_painter->setRenderHint(QPainter::Antialiasing, antialiased);
    m_painter->setPen(m_qpen);
    if (fill && !brush().hollow)
        m_painter->setBrush(toQColor(brush().color));
    else
        m_painter->setBrush(Qt::NoBrush);
}

bool QtCanvas::hasPen() const
{
    return pen().style != PenStyle::Null;
}

void QtCanvas::doLine(Point from, Point to)
{
    if (!hasPen() || from == to) return;
    const bool axisAligned = from.x == to.x || from.y == to.y;
    if (axisAligned && pen().width == 1) {
        drawThinRun(from, to);
        return;
    }
    // Solid pens up to 3 pixels wide: the scan-line walk, as crisp as the axis-aligned runs and
    // about thirty times faster than stroking an antialiased segment.
    constexpr int kWidestWalkedPen = 3;
    if (m_direct.isValid() && !m_antialiasedLines && pen().style == PenStyle::Solid &&
        pen().width <= kWidestWalkedPen) {
        m_direct.line(from, to, pen().width, pen().color);
        return;
    }
    usePenAndBrush(!axisAligned, false);
    m_painter->drawLine(pixelCentre(from), pixelCentre(to));
}

Rect QtCanvas::visibleArea() const
{
    return m_direct.isValid() ? m_writable : Rect{0, 0, m_size.cx, m_size.cy};
}

void QtCanvas::drawThinRun(Point from, Point to)
{
    // The pixels from `from` up to but not including `to`, counted i = 0, 1, ... in the drawing
    // direction so that a dotted pattern starts at the start point. Only the stretch over the
    // surface is walked: lessons may hand over lines that run far outside it.
    using Index = std::int64_t;
    const int dx = (to.x > from.x) - (to.x < from.x);
    const int dy = (to.y > from.y) - (to.y < from.y);
    const Rect area = visibleArea();
    Index lo = 0;
    Index hi = std::max(std::abs(Index{to.x} - from.x), std::abs(Index{to.y} - from.y));
    // Narrows [lo, hi) to the indices whose coordinate start + d * i lies in [first, last).
    auto narrow = [&](Index start, int d, Index first, Index last) {
        if (d > 0) {
            lo = std::max(lo, first - start);
            hi = std::min(hi, last - start);
        } else if (d < 0) {
            lo = std::max(lo, start - last + 1);
            hi = std::min(hi, start - first + 1);
        } else if (start < first || start >= last) {
            hi = lo;
        }
    };
    narrow(from.x, dx, area.left, area.right);
    narrow(from.y, dy, area.top, area.bottom);
    if (lo >= hi) return;
    const bool dotted = pen().style == PenStyle::Dot;
    const Index period = dotted ? 2 * kDotLength : hi - lo;
    for (Index i = lo - lo % period; i < hi; i += period) {
        const Index first = std::max(i, lo);
        const Index last = std::min(dotted ? i + kDotLength : hi, hi) - 1;
        if (first > last) continue;
        const auto x0 = static_cast<int>(from.x + dx * first);
        const auto y0 = static_cast<int>(from.y + dy * first);
        const auto x1 = static_cast<int>(from.x + dx * last);
        const auto y1 = static_cast<int>(from.y + dy * last);
        fillPixels(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1,
                   pen().color);
    }
}

void QtCanvas::doEllipse(const Rect &rect)
{
    const Rect r = normalized(rect);
    if (r.isEmpty()) return;
    usePenAndBrush(true, true);
    m_painter->drawEllipse(shapeRect(r, hasPen()));
}

void QtCanvas::doArc(const Rect &rect, Point start, Point end)
{
    const Rect r = normalized(rect);
    if (r.isEmpty() || !hasPen()) return;
    const QRectF box = shapeRect(r, true);
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    const double cx = (static_cast<double>(r.left) + r.right) / 2;
    const double cy = (static_cast<double>(r.top) + r.bottom) / 2;
    const double from = parametricDegrees(a, b, start.x - cx, cy - start.y);
    const double to = parametricDegrees(a, b, end.x - cx, cy - end.y);
    // Counter-clockwise from the start ray to the end ray; equal rays give the whole ellipse.
    double sweep = to - from;
    if (sweep <= 0) sweep += 360;
    QPainterPath path;
    path.arcMoveTo(box, from);
    path.arcTo(box, from, sweep);
    usePenAndBrush(true, false);
    m_painter->drawPath(path);
}

void QtCanvas::doRectangle(const Rect &rect)
{
    const Rect r = normalized(rect);
    if (r.isEmpty()) return;
    if (!brush().hollow) fillPixels(r.left, r.top, r.right, r.bottom, brush().color);
    if (!hasPen()) return;
    if (pen().width == 1) {
        // Four runs, each stopping short of the next corner, as a closed figure of lines.
        if (r.right == r.left + 1 && r.bottom == r.top + 1) {
            fillPixels(r.left, r.top, r.right, r.bottom, pen().color);
            return;
        }
        const Point corners[] = {{r.left, r.top},
                                 {r.right - 1, r.top},
                                 {r.right - 1, r.bottom - 1},
                                 {r.left, r.bottom - 1}};
        for (int i = 0; i < 4; ++i)
            drawThinRun(corners[i], corners[(i + 1) % 4]);
        return;
    }
    usePenAndBrush(false, false);
    m_painter->drawRect(shapeRect(r, true));
}

void QtCanvas::doRoundRect(const Rect &rect)
{
    const Rect r = normalized(rect);
    if (r.isEmpty()) return;
    usePenAndBrush(true, true);
    // Corners are quarter ellipses of 4 x 4 pixels: radius 2.
    m_painter->drawRoundedRect(shapeRect(r, hasPen()), 2, 2);
}

void QtCanvas::doPolygon(std::span<const Point> points)
{
    const double offset = hasPen() ? 0.5 : 0.0;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point &p : points)
        polygon << QPointF(p.x + offset, p.y + offset);
    usePenAndBrush(true, true);
    m_painter->drawPolygon(polygon, Qt::OddEvenFill);
}

void QtCanvas::doFillRect(const Rect &rect, Rgb color)
{
    if (rect.isEmpty()) return;
    fillPixels(rect.left, rect.top, rect.right, rect.bottom, color);
}

void QtCanvas::fillPixels(int left, int top, int right, int bottom, Rgb color)
{
    const Rect area = visibleArea();
    left = std::max(left, area.left);
    top = std::max(top, area.top);
    right = std::min(right, area.right);
    bottom = std::min(bottom, area.bottom);
    if (left >= right || top >= bottom) return;
    if (!m_direct.isValid()) {
        m_painter->fillRect(QRect(left, top, right - left, bottom - top), toQColor(color));
        return;
    }
    m_direct.fill(left, top, right, bottom, color);
}

void QtCanvas::doSetPixel(int x, int y, Rgb color)
{
    if (!m_direct.isValid()) {
        m_painter->fillRect(QRect(x, y, 1, 1), toQColor(color));
        return;
    }
    m_direct.setPixel(x, y, color);
}

void QtCanvas::doSetPixelRun(int x, int y, std::span<const Rgb> colors)
{
    if (m_direct.isValid()) {
        m_direct.setPixelRun(x, y, colors);
        return;
    }
    // Only the part over the surface: [first, last) in canvas pixels.
    const Rect area = visibleArea();
    if (y < area.top || y >= area.bottom) return;
    const auto end = static_cast<std::int64_t>(x) + static_cast<std::int64_t>(colors.size());
    const int first = std::max(x, area.left);
    const auto last = static_cast<int>(std::min<std::int64_t>(end, area.right));
    if (first >= last) return;
    // Through the painter (a printer, a transform): one image row, copied without smoothing.
    QImage row(last - first, 1, QImage::Format_RGB32);
    auto *out = reinterpret_cast<QRgb *>(row.bits());
    for (Rgb c : colors.subspan(static_cast<std::size_t>(first - x),
                                static_cast<std::size_t>(last - first)))
        *out++ = c | 0xFF000000u;
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter->drawImage(QRect(first, y, last - first, 1), row);
}

void QtCanvas::doTextOut(int x, int y, std::u16string_view text)
{
    const QString s = toQString(text);
    const QFontMetrics metrics(qfont());
    if (bkMode() == BkMode::Opaque) {
        m_painter->fillRect(
            QRect(x, y, metrics.horizontalAdvance(s), metrics.ascent() + metrics.descent()),
            Qt::white);
    }
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter->setFont(qfont());
    m_painter->setPen(toQColor(textColor()));
    m_painter->drawText(QPointF(x, y + metrics.ascent()), s);
}

Size QtCanvas::doTextExtent(std::u16string_view text)
{
    const QFontMetrics metrics(qfont());
    return Size{metrics.horizontalAdvance(toQString(text)), metrics.ascent() + metrics.descent()};
}

TextMetrics QtCanvas::doTextMetrics()
{
    const QFontMetrics metrics(qfont());
    return TextMetrics{metrics.ascent() + metrics.descent(), metrics.ascent(),
                       metrics.averageCharWidth(), std::max(0, metrics.leading())};
}

void QtCanvas::doDrawIcon(int x, int y, StockIcon icon)
{
    constexpr int kIconSize = 32;
    const QRect target(x, y, kIconSize, kIconSize);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (icon == StockIcon::Application) {
        const QImage image(QStringLiteral(":/images/tessaryn.xpm"));
        if (!image.isNull()) m_painter->drawImage(target, image);
        return;
    }
    // The standard message-box icons come from the application's style.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) return;
    const QStyle::StandardPixmap which =
        icon == StockIcon::Information ? QStyle::SP_MessageBoxInformation
        : icon == StockIcon::Question  ? QStyle::SP_MessageBoxQuestion
                                       : QStyle::SP_MessageBoxWarning;
    const QPixmap pixmap = QApplication::style()->standardIcon(which).pixmap(kIconSize, kIconSize);
    if (!pixmap.isNull()) m_painter->drawPixmap(target, pixmap);
}

void QtCanvas::doDrawBitmap(int x, int y, int id)
{
    const QImage source(QStringLiteral(":/images/marker%1.xpm").arg(id));
    if (source.isNull()) return;
    // Transparent parts of the picture count as white, which the AND leaves unchanged.
    QImage bitmap(source.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter p(&bitmap);
        p.drawImage(0, 0, source);
    }
    const bool rasterOps = m_painter->device()->devType() == QInternal::Image;
    if (!rasterOps) {
        // A PDF or SVG has no raster operations: white made transparent gives what the AND
        // gives for a black-and-white picture.
        bitmap.setAlphaChannel(
            bitmap.createMaskFromColor(QColor(Qt::white).rgb(), Qt::MaskOutColor));
        m_painter->drawImage(QPoint(x, y), bitmap);
        return;
    }
    m_painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    m_painter->drawImage(QPoint(x, y), bitmap);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
