#include "lessons/functions/GraphGrid.h"

#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace {

std::u16string gridLabel(int value)
{
    return formatText(value >= 0 ? u" %d" : u"%d", value);
}

} // namespace

int GridStepFor(double magnitude)
{
    if (magnitude < 10) return 2;
    if (magnitude < 100) return 20;
    if (magnitude <= 1000) return 200;
    return 2000;
}

double TruncatedMagnitude(double first, double second)
{
    return std::max(std::fabs(std::trunc(first)), std::fabs(std::trunc(second)));
}

void DrawSignedGrid(Canvas &canvas, const SignedGrid &grid)
{
    PenScope dotted(canvas, Pen{PenStyle::Dot, 1, Colors::Black});
    FontScope font(canvas, Font{grid.fontHeight, 0, 0, u"MS Serif"});
    for (int i = -4; i <= 4; ++i) {
        const int y = grid.origin.y + i * grid.cell;
        canvas.moveTo(grid.left, y);
        canvas.lineTo(grid.right, y);
        if (i == 0 || i % 2 != 0) continue;
        const std::u16string label = gridLabel(-i * grid.step);
        canvas.textOut(grid.origin.x - canvas.textExtent(label).cx - 2, y - 8, label);
    }
    for (int j = -4; j <= 4; ++j) {
        const int x = grid.origin.x + j * grid.cell;
        canvas.moveTo(x, grid.top);
        canvas.lineTo(x, grid.bottom);
        if (j % 2 != 0) continue;
        canvas.textOut(x - 8, grid.origin.y, gridLabel(j * grid.step));
    }
}

int GraphGrid::row(double y) const
{
    return originY() - PixelFromDouble(y * m_unit / m_step);
}

int GraphGrid::column(double x) const
{
    return originX() + PixelFromDouble(x * m_unit / m_step);
}

void GraphGrid::drawSquare(Canvas &canvas) const
{
    canvas.fillRect(square(), Colors::Yellow);
    drawAxes(canvas);
}

void GraphGrid::drawAxes(Canvas &canvas, int yLabelTop) const
{
    const int v = m_unit;
    const Rect box = square();
    PenScope axes(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
    canvas.moveTo(originX(), 3 * v);
    canvas.lineTo(originX(), 13 * v);
    canvas.textOut(originX() - 4, yLabelTop, u"y");
    canvas.moveTo(box.left, 8 * v);
    canvas.lineTo(box.right, 8 * v);
    canvas.textOut(box.right + 2, 8 * v - v / 2, u"x");
}

void GraphGrid::drawDottedGrid(Canvas &canvas) const
{
    const int v = m_unit;
    const Rect box = square();
    DrawSignedGrid(canvas, SignedGrid{Point{originX(), originY()}, v, m_step, box.left, box.right,
                                      3 * v, 13 * v, 2 * v / 3});
}
