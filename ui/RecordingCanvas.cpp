#include "ui/RecordingCanvas.h"

#include <cstdio>

namespace {

std::string rectText(const Rect &r)
{
    return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right) +
           ' ' + std::to_string(r.bottom);
}

const char *iconName(StockIcon icon)
{
    switch (icon) {
    case StockIcon::Application:
        return "application";
    case StockIcon::Information:
        return "information";
    case StockIcon::Warning:
        return "warning";
    case StockIcon::Question:
        return "question";
    case StockIcon::Exclamation:
        return "exclamation";
    }
    return "application";
}

bool isNarrow(char16_t c)
{
    return c < 0x100 || (c >= 0xFF61 && c <= 0xFF9F);
}

} // namespace

std::string colorName(Rgb color)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(color & 0xFFFFFF));
    return buffer;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string quotedText(std::u16string_view text)
{
    std::string out = "\"";
    for (char c : toUtf8(text)) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

RecordingCanvas::RecordingCanvas(Size size, std::vector<std::string> *sink)
    : m_size(size), m_lines(sink ? sink : &m_own)
{}

int RecordingCanvas::measureText(std::u16string_view text, int height)
{
    int width = 0;
    for (char16_t c : text)
        width += isNarrow(c) ? height / 2 : height;
    return width;
}

void RecordingCanvas::doSelectPen(const Pen &pen)
{
    const char *style = pen.style == PenStyle::Solid ? "solid"
                        : pen.style == PenStyle::Dot ? "dot"
                                                     : "null";
    add(std::string("pen ") + style + ' ' + std::to_string(pen.width) + ' ' + colorName(pen.color));
}

void RecordingCanvas::doSelectBrush(const Brush &brush)
{
    add("brush " + (brush.hollow ? std::string("hollow") : colorName(brush.color)));
}

void RecordingCanvas::doSelectFont(const Font &font)
{
    add("font " + std::to_string(font.height) + ' ' + std::to_string(font.weight) + ' ' +
        std::to_string(font.charset) + ' ' + quotedText(font.face));
}

void RecordingCanvas::doSetTextColor(Rgb color)
{
    add("textcolor " + colorName(color));
}

void RecordingCanvas::doSetBkMode(BkMode mode)
{
    add(mode == BkMode::Opaque ? "bkmode opaque" : "bkmode transparent");
}

void RecordingCanvas::doSetClip(const std::optional<Rect> &clip)
{
    add("clip " + (clip ? rectText(*clip) : std::string("none")));
}

void RecordingCanvas::doMoveTo(int x, int y)
{
    add("move " + std::to_string(x) + ' ' + std::to_string(y));
}

void RecordingCanvas::doLine(Point, Point to)
{
    add("line " + std::to_string(to.x) + ' ' + std::to_string(to.y));
}

void RecordingCanvas::doEllipse(const Rect &rect)
{
    add("ellipse " + rectText(rect));
}

void RecordingCanvas::doArc(const Rect &rect, Point start, Point end)
{
    add("arc " + rectText(rect) + ' ' + std::to_string(start.x) + ' ' + std::to_string(start.y) +
        ' ' + std::to_string(end.x) + ' ' + std::to_string(end.y));
}

void RecordingCanvas::doRectangle(const Rect &rect)
{
    add("rect " + rectText(rect));
}

void RecordingCanvas::doRoundRect(const Rect &rect)
{
    add("roundrect " + rectText(rect));
}

void RecordingCanvas::doPolygon(std::span<const Point> points)
{
    std::string line = "polygon";
    for (const Point &p : points)
        line += ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y);
    add(std::move(line));
}

void RecordingCanvas::doFillRect(const Rect &rect, Rgb color)
{
    add("fill " + rectText(rect) + ' ' + colorName(color));
}

void RecordingCanvas::doSetPixel(int x, int y, Rgb color)
{
    add("pixel " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + colorName(color));
}

void RecordingCanvas::doTextOut(int x, int y, std::u16string_view text)
{
    add("text " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + quotedText(text));
}

Size RecordingCanvas::doTextExtent(std::u16string_view text)
{
    return Size{measureText(text, font().height), font().height};
}

TextMetrics RecordingCanvas::doTextMetrics()
{
    const int h = font().height;
    return TextMetrics{h, h * 7 / 8, h / 2, 0};
}

void RecordingCanvas::doDrawIcon(int x, int y, StockIcon icon)
{
    add("icon " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + iconName(icon));
}

void RecordingCanvas::doDrawBitmap(int x, int y, int id)
{
    add("bitmap " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(id));
}
