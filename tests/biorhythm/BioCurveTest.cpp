#include "biorhythm/BioCurve.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double kPi = 3.1415926535;

std::vector<int> criticalDays(const CurveTrace &trace)
{
    return {trace.critical.days.begin(), trace.critical.days.begin() + trace.critical.count};
}

// Birth 1960-04-12, display May 2024: 23394 days lived, which is 3 days into the physical cycle,
// half-way through the emotional one (the curve starts the month at zero) and 30 days into the
// intellectual one. The physical and emotional curves reach zero exactly at the end of a day (on
// days 14, 20 and 28); the next day must not be recorded again.
TEST(BioCurve, ZeroCrossingDaysOfOneChart)
{
    const int u = 18;
    const Rect box{2 * u, 5 * u, 18 * u, 13 * u};
    const double pixelsPerDay = 16.0 * u / 31.0;
    struct Row
    {
        int period;
        std::vector<int> days;
        std::u16string_view text;
    };
    const Row rows[] = {
        {23, {9, 20}, u"9 20 "},
        {28, {1, 14, 28}, u"1 14 28 "},
        {33, {3, 20}, u"3 20 "},
    };
    for (const Row &r : rows) {
        const CurveTrace trace = traceBiorhythmCurve(box, pixelsPerDay, r.period, 23394, 31, kPi);
        EXPECT_EQ(criticalDays(trace), r.days) << "period " << r.period;
        EXPECT_EQ(trace.critical.text(), r.text) << "period " << r.period;

        // One start point and eight steps per day, all inside the box, ending near its right edge.
        ASSERT_EQ(trace.points.size(), 1u + 31u * 8u);
        for (const Point &p : trace.points) {
            EXPECT_GE(p.y, box.top);
            EXPECT_LE(p.y, box.bottom);
        }
        EXPECT_EQ(trace.points.front().x, box.left);
        EXPECT_EQ(trace.points.back().x, box.left + static_cast<int>(pixelsPerDay * 30) + 8);
    }
}

TEST(BioCurve, ShortMonthAndLargeDayCountStayInTheBox)
{
    // A birth 145700 days back and a 28-day February: the phase is computed without wrapping.
    const Rect box{100, 200, 1700, 1000};
    const CurveTrace trace = traceBiorhythmCurve(box, 1600.0 / 31.0, 23, 145700, 28, kPi);
    ASSERT_EQ(trace.points.size(), 1u + 28u * 8u);
    // 145700 = 23 * 6334 + 18: zero again 5 days later, then every 11.5 days.
    EXPECT_EQ(criticalDays(trace), (std::vector<int>{5, 17, 28}));
    for (const Point &p : trace.points)
        EXPECT_TRUE(p.y >= box.top && p.y <= box.bottom);
}

TEST(BioCurve, AFifthCriticalDayReplacesTheFourth)
{
    CriticalDays days;
    for (int day : {2, 2, 7, 12, 18, 25})
        days.record(day);
    EXPECT_EQ(days.count, 4);
    EXPECT_EQ(days.text(), u"2 7 12 25 ");
}

} // namespace
