#pragma once

#include "mathcore/FigureHelpers.h"
#include "ui/Canvas.h"

/// The value of one grid cell for a graph whose largest magnitude (already truncated toward zero)
/// is `magnitude`: 2 below 10, 20 below 100, 200 up to 1000 and 2000 beyond, so that the ten
/// cells of the grid keep the figure's numbers in view.
int GridStepFor(double magnitude);

/// The larger of |trunc(first)| and |trunc(second)|, computed in double precision so that no
/// value wraps, whatever its size.
double TruncatedMagnitude(double first, double second);

/// A dotted grid of nine rows and nine columns, one cell apart, around the point where the axes
/// cross, with a label on every second line: rows i = -4..4 (top to bottom) carry the value
/// -i*step, right-aligned to end 2 pixels left of the vertical axis; columns j = -4..4 carry j*step
/// just below the horizontal axis. Values from 0 up get a leading blank so that they line up with
/// the minus signs. Drawn with a dotted black 1-pixel pen and "MS Serif" of `fontHeight` pixels.
struct SignedGrid
{
    Point origin; ///< pixel where the axes cross (value 0, 0)
    int cell = 0; ///< pixels between two lines
    int step = 0; ///< value of one cell
    int left = 0; ///< rows run from x = left to right
    int right = 0;
    int top = 0; ///< columns run from y = top to bottom
    int bottom = 0;
    int fontHeight = 0;
};
void DrawSignedGrid(Canvas &canvas, const SignedGrid &grid);

/// The 10 x 10 graph square of the function lessons: pixels 3v..13v both ways for a layout unit v,
/// origin at (8v, 8v), one cell of v pixels standing for `step` in both directions. A lesson that
/// keeps its square further left names the origin's column in cells (7 puts the square at 2v..12v).
class GraphGrid
{
public:
    GraphGrid(int unit, int step, int originColumnCells = 8)
        : m_unit(unit), m_step(step), m_originCells(originColumnCells)
    {}

    int unit() const { return m_unit; }
    int step() const { return m_step; }
    Rect square() const
    {
        return Rect{(m_originCells - 5) * m_unit, 3 * m_unit, (m_originCells + 5) * m_unit,
                    13 * m_unit};
    }
    int originX() const { return m_originCells * m_unit; }
    int originY() const { return 8 * m_unit; }

    /// Pixel row of the value y: 8v - trunc(y * v / step).
    int row(double y) const;
    /// Pixel column of the value x: 8v + trunc(x * v / step).
    int column(double x) const;

    /// The yellow square with the axes in black, 2 pixels wide, labelled "y" and "x" in the current
    /// font.
    void drawSquare(Canvas &canvas) const;
    /// The axes alone, as `drawSquare` draws them.
    void drawAxes(Canvas &canvas) const { drawAxes(canvas, 2 * m_unit); }
    /// The axes alone: black, 2 pixels wide, "y" with its top at `yLabelTop` left of the vertical
    /// axis' top, "x" right of the horizontal axis' end.
    void drawAxes(Canvas &canvas, int yLabelTop) const;
    /// The dotted grid with its labels (`DrawSignedGrid`, font height 2v/3).
    void drawDottedGrid(Canvas &canvas) const;

private:
    int m_unit;
    int m_step;
    int m_originCells;
};
