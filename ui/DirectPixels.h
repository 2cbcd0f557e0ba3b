#pragma once

#include "ui/Canvas.h"

#include <cstdint>
#include <span>

class QImage;

/// Writes straight into the scan lines of a 32-bit image whose pixels may be finer than the canvas
/// pixels (a backing image at the screen's device pixel ratio).
///
/// Every coordinate it takes is in canvas pixels; canvas pixel x covers the image columns
/// round(x * scale) up to round((x + 1) * scale), so neighbouring rectangles tile without gaps or
/// overlaps at any scale, and at scale 1 a canvas pixel is an image pixel.
class DirectPixels
{
public:
    DirectPixels() = default;
    /// Writes into `image`, whose pixels are `scale` per canvas pixel; the image must stay alive
    /// and keep its pixels where they are while this writer is used.
    DirectPixels(QImage &image, double scale);

    bool isValid() const { return m_bits != nullptr; }
    double scale() const { return m_scale; }

    /// Restricts writing to a rectangle in canvas pixels (nullopt: the whole image).
    void setClip(const std::optional<Rect> &clip);

    /// Fills canvas pixels left..right-1 x top..bottom-1.
    void fill(int left, int top, int right, int bottom, Rgb color);
    void setPixel(int x, int y, Rgb color);
    /// Sets `colors.size()` canvas pixels from (x, y) rightwards.
    void setPixelRun(int x, int y, std::span<const Rgb> colors);

    /// A solid line of `width` canvas pixels from `from` towards `to` by the integer scan-line
    /// walk: at each step of the longer axis a width x width block is stamped with its top-left
    /// corner width / 2 pixels above and left of the point, and the minor axis follows the rounded
    /// ideal line. The point `to` itself is not stamped. Only the steps over the image are walked,
    /// so the end points may lie anywhere in the int range.
    void line(Point from, Point to, int width, Rgb color);

    /// A quotient and its remainder: the minor-axis offset of the walk and its error term.
    struct QuotientRemainder
    {
        std::int64_t quotient = 0;
        std::int64_t remainder = 0;
    };

private:
    /// The state of a scan-line walk: offset and error at the first step, the error added per
    /// step (2m) and the error worth one minor step (2n), and the number of steps.
    struct Walk
    {
        QuotientRemainder step;
        std::int64_t twoM = 0;
        std::int64_t twoN = 0;
        std::int64_t steps = 0;
    };
    /// `line` at scale 1 when every block lies inside the writable area; false otherwise.
    bool lineInside(Point from, Point to, int width, Rgb color);
    void walkInside(std::int64_t x, std::int64_t y, bool xMajor, std::int64_t majorStep,
                    std::int64_t minorStep, const Walk &walk, int block, std::uint32_t value);
    void walkClipped(std::int64_t major, std::int64_t minor0, bool xMajor, std::int64_t majorStep,
                     std::int64_t minorStep, const Walk &walk, std::int64_t block,
                     std::uint32_t value);
    /// Image column (or row) where canvas pixel `v` starts.
    std::int64_t toDevice(std::int64_t v) const;
    /// Fills image pixels [left, right) x [top, bottom), already inside the writable area.
    void fillDevice(int left, int top, int right, int bottom, std::uint32_t value);

    std::uint8_t *m_bits = nullptr;
    std::int64_t m_bytesPerLine = 0;
    double m_scale = 1.0;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    Rect m_writable; ///< image pixels that may change: the image narrowed by the clip
};
