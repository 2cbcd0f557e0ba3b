#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <string>
#include <string_view>

// Two-row matrices and column vectors written as text rows between round brackets, as the matrix
// lessons and their drill questions show them.

/// Makes two row texts equally long when their lengths (in UTF-16 code units) differ by more than
/// 2: the shorter one gets the missing spaces inserted before its last space-separated word (at
/// its start when it has no space), so its last entry moves under the other row's last entry.
void PadMatrixRows(std::u16string &first, std::u16string &second);

/// Draws the rows at (x, y) and (x, y + rowHeight) in the current font and text colour, padded by
/// `PadMatrixRows`. Returns the pixel width of the wider row.
int DrawMatrixRows(Canvas &canvas, int x, int y, int rowHeight, std::u16string first,
                   std::u16string second);

/// Draws the brackets of a matrix whose first row stands at row top `rowTop` with rows `rowHeight`
/// apart, in a solid pen of width 1 in `color`: the left one is the arc of the ellipse in the
/// square box (left, rowTop - rowHeight)-(left + 4 rowHeight, rowTop + 3 rowHeight), counter-
/// clockwise from the ray through (left, rowTop) to the ray through (left, rowTop + 2 rowHeight),
/// so its leftmost point is at `left`; the right one is its mirror image whose rightmost point is
/// at `right`.
void DrawMatrixBrackets(Canvas &canvas, int left, int right, int rowTop, int rowHeight, Rgb color);

/// Draws a two-row matrix at cell column `column` and row `row` of the metrics' cells (cw, ch):
/// the rows at (cw (column + 1), ch row) and one cell lower, and brackets in `color` from x =
/// cw column to x = cw (column + 2) + the wider row's width. Returns the longer row's length in
/// characters, plus 1 when it is below 3 (the cells the matrix takes, as callers place what
/// follows it).
int DrawMatrix(Canvas &canvas, const LessonMetrics &metrics, int column, int row,
               std::u16string_view first, std::u16string_view second, Rgb color);

/// Draws a pair of round brackets, each the half of an ellipse that spans exactly from `top` to
/// `top + height`: the left one bulges out to `left`, the right one to `right`; they bulge by
/// height / 8 (at least 2 pixels). Solid pen of width 1 in `color`.
void DrawParenthesisPair(Canvas &canvas, int left, int right, int top, int height, Rgb color);
