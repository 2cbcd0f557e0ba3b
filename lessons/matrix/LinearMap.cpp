#include "lessons/matrix/LinearMap.h"

#include "lessons/functions/CoefficientField.h"
#include "mathcore/TextFormat.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxAngle = 360;

/// "%2.1f" of a coordinate; a value that rounds to zero from below is written "0.0".
std::u16string coordinateText(double value)
{
    std::u16string text = formatText(u"%2.1f", value);
    if (text == u"-0.0") text = u"0.0";
    return text;
}

LinearImage mirrorImage(int kind, LatticePoint p)
{
    const int sx = kind == LinearMapKind::MirrorX ? 1 : -1;
    const int sy = kind == LinearMapKind::MirrorY ? 1 : -1;
    LinearImage image;
    image.entries = {formatText(u"%4d", sx), formatText(u"%4d", 0), formatText(u"%4d", 0),
                     formatText(u"%4d", sy)};
    image.x = sx * p.x;
    image.y = sy * p.y;
    image.textX = formatText(u"%2d", sx * p.x);
    image.textY = formatText(u"%2d", sy * p.y);
    return image;
}

LinearImage rotationImage(int theta, LatticePoint p, double circleConstant)
{
    // x' = Px cos θ - Py sin θ, y' = Px sin θ + Py cos θ, in single precision.
    const float radians = static_cast<float>(theta * circleConstant / 180.0);
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    const float px = static_cast<float>(p.x);
    const float py = static_cast<float>(p.y);
    LinearImage image;
    image.entries = {formatText(u"cos%dﾟ", theta), formatText(u"-sin%dﾟ", theta),
                     formatText(u"sin%dﾟ", theta), formatText(u"cos%dﾟ", theta)};
    image.x = px * cosine - py * sine;
    image.y = px * sine + py * cosine;
    image.textX = coordinateText(image.x);
    image.textY = coordinateText(image.y);
    return image;
}

} // namespace

LinearImage TransformPoint(int kind, int theta, LatticePoint p, double circleConstant)
{
    if (kind == LinearMapKind::Rotation) return rotationImage(theta, p, circleConstant);
    if (kind != LinearMapKind::MirrorY && kind != LinearMapKind::MirrorO)
        kind = LinearMapKind::MirrorX;
    return mirrorImage(kind, p);
}

std::optional<std::int16_t> ReadRotationAngle(std::u16string_view text)
{
    const std::int32_t value = LeadingInteger(text);
    if (value < -kMaxAngle || value > kMaxAngle) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

int ArrowheadDirection(double a, double x, double y, double circleConstant)
{
    int beta = 0;
    while (beta <= 90 && std::sin(beta * circleConstant / 180.0) < a)
        ++beta;
    if (x >= 0 && y < 0) return 360 - beta;
    if (x < 0 && y >= 0) return 180 - beta;
    if (x < 0 && y < 0) return beta + 180;
    return beta;
}
