#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

/// A coefficient of the composition lesson as the student types it: an integer ("-2") or the
/// square root of an integer ("sqr(3)", "-sqr(2)"), kept as its radicand with the sign in front.
struct RootedInteger
{
    std::int32_t value = 0; ///< the integer, or the radicand of a root with the root's sign
    bool root = false;
};

/// Reads a field of the composition lesson: a signed integer as `CheckSignedIntegerText` accepts
/// it (an empty text reads 0), or "sqr(" or "-sqr(" followed by digits and a ")" (which may be
/// missing when the field cut the text there). Anything else gives nullopt.
std::optional<RootedInteger> ReadRootedInteger(std::u16string_view text);

/// A ratio whose numerator may stand under one root sign: numerator / denominator, or, with
/// `root`, sqrt(|numerator|) / denominator with the sign of the numerator. Zero is 0/1.
struct RootRatio
{
    std::int32_t numerator = 0;
    bool root = false;
    std::int32_t denominator = 1;
    friend bool operator==(const RootRatio &, const RootRatio &) = default;
};

/// The largest radicand that is factored; a larger one is too large to simplify.
constexpr std::int32_t kLargestRadicand = 32767;

/// value / sqrt(over) written with an integer denominator and what remains of the root in the
/// numerator: the radicand value^2 * over (value * over for a root) is split into squares and the
/// rest, and the squares are reduced against `over`. nullopt when the value is too large to
/// simplify: a radicand above `kLargestRadicand` or with more than 9 prime factors.
std::optional<RootRatio> SimplifyRootRatio(RootedInteger value, std::int32_t over);

/// a sin(t) + b cos(t) = r sin(t + alpha) for two typed coefficients (not both 0):
/// r = sqrt(R) with R = a^2 + b^2, cos(alpha) = a / r and sin(alpha) = b / r, each simplified by
/// `SimplifyRootRatio`; a value that is too large to simplify is left empty.
struct Composition
{
    std::int64_t sumOfSquares = 0; ///< R; a root contributes its radicand
    std::optional<RootRatio> cosine;
    std::optional<RootRatio> sine;
    std::optional<RootRatio> amplitude;
    /// "+π/3" and the like when cos(alpha) and sin(alpha) are the exact values of a standard
    /// angle between -π and π, else empty.
    std::u16string_view angleText;

    bool complete() const { return cosine && sine && amplitude; }
};
Composition ComposeSineCosine(RootedInteger a, RootedInteger b);

/// The standard angle whose cosine and sine are these exact values ("-5π/6" ... "+5π/6", "+0"),
/// or an empty text.
std::u16string_view StandardAngleText(const RootRatio &cosine, const RootRatio &sine);
