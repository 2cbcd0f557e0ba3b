#pragma once

#include "ui/Canvas.h"

/// A canvas that draws nothing and measures texts on another canvas in its own current font: a
/// figure run over it once tells how wide it will be on the real surface, so that it can be placed
/// before it is drawn. The measured canvas's objects are left as they were.
class MeasuringCanvas : public Canvas
{
public:
    explicit MeasuringCanvas(Canvas &target) : m_target(target) {}

    Size size() const override { return m_target.size(); }

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
        if (m_target.font() == font()) return m_target.textExtent(text);
        FontScope scope(m_target, font());
        return m_target.textExtent(text);
    }
    TextMetrics doTextMetrics() override
    {
        if (m_target.font() == font()) return m_target.textMetrics();
        FontScope scope(m_target, font());
        return m_target.textMetrics();
    }
    void doDrawIcon(int, int, StockIcon) override {}
    void doDrawBitmap(int, int, int) override {}

private:
    Canvas &m_target;
};
