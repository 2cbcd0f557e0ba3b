#pragma once

#include "ui/Canvas.h"
#include "ui/DirectPixels.h"

#include <QFont>
#include <QPen>
#include <QRegion>

#include <memory>

class QImage;
class QPainter;
class QPaintDevice;

/// The canvas on a Qt paint device: the screen's backing image, a PNG, a printer or a PDF.
///
/// Geometry lands exactly where the caller computed it: a 1-pixel pen runs through pixel centres,
/// axis-aligned lines and rectangles are drawn crisp, curves and text antialiased. On a 32-bit
/// QImage, also one made at a device pixel ratio above 1, pixels, runs of pixels and fills are
/// written straight into the image's scan lines, and so are solid lines up to 3 pixels wide when
/// antialiased lines are turned off: they are then drawn by an integer scan-line walk.
///
/// Coordinates are canvas pixels whatever the device pixel ratio: on an image at ratio 2 a 1-pixel
/// line is 2 image pixels wide and text is drawn at the finer resolution.
class QtCanvas : public Canvas
{
public:
    /// Paints on `device` with a painter of its own, active for the lifetime of the canvas. The
    /// canvas size is the device's size.
    explicit QtCanvas(QPaintDevice &device);
    /// Paints with a painter that is already active (a printer's, with a scale to fit the page);
    /// `logicalSize` is the canvas size in the painter's coordinates. The painter's state is
    /// restored when the canvas goes away.
    QtCanvas(QPainter &painter, Size logicalSize);
    ~QtCanvas() override;

    QtCanvas(const QtCanvas &) = delete;
    QtCanvas &operator=(const QtCanvas &) = delete;

    Size size() const override { return m_size; }

    /// Whether lines other than 1-pixel axis-aligned runs go through the painter, slanted ones
    /// antialiased. On by default: lesson curves look smoother so. Off, solid pens up to 3 pixels
    /// wide are walked straight into the image where the canvas writes pixels directly, crisp and
    /// some thirty times faster (the sketch view's hundreds of thousands of short segments).
    void setAntialiasedLines(bool on) { m_antialiasedLines = on; }
    bool antialiasedLines() const { return m_antialiasedLines; }

protected:
    void doSelectPen(const Pen &pen) override;
    void doSelectBrush(const Brush &brush) override;
    void doSelectFont(const Font &font) override;
    void doSetTextColor(Rgb) override {}
    void doSetBkMode(BkMode) override {}
    void doSetClip(const std::optional<Rect> &clip) override;
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
    void prepareDirectAccess(QPaintDevice &device);
    bool hasPen() const;
    /// The pixels that can change: the surface, narrowed by the clip on the direct path.
    Rect visibleArea() const;
    const QFont &qfont();
    /// Sets the painter up for an outline with the current pen, filled with the current brush when
    /// `fill` is set.
    void usePenAndBrush(bool antialiased, bool fill);
    /// A 1-pixel axis-aligned line, solid or dotted, end point excluded.
    void drawThinRun(Point from, Point to);
    /// Fills pixels left..right-1 x top..bottom-1, directly into the image when possible.
    void fillPixels(int left, int top, int right, int bottom, Rgb color);

    std::unique_ptr<QPainter> m_ownPainter;
    QPainter *m_painter = nullptr;
    Size m_size;
    QRegion m_baseClip; ///< the clip a borrowed painter came with
    bool m_baseClipping = false;

    QPen m_qpen;   ///< the current pen for outlines and slanted lines (through pixel centres)
    QFont m_qfont; ///< the current font, mapped by the font table when text needs it
    bool m_fontMapped = false;

    bool m_antialiasedLines = true;
    // Direct access to the pixels of a 32-bit QImage painted at its own device pixel ratio.
    DirectPixels m_direct;
    Rect m_writable; ///< canvas bounds, narrowed by the clip (canvas pixels)
};
