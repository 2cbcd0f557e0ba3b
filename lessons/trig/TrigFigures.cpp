#include "lessons/trig/TrigFigures.h"

#include <cstdint>

namespace {

constexpr std::u16string_view kShortBar = u"──";
constexpr std::u16string_view kLongBar = u"────";
/// Lower texts longer than this get the long bar.
constexpr std::size_t kShortBarChars = 4;
/// Pixels between the bar's row and the rows of the texts above and below it.
constexpr int kRatioGap = 10;

} // namespace

void DrawAngleArc(Canvas &canvas, Point centre, int radius, Point start, Point end)
{
    if (radius <= 0) return;
    const std::int64_t sx = start.x - centre.x;
    const std::int64_t sy = start.y - centre.y;
    const std::int64_t ex = end.x - centre.x;
    const std::int64_t ey = end.y - centre.y;
    if ((sx == 0 && sy == 0) || (ex == 0 && ey == 0)) return;
    // The same ray: the two directions are parallel (cross product 0) and point the same way.
    if (sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0) return;
    canvas.arc(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, start.x,
               start.y, end.x, end.y);
}

void DrawLabelFraction(Canvas &canvas, int x, int y, std::u16string_view upper,
                       std::u16string_view lower)
{
    const std::u16string_view bar = lower.size() > kShortBarChars ? kLongBar : kShortBar;
    canvas.textOut(x, y, bar);
    const int centre = x + canvas.textExtent(bar).cx / 2;
    canvas.textOut(centre - canvas.textExtent(upper).cx / 2 - 2, y - kRatioGap, upper);
    canvas.textOut(centre - canvas.textExtent(lower).cx / 2 - 2, y + kRatioGap, lower);
}

LessonMetrics TrigLessonMetrics(Size client, int rows, double circleConstant)
{
    LessonMetrics metrics;
    metrics.setLayout(client, 48, rows, circleConstant);
    return metrics;
}
