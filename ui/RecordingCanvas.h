#pragma once

#include "ui/Canvas.h"

#include <string>
#include <vector>

/// A canvas that draws nothing and records every call as one line of text, in the format that
/// `tessaryn-render --ops` prints. Text measurements use fixed metrics so that tests do not depend
/// on installed fonts: a character below U+0100 or a half-width katakana is height/2 wide, any
/// other character height wide; the ascent is height*7/8 and the average character width height/2.
class RecordingCanvas : public Canvas
{
public:
    /// Records into its own list, or appends to `sink` when one is given (child surfaces share the
    /// list of the client canvas).
    explicit RecordingCanvas(Size size = {640, 480}, std::vector<std::string> *sink = nullptr);

    Size size() const override { return m_size; }
    const std::vector<std::string> &lines() const { return *m_lines; }
    void clearLines() { m_lines->clear(); }
    /// Appends a line of its own, such as "surface 1002".
    void note(std::string line) { m_lines->push_back(std::move(line)); }

    /// Width of `text` in the fixed metrics for a font of cell height `height`.
    static int measureText(std::u16string_view text, int height);

protected:
    void doSelectPen(const Pen &pen) override;
    void doSelectBrush(const Brush &brush) override;
    void doSelectFont(const Font &font) override;
    void doSetTextColor(Rgb color) override;
    void doSetBkMode(BkMode mode) override;
    void doSetClip(const std::optional<Rect> &clip) override;
    void doMoveTo(int x, int y) override;
    void doLine(Point from, Point to) override;
    void doEllipse(const Rect &rect) override;
    void doArc(const Rect &rect, Point start, Point end) override;
    void doRectangle(const Rect &rect) override;
    void doRoundRect(const Rect &rect) override;
    void doPolygon(std::span<const Point> points) override;
    void doFillRect(const Rect &rect, Rgb color) override;
    void doSetPixel(int x, int y, Rgb color) override;
    void doTextOut(int x, int y, std::u16string_view text) override;
    Size doTextExtent(std::u16string_view text) override;
    TextMetrics doTextMetrics() override;
    void doDrawIcon(int x, int y, StockIcon icon) override;
    void doDrawBitmap(int x, int y, int id) override;

private:
    void add(std::string line) { m_lines->push_back(std::move(line)); }

    Size m_size;
    std::vector<std::string> m_own;
    std::vector<std::string> *m_lines;
};

/// "#rrggbb" for a colour.
std::string colorName(Rgb color);
/// UTF-8 of a UTF-16 text inside double quotes, with '"' and '\' escaped.
std::string quotedText(std::u16string_view text);
/// UTF-8 of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string toUtf8(std::u16string_view text);
