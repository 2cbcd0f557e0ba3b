#include "fractal/FractalFigures.h"

#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLastPaletteIndex = static_cast<int>(kSystemPalette.size()) - 1;

int clampCount(int countIndex)
{
    return std::clamp(countIndex, 0, kCountEntries - 1);
}

bool isEscapeTime(FractalKind kind)
{
    return kind == FractalKind::Mandelbrot || kind == FractalKind::Julia;
}

/// The parameter points of an escape-time set: c (Mandelbrot) or z0 (Julia) runs from the start of
/// each range while below its end in `step`s, and lands on pixel trunc(origin + scale * value +
/// 0.25).
struct EscapeTimeGrid
{
    double reStart, reEnd, imStart, imEnd, step, scale;
};

EscapeTimeGrid escapeTimeGrid(FractalKind kind, int parameterIndex)
{
    if (kind == FractalKind::Julia) return {-2.0, 2.0, -2.0, 2.0, 0.01, 100.0};
    switch (parameterIndex) {
    case 1:
        return {-0.25, 0.025, -1.0, -0.6, 0.001, 1000.0};
    case 2:
        return {-0.125, -0.075, -0.955, -0.905, 0.0001, 10000.0};
    default:
        return {-2.5, 2.5, -2.5, 2.5, 0.01, 100.0};
    }
}

int pixelOf(double origin, double value, double scale)
{
    return static_cast<int>(origin + value * scale + 0.25);
}

// The two maps of the triangle figures, with A = 1/2 and B = sqrt(3)/6:
//   map 0 (both):  (A X + B Y, B X - A Y)
//   map 1 (Koch):  (1 - (A X + B Y), B X - A Y)
//   map 1 (cedar): ((2X + 1) / 3, -2Y / 3)
constexpr double kMapA = 0.5;
const double kMapB = std::sqrt(3.0) / 6.0;

FigurePoint trianglePointMap(FractalKind kind, int map, FigurePoint p)
{
    const double u = kMapA * p.x + kMapB * p.y;
    const double v = kMapB * p.x - kMapA * p.y;
    if (map == 0) return {u, v};
    if (kind == FractalKind::Koch) return {1.0 - u, v};
    return {(2.0 * p.x + 1.0) / 3.0, -2.0 * p.y / 3.0};
}

void collectTriangles(FractalKind kind, const FigureTriangle &triangle, int level, int depth,
                      std::vector<FigureTriangle> &out)
{
    if (level == depth) {
        out.push_back(triangle);
        return;
    }
    for (int map = 0; map < 2; ++map) {
        FigureTriangle next;
        for (std::size_t i = 0; i < triangle.size(); ++i)
            next[i] = trianglePointMap(kind, map, triangle[i]);
        collectTriangles(kind, next, level + 1, depth, out);
    }
}

void growBranches(FigurePoint v, FigurePoint p, double theta, int level, int levels,
                  std::vector<FigureSegment> &out)
{
    if (level > levels) return;
    for (const double angle : {theta, -theta}) {
        // child.v = rotate(v, angle) / 2, child.p = p + child.v
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const FigurePoint cv{(v.x * c - v.y * s) / 2.0, (v.x * s + v.y * c) / 2.0};
        const FigurePoint cp{p.x + cv.x, p.y + cv.y};
        out.push_back({p, cp});
        growBranches(cv, cp, theta, level + 1, levels, out);
    }
}

// M1(X, Y) = (X/2 - Y/2, X/2 + Y/2), M2(X, Y) = (X/2 + Y/2 + 1/2, Y/2 - X/2 + 1/2)
FigurePoint levyMap1(FigurePoint p)
{
    return {0.5 * p.x - 0.5 * p.y, 0.5 * p.x + 0.5 * p.y};
}
FigurePoint levyMap2(FigurePoint p)
{
    return {0.5 * p.x + 0.5 * p.y + 0.5, 0.5 * p.y - 0.5 * p.x + 0.5};
}

void collectLevy(const FigureSegment &segment, int level, int last, std::vector<FigureSegment> &out)
{
    for (auto map : {levyMap1, levyMap2}) {
        const FigureSegment image{map(segment.from), map(segment.to)};
        out.push_back(image);
        if (level != last) collectLevy(image, level + 1, last, out);
    }
}

/// z := z^2 + c from z0, at most `limit` times; see `EscapePaletteIndex`. Kept inside this file so
/// that the loop over a figure's points can inline it.
int escapeIndex(double re, double im, double cRe, double cIm, int limit)
{
    // Written out on the parts: the complex product of the library checks for infinities on
    // every step.
    double norm = re * re + im * im;
    for (int i = 0; i < limit; ++i) {
        const double nextRe = re * re - im * im + cRe;
        im = 2.0 * re * im + cIm;
        re = nextRe;
        norm = re * re + im * im;
        if (norm > 4.0) return -1;
    }
    return std::min(static_cast<int>(5.0 * norm), kLastPaletteIndex);
}

/// Points iterated together by `escapeIndices`.
constexpr int kLanes = 4;
using LaneValues = std::array<double, kLanes>;

/// The points of one group: start z0 and constant c of each lane.
struct EscapeLanes
{
    LaneValues re{}, im{}, cRe{}, cIm{};
};

/// `escapeIndex` of kLanes points at once. The steps of different points do not depend on each
/// other, so the processor overlaps their multiplications instead of waiting for each one in turn;
/// each point still takes exactly the operations of `escapeIndex`, in the same order, so the
/// results are the same. A point that escaped keeps its last values while the others go on.
std::array<int, kLanes> escapeIndices(EscapeLanes p, int limit)
{
    LaneValues norm;
    std::array<bool, kLanes> bounded;
    for (int l = 0; l < kLanes; ++l) {
        norm[l] = p.re[l] * p.re[l] + p.im[l] * p.im[l];
        bounded[l] = true;
    }
    for (int i = 0; i < limit; ++i) {
        bool any = false;
        for (int l = 0; l < kLanes; ++l) {
            const double nextRe = p.re[l] * p.re[l] - p.im[l] * p.im[l] + p.cRe[l];
            const double nextIm = 2.0 * p.re[l] * p.im[l] + p.cIm[l];
            const double nextNorm = nextRe * nextRe + nextIm * nextIm;
            if (bounded[l]) {
                p.re[l] = nextRe;
                p.im[l] = nextIm;
                norm[l] = nextNorm;
                bounded[l] = !(nextNorm > 4.0);
            }
            any = any || bounded[l];
        }
        if (!any) break;
    }
    std::array<int, kLanes> out;
    for (int l = 0; l < kLanes; ++l)
        out[l] = bounded[l] ? std::min(static_cast<int>(5.0 * norm[l]), kLastPaletteIndex) : -1;
    return out;
}

} // namespace

std::vector<std::u16string> CountEntries(FractalKind kind)
{
    std::vector<std::u16string> entries;
    for (int i = 0; i < kCountEntries; ++i)
        entries.push_back(formatText(u"%2d", isEscapeTime(kind) ? IterationLimit(i) : i + 1));
    return entries;
}

std::vector<std::u16string> ParameterEntries(FractalKind kind)
{
    std::vector<std::u16string> entries;
    if (kind == FractalKind::Mandelbrot) {
        entries = {u"0.01", u"0.001", u"0.0001"};
    } else if (kind == FractalKind::Julia) {
        for (const auto &c : kJuliaConstants)
            entries.push_back(JuliaLabel(c));
    } else {
        for (int degrees = 15; degrees <= 50; degrees += 5)
            entries.push_back(formatText(u"%2d°", degrees));
    }
    return entries;
}

std::u16string_view ParameterLabel(FractalKind kind)
{
    if (kind == FractalKind::Mandelbrot) return u"間隔";
    if (kind == FractalKind::Julia) return u"γ=";
    return u"角度";
}

int DefaultParameterIndex(FractalKind kind)
{
    if (kind == FractalKind::Mandelbrot) return 0;
    if (kind == FractalKind::Julia) return 2;
    return 1;
}

std::u16string JuliaLabel(std::complex<double> c)
{
    std::u16string label = formatText(u"%1.3f", c.real());
    if (c.imag() > 0.0)
        label += formatText(u"+%1.3fi", c.imag());
    else if (c.imag() < 0.0)
        label += formatText(u"%1.3fi", c.imag());
    return label;
}

int IterationLimit(int countIndex)
{
    return 2 * clampCount(countIndex) + 20;
}

FigureOrigin FigureOriginOf(FractalKind kind, int parameterIndex, const Rect &client)
{
    const int w = client.right;
    switch (kind) {
    case FractalKind::Mandelbrot: {
        const int m = (client.bottom + 42) / 2;
        if (parameterIndex == 1) return {static_cast<double>(2 * w / 3), m + 800.0};
        if (parameterIndex == 2) return {w / 2 + 1000.0, m + 9300.0};
        return {static_cast<double>(w / 2), static_cast<double>(m)};
    }
    case FractalKind::Julia:
        return {static_cast<double>((w - 64) / 2), static_cast<double>((client.bottom + 62) / 2)};
    case FractalKind::Levy:
        return {static_cast<double>(w / 4), static_cast<double>((client.bottom - 42) / 2)};
    default:
        return {static_cast<double>(w / 4), static_cast<double>((client.bottom + 2 * 42) / 2)};
    }
}

int EscapePaletteIndex(std::complex<double> z0, std::complex<double> c, int limit)
{
    return escapeIndex(z0.real(), z0.imag(), c.real(), c.imag(), limit);
}

PaletteImage EscapeTimeImage(FractalKind kind, int countIndex, int parameterIndex,
                             const Rect &client, const Rect &bounds)
{
    PaletteImage image{bounds, {}};
    if (bounds.isEmpty()) return image;
    image.indices.assign(static_cast<std::size_t>(bounds.width()) * bounds.height(), -1);

    const EscapeTimeGrid grid = escapeTimeGrid(kind, parameterIndex);
    const FigureOrigin origin = FigureOriginOf(kind, parameterIndex, client);
    const int limit = IterationLimit(countIndex);
    const std::complex<double> julia =
        kJuliaConstants[static_cast<std::size_t>(std::clamp(parameterIndex, 0, 7))];
    const bool mandelbrot = kind == FractalKind::Mandelbrot;

    // The ranges are walked by repeated addition, as the figure has always been drawn, so the last
    // point of a range depends on the rounding of the sum. The points of a column that land inside
    // the bounds are iterated kLanes at a time, and written back in their order.
    struct Pending
    {
        std::size_t pixel;
        double im;
    };
    std::vector<Pending> column;
    for (double re = grid.reStart; re < grid.reEnd; re += grid.step) {
        const int x = pixelOf(origin.x0, re, grid.scale);
        if (x < bounds.left || x >= bounds.right) continue;
        column.clear();
        for (double im = grid.imStart; im < grid.imEnd; im += grid.step) {
            const int y = pixelOf(origin.y0, im, grid.scale);
            if (y < bounds.top || y >= bounds.bottom) continue;
            column.push_back(
                {static_cast<std::size_t>((y - bounds.top) * bounds.width() + (x - bounds.left)),
                 im});
        }
        for (std::size_t first = 0; first < column.size(); first += kLanes) {
            const std::size_t count = std::min<std::size_t>(kLanes, column.size() - first);
            EscapeLanes lanes;
            for (std::size_t l = 0; l < kLanes; ++l) {
                // A short last group repeats its first point in the lanes it does not use.
                const double im = column[first + (l < count ? l : 0)].im;
                lanes.re[l] = mandelbrot ? 0.0 : re;
                lanes.im[l] = mandelbrot ? 0.0 : im;
                lanes.cRe[l] = mandelbrot ? re : julia.real();
                lanes.cIm[l] = mandelbrot ? im : julia.imag();
            }
            const std::array<int, kLanes> indices = escapeIndices(lanes, limit);
            for (std::size_t l = 0; l < count; ++l)
                if (indices[l] >= 0)
                    image.indices[column[first + l].pixel] = static_cast<std::int8_t>(indices[l]);
        }
    }
    return image;
}

std::vector<FigureTriangle> TriangleFigure(FractalKind kind, int depth)
{
    const FigureTriangle start = {{{0.5, kMapB}, {0.0, 0.0}, {1.0, 0.0}}};
    std::vector<FigureTriangle> triangles;
    collectTriangles(kind, start, 0, std::clamp(depth, 0, kMaxDepth), triangles);
    return triangles;
}

std::vector<FigureSegment> CauliflowerFigure(double theta, int levels)
{
    std::vector<FigureSegment> segments{{{1.0, 0.0}, {0.0, 0.0}}};
    growBranches({1.0, 0.0}, {1.0, 0.0}, theta, 1, std::clamp(levels, 0, kMaxDepth), segments);
    return segments;
}

std::vector<FigureSegment> LevyFigure(int countIndex)
{
    std::vector<FigureSegment> segments;
    collectLevy({{0.0, 0.0}, {1.0, 0.0}}, 0, clampCount(countIndex), segments);
    return segments;
}

std::vector<std::vector<int>> PascalRows(int countIndex)
{
    const int count = clampCount(countIndex);
    // The apex sits at the column the x position centres: a single 1 at column 0 would never
    // spread under next[j] = cur[j] XOR cur[j + 1].
    std::array<int, kPascalRowLength> row{};
    row[kPascalApexColumn] = 1;
    std::vector<std::vector<int>> rows;
    for (int r = 0;; ++r) {
        std::array<int, kPascalRowLength> next{};
        std::vector<int> ones;
        for (int j = 0; j < kPascalRowLength - 1; ++j) {
            next[static_cast<std::size_t>(j)] =
                row[static_cast<std::size_t>(j)] ^ row[static_cast<std::size_t>(j + 1)];
            if (row[static_cast<std::size_t>(j)] != 0) ones.push_back(j);
        }
        rows.push_back(std::move(ones));
        row = next;
        if ((r + 1) / 2 == count) break;
    }
    return rows;
}

int PascalTextX(int column, int row, int spacing, int figureRight)
{
    return spacing * (column - kPascalApexColumn) + row * spacing / 2 + figureRight / 2;
}
