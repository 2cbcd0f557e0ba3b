#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The transformations of the linear-transformation lesson, numbered as its radio buttons.
namespace LinearMapKind {
constexpr int MirrorX = 1;  ///< symmetry in the x axis
constexpr int MirrorY = 2;  ///< symmetry in the y axis
constexpr int MirrorO = 3;  ///< symmetry in the origin
constexpr int Rotation = 4; ///< rotation about the origin by θ degrees
} // namespace LinearMapKind

/// A lattice point of the lesson's grid.
struct LatticePoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const LatticePoint &, const LatticePoint &) = default;
};

/// A transformation applied to a point, with the texts the figure shows.
struct LinearImage
{
    /// The matrix entries m11, m12, m21, m22: "%4d" of the integers, or "cos%dﾟ", "-sin%dﾟ",
    /// "sin%dﾟ", "cos%dﾟ" of θ for the rotation.
    std::array<std::u16string, 4> entries;
    /// P': exact for the symmetries; for the rotation computed in single precision.
    double x = 0.0;
    double y = 0.0;
    /// P' as shown: "%2d" for the symmetries, "%2.1f" for the rotation ("0.0", never "-0.0").
    std::u16string textX;
    std::u16string textY;
};

/// Applies transformation `kind` (1 to 4) to `p`; θ in whole degrees, converted to radians with
/// the circle constant. An unknown kind is taken as the symmetry in the x axis.
LinearImage TransformPoint(int kind, int theta, LatticePoint p, double circleConstant);

/// Reads the angle field: the integer at the start of the text (no digits: 0), accepted when its
/// magnitude is at most 360.
std::optional<std::int16_t> ReadRotationAngle(std::u16string_view text);

/// The direction of P' seen from the origin, in whole degrees counter-clockwise from the x axis, as
/// the rotation's arrowhead takes it: β is the smallest whole degree from 0 to 90 whose sine is at
/// least a = |vertical pixel offset of P'| / radius (91 when none is, as when a truncated radius
/// makes a exceed 1), then moved into the quadrant of (x', y').
int ArrowheadDirection(double a, double x, double y, double circleConstant);
