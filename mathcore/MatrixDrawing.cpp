#include "mathcore/MatrixDrawing.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

/// Rows whose lengths differ by at most this many characters are left as they are.
constexpr std::size_t kPaddingSlack = 2;

void padShorter(std::u16string &shorter, std::size_t length)
{
    const std::size_t lastSpace = shorter.rfind(u' ');
    const std::size_t at = lastSpace == std::u16string::npos ? 0 : lastSpace + 1;
    shorter.insert(at, length - shorter.size(), u' ');
}

} // namespace

void PadMatrixRows(std::u16string &first, std::u16string &second)
{
    if (first.size() > second.size() + kPaddingSlack)
        padShorter(second, first.size());
    else if (second.size() > first.size() + kPaddingSlack)
        padShorter(first, second.size());
}

int DrawMatrixRows(Canvas &canvas, int x, int y, int rowHeight, std::u16string first,
                   std::u16string second)
{
    PadMatrixRows(first, second);
    canvas.textOut(x, y, first);
    canvas.textOut(x, y + rowHeight, second);
    return std::max(canvas.textExtent(first).cx, canvas.textExtent(second).cx);
}

void DrawMatrixBrackets(Canvas &canvas, int left, int right, int rowTop, int rowHeight, Rgb color)
{
    // The arcs are cut from circles of radius 2 rowHeight centred one row below the first row's
    // top, between the rays through the first row's top and the second row's bottom.
    const int side = 4 * rowHeight;
    const int top = rowTop - rowHeight;
    const int upper = rowTop;
    const int lower = rowTop + 2 * rowHeight;
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, color});
    canvas.arc(left, top, left + side, top + side, left, upper, left, lower);
    canvas.arc(right - side, top, right, top + side, right, lower, right, upper);
}

int DrawMatrix(Canvas &canvas, const LessonMetrics &metrics, int column, int row,
               std::u16string_view first, std::u16string_view second, Rgb color)
{
    const int cw = metrics.m_unitX;
    const int ch = metrics.m_unitY;
    std::u16string top(first);
    std::u16string bottom(second);
    PadMatrixRows(top, bottom);
    const int width = DrawMatrixRows(canvas, cw * (column + 1), ch * row, ch, top, bottom);
    DrawMatrixBrackets(canvas, cw * column, cw * (column + 2) + width, ch * row, ch, color);
    const int length = static_cast<int>(std::max(top.size(), bottom.size()));
    return length < 3 ? length + 1 : length;
}

void DrawParenthesisPair(Canvas &canvas, int left, int right, int top, int height, Rgb color)
{
    // Each bracket is the outer half of an ellipse 2 depth wide: counter-clockwise from its top
    // to its bottom on the left, from its bottom to its top on the right.
    const int depth = std::max(2, height / 8);
    const int bottom = top + height;
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, color});
    canvas.arc(left, top, left + 2 * depth, bottom, left + depth, top, left + depth, bottom);
    canvas.arc(right - 2 * depth, top, right, bottom, right - depth, bottom, right - depth, top);
}
