#pragma once

#include "ui/Canvas.h"

/// The canvas one drill exercise is drawn on when it goes onto a worksheet: it passes the exercise
/// on to the page's canvas shifted by an offset, can leave out the exercise's first drawing
/// operations, and keeps the box that what it passed on covers.
///
/// A generator draws its question first and adds its answer only when the page asks for it, so the
/// operations of a question-only pass are the leading operations of a pass with the answer: leaving
/// that many out draws the answer alone, whatever its colours. Texts are measured on the target in
/// the exercise's current font; without drawing, the target is used for measuring only.
class ExerciseCanvas : public Canvas
{
public:
    /// `offset` is where the exercise's (0, 0) lands on `target`; the first `skip` drawing
    /// operations are counted but neither drawn nor measured; with `draw` false nothing is drawn.
    ExerciseCanvas(Canvas &target, Point offset, int skip = 0, bool draw = true);

    /// The exercise's client size: that of the drill window.
    Size size() const override { return m_size; }
    void setSize(Size size) { m_size = size; }

    /// Drawing operations seen so far, the left-out ones included.
    int operations() const { return m_operations; }
    /// The box, in exercise coordinates, of what was passed on (empty when nothing was).
    Rect bounds() const { return m_bounds; }

protected:
    void doSelectPen(const Pen &) override {}
    void doSelectBrush(const Brush &) override {}
    void doSelectFont(const Font &) override {}
    void doSetTextColor(Rgb) override {}
    void doSetBkMode(BkMode) override {}
    void doSetClip(const std::optional<Rect> &) override {}
    void doMoveTo(int, int) override {}
    void doLine(Point from, Point to) override;
    void doEllipse(const Rect &rect) override;
    void doArc(const Rect &rect, Point start, Point end) override;
    void doRectangle(const Rect &rect) override;
    void doRoundRect(const Rect &rect) override;
    void doPolygon(std::span<const Point> points) override;
    void doFillRect(const Rect &rect, Rgb color) override;
    void doSetPixel(int x, int y, Rgb color) override;
    void doSetPixelRun(int x, int y, std::span<const Rgb> colors) override;
    void doTextOut(int x, int y, std::u16string_view text) override;
    Size doTextExtent(std::u16string_view text) override;
    TextMetrics doTextMetrics() override;
    void doDrawIcon(int x, int y, StockIcon icon) override;
    void doDrawBitmap(int x, int y, int id) override;

private:
    /// Counts one drawing operation; true when it is to be passed on (and measured).
    bool take();
    /// Gives the target this canvas's current objects, the clip shifted by the offset.
    void syncTarget();
    /// Adds a box to the bounds, widened by the pen where `outlined`, cut by the clip.
    void cover(Rect box, bool outlined);
    Rect shifted(const Rect &rect) const;
    Point shifted(Point p) const { return Point{p.x + m_offset.x, p.y + m_offset.y}; }

    Canvas &m_target;
    Point m_offset;
    int m_skip;
    bool m_draw;
    Size m_size{494, 278};
    int m_operations = 0;
    Rect m_bounds;
};
