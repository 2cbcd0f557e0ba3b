#include "ui/Canvas.h"

#include <algorithm>
#include <cstdlib>

// The static colours of the classic 20-colour system palette, in palette order.
const std::array<Rgb, 20> kSystemPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
    0xC0C0C0, 0xC0DCC0, 0xA6CAF0, 0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000,
    0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

Font Canvas::defaultFont()
{
    return Font{16, 0, 128, u"system"};
}

Pen Canvas::select(const Pen &pen)
{
    Pen normalised = pen;
    normalised.width = std::max(1, pen.width);
    normalised.color &= 0xFFFFFF;
    // A dotted pen wider than one pixel draws solid, as on the classic device context.
    if (normalised.style == PenStyle::Dot && normalised.width > 1)
        normalised.style = PenStyle::Solid;
    Pen previous = m_pen;
    m_pen = normalised;
    doSelectPen(m_pen);
    return previous;
}

Brush Canvas::select(const Brush &brush)
{
    Brush previous = m_brush;
    m_brush = brush;
    m_brush.color &= 0xFFFFFF;
    doSelectBrush(m_brush);
    return previous;
}

Font Canvas::select(const Font &font)
{
    Font normalised = font;
    // A zero height asks for the default size; a negative one gives the character height.
    normalised.height = font.height == 0 ? defaultFont().height : std::abs(font.height);
    Font previous = m_font;
    m_font = normalised;
    doSelectFont(m_font);
    return previous;
}

Rgb Canvas::setTextColor(Rgb color)
{
    Rgb previous = m_textColor;
    m_textColor = color & 0xFFFFFF;
    doSetTextColor(m_textColor);
    return previous;
}

BkMode Canvas::setBkMode(BkMode mode)
{
    BkMode previous = m_bkMode;
    m_bkMode = mode;
    doSetBkMode(mode);
    return previous;
}

std::optional<Rect> Canvas::setClip(std::optional<Rect> clip)
{
    std::optional<Rect> previous = m_clip;
    m_clip = clip;
    doSetClip(m_clip);
    return previous;
}

void Canvas::moveTo(int x, int y)
{
    m_position = {x, y};
    doMoveTo(x, y);
}

void Canvas::lineTo(int x, int y)
{
    const Point from = m_position;
    m_position = {x, y};
    // The end point from the arguments, not read back from the member just written: on long
    // polylines that read-back stalled on the store.
    doLine(from, Point{x, y});
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    doEllipse(Rect{left, top, right, bottom});
}

void Canvas::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye)
{
    doArc(Rect{left, top, right, bottom}, Point{xs, ys}, Point{xe, ye});
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    doRectangle(Rect{left, top, right, bottom});
}

void Canvas::roundRect(int left, int top, int right, int bottom)
{
    doRoundRect(Rect{left, top, right, bottom});
}

void Canvas::polygon(std::span<const Point> points)
{
    if (points.empty()) return;
    doPolygon(points);
}

void Canvas::fillRect(const Rect &rect, Rgb color)
{
    doFillRect(rect, color & 0xFFFFFF);
}

void Canvas::setPixel(int x, int y, Rgb color)
{
    doSetPixel(x, y, color & 0xFFFFFF);
}

void Canvas::setPixelIndex(int x, int y, int index)
{
    const auto last = static_cast<int>(kSystemPalette.size()) - 1;
    doSetPixel(x, y, kSystemPalette[static_cast<std::size_t>(std::clamp(index, 0, last))]);
}

void Canvas::setPixelRun(int x, int y, std::span<const Rgb> colors)
{
    if (colors.empty()) return;
    doSetPixelRun(x, y, colors);
}

void Canvas::doSetPixelRun(int x, int y, std::span<const Rgb> colors)
{
    for (Rgb c : colors)
        doSetPixel(x++, y, c & 0xFFFFFF);
}

void Canvas::textOut(int x, int y, std::u16string_view text)
{
    if (text.empty()) return;
    doTextOut(x, y, text);
}

Size Canvas::textExtent(std::u16string_view text)
{
    if (text.empty()) return Size{0, textMetrics().height};
    return doTextExtent(text);
}

TextMetrics Canvas::textMetrics()
{
    return doTextMetrics();
}

void Canvas::drawIcon(int x, int y, StockIcon icon)
{
    doDrawIcon(x, y, icon);
}

void Canvas::drawBitmap(int x, int y, int id)
{
    doDrawBitmap(x, y, id);
}
