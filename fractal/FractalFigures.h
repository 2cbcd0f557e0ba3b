#pragma once

#include "ui/Canvas.h"

#include <array>
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

// The figures of the fractal explorer as plain computations: pixel grids of palette indices for the
// escape-time sets, point lists for the figures drawn by recursive maps, and the rows of Pascal's
// triangle modulo 2. The window only turns them into canvas calls.

/// The figure kinds, in the order of the kind combo box.
enum class FractalKind : int
{
    Mandelbrot = 0,
    Julia = 1,
    Koch = 2,
    Cedar = 3,
    Cauliflower = 4,
    Levy = 5,
    Pascal = 6,
};
constexpr int kFractalKindCount = 7;

/// Entries of the count and parameter combo boxes.
constexpr int kCountEntries = 10;
/// Deepest recursion of the map figures.
constexpr int kMaxDepth = 9;
/// The Julia constants c of z -> z^2 + c, one per parameter entry of the Julia set.
inline constexpr std::array<std::complex<double>, 8> kJuliaConstants = {{
    {0.375, -0.1},
    {0.375, -0.125},
    {0.285, 0.0},
    {0.285, 0.012},
    {-0.775, 0.0},
    {-0.775, 0.125},
    {-0.825, 0.0},
    {-0.825, 0.125},
}};

/// A point in a figure's own coordinates.
struct FigurePoint
{
    double x = 0.0;
    double y = 0.0;
};

/// A line from `from` to `to` in a figure's own coordinates.
struct FigureSegment
{
    FigurePoint from;
    FigurePoint to;
};

using FigureTriangle = std::array<FigurePoint, 3>;

/// The pixel at which a figure's mathematical origin lies.
struct FigureOrigin
{
    double x0 = 0.0;
    double y0 = 0.0;
};

/// The combo texts of a kind: counts ("%2d") and parameters, the parameter label, and the parameter
/// selected when the kind is chosen.
std::vector<std::u16string> CountEntries(FractalKind kind);
std::vector<std::u16string> ParameterEntries(FractalKind kind);
std::u16string_view ParameterLabel(FractalKind kind);
int DefaultParameterIndex(FractalKind kind);
/// A Julia constant as its combo text: "%1.3f", then "+%1.3fi" or "%1.3fi" unless the imaginary
/// part is 0 (0.375-0.100i, 0.285).
std::u16string JuliaLabel(std::complex<double> c);

/// Iteration limit of the escape-time sets for a count index: 20, 22, ..., 38.
int IterationLimit(int countIndex);

/// Where a figure's origin lies in a client area whose top is already moved below the controls.
FigureOrigin FigureOriginOf(FractalKind kind, int parameterIndex, const Rect &client);

/// Palette index of a point under z -> z^2 + c from z0: -1 when |z|^2 exceeds 4 within `limit`
/// steps, otherwise trunc(5 |z|^2). |z|^2 of exactly 4 would give 20, one past the 20-colour
/// palette; it is clamped to the last entry, 19.
int EscapePaletteIndex(std::complex<double> z0, std::complex<double> c, int limit);

/// Palette indices of a block of pixels; -1 where nothing is drawn.
struct PaletteImage
{
    Rect bounds;
    std::vector<std::int8_t> indices; ///< row by row, bounds.width() per row

    int at(int x, int y) const
    {
        return indices[static_cast<std::size_t>((y - bounds.top) * bounds.width() +
                                                (x - bounds.left))];
    }
};

/// The escape-time set of a kind (Mandelbrot or Julia) as palette indices over `bounds`; points
/// whose pixel falls outside `bounds` are left out. A later point on the same pixel replaces an
/// earlier one, as drawing them in turn would.
PaletteImage EscapeTimeImage(FractalKind kind, int countIndex, int parameterIndex,
                             const Rect &client, const Rect &bounds);

/// The triangles of the Koch curve or the cedar leaf after `depth` steps of their two maps (depth
/// 0: the start triangle), map 0 before map 1 at each level.
std::vector<FigureTriangle> TriangleFigure(FractalKind kind, int depth);

/// The branches of the cauliflower tree: the trunk from (1, 0) to (0, 0), then at each of `levels`
/// levels two children per branch, turned by +theta and -theta (radians) and halved.
std::vector<FigureSegment> CauliflowerFigure(double theta, int levels);

/// The segments of the Levy curve: both images of the start segment (0, 0)-(1, 0) under the two
/// maps, recursively, on every level from 1 to countIndex + 1.
std::vector<FigureSegment> LevyFigure(int countIndex);

/// Entries of the row buffer of Pascal's triangle modulo 2.
constexpr int kPascalRowLength = 32;
/// The column of the row buffer that holds the apex of the triangle: the x position of a "1" is
/// centred on it.
constexpr int kPascalApexColumn = 24;
/// For each row, the columns (0..30) whose entry is 1: row r+1 is row r with entry j replaced by
/// entry j XOR entry j+1. There is 1 row for count index 0, otherwise 2 x count index rows.
std::vector<std::vector<int>> PascalRows(int countIndex);
/// Left edge of a "1" of Pascal's triangle: s (j - 24) + r s / 2 + figureRight / 2.
int PascalTextX(int column, int row, int spacing, int figureRight);
/// Top edge of the "1"s of a row.
inline int PascalTextY(int row)
{
    return 10 * row + 80;
}
