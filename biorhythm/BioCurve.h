#pragma once

#include "ui/Canvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// One of the three biorhythm cycles: its label, its period in days and its colour on screen.
struct BiorhythmCycle
{
    std::u16string_view label;
    int period = 0;
    Rgb color = Colors::Black;
};

/// Physical (23 days, blue), emotional (28, red) and intellectual (33, green), in this order.
extern const std::array<BiorhythmCycle, 3> kBiorhythmCycles;

/// The days of the display month on which a curve crosses zero (its critical days).
struct CriticalDays
{
    static constexpr int kCapacity = 4;
    /// Characters of the text form, as its fixed buffer holds them.
    static constexpr std::size_t kTextCapacity = 16;

    std::array<int, kCapacity> days{};
    int count = 0;

    /// Adds a day once; a fifth and later day replaces the fourth.
    void record(int day);
    /// Each day formatted "%d " (number and a space), joined, cut at the text capacity.
    std::u16string text() const;
};

/// A curve as a polyline (the first point is where the pen starts) and its critical days.
struct CurveTrace
{
    std::vector<Point> points;
    CriticalDays critical;
};

/// Traces one cycle over the days of the display month inside the box from (left, top) to
/// (right, bottom).
///
/// With half = (bottom - top) / 2 (integer) the curve point at time t (days since birth) has
/// y = top + half + trunc(-sin(2 pi t / period) * half). The pen starts at (left, y(dayCount)); day
/// i (0-based) starts at x = left + trunc(pixelsPerDay * i) and is drawn in eight steps of
/// trunc(pixelsPerDay / 8) pixels, at t = dayCount + i + s / 8 for s = 1..8.
///
/// A day is critical when the curve reaches zero or changes sign during it. One change of sign is
/// recorded once: the reference is the sign of the last non-zero offset, so samples that truncate
/// to 0 around a crossing do not record the following day again. A curve that starts the month at
/// zero records day 1.
CurveTrace traceBiorhythmCurve(const Rect &box, double pixelsPerDay, int period,
                               std::int32_t dayCount, int monthDays, double circleConstant);

/// Draws a traced curve with the current pen.
void drawCurve(Canvas &canvas, const CurveTrace &trace);
