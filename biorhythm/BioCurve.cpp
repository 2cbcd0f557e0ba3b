#include "biorhythm/BioCurve.h"

#include "mathcore/TextFormat.h"

#include <cmath>

const std::array<BiorhythmCycle, 3> kBiorhythmCycles = {{
    {u"身体Ｐ", 23, Colors::Blue},
    {u"感情Ｓ", 28, Colors::Red},
    {u"知性Ｉ", 33, Colors::Green},
}};

namespace {

int signOf(int value)
{
    return (value > 0) - (value < 0);
}

/// Follows the sign of a curve's offsets and tells which samples start a crossing.
class CrossingTracker
{
public:
    explicit CrossingTracker(int startOffset) : m_reference(signOf(startOffset)) {}

    /// True when this sample is the first one of a new crossing (zero reached, or the sign flipped
    /// without passing through a zero sample).
    bool sample(int offset)
    {
        const int sign = signOf(offset);
        if (sign == 0) {
            const bool first = !m_atZero;
            m_atZero = true;
            return first;
        }
        // No reference yet means the curve started the month at zero: that is a crossing too.
        const bool crossed = (m_reference == 0 || sign != m_reference) && !m_atZero;
        m_reference = sign;
        m_atZero = false;
        return crossed;
    }

private:
    int m_reference;       ///< sign of the last non-zero offset (0 while there is none)
    bool m_atZero = false; ///< the last sample was zero and its crossing is recorded
};

} // namespace

void CriticalDays::record(int day)
{
    if (count > 0 && days[static_cast<std::size_t>(count - 1)] == day) return;
    if (count < kCapacity)
        days[static_cast<std::size_t>(count++)] = day;
    else
        days[kCapacity - 1] = day;
}

std::u16string CriticalDays::text() const
{
    std::u16string result;
    for (int i = 0; i < count; ++i)
        result += formatText(u"%d ", days[static_cast<std::size_t>(i)]);
    cutToCapacity(result, kTextCapacity);
    return result;
}

CurveTrace traceBiorhythmCurve(const Rect &box, double pixelsPerDay, int period,
                               std::int32_t dayCount, int monthDays, double circleConstant)
{
    CurveTrace trace;
    if (period <= 0) return trace;
    const int half = (box.bottom - box.top) / 2;
    const int middle = box.top + half;
    // offset(t) = trunc(-sin(2 pi t / P) * half), y = middle + offset(t)
    const auto offsetAt = [&](double t) {
        return static_cast<int>(-std::sin(2.0 * circleConstant * t / period) * half);
    };
    const int startOffset = offsetAt(dayCount);
    trace.points.reserve(static_cast<std::size_t>(std::max(0, monthDays)) * 8 + 1);
    trace.points.push_back(Point{box.left, middle + startOffset});

    CrossingTracker tracker(startOffset);
    const int step = static_cast<int>(pixelsPerDay / 8.0);
    for (int i = 0; i < monthDays; ++i) {
        int x = box.left + static_cast<int>(pixelsPerDay * i);
        for (int s = 1; s <= 8; ++s) {
            const double t = static_cast<double>(dayCount) + i + s / 8.0;
            const int offset = offsetAt(t);
            x += step;
            trace.points.push_back(Point{x, middle + offset});
            if (tracker.sample(offset)) trace.critical.record(i + 1);
        }
    }
    return trace;
}

void drawCurve(Canvas &canvas, const CurveTrace &trace)
{
    if (trace.points.empty()) return;
    canvas.moveTo(trace.points.front().x, trace.points.front().y);
    for (std::size_t i = 1; i < trace.points.size(); ++i)
        canvas.lineTo(trace.points[i].x, trace.points[i].y);
}
