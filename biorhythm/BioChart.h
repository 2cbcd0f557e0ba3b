#pragma once

#include "ui/Canvas.h"

#include <cstdint>

/// What the chart shows: the dates and the day count of the last successful start.
struct BiorhythmChart
{
    std::int16_t birthYear = -1; ///< -1 until the first successful start
    std::int16_t birthMonth = 0;
    std::int16_t birthDay = 0;
    std::int16_t displayYear = 0;
    std::int16_t displayMonth = 0;
    /// Days from the birth date to the last day of the month before the display month.
    std::int32_t dayCount = 0;
    /// Days of the display month.
    int monthDays = 31;

    /// True once a start has succeeded: the curves can be drawn.
    bool hasCurves() const { return birthYear > 1900; }
};

/// The chart in the lesson window, laid out in cells of `cellWidth` x `cellHeight` pixels (u below;
/// positions use u both ways): legend box (19u, 6u)-(24u, 11u), chart box (2u, 5u)-(18u, 13u) with
/// 31 dotted day lines, the day count below it, and the three curves once a start has succeeded.
void drawBiorhythmScreen(Canvas &canvas, const BiorhythmChart &chart, int cellWidth, int cellHeight,
                         double circleConstant);

/// How the printed page maps the screen's lengths onto the printer.
struct PageSetup
{
    /// The screen's cell height u in screen pixels: the label offsets and the label font derive
    /// from it.
    int screenCell = 18;
    /// Printer units per screen pixel (printer resolution / 96): every length given in screen
    /// pixels is multiplied by it, and so is the height of the page's default font.
    double scale = 1.0;
    /// The creation date printed in the heading.
    int year = 0;
    int month = 0;
    int day = 0;
};

/// The printed page, in page units h (height plus external leading of the page's default font) and
/// a (its average character width): heading, birth date, and one panel per cycle at tops 10h, 25h
/// and 40h with its axes, day lines, day count, curve and critical days. Before the first
/// successful start the panels show axes and labels only.
void drawBiorhythmPage(Canvas &canvas, const BiorhythmChart &chart, const PageSetup &setup,
                       double circleConstant);
