#include "ui/DirectPixels.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using Wide = std::int64_t;
using QuotientRemainder = DirectPixels::QuotientRemainder;

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

// The steps k in [0, steps) whose block, starting at start + direction * k, meets [lo, hi) along
// the major axis: [first, end).
std::pair<Wide, Wide> stepsOverImage(Wide start, Wide direction, Wide steps, Wide block, Wide lo,
                                     Wide hi)
{
    const Wide first = direction > 0 ? lo - block + 1 - start : start - hi + 1;
    const Wide end = direction > 0 ? hi - start : start - lo + block;
    return {std::max<Wide>(first, 0), std::min(end, steps)};
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
    if (m_scale == 1.0 && lineInside(from, to, width, color)) return;
    const Wide half = width / 2;
    const Wide block = m_scale == 1.0 ? width : std::max<Wide>(1, std::llround(width * m_scale));
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
    const auto [kFirst, kEnd] =
        stepsOverImage(major0, majorStep, steps, block, xMajor ? m_writable.left : m_writable.top,
                       xMajor ? m_writable.right : m_writable.bottom);
    if (kFirst >= kEnd) return;

    // Minor offset at step k: floor((2 k m + n) / 2n), the ideal line rounded, carried as
    // quotient and remainder from one step to the next.
    QuotientRemainder q =
        kFirst == 0 ? QuotientRemainder{0, n} : productQuotient(kFirst, 2 * m, n, 2 * n);
    const Wide firstMajor = major0 + majorStep * kFirst;
    const Wide lastMajor = major0 + majorStep * (kEnd - 1);
    const Wide firstMinor = minor0 + minorStep * q.quotient;
    // The walk's minor offsets never pass the end's: a bound without a division.
    const Wide lastMinor = minor0 + dMinor;
    const auto [majorLow, majorHigh] = std::minmax(firstMajor, lastMajor);
    const auto [minorLow, minorHigh] = std::minmax(firstMinor, lastMinor);
    const Walk walk{q, 2 * m, 2 * n, kEnd - kFirst};
    const std::uint32_t value = color | 0xFF000000u;
    const Rect &w = m_writable;
    const Rect inner{w.left, w.top, static_cast<int>(w.right - block + 1),
                     static_cast<int>(w.bottom - block + 1)};
    const auto inside = [&inner](Wide x, Wide y) {
        return x >= inner.left && x < inner.right && y >= inner.top && y < inner.bottom;
    };
    if (xMajor ? inside(majorLow, minorLow) && inside(majorHigh, minorHigh)
               : inside(minorLow, majorLow) && inside(minorHigh, majorHigh)) {
        walkInside(xMajor ? firstMajor : firstMinor, xMajor ? firstMinor : firstMajor, xMajor,
                   majorStep, minorStep, walk, static_cast<int>(block), value);
        return;
    }
    walkClipped(firstMajor, minor0, xMajor, majorStep, minorStep, walk, block, value);
}

// The common case of short strokes: at scale 1 with every block inside the writable area, the
// walk needs no clipping and starts at the first point.
bool DirectPixels::lineInside(Point from, Point to, int width, Rgb color)
{
    const Wide half = width / 2;
    const Rect &w = m_writable;
    const Wide left = Wide{std::min(from.x, to.x)} - half;
    const Wide top = Wide{std::min(from.y, to.y)} - half;
    const Wide right = Wide{std::max(from.x, to.x)} - half + width;
    const Wide bottom = Wide{std::max(from.y, to.y)} - half + width;
    if (left < w.left || top < w.top || right > w.right || bottom > w.bottom) return false;
    const Wide dx = Wide{to.x} - from.x, dy = Wide{to.y} - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const Wide n = std::abs(xMajor ? dx : dy), m = std::abs(xMajor ? dy : dx);
    if (n == 0) return true;
    Walk walk{{0, n}, 2 * m, 2 * n, n};
    const Wide majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const Wide minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    walkInside(from.x - half, from.y - half, xMajor, majorStep, minorStep, walk, width,
               color | 0xFF000000u);
    return true;
}

namespace {

// Steps a block of Block x Block pixels (0: `block`) along the walk.
template <int Block>
void stampAlong(std::uint32_t *p, std::ptrdiff_t stride, std::ptrdiff_t majorDelta,
                std::ptrdiff_t minorDelta, DirectPixels::QuotientRemainder step, Wide twoM,
                Wide twoN, Wide steps, int block, std::uint32_t value)
{
    const int size = Block > 0 ? Block : block;
    for (Wide k = 0; k < steps; ++k) {
        for (int row = 0; row < size; ++row)
            for (int column = 0; column < size; ++column)
                p[row * stride + column] = value;
        p += majorDelta;
        step.remainder += twoM;
        if (step.remainder >= twoN) {
            step.remainder -= twoN;
            p += minorDelta;
        }
    }
}

} // namespace

// Every block of the walk lies inside the writable area: no checks per step.
void DirectPixels::walkInside(Wide x, Wide y, bool xMajor, Wide majorStep, Wide minorStep,
                              const Walk &walk, int block, std::uint32_t value)
{
    const auto stride = static_cast<std::ptrdiff_t>(m_bytesPerLine / 4);
    auto *p = reinterpret_cast<std::uint32_t *>(m_bits + y * m_bytesPerLine) + x;
    const std::ptrdiff_t majorDelta = xMajor ? majorStep : majorStep * stride;
    const std::ptrdiff_t minorDelta = xMajor ? minorStep * stride : minorStep;
    const auto run = [&](auto stamp) {
        stamp(p, stride, majorDelta, minorDelta, walk.step, walk.twoM, walk.twoN, walk.steps, block,
              value);
    };
    switch (block) {
    case 1:
        run(stampAlong<1>);
        break;
    case 2:
        run(stampAlong<2>);
        break;
    case 3:
        run(stampAlong<3>);
        break;
    default:
        run(stampAlong<0>);
        break;
    }
}

// The walk crosses an edge of the writable area: each block is cut to it.
void DirectPixels::walkClipped(Wide major, Wide minor0, bool xMajor, Wide majorStep, Wide minorStep,
                               const Walk &walk, Wide block, std::uint32_t value)
{
    const Rect &w = m_writable;
    QuotientRemainder step = walk.step;
    for (Wide k = 0; k < walk.steps; ++k, major += majorStep) {
        const Wide minor = minor0 + minorStep * step.quotient;
        const Wide x = xMajor ? major : minor, y = xMajor ? minor : major;
        const Wide left = std::max<Wide>(x, w.left), right = std::min<Wide>(x + block, w.right);
        const Wide top = std::max<Wide>(y, w.top), bottom = std::min<Wide>(y + block, w.bottom);
        if (left < right && top < bottom)
            fillDevice(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                       static_cast<int>(bottom), value);
        step.remainder += walk.twoM;
        if (step.remainder >= walk.twoN) {
            step.remainder -= walk.twoN;
            ++step.quotient;
        }
    }
}
