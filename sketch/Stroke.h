#pragma once

#include "sketch/SymmetryMode.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <span>
#include <vector>

/// One freehand stroke of the sketch: a pen width and the points in input order.
///
/// Each point is stored packed in 32 bits, x in the low 16 bits and y in the high 16 bits, both
/// signed client coordinates; that is also how the points are written to a file.
class CStroke
{
public:
    /// The schema of the stroke record in a sketch file and the class name it is stored under.
    static constexpr std::uint16_t kSchema = 1;
    static constexpr char kClassName[] = "CStroke";

    CStroke() = default;
    explicit CStroke(std::uint32_t lineWidth) : m_lineWidth(lineWidth) {}

    /// Packs client coordinates as (y mod 2^16) * 2^16 + (x mod 2^16).
    static std::uint32_t packPoint(int x, int y);
    /// The signed 16-bit coordinates of a packed point.
    static Point unpackPoint(std::uint32_t packed);

    /// Pen width in pixels.
    std::uint32_t lineWidth() const { return m_lineWidth; }
    void setLineWidth(std::uint32_t width) { m_lineWidth = width; }

    /// The packed points in input order.
    std::span<const std::uint32_t> points() const { return m_points; }
    /// Appends a point given in client coordinates; coordinates outside the 16-bit range wrap.
    void appendPoint(int x, int y) { m_points.push_back(packPoint(x, y)); }
    /// Replaces the points by packed values (used when reading a file).
    void setPoints(std::vector<std::uint32_t> points) { m_points = std::move(points); }

    /// The point about which mirrored drawing reflects; the view sets it before each repaint. It is
    /// not stored in files.
    Point mirrorCentre() const { return m_mirrorCentre; }
    void setMirrorCentre(Point centre) { m_mirrorCentre = centre; }

    /// The pen width with which a stroke of `lineWidth` is drawn on a surface of `surface` pixels:
    /// the stored width, limited to twice the surface's width plus height (plus 2), beyond which a
    /// pen shows nothing more on the surface but costs ever more to draw.
    static int drawnWidth(std::uint32_t lineWidth, Size surface);

    /// Draws the stroke as a polyline with a solid black pen of the stroke's width (limited by
    /// drawnWidth to the canvas size; the stored width is kept), restoring the canvas pen
    /// afterwards. When the pen at the end of one of its lines covers the whole canvas, the canvas
    /// is filled black instead, which gives the same pixels. Mode 0 draws the points as they are;
    /// kSymmetryPoint and any other non-zero mode draw the mirror image about the mirror centre. A
    /// stroke without points draws nothing; a single point only moves the current position.
    void DrawStroke(Canvas &canvas, SymmetryMode mode) const;

    friend bool operator==(const CStroke &a, const CStroke &b)
    {
        return a.m_lineWidth == b.m_lineWidth && a.m_points == b.m_points;
    }

private:
    /// Whether a line of the stroke drawn `width` wide in `mode` covers all of `surface`.
    bool coversSurface(int width, Size surface, SymmetryMode mode) const;

    std::uint32_t m_lineWidth = 0;
    std::vector<std::uint32_t> m_points;
    Point m_mirrorCentre;
};
