#include "lessons/functions/ColumnCurve.h"

#include "lessons/functions/GraphGrid.h"

std::optional<int> DrawColumnCurve(Canvas &canvas, const GraphGrid &grid,
                                   const CurveFunction &valueAt)
{
    const int v = grid.unit();
    const int w = grid.step();
    const auto nearGrid = [v](int row) { return row > 3 * v - 4 && row < 13 * v + 4; };
    std::optional<int> pole;
    std::optional<Point> previous; // the last column's point when it lies near the grid
    for (int r = -5 * v; r < 5 * v; ++r) {
        const double x = static_cast<double>(w) * r / v;
        const std::optional<double> y = valueAt(x);
        // The column 8v + trunc(v x / w) is the origin's column + r; taking r itself avoids a
        // rounding step.
        const int column = grid.originX() + r;
        if (!y) {
            if (!pole) pole = column;
            previous.reset();
            continue;
        }
        const Point point{column, grid.row(*y)};
        if (!nearGrid(point.y)) {
            previous.reset();
            continue;
        }
        if (previous) {
            canvas.moveTo(point.x, point.y);
            canvas.lineTo(previous->x, previous->y);
        }
        previous = point;
    }
    return pole;
}
