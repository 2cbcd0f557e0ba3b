#include "drill/ExerciseCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

Rect unite(const Rect &a, const Rect &b)
{
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

Rect normalized(const Rect &r)
{
    return Rect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

/// The box of the arc of the ellipse inscribed in `r`, counter-clockwise from the ray through
/// `start` to the ray through `end`, found by walking along it.
Rect arcBox(const Rect &r, Point start, Point end)
{
    const double cx = (r.left + r.right) / 2.0;
    const double cy = (r.top + r.bottom) / 2.0;
    const double a = std::abs(r.right - r.left) / 2.0;
    const double b = std::abs(r.bottom - r.top) / 2.0;
    // On the parameter t (x = a cos t, y = b sin t, y up) a ray at screen angle phi meets the
    // ellipse at tan t = (a / b) tan phi.
    auto parameter = [&](Point p) { return std::atan2(a * (cy - p.y), b * (p.x - cx)); };
    const double from = parameter(start);
    double sweep = parameter(end) - from;
    if (sweep <= 0) sweep += 2 * std::numbers::pi;
    constexpr int kSteps = 64;
    double left = cx + a, right = cx - a, top = cy + b, bottom = cy - b;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = from + sweep * i / kSteps;
        const double x = cx + a * std::cos(t);
        const double y = cy - b * std::sin(t);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return Rect{static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
                static_cast<int>(std::ceil(right)) + 1, static_cast<int>(std::ceil(bottom)) + 1};
}

} // namespace

ExerciseCanvas::ExerciseCanvas(Canvas &target, Point offset, int skip, bool draw)
    : m_target(target), m_offset(offset), m_skip(skip), m_draw(draw)
{}

bool ExerciseCanvas::take()
{
    ++m_operations;
    if (m_operations <= m_skip) return false;
    if (m_draw) syncTarget();
    return true;
}

void ExerciseCanvas::syncTarget()
{
    if (m_target.pen() != pen()) m_target.select(pen());
    if (m_target.brush() != brush()) m_target.select(brush());
    if (m_target.font() != font()) m_target.select(font());
    if (m_target.textColor() != textColor()) m_target.setTextColor(textColor());
    if (m_target.bkMode() != bkMode()) m_target.setBkMode(bkMode());
    const std::optional<Rect> clipOnTarget =
        clip() ? std::optional<Rect>(shifted(*clip())) : std::nullopt;
    if (m_target.clip() != clipOnTarget) m_target.setClip(clipOnTarget);
}

void ExerciseCanvas::cover(Rect box, bool outlined)
{
    box = normalized(box);
    if (outlined && pen().style != PenStyle::Null) {
        // A wide pen is centred on the outline.
        const int half = pen().width / 2;
        box = Rect{box.left - half, box.top - half, box.right + half, box.bottom + half};
    }
    if (clip()) {
        const Rect &c = *clip();
        box = Rect{std::max(box.left, c.left), std::max(box.top, c.top),
                   std::min(box.right, c.right), std::min(box.bottom, c.bottom)};
    }
    if (!box.isEmpty()) m_bounds = unite(m_bounds, box);
}

Rect ExerciseCanvas::shifted(const Rect &rect) const
{
    return Rect{rect.left + m_offset.x, rect.top + m_offset.y, rect.right + m_offset.x,
                rect.bottom + m_offset.y};
}

void ExerciseCanvas::doLine(Point from, Point to)
{
    if (!take()) return;
    // The end point is not drawn, but a box one pixel wider never cuts the line short.
    cover(Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
               std::max(from.y, to.y) + 1},
          true);
    if (!m_draw) return;
    m_target.moveTo(from.x + m_offset.x, from.y + m_offset.y);
    m_target.lineTo(to.x + m_offset.x, to.y + m_offset.y);
}

void ExerciseCanvas::doEllipse(const Rect &rect)
{
    if (!take()) return;
    cover(rect, true);
    const Rect r = shifted(rect);
    if (m_draw) m_target.ellipse(r.left, r.top, r.right, r.bottom);
}

void ExerciseCanvas::doArc(const Rect &rect, Point start, Point end)
{
    if (!take()) return;
    cover(arcBox(rect, start, end), true);
    if (!m_draw) return;
    const Rect r = shifted(rect);
    const Point s = shifted(start);
    const Point e = shifted(end);
    m_target.arc(r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
}

void ExerciseCanvas::doRectangle(const Rect &rect)
{
    if (!take()) return;
    cover(rect, true);
    const Rect r = shifted(rect);
    if (m_draw) m_target.rectangle(r.left, r.top, r.right, r.bottom);
}

void ExerciseCanvas::doRoundRect(const Rect &rect)
{
    if (!take()) return;
    cover(rect, true);
    const Rect r = shifted(rect);
    if (m_draw) m_target.roundRect(r.left, r.top, r.right, r.bottom);
}

void ExerciseCanvas::doPolygon(std::span<const Point> points)
{
    if (!take()) return;
    std::vector<Point> moved;
    moved.reserve(points.size());
    for (const Point &p : points) {
        cover(Rect{p.x, p.y, p.x + 1, p.y + 1}, true);
        moved.push_back(shifted(p));
    }
    if (m_draw) m_target.polygon(moved);
}

void ExerciseCanvas::doFillRect(const Rect &rect, Rgb color)
{
    if (!take()) return;
    cover(rect, false);
    if (m_draw) m_target.fillRect(shifted(rect), color);
}

void ExerciseCanvas::doSetPixel(int x, int y, Rgb color)
{
    if (!take()) return;
    cover(Rect{x, y, x + 1, y + 1}, false);
    if (m_draw) m_target.setPixel(x + m_offset.x, y + m_offset.y, color);
}

void ExerciseCanvas::doSetPixelRun(int x, int y, std::span<const Rgb> colors)
{
    if (!take()) return;
    cover(Rect{x, y, x + static_cast<int>(colors.size()), y + 1}, false);
    if (m_draw) m_target.setPixelRun(x + m_offset.x, y + m_offset.y, colors);
}

void ExerciseCanvas::doTextOut(int x, int y, std::u16string_view text)
{
    if (!take()) return;
    const Size extent = doTextExtent(text);
    cover(Rect{x, y, x + extent.cx, y + extent.cy}, false);
    if (m_draw) m_target.textOut(x + m_offset.x, y + m_offset.y, text);
}

Size ExerciseCanvas::doTextExtent(std::u16string_view text)
{
    if (m_target.font() == font()) return m_target.textExtent(text);
    FontScope scope(m_target, font());
    return m_target.textExtent(text);
}

TextMetrics ExerciseCanvas::doTextMetrics()
{
    if (m_target.font() == font()) return m_target.textMetrics();
    FontScope scope(m_target, font());
    return m_target.textMetrics();
}

void ExerciseCanvas::doDrawIcon(int x, int y, StockIcon icon)
{
    if (!take()) return;
    constexpr int kIconSize = 32;
    cover(Rect{x, y, x + kIconSize, y + kIconSize}, false);
    if (m_draw) m_target.drawIcon(x + m_offset.x, y + m_offset.y, icon);
}

void ExerciseCanvas::doDrawBitmap(int x, int y, int id)
{
    if (!take()) return;
    // The bitmap's size is not known here: the corner at least keeps it in the box.
    cover(Rect{x, y, x + 1, y + 1}, false);
    if (m_draw) m_target.drawBitmap(x + m_offset.x, y + m_offset.y, id);
}
