#include "bench/WindowRepaint.h"
#include "lessons/functions/Corespond.h"
#include "lessons/functions/Onefunc.h"
#include "lessons/functions/Prepare.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Ten points, both overlays and the point table: the fullest figure of the lesson.
void BM_PreparePaint(benchmark::State &state)
{
    CPrepare window;
    window.initialize();
    for (int i = 0; i < 10; ++i)
        window.clickAt(Point{70 + 21 * i, 280 - 19 * i});
    window.pressButton(1003);
    window.pressButton(1004);
    repaintWindow(state, window);
}
BENCHMARK(BM_PreparePaint);

// y = 1/2 x + 3 over the previous line y = x, with x = 2.7 and the nine table points.
void BM_OnefuncPaint(benchmark::State &state)
{
    COnefunc window;
    window.initialize();
    window.setControlText(101, u"1/2");
    window.setControlText(102, u"3");
    window.setControlText(103, u"2.7");
    window.pressButton(104);
    repaintWindow(state, window);
}
BENCHMARK(BM_OnefuncPaint);

// Nine pairs of a parabola's values.
void BM_CorespondPaint(benchmark::State &state)
{
    CCorespond window;
    window.initialize();
    CorrespondencePoints points;
    points.fillColumns(20, [](double x) { return std::optional<double>(0.5 * x * x - 3 * x); });
    window.SetData(points);
    repaintWindow(state, window);
}
BENCHMARK(BM_CorespondPaint);

} // namespace
