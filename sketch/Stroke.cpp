#include "sketch/Stroke.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Mirrored coordinates are computed wide and clamped, so that no mirror centre can overflow int.
int clampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

Point transformed(Point p, Point centre, SymmetryMode mode)
{
    if (mode == kSymmetryNone) return p;
    const int x = clampToInt(2 * std::int64_t{centre.x} - p.x);
    if (mode == kSymmetryPoint) return {x, clampToInt(2 * std::int64_t{centre.y} - p.y)};
    return {x, p.y};
}

// Whether a round pen `width` pixels wide, ending a line at `p`, covers every pixel of the surface:
// every corner lies within its radius (less a pixel for the antialiased rim).
bool penCoversSurface(Point p, int width, Size surface)
{
    const double reach = width / 2.0 - 1.0;
    if (reach <= 0.0) return false;
    const double x = p.x;
    const double y = p.y;
    const double dx = std::max(std::abs(x), std::abs(x - surface.cx));
    const double dy = std::max(std::abs(y), std::abs(y - surface.cy));
    return dx * dx + dy * dy <= reach * reach;
}

} // namespace

std::uint32_t CStroke::packPoint(int x, int y)
{
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
           static_cast<std::uint16_t>(x);
}

Point CStroke::unpackPoint(std::uint32_t packed)
{
    return {static_cast<std::int16_t>(packed & 0xFFFF), static_cast<std::int16_t>(packed >> 16)};
}

int CStroke::drawnWidth(std::uint32_t lineWidth, Size surface)
{
    // A round pen of half-width at least the surface's diagonal covers all of it from any point on
    // it; W + H exceeds the diagonal, so a wider pen shows nothing more of a stroke on the surface.
    const std::int64_t limit =
        2 * (std::max<std::int64_t>(surface.cx, 0) + std::max<std::int64_t>(surface.cy, 0)) + 2;
    return static_cast<int>(std::min<std::int64_t>({lineWidth, limit, INT_MAX}));
}

bool CStroke::coversSurface(int width, Size surface, SymmetryMode mode) const
{
    // Only a line of some length is drawn, so only its end points count.
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        const Point from = transformed(unpackPoint(m_points[i - 1]), m_mirrorCentre, mode);
        const Point to = transformed(unpackPoint(m_points[i]), m_mirrorCentre, mode);
        if (from != to &&
            (penCoversSurface(from, width, surface) || penCoversSurface(to, width, surface)))
            return true;
    }
    return false;
}

void CStroke::DrawStroke(Canvas &canvas, SymmetryMode mode) const
{
    if (m_points.empty()) return;
    const Size surface = canvas.size();
    const int width = drawnWidth(m_lineWidth, surface);
    // A stroke whose pen covers the whole surface paints it black: one fill gives the same pixels
    // as stroking every line of it with a pen as large as the surface, at a fraction of the cost.
    if (coversSurface(width, surface, mode)) {
        canvas.fillRect(Rect{0, 0, surface.cx, surface.cy}, Colors::Black);
        return;
    }
    PenScope pen(canvas, Pen{PenStyle::Solid, width, Colors::Black});
    const Point first = transformed(unpackPoint(m_points.front()), m_mirrorCentre, mode);
    canvas.moveTo(first.x, first.y);
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        const Point p = transformed(unpackPoint(m_points[i]), m_mirrorCentre, mode);
        canvas.lineTo(p.x, p.y);
    }
}
