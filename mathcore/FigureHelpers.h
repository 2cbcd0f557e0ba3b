#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <string_view>

// Small drawing routines shared by lesson figures. cw and ch below are the layout units
// `m_unitX` and `m_unitY` of the window's LessonMetrics.

/// Resource id of the marker picture: a 22 x 19 black pointer whose tip is its top-left pixel.
constexpr int kMarkerBitmapId = 114;

/// Draws a root sign in `color` over the place where `radicand` stands at (x, y) (the caller draws
/// the radicand): (x - cw, y + ch - 10) to (x - cw/2, y + ch - 3) to (x, y - 4), then a bar as wide
/// as the radicand in the current font. A root index other than 1 and 2 is written small at
/// (x - cw, y - 4).
void DrawRadicalSign(std::u16string_view radicand, LessonMetrics &metrics, Canvas &canvas, int x,
                     int y, int rootIndex, Rgb color);

/// Draws the value of the sine of `angle` degrees at row y from x: the exact value as a stacked
/// fraction (with a root sign where needed) for the angles that have one, else "%1.3f" of the
/// sine. With `caption` set, "sin<angle>ﾟ=" and the definition AH over OA come first. Radians are
/// angle x circle constant / 180. Returns the width drawn.
std::int16_t DrawSinValue(int angle, int y, Canvas &canvas, LessonMetrics &metrics, int x,
                          Rgb color, bool caption);

/// As `DrawSinValue`, for the cosine (definition OH over OA).
std::int16_t DrawCosValue(int angle, int y, Canvas &canvas, LessonMetrics &metrics, int x,
                          Rgb color, bool caption);

/// As `DrawSinValue`, for the tangent (definition AH over OH): "∞" at 90 and 270 degrees, 0 at 0,
/// 180 and 360, else "%2.3f" of the tangent.
std::int16_t DrawTanValue(Canvas &canvas, LessonMetrics &metrics, int x, int y, int angle,
                          Rgb color, bool caption);

/// Draws the summation sign "∑" at (x, y) in the current font with the limits "n" above and "k=1"
/// below in bold "MS Serif" of height `height / 2`.
void DrawSigma(int x, Canvas &canvas, int y, int height);

/// Draws the line from (x1, y1) to (x2, y2) in the current pen and, when the points differ, two
/// 8-pixel barbs at 30 degrees either side of it ending at the tip (x2, y2).
void DrawArrow(Canvas &canvas, LessonMetrics &metrics, int x1, int y1, int x2, int y2);

/// Copies the marker picture (`kMarkerBitmapId`) with its top-left corner at (x, y) with the AND
/// raster operation: its white ground leaves the figure unchanged.
void DrawMaskBitmap(Canvas &canvas, int x, int y);

/// A computed coordinate as a pixel: truncated toward zero and held within +-1e8 pixels (far
/// outside any window), NaN as 0, so converting any double is defined.
int PixelFromDouble(double value);
