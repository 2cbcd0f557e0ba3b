#pragma once

#include "drill/DrillPage.h"

// Drill questions on functions and their graphs. Each draws the question from the page's
// parameters and, when the page asks for it, the answer in red below it.

/// Topic 2768: a table of a direct (variant 0) or inverse (variant 1) proportion between the sides
/// and the area of triangles, two of whose five values are left empty; the answer fills them in.
/// p[0] is the fixed base or area, the cells show p[10 + i] / p[15 + i] (real division).
void drawProportionDrill(DrillPage &page);

/// Topic 2769: draw the line y = ax + b (a = p[0], never 0; b = p[1]); the answer gives slope,
/// y intercept and the reduced x intercept -b/a.
void drawLineDrill(DrillPage &page);

/// Topic 2770: draw the parabola y = ax² + bx + c (a = p[0], never 0; b = p[1], c = p[2]); the
/// answer gives the axis -b/(2a) and the vertex, reduced fractions.
void drawParabolaDrill(DrillPage &page);

/// Topic 2777: four inequalities, x + a > 0, -(x + a) > 0 (a = p[0]), (x + p1)(x + p2) > 0 and
/// its negation written out; the answer uses the roots p[11] <= p[12].
void drawInequalityDrill(DrillPage &page);
