#pragma once

#include "drill/DrillPage.h"

/// Topic 2792: A = (p0 p1; p2 p3) and B = (p4 p5; p6 p7) in brackets, then "A + B" and "AB" to be
/// worked out; the answer writes the sum (p10..p13) and the product (p14..p17) in red brackets.
void drawMatrixBasicsDrill(DrillPage &page);

/// Topic 2793: the system p0 x + p1 y = p2, p3 x + p4 y = p5 with every coefficient of x and y
/// that was drawn 0 shown as 1; the answer writes the matrix A of the coefficients and the column
/// B of the right sides, to be entered in the matrix lesson.
void drawSimultaneousDrill(DrillPage &page);
