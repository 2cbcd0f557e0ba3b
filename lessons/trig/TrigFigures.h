#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <string_view>

// Figure pieces shared by the trigonometry lessons.

/// Draws the arc of the circle of `radius` pixels around `centre` counter-clockwise from the ray
/// through `start` to the ray through `end` (the angle mark) in the current pen. When both rays
/// are the same ray (an angle of 0 or 360 degrees), when either point is the centre or when the
/// radius is not positive, nothing is drawn: an arc with equal end points would be a full circle.
void DrawAngleArc(Canvas &canvas, Point centre, int radius, Point start, Point end);

/// Writes a ratio of two texts stacked over a bar text at (x, y): the bar is "────" when `lower`
/// has more than 4 characters, else "──"; `upper` stands 10 pixels above and `lower` 10 pixels
/// below the bar's row, each centred on the bar (less 2 pixels).
void DrawLabelFraction(Canvas &canvas, int x, int y, std::u16string_view upper,
                       std::u16string_view lower);

/// The degrees of `angle` in radians with the lesson's circle constant: angle x pi / 180.
inline double DegreesToRadians(double angle, double circleConstant)
{
    return angle * circleConstant / 180.0;
}

/// The metrics of a trigonometry window: m_unitX = client width / 48, m_unitY = client height /
/// `rows` (integer division), and the circle constant.
LessonMetrics TrigLessonMetrics(Size client, int rows, double circleConstant);
