#include "ui/DirectPixels.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using Wide = std::int64_t;

struct QuotientRemainder
{
    Wide quotient = 0;
    Wide remainder = 0;
};

// floor((k * m + add) / d) and its remainder, for 0 <= k, 0 <= m <= d, 0 <= add < d < 2^40. The
// product of a far-away line can reach 2^80, so where it does not fit it is divided bit by bit:
// after each bit, (prefix of k) * m = quotient * d + remainder with 0 <= remainder < d.
QuotientRemainder productQuotient(Wide k, Wide m, Wide add, Wide d)
{
    if (m == 0 || k <= (Wide{1} << 62) / m) {
        const Wide n = k * m + add;
        return {n / d, n % d};
    }
    QuotientRemainder qr;
    auto carry = [&qr, d] {
        if (qr.remainder >= d) {
            qr.remainder -= d;
            ++qr.quotient;
        }
    };
    for (int bit = 62; bit >= 0; --bit) {
        qr.quotient *= 2;
        qr.remainder *= 2;
        carry();
        if ((k >> bit) & 1) {
            qr.remainder += m;
            carry();
        }
    }
    qr.remainder += add;
    carry();
    return qr;
}

int clampToInt(Wide v, int low, int high)
{
    return static_cast<int>(std::clamp<Wide>(v, low, high));
}

} // namespace

DirectPixels::DirectPixels(QImage &image, double scale)
    : m_bytesPerLine(image.bytesPerLine()), m_scale(scale), m_imageWidth(image.width()),
      m_imageHeight(image.height()), m_writable{0, 0, image.width(), image.height()}
{
    // Reading the address through the const accessor keeps the image from detaching again: the
    // caller's painter, if any, already detached it and draws on the same pixels.
    m_bits = const_cast<std::uint8_t *>(std::as_const(image).constBits());
}

Wide DirectPixels::toDevice(Wide v) const
{
    if (m_scale == 1.0) return v;
    return std::llround(static_cast<double>(v) * m_scale);
}

void DirectPixels::setClip(const std::optional<Rect> &clip)
{
    m_writable = Rect{0, 0, m_imageWidth, m_imageHeight};
    if (!clip) return;
    m_writable.left = clampToInt(toDevice(clip->left), 0, m_imageWidth);
    m_writable.top = clampToInt(toDevice(clip->top), 0, m_imageHeight);
    m_writable.right = clampToInt(toDevice(clip->right), m_writable.left, m_imageWidth);
    m_writable.bottom = clampToInt(toDevice(clip->bottom), m_writable.top, m_imageHeight);
}

void DirectPixels::fillDevice(int left, int top, int right, int bottom, std::uint32_t value)
{
    for (int y = top; y < bottom; ++y) {
        auto *line = reinterpret_cast<std::uint32_t *>(m_bits + y * m_bytesPerLine);
        std::fill(line + left, line + right, value);
    }
}

void DirectPixels::fill(int left, int top, int right, int bottom, Rgb color)
{
    if (!m_bits) return;
    const Rect &w = m_writable;
    const int l = clampToInt(toDevice(left), w.left, w.right);
    const int r = clampToInt(toDevice(right), l, w.right);
    const int t = clampToInt(toDevice(top), w.top, w.bottom);
    const int b = clampToInt(toDevice(bottom), t, w.bottom);
    fillDevice(l, t, r, b, color | 0xFF000000u);
}

void DirectPixels::setPixel(int x, int y, Rgb color)
{
    if (m_scale == 1.0) {
        if (m_bits && m_writable.contains(x, y))
            reinterpret_cast<std::uint32_t *>(m_bits + y * m_bytesPerLine)[x] = color | 0xFF000000u;
        return;
    }
    fill(x, y, x + 1, y + 1, color);
}

void DirectPixels::setPixelRun(int x, int y, std::span<const Rgb> colors)
{
    if (!m_bits) return;
    const int top = clampToInt(toDevice(y), m_writable.top, m_writable.bottom);
    const int bottom = clampToInt(toDevice(Wide{y} + 1), top, m_writable.bottom);
    if (top >= bottom) return;
    const auto count = static_cast<Wide>(colors.size());
    if (m_scale == 1.0) {
        const Wide first = std::max<Wide>(x, m_writable.left);
        const Wide last = std::min<Wide>(Wide{x} + count, m_writable.right);
        auto *out = reinterpret_cast<std::uint32_t *>(m_bits + top * m_bytesPerLine);
        for (Wide i = first; i < last; ++i)
            out[i] = colors[static_cast<std::size_t>(i - x)] | 0xFF000000u;
        return;
    }
    // Each canvas pixel is a small block; the walk starts at the first one that can be seen.
    const Wide skip = static_cast<Wide>(std::floor(m_writable.left / m_scale)) - x - 1;
    for (Wide i = std::clamp<Wide>(skip, 0, count); i < count; ++i) {
        const Wide left = std::max<Wide>(toDevice(Wide{x} + i), m_writable.left);
        const Wide right = std::min<Wide>(toDevice(Wide{x} + i + 1), m_writable.right);
        if (left >= m_writable.right) break;
        if (left < right)
            fillDevice(static_cast<int>(left), top, static_cast<int>(right), bottom,
                       colors[static_cast<std::size_t>(i)] | 0xFF000000u);
    }
}

void DirectPixels::line(Point from, Point to, int width, Rgb color)
{
    if (!m_bits || width < 1 || m_writable.isEmpty()) return;
    const Wide half = width / 2;
    const Wide block = std::max<Wide>(1, std::llround(width * m_scale));
    // Work along the longer (major) axis and the shorter (minor) one, on the blocks' top-left
    // corners in image pixels.
    const Wide ax = toDevice(from.x - half), ay = toDevice(from.y - half);
    const Wide dx = toDevice(to.x - half) - ax, dy = toDevice(to.y - half) - ay;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const Wide major0 = xMajor ? ax : ay, minor0 = xMajor ? ay : ax;
    const Wide dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    if (dMajor == 0) return;
    const Wide majorStep = dMajor > 0 ? 1 : -1, minorStep = dMinor >= 0 ? 1 : -1;
    const Wide n = std::abs(dMajor), m = std::abs(dMinor);

    // The last block ends where the canvas line's last pixel ends (at scale 1: n steps).
    const Wide toMajor = xMajor ? to.x : to.y;
    const Wide lastStart =
        majorStep > 0 ? toDevice(toMajor - half + width - 1) - block : toDevice(toMajor + 1 - half);
    const Wide span = (lastStart - major0) * majorStep;
    const Wide steps = span < 0 ? 1 : std::min(n, span + 1);

    // Only the steps whose block meets the writable columns (rows) of the major axis.
    const Wide lo = xMajor ? m_writable.left : m_writable.top;
    const Wide hi = xMajor ? m_writable.right : m_writable.bottom;
    Wide kFirst = majorStep > 0 ? lo - block + 1 - major0 : major0 - hi + 1;
    Wide kEnd = majorStep > 0 ? hi - major0 : major0 - lo + block;
    kFirst = std::max<Wide>(kFirst, 0);
    kEnd = std::min(kEnd, steps);
    if (kFirst >= kEnd) return;

    // Minor offset at step k: floor((2 k m + n) / 2n), the ideal line rounded, carried as
    // quotient and remainder from one step to the next.
    QuotientRemainder q = productQuotient(kFirst, 2 * m, n, 2 * n);
    const std::uint32_t value = color | 0xFF000000u;
    const Rect &w = m_writable;
    for (Wide k = kFirst; k < kEnd; ++k) {
        const Wide major = major0 + majorStep * k;
        const Wide minor = minor0 + minorStep * q.quotient;
        const Wide x = xMajor ? major : minor, y = xMajor ? minor : major;
        const Wide left = std::max<Wide>(x, w.left), right = std::min<Wide>(x + block, w.right);
        const Wide top = std::max<Wide>(y, w.top), bottom = std::min<Wide>(y + block, w.bottom);
        if (left < right && top < bottom)
            fillDevice(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                       static_cast<int>(bottom), value);
        q.remainder += 2 * m;
        if (q.remainder >= 2 * n) {
            q.remainder -= 2 * n;
            ++q.quotient;
        }
    }
}
