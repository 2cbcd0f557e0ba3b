#include "sketch/Stroke.h"

#include <algorithm>
#include <climits>

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

void CStroke::DrawStroke(Canvas &canvas, SymmetryMode mode) const
{
    // A pen wider than the canvas can express cannot be created: draw nothing, as when a pen fails.
    if (m_points.empty() || m_lineWidth > static_cast<std::uint32_t>(INT_MAX)) return;
    PenScope pen(canvas, Pen{PenStyle::Solid, static_cast<int>(m_lineWidth), Colors::Black});
    const Point first = transformed(unpackPoint(m_points.front()), m_mirrorCentre, mode);
    canvas.moveTo(first.x, first.y);
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        const Point p = transformed(unpackPoint(m_points[i]), m_mirrorCentre, mode);
        canvas.lineTo(p.x, p.y);
    }
}
