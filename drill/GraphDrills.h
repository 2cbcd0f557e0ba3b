#pragma once

#include "drill/DrillPage.h"

// Drill questions on equations and their graphs, translated graphs and correspondences between
// sets. Each draws the question from the page's parameters and, when the page asks for it, the
// answer in red.

/// Topic 2780: does y = ax² + bx + c0 meet the x axis (variant 0, D = p[10]), or which line
/// y = c touches y = x² + bx + c0 (variant 1, c = p[10])? a = p[0], b = p[1], c0 = p[2].
void drawEquationGraphDrill(DrillPage &page);

/// Topic 2782: translate y = k/(x - s) + t (k = p[0], s = p[1], t = p[2]) by dx = p[3] and
/// dy = p[4]; the answer is the same form with s = p[10] and t = p[11].
void drawFractionalShiftDrill(DrillPage &page);

/// Topic 2800: which of y = ax, ax², x + a, a/x maps 1..5 to the values shown? The relation is
/// p[0] (1 to 4), a = p[1] / p[2] (real division).
void drawCorrespondenceDrill(DrillPage &page);
