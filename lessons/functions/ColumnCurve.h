#pragma once

#include "ui/Canvas.h"

#include <functional>
#include <optional>

class GraphGrid;

/// y for x of a function drawn on a grid, or nothing where it is undefined (a pole).
using CurveFunction = std::function<std::optional<double>(double)>;

/// Draws the graph of `valueAt` with the current pen, one point per pixel column of the grid from
/// x = -5w to 5w: column originX + r for r = -5v .. 5v - 1 stands for x = w * r / v. A segment
/// joins two neighbouring columns only when both points lie strictly within 4 pixels of the
/// grid's height, so a branch that runs far above or below the grid is cut there rather than
/// joined across a pole or through the texts around the grid; an undefined column breaks the
/// curve. Returns the first column (in pixels) where the function is undefined, if any.
std::optional<int> DrawColumnCurve(Canvas &canvas, const GraphGrid &grid,
                                   const CurveFunction &valueAt);
