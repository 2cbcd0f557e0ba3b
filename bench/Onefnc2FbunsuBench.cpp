#include "bench/WindowRepaint.h"
#include "lessons/functions/Fbunsu.h"
#include "lessons/functions/Onefnc2.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Each benchmark brings a window into a typical state, then repaints the whole window per
// iteration the way the screen asks for it: erase the backing image and run the paint handler on a
// QtCanvas over it.

void paintOnefnc2(benchmark::State &state, std::int16_t mode)
{
    COnefnc2 window;
    window.setModeFlag(mode);
    window.initialize();
    window.clickAt({200, 200});
    window.clickAt({100, 100});
    window.pressButton(104);
    repaintWindow(state, window);
}

// The line through (6, -4) and (-4, 6) with the four panel lines.
void BM_Onefnc2LinePaint(benchmark::State &state)
{
    paintOnefnc2(state, 0);
}
BENCHMARK(BM_Onefnc2LinePaint);

// The circle around (6, -4) through (-4, 6): two clipped arcs, r^2 and the root-sign formulas.
void BM_Onefnc2CirclePaint(benchmark::State &state)
{
    paintOnefnc2(state, 1);
}
BENCHMARK(BM_Onefnc2CirclePaint);

// y = -3 / (x - 2) + 1.5 over the previous y = 2 / x: two hyperbolas walked column by column, the
// asymptotes, the stacked formula, the mark and the nine table points.
void BM_FbunsuPaint(benchmark::State &state)
{
    CFbunsu window;
    window.initialize();
    window.setControlText(105, u"-3");
    window.setControlText(106, u"2");
    window.setControlText(107, u"1.5");
    window.pressButton(104);
    repaintWindow(state, window);
}
BENCHMARK(BM_FbunsuPaint);

} // namespace
