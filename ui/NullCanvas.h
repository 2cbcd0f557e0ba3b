#pragma once

#include "ui/RecordingCanvas.h"

/// A canvas that draws and records nothing, and measures texts with the fixed metrics of the
/// RecordingCanvas: benchmarks use it to time layout and figure code without the cost of drawing.
class NullCanvas : public Canvas
{
public:
    explicit NullCanvas(Size size = {640, 480}) : m_size(size) {}

    Size size() const override { return m_size; }

protected:
    void doSelectPen(const Pen &) override {}
    void doSelectBrush(const Brush &) override {}
    void doSelectFont(const Font &) override {}
    void doSetTextColor(Rgb) override {}
    void doSetBkMode(BkMode) override {}
    void doSetClip(const std::optional<Rect> &) override {}
    void doMoveTo(int, int) override {}
    void doLine(Point, Point) override {}
    void doEllipse(const Rect &) override {}
    void doArc(const Rect &, Point, Point) override {}
    void doRectangle(const Rect &) override {}
    void doRoundRect(const Rect &) override {}
    void doPolygon(std::span<const Point>) override {}
    void doFillRect(const Rect &, Rgb) override {}
    void doSetPixel(int, int, Rgb) override {}
    void doTextOut(int, int, std::u16string_view) override {}
    Size doTextExtent(std::u16string_view text) override
    {
        return Size{RecordingCanvas::measureText(text, font().height), font().height};
    }
    TextMetrics doTextMetrics() override
    {
        const int h = font().height;
        return TextMetrics{h, h * 7 / 8, h / 2, 0};
    }
    void doDrawIcon(int, int, StockIcon) override {}
    void doDrawBitmap(int, int, int) override {}

private:
    Size m_size;
};
